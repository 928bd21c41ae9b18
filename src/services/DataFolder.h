#pragma once

#include <filesystem>

namespace velmora {

// Where "Options.ini" and the other per-user files live.
class DataFolder {
 public:
  static constexpr const char* FolderName = "Velmora-VA";

  // The program folder when "Options.ini" lies there, else the per-user
  // folder (created when missing).
  static std::filesystem::path determine(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& documentsFolder);
  static std::filesystem::path perUserFolder(const std::filesystem::path& documentsFolder);

  // The move at start: when `current` is not the per-user folder, the
  // "Options.ini" there is deleted and the per-user folder (created when
  // missing) is returned; otherwise `current` is returned. The settings,
  // already read, reach the new folder at the next write.
  static std::filesystem::path moveToPerUserFolder(const std::filesystem::path& current,
                                                   const std::filesystem::path& documentsFolder);
};

}  // namespace velmora
