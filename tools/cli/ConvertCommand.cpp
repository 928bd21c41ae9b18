#include <exception>
#include <optional>
#include <ostream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "FormatError.h"
#include "JsonWriter.h"
#include "Numbers.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  constexpr const char* kUsage = "usage: convert IN OUT [--x-column N --y-column M] (OUT ending in .tvx or .mbd)";
  std::vector<std::string> files;
  std::optional<std::int64_t> xColumn, yColumn;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--x-column" || args[i] == "--y-column") {
      const auto n = i + 1 < args.size() ? ParseInteger(args[i + 1]) : std::nullopt;
      if (!n || *n < 1 || *n > 100000) {
        err << "velmora-cli convert: " << args[i] << " needs a column number from 1; " << kUsage << "\n";
        return 2;
      }
      (args[i] == "--x-column" ? xColumn : yColumn) = n;
      ++i;
    } else if (args[i].rfind("--", 0) == 0) {
      err << "velmora-cli convert: unexpected argument '" << args[i] << "'; " << kUsage << "\n";
      return 2;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2 || xColumn.has_value() != yColumn.has_value()) {
    err << "velmora-cli convert: " << kUsage << "\n";
    return 2;
  }
  if (!CliDocument::CanSave(files[1])) {
    err << "velmora-cli convert: OUT must end in .tvx or .mbd\n";
    return 2;
  }
  std::optional<std::pair<std::size_t, std::size_t>> columns;
  if (xColumn) columns = std::make_pair(static_cast<std::size_t>(*xColumn - 1), static_cast<std::size_t>(*yColumn - 1));
  TNodeForest forest;
  FolderDatabase::TCurveFiles curves;
  bool unread = false;
  try {
    unread = CliDocument::Load(forest, files[0], columns, &curves);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  try {
    CliDocument::Save(forest, files[1], &curves);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  int nodes = 0;
  for (const auto& n : forest.AllNodes)
    if (n->InForest()) ++nodes;
  JsonWriter json;
  json.beginObject()
      .field("Input", files[0])
      .field("Output", files[1])
      .field("UnreadData", unread)
      .field("NodeCount", nodes);
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

}  // namespace

CliCommand ConvertCommand() {
  return {"convert", "convert IN OUT [--x-column N --y-column M]",
          "Loads IN as dump does and saves it as OUT, a document (.tvx) or a folder database (.mbd).", RunConvert};
}

}  // namespace velmora
