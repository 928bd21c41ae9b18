#include "TPeakRecord.h"

#include <algorithm>

#include "BinaryReader.h"
#include "BinaryWriter.h"

namespace velmora {

namespace {

void WriteImage(BinaryWriter& w, const TPeakRecord& p) {
  w.shortString(p.Name, TPeakRecord::kNameCapacity);
  w.i32(p.BeginIndex);
  w.i32(p.Reserved260);
  w.i32(p.EndIndex);
  w.f64(p.PeakValue);
  w.u8(p.ValueValid);
  w.u8(p.ChosenLine);
  w.u8(p.Reserved278);
  w.f64(p.AdditionConc);
  w.i32(p.MarkIndex1);
  w.i32(p.MarkIndex2);
  w.f64(p.GridValue);
  w.i32(p.UnitTop);
  w.i32(p.UnitBottom);
  for (double c : p.BaseCoef) w.f64(c);
  for (double c : p.RightLineCoef) w.f64(c);
  w.f64(p.MarkY1);
  w.f64(p.MarkY2);
  w.f64(p.MarkX1);
  w.f64(p.MarkX2);
  w.u32(p.LinSeriesSlot);
  w.i32(p.CalcType);
  w.i32(p.BaselineType);
}

void ReadImage(BinaryReader& r, TPeakRecord& p) {
  p.Name = r.shortString(TPeakRecord::kNameCapacity);
  p.BeginIndex = r.i32();
  p.Reserved260 = r.i32();
  p.EndIndex = r.i32();
  p.PeakValue = r.f64();
  p.ValueValid = r.u8();
  p.ChosenLine = r.u8();
  p.Reserved278 = r.u8();
  p.AdditionConc = r.f64();
  p.MarkIndex1 = r.i32();
  p.MarkIndex2 = r.i32();
  p.GridValue = r.f64();
  p.UnitTop = r.i32();
  p.UnitBottom = r.i32();
  for (double& c : p.BaseCoef) c = r.f64();
  for (double& c : p.RightLineCoef) c = r.f64();
  p.MarkY1 = r.f64();
  p.MarkY2 = r.f64();
  p.MarkX1 = r.f64();
  p.MarkX2 = r.f64();
  p.LinSeriesSlot = r.u32();
  p.CalcType = r.i32();
  p.BaselineType = r.i32();
}

}  // namespace

void TPeakRecord::WriteTo(BinaryWriter& out, std::size_t size) const {
  BinaryWriter image;
  image.reserve(kSize);
  WriteImage(image, *this);
  const std::size_t n = std::min(size, kSize);
  out.bytes(std::span<const std::uint8_t>(image.data().data(), n));
}

void TPeakRecord::ReadFrom(BinaryReader& in, std::size_t size) {
  in.require(size, "peak");
  const std::size_t n = std::min(size, kSize);
  // The stored prefix overlays the current image, so the fields it does not
  // reach keep their values.
  BinaryWriter current;
  WriteImage(current, *this);
  std::vector<std::uint8_t> image = current.take();
  in.bytesInto(std::span<std::uint8_t>(image.data(), n));
  in.skip(size - n);
  BinaryReader r(image);
  ReadImage(r, *this);
}

TPeakRecord TPeakRecord::Zero() {
  TPeakRecord p;
  p.UnitTop = 0;
  p.UnitBottom = 0;
  return p;
}

}  // namespace velmora
