#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#include <atomic>
#include <cmath>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ChartWorkbook.h"
#include "FormatError.h"
#include "MissingFacility.h"
#include "PngFile.h"
#include "TableWorkbook.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::TempDir;

namespace {

// One member of the zip archive, read with the unzip tool.
std::string Member(const std::filesystem::path& archive, const std::string& member) {
  const std::string command = "unzip -p '" + archive.string() + "' '" + member + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  if (!pipe) return out;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) out.append(buffer, n);
  return out;
}

bool HaveUnzip() { return std::system("unzip -v >/dev/null 2>&1") == 0; }

TDataArr Sweep(double y0, int n) {
  TDataArr pts;
  for (int i = 0; i < n; ++i) pts.push_back({-1000.0 + 10.0 * i, y0 + 0.5 * i});
  return pts;
}

}  // namespace

TEST(ChartWorkbook, SheetNamesTheSpreadsheetAccepts) {
  EXPECT_EQ(ChartWorkbook::SheetName("zinc.tvx"), "zinc.tvx");
  EXPECT_EQ(ChartWorkbook::SheetName("a[b]:c*d?e/f\\g"), "a_b__c_d_e_f_g");
  EXPECT_EQ(ChartWorkbook::SheetName("'quoted'"), "quoted");
  EXPECT_EQ(ChartWorkbook::SheetName(""), "Sheet1");
  EXPECT_EQ(ChartWorkbook::SheetName(std::string(40, 'x')), std::string(31, 'x'));
  // 31 characters, not bytes, and no torn UTF-8 sequence.
  std::string cyrillic;
  for (int i = 0; i < 40; ++i) cyrillic += "ж";
  EXPECT_EQ(ChartWorkbook::SheetName(cyrillic).size(), 62u);
}

