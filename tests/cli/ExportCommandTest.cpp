#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "CliRunner.h"
#include "DocumentFile.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::Cli;
using velmora::test::CliRun;
using velmora::test::TempDir;
namespace fs = std::filesystem;

namespace {

// Two roots named alike and one with a slash and a colon; sweeps on a
// background of about 20 µA.
void WriteDocument(const fs::path& file) {
  TNodeForest f;
  TNode* after = nullptr;
  for (const char* name : {"Zn 1", "Zn 1", "Pb/Cu: 2"}) {
    TNode* n = f.CreateNode();
    n->SetNameSilently(name);
    n->SetRecord(std::make_unique<TVAStruct>(n));
    f.InsertNode(nullptr, after, n);
    after = n;
    TDataArr pts;
    for (int i = 0; i < 400; ++i) pts.push_back({-1200.0 + 3.0 * i, 20.0 + 0.01 * i});
    n->VA()->SetData(pts);
  }
  DocumentFile::SaveDocument(f, file);
}

}  // namespace

TEST(ExportCommand, TextFilesWorkbookAndPictures) {
  TempDir dir;
  WriteDocument(dir / "doc.tvx");

  const CliRun txt = Cli({"export", (dir / "doc.tvx").string(), "--format", "txt", "-o", (dir / "curves").string()});
  ASSERT_EQ(txt.status, 0) << txt.err;
  EXPECT_TRUE(fs::exists(dir / "curves" / "Zn 1.txt"));
  EXPECT_TRUE(fs::exists(dir / "curves" / "Zn 1_0.txt"));
  const std::string third = TempDir::readFile(dir / "curves" / "Pb_Cu_ 2.txt");
  EXPECT_EQ(third.substr(0, 23), "-1200.000000 20.000000\n");

  const CliRun xlsx = Cli({"export", (dir / "doc.tvx").string(), "--format", "xlsx", "-o", (dir / "c.xlsx").string()});
  ASSERT_EQ(xlsx.status, 0) << xlsx.err;
  EXPECT_NE(xlsx.out.find("\"SeriesCount\":3"), std::string::npos) << xlsx.out;

  for (const char* format : {"png", "svg", "pdf", "bmp"}) {
    SCOPED_TRACE(format);
    const fs::path out = dir / (std::string("chart.") + format);
    const CliRun pic = Cli({"export", (dir / "doc.tvx").string(), "--format", format, "-o", out.string(), "--width",
                            "640", "--height", "400"});
    ASSERT_EQ(pic.status, 0) << pic.err;
    const std::string bytes = TempDir::readFile(out);
    ASSERT_GT(bytes.size(), 100u);
    const std::string f = format;
    const std::string magic = f == "png" ? bytes.substr(1, 3) : f == "pdf" ? bytes.substr(0, 5) : bytes.substr(0, 2);
    const std::string expected = f == "png" ? "PNG" : f == "pdf" ? "%PDF-" : f == "bmp" ? "BM" : "<?";
    EXPECT_EQ(magic, expected);
    if (f == "svg") {
      EXPECT_NE(bytes.find("<svg"), std::string::npos);
      EXPECT_NE(bytes.find("width=\"640"), std::string::npos);
    }
  }

  EXPECT_EQ(Cli({"export", (dir / "doc.tvx").string(), "--format", "gif", "-o", "x"}).status, 2);
  EXPECT_EQ(Cli({"export", (dir / "doc.tvx").string(), "--format", "png"}).status, 2);
  EXPECT_EQ(Cli({"export", (dir / "nothing.tvx").string(), "--format", "txt", "-o", "x"}).status, 1);
}

TEST(ExportCommand, ConvertReadsInstrumentTablesWithChosenColumns) {
  TempDir dir;
  TempDir::writeFile(dir / "scan.csv",
                     "Time (s);Potential (V);Current (A)\n0;-1,2;2,0E-05\n0,1;-1,19;2,1E-05\n0,2;-1,18;2,3E-05\n");
  // Three columns take a choice.
  const CliRun refused = Cli({"convert", (dir / "scan.csv").string(), (dir / "a.tvx").string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("3 columns"), std::string::npos) << refused.err;
  const CliRun chosen =
      Cli({"convert", (dir / "scan.csv").string(), (dir / "a.tvx").string(), "--x-column", "2", "--y-column", "3"});
  ASSERT_EQ(chosen.status, 0) << chosen.err;
  const CliRun dump = Cli({"dump", (dir / "a.tvx").string()});
  ASSERT_EQ(dump.status, 0);
  EXPECT_NE(dump.out.find("-1180"), std::string::npos);
  EXPECT_NE(dump.out.find("23"), std::string::npos);
  EXPECT_EQ(Cli({"convert", (dir / "scan.csv").string(), (dir / "b.tvx").string(), "--x-column", "2"}).status, 2);
  EXPECT_EQ(
      Cli({"convert", (dir / "scan.csv").string(), (dir / "b.tvx").string(), "--x-column", "0", "--y-column", "1"})
          .status,
      2);
  const CliRun missing =
      Cli({"convert", (dir / "scan.csv").string(), (dir / "b.tvx").string(), "--x-column", "2", "--y-column", "9"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no column 9"), std::string::npos);
}
