// "velmora-cli COMMAND --help" for every command: the command's usage on
// standard output and status 0, while the commands' own contracts stay.
#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace velmora;
using velmora::test::Cli;
using velmora::test::CliRun;

TEST(CliCommandHelp, EveryCommandPrintsItsUsage) {
  ASSERT_GE(CliCommands::all().size(), 9u);
  for (const CliCommand& c : CliCommands::all()) {
    SCOPED_TRACE(c.name);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{c.name, "--help"}, std::vector<std::string>{c.name, "-h"},
          std::vector<std::string>{c.name, "some-file.tvx", "--help"}}) {
      const CliRun r = Cli(args);
      EXPECT_EQ(r.status, 0);
      EXPECT_TRUE(r.err.empty()) << r.err;
      EXPECT_EQ(r.out.rfind(std::string("Usage: velmora-cli ") + c.usage + "\n", 0), 0u) << r.out;
      // The summary's first words, wrapped into lines of at most 78 characters.
      const std::string summary(c.summary);
      EXPECT_NE(r.out.find(summary.substr(0, summary.find(' '))), std::string::npos);
      std::istringstream lines(r.out);
      for (std::string line; std::getline(lines, line);)
        if (line.rfind("Usage:", 0) != 0) {
          EXPECT_LE(line.size(), 78u) << line;
        }
    }
  }
}

TEST(CliCommandHelp, CommandsWithoutHelpKeepTheirUsageErrors) {
  // Missing arguments stay usage errors on standard error.
  for (const char* name : {"dump", "convert", "peaks", "process", "calc", "record", "export"}) {
    SCOPED_TRACE(name);
    const CliRun r = Cli({name});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());
  }
  // A file that is not there is unusable input, not a request for help.
  const CliRun missing = Cli({"dump", "/no/such/file.tvx"});
  EXPECT_EQ(missing.status, 1);
  // The program's own help and version are unchanged.
  EXPECT_EQ(Cli({"--help"}).status, 0);
  EXPECT_EQ(Cli({"--version"}).out.rfind("velmora-cli ", 0), 0u);
}
