#pragma once

#include <cstdint>
#include <string>

#include "TCalibrationCurves.h"
#include "TDataPoint.h"

namespace velmora {

// A stored calibration line in the units it was asked for: the standards
// (concentration, signal) and the line y = Intercept + Slope·C.
struct TCalibrationLine {
  TDataArr Points;
  double Intercept = 0.0;
  double Slope = 0.0;
  double R2 = 0.0;
};

// The calibrations database as the concentration calculation sees it.
class ICalibrationLookup {
 public:
  virtual ~ICalibrationLookup() = default;
  // The concentration that `signal` gives on the element's active
  // calibration, in the units asked for; -1 when the element has none.
  virtual double ConcentrationFromCalibration(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                              double signal) const = 0;
  // The standard uncertainty of that concentration, read as the mean of
  // `replicates` readings, in the same units; -1 when it cannot be given.
  virtual double CalibrationUncertainty(const std::string& /*name*/, std::int32_t /*unitTop*/,
                                        std::int32_t /*unitBottom*/, double /*signal*/, int /*replicates*/) const {
    return -1.0;
  }
  // The element's active calibration for drawing; false when it has none.
  virtual bool ActiveCalibration(const std::string& name, TCalibrationCurves& out) const = 0;
  // The stored line of the element's active calibration on the
  // concentration axis in unitTop/unitBottom, the line that
  // ConcentrationFromCalibration reads; false when there is none.
  virtual bool ActiveLine(const std::string& /*name*/, std::int32_t /*unitTop*/, std::int32_t /*unitBottom*/,
                          TCalibrationLine& /*out*/) const {
    return false;
  }
};

}  // namespace velmora
