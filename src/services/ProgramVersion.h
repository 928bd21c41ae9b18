#pragma once

#include <string>

namespace velmora {

// The program's own version: its build date "yyyy.mm.dd", as the update
// check compares it with the catalogue and the About box shows it.
class ProgramVersion {
 public:
  static std::string BuildDate();
};

}  // namespace velmora
