#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

// Little-endian reader over a memory buffer. Every read is bounds-checked:
// reading past the end throws EFormatError and never touches memory outside
// the buffer. The reader does not own the bytes.
class BinaryReader {
 public:
  BinaryReader() = default;
  explicit BinaryReader(std::span<const std::uint8_t> data) : data_(data) {}
  BinaryReader(const std::vector<std::uint8_t>& data) : data_(data) {}  // NOLINT

  std::size_t pos() const { return pos_; }
  std::size_t size() const { return data_.size(); }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ >= data_.size(); }

  void seek(std::size_t pos);
  void skip(std::size_t count);

  std::uint8_t u8();
  std::int8_t i8() { return static_cast<std::int8_t>(u8()); }
  std::uint16_t u16();
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::uint32_t u32();
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
  std::uint64_t u64();
  std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
  float f32();
  double f64();
  bool boolean() { return u8() != 0; }

  // Big-endian words, as the analyzer sends them.
  std::uint16_t u16be();
  std::int16_t i16be() { return static_cast<std::int16_t>(u16be()); }

  // The next `count` bytes as a view into the buffer.
  std::span<const std::uint8_t> bytes(std::size_t count);
  void bytesInto(std::span<std::uint8_t> out);

  // A string[N] field: a length byte and N bytes of Windows-1251 text.
  // The length byte is clamped to N; the result is UTF-8.
  std::string shortString(std::size_t capacity);

  // A reader over the next `count` bytes; this reader moves past them.
  BinaryReader sub(std::size_t count);

  // Throws when fewer than `count` bytes remain. `what` names the data for
  // the error text.
  void require(std::size_t count, const char* what = nullptr) const;

  // Checks that `count` elements of `elementSize` bytes can still be read,
  // so that a damaged count never leads to a huge allocation.
  void requireElements(std::uint64_t count, std::size_t elementSize, const char* what = nullptr) const;

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

}  // namespace velmora
