#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "IniFile.h"
#include "Options.h"

namespace velmora {

// The settings file "Options.ini" of the data folder: the preferences read
// at start and written at exit, and the recent-files list, which is kept up
// to date in the file whenever it changes. Keys this version does not know
// are kept.
class Settings {
 public:
  static constexpr const char* FileName = "Options.ini";

  Settings() = default;
  explicit Settings(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

  const std::filesystem::path& dataFolder() const { return dataFolder_; }
  void setDataFolder(std::filesystem::path folder) { dataFolder_ = std::move(folder); }
  std::filesystem::path filePath() const { return dataFolder_ / FileName; }

  // Reads the file; a missing or unreadable file gives the defaults.
  void load();
  // Writes the whole set; returns false on failure (ignored at exit).
  bool save();

  // Only the language key, read before any window exists.
  static int readLocaleId(const std::filesystem::path& dataFolder);

  Options& options() { return options_; }
  const Options& options() const { return options_; }
  IniFile& ini() { return ini_; }

  // The recent-files list, oldest first.
  std::vector<std::string> recentFiles() const;
  // Puts a path on the list and writes the file at once; errors are ignored.
  void addRecentFile(const std::string& path);
  // The list algorithm on an INI image.
  static void addRecentFile(IniFile& ini, const std::string& path, int maxRecentCount);

 private:
  void writeRecentFilesToDisk();

  std::filesystem::path dataFolder_;
  IniFile ini_;
  Options options_;
};

}  // namespace velmora
