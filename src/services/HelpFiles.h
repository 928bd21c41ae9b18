#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "HelpContextMap.h"
#include "Message.h"

namespace velmora {

// Where the help pages lie and which page answers a context number.
//
// The help folder holds one folder per language named "VA_" and the
// language's three-letter abbreviation (VA_ENU, VA_RUS), each with its pages,
// its contents page "index.html" and its context map "contexts.txt", and the
// folder "pics" with the pictures both languages share.
class HelpFiles {
 public:
  // Language identifiers of the user interface.
  static constexpr int kEnglish = 1033;
  static constexpr int kRussian = 1049;

  // "VA_RUS" for 1049, "VA_ENU" for 1033; empty for a language without help.
  static std::string languageFolderName(int localeId);
  // The language folder under `root` for the language, or the English one
  // when that language has no help; nullopt when neither has a contents page.
  static std::optional<std::filesystem::path> languageFolder(const std::filesystem::path& root, int localeId);

  struct Location {
    std::filesystem::path page;  // absolute path of the page
    std::string anchor;          // empty: the top of the page
  };
  // The page of a context number in a language folder: the map's page when
  // the map lists the number and the page exists, the contents page
  // otherwise. A damaged or missing map leaves every number on the contents
  // page and, when `problem` is given, says why there.
  static Location locate(const std::filesystem::path& languageFolder, int context,
                         std::optional<Message>* problem = nullptr);
};

}  // namespace velmora
