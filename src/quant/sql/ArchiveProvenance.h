#pragma once

#include <string>

namespace velmora {

// Where an archived result comes from, as the system knows it: the digest
// of the document's bytes, the computer and the person at it.
class ArchiveProvenance {
 public:
  // The SHA-256 of the file's bytes, 64 lower-case hex digits; empty when
  // the file cannot be read.
  static std::string FileSha256(const std::string& path);
  // The computer's host name.
  static std::string Workstation();
  // The login name of the user running the program.
  static std::string OperatorName();
};

}  // namespace velmora
