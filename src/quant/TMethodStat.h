#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

class BinaryReader;
class BinaryWriter;

// One concentration range of an element: bounds in the record's units, the
// relative reproducibility and critical difference, the error in percent.
// Stored as a packed 36-byte record.
struct TStatRange {
  static constexpr std::size_t kSize = 36;
  double LowerBound = -1.0;
  double UpperBound = -1.0;
  double Reproducibility = -1.0;
  double CriticalDifference = -1.0;
  std::int32_t Delta = -1;

  friend bool operator==(const TStatRange&, const TStatRange&) = default;
};

struct TElementStatistics {
  std::string Name;  // the element (peak) name
  std::vector<TStatRange> Ranges;

  friend bool operator==(const TElementStatistics&, const TElementStatistics&) = default;
};

using TElementsStat = std::vector<TElementStatistics>;

// A statistics record: the metrological characteristics of an analysis
// method, element by element and range by range.
struct TMethodStat {
  std::string Name;
  std::string FileName;        // data file in the statistics folder; not streamed
  std::int32_t ResTop = 0;     // mass unit of the bounds (4..7), -1 unset
  std::int32_t ResBottom = 0;  // any unit 0..7, -1 unset
  std::int32_t CellConc = 0;   // 1: cell concentration; 0: sample
  TElementsStat Elements;

  // The statistics stream (also embedded in method files and scripts).
  static void Write(const TMethodStat& record, BinaryWriter& out);
  static std::vector<std::uint8_t> Bytes(const TMethodStat& record);
  // Reads blocks to the end of `in`; unknown tags are skipped. Throws
  // EFormatError for a damaged block.
  static TMethodStat Read(BinaryReader& in);
  static TMethodStat Read(std::span<const std::uint8_t> bytes);

  // The range that `value` (in base units: g/dm³ or g/g) falls in; see the
  // rules in the source.
  static TStatRange FindRange(const TMethodStat& statistics, const std::string& element, double value);

  friend bool operator==(const TMethodStat& a, const TMethodStat& b) {
    return a.Name == b.Name && a.ResTop == b.ResTop && a.ResBottom == b.ResBottom && a.CellConc == b.CellConc &&
           a.Elements == b.Elements;
  }
};

using TMethodStatArr = std::vector<TMethodStat>;

}  // namespace velmora
