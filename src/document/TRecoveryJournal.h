#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace velmora {

class TNodeForest;
class TVAStruct;

// Keeps every recorded voltammogram durable from the moment it exists, until
// the document holding it is saved or closed cleanly: an append-only file in
// the data folder.
//
// Layout: the 9-byte header "\x08TVRJv100", then one entry per curve:
//   uint32 marker 0x4A525645, uint32 payload size, payload, uint32 CRC-32
//   of the payload;
//   payload: string[255] node caption, then the curve record stream of the
//   document file (parameters, points, database name, date).
// Each entry is written with one write call and flushed to disk (fsync)
// before Append returns; an entry that could not be written whole is cut
// off again at once. A crash can at worst leave the last entry torn;
// reading passes over an entry whose size, marker or checksum is wrong and
// goes on at the next sound entry, so one damaged entry costs one curve.
class TRecoveryJournal {
 public:
  static constexpr const char* FileName = "Recovery.vrj";
  static constexpr const char* TypeCode = "TVRJ";
  static constexpr std::uint32_t EntryMarker = 0x4A525645;
  // Entries larger than this are damage.
  static constexpr std::uint32_t MaxEntrySize = 64u << 20;
  // Journals larger than this are not read.
  static constexpr std::uintmax_t MaxFileSize = std::uintmax_t{1} << 31;

  struct Entry {
    std::string Caption;
    std::unique_ptr<TVAStruct> Record;
  };
  struct Contents {
    std::vector<Entry> Entries;
    bool DamagedTail = false;  // bytes after the last good entry were dropped
    int SkippedEntries = 0;    // damaged entries passed over between good ones
  };

  explicit TRecoveryJournal(std::filesystem::path file);
  ~TRecoveryJournal();

  static std::filesystem::path PathIn(const std::filesystem::path& dataFolder) { return dataFolder / FileName; }
  const std::filesystem::path& Path() const { return file_; }

  // Appends one curve and flushes it to disk. Throws EFormatError ("Cannot
  // create file") when it cannot be written; the journal is then as it was
  // before.
  void Append(const TVAStruct& record, const std::string& caption);
  // Removes the journal (the document was saved or closed cleanly).
  void Clear();
  // True when a journal with at least one byte of entries is on disk.
  bool HasEntries() const;

  // Reads the journal's good entries; an absent file gives none. Throws
  // EFormatError when the file is not a journal at all.
  Contents Read() const;
  static Contents Decode(std::span<const std::uint8_t> bytes);
  static std::vector<std::uint8_t> EncodeEntry(const TVAStruct& record, const std::string& caption);
  static std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

  // Puts every entry as a root node after the last root node of `forest`;
  // returns the number of curves placed.
  static int Restore(const Contents& contents, TNodeForest& forest);

 private:
  std::filesystem::path file_;
};

}  // namespace velmora
