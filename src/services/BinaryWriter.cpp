#include "BinaryWriter.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "Cp1251.h"

namespace velmora {

void BinaryWriter::u16(std::uint16_t v) {
  data_.push_back(static_cast<std::uint8_t>(v));
  data_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void BinaryWriter::u16be(std::uint16_t v) {
  data_.push_back(static_cast<std::uint8_t>(v >> 8));
  data_.push_back(static_cast<std::uint8_t>(v));
}

void BinaryWriter::u32(std::uint32_t v) {
  const std::size_t at = data_.size();
  data_.resize(at + 4);
  std::uint8_t* p = data_.data() + at;
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void BinaryWriter::u64(std::uint64_t v) {
  const std::size_t at = data_.size();
  data_.resize(at + 8);
  std::uint8_t* p = data_.data() + at;
  for (int i = 0; i < 8; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void BinaryWriter::f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }

void BinaryWriter::f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }

void BinaryWriter::bytes(std::span<const std::uint8_t> bytes) { data_.insert(data_.end(), bytes.begin(), bytes.end()); }

void BinaryWriter::shortString(std::string_view utf8, std::size_t capacity) {
  std::vector<std::uint8_t> encoded = Cp1251::fromUtf8(utf8);
  std::size_t length = std::min({encoded.size(), capacity, std::size_t{255}});
  u8(static_cast<std::uint8_t>(length));
  data_.insert(data_.end(), encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(length));
  zeros(capacity - length);
}

void BinaryWriter::patchI32(std::size_t offset, std::int32_t v) {
  if (offset + 4 > data_.size()) throw std::out_of_range("BinaryWriter::patchI32 outside the buffer");
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) data_[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
}

}  // namespace velmora
