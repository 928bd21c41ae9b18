#pragma once

#include <array>
#include <cstdint>

#include "TCalibrationBlock.h"

namespace velmora {

// Conversions between millivolts and the analyzer's units, the calibration
// current of a raw ADC reading and the "Calibr" coefficient. Rounding is to
// the nearest integer, halves to even.
class DeviceUnits {
 public:
  // Reference resistance offered for each current range, ohms.
  static constexpr std::array<std::int32_t, 6> DefaultBenchResistance = {10010000, 1001100, 100110, 9999, 1000, 1000};
  // Current per raw unit of each range relative to U / R in mV / ohm.
  static constexpr std::array<double, 6> CalibrationScale = {10000000, 1000000, 100000, 10000, 1000, 10000};

  // mV (or mV/s) to analyzer units: unchanged for device type 0, else
  // round(v * 10000 / KDac). A KDac of 0 (an analyzer never calibrated) is
  // taken as unity rather than dividing by zero.
  static std::int64_t ToDeviceUnits(int deviceType, int kDac, double v);
  // Analyzer units to mV: unchanged for device type 0, else w / 10000 * KDac.
  static double FromDeviceUnits(int deviceType, int kDac, double w);

  struct CalibrationReading {
    double current = 0.0;         // round(Coeff[r] * raw / 32768)
    std::int32_t rawCurrent = 0;  // the zero-corrected raw value
  };
  // The calibration current of an ADC reading `v` with the block's bench
  // range (range 5 for every range from 5 on).
  static CalibrationReading CalibrationCurrent(int deviceType, const TCalibrationBlock& block, int v);

  // The "Calibr" coefficient: round(|U / R * CalibrationScale[r] / c| * 32768).
  // Throws EDeviceError when R or c is 0, the range is unknown, or the
  // coefficient exceeds 65535.
  static std::uint16_t CalibrCoefficient(double potentialMv, double resistanceOhm, int range,
                                         std::int32_t lastRawCurrent);
};

}  // namespace velmora
