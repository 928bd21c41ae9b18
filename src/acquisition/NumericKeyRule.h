#pragma once

#include <string_view>

namespace velmora {

// The characters the numeric edits of the record-parameters window take:
// digits, "." and "-" unless the field already holds a minus sign. Control
// keys (copy, paste, cut, undo, backspace) are the window's to let through.
class NumericKeyRule {
 public:
  static bool Accepts(char32_t ch, std::string_view currentText) {
    if (ch >= U'0' && ch <= U'9') return true;
    if (ch == U'.') return true;
    if (ch == U'-') return currentText.find('-') == std::string_view::npos;
    return false;
  }
};

}  // namespace velmora
