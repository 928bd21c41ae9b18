#pragma once

namespace velmora {

class TNodeForest;

// Puts a forest that was read apart from the window (e.g. on another
// thread, where nothing else sees it) into the document forest in one step.
class ForestMerge {
 public:
  // Moves every node of `from` behind the last root node of `into`: the
  // nodes keep their order, states and records and take the next ids of
  // `into`; `from` is left empty. `into`'s painting is suspended meanwhile,
  // so what the reading marked (groups to recompute, nodes to draw) is done
  // once at the end. No undo step is recorded: this is a load, not an edit.
  static void AppendForest(TNodeForest& into, TNodeForest& from);
};

}  // namespace velmora
