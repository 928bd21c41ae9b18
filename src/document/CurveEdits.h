#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

class TArrayDataStruct;

// A point edit of many curves at once (smoothing, inversion). Every curve's
// new points are computed from its current ones on all the machine's cores,
// each curve on its own, so the results are those of the one-by-one loop;
// they are then put in place in the curves' order through SetData, on the
// calling thread, so the history, the undo step and the repaints are the
// loop's too.
class CurveEdits {
 public:
  using Edit = std::function<TDataArr(const TDataArr&)>;

  // The new points of every input, in order; nothing when `cancel` became
  // true first. `done` counts the curves finished.
  static std::optional<std::vector<TDataArr>> Compute(const std::vector<const TDataArr*>& inputs, const Edit& edit,
                                                      const std::atomic<bool>* cancel = nullptr,
                                                      std::atomic<std::size_t>* done = nullptr);

  // Puts `results[i]` into `curves[i]` with SetData, in order.
  static void Put(const std::vector<TArrayDataStruct*>& curves, std::vector<TDataArr>&& results);

  // Compute from the curves' points, then Put.
  static void Apply(const std::vector<TArrayDataStruct*>& curves, const Edit& edit);
};

}  // namespace velmora
