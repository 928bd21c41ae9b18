#pragma once

#include "IUndoRecorder.h"
#include "TNodeObj.h"
#include "TNodePos.h"

namespace velmora {

// Nodes with the places they stood at: removed, grouped or pasted nodes.
class TNodesWithPosObj : public TNodeObj {
 public:
  using TNodeObj::TNodeObj;

  TNodesArr Nodes;
  TPosArr Positions;  // one per node: where InsertNode puts it back

 protected:
  std::size_t OwnDataBytes() const override {
    return Nodes.size() * sizeof(TNode*) + Positions.size() * sizeof(TNodePos);
  }
};

}  // namespace velmora
