#include "TMethodStatLibrary.h"

#include <exception>

#include "Messages.h"
#include "MethodFile.h"
#include "TMethodsLibrary.h"

namespace velmora {

std::vector<TMethodStat> TMethodStatLibrary::MethodStatistics() const {
  std::vector<TMethodStat> out;
  const std::int32_t language = languageId_ ? languageId_() : kLanguageEnglish;
  for (const TMethod& method : library_.Methods()) {
    if (method.Statistics.Elements.empty()) continue;
    const TLocalizedMethod* entry = method.Localization(language);
    if (entry == nullptr) continue;
    TMethodStat copy = method.Statistics;
    copy.Name = entry->MethodName;
    copy.FileName.clear();
    out.push_back(std::move(copy));
  }
  return out;
}

bool TMethodStatLibrary::UpdateMethodStatistics(const std::string& name, const TMethodStat& record, Message& problem) {
  const std::int32_t language = languageId_ ? languageId_() : kLanguageEnglish;
  for (const std::filesystem::path& file : TMethodsLibrary::LibraryFiles(library_.LibraryFolderPath())) {
    TMethod method;
    try {
      if (!MethodFile::Read(file, method)) continue;
    } catch (const std::exception&) {
      problem = Message(msg::ErrorOnMethodLoad);
      return false;
    }
    const TLocalizedMethod* entry = method.Localization(language);
    if (entry == nullptr || entry->MethodName != name) continue;
    try {
      // Each command gets a copy read back from the stream, as the file
      // would give it.
      const TMethodStat fresh = TMethodStat::Read(TMethodStat::Bytes(record));
      method.Statistics = fresh;
      for (ValueRecord& step : method.Script) {
        if (step.Type != kStepStatistics || !step.Statistics) continue;
        const bool known = KnownName ? KnownName(step.Statistics->Name) : step.Statistics->Name == name;
        if (known) step.Statistics = fresh;
      }
    } catch (const std::exception&) {
      problem = Message(msg::ErrorOnMethodScriptCorrection);
      return false;
    }
    try {
      MethodFile::Write(file, method);
    } catch (const std::exception& e) {
      problem = Message(msg::MethodUnreadable, {file.filename().string(), e.what()});
      return false;
    }
  }
  return true;
}

}  // namespace velmora
