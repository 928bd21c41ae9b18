#include "TRecoveryJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"
#include "VAStructStream.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCaptionCapacity = 255;

std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}

[[noreturn]] void ThrowCannotCreate(const fs::path& file, int error) {
  throw EFormatError(Message(msg::CannotCreateFile, {file.string(), std::strerror(error)}));
}

// Writes all of `bytes` to `fd`.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

TRecoveryJournal::TRecoveryJournal(fs::path file) : file_(std::move(file)) {}
TRecoveryJournal::~TRecoveryJournal() = default;

std::uint32_t TRecoveryJournal::Crc32(std::span<const std::uint8_t> bytes) {
  static const std::array<std::uint32_t, 256> table = MakeCrcTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::uint8_t b : bytes) c = table[(c ^ b) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> TRecoveryJournal::EncodeEntry(const TVAStruct& record, const std::string& caption) {
  BinaryWriter payload;
  payload.shortString(caption, kCaptionCapacity);
  VAStructStream::SaveToStream(record, payload);
  BinaryWriter entry;
  entry.u32(EntryMarker);
  entry.u32(static_cast<std::uint32_t>(payload.size()));
  entry.bytes(payload.data());
  entry.u32(Crc32(payload.data()));
  return entry.take();
}

void TRecoveryJournal::Append(const TVAStruct& record, const std::string& caption) {
  const std::vector<std::uint8_t> entry = EncodeEntry(record, caption);
  std::error_code ec;
  const bool existed = fs::exists(file_, ec);
  const int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) ThrowCannotCreate(file_, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    ThrowCannotCreate(file_, error);
  }
  const off_t before = st.st_size;
  bool ok = true;
  if (before == 0) {
    BinaryWriter header;
    FileHeader::write(header, TypeCode);
    ok = WriteAll(fd, header.data().data(), header.size());
  }
  if (ok) ok = WriteAll(fd, entry.data(), entry.size());
  if (ok) ok = ::fsync(fd) == 0;
  if (!ok) {
    // A torn entry is taken back, so that the next one follows the last
    // good entry; a journal that had just begun goes altogether.
    const int error = errno;
    if (::ftruncate(fd, before) == 0) ::fsync(fd);
    ::close(fd);
    if (before == 0 && !existed) fs::remove(file_, ec);
    ThrowCannotCreate(file_, error);
  }
  ::close(fd);
  if (!existed) FileIo::syncFolder(file_.parent_path());
}

void TRecoveryJournal::Clear() {
  std::error_code ec;
  if (fs::remove(file_, ec)) FileIo::syncFolder(file_.parent_path());
}

bool TRecoveryJournal::HasEntries() const {
  std::error_code ec;
  const auto size = fs::file_size(file_, ec);
  return !ec && size > FileHeader::Size;
}

namespace {

// The payload of a sound entry at `pos` (marker, size within bounds,
// checksum), or nothing. `budget` (when given) is what the checksums of
// the search for the next sound entry may still read; an exhausted budget
// also gives nothing.
std::optional<std::span<const std::uint8_t>> EntryAt(std::span<const std::uint8_t> bytes, std::size_t pos,
                                                     std::size_t& next, std::size_t* budget = nullptr) {
  if (bytes.size() - pos < 12) return std::nullopt;
  BinaryReader in(bytes.subspan(pos));
  if (in.u32() != TRecoveryJournal::EntryMarker) return std::nullopt;
  const std::uint32_t size = in.u32();
  if (size > TRecoveryJournal::MaxEntrySize || in.remaining() < std::size_t{size} + 4) return std::nullopt;
  if (budget != nullptr) {
    if (*budget < size) return std::nullopt;
    *budget -= size;
  }
  const std::span<const std::uint8_t> payload = in.bytes(size);
  if (in.u32() != TRecoveryJournal::Crc32(payload)) return std::nullopt;
  next = pos + 12 + size;
  return payload;
}

}  // namespace

TRecoveryJournal::Contents TRecoveryJournal::Decode(std::span<const std::uint8_t> bytes) {
  Contents contents;
  BinaryReader head(bytes);
  if (bytes.size() < FileHeader::Size || !FileHeader::read(head, TypeCode))
    throw EFormatError(Message(msg::UnknownFileFormat, {""}));
  std::size_t pos = FileHeader::Size;
  // A file made of false markers that each claim a long entry would have
  // the search checksum the same bytes again and again: it reads at most a
  // few times the file, then the rest counts as a damaged tail.
  std::size_t searchBudget = 4 * bytes.size() + MaxEntrySize;
  while (pos < bytes.size()) {
    std::size_t next = 0;
    std::optional<std::span<const std::uint8_t>> payload = EntryAt(bytes, pos, next);
    if (!payload) {
      // A torn or damaged entry: the reading goes on at the next sound
      // entry after it, found by its marker and checksum.
      std::size_t at = pos + 1;
      for (; at + 12 <= bytes.size() && searchBudget > 0; ++at) {
        if (bytes[at] != (EntryMarker & 0xFFu)) continue;
        if ((payload = EntryAt(bytes, at, next, &searchBudget))) break;
      }
      if (!payload) {
        contents.DamagedTail = true;
        break;
      }
      ++contents.SkippedEntries;
    }
    pos = next;
    try {
      BinaryReader p(*payload);
      Entry e;
      e.Caption = p.shortString(kCaptionCapacity);
      e.Record = std::make_unique<TVAStruct>();
      VAStructStream::LoadFromStream(*e.Record, p);
      contents.Entries.push_back(std::move(e));
    } catch (const EFormatError&) {
      // A checksummed entry that does not read is from a newer program: skip it.
      ++contents.SkippedEntries;
    }
  }
  return contents;
}

TRecoveryJournal::Contents TRecoveryJournal::Read() const {
  std::error_code ec;
  if (!fs::exists(file_, ec)) return {};
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file_, MaxFileSize);
  if (bytes.empty()) return {};
  return Decode(bytes);
}

int TRecoveryJournal::Restore(const Contents& contents, TNodeForest& forest) {
  TUndoSuspendGuard undo(&forest.Undo());
  TPaintingGuard painting(forest);
  int placed = 0;
  for (const Entry& e : contents.Entries) {
    if (!e.Record) continue;
    TNode* node = forest.AddNode(forest.LastRoot(), nullptr);
    auto record = std::make_unique<TVAStruct>(node);
    e.Record->CopyParamsTo(*record);
    record->FilterValue = e.Record->FilterValue;
    record->CalculationMethod = e.Record->CalculationMethod;
    TVAStruct* r = record.get();
    node->SetRecord(std::move(record));
    node->SetNameSilently(e.Caption);
    r->SetData(e.Record->Data);
    ++placed;
  }
  return placed;
}

}  // namespace velmora
