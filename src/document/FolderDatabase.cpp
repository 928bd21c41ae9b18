#include "FolderDatabase.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <set>
#include <system_error>
#include <utility>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "DateTime.h"
#include "FileIo.h"
#include "FileLock.h"
#include "FormatError.h"
#include "MessageSink.h"
#include "Messages.h"
#include "Numbers.h"
#include "OldPeakEntry.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCurveExtension = ".dbd";
constexpr std::size_t kNameWidth = 8;

fs::path FolderOf(const fs::path& indexFile) {
  fs::path folder = indexFile.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

bool SameFolder(const fs::path& a, const fs::path& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return a.lexically_normal() == b.lexically_normal();
}

// The canonical curve file numbers in a folder.
std::set<std::int64_t> CurveNumbersIn(const fs::path& folder) {
  std::set<std::int64_t> numbers;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (const auto k = FolderDatabase::CanonicalCurveNumber(it->path().filename().string())) numbers.insert(*k);
  }
  return numbers;
}

double ModificationDate(const fs::path& file) {
  std::error_code ec;
  const auto stamp = fs::last_write_time(file, ec);
  if (ec) return DateTime::now();
  const auto sys = std::chrono::file_clock::to_sys(stamp);
  return DateTime::fromSystemClock(std::chrono::time_point_cast<std::chrono::system_clock::duration>(sys));
}

}  // namespace

std::string FolderDatabase::CurveFileName(std::int64_t k) {
  std::string digits = std::to_string(k);
  if (digits.size() < kNameWidth) digits.insert(0, kNameWidth - digits.size(), '_');
  return digits + kCurveExtension;
}

std::int64_t FolderDatabase::CurveNumber(const std::string& name) {
  std::string stem = name;
  const std::size_t dot = stem.rfind('.');
  if (dot != std::string::npos) stem.erase(dot);
  stem.erase(std::remove(stem.begin(), stem.end(), '_'), stem.end());
  const auto value = ParseInteger(stem);
  if (!value || stem.find_first_of(" \t") != std::string::npos)
    throw EFormatError(Message(msg::NotValidInteger, {stem}));
  return *value;
}

std::optional<std::int64_t> FolderDatabase::CanonicalCurveNumber(const std::string& name) {
  if (name.size() < kNameWidth + 4 || name.size() > 24) return std::nullopt;
  try {
    const std::int64_t k = CurveNumber(name);
    if (k < 0 || CurveFileName(k) != name) return std::nullopt;
    return k;
  } catch (const EFormatError&) {
    return std::nullopt;
  }
}

void FolderDatabase::ReadCurveFile(TVAStruct& record, const std::vector<std::uint8_t>& bytes) {
  BinaryReader in(bytes);
  record.Params.ReadFrom(in);
  in.require(OldPeakEntry::kSize * OldPeakEntry::kFixedCount, "the peak entries");
  TPeaks peaks;
  bool ended = false;
  for (int i = 0; i < OldPeakEntry::kFixedCount; ++i) {
    const OldPeakEntry e = OldPeakEntry::Read(in);
    if (ended) continue;
    if (e.Name.empty() || std::abs(std::int64_t{e.BeginIndex}) > kMaxPeakIndex ||
        std::abs(std::int64_t{e.EndIndex}) > kMaxPeakIndex) {
      ended = true;
      continue;
    }
    peaks.push_back(e.ToPeak(0));
  }
  record.Peaks = std::move(peaks);
  const std::int32_t n = in.i32();
  if (n < 0)
    throw EFormatError(
        Message(msg::DataCountTooLarge, {"the point count", std::to_string(n), std::to_string(in.remaining())}));
  in.requireElements(static_cast<std::uint64_t>(n), 16, "the point count");
  TDataArr points(static_cast<std::size_t>(n));
  for (TDataPoint& p : points) {
    p.X = in.f64();
    p.Y = in.f64();
  }
  record.SetData(points);
}

std::int32_t FolderDatabase::ReadIndexFile(const fs::path& indexFile) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(indexFile, 64);
  BinaryReader index(bytes);
  if (bytes.size() != 4) throw EFormatError(Message(msg::NotADocumentFile, {indexFile.string()}));
  const std::int32_t highest = index.i32();
  if (highest < 0) throw EFormatError(Message(msg::NotADocumentFile, {indexFile.string()}));
  return highest;
}

