#include "TCalibrationBlock.h"

#include <utility>

#include "BinaryReader.h"
#include "BinaryWriter.h"

namespace velmora {

namespace {

void swapExchangedBytes(std::uint8_t* image) {
  std::swap(image[4], image[5]);
  std::swap(image[30], image[31]);
}

}  // namespace

TCalibrationBlock::Bytes TCalibrationBlock::toBytes() const {
  BinaryWriter w;
  w.reserve(Size);
  w.i16(DacAdc);
  w.i16(Dac2);
  w.u8(Coarse);
  w.u8(Precise);
  for (auto z : Zero) w.i16(z);
  for (auto c : Coeff) w.u16(c);
  w.u8(Gain);
  w.u8(Offset);
  w.i16(KDac);
  w.i32(BenchPotential);
  w.i32(LastRawCurrent);
  w.i32(BenchResistance);
  w.u8(BenchRange);
  Bytes out{};
  const auto& data = w.data();
  for (std::size_t i = 0; i < Size && i < data.size(); ++i) out[i] = data[i];
  return out;
}

TCalibrationBlock TCalibrationBlock::fromBytes(std::span<const std::uint8_t, Size> bytes) {
  BinaryReader r{std::span<const std::uint8_t>(bytes)};
  TCalibrationBlock b;
  b.DacAdc = r.i16();
  b.Dac2 = r.i16();
  b.Coarse = r.u8();
  b.Precise = r.u8();
  for (auto& z : b.Zero) z = r.i16();
  for (auto& c : b.Coeff) c = r.u16();
  b.Gain = r.u8();
  b.Offset = r.u8();
  b.KDac = r.i16();
  b.BenchPotential = r.i32();
  b.LastRawCurrent = r.i32();
  b.BenchResistance = r.i32();
  b.BenchRange = r.u8();
  return b;
}

TCalibrationBlock::Image TCalibrationBlock::toImage() const {
  const Bytes all = toBytes();
  Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = all[i];
  swapExchangedBytes(image.data());
  return image;
}

void TCalibrationBlock::assignImage(std::span<const std::uint8_t, protocol::EepromImageSize> image) {
  Bytes all = toBytes();
  for (std::size_t i = 0; i < image.size(); ++i) all[i] = image[i];
  swapExchangedBytes(all.data());
  *this = fromBytes(all);
}

}  // namespace velmora
