#pragma once

#include <cstdint>
#include <vector>

#include "IUndoRecorder.h"
#include "TNode.h"

namespace velmora {

class TNodeForest;

// "Tree auto creation": root nodes recorded one right after another form a
// group. A run starts at a node F; the following root nodes join it while
// their recording time lies at most D + 5 whole seconds from F's, D being
// F's recording duration.
class TreeAutoCreation {
 public:
  // Seconds a recording took: the stage times, the stirrer delay and the
  // sweep ((end - start) / rate, halves to even; no sweep time at rate 0).
  // A group lasts as long as its children together.
  static std::int64_t RecordingDuration(const TNode& node);
  // Whole seconds between two record dates (days), truncated.
  static std::int64_t SecondsBetween(double a, double b);
  // The runs of root nodes from the first, each in tree order.
  static std::vector<TNodesArr> Runs(const TNodeForest& forest);
  // Groups every run of two or more nodes (painting suspended); returns the
  // groups made.
  static TNodesArr Apply(TNodeForest& forest);
};

}  // namespace velmora
