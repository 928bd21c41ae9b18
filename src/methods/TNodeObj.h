#pragma once

#include "TUndoItem.h"

namespace velmora {

class TNode;

// An undo step about one node (moving it; base of the node steps).
class TNodeObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  TNode* Node = nullptr;
};

}  // namespace velmora
