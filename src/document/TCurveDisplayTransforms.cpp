#include "TCurveDisplayTransforms.h"

#include "CurveProcessing.h"
#include "TArrayDataStruct.h"

namespace velmora {

const TCurveDisplayTransforms& TCurveDisplayTransforms::Instance() {
  static const TCurveDisplayTransforms instance;
  return instance;
}

void TCurveDisplayTransforms::SemiIntegral(const TArrayDataStruct& curve, const TDataArr& points, TDataArr& out) const {
  const TArrayDataStruct* partner = curve.Partner;
  if (partner == nullptr || partner == &curve) {
    out = points;
    return;
  }
  // The first curve of the pair is the one with side 0.
  if (curve.PartnerSide == 0)
    out = SemiIntegrate(points, partner->Data).First;
  else
    out = SemiIntegrate(partner->Data, points).Second;
}

void TCurveDisplayTransforms::Semilog(const TArrayDataStruct& /*curve*/, const TDataArr& points, TDataArr& out) const {
  out = velmora::Semilog(points);
}

}  // namespace velmora
