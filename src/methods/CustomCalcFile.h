#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "TCustomMethod.h"

namespace velmora {

// The custom equation file "CustomCalc" in the data folder: one block per
// custom method, in list order: tag 1, the record's length, the record.
class CustomCalcFile {
 public:
  static constexpr const char* FileName = "CustomCalc";
  static constexpr std::int32_t kMethodTag = 1;
  // Far more than any real list; a larger file is refused unread.
  static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{64} << 20;

  static std::filesystem::path PathIn(const std::filesystem::path& dataFolder) { return dataFolder / FileName; }

  static std::vector<std::uint8_t> Encode(const TCustomMethodArr& methods);
  // Decodes a whole file. Blocks with other tags are skipped; `unreadData`,
  // when given, tells whether that (or an unknown block inside a record)
  // happened. Throws EFormatError for damaged data.
  static TCustomMethodArr Decode(std::span<const std::uint8_t> bytes, bool* unreadData = nullptr);

  // Refills `methods` from the file in `dataFolder`. Returns false, leaving
  // `methods` as it was, when there is no file. A damaged file throws
  // EFormatError and leaves `methods` as it was.
  static bool Load(const std::filesystem::path& dataFolder, TCustomMethodArr& methods, bool* unreadData = nullptr);
  // Writes the whole list anew (temporary file, then rename). Throws
  // EFormatError with "Cannot create file" on failure.
  static void Save(const std::filesystem::path& dataFolder, const TCustomMethodArr& methods);
};

}  // namespace velmora
