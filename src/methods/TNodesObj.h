#pragma once

#include "IUndoRecorder.h"
#include "TNodeObj.h"

namespace velmora {

// An undo step about several nodes (and, for grouping, the group in Node).
class TNodesObj : public TNodeObj {
 public:
  using TNodeObj::TNodeObj;

  TNodesArr Nodes;

 protected:
  std::size_t OwnDataBytes() const override { return Nodes.size() * sizeof(TNode*); }
};

}  // namespace velmora
