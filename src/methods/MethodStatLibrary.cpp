#include "MethodStatLibrary.h"

#include "FormatError.h"
#include "Messages.h"
#include "MethodFile.h"
#include "TMethodsLibrary.h"

namespace velmora {

std::vector<TMethodStat> MethodStatLibrary::MethodStatistics() const {
  std::vector<TMethodStat> result;
  for (const TMethod& method : methods_) {
    if (method.Statistics.Elements.empty()) continue;
    const TLocalizedMethod* texts = method.Localization(languageId_);
    if (!texts) continue;
    TMethodStat record = method.Statistics;
    record.Name = texts->MethodName;
    record.FileName.clear();
    result.push_back(std::move(record));
  }
  return result;
}

bool MethodStatLibrary::UpdateMethodStatistics(const std::string& name, const TMethodStat& record, Message& problem) {
  // The working copy once as a stream; every script command gets its own
  // copy read back from it.
  const std::vector<std::uint8_t> stream = TMethodStat::Bytes(record);
  for (const std::filesystem::path& file : TMethodsLibrary::LibraryFiles(folder_)) {
    TMethod method;
    try {
      if (!MethodFile::Read(file, method)) throw EFormatError(Message(msg::ErrorOnMethodLoad));
    } catch (const EFormatError&) {
      problem = Message(msg::ErrorOnMethodLoad);
      return false;
    }
    const TLocalizedMethod* texts = method.Localization(languageId_);
    if (!texts || texts->MethodName != name) continue;
    method.Statistics = record;
    method.Statistics.FileName.clear();
    try {
      for (ValueRecord& step : method.Script) {
        if (step.Type != kStepStatistics || !step.Statistics) continue;
        if (KnownStatistics && !KnownStatistics(step.Statistics->Name)) continue;
        step.Statistics = TMethodStat::Read(stream);
      }
    } catch (const EFormatError&) {
      problem = Message(msg::ErrorOnMethodScriptCorrection);
      return false;
    }
    try {
      MethodFile::Write(file, method);
    } catch (const EFormatError& e) {
      problem = e.message();
      return false;
    }
  }
  return true;
}

}  // namespace velmora
