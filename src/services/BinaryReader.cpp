#include "BinaryReader.h"

#include <bit>
#include <cstring>

#include "Cp1251.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {
[[noreturn]] void throwTruncated(const char* what, std::size_t pos, std::size_t need, std::size_t have) {
  throw EFormatError(Message(msg::DataTruncated, {what ? what : "a value", std::to_string(pos),
                                                   std::to_string(need), std::to_string(have)}));
}
}  // namespace

void BinaryReader::require(std::size_t count, const char* what) const {
  if (count > remaining()) throwTruncated(what, pos_, count, remaining());
}

void BinaryReader::requireElements(std::uint64_t count, std::size_t elementSize, const char* what) const {
  if (elementSize != 0 && count > remaining() / elementSize) {
    throw EFormatError(
        Message(msg::DataCountTooLarge, {what ? what : "a count", std::to_string(count), std::to_string(remaining())}));
  }
}

void BinaryReader::seek(std::size_t pos) {
  if (pos > data_.size()) throwTruncated("a position", pos_, pos, data_.size());
  pos_ = pos;
}

void BinaryReader::skip(std::size_t count) {
  require(count);
  pos_ += count;
}

std::uint8_t BinaryReader::u8() {
  require(1);
  return data_[pos_++];
}

std::uint16_t BinaryReader::u16() {
  require(2);
  std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::uint16_t BinaryReader::u16be() {
  require(2);
  std::uint16_t v = static_cast<std::uint16_t>((data_[pos_] << 8) | data_[pos_ + 1]);
  pos_ += 2;
  return v;
}

std::uint32_t BinaryReader::u32() {
  require(4);
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
  pos_ += 4;
  return v;
}

std::uint64_t BinaryReader::u64() {
  require(8);
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
  pos_ += 8;
  return v;
}

float BinaryReader::f32() { return std::bit_cast<float>(u32()); }

double BinaryReader::f64() { return std::bit_cast<double>(u64()); }

std::span<const std::uint8_t> BinaryReader::bytes(std::size_t count) {
  require(count);
  auto view = data_.subspan(pos_, count);
  pos_ += count;
  return view;
}

void BinaryReader::bytesInto(std::span<std::uint8_t> out) {
  auto view = bytes(out.size());
  if (!view.empty()) std::memcpy(out.data(), view.data(), view.size());
}

std::string BinaryReader::shortString(std::size_t capacity) {
  require(capacity + 1, "a text field");
  std::size_t length = data_[pos_];
  if (length > capacity) length = capacity;
  std::string text = Cp1251::toUtf8(data_.subspan(pos_ + 1, length));
  pos_ += capacity + 1;
  return text;
}

BinaryReader BinaryReader::sub(std::size_t count) {
  return BinaryReader(bytes(count));
}

}  // namespace velmora
