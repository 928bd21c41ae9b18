#include "THeaderManager.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <system_error>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "DateTime.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTypeCode = "TVXR";

enum Tag : std::int32_t { TagTitle = 1, TagFileName = 2, TagStamp = 3, TagData = 4 };

}  // namespace

THeaderManager::THeaderManager(fs::path folder) { SetFolder(std::move(folder)); }

THeaderManager::~THeaderManager() = default;

void THeaderManager::SetFolder(fs::path folder) {
  folder_ = std::move(folder);
  damageReported_ = false;
  ReadIndexFile();
}

void THeaderManager::Reload() { ReadIndexFile(); }

std::string THeaderManager::BaseName(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool THeaderManager::ReadIndex(std::span<const std::uint8_t> bytes, const fs::path& folder,
                               std::vector<TBaseHeader>& headers, std::string& damage) {
  headers.clear();
  damage.clear();
  BinaryReader in(bytes);
  try {
    if (!FileHeader::read(in, kTypeCode)) return false;
  } catch (const EFormatError&) {
    return false;
  }
  try {
    ChunkReader chunks(in);
    Chunk chunk;
    while (chunks.next(chunk)) {
      switch (chunk.tag) {
        case TagTitle:
          if (headers.size() >= kMaxHeaders) throw EFormatError(Message(msg::RecordBlockSize, {"1", "-", "-"}));
          headers.push_back({});
          headers.back().Title = chunk.body.shortString(255);
          break;
        case TagFileName: {
          if (headers.empty()) break;
          const std::string name = BaseName(chunk.body.shortString(255));
          headers.back().FileName = name.empty() ? std::string() : (folder / name).string();
          break;
        }
        case TagStamp:
          if (headers.empty()) break;
          headers.back().Stamp = chunk.body.f64();
          break;
        case TagData: {
          if (headers.empty()) break;
          const std::size_t size = chunk.body.size();
          if (size > kMaxDataSize)
            throw EFormatError(
                Message(msg::RecordBlockSize, {"4", std::to_string(size), std::to_string(kMaxDataSize)}));
          const auto data = chunk.body.bytes(size);
          headers.back().Data.assign(data.begin(), data.end());
          break;
        }
        default:
          chunks.skip(chunk);
          break;
      }
    }
  } catch (const EFormatError& e) {
    damage = e.what();
  }
  // A header cut off before its file name cannot reach its data.
  if (!damage.empty() && !headers.empty() && headers.back().FileName.empty()) headers.pop_back();
  return true;
}

void THeaderManager::ReadIndexFile() {
  headers_.clear();
  const std::string previous = damage_;
  indexDamaged_ = false;
  damage_.clear();
  const fs::path index = IndexPath();
  std::error_code ec;
  if (!fs::exists(index, ec)) return;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = FileIo::readAll(index, kMaxHeaders * 64);
  } catch (const EFormatError& e) {
    damage_ = e.what();
  }
  if (damage_.empty() && !ReadIndex(bytes, folder_, headers_, damage_)) {
    // A foreign file: an empty folder, and the file is left as it is
    // until the first item is added.
    headers_.clear();
    damage_.clear();
  }
  indexDamaged_ = !damage_.empty();
  // The same damage read again is not news.
  if (damage_ != previous) damageReported_ = false;
}

std::vector<std::uint8_t> THeaderManager::IndexBytes(const std::vector<TBaseHeader>& headers) {
  BinaryWriter out;
  FileHeader::write(out, kTypeCode);
  ChunkWriter chunks(out);
  for (const TBaseHeader& h : headers) {
    BinaryWriter title;
    title.shortString(h.Title, 255);
    chunks.chunk(TagTitle, title.data());
    // The full path, as the format has it; a path too long for the field
    // keeps only its file name, which is all a reader trusts anyway.
    BinaryWriter file;
    file.shortString(h.FileName.size() <= 255 ? h.FileName : BaseName(h.FileName), 255);
    chunks.chunk(TagFileName, file.data());
    chunks.doubleChunk(TagStamp, h.Stamp);
    if (!h.Data.empty()) chunks.chunk(TagData, h.Data);
  }
  return out.take();
}

void THeaderManager::WriteIndex() {
  std::error_code ec;
  if (indexDamaged_) {
    // The damaged index stays readable for whoever wants to mend it.
    fs::copy_file(IndexPath(), folder_ / kDamagedIndexName, fs::copy_options::overwrite_existing, ec);
  }
  FileIo::writeAtomically(IndexPath(), IndexBytes(headers_));
  indexDamaged_ = false;
  damage_.clear();
}

FileLock THeaderManager::LockAndReload() {
  // The folder is made when the first item goes in, so that merely opening
  // a record folder leaves no trace.
  std::error_code ec;
  fs::create_directories(folder_, ec);
  FileLock lock(folder_ / kLockName);
  ReadIndexFile();
  return lock;
}

void THeaderManager::Changed() {
  if (OnChange) OnChange(*this);
}

std::string THeaderManager::NewFileName() const {
  std::error_code ec;
  std::string name = (folder_ / std::to_string(headers_.size())).string();
  int counter = 0;
  while (fs::exists(name, ec) ||
         std::any_of(headers_.begin(), headers_.end(), [&](const TBaseHeader& h) { return h.FileName == name; }))
    name += "_" + std::to_string(counter++);
  return name;
}

