#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "HelpContextMap.h"
#include "HelpContexts.h"
#include "HelpFiles.h"

// The help shipped with the program: every context number a window passes
// lands on an existing section in both languages, and no page links to a
// page, anchor, picture or style sheet that is not there.

using namespace velmora;
namespace fs = std::filesystem;

namespace {

const fs::path kRoot = VELMORA_HELP_DIR;
const char* const kLanguages[] = {"VA_ENU", "VA_RUS"};

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool HasAnchor(const fs::path& page, const std::string& anchor) {
  const std::string text = ReadText(page);
  return text.find("name=\"" + anchor + "\"") != std::string::npos ||
         text.find("id=\"" + anchor + "\"") != std::string::npos;
}

std::vector<int> WindowContexts() {
  std::vector<int> contexts = {
      help::Contents,         help::MainWindow,   help::StartPanel,     help::AssemblyAssistant,
      help::RecordParameters, help::Autosampler,  help::Timer,          help::Peaks,
      help::Properties,       help::Subtraction,  help::EquationEditor, help::CalculationsChart,
      help::Calibrations,     help::Statistics,   help::Print,          help::MethodsEditor,
      help::ScriptEditor,     help::ProgramUpdate};
  for (int page = 0; page < 4; ++page) contexts.push_back(help::OptionsBase + page);
  for (int page = 0; page < 2; ++page) contexts.push_back(help::CalculationsBase + page);
  for (int page = 0; page < 6; ++page) contexts.push_back(help::WizardBase + page);
  return contexts;
}

TEST(HelpPagesTest, EveryWindowContextLandsOnItsSectionInBothLanguages) {
  for (const char* language : kLanguages) {
    const fs::path folder = kRoot / language;
    const HelpContextMap map = HelpContextMap::load(folder / HelpContextMap::kFileName);
    for (const int context : WindowContexts()) {
      SCOPED_TRACE(std::string(language) + " context " + std::to_string(context));
      // Every window's number is listed (none falls back to the contents).
      ASSERT_TRUE(map.find(context).has_value());
      const HelpFiles::Location place = HelpFiles::locate(folder, context);
      EXPECT_EQ(place.page.filename(), map.resolve(context).page);
      if (!place.anchor.empty()) {
        EXPECT_TRUE(HasAnchor(place.page, place.anchor)) << place.anchor;
      }
    }
    // The map names nothing that is not there.
    for (const auto& [context, target] : map.entries()) {
      EXPECT_TRUE(fs::is_regular_file(folder / target.page)) << language << " " << target.page;
      if (!target.anchor.empty()) {
        EXPECT_TRUE(HasAnchor(folder / target.page, target.anchor)) << target.anchor;
      }
    }
  }
  EXPECT_EQ(HelpFiles::languageFolder(kRoot, HelpFiles::kRussian), kRoot / "VA_RUS");
  EXPECT_EQ(HelpFiles::languageFolder(kRoot, HelpFiles::kEnglish), kRoot / "VA_ENU");
}

TEST(HelpPagesTest, NoBrokenLinksOrPictures) {
  const std::regex link(R"re((href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
  const fs::path root = fs::canonical(kRoot);
  std::set<std::string> pagesByLanguage[2];
  int links = 0;
  for (int l = 0; l < 2; ++l) {
    for (const auto& entry : fs::directory_iterator(kRoot / kLanguages[l])) {
      if (entry.path().extension() != ".html") continue;
      pagesByLanguage[l].insert(entry.path().filename().string());
      const std::string text = ReadText(entry.path());
      for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[2];
        SCOPED_TRACE(entry.path().string() + " -> " + target);
        ASSERT_FALSE(target.empty());
        if (target.starts_with("http://") || target.starts_with("https://")) continue;
        ++links;
        const std::size_t hash = target.find('#');
        const std::string file = target.substr(0, hash);
        const fs::path resolved = file.empty() ? entry.path() : entry.path().parent_path() / file;
        ASSERT_TRUE(fs::is_regular_file(resolved));
        // Nothing outside the help folder.
        const std::string canonical = fs::canonical(resolved).string();
        EXPECT_EQ(canonical.rfind(root.string(), 0), 0u);
        if (hash != std::string::npos) {
          EXPECT_TRUE(HasAnchor(resolved, target.substr(hash + 1)));
        }
      }
    }
  }
  EXPECT_GT(links, 100);
  // Both languages have the same pages, so a context map serves both.
  EXPECT_EQ(pagesByLanguage[0], pagesByLanguage[1]);
  EXPECT_TRUE(pagesByLanguage[0].contains(HelpContextMap::kContentsPage));
}

TEST(HelpPagesTest, EachLanguageShowsScreenshotsTakenInThatLanguage) {
  // The pictures of the program's windows come from the tour run in the
  // page's language: the Russian pages never show the English ones.
  const std::regex picture("src=\"\\.\\./pics/(shots[^/\"]*)/([^\"]+)\"");
  const char* const folders[] = {"shots", "shots-ru"};
  for (std::size_t l = 0; l < 2; ++l) {
    int shots = 0;
    for (const auto& entry : fs::directory_iterator(kRoot / kLanguages[l])) {
      if (entry.path().extension() != ".html") continue;
      const std::string text = ReadText(entry.path());
      for (auto it = std::sregex_iterator(text.begin(), text.end(), picture); it != std::sregex_iterator(); ++it) {
        SCOPED_TRACE(entry.path().string() + " -> " + (*it)[0].str());
        EXPECT_EQ((*it)[1].str(), folders[l]);
        EXPECT_TRUE(fs::is_regular_file(kRoot / "pics" / (*it)[1].str() / (*it)[2].str()));
        ++shots;
      }
    }
    EXPECT_GT(shots, 15) << kLanguages[l];
  }
}

}  // namespace
