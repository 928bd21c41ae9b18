#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// One place in the help: a page of the language folder and an anchor on it
// (empty: the top of the page).
struct HelpTarget {
  std::string page;
  std::string anchor;
  bool operator==(const HelpTarget&) const = default;
};

// The context map of one help language: the text file "contexts.txt" in the
// language folder, one line per context number:
//
//   # comment
//   21 settings.html#general
//   0 index.html
//
// Pages are plain file names of that folder ending in ".html" (no folders,
// nothing that leaves it); anchors are letters, digits, '-' and '_'. The
// reader is bounded: a larger file, more lines, a malformed line or a
// context listed twice is refused with EFormatError.
class HelpContextMap {
 public:
  static constexpr const char* kFileName = "contexts.txt";
  static constexpr const char* kContentsPage = "index.html";
  static constexpr std::size_t kMaxBytes = 64 * 1024;
  static constexpr std::size_t kMaxLines = 2000;
  static constexpr int kMaxContext = 999999;
  static constexpr std::size_t kMaxNameLength = 64;

  static HelpContextMap parse(std::string_view text);
  static HelpContextMap load(const std::filesystem::path& file);

  // The place of a context number, when the map lists it.
  std::optional<HelpTarget> find(int context) const;
  // The place of a context number; the contents page for an unknown one.
  HelpTarget resolve(int context) const;
  const std::map<int, HelpTarget>& entries() const { return entries_; }

  // A page name the map accepts (also the rule for links between pages).
  static bool isPageName(std::string_view name);
  static bool isAnchor(std::string_view anchor);

 private:
  std::map<int, HelpTarget> entries_;
};

}  // namespace velmora
