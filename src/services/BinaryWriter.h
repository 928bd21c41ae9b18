#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// Little-endian writer appending to a growing byte buffer.
class BinaryWriter {
 public:
  const std::vector<std::uint8_t>& data() const { return data_; }
  std::vector<std::uint8_t> take() { return std::move(data_); }
  // Empties the buffer but keeps its memory, for writing in pieces.
  void clear() { data_.clear(); }
  std::size_t size() const { return data_.size(); }
  void reserve(std::size_t bytes) { data_.reserve(bytes); }

  void u8(std::uint8_t v) { data_.push_back(v); }
  void i8(std::int8_t v) { u8(static_cast<std::uint8_t>(v)); }
  void u16(std::uint16_t v);
  void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
  void u32(std::uint32_t v);
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void u64(std::uint64_t v);
  void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
  void f32(float v);
  void f64(double v);
  void boolean(bool v) { u8(v ? 1 : 0); }
  void u16be(std::uint16_t v);
  void i16be(std::int16_t v) { u16be(static_cast<std::uint16_t>(v)); }
  void bytes(std::span<const std::uint8_t> bytes);
  void zeros(std::size_t count) { data_.insert(data_.end(), count, 0); }

  // A string[N] field from UTF-8 text: the text is converted to
  // Windows-1251 ("?" for what it cannot hold) and cut to N bytes; the
  // unused tail is zero-filled.
  void shortString(std::string_view utf8, std::size_t capacity);

  // Overwrites four bytes at `offset` (used to patch chunk sizes).
  void patchI32(std::size_t offset, std::int32_t v);

 private:
  std::vector<std::uint8_t> data_;
};

}  // namespace velmora
