#include "DataFolder.h"

#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

fs::path DataFolder::perUserFolder(const fs::path& documentsFolder) {
  fs::path folder = documentsFolder / FolderName;
  std::error_code ec;
  fs::create_directories(folder, ec);
  return folder;
}

fs::path DataFolder::determine(const fs::path& programFolder, const fs::path& documentsFolder) {
  std::error_code ec;
  if (fs::is_regular_file(programFolder / "Options.ini", ec)) return programFolder;
  return perUserFolder(documentsFolder);
}

fs::path DataFolder::moveToPerUserFolder(const fs::path& current, const fs::path& documentsFolder) {
  const fs::path perUser = perUserFolder(documentsFolder);
  std::error_code ec;
  if (fs::equivalent(current, perUser, ec)) return current;
  if (current.lexically_normal() == perUser.lexically_normal()) return current;
  fs::remove(current / "Options.ini", ec);
  return perUser;
}

}  // namespace velmora
