#include <exception>
#include <ostream>

#include "CliCommands.h"
#include "JsonWriter.h"
#include "MethodFile.h"
#include "MethodJson.h"

namespace velmora {

namespace {

constexpr const char* kMethodUsage = "method show FILE.mtd";
constexpr const char* kScriptUsage = "script show FILE.tvs";

int Usage(std::ostream& err, const char* command, const char* usage, const std::string& problem) {
  err << "velmora-cli " << command << ": " << problem << "; usage: " << usage << "\n";
  return 2;
}

int RunMethod(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.front() != "show") return Usage(err, "method", kMethodUsage, "missing show");
  if (args.size() != 2) return Usage(err, "method", kMethodUsage, "one method file expected");
  try {
    TMethod method;
    bool unread = false;
    if (!MethodFile::Read(args[1], method, &unread)) {
      err << "The file \"" << args[1] << "\" is not a method file.\n";
      return 1;
    }
    JsonWriter json;
    json.beginObject().field("File", args[1]).field("UnreadData", unread).key("Method");
    MethodJson::WriteMethod(json, method);
    json.endObject();
    out << json.str() << "\n";
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

int RunScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.front() != "show") return Usage(err, "script", kScriptUsage, "missing show");
  if (args.size() != 2) return Usage(err, "script", kScriptUsage, "one script file expected");
  try {
    bool unread = false;
    const std::optional<TWizSteps> script = TWizSteps::ReadFile(args[1], &unread);
    if (!script) {
      err << "The file \"" << args[1] << "\" is not a script file.\n";
      return 1;
    }
    JsonWriter json;
    json.beginObject().field("File", args[1]).field("UnreadData", unread).key("Script");
    MethodJson::WriteScript(json, *script);
    json.endObject();
    out << json.str() << "\n";
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

CliCommand MethodCommand() {
  return {"method", kMethodUsage,
          "A method file with every block: programs, cells, languages, calculation method, statistics and its "
          "script.",
          RunMethod};
}

CliCommand ScriptCommand() {
  return {"script", kScriptUsage, "A method script file, every command with its kind and data.", RunScript};
}

}  // namespace velmora
