#include "TStatDB.h"

#include <algorithm>

#include "FileIo.h"
#include "FormatError.h"
#include "IMethodStatLibrary.h"
#include "THeaderManager.h"

namespace velmora {

TStatDB::TStatDB(const std::filesystem::path& folder) : folder_(std::make_unique<THeaderManager>(folder)) {}

TStatDB::~TStatDB() = default;

std::vector<Message> TStatDB::LoadAll() {
  std::vector<Message> problems;
  folder_->Reload();
  records_.clear();
  if (OnChange) OnChange(*this);
  if (Message damage = folder_->TakeIndexProblem(); *damage.text) {
    problems.push_back(damage);
    // The records the damaged index lost lie in the folder still: each
    // names itself, so it can be registered again.
    for (const std::string& orphan : folder_->Orphans()) {
      try {
        const TMethodStat record = TMethodStat::Read(FileIo::readAll(orphan, std::uintmax_t{1} << 26));
        folder_->Adopt(record.Name, orphan, 0.0);
      } catch (const EFormatError&) {
        // Not a statistics file: left alone.
      }
    }
  }
  TMethodStatArr saved;
  folder_->LoadAll(
      [&saved](const TBaseHeader& header, const std::vector<std::uint8_t>& bytes) {
        TMethodStat record = TMethodStat::Read(bytes);
        record.FileName = header.FileName;
        saved.push_back(std::move(record));
      },
      problems);
  // The library methods' statistics come first; a name the user has saved
  // a record under is shown once, as the saved record.
  if (library_) {
    for (const TMethodStat& record : library_->MethodStatistics()) {
      if (record.Elements.empty() || IndexOfName(record.Name) >= 0) continue;
      const bool savedToo =
          std::any_of(saved.begin(), saved.end(), [&](const TMethodStat& s) { return s.Name == record.Name; });
      if (!savedToo) Add(record);
    }
  }
  for (TMethodStat& record : saved) records_.push_back(std::move(record));
  return problems;
}

void TStatDB::Add(const TMethodStat& record) {
  records_.push_back(record);
  records_.back().FileName.clear();
}

void TStatDB::AddAndSave(const TMethodStat& record) {
  const std::string fileName = folder_->Add(record.Name, {}, TMethodStat::Bytes(record));
  Add(record);
  records_.back().FileName = fileName;
}

int TStatDB::IndexOfName(const std::string& name) const {
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (records_[i].Name == name) return static_cast<int>(i);
  return -1;
}

void TStatDB::Delete(std::size_t index) {
  if (index >= records_.size()) return;
  if (!records_[index].FileName.empty()) folder_->Delete(records_[index].FileName);
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace velmora
