#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "THeaderManager.h"

namespace velmora {

class TReportRec;

// The saved reports: the record folder "Reports" of the data folder, one
// report file per header, titled with the report's Title.
class TReportStore {
 public:
  static constexpr const char* kFolderName = "Reports";
  // A report file larger than this is not a report.
  static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{1} << 30;

  // `folder` is the record folder itself (data folder / "Reports").
  explicit TReportStore(const std::filesystem::path& folder);
  ~TReportStore();
  TReportStore(const TReportStore&) = delete;
  TReportStore& operator=(const TReportStore&) = delete;

  // Every saved report in index order, as the folder's index lists it now
  // (other programs may save and remove reports too).
  std::vector<TBaseHeader> List();
  // Registers the report under its Title and writes its file atomically;
  // returns the file name. Throws EFormatError when the file or the index
  // cannot be written (nothing is registered then).
  std::string Save(TReportRec& report);
  // Reads a saved report into `report` (cleared first). Throws
  // EFormatError for a missing or damaged file.
  void Open(const std::string& fileName, TReportRec& report) const;
  // Deletes the report's header and file. Throws EFormatError when the
  // index cannot be written (the report stays).
  void Remove(const std::string& fileName);

  THeaderManager& Folder() { return *folder_; }

 private:
  std::unique_ptr<THeaderManager> folder_;
};

}  // namespace velmora
