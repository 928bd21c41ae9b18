#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "ProgramStep.h"
#include "TCalibrationBlock.h"

namespace velmora {

// One decoded data point: X the potential in mV (the time in s in the time
// modes 1..3), Y the current in µA.
struct TRecPoint {
  double X = 0.0;
  double Y = 0.0;
  friend bool operator==(const TRecPoint&, const TRecPoint&) = default;
};
using TRecPoints = std::vector<TRecPoint>;

// Turns the analyzer's data stream into voltammograms: the data bytes of
// every COM_READ_DATA answer are appended to a byte buffer, read as pairs of
// big-endian words (potential, current) and decoded with the calibration of
// the current range; a current word of 10000 ends one voltammogram.
//
// The byte buffer and the point buffer grow as needed, so a voltammogram of
// any length is kept whole; consumed bytes are dropped at every end marker
// and whenever they pile up.
class AcquisitionDecoder {
 public:
  // Current-range factors: index 0..4 the ranges "200 nA" .. "2 mA" without
  // modulation, 5..9 the same with modulation.
  static constexpr std::array<double, 10> RangeFactor = {0.0001,  0.001,  0.01,  0.1,  1,
                                                         0.00001, 0.0001, 0.001, 0.01, 0.1};

  // What decoding needs to know about the analyzer and the running step.
  struct Context {
    ProgramStep Step;
    int DeviceType = 1;
    TCalibrationBlock Calibration;
  };

  // Result of one Feed.
  struct Batch {
    std::size_t Start = 0;   // index in DataBuf of the first point of this batch
    bool EndSeen = false;    // an end marker was met (no live points then)
    bool AnySample = false;  // at least one sample was decoded
    double LastX = 0.0;      // X of the last decoded sample
  };

  // Called at each end marker, after the backward pass, while DataBuf still
  // holds the finished voltammogram. The decoder empties it afterwards.
  using EndHandler = std::function<void()>;

  void SetContext(const Context& context);
  const Context& GetContext() const { return context_; }
  void SetInputFilter(int filter) { inputFilter_ = filter; }
  int InputFilter() const { return inputFilter_; }

  // A new step begins: counters reset, points and unread bytes dropped.
  void BeginStep();
  // Forgets everything, the byte buffer included.
  void Clear();

  // Appends the data bytes of one answer and decodes every whole pair.
  Batch Feed(std::span<const std::uint8_t> bytes, const EndHandler& onEnd = {});

  const TRecPoints& DataBuf() const { return dataBuf_; }
  int SampleCount() const { return sampleCount_; }
  int FilterCount() const { return filterCount_; }
  std::int32_t LastRawCurrent() const { return lastRawCurrent_; }
  std::size_t UnreadBytes() const { return bytes_.size() - readPos_; }

  // The calibrated current of a raw word w with the step's range and the
  // analyzer's zero and gain (before the range factor). Also returns the
  // zero-corrected raw value of modulated readings in `rawCurrent`.
  static double CalibratedCurrent(const ProgramStep& step, int deviceType, const TCalibrationBlock& calibration, int w,
                                  std::int32_t* rawCurrent = nullptr);
  // Index into RangeFactor for the step.
  static int RangeIndex(const ProgramStep& step);
  // The backward smoothing pass over a finished voltammogram: from the last
  // point down to index 2, each Y := (F * p + Y) / (F + 1).
  static void BackwardPass(TRecPoints& points, int filter);

 private:
  void Compact();

  Context context_;
  int inputFilter_ = 0;
  std::vector<std::uint8_t> bytes_;
  std::size_t readPos_ = 0;
  TRecPoints dataBuf_;
  int sampleCount_ = 0;
  int filterCount_ = 0;
  double prevFiltered_ = 0.0;
  std::int32_t lastRawCurrent_ = 0;
};

}  // namespace velmora
