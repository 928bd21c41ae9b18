#pragma once

#include <filesystem>
#include <string>

namespace velmora::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  static void writeFile(const std::filesystem::path& file, const std::string& content);
  static std::string readFile(const std::filesystem::path& file);

 private:
  std::filesystem::path path_;
};

}  // namespace velmora::test
