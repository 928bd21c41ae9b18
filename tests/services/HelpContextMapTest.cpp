#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FormatError.h"
#include "HelpContextMap.h"
#include "HelpFiles.h"
#include "Messages.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// The catalogue text a refused map reports.
const char* Refusal(const std::string& text) {
  try {
    HelpContextMap::parse(text);
  } catch (const EFormatError& e) {
    return e.message().text;
  }
  return nullptr;
}

TEST(HelpContextMapTest, ReadsNumbersPagesAndAnchors) {
  const HelpContextMap map = HelpContextMap::parse(
      "\xEF\xBB\xBF# contexts\r\n"
      "0 index.html\r\n"
      "\r\n"
      "  21\tsettings.html#general  \r\n"
      "36 calculations.html#subtraction\n"
      "40 calculations.html");
  EXPECT_EQ(map.entries().size(), 4u);
  EXPECT_EQ(map.resolve(21), (HelpTarget{"settings.html", "general"}));
  EXPECT_EQ(map.resolve(36), (HelpTarget{"calculations.html", "subtraction"}));
  EXPECT_EQ(map.resolve(40), (HelpTarget{"calculations.html", ""}));
  // Numbers it does not list open the contents.
  EXPECT_FALSE(map.find(99).has_value());
  EXPECT_EQ(map.resolve(99), (HelpTarget{"index.html", ""}));
  EXPECT_EQ(map.resolve(-5), (HelpTarget{"index.html", ""}));
}

TEST(HelpContextMapTest, RefusesHostileLines) {
  // Pages that would leave the language folder or are no page at all.
  for (const char* line : {"1 ../VA_RUS/index.html", "1 /etc/passwd.html", "1 sub/page.html", "1 ..html",
                           "1 .hidden.html", "1 page.htm", "1 page.html.exe", "1 index.html#", "1 index.html#a#b",
                           "1 index.html#a b", "1 index.html#<script>", "1 index.html extra"}) {
    EXPECT_STREQ(Refusal(line), msg::HelpMapBadLine) << line;
  }
  // Numbers that are no context number.
  for (const char* line : {"-1 index.html", "1000000 index.html", "99999999999999999999 index.html", "x index.html",
                           "1index.html", "1", "0x10 index.html", "1.5 index.html"}) {
    EXPECT_STREQ(Refusal(line), msg::HelpMapBadLine) << line;
  }
  constexpr char kNul[] = "1 index.html\n2 in\0dex.html\n";
  EXPECT_STREQ(Refusal(std::string(kNul, sizeof kNul - 1)), msg::HelpMapBadLine);
  EXPECT_STREQ(Refusal("8 a.html\n9 b.html\n8 c.html\n"), msg::HelpMapDuplicate);
  // An over-long name is refused, not trusted.
  EXPECT_STREQ(Refusal("1 " + std::string(200, 'a') + ".html"), msg::HelpMapBadLine);
  EXPECT_STREQ(Refusal("1 index.html#" + std::string(100, 'a')), msg::HelpMapBadLine);
}

TEST(HelpContextMapTest, BoundsTheFile) {
  std::string many;
  for (std::size_t i = 0; i <= HelpContextMap::kMaxLines; ++i) many += "#\n";
  EXPECT_STREQ(Refusal(many), msg::HelpMapTooLong);
  EXPECT_STREQ(Refusal(std::string(HelpContextMap::kMaxBytes + 1, '#')), msg::HelpMapTooLarge);

  test::TempDir dir;
  const fs::path big = dir.path() / "contexts.txt";
  WriteFile(big, std::string(HelpContextMap::kMaxBytes + 10, '\n'));
  EXPECT_THROW(HelpContextMap::load(big), EFormatError);
  EXPECT_THROW(HelpContextMap::load(dir.path() / "missing.txt"), EFormatError);
}

TEST(HelpFilesTest, ChoosesTheLanguageFolderWithEnglishAsFallback) {
  test::TempDir dir;
  const fs::path root = dir.path();
  EXPECT_FALSE(HelpFiles::languageFolder(root, HelpFiles::kRussian).has_value());
  WriteFile(root / "VA_ENU" / "index.html", "<html></html>");
  EXPECT_EQ(HelpFiles::languageFolder(root, HelpFiles::kEnglish), root / "VA_ENU");
  // Russian without its pages, and a language without help, read English.
  fs::create_directories(root / "VA_RUS");
  EXPECT_EQ(HelpFiles::languageFolder(root, HelpFiles::kRussian), root / "VA_ENU");
  EXPECT_EQ(HelpFiles::languageFolder(root, 1031), root / "VA_ENU");
  WriteFile(root / "VA_RUS" / "index.html", "<html></html>");
  EXPECT_EQ(HelpFiles::languageFolder(root, HelpFiles::kRussian), root / "VA_RUS");
}

TEST(HelpFilesTest, LocatesContextsAndFallsBackToTheContents) {
  test::TempDir dir;
  const fs::path folder = dir.path() / "VA_ENU";
  WriteFile(folder / "index.html", "");
  WriteFile(folder / "peaks.html", "");
  WriteFile(folder / "contexts.txt", "30 peaks.html#peaks-window\n31 gone.html#x\n");

  std::optional<Message> problem;
  HelpFiles::Location place = HelpFiles::locate(folder, 30, &problem);
  EXPECT_EQ(place.page, folder / "peaks.html");
  EXPECT_EQ(place.anchor, "peaks-window");
  EXPECT_FALSE(problem.has_value());
  // A listed page that is missing, and an unlisted number, open the contents.
  EXPECT_EQ(HelpFiles::locate(folder, 31).page, folder / "index.html");
  EXPECT_EQ(HelpFiles::locate(folder, 777).page, folder / "index.html");

  // A damaged map: the contents, and the reason.
  WriteFile(folder / "contexts.txt", "30 ../../etc/passwd.html\n");
  place = HelpFiles::locate(folder, 30, &problem);
  EXPECT_EQ(place.page, folder / "index.html");
  EXPECT_TRUE(place.anchor.empty());
  ASSERT_TRUE(problem.has_value());
  EXPECT_STREQ(problem->text, msg::HelpMapBadLine);
  // No map at all.
  fs::remove(folder / "contexts.txt");
  problem.reset();
  EXPECT_EQ(HelpFiles::locate(folder, 30, &problem).page, folder / "index.html");
  EXPECT_TRUE(problem.has_value());
}

}  // namespace
