#pragma once

#include <filesystem>
#include <string_view>

namespace velmora {

// Temporary files that other users of the computer can neither read nor
// redirect: each lives in a folder made fresh for it (a random name created
// exclusively, mode 0700, checked to be this user's own), and files in it are
// created exclusively without following links. Downloaded installers and
// exported workbooks go this way, never straight into the shared /tmp.
class PrivateFolder {
 public:
  // Where private folders are made: $XDG_RUNTIME_DIR when it is a folder of
  // this user that nobody else may enter, else $TMPDIR (an absolute folder),
  // else /tmp.
  static std::filesystem::path UserBase();
  // A new folder "<prefix>XXXXXX" under `base`; throws EFormatError when it
  // cannot be made.
  static std::filesystem::path Create(const std::filesystem::path& base, std::string_view prefix);
  // Opens a file that must not exist yet (and is no link) for writing, mode
  // 0600; returns its descriptor. Throws EFormatError.
  static int CreateFile(const std::filesystem::path& file);
  // A new empty file "<stem>-XXXXXX<suffix>" in `folder`, made exclusively;
  // its path. Throws EFormatError.
  static std::filesystem::path CreateUniqueFile(const std::filesystem::path& folder, std::string_view stem,
                                                std::string_view suffix);
  // Whether `folder` is a folder (not a link) of this user that nobody
  // else may read, write or enter.
  static bool IsPrivate(const std::filesystem::path& folder);
  // Removes `folder` with the files directly in it; links are removed, not
  // followed. Failures are ignored.
  static void Remove(const std::filesystem::path& folder) noexcept;
};

}  // namespace velmora
