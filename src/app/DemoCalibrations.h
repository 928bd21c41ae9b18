#pragma once

#include <vector>

#include "TSingleCalibration.h"

namespace velmora {

class CalibrationsHost;
class StatisticsHost;

// Fills the calibrations and statistics databases with examples for the
// screenshot tour: calibrations of Zn, Cd, Pb and Cu on standards recorded
// from the analyzer emulator's model on two days (titled as emulator
// standards), and a statistics record of a drinking-water method.
class DemoCalibrations {
 public:
  static void build(CalibrationsHost& calibrations, StatisticsHost& statistics);
  // The calibrations of Zn, Cd, Pb and Cu on three emulator standards (5,
  // 10 and 20 µg/dm³), built as the calculation builds them and owning
  // their standards' curves (for the print window's picture).
  static std::vector<TSingleCalibration> threeStandards(double stamp);
};

}  // namespace velmora
