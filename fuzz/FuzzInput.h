#pragma once

// Helpers of the fuzz targets that take several parts from one input.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora::fuzz {

// The parts of an input between occurrences of `separator` (a text no real
// file holds, so that seeds are real files joined by it).
inline std::vector<std::string_view> Split(std::string_view input, std::string_view separator) {
  std::vector<std::string_view> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = input.find(separator, from);
    if (at == std::string_view::npos) {
      parts.push_back(input.substr(from));
      return parts;
    }
    parts.push_back(input.substr(from, at - from));
    from = at + separator.size();
  }
}

// Takes values from the front of an input; zeros when it runs out.
class Consumer {
 public:
  Consumer(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::int32_t i32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t{byte()} << (8 * i);
    return static_cast<std::int32_t>(v);
  }
  std::int16_t i16() { return static_cast<std::int16_t>(byte() | (byte() << 8)); }
  const std::uint8_t* rest() const { return data_ + pos_; }
  std::size_t remaining() const { return size_ - pos_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace velmora::fuzz
