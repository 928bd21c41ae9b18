#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

#include "AcquisitionDecoder.h"
#include "DeviceProtocol.h"
#include "FrameAssembler.h"
#include "FuzzInput.h"
#include "IClock.h"
#include "LinkFrame.h"
#include "MessageSink.h"
#include "TTavrelDevice.h"

using namespace velmora;

namespace {

// Protocol time that costs no real time: the answers' pauses do not wait.
class InstantClock final : public IClock {
 public:
  std::int64_t nowMs() const override { return 0; }
  std::chrono::nanoseconds realDuration(std::int64_t) const override { return std::chrono::nanoseconds(0); }
};

}  // namespace

// Bytes from the analyzer's serial line, in chunks as the port hands them
// over: the link reads every answer it assembles, and the data answers go
// through the acquisition decoder of a running step, as in a recording.
//
// Input: 12 bytes of context (current range, modulation, time mode, device
// type, input filter, sweep rate, potential scale, the range's zero and
// gain, the chunk size), then the received bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Consumer in(data, size);
  AcquisitionDecoder::Context context;
  context.Step = ProgramStep::Default();
  context.Step.SetValuesRange(in.byte() % 8 - 1);
  context.Step.SetModulation(in.byte() & 1);
  context.Step.SetTimeMode(in.byte() % 8);
  context.DeviceType = in.byte() % 3;
  const int filter = in.byte() % 12;
  context.Step.SetSweepRate(in.byte() * 4 - 20);
  context.Calibration.KDac = in.i16();
  const std::int16_t zero = in.i16();
  const std::uint16_t gain = static_cast<std::uint16_t>(in.byte() << 8);
  for (auto& z : context.Calibration.Zero) z = zero;
  for (auto& c : context.Calibration.Coeff) c = gain;
  const std::size_t chunk = 1 + in.byte() % 64;

  AcquisitionDecoder decoder;
  decoder.SetContext(context);
  decoder.SetInputFilter(filter);
  decoder.BeginStep();
  std::size_t ends = 0;
  FrameAssembler assembler;
  const auto onFrame = [&](FrameAssembler::Result result, std::span<const std::uint8_t> frame) {
    if (result != FrameAssembler::Result::Frame || !LinkFrame::isValid(frame)) return;
    const std::size_t len = LinkFrame::lenOf(frame);
    // The data of a data answer: after the code and its count byte.
    if (frame[3] != protocol::COM_READ_DATA || len < 2) return;
    decoder.Feed(frame.subspan(5, len - 2), [&] { ++ends; });
  };

  NullMessageSink sink;
  InstantClock clock;
  TTavrelDevice device(sink, clock);
  const std::uint8_t* bytes = in.rest();
  for (std::size_t left = in.remaining(); left > 0;) {
    const std::size_t n = left < chunk ? left : chunk;
    const std::span<const std::uint8_t> piece(bytes, n);
    device.ReceiveBytes(piece);
    assembler.feed(piece, onFrame);
    bytes += n;
    left -= n;
  }
  (void)device.CalibrationBlock();
  (void)device.VersionText();
  (void)device.StatusAsText();
  // Whole pairs are decoded at once; less than one stays.
  if (decoder.UnreadBytes() > 3) __builtin_trap();
  return 0;
}
