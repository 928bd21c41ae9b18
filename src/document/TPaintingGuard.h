#pragma once

#include "TNodeForest.h"

namespace velmora {

// Suspends the forest's painting for a bulk operation and restores the
// previous state when the scope ends, also when the operation throws.
class TPaintingGuard {
 public:
  explicit TPaintingGuard(TNodeForest& forest) : forest_(forest), wasPainting_(forest.Painting != 0) {
    if (wasPainting_) forest_.SetPainting(false);
  }
  ~TPaintingGuard() {
    if (wasPainting_) forest_.SetPainting(true);
  }
  TPaintingGuard(const TPaintingGuard&) = delete;
  TPaintingGuard& operator=(const TPaintingGuard&) = delete;

 private:
  TNodeForest& forest_;
  bool wasPainting_;
};

}  // namespace velmora
