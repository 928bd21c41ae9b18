#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace velmora {

// Whole-file reading and crash-safe writing.
class FileIo {
 public:
  // Reads a whole file; throws EFormatError with "Cannot open file" when it
  // cannot be opened or read, or when it is larger than `maxBytes`.
  static std::vector<std::uint8_t> readAll(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes = std::uintmax_t{1} << 32);

  // A whole file in a buffer of its own that is not zero-filled first (for
  // large files); fails as readAll does.
  struct Bytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
    std::span<const std::uint8_t> span() const { return {data.get(), size}; }
  };
  static Bytes readBytes(const std::filesystem::path& path, std::uintmax_t maxBytes = std::uintmax_t{1} << 32);

  // Writes `bytes` to a new temporary file beside `path` (created
  // exclusively), flushes it to disk, renames it over `path` and flushes the
  // folder; the previous file survives any failure before the rename, and
  // its permissions pass to the new file. Throws EFormatError with "Cannot
  // create file" on failure.
  static void writeAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
  static void writeAtomically(const std::filesystem::path& path, const std::string& text);

  // The same for data made piece by piece: `produce` hands every piece to
  // the sink it gets, in order, so a large file needs no image in memory.
  using ByteSink = std::function<void(std::span<const std::uint8_t>)>;
  static void writeStreamAtomically(const std::filesystem::path& path,
                                    const std::function<void(const ByteSink&)>& produce);

  // Creates a new empty file in the folder of `path`, exclusively (an
  // existing file or a planted link is never opened), under a short hidden
  // name: a dot, the start of the file's name, a random part and ".tmp".
  // Whatever the length of the name of `path`, the temporary name stays
  // within the file-name limit. Returns the open descriptor and sets
  // `temp`; throws EFormatError with "Cannot create file" on failure.
  static int createTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temp);
  // The bytes of a file name that a temporary name keeps.
  static constexpr std::size_t kTemporaryNameHead = 40;

  // Flushes a folder's entries (a rename or a new file in it) to disk.
  static void syncFolder(const std::filesystem::path& folder);
};

}  // namespace velmora
