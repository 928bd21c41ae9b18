#include <exception>
#include <ostream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "FormatError.h"
#include "JsonWriter.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string file;
  bool semiIntegral = false;
  bool semilog = false;
  for (const std::string& a : args) {
    if (a == "--semi-integral") {
      semiIntegral = true;
    } else if (a == "--semilog") {
      semilog = true;
    } else if (a.rfind("--", 0) == 0 || !file.empty()) {
      err << "velmora-cli dump: unexpected argument '" << a << "'; usage: dump FILE [--semi-integral] [--semilog]\n";
      return 2;
    } else {
      file = a;
    }
  }
  if (file.empty()) {
    err << "velmora-cli dump: missing FILE; usage: dump FILE [--semi-integral] [--semilog]\n";
    return 2;
  }
  CliDocument::UsePeakValues();
  TNodeForest forest;
  bool unread = false;
  try {
    unread = CliDocument::Load(forest, file);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  forest.SetSemiIntegralMode(semiIntegral);
  forest.SetSemilogMode(semilog);
  // Streamed: the text of a large document is many times its size.
  JsonWriter json(out);
  CliDocument::WriteForest(json, forest, unread);
  json.flush();
  out << "\n";
  return 0;
}

}  // namespace

CliCommand DumpCommand() {
  return {"dump", "dump FILE [--semi-integral] [--semilog]",
          "Loads a document (.tvx), folder database (.mbd) or two-column text file and prints its nodes and curve "
          "records.",
          RunDump};
}

}  // namespace velmora