TEST(ChartWorkbook, CellsAndChartReadBack) {
  if (!HaveUnzip()) VELMORA_MISSING_FACILITY() << "unzip is not installed";
  TempDir dir;
  const auto file = dir / "out.xlsx";
  ChartWorkbook::Write(file, "Zn Cd Pb.tvx", {{"Background", Sweep(20, 3)}, {"Sample 1", Sweep(30, 5)}});

  const std::string book = Member(file, "xl/workbook.xml");
  EXPECT_NE(book.find("name=\"Zn Cd Pb.tvx\""), std::string::npos) << book;
  const std::string sheet = Member(file, "xl/worksheets/sheet1.xml");
  // Titles in row 2, columns B and D; points from row 3: X in B/D, Y in C/E.
  EXPECT_NE(sheet.find("<c r=\"B2\""), std::string::npos);
  EXPECT_NE(sheet.find("Background"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"D2\""), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"B3\"><v>-1000</v></c><c r=\"C3\"><v>20</v></c>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<c r=\"D7\"><v>-960</v></c><c r=\"E7\"><v>32</v></c>"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("<c r=\"B6\""), std::string::npos);  // the first series has three points only
  EXPECT_EQ(sheet.find("<c r=\"A"), std::string::npos);

  const std::string chart = Member(file, "xl/charts/chart1.xml");
  EXPECT_NE(chart.find("<c:scatterChart>"), std::string::npos);
  EXPECT_NE(chart.find("<c:scatterStyle val=\"lineMarker\"/>"), std::string::npos);
  EXPECT_NE(chart.find("<c:symbol val=\"none\"/>"), std::string::npos);
  EXPECT_NE(chart.find("'Zn Cd Pb.tvx'!$B$3:$B$5"), std::string::npos) << chart;
  EXPECT_NE(chart.find("'Zn Cd Pb.tvx'!$E$3:$E$7"), std::string::npos);
  EXPECT_NE(chart.find("'Zn Cd Pb.tvx'!$D$2"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(ChartWorkbook, NoSeriesGivesTheWorksheetAloneAndAMissingFolderFails) {
  if (!HaveUnzip()) VELMORA_MISSING_FACILITY() << "unzip is not installed";
  TempDir dir;
  const auto file = dir / "empty.xlsx";
  ChartWorkbook::Write(file, "doc", {});
  EXPECT_NE(Member(file, "xl/worksheets/sheet1.xml").find("<worksheet"), std::string::npos);
  EXPECT_EQ(Member(file, "xl/charts/chart1.xml"), "");

  EXPECT_THROW(ChartWorkbook::Write(dir / "no-such-folder" / "x.xlsx", "doc", {{"a", Sweep(0, 2)}}), EFormatError);
}

// A write to the very file that fails half-way leaves its old bytes as they
// were, and nothing else behind: the disk refuses to grow any file beyond a
// few kilobytes while the workbook is written.
TEST(ChartWorkbook, AFailedWriteKeepsTheOldFile) {
  TempDir dir;
  const auto file = dir / "book.xlsx";
  const std::string previous = "the previous workbook's bytes";
  TempDir::writeFile(file, previous);
  {
    struct FileSizeLimit {
      rlimit saved{};
      void (*handler)(int) = nullptr;
      explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
      }
      ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
      }
    } limit(4096);
    EXPECT_THROW(ChartWorkbook::Write(file, "doc", {{"a", Sweep(0, 20000)}, {"b", Sweep(5, 20000)}}), EFormatError);
  }
  EXPECT_EQ(TempDir::readFile(file), previous);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  // Written again without the limit, the new workbook takes its place.
  ChartWorkbook::Write(file, "doc", {{"a", Sweep(0, 20000)}});
  EXPECT_GT(std::filesystem::file_size(file), 4096u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Another user's link beside the target is never written through, and the
// target itself, when it is a link, is replaced rather than followed.
TEST(ChartWorkbook, WritesThroughNoLink) {
  TempDir dir;
  TempDir elsewhere;
  const auto victim = elsewhere / "victim.txt";
  TempDir::writeFile(victim, "the victim's bytes");
  const auto file = dir / "book.xlsx";
  for (const std::string& name : {"book.xlsx.tmp" + std::to_string(::getpid()), std::string(".book.xlsx.tmp")})
    std::filesystem::create_symlink(victim, dir / name);
  ChartWorkbook::Write(file, "doc", {{"a", Sweep(0, 3)}});
  EXPECT_EQ(TempDir::readFile(victim), "the victim's bytes");
  EXPECT_FALSE(std::filesystem::is_symlink(file));
  std::filesystem::remove(file);
  std::filesystem::create_symlink(victim, file);
  ChartWorkbook::Write(file, "doc", {{"a", Sweep(0, 3)}});
  EXPECT_EQ(TempDir::readFile(victim), "the victim's bytes");
  EXPECT_FALSE(std::filesystem::is_symlink(file));
}

TEST(ChartWorkbook, WorkbooksWithNamesAsLongAsTheFolderAllowsCanBeWritten) {
  TempDir dir;
  // 122 Cyrillic letters and ".xlsx": 249 bytes.
  std::string name;
  for (int i = 0; i < 122; ++i) name += "\xD0\xAF";
  name += ".xlsx";
  ChartWorkbook::Write(dir / name, "doc", {{"a", Sweep(0, 2)}});
  std::vector<std::string> entries;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) entries.push_back(e.path().filename().string());
  EXPECT_EQ(entries, std::vector<std::string>{name});
  EXPECT_GT(std::filesystem::file_size(dir / name), 0u);

  // The archive's table replaces it under the same long name.
  const auto before = std::filesystem::file_size(dir / name);
  TableWorkbook::Write(dir / name, "Results", {"Element", "Value"}, {{std::string("Zn"), 1.25}});
  entries.clear();
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) entries.push_back(e.path().filename().string());
  EXPECT_EQ(entries, std::vector<std::string>{name});
  EXPECT_NE(std::filesystem::file_size(dir / name), before);
}

TEST(ChartWorkbook, SplicedPointsUnpackToTheLibrarysOwnWorksheetByteForByte) {
  if (!HaveUnzip()) GTEST_SKIP() << "unzip is not installed";
  TempDir dir;
  // Ragged series, an untitled one, numbers that need exponents, many
  // columns (past "Z") and more rows than one compressed piece holds.
  std::vector<ChartWorkbook::Series> series;
  for (int b = 0; b < 15; ++b) {
    TDataArr pts;
    const int n = b == 3 ? 0 : 150 + 37 * b;
    for (int i = 0; i < n; ++i) {
      const double x = -1200.0 + 1300.0 * i / n;
      pts.push_back({x, (b % 4 == 0 ? 1e-7 : b % 4 == 1 ? 3.3e21 : 1.0) * std::sin(i * 0.37 + b)});
    }
    series.push_back({b == 5 ? std::string() : "Series & <" + std::to_string(b) + ">", pts});
  }
  const auto spliced = dir / "spliced.xlsx";
  const auto plain = dir / "plain.xlsx";
  ASSERT_TRUE(ChartWorkbook::Write(spliced, "doc", series));
  ASSERT_TRUE(ChartWorkbook::Write(plain, "doc", series, nullptr, ChartWorkbook::Cells::ThroughLibrary));
  const std::string sheet = Member(plain, "xl/worksheets/sheet1.xml");
  ASSERT_GT(sheet.size(), 10000u);
  EXPECT_EQ(Member(spliced, "xl/worksheets/sheet1.xml"), sheet);
  for (const char* part : {"xl/charts/chart1.xml", "xl/workbook.xml", "[Content_Types].xml", "xl/styles.xml",
                           "xl/drawings/drawing1.xml", "xl/worksheets/_rels/sheet1.xml.rels"}) {
    EXPECT_EQ(Member(spliced, part), Member(plain, part)) << part;
  }
  // The archive itself is sound.
  EXPECT_EQ(std::system(("unzip -tq '" + spliced.string() + "' >/dev/null 2>&1").c_str()), 0);

  // Without points, and with one series of one point.
  ASSERT_TRUE(ChartWorkbook::Write(spliced, "doc", {{"", {}}}));
  ASSERT_TRUE(ChartWorkbook::Write(plain, "doc", {{"", {}}}, nullptr, ChartWorkbook::Cells::ThroughLibrary));
  EXPECT_EQ(Member(spliced, "xl/worksheets/sheet1.xml"), Member(plain, "xl/worksheets/sheet1.xml"));
  ASSERT_TRUE(ChartWorkbook::Write(spliced, "doc", {{"", {{1.5, -2.25}}}}));
  ASSERT_TRUE(
      ChartWorkbook::Write(plain, "doc", {{"", {{1.5, -2.25}}}}, nullptr, ChartWorkbook::Cells::ThroughLibrary));
  EXPECT_EQ(Member(spliced, "xl/worksheets/sheet1.xml"), Member(plain, "xl/worksheets/sheet1.xml"));
}

TEST(ChartWorkbook, ACancelledWorkbookLeavesTheFileAsItWas) {
  TempDir dir;
  TempDir::writeFile(dir / "book.xlsx", "previous");
  std::atomic<bool> cancel{true};
  EXPECT_FALSE(ChartWorkbook::Write(dir / "book.xlsx", "doc", {{"a", Sweep(0, 5000)}}, &cancel));
  EXPECT_EQ(TempDir::readFile(dir / "book.xlsx"), "previous");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(PngFile, EncodesRowsAndRefusesWrongSizes) {
  const int w = 3, h = 2;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w * h * 4), 0xff);
  rgba[0] = 0x12;
  const auto png = PngFile::Encode(rgba, w, h, w * 4);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  // IHDR holds width and height big-endian at bytes 16 and 20.
  EXPECT_EQ(png[19], 3);
  EXPECT_EQ(png[23], 2);
  EXPECT_THROW(PngFile::Encode(rgba, w, h + 1, w * 4), EFormatError);
  EXPECT_THROW(PngFile::Encode(rgba, 0, h, w * 4), EFormatError);
  EXPECT_THROW(PngFile::Encode(rgba, w, h, 4), EFormatError);
}
