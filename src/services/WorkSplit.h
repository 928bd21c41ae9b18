#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

namespace velmora {

// Work that splits into independent items (one per curve, one per file) run
// on the machine's cores: the calling thread and up to Threads() - 1 helper
// threads take the items in index order, one at a time. Each item writes
// only its own result, so the results are those of the serial loop, item
// for item.
class WorkSplit {
 public:
  // How many threads share the work: the cores of the machine (at least 1,
  // at most 8); VELMORA_THREADS in the environment overrides it (1 runs
  // everything on the calling thread).
  static unsigned Threads();

  // Runs body(i) for every i in [0, count). The first exception thrown by
  // an item stops the handing out of further items and is rethrown once
  // every thread has finished its current item. When `cancel` is given and
  // becomes true, no further item starts. `threads` 0 means Threads().
  static void ForEach(std::size_t count, const std::function<void(std::size_t)>& body,
                      const std::atomic<bool>* cancel = nullptr, unsigned threads = 0);
};

}  // namespace velmora
