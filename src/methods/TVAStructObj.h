#pragma once

#include <cstdint>

#include "TDataPoint.h"
#include "TUndoItem.h"

namespace velmora {

class TArrayDataStruct;

// A single curve's point change; the curve keeps the old points in its own history.
class TVAStructObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  TArrayDataStruct* Curve = nullptr;
  // Set when this item holds the points itself: a recorded item whose curve
  // had no history snapshot of them (undo then puts Points back), and every
  // twin (the redo puts Points back, whatever the curve's history became
  // through the multi-curve steps undone meanwhile).
  std::uint8_t OwnPoints = 0;
  TDataArr Points;

 protected:
  std::size_t OwnDataBytes() const override { return Points.capacity() * sizeof(TDataPoint); }
};

}  // namespace velmora
