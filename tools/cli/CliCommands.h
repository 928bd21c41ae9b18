#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

// The commands of velmora-cli. Each takes its arguments (after the command
// name), writes one JSON object to `out` on success and one line to `err`
// otherwise, and returns the exit status: 0 success, 1 unusable input,
// 2 usage error.
struct CliCommand {
  const char* name;
  const char* usage;  // e.g. "dump FILE [--semi-integral] [--semilog]"
  const char* summary;
  std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)> run;
};

class CliCommands {
 public:
  static const std::vector<CliCommand>& all();
  // Dispatches a whole command line (without the program name).
  static int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
  static std::string helpText();
  // "velmora-cli COMMAND --help": the command's usage and what it does.
  static std::string commandHelpText(const CliCommand& command);
};

}  // namespace velmora