void FolderDatabase::LoadFolderDatabase(TNodeForest& forest, const fs::path& indexFile, TCurveFiles* loaded,
                                        const ReadProgress& progress) {
  const std::int32_t highest = ReadIndexFile(indexFile);

  // The curve files numbered 0 .. highest that exist, in number order. The
  // folder is listed once instead of probing every number, so a damaged
  // index value costs nothing.
  std::vector<std::pair<std::int64_t, fs::path>> curves;
  const fs::path folder = FolderOf(indexFile);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const auto k = CanonicalCurveNumber(it->path().filename().string());
    if (k && *k <= highest) curves.emplace_back(*k, it->path());
  }
  std::sort(curves.begin(), curves.end());

  // Loading is no edit: nothing of it goes to the undo recorder.
  TPaintingGuard painting(forest);
  TUndoSuspendGuard undo(&forest.Undo());
  if (loaded != nullptr) {
    loaded->Folder = folder;
    loaded->Names.clear();
  }
  std::size_t read = 0;
  for (const auto& [k, file] : curves) {
    progress.report(read++, curves.size());
    const std::vector<std::uint8_t> bytes = FileIo::readAll(file);
    TNode* node = forest.AddNode(forest.LastRoot(), nullptr);
    auto record = std::make_unique<TVAStruct>(node);
    TVAStruct* va = record.get();
    node->SetRecord(std::move(record));
    va->RecordDate = ModificationDate(file);
    va->DatabaseName = file.filename().string();
    ReadCurveFile(*va, bytes);
    node->SetNameSilently(va->Params.Comments());
    if (loaded != nullptr) loaded->Names.insert(va->DatabaseName);
  }
}

std::vector<std::uint8_t> FolderDatabase::CurveFileBytes(const TVAStruct& record, bool* peaksCut) {
  const TDataArr points = record.DisplayData();
  BinaryWriter out;
  out.reserve(kPointsOffset + 16 * points.size());
  record.Params.WriteTo(out);
  const std::size_t kept = std::min<std::size_t>(record.Peaks.size(), OldPeakEntry::kFixedCount);
  for (std::size_t i = 0; i < kept; ++i) OldPeakEntry::FromPeak(record.Peaks[i]).Write(out);
  for (std::size_t i = kept; i < OldPeakEntry::kFixedCount; ++i) OldPeakEntry{}.Write(out);
  if (peaksCut != nullptr) *peaksCut = record.Peaks.size() > kept;
  out.i32(static_cast<std::int32_t>(points.size()));
  for (const TDataPoint& p : points) {
    out.f64(p.X);
    out.f64(p.Y);
  }
  return out.take();
}

void FolderDatabase::SaveFolderDatabase(TNodeForest& forest, const fs::path& indexFile, IMessageSink* sink,
                                        TCurveFiles* owned) {
  std::vector<TVAStruct*> leaves;
  for (const auto& node : forest.AllNodes) {
    if (!node->InForest() || node->HasChildren()) continue;
    if (TVAStruct* va = node->VA()) leaves.push_back(va);
  }

  const fs::path folder = FolderOf(indexFile);
  std::error_code ec;
  fs::create_directories(folder, ec);
  // Another program saving into the same folder waits: the numbers below
  // are free only while nobody else writes there.
  FileLock lock(folder / kLockName);
  const bool ours = owned != nullptr && SameFolder(owned->Folder, folder);
  const std::set<std::string> mine = ours ? owned->Names : std::set<std::string>{};
  const std::set<std::int64_t> present = CurveNumbersIn(folder);

  // Every curve gets a file name of its own that the reader will find and
  // that belongs to no other database.
  std::set<std::int64_t> taken;
  std::vector<bool> keep(leaves.size(), false);
  std::int64_t highest = present.empty() ? -1 : *present.rbegin();
  std::int64_t written = -1;
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    const auto k = CanonicalCurveNumber(leaves[i]->DatabaseName);
    if (!k || taken.count(*k) != 0) continue;
    if (present.count(*k) != 0 && mine.count(leaves[i]->DatabaseName) == 0) continue;
    taken.insert(*k);
    keep[i] = true;
    highest = std::max(highest, *k);
    written = std::max(written, *k);
  }
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    if (keep[i]) continue;
    ++highest;
    leaves[i]->DatabaseName = CurveFileName(highest);
    written = highest;
  }

  std::set<std::string> names;
  for (TVAStruct* va : leaves) {
    bool cut = false;
    const std::vector<std::uint8_t> bytes = CurveFileBytes(*va, &cut);
    if (cut && sink != nullptr) {
      const std::string name = va->Node != nullptr ? va->Node->Name : va->DatabaseName;
      sink->warning(Message(msg::TooManyPeaksForDatabase, {name, std::to_string(va->Peaks.size())}));
    }
    FileIo::writeAtomically(folder / va->DatabaseName, bytes);
    names.insert(va->DatabaseName);
  }

  BinaryWriter index;
  index.i32(static_cast<std::int32_t>(std::clamp<std::int64_t>(written, 0, INT32_MAX)));
  FileIo::writeAtomically(indexFile, index.data());

  // Curves of this document deleted since it was loaded or saved here take
  // their files with them, once the index no longer needs them.
  for (const std::string& name : mine)
    if (names.count(name) == 0) fs::remove(folder / name, ec);
  if (owned != nullptr) {
    owned->Folder = folder;
    owned->Names = std::move(names);
  }
}

}  // namespace velmora
