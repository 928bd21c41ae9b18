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

THeaderManager::~THeaderManager() {
  try {
    WriteIndex();
  } catch (...) {
    // The headers in memory were written after every change already.
  }
}

void THeaderManager::SetFolder(fs::path folder) {
  folder_ = std::move(folder);
  headers_.clear();
  indexDamaged_ = false;
  damageReported_ = false;
  damagedCopyKept_ = false;
  damage_.clear();
  ReadIndexFile();
}

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
  const fs::path index = IndexPath();
  std::error_code ec;
  if (!fs::exists(index, ec)) return;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = FileIo::readAll(index, kMaxHeaders * 64);
  } catch (const EFormatError& e) {
    indexDamaged_ = true;
    damage_ = e.what();
    return;
  }
  if (!ReadIndex(bytes, folder_, headers_, damage_)) {
    // A foreign file: an empty folder, and the file is left as it is
    // until the first item is added.
    headers_.clear();
    return;
  }
  indexDamaged_ = !damage_.empty();
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
  // The folder is made when the first item goes in, so that merely opening
  // a record folder leaves no trace.
  if (headers_.empty() && !fs::exists(IndexPath(), ec)) return;
  fs::create_directories(folder_, ec);
  if (indexDamaged_ && !damagedCopyKept_) {
    // The damaged index stays readable for whoever wants to mend it.
    fs::copy_file(IndexPath(), folder_ / kDamagedIndexName, fs::copy_options::overwrite_existing, ec);
    damagedCopyKept_ = true;
  }
  FileIo::writeAtomically(IndexPath(), IndexBytes(headers_));
}

void THeaderManager::Changed() {
  if (OnChange) OnChange(*this);
}

std::string THeaderManager::NewFileName() const {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  std::string name = (folder_ / std::to_string(headers_.size())).string();
  int counter = 0;
  while (fs::exists(name, ec) ||
         std::any_of(headers_.begin(), headers_.end(), [&](const TBaseHeader& h) { return h.FileName == name; }))
    name += "_" + std::to_string(counter++);
  return name;
}

std::string THeaderManager::Add(const std::string& title, std::span<const std::uint8_t> data) {
  TBaseHeader header;
  header.Title = title;
  header.FileName = NewFileName();
  header.Stamp = DateTime::now();
  header.Data.assign(data.begin(), data.end());
  headers_.push_back(std::move(header));
  try {
    WriteIndex();
  } catch (const EFormatError&) {
    // The header stays in memory and goes out with the next write.
  }
  Changed();
  return headers_.back().FileName;
}

void THeaderManager::Adopt(const std::string& title, const std::string& fileName, double stamp,
                           std::span<const std::uint8_t> data) {
  TBaseHeader header;
  header.Title = title;
  header.FileName = (folder_ / BaseName(fileName)).string();
  header.Stamp = stamp;
  header.Data.assign(data.begin(), data.end());
  headers_.push_back(std::move(header));
  try {
    WriteIndex();
  } catch (const EFormatError&) {
  }
  Changed();
}

void THeaderManager::Delete(const std::string& fileName) {
  const auto it =
      std::find_if(headers_.begin(), headers_.end(), [&](const TBaseHeader& h) { return h.FileName == fileName; });
  if (it != headers_.end()) {
    std::error_code ec;
    fs::remove(fileName, ec);
    headers_.erase(it);
    try {
      WriteIndex();
    } catch (const EFormatError&) {
    }
  }
  Changed();
}

bool THeaderManager::Rename(const std::string& fileName, const std::string& title) {
  for (TBaseHeader& h : headers_) {
    if (h.FileName != fileName) continue;
    h.Title = title;
    WriteIndex();
    Changed();
    return true;
  }
  return false;
}

bool THeaderManager::SetData(const std::string& fileName, std::span<const std::uint8_t> data) {
  for (TBaseHeader& h : headers_) {
    if (h.FileName != fileName) continue;
    h.Data.assign(data.begin(), data.end());
    WriteIndex();
    return true;
  }
  return false;
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

void THeaderManager::WriteDataFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  FileIo::writeAtomically(fs::path(fileName), bytes);
}

}  // namespace velmora
