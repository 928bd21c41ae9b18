#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "TDataPoint.h"

namespace velmora {

class TNode;
class TNodeForest;

// The two-column text import: each line holds X and Y separated by tabs or
// spaces.
class TextImport {
 public:
  // Characters of a line that are read, and of X that are examined.
  static constexpr std::size_t kLineLength = 255;
  static constexpr std::size_t kXLength = 254;

  // One line: X is the text before the first tab or space; Y starts right
  // after that separator and ends before the next one, spaces removed, and
  // is extended to the following separator while it is empty. Both are
  // read with "." or with `decimalSeparator` (the system's). Throws EFormatError ("'%s' is not a valid
  // floating point value") when either is no number; a tab left in Y (two
  // tabs in a row) makes it fail.
  static TDataPoint ParseLine(std::string_view line, char decimalSeparator = '.');

  // Every line of a text; the first line that is no pair of numbers (an
  // empty one included) throws as ParseLine does.
  static TDataArr ParseText(std::string_view text, char decimalSeparator = '.');

  // The node name for a file: the file name up to its first "." (the whole
  // name when there is none within 255 characters).
  static std::string NodeName(const std::filesystem::path& file);

  // Appends a root node after the last root node for the file, dated with
  // the file's modification time, and sets its points. A line that is no
  // number ends the import with the error; the node stays, without points.
  static TNode* ImportText(TNodeForest& forest, const std::filesystem::path& file, char decimalSeparator = '.');
};

}  // namespace velmora
