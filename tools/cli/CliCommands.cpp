#include "CliCommands.h"

#include <ostream>

namespace velmora {

namespace {
constexpr int kUsageError = 2;
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
CliCommand ReportCommand();

const std::vector<CliCommand>& CliCommands::all() {
  static const std::vector<CliCommand> commands = {
      // Commands register here as they arrive.
      DumpCommand(),   ConvertCommand(), PeaksCommand(),       ProcessCommand(),    CalcCommand(),
      RecordCommand(), ExportCommand(),  CalibrationCommand(), StatisticsCommand(),
      ReportCommand(),
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
    if (name == c.name) return c.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
  }
  err << "velmora-cli: unknown command '" << name << "'; see velmora-cli --help\n";
  return kUsageError;
}

}  // namespace velmora
