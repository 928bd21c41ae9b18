#include "AcquisitionDecoder.h"

#include <algorithm>

#include "DeviceProtocol.h"
#include "DeviceUnits.h"
#include "LinkFrame.h"
#include "Numbers.h"

namespace velmora {

namespace {
// Consumed bytes are moved out once this many have piled up.
constexpr std::size_t kCompactThreshold = 16384;
}  // namespace

void AcquisitionDecoder::SetContext(const Context& context) { context_ = context; }

void AcquisitionDecoder::BeginStep() {
  filterCount_ = 0;
  sampleCount_ = 0;
  dataBuf_.clear();
  prevFiltered_ = 0.0;
}

void AcquisitionDecoder::Clear() {
  BeginStep();
  bytes_.clear();
  readPos_ = 0;
}

int AcquisitionDecoder::RangeIndex(const ProgramStep& step) {
  const int range = std::clamp(step.ValuesRange(), 0, 4);
  return (step.Modulation() && step.TimeMode() != 5) ? range + 5 : range;
}

double AcquisitionDecoder::CalibratedCurrent(const ProgramStep& step, int deviceType,
                                             const TCalibrationBlock& calibration, int w, std::int32_t* rawCurrent) {
  const bool modulation = step.Modulation();
  const int r = modulation ? 5 : std::clamp(step.ValuesRange(), 0, 4);
  std::int64_t c = 0;
  if (deviceType != 0) {
    c = std::int64_t{w} - calibration.Zero[r];
  } else {
    c = 2048 - std::int64_t{w} - calibration.Zero[r];
    if (c < 0) c += 4;
  }
  if (modulation) {
    if (rawCurrent) *rawCurrent = static_cast<std::int32_t>(c);
    if (step.TimeMode() == 5) return static_cast<double>(c);
    return static_cast<double>(RoundHalfEven(calibration.Coeff[5] * static_cast<double>(c) / 32768.0));
  }
  return static_cast<double>(RoundHalfEven(calibration.Coeff[r] * static_cast<double>(c) / 32768.0));
}

void AcquisitionDecoder::BackwardPass(TRecPoints& points, int filter) {
  if (filter == 0 || points.empty()) return;
  const double f = filter;
  double p = points.back().Y;
  for (std::size_t i = points.size() - 1; i >= 2; --i) {
    points[i].Y = (f * p + points[i].Y) / (f + 1.0);
    p = points[i].Y;
  }
}

void AcquisitionDecoder::Compact() {
  if (readPos_ == 0) return;
  bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(readPos_));
  readPos_ = 0;
}

AcquisitionDecoder::Batch AcquisitionDecoder::Feed(std::span<const std::uint8_t> bytes, const EndHandler& onEnd) {
  Batch batch;
  if (bytes.empty()) return batch;
  if (readPos_ >= kCompactThreshold) Compact();
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  batch.Start = dataBuf_.size();

  const ProgramStep& step = context_.Step;
  const bool pointCountMode = ProgramStep::IsPointCountMode(step.TimeMode());
  const double factor = RangeFactor[static_cast<std::size_t>(RangeIndex(step))];
  const double rate = step.SweepRate();
  const int deviceType = context_.DeviceType;
  const int kDac = context_.Calibration.KDac;

  while (bytes_.size() - readPos_ >= 4) {
    const std::uint8_t* p = bytes_.data() + readPos_;
    const int w1 = LinkFrame::readInt16BE(p);
    const int w2 = LinkFrame::readInt16BE(p + 2);
    readPos_ += 4;
    ++sampleCount_;
    if (w2 == protocol::EndMarker) {
      BackwardPass(dataBuf_, inputFilter_);
      batch.EndSeen = true;
      if (onEnd) onEnd();
      dataBuf_.clear();
      filterCount_ = 0;
      sampleCount_ = 0;
      Compact();
      batch.Start = 0;
      continue;
    }
    double y = CalibratedCurrent(step, deviceType, context_.Calibration, w2, &lastRawCurrent_);
    // Forward filter: the first three samples of a voltammogram pass unchanged.
    if (filterCount_ > 2 && inputFilter_ != 0) {
      const double f = inputFilter_;
      y = (f * prevFiltered_ + y) / (f + 1.0);
    }
    prevFiltered_ = y;
    ++filterCount_;
    y *= factor;
    const double x = pointCountMode ? rate * w1 / 1000.0 : DeviceUnits::FromDeviceUnits(deviceType, kDac, w1);
    batch.AnySample = true;
    batch.LastX = x;
    // The first two samples of every voltammogram are discarded.
    if (sampleCount_ >= 3) dataBuf_.push_back({x, y});
  }
  return batch;
}

}  // namespace velmora
