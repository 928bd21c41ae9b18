#include "TempDir.h"

#include <fstream>
#include <random>
#include <sstream>

namespace velmora::test {

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::writeFile(const std::filesystem::path& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary);
  out << content;
}

std::string TempDir::readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace velmora::test
