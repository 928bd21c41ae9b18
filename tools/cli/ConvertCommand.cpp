#include <exception>
#include <ostream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "FormatError.h"
#include "JsonWriter.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2 || args[0].rfind("--", 0) == 0 || args[1].rfind("--", 0) == 0) {
    err << "velmora-cli convert: usage: convert IN OUT (OUT ending in .tvx or .mbd)\n";
    return 2;
  }
  if (!CliDocument::CanSave(args[1])) {
    err << "velmora-cli convert: OUT must end in .tvx or .mbd\n";
    return 2;
  }
  TNodeForest forest;
  bool unread = false;
  try {
    unread = CliDocument::Load(forest, args[0]);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  try {
    CliDocument::Save(forest, args[1]);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  int nodes = 0;
  for (const auto& n : forest.AllNodes)
    if (n->InForest()) ++nodes;
  JsonWriter json;
  json.beginObject()
      .field("Input", args[0])
      .field("Output", args[1])
      .field("UnreadData", unread)
      .field("NodeCount", nodes);
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

}  // namespace

CliCommand ConvertCommand() {
  return {"convert", "convert IN OUT",
          "Loads IN as dump does and saves it as OUT, a document (.tvx) or a folder database (.mbd).", RunConvert};
}

}  // namespace velmora
