#pragma once

#include "TDataPoint.h"

namespace velmora {

class TArrayDataStruct;

// The display transforms of the curve processing: the semi-integral of a
// curve pair and the semilogarithmic current. The curve processing code
// registers one implementation (TArrayDataStruct::SetDisplayTransforms);
// until then the display shows the raw points with their potential shift.
class IDisplayTransforms {
 public:
  virtual ~IDisplayTransforms() = default;
  // The semi-integral of `curve` (which has a Partner) from its raw points.
  virtual void SemiIntegral(const TArrayDataStruct& curve, const TDataArr& points, TDataArr& out) const = 0;
  // The semilogarithmic form of already shifted points.
  virtual void Semilog(const TArrayDataStruct& curve, const TDataArr& points, TDataArr& out) const = 0;
};

}  // namespace velmora
