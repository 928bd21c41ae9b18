#pragma once

#include <cstdint>
#include <filesystem>
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

  // Writes `bytes` to a temporary file beside `path`, flushes it to disk and
  // renames it over `path`; the previous file survives any failure before
  // the rename. Throws EFormatError with "Cannot create file" on failure.
  static void writeAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
  static void writeAtomically(const std::filesystem::path& path, const std::string& text);
};

}  // namespace velmora
