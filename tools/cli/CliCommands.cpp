#include "CliCommands.h"

#include <ostream>

namespace velmora {

namespace {
constexpr int kUsageError = 2;

// "velmora-cli COMMAND ... --help" asks for that command's usage.
bool wantsHelp(const std::vector<std::string>& args) {
  for (std::size_t i = 1; i < args.size(); ++i)
    if (args[i] == "--help" || args[i] == "-h") return true;
  return false;
}

// Words of `text` in lines of at most `width` characters, each indented.
std::string wrapped(const std::string& text, std::size_t width, const std::string& indent) {
  std::string out, line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      out += indent + line + "\n";
      line.clear();
    }
    if (!word.empty()) line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  if (!line.empty()) out += indent + line + "\n";
  return out;
}
}  // namespace

std::string CliCommands::commandHelpText(const CliCommand& command) {
  return std::string("Usage: velmora-cli ") + command.usage + "\n\n" + wrapped(command.summary, 76, "  ") +
         "\nPrints one JSON object on standard output.\n"
         "Exit status: 0 success, 1 the input cannot be used, 2 usage error.\n";
}

// Commands defined in their own source files.
CliCommand DumpCommand();
CliCommand ConvertCommand();
CliCommand PeaksCommand();
CliCommand ProcessCommand();
CliCommand CalcCommand();
CliCommand RecordCommand();
CliCommand ExportCommand();
CliCommand CalibrationCommand();
CliCommand StatisticsCommand();
CliCommand MethodCommand();
CliCommand ScriptCommand();
CliCommand ReportCommand();
CliCommand ResultsCommand();
CliCommand UpdateCommand();

const std::vector<CliCommand>& CliCommands::all() {
  static const std::vector<CliCommand> commands = {
      // Commands register here as they arrive.
      DumpCommand(),   ConvertCommand(), PeaksCommand(),       ProcessCommand(),    CalcCommand(),
      RecordCommand(), ExportCommand(),  CalibrationCommand(), StatisticsCommand(), MethodCommand(),
      ScriptCommand(), ReportCommand(),  ResultsCommand(),     UpdateCommand(),
  };
  return commands;
}

std::string CliCommands::helpText() {
  std::string text =
      "velmora-cli: the headless face of the Velmora-VA workstation.\n"
      "\n"
      "Usage: velmora-cli COMMAND [ARGUMENTS]\n"
      "       velmora-cli --help | --version\n"
      "\n"
      "Every command prints one JSON object on standard output. Exit status: 0 success,\n"
      "1 the input cannot be used (one line on standard error), 2 usage error.\n";
  if (!all().empty()) {
    text += "\nCommands:\n";
    for (const CliCommand& c : all()) text += std::string("  ") + c.usage + "\n      " + c.summary + "\n";
  }
  return text;
}

int CliCommands::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << helpText();
    return kUsageError;
  }
  const std::string& name = args.front();
  if (name == "--help" || name == "-h" || name == "help") {
    out << helpText();
    return 0;
  }
  if (name == "--version") {
    out << "velmora-cli " << VELMORA_VERSION << "\n";
    return 0;
  }
  for (const CliCommand& c : all()) {
    if (name == c.name && wantsHelp(args)) {
      out << commandHelpText(c);
      return 0;
    }
    if (name == c.name) return c.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
  }
  err << "velmora-cli: unknown command '" << name << "'; see velmora-cli --help\n";
  return kUsageError;
}

}  // namespace velmora
