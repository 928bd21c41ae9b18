#pragma once

#include <cstdint>
#include <vector>

#include "IUndoRecorder.h"
#include "TDataPoint.h"

namespace velmora {

class TArrayDataStruct;
class TNode;
class TNodeForest;

// The arithmetic side of the subtraction window: the subtrahend a window
// proposes, the preview of a difference, Apply (every given curve minus
// the subtrahend, one undo step) and the copies of "Create new".
class TSubtraction {
 public:
  // The first curve whose measurement type is 0 (supporting electrolyte),
  // else the first curve; -1 without curves.
  static int DefaultSubtrahend(const std::vector<TArrayDataStruct*>& curves);
  // The points of `minuend` minus those of `subtrahend`.
  static TDataArr Preview(const TArrayDataStruct& minuend, const TArrayDataStruct& subtrahend);
  // Subtracts a copy of the subtrahend's points (taken first) from every
  // curve, in order, as one "Data change" step; the subtrahend itself, when
  // among the curves, becomes zero. Returns false without a subtrahend.
  static bool Apply(const std::vector<TArrayDataStruct*>& curves, const TArrayDataStruct* subtrahend,
                    IUndoRecorder& undo);
  // Copies `selection` (in its order) for "Create new": a node "Subtraction
  // result" after the last root node; one selected node is copied below it,
  // several are read after it in the places their blocks give. The copies
  // are recorded as one "Paste data" step and the new node is selected.
  // Returns the new node.
  static TNode* CreateCopies(TNodeForest& forest, const TNodesArr& selection);

  static constexpr const char* kResultName = "Subtraction result";
  static constexpr const char* kTempName = "temp node";
};

}  // namespace velmora
