#include "FileHeader.h"

#include <charconv>

#include "Cp1251.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

void FileHeader::write(BinaryWriter& out, std::string_view typeCode) {
  out.u8(8);
  for (std::size_t i = 0; i < 4; ++i) out.u8(i < typeCode.size() ? static_cast<std::uint8_t>(typeCode[i]) : ' ');
  out.u8('v');
  out.u8('1');
  out.u8('0');
  out.u8('0');
}

bool FileHeader::read(BinaryReader& in, std::string_view typeCode) {
  in.require(Size, "the file header");
  auto raw = in.bytes(Size);
  std::size_t length = raw[0];
  if (length > Size - 1) length = Size - 1;
  std::string text(reinterpret_cast<const char*>(raw.data()) + 1, length);
  return check(text, typeCode);
}

bool FileHeader::check(std::string_view headerText, std::string_view typeCode) {
  if (headerText.size() < 4 || headerText.substr(0, 4) != typeCode) return false;
  std::string_view digits = headerText.size() > 5 ? headerText.substr(5, 3) : std::string_view{};
  const std::string shown = Cp1251::toUtf8(std::span(reinterpret_cast<const std::uint8_t*>(headerText.data()),
                                                     headerText.size()));
  int version = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), version);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
    const std::string shownDigits =
        Cp1251::toUtf8(std::span(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()));
    throw EFormatError(Message(msg::NotValidInteger, {shownDigits}));
  }
  if (version != Version) throw EFormatError(Message(msg::UnknownFileFormat, {shown}));
  return true;
}

}  // namespace velmora
