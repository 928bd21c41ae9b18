#include "TPredefPeak.h"

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "Numbers.h"

namespace velmora {

void TPredefPeak::WriteTo(BinaryWriter& out) const {
  out.shortString(Name, kNameCapacity);
  out.f64(LeftBorder);
  out.f64(MiddleBorder);
  out.f64(RightBorder);
  out.f64(AdditionConc);
  out.i32(CalcType);
}

void TPredefPeak::ReadFrom(BinaryReader& in) {
  in.require(kSize, "predefined peak");
  Name = in.shortString(kNameCapacity);
  LeftBorder = in.f64();
  MiddleBorder = in.f64();
  RightBorder = in.f64();
  AdditionConc = in.f64();
  CalcType = in.i32();
}

int PredefInvertFlag(const TPredefPeaks& peaks) {
  if (peaks.empty()) return 0;
  return static_cast<int>(RoundHalfEven(peaks.front().MiddleBorder));
}

}  // namespace velmora
