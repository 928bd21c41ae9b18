#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "DocumentFile.h"
#include "FolderDatabase.h"
#include "FormatError.h"
#include "FuzzInput.h"
#include "TNodeForest.h"

namespace fs = std::filesystem;

namespace {

// A folder of this process's own, emptied for every input.
const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "velmora-fuzz-mbd-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) __builtin_trap();
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(Folder(), ec);
    });
    return fs::path(pattern);
  }();
  return folder;
}

void Put(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

// Opens a folder database: its index file and the curve files the folder
// lists. The input is the index file, then files joined by the separator,
// each its name up to the first line end and its bytes after it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& folder = Folder();
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) fs::remove_all(entry.path(), ec);

  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto parts = velmora::fuzz::Split(input, "\n--\n");
  const fs::path index = folder / "curves.mbd";
  Put(index, parts[0]);
  for (std::size_t i = 1; i < parts.size() && i <= 32; ++i) {
    const std::size_t end = parts[i].find('\n');
    std::string name(parts[i].substr(0, end == std::string_view::npos ? 0 : end));
    if (name.empty() || name.size() > 64 || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos)
      continue;
    const std::string_view bytes = end == std::string_view::npos ? std::string_view() : parts[i].substr(end + 1);
    if (name.back() == '~')  // a folder of that name, as a folder may hold
      fs::create_directory(folder / name.substr(0, name.size() - 1), ec);
    else
      Put(folder / name, bytes);
  }

  velmora::TNodeForest forest;
  try {
    velmora::FolderDatabase::LoadFolderDatabase(forest, index);
  } catch (const velmora::EFormatError&) {
  }
  (void)velmora::DocumentFile::DocumentBytes(forest);
  return 0;
}
