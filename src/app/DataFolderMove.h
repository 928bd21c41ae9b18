#pragma once

#include <filesystem>

namespace velmora {

class MainWindow;
class Settings;

// The last step of a start from a settings file next to the program: that
// file goes, the per-user folder becomes the data folder, and everything
// the windows keep in the data folder (the record folders "Reports",
// "Calibrations", "Statistics" and "Methods", the recovery journal) is
// opened there, so that what this session saves is found by the next one.
class DataFolderMove {
 public:
  // Returns true when the data folder moved.
  static bool apply(MainWindow& window, Settings& settings, const std::filesystem::path& documentsFolder);
};

}  // namespace velmora
