#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// The text of a rich-text (RTF) document, as the release notes are
// published: paragraphs become line breaks, "\'hh" bytes are read as
// Windows-1251 and "\uN" as Unicode; font, colour and style tables,
// pictures and other destinations are left out. Formatting is dropped.
// Bounded: nesting deeper than MaxDepth and documents larger than MaxBytes
// throw EFormatError; text that does not start with "{\rtf" is returned as
// it stands.
class RtfText {
 public:
  static constexpr std::size_t MaxBytes = 1024 * 1024;
  static constexpr int MaxDepth = 200;

  // UTF-8 text.
  static std::string ToPlainText(std::string_view rtf);
};

}  // namespace velmora
