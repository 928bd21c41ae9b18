#pragma once

#include "IDisplayTransforms.h"

namespace velmora {

// The display transforms of the curve processing: a paired curve shows its
// own half of the pair's semi-integral, the semilogarithmic display shows
// log10|I| (a zero current keeps its value). The records use this one
// unless another is registered.
class TCurveDisplayTransforms : public IDisplayTransforms {
 public:
  static const TCurveDisplayTransforms& Instance();

  void SemiIntegral(const TArrayDataStruct& curve, const TDataArr& points, TDataArr& out) const override;
  void Semilog(const TArrayDataStruct& curve, const TDataArr& points, TDataArr& out) const override;
};

}  // namespace velmora
