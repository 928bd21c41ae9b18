#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "AnalyzerEmulator.h"
#include "FrameAssembler.h"
#include "IClock.h"
#include "LinkFrame.h"

namespace velmora::test {

// A clock the test moves by hand.
class ManualClock final : public IClock {
 public:
  std::int64_t nowMs() const override { return now; }
  std::chrono::nanoseconds realDuration(std::int64_t ms) const override { return std::chrono::milliseconds(ms); }
  std::atomic<std::int64_t> now{0};
};

// Drives an emulator frame by frame on a hand-moved clock and collects the
// frames it sends.
class EmulatorHarness {
 public:
  using Bytes = std::vector<std::uint8_t>;

  explicit EmulatorHarness(AnalyzerEmulator::Config config = {}) : emulator(clock, std::move(config)) {
    emulator.setOutput([this](std::span<const std::uint8_t> chunk) {
      chunks.emplace_back(chunk.begin(), chunk.end());
      assembler.feed(chunk, [this](FrameAssembler::Result r, std::span<const std::uint8_t> f) {
        if (r == FrameAssembler::Result::Frame)
          frames.emplace_back(f.begin(), f.end());
        else
          ++badFrames;
      });
    });
  }
  // Sends raw bytes and returns the frames that came back at once.
  std::vector<Bytes> send(const Bytes& bytes) {
    frames.clear();
    emulator.receive(bytes);
    emulator.tick();
    return frames;
  }
  // Sends a command and returns its answer (the frame with its code; empty
  // when none came).
  Bytes command(std::uint8_t code, const Bytes& payload = {}) {
    for (const Bytes& f : send(LinkFrame::build(code, payload)))
      if (f[3] == code) return f;
    return {};
  }
  void advance(std::int64_t ms) {
    clock.now += ms;
    emulator.tick();
  }
  // The COM_WRITE_PARAM_ARRAY payload of a step at index 0.
  static Bytes stepPayload(const EmulatorStep& step) {
    Bytes payload{static_cast<std::uint8_t>(step.index)};
    for (auto w : step.encode()) {
      payload.push_back(static_cast<std::uint8_t>(w >> 8));
      payload.push_back(static_cast<std::uint8_t>(w & 0xFF));
    }
    payload.push_back(0);
    return payload;
  }

  ManualClock clock;
  AnalyzerEmulator emulator;
  FrameAssembler assembler;
  std::vector<Bytes> frames;
  std::vector<Bytes> chunks;
  int badFrames = 0;
};

}  // namespace velmora::test
