#include "HelpFiles.h"

#include <system_error>

#include "FormatError.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

std::string HelpFiles::languageFolderName(int localeId) {
  switch (localeId) {
    case kEnglish:
      return "VA_ENU";
    case kRussian:
      return "VA_RUS";
    default:
      return {};
  }
}

std::optional<fs::path> HelpFiles::languageFolder(const fs::path& root, int localeId) {
  for (const int id : {localeId, kEnglish}) {
    const std::string name = languageFolderName(id);
    if (name.empty()) continue;
    const fs::path folder = root / name;
    if (isFile(folder / HelpContextMap::kContentsPage)) return folder;
  }
  return std::nullopt;
}

HelpFiles::Location HelpFiles::locate(const fs::path& languageFolder, int context, std::optional<Message>* problem) {
  const Location contents{languageFolder / HelpContextMap::kContentsPage, {}};
  HelpContextMap map;
  try {
    map = HelpContextMap::load(languageFolder / HelpContextMap::kFileName);
  } catch (const EFormatError& e) {
    if (problem) *problem = e.message();
    return contents;
  }
  const HelpTarget target = map.resolve(context);
  Location place{languageFolder / target.page, target.anchor};
  if (!isFile(place.page)) return contents;
  return place;
}

}  // namespace velmora
