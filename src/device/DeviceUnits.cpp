#include "DeviceUnits.h"

#include <cmath>
#include <string>

#include "EDeviceError.h"
#include "Messages.h"
#include "Numbers.h"

namespace velmora {

namespace {

double scaleOf(int kDac) { return kDac == 0 ? 10000.0 : static_cast<double>(kDac); }

}  // namespace

std::int64_t DeviceUnits::ToDeviceUnits(int deviceType, int kDac, double v) {
  if (deviceType == 0) return RoundHalfEven(v);
  return RoundHalfEven(v * 10000.0 / scaleOf(kDac));
}

double DeviceUnits::FromDeviceUnits(int deviceType, int kDac, double w) {
  if (deviceType == 0) return w;
  return w / 10000.0 * scaleOf(kDac);
}

DeviceUnits::CalibrationReading DeviceUnits::CalibrationCurrent(int deviceType, const TCalibrationBlock& block, int v) {
  const int r = block.BenchRange >= 5 ? 5 : block.BenchRange;
  std::int32_t c = 0;
  if (deviceType != 0) {
    c = v - block.Zero[r];
  } else {
    c = 2048 - v - block.Zero[r];
    if (c < 0) c += 4;
  }
  CalibrationReading reading;
  reading.rawCurrent = c;
  reading.current = static_cast<double>(RoundHalfEven(static_cast<double>(block.Coeff[r]) * c / 32768.0));
  return reading;
}

std::uint16_t DeviceUnits::CalibrCoefficient(double potentialMv, double resistanceOhm, int range,
                                             std::int32_t lastRawCurrent) {
  if (resistanceOhm == 0.0 || lastRawCurrent == 0 || range < 0 || range >= static_cast<int>(CalibrationScale.size()))
    throw EDeviceError(Message(msg::CalibrDivisionByZero));
  const double k = std::fabs(potentialMv / resistanceOhm * CalibrationScale[range] / lastRawCurrent) * 32768.0;
  const std::int64_t rounded = RoundHalfEven(k);
  if (!std::isfinite(k) || rounded > 65535)
    throw EDeviceError(Message(msg::CalibrCoefficientTooLarge, {std::to_string(rounded)}));
  return static_cast<std::uint16_t>(rounded);
}

}  // namespace velmora
