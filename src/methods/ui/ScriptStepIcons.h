#pragma once

#include <QIcon>
#include <cstdint>

namespace velmora {

// The icons of the script commands (tool bar and stage tree), drawn with
// the painter in the style of the main window's tool bar: a small picture of
// what the command sets (an hourglass for a wait, a beaker with electrodes
// for the cell, a calibration line for the calculation method, ...).
class ScriptStepIcons {
 public:
  static QIcon icon(std::uint32_t type);
};

}  // namespace velmora
