#pragma once

#include <string>
#include "IUndoRecorder.h"
#include "TUndoItem.h"

namespace velmora {

// A peak renamed on several curves.
class TPeaksNamesObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  TVAStructs Curves;
  std::string OldName;
  std::string NewName;

 protected:
  std::size_t OwnDataBytes() const override {
    return Curves.size() * sizeof(void*) + OldName.capacity() + NewName.capacity();
  }
};

}  // namespace velmora
