#pragma once

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
};

}  // namespace velmora
