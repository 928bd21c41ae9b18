#include "Settings.h"

#include <exception>

namespace velmora {

namespace {
constexpr const char* kRecent = "RecentFiles";
// A damaged Count never makes us walk millions of keys.
constexpr long long kMaxRecentItems = 1000;
}  // namespace

void Settings::load() {
  options_ = Options{};
  try {
    ini_.load(filePath());
  } catch (const std::exception&) {
    ini_ = IniFile{};
  }
  options_.read(ini_);
}

bool Settings::save() {
  try {
    options_.write(ini_);
    std::filesystem::create_directories(dataFolder_);
    ini_.save(filePath());
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int Settings::readLocaleId(const std::filesystem::path& dataFolder) {
  IniFile ini;
  try {
    ini.load(dataFolder / FileName);
  } catch (const std::exception&) {
    return 0;
  }
  Options o;
  o.read(ini);
  return o.localeId;
}

std::vector<std::string> Settings::recentFiles() const {
  std::vector<std::string> items;
  long long count = ini_.readInteger(kRecent, "Count", 0);
  if (count > kMaxRecentItems) count = kMaxRecentItems;
  for (long long i = 0; i < count; ++i) items.push_back(ini_.readString(kRecent, "Item" + std::to_string(i), ""));
  return items;
}

void Settings::addRecentFile(IniFile& ini, const std::string& path, int maxRecentCount) {
  long long count = ini.readInteger(kRecent, "Count", 0);
  if (count < 0) count = 0;
  if (count > kMaxRecentItems) count = kMaxRecentItems;
  auto item = [](long long i) { return "Item" + std::to_string(i); };
  for (long long i = 0; i < count; ++i) {
    if (ini.readString(kRecent, item(i), "") == path) {
      for (long long j = i; j + 1 < count; ++j) ini.writeString(kRecent, item(j), ini.readString(kRecent, item(j + 1), ""));
      ini.writeString(kRecent, item(count - 1), path);
      return;
    }
  }
  if (count < maxRecentCount) {
    ini.writeString(kRecent, item(count), path);
    ini.writeInteger(kRecent, "Count", count + 1);
    return;
  }
  if (count == 0) return;  // a list bounded to nothing keeps nothing
  for (long long j = 0; j + 1 < count; ++j) ini.writeString(kRecent, item(j), ini.readString(kRecent, item(j + 1), ""));
  ini.writeString(kRecent, item(count - 1), path);
}

void Settings::addRecentFile(const std::string& path) {
  addRecentFile(ini_, path, options_.maxRecentCount);
  writeRecentFilesToDisk();
}

void Settings::writeRecentFilesToDisk() {
  // Only the list reaches the file now; the other preferences wait for the
  // exit, so the file on disk is updated section by section.
  try {
    IniFile onDisk;
    onDisk.load(filePath());
    onDisk.eraseSection(kRecent);
    const long long count = ini_.readInteger(kRecent, "Count", 0);
    onDisk.writeInteger(kRecent, "Count", count);
    for (const std::string& key : ini_.keys(kRecent))
      if (key != "Count") onDisk.writeString(kRecent, key, ini_.readString(kRecent, key, ""));
    std::filesystem::create_directories(dataFolder_);
    onDisk.save(filePath());
  } catch (const std::exception&) {
    // Errors while keeping the list are ignored.
  }
}

}  // namespace velmora
