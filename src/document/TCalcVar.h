#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora {

class BinaryReader;
class BinaryWriter;

// One variable of a user formula. Stored as 520 bytes: Name string[255]
// (256 bytes), Comment string[255] (256 bytes), Value as a double.
struct TCalcVar {
  static constexpr std::size_t kTextCapacity = 255;  // characters of Name and Comment
  static constexpr std::size_t kRecordSize = 520;

  std::string Name;     // compared without regard to letter case
  std::string Comment;  // free description, caption markup allowed
  double Value = 0.0;

  friend bool operator==(const TCalcVar&, const TCalcVar&) = default;
};

// The variable table of a calculator or of a custom method.
using TVarsArr = std::vector<TCalcVar>;

// Reads one 520-byte variable record field by field. Throws EFormatError
// when fewer than 520 bytes remain.
TCalcVar ReadCalcVar(BinaryReader& in);

// Writes one 520-byte variable record; unused string tails are zeros.
void WriteCalcVar(BinaryWriter& out, const TCalcVar& var);

}  // namespace velmora
