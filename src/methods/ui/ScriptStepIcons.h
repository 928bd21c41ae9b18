#pragma once

#include <QIcon>
#include <cstdint>

namespace velmora {

// The icons of the script commands (tool bar and stage tree), drawn with
// the painter: a rounded badge in the colour of the command's group with a
// short mark. Groups: the flow of the wizard, the cell, the calculation,
// the programs and the simulation.
class ScriptStepIcons {
 public:
  static QIcon icon(std::uint32_t type);
};

}  // namespace velmora
