#pragma once

#include <vector>
#include "TDataPoint.h"
#include "TUndoItem.h"

namespace velmora {

class TArrayDataStruct;

// A point change of several curves with their whole point arrays.
class TDataMultiChangeObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  std::vector<TArrayDataStruct*> Curves;
  std::vector<TDataArr> Points;  // one per curve

 protected:
  std::size_t OwnDataBytes() const override {
    std::size_t n = Curves.size() * sizeof(void*);
    for (const TDataArr& p : Points) n += p.capacity() * sizeof(TDataPoint);
    return n;
  }
};

}  // namespace velmora
