#pragma once

#include <vector>
#include "IUndoRecorder.h"
#include "TPeakRecord.h"
#include "TUndoItem.h"

namespace velmora {

// The whole peak lists of several curves (new, removed or searched peaks).
class TAllPeaksObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  TVAStructs Curves;
  std::vector<TPeaks> PeakLists;  // one per curve

 protected:
  std::size_t OwnDataBytes() const override {
    std::size_t n = Curves.size() * sizeof(void*);
    for (const TPeaks& p : PeakLists) n += p.size() * TPeakRecord::kSize;
    return n;
  }
};

}  // namespace velmora
