#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora {

class BinaryReader;
class BinaryWriter;

// A predefined peak of a method script: the element it names and the
// potential window a found peak must lie in. Stored as a 292-byte packed
// record: Name string[255] | LeftBorder | MiddleBorder | RightBorder |
// AdditionConc (doubles) | CalcType int32.
struct TPredefPeak {
  static constexpr std::size_t kSize = 292;
  static constexpr std::size_t kNameCapacity = 255;

  std::string Name;           // element name, UTF-8 here
  double LeftBorder = 0.0;    // mV
  double MiddleBorder = 0.0;  // the first entry's value, rounded, is the search's invert flag
  double RightBorder = 0.0;   // mV
  double AdditionConc = 0.0;  // concentration of the standard added; 0 = unknown
  int CalcType = 0;           // index in the list of calculation types

  // Field by field, little-endian; ReadFrom throws EFormatError when fewer
  // than 292 bytes remain.
  void WriteTo(BinaryWriter& out) const;
  void ReadFrom(BinaryReader& in);

  friend bool operator==(const TPredefPeak&, const TPredefPeak&) = default;
};

using TPredefPeaks = std::vector<TPredefPeak>;

// The invert flag of a search driven by predefined peaks: the first entry's
// MiddleBorder rounded to the nearest integer (halves to even), 0 for none.
int PredefInvertFlag(const TPredefPeaks& peaks);

}  // namespace velmora
