#pragma once

#include <vector>
#include "TUndoItem.h"

namespace velmora {

class TArrayDataStruct;

// The potential shifts of several curves.
class TXShiftObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  std::vector<TArrayDataStruct*> Curves;
  std::vector<double> Shifts;  // one per curve

 protected:
  std::size_t OwnDataBytes() const override { return Curves.size() * sizeof(void*) + Shifts.size() * sizeof(double); }
};

}  // namespace velmora
