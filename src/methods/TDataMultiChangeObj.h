#pragma once

#include <vector>
#include "TDataPoint.h"
#include "TUndoItem.h"

namespace velmora {

class TArrayDataStruct;

// A point change of several curves with their whole point arrays (shared
// with the curves' history snapshots of the same state).
class TDataMultiChangeObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  std::vector<TArrayDataStruct*> Curves;
  std::vector<TPointsRef> Points;  // one per curve

 protected:
  std::size_t OwnDataBytes() const override {
    std::size_t n = Curves.size() * sizeof(void*);
    for (const TPointsRef& p : Points) n += p ? p->capacity() * sizeof(TDataPoint) : 0;
    return n;
  }
};

}  // namespace velmora
