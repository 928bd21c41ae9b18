#pragma once

#include <memory>
#include <vector>

namespace velmora {

// One point of a curve: X the potential in mV (or the time in s in the time
// modes), Y the current in µA. Stored as two doubles, 16 bytes.
struct TDataPoint {
  double X = 0.0;
  double Y = 0.0;
  friend bool operator==(const TDataPoint&, const TDataPoint&) = default;
};

// A curve's points.
using TDataArr = std::vector<TDataPoint>;

// Points kept unchanged for later (history snapshots, undo steps): shared,
// never copied, by whoever keeps the same state.
using TPointsRef = std::shared_ptr<const TDataArr>;

}  // namespace velmora
