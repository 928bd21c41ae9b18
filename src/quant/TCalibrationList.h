#pragma once

#include <vector>

#include "ICalibrationLookup.h"
#include "TSingleCalibration.h"

namespace velmora {

// Calibrations kept with a result (a report experiment read "By
// calibration"), each the active one of its element: the calculation reads
// them as it reads the calibrations database.
class TCalibrationList final : public ICalibrationLookup {
 public:
  explicit TCalibrationList(std::vector<TSingleCalibration> calibrations) : calibrations_(std::move(calibrations)) {}

  double ConcentrationFromCalibration(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                      double signal) const override;
  double CalibrationUncertainty(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom, double signal,
                                int replicates) const override;
  bool ActiveCalibration(const std::string& name, TCalibrationCurves& out) const override;
  bool ActiveLine(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                  TCalibrationLine& out) const override;

 private:
  const TSingleCalibration* Find(const std::string& name) const;

  std::vector<TSingleCalibration> calibrations_;
};

}  // namespace velmora
