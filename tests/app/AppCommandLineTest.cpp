// The workstation's command line: help, version, the document's words and
// the hidden switches of the start-up.
#include <gtest/gtest.h>

#include "AppCommandLine.h"

using namespace velmora;

namespace {

AppCommandLine::Outcome parse(AppCommandLine& line, QStringList args) {
  args.prepend(QStringLiteral("velmora-va"));
  return line.parse(args);
}

bool textOnly(std::vector<std::string> args) {
  args.insert(args.begin(), "velmora-va");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  return AppCommandLine::wantsTextOnly(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

TEST(AppCommandLineTest, HelpAndVersionAreAnswersNotDocuments) {
  AppCommandLine line;
  EXPECT_EQ(parse(line, {"--help"}), AppCommandLine::Outcome::Help);
  EXPECT_TRUE(line.helpText().contains("--version"));
  EXPECT_TRUE(line.helpText().contains("document"));
  EXPECT_FALSE(line.helpText().contains("--screenshots"));  // the tour's switch stays out of sight
  EXPECT_EQ(parse(line, {"-h"}), AppCommandLine::Outcome::Help);
  EXPECT_EQ(parse(line, {"--version"}), AppCommandLine::Outcome::Version);
  EXPECT_TRUE(AppCommandLine::versionText().startsWith("velmora-va "));
  EXPECT_FALSE(AppCommandLine::versionText().endsWith(' '));
  EXPECT_EQ(parse(line, {"--no-such-switch"}), AppCommandLine::Outcome::Error);
  EXPECT_TRUE(line.errorText().contains("no-such-switch"));

  EXPECT_TRUE(textOnly({"--help"}));
  EXPECT_TRUE(textOnly({"a.tvx", "--version"}));
  EXPECT_FALSE(textOnly({"a.tvx"}));
  EXPECT_TRUE(textOnly({"--no-such-switch"}));
  EXPECT_FALSE(textOnly({"--screenshots", "-dir", "--demo"}));
  EXPECT_FALSE(textOnly({"--", "--help"}));  // a document of that name
}

TEST(AppCommandLineTest, DocumentWordsAndTheHiddenSwitchesReachTheStartUp) {
  AppCommandLine line;
  // A file name with blanks arrives in pieces; the start-up joins them.
  ASSERT_EQ(parse(line, {"/data/my", "run.tvx"}), AppCommandLine::Outcome::Run);
  EXPECT_EQ(line.startArguments(), (QStringList{"/data/my", "run.tvx"}));
  ASSERT_EQ(parse(line, {"--screenshots", "/tmp/shots"}), AppCommandLine::Outcome::Run);
  EXPECT_EQ(line.startArguments(), (QStringList{"--screenshots", "/tmp/shots"}));
  ASSERT_EQ(parse(line, {"--demo", "x.tvx"}), AppCommandLine::Outcome::Run);
  EXPECT_EQ(line.startArguments(), (QStringList{"x.tvx", "--demo"}));
  ASSERT_EQ(parse(line, {"--", "--help"}), AppCommandLine::Outcome::Run);
  EXPECT_EQ(line.startArguments(), (QStringList{"--help"}));
  // The tour's switch without its folder is a mistake, not a document.
  EXPECT_EQ(parse(line, {"--screenshots"}), AppCommandLine::Outcome::Error);
  // The tour in Russian; an unknown language is refused.
  ASSERT_EQ(parse(line, {"--screenshots", "/tmp/ru", "--language", "ru"}), AppCommandLine::Outcome::Run);
  EXPECT_EQ(line.startArguments(), (QStringList{"--screenshots", "/tmp/ru", "--language", "ru"}));
  EXPECT_FALSE(textOnly({"--screenshots", "/tmp/ru", "--language", "ru"}));
  EXPECT_EQ(parse(line, {"--language", "xx"}), AppCommandLine::Outcome::Error);
}
