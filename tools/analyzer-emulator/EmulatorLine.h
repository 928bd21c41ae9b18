#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace velmora {

// The analyzer's transmit side of the serial line. Frames are queued with
// the protocol time at which the analyzer has them ready; they leave in
// the order queued, never overtaking each other. With pacing on, bytes
// leave at the line's rate (19200 baud, ten bits a byte), so a long answer
// reaches the other side as a stream of pieces; without it every frame
// leaves whole as soon as it is due.
class EmulatorLine {
 public:
  static constexpr int Baud = 19200;
  static constexpr int BitsPerByte = 10;  // start bit, 8 data bits, stop bit

  void setPaced(bool paced) { paced_ = paced; }
  bool paced() const { return paced_; }

  // Queues `frame`, ready at `dueMs` (not before the frame queued last).
  void send(std::vector<std::uint8_t> frame, std::int64_t dueMs);
  // The bytes that have left the analyzer by `nowMs`, in pieces.
  std::vector<std::vector<std::uint8_t>> release(std::int64_t nowMs);
  // Drops everything not yet sent (the analyzer restarts).
  void clear();
  bool idle() const { return queue_.empty(); }
  // Protocol milliseconds one byte takes on the line.
  static double byteMs() { return 1000.0 * BitsPerByte / Baud; }

 private:
  struct Pending {
    std::int64_t due;
    std::vector<std::uint8_t> frame;
  };
  std::deque<Pending> queue_;
  bool paced_ = false;
  // Paced transmission of the frame at the head of the queue.
  bool sending_ = false;
  double sendStartMs_ = 0.0;
  std::size_t sent_ = 0;
  double lineFreeMs_ = 0.0;
};

}  // namespace velmora
