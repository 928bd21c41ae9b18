#pragma once

#include <string>
#include <string_view>

#include "BinaryReader.h"
#include "BinaryWriter.h"

namespace velmora {

// The 9-byte header of the system's files: the byte 8, a four-letter type
// code, "v" and the version digits "100" (documents "TVNX", methods "TVXM",
// scripts "TVNS", program sets "TVXP", record-folder indexes "TVXR").
class FileHeader {
 public:
  static constexpr std::size_t Size = 9;
  static constexpr int Version = 100;

  static void write(BinaryWriter& out, std::string_view typeCode);

  // Reads the 9 bytes as a length-prefixed text (a length below 8 shortens
  // the text compared). Returns false when the type code differs: the
  // caller then loads nothing. Throws EFormatError with "Unknown file
  // format %s" when the version is another number, or with the conversion
  // error when the version digits are no number, or when fewer than 9 bytes
  // exist.
  static bool read(BinaryReader& in, std::string_view typeCode);

  // The same check on the header text alone (the bytes after the length).
  static bool check(std::string_view headerText, std::string_view typeCode);
};

}  // namespace velmora
