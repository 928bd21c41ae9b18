#include "ProgramSetStore.h"

#include "FormatError.h"

namespace velmora {

ProgramFiles::ProgramSet ProgramSetStore::Load(const std::filesystem::path& dataFolder) {
  ProgramFiles::ProgramSet result;
  result.Programs = TVAProgramsArray::Default();
  if (dataFolder.empty()) return result;
  try {
    auto set = ProgramFiles::ReadProgramSet(PathIn(dataFolder));
    if (set && !set->Programs.empty()) {
      result = std::move(*set);
      for (auto& p : result.Programs) {
        if (p.empty()) p.push_back(ProgramStep{});
      }
      if (result.Current < 0 || result.Current >= static_cast<std::int32_t>(result.Programs.size())) {
        result.Current = 0;
      }
    }
  } catch (const EFormatError&) {
    // A damaged file gives the default set; the next save replaces it.
  }
  return result;
}

void ProgramSetStore::Save(const std::filesystem::path& dataFolder, const TVAProgramsArray& programs,
                           std::int32_t current) {
  ProgramFiles::WriteProgramSet(PathIn(dataFolder), programs, current);
}

}  // namespace velmora
