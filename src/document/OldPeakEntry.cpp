#include "OldPeakEntry.h"

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "TPeakRecord.h"

namespace velmora {

OldPeakEntry OldPeakEntry::Read(BinaryReader& in) {
  in.require(kSize, "an old peak entry");
  OldPeakEntry e;
  e.Name = in.shortString(kNameCapacity);
  e.BeginIndex = in.i32();
  e.Reserved260 = in.i32();
  e.EndIndex = in.i32();
  e.PeakValue = in.f64();
  in.skip(3);
  return e;
}

void OldPeakEntry::Write(BinaryWriter& out) const {
  out.shortString(Name, kNameCapacity);
  out.i32(BeginIndex);
  out.i32(Reserved260);
  out.i32(EndIndex);
  out.f64(PeakValue);
  out.zeros(3);
}

TPeakRecord OldPeakEntry::ToPeak(std::int32_t calcType) const {
  TPeakRecord p = TPeakRecord::Zero();
  p.Name = Name;
  p.BeginIndex = BeginIndex;
  p.Reserved260 = Reserved260;
  p.EndIndex = EndIndex;
  p.PeakValue = PeakValue;
  p.ValueValid = 0;
  p.AdditionConc = 0.0;
  p.UnitTop = -1;
  p.UnitBottom = -1;
  p.CalcType = calcType;
  return p;
}

OldPeakEntry OldPeakEntry::FromPeak(const TPeakRecord& peak) {
  OldPeakEntry e;
  e.Name = peak.Name;
  e.BeginIndex = peak.BeginIndex;
  e.Reserved260 = peak.Reserved260;
  e.EndIndex = peak.EndIndex;
  e.PeakValue = peak.PeakValue;
  return e;
}

}  // namespace velmora
