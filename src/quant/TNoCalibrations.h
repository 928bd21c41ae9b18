#pragma once

#include "ICalibrationLookup.h"

namespace velmora {

// An empty calibrations database: every element answers "none".
class TNoCalibrations final : public ICalibrationLookup {
 public:
  double ConcentrationFromCalibration(const std::string&, std::int32_t, std::int32_t, double) const override {
    return -1.0;
  }
  bool ActiveCalibration(const std::string&, TCalibrationCurves&) const override { return false; }

  static const TNoCalibrations& Instance() {
    static const TNoCalibrations none;
    return none;
  }
};

}  // namespace velmora
