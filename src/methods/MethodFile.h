#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "TCustomMethod.h"
#include "TMethod.h"

namespace velmora {

class BinaryReader;

// The method file (".mtd"): the header "TVXMv100", HideUnused as an int32,
// then tagged blocks in this order: 1 programs, 2 cells (size field 8,
// 8 bytes per cell follow), 8 calculation method, 11 custom equation (only
// for a custom calculation method), 9 supporting electrolyte, per language
// 3 id, 4 submenu, 5 title, 13 method name, 6 step comments and 7 cell
// descriptions (size field 8, 256 bytes per text follow), 10 custom
// programs flag, 12 statistics (only with elements), 14 script (only when
// not empty). The same format keeps the record-parameters window's
// settings in "VAProgram.sve".
class MethodFile {
 public:
  static constexpr const char* kTypeCode = "TVXM";
  static constexpr const char* kExtension = ".mtd";
  static constexpr const char* kSettingsFileName = "VAProgram.sve";

  enum Tag : std::int32_t {
    kTagPrograms = 1,
    kTagCells = 2,
    kTagLanguage = 3,
    kTagSubMenu = 4,
    kTagTitle = 5,
    kTagStepComments = 6,
    kTagCellDescriptions = 7,
    kTagCalcMethod = 8,
    kTagSupportingElectrolyte = 9,
    kTagCustomPrograms = 10,
    kTagCustomEquation = 11,
    kTagStatistics = 12,
    kTagMethodName = 13,
    kTagScript = 14,
  };

  // The file image. A custom calculation method (CalcMethod above 5) is
  // written with its equation taken from `customMethods`, or the method's
  // own CustomEquation when the list has no such entry; a method read with
  // an embedded equation (CalcMethod -1) writes that equation again.
  static std::vector<std::uint8_t> Encode(const TMethod& method, const TCustomMethodArr& customMethods = {});

  // Reads a file image into `method` (cleared first; FileName is left to
  // the caller). Returns false, leaving the method empty, when the type
  // code is not "TVXM". Throws EFormatError for another version ("Unknown
  // file format %s") and for damaged data: every size and count is checked
  // before it is used. `unreadData` is set when blocks of unknown tags were
  // skipped.
  static bool Decode(std::span<const std::uint8_t> bytes, TMethod& method, bool* unreadData = nullptr);

  // Reads a file; FileName becomes `file`. Fails as Decode does, and with
  // "Cannot open file" when the file cannot be read.
  static bool Read(const std::filesystem::path& file, TMethod& method, bool* unreadData = nullptr);
  // Writes a file atomically (the previous file survives a failure).
  static void Write(const std::filesystem::path& file, const TMethod& method,
                    const TCustomMethodArr& customMethods = {});

  // "VAProgram.sve" in the data folder: the record-parameters window's
  // settings. Reading returns false (method empty) when the file is
  // missing, foreign or damaged; writing reports failure by false. Neither
  // throws: the window ignores both.
  static bool ReadSettings(const std::filesystem::path& dataFolder, TMethod& method);
  static bool WriteSettings(const std::filesystem::path& dataFolder, const TMethod& method,
                            const TCustomMethodArr& customMethods = {});
};

}  // namespace velmora
