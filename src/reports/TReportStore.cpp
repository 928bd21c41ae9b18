#include "TReportStore.h"

#include "FileIo.h"
#include "FormatError.h"
#include "TReportRec.h"

namespace velmora {

TReportStore::TReportStore(const std::filesystem::path& folder) : folder_(std::make_unique<THeaderManager>(folder)) {}

TReportStore::~TReportStore() = default;

std::vector<TBaseHeader> TReportStore::List() {
  folder_->Reload();
  return folder_->List();
}

std::string TReportStore::Save(TReportRec& report) {
  const std::vector<std::uint8_t> bytes = report.Bytes();
  try {
    return folder_->Add(report.Title, {}, bytes);
  } catch (...) {
    report.Saved = false;
    throw;
  }
}

void TReportStore::Open(const std::string& fileName, TReportRec& report) const {
  const FileIo::Bytes bytes = FileIo::readBytes(fileName, kMaxFileSize);
  report.LoadFromBytes(bytes.span());
}

void TReportStore::Remove(const std::string& fileName) { folder_->Delete(fileName); }

}  // namespace velmora
