#pragma once

#include <vector>
#include "IUndoRecorder.h"
#include "TParamsAll.h"
#include "TUndoItem.h"

namespace velmora {

// The calculation parameters of several curves ("Parameters change").
class TParamsObj : public TUndoItem {
 public:
  using TUndoItem::TUndoItem;

  TVAStructs Curves;
  std::vector<TParamsAll> Params;  // one per curve

 protected:
  std::size_t OwnDataBytes() const override {
    std::size_t n = Curves.size() * sizeof(void*);
    for (const TParamsAll& p : Params)
      n += sizeof(p) + (p.Variables.size() + p.CustomMethod.Vars.size()) * TCalcVar::kRecordSize;
    return n;
  }
};

}  // namespace velmora
