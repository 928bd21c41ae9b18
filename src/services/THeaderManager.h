#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "FileLock.h"
#include "Message.h"

namespace velmora {

// One stored item of a record folder.
struct TBaseHeader {
  std::string Title;               // calibrations: the element name; statistics: the record name
  std::string FileName;            // full path of the item's data file
  double Stamp = 0.0;              // when the item was added (days since 1899-12-30)
  std::vector<std::uint8_t> Data;  // the optional summary kept in the index
};

// A record folder: an index file "Header" with one header per stored item,
// and one data file per item (named after the number of items, with "_n"
// suffixes while a name is taken). Only the file-name part of each stored
// path is trusted; the folder is put in front of it again, so a moved or
// copied folder keeps working.
//
// Several programs may write one folder (the workstation, the command line,
// a second workstation). Every change takes the folder's lock
// ("Header.lock"), reads the index again under it, applies itself and
// writes the index atomically before the lock is released; nothing is ever
// written from a copy read earlier. A new item's data file is complete
// before its header is listed; a deleted item's header goes before its
// file. A change that could not be written throws and leaves the folder as
// it was.
//
// A damaged index keeps the headers read before the damage, is copied to
// "Header.damaged" before it is first rewritten, and is reported once;
// Orphans() then names the data files the index no longer lists, so that
// the owner of the folder can take them back with Adopt().
class THeaderManager {
 public:
  static constexpr const char* kIndexName = "Header";
  static constexpr const char* kDamagedIndexName = "Header.damaged";
  static constexpr const char* kLockName = "Header.lock";
  // Limits that a damaged index cannot exceed.
  static constexpr std::size_t kMaxDataSize = 1 << 20;
  static constexpr std::size_t kMaxHeaders = 1 << 20;

  using TChangeHandler = std::function<void(THeaderManager&)>;
  // Reads one data file's bytes into an item; throws for a damaged one.
  using TItemReader = std::function<void(const TBaseHeader& header, const std::vector<std::uint8_t>& bytes)>;
  // Writes a new item's data file under the given name; throws on failure.
  using TFileWriter = std::function<void(const std::string& fileName)>;

  // Reads the folder's index; the folder itself is created when the first
  // item is added.
  explicit THeaderManager(std::filesystem::path folder);
  // Writes nothing: every change was written when it was made.
  ~THeaderManager();
  THeaderManager(const THeaderManager&) = delete;
  THeaderManager& operator=(const THeaderManager&) = delete;

  // Re-targets the record folder and reads its index.
  void SetFolder(std::filesystem::path folder);
  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path IndexPath() const { return folder_ / kIndexName; }
  // Reads the index again, with what other programs changed meanwhile.
  void Reload();

  // Registers a new item: under the lock, picks a free data file name, has
  // `write` write the data file, then lists the header and writes the
  // index. Returns the data file's path. Throws EFormatError when the data
  // file or the index cannot be written; nothing is registered then and no
  // data file of the item is left.
  std::string Add(const std::string& title, std::span<const std::uint8_t> data, const TFileWriter& write);
  // The same with the data file's bytes (written atomically).
  std::string Add(const std::string& title, std::span<const std::uint8_t> data, std::span<const std::uint8_t> bytes);
  // Registers a data file already lying in the folder (a recovered orphan);
  // false when another program listed it meanwhile or the index cannot be
  // written.
  bool Adopt(const std::string& title, const std::string& fileName, double stamp,
             std::span<const std::uint8_t> data = {});
  // When a header names this data file (its full path, or its bare file
  // name), removes the header, writes the index and then deletes the file;
  // OnChange is called in any case. Throws EFormatError when the index
  // cannot be written (the item and its file stay).
  void Delete(const std::string& fileName);
  // Gives the item of that data file a new title and summary; false when
  // no header has that file name. Throw as Delete does.
  bool Rename(const std::string& fileName, const std::string& title);
  bool SetData(const std::string& fileName, std::span<const std::uint8_t> data);

  const std::vector<TBaseHeader>& Headers() const { return headers_; }
  std::vector<TBaseHeader> List() const { return headers_; }
  // The headers stamped on the calendar day of `day`.
  std::vector<TBaseHeader> List(double day) const;

  // Reads every item's data file in index order through `reader`. A missing
  // or damaged file is skipped and reported once in `problems` with its
  // name; the other items are read.
  void LoadAll(const TItemReader& reader, std::vector<Message>& problems) const;

  // Data files in the folder that no header names (only after a damaged
  // index; empty otherwise).
  std::vector<std::string> Orphans() const;
  // The damage found when the index was read, once: empty text when the
  // index was sound or the report was already taken.
  Message TakeIndexProblem();
  bool IndexDamaged() const { return indexDamaged_; }

  // The index image and its reader (exposed for the tests and the fuzzer).
  static std::vector<std::uint8_t> IndexBytes(const std::vector<TBaseHeader>& headers);
  // Reads an index image; the headers read before damage are kept, and the
  // damage (if any) is returned as a message with an empty text otherwise.
  // Returns false for a missing or foreign magic.
  static bool ReadIndex(std::span<const std::uint8_t> bytes, const std::filesystem::path& folder,
                        std::vector<TBaseHeader>& headers, std::string& damage);
  // The file-name part of a stored path (either separator).
  static std::string BaseName(const std::string& path);

  TChangeHandler OnChange;

 private:
  // Takes the folder's lock (creating the folder) and reads the index.
  FileLock LockAndReload();
  void ReadIndexFile();
  void WriteIndex();
  void Changed();
  std::string NewFileName() const;
  std::vector<TBaseHeader>::iterator Find(const std::string& fileName);

  std::filesystem::path folder_;
  std::vector<TBaseHeader> headers_;
  bool indexDamaged_ = false;
  bool damageReported_ = false;
  std::string damage_;
};

}  // namespace velmora