std::vector<TBaseHeader>::iterator THeaderManager::Find(const std::string& fileName) {
  // A bare file name stands for that file in this folder.
  const bool bare = BaseName(fileName) == fileName;
  return std::find_if(headers_.begin(), headers_.end(), [&](const TBaseHeader& h) {
    return h.FileName == fileName || (bare && BaseName(h.FileName) == fileName);
  });
}

std::string THeaderManager::Add(const std::string& title, std::span<const std::uint8_t> data,
                                const TFileWriter& write) {
  std::string fileName;
  {
    FileLock lock = LockAndReload();
    fileName = NewFileName();
    // The data file is complete before any index lists it.
    try {
      write(fileName);
    } catch (...) {
      std::error_code ec;
      fs::remove(fileName, ec);
      throw;
    }
    TBaseHeader header;
    header.Title = title;
    header.FileName = fileName;
    header.Stamp = DateTime::now();
    header.Data.assign(data.begin(), data.end());
    headers_.push_back(std::move(header));
    try {
      WriteIndex();
    } catch (...) {
      headers_.pop_back();
      std::error_code ec;
      fs::remove(fileName, ec);
      throw;
    }
  }
  Changed();
  return fileName;
}

std::string THeaderManager::Add(const std::string& title, std::span<const std::uint8_t> data,
                                std::span<const std::uint8_t> bytes) {
  return Add(title, data, [bytes](const std::string& fileName) { FileIo::writeAtomically(fs::path(fileName), bytes); });
}

bool THeaderManager::Adopt(const std::string& title, const std::string& fileName, double stamp,
                           std::span<const std::uint8_t> data) {
  try {
    {
      FileLock lock = LockAndReload();
      if (Find(BaseName(fileName)) != headers_.end()) return false;
      TBaseHeader header;
      header.Title = title;
      header.FileName = (folder_ / BaseName(fileName)).string();
      header.Stamp = stamp;
      header.Data.assign(data.begin(), data.end());
      headers_.push_back(std::move(header));
      WriteIndex();
    }
    Changed();
    return true;
  } catch (const EFormatError&) {
    // Still an orphan: offered again at the next loading.
    ReadIndexFile();
    return false;
  }
}

void THeaderManager::Delete(const std::string& fileName) {
  {
    FileLock lock = LockAndReload();
    const auto it = Find(fileName);
    if (it != headers_.end()) {
      const std::string file = it->FileName;
      const TBaseHeader removed = *it;
      const auto at = headers_.erase(it);
      try {
        // Unlisted first: no index ever names a file that is gone.
        WriteIndex();
      } catch (...) {
        headers_.insert(at, removed);
        throw;
      }
      std::error_code ec;
      fs::remove(file, ec);
    }
  }
  Changed();
}

bool THeaderManager::Rename(const std::string& fileName, const std::string& title) {
  {
    FileLock lock = LockAndReload();
    const auto it = Find(fileName);
    if (it == headers_.end()) return false;
    const std::string before = it->Title;
    it->Title = title;
    try {
      WriteIndex();
    } catch (...) {
      it->Title = before;
      throw;
    }
  }
  Changed();
  return true;
}

bool THeaderManager::SetData(const std::string& fileName, std::span<const std::uint8_t> data) {
  FileLock lock = LockAndReload();
  const auto it = Find(fileName);
  if (it == headers_.end()) return false;
  std::vector<std::uint8_t> before = std::move(it->Data);
  it->Data.assign(data.begin(), data.end());
  try {
    WriteIndex();
  } catch (...) {
    it->Data = std::move(before);
    throw;
  }
  return true;
}

std::vector<TBaseHeader> THeaderManager::List(double day) const {
  std::vector<TBaseHeader> out;
  const double whole = std::trunc(day);
  for (const TBaseHeader& h : headers_)
    if (std::trunc(h.Stamp) == whole) out.push_back(h);
  return out;
}

void THeaderManager::LoadAll(const TItemReader& reader, std::vector<Message>& problems) const {
  for (const TBaseHeader& h : headers_) {
    try {
      const std::vector<std::uint8_t> bytes = FileIo::readAll(h.FileName, std::uintmax_t{1} << 30);
      reader(h, bytes);
    } catch (const EFormatError& e) {
      problems.emplace_back(msg::RecordItemUnreadable, std::vector<std::string>{h.Title, h.FileName, e.what()});
    }
  }
}

std::vector<std::string> THeaderManager::Orphans() const {
  std::vector<std::string> out;
  if (!indexDamaged_) return out;
  std::set<std::string> known;
  for (const TBaseHeader& h : headers_) known.insert(BaseName(h.FileName));
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder_, ec)) {
    if (!entry.is_regular_file(ec)) continue;
    const std::string name = entry.path().filename().string();
    if (name == kIndexName || name == kDamagedIndexName || entry.path().has_extension() || known.count(name)) continue;
    if (name.empty() || name[0] < '0' || name[0] > '9') continue;
    out.push_back(entry.path().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

Message THeaderManager::TakeIndexProblem() {
  if (!indexDamaged_ || damageReported_) return {};
  damageReported_ = true;
  return Message(msg::RecordIndexDamaged, {IndexPath().string(), damage_, (folder_ / kDamagedIndexName).string()});
}

}  // namespace velmora
