#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "TReportRec.h"

namespace velmora {

class TConcCalculation;

// The experiment that "Add to report" hands to the report: the current
// calculation's document, units, method, parameters, results and curves.
class TReportExperiment {
 public:
  // The active calibration of an element (an empty Name when none).
  using TCalibrationSource = std::function<TSingleCalibration(const std::string& element)>;

  // Whether a method's results are concentrations a report can hold: not
  // for the calibration-curve method, whose rows carry diffusion
  // coefficients or nothing.
  static bool GivesConcentrations(int method);

  // Whether the calculation can be added to `report`: its method gives
  // concentrations, some row has a sample result above 0, and either its
  // four units are set and the report is empty or shows results of the
  // same kind (volume or mass), or the method is a custom equation.
  static bool CanAdd(const TConcCalculation& calc, const TReportRec& report);
  // Why a calculation that CanAdd offers cannot go into `report` after all
  // (a catalogue message), or null: a custom equation whose result has no
  // unit of concentration would give a row of dashes, one whose unit is of
  // another kind (volume or mass) than the report's cannot be compared.
  static const char* Refusal(const TConcCalculation& calc, const TReportRec& report);
  // The units of the results in the sample: the calculation's, or for a
  // custom equation without them, the equation's own result units.
  static void SampleUnits(const TConcCalculation& calc, std::int32_t& top, std::int32_t& bottom);

  // The experiment of the calculation, or nothing when none of its curves
  // other than the blank is present. The curves are the calculation's own
  // (the report copies them). Rows with an addition concentration of 0 are
  // left out for the addition methods (0 to 3), which need one, and every
  // row of a method that gives no concentrations.
  static std::optional<TExpRec> FromCalculation(const TConcCalculation& calc, const std::string& documentPath,
                                                std::int32_t peakCalcType, const TCalibrationSource& calibrations = {});
};

}  // namespace velmora
