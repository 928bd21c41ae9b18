#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include "IUndoRecorder.h"
#include "TPeakRecord.h"
#include "TUndoItem.h"

namespace velmora {

// One named peak on several curves.
class TPeaksObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  TVAStructs Curves;
  TPeaks Peaks;  // one per curve: its peak of that name
  // One per curve: 0 when the curve had no peak of that name (undo then
  // removes the peak the edit added).
  std::vector<std::uint8_t> Present;
  std::string PeakName;

 protected:
  std::size_t OwnDataBytes() const override {
    return Curves.size() * sizeof(void*) + Peaks.size() * TPeakRecord::kSize + Present.size() + PeakName.capacity();
  }
};

}  // namespace velmora
