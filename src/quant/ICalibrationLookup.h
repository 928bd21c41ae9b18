#pragma once

#include <cstdint>
#include <string>

#include "TCalibrationCurves.h"

namespace velmora {

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
};

}  // namespace velmora
