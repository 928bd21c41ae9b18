#pragma once

#include <cstdint>
#include <filesystem>

#include "ProgramFiles.h"

namespace velmora {

// The program set the record-parameters window keeps between runs of the
// workstation: a ".vap" file in the data folder. "&Start record" reads the
// same file when the window has not stored its set another way.
class ProgramSetStore {
 public:
  static constexpr const char* FileName = "VAPrograms.vap";

  static std::filesystem::path PathIn(const std::filesystem::path& dataFolder) { return dataFolder / FileName; }
  // The stored set; the default set when the file is missing, of another
  // type or damaged (a damaged file is left in place for inspection).
  static ProgramFiles::ProgramSet Load(const std::filesystem::path& dataFolder);
  // Replaces the file atomically; throws EFormatError.
  static void Save(const std::filesystem::path& dataFolder, const TVAProgramsArray& programs, std::int32_t current);
};

}  // namespace velmora
