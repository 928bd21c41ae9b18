#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Message.h"
#include "TMethodStat.h"

namespace velmora {

class IMethodStatLibrary;
class THeaderManager;

// The statistics database: the statistics of the library methods followed
// by the user's own records, one data file each in the record folder
// "Statistics" of the data folder.
class TStatDB {
 public:
  static constexpr const char* kFolderName = "Statistics";

  explicit TStatDB(const std::filesystem::path& folder);
  ~TStatDB();
  TStatDB(const TStatDB&) = delete;
  TStatDB& operator=(const TStatDB&) = delete;

  // The methods library whose statistics come first (not owned; may be null).
  void SetLibrary(IMethodStatLibrary* library) { library_ = library; }
  IMethodStatLibrary* Library() const { return library_; }

  // Empties the list, calls OnChange, adds the library methods' statistics
  // (a name already present is not added twice), then reads every record
  // of the folder in index order. Files that cannot be read are skipped and
  // returned, once each, with their names; a damaged index is reported
  // once and the data files it no longer lists are taken back.
  std::vector<Message> LoadAll();

  // Appends a copy with an empty FileName; nothing is written.
  void Add(const TMethodStat& record);
  // Appends a copy and stores it in the folder. Throws EFormatError when
  // the file or the folder's index cannot be written (the record is then
  // not kept).
  void AddAndSave(const TMethodStat& record);
  // The first record named exactly `name`, or -1.
  int IndexOfName(const std::string& name) const;
  // Removes the record, and its file when it has one. Throws EFormatError
  // when the folder's index cannot be written (the record stays).
  void Delete(std::size_t index);

  const TMethodStatArr& Records() const { return records_; }
  THeaderManager& Folder() { return *folder_; }

  std::function<void(TStatDB&)> OnChange;

 private:
  std::unique_ptr<THeaderManager> folder_;
  IMethodStatLibrary* library_ = nullptr;
  TMethodStatArr records_;
};

}  // namespace velmora
