#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

class BinaryReader;
class BinaryWriter;
class TArrayDataStruct;
class TVAStruct;

// The curve record stream: the payload of a node's record block in a
// document file, and the nested stream of each averaged column. A sequence
// of tagged blocks, the point-array level first, then the record level.
class VAStructStream {
 public:
  // Block tags of the record stream.
  enum Tag : std::int32_t {
    TagPoints = 16,
    TagNodeType = 17,
    TagDatabaseName = 18,
    TagOldParamsAndPeaks = 19,  // read only
    TagDateAndParams = 20,
    TagOldPeaks = 21,  // read only
    TagAveragedColumns = 22,
    TagOwnVolume = 23,
    TagPeaks279 = 24,  // read only
    TagPeaks = 25,
    TagResultUnits = 26,
    TagVolumes = 27,
    TagRecalcUnits = 28,
    TagVariables = 29,
    TagPeakGridValues = 30,
    TagPeakUnits = 31,
    TagStepExtra = 32,
    TagStirrer = 33,
    TagFilterValue = 34,
    TagCalculationMethod = 35,
    TagHasCustomMethod = 36,
    TagCustomMethod = 37,
    TagCalcCoefficients = 38,
    TagCalibrationType = 39,
    TagPeakCalcTypes = 40,
    TagXShift = 41,
    TagPeakBaselineTypes = 42,
    TagVisible = 43,
  };

  // Bytes of a peak image in the current peak block, and in the older one.
  static constexpr std::size_t kPeakImageSize = 287;
  static constexpr std::size_t kOldPeakImageSize = 279;
  // Averaged columns nest record streams; deeper nesting than this is damage.
  static constexpr int kMaxNesting = 8;
  // The fewest bytes a stored curve record takes in any file (its database
  // name block alone takes 264), while a record in memory takes about a
  // kilobyte. Readers that make a record per block allow one per this many
  // bytes of their input, so that a file of empty blocks cannot claim
  // memory far beyond its size.
  static constexpr std::size_t kMinRecordBytes = 256;
  // Throws EFormatError when `records` records cannot come from `bytes`
  // bytes of input.
  static void CheckRecordCount(std::size_t records, std::size_t bytes);

  // Writes the record's blocks. Points and potential shift are written only
  // for a leaf's record or a record without node: never for a group or an
  // averaged column.
  static void SaveToStream(const TVAStruct& record, BinaryWriter& out);

  // Reads a record stream to its end into a new record. Returns 1 when
  // blocks unknown to this version were skipped, else 0. Throws EFormatError
  // for damaged data; what was read before stays in the record.
  static int LoadFromStream(TVAStruct& record, BinaryReader& in, int nesting = 0);

  // The stirrer values as every reader sees them: a speed outside 0..2000
  // and a type outside 0..4 are unknown (-1).
  static std::int32_t NormalizedStirrerSpeed(std::int32_t speed);
  static std::int32_t NormalizedStirrerType(std::int32_t type);

 private:
  static bool ReadArrayLevel(TArrayDataStruct& record, BinaryReader& in);
  static int ReadRecordLevel(TVAStruct& record, BinaryReader& in, int nesting);
};

}  // namespace velmora
