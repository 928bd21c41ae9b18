#include <gtest/gtest.h>

#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "CurveTextExport.h"
#include "FormatError.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::TempDir;

namespace {

std::string CFormat(double x, double y) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%8.6f %8.6f\n", x, y);
  return buffer;
}

}  // namespace

TEST(CurveTextExport, LinesMatchTheCFormatWhateverTheLocale) {
  const double values[] = {0.0,       -0.0,      1.0,         -1.0,        12.5,         -1200.0, 0.0000004,
                           0.0000005, 0.000001,  -0.00000049, 1e-300,      123456789.25, 1e20,    -3.14159265358979,
                           2.5e-7,    0.1234565, 45.6789125,  999.9999995, -999.9999995};
  for (double x : values) {
    for (double y : {0.0, -17.25, 33.3333333}) {
      std::string line;
      CurveTextExport::AppendLine(line, x, y);
      EXPECT_EQ(line, CFormat(x, y)) << x << " " << y;
    }
  }
  // A locale with a decimal comma changes nothing in the files.
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
    std::string line;
    CurveTextExport::AppendLine(line, -1.5, 2.25);
    EXPECT_EQ(line, "-1.500000 2.250000\n");
    std::setlocale(LC_NUMERIC, "C");
  }
  EXPECT_EQ(CurveTextExport::FormatPoints(TDataArr{{-1000, 12.5}, {-999.5, 0.0001}}),
            "-1000.000000 12.500000\n-999.500000 0.000100\n");
}

TEST(CurveTextExport, FileNamesFollowTheNodeNames) {
  EXPECT_EQ(CurveTextExport::SafeName("Zn/Cd: 1"), "Zn_Cd_ 1");
  EXPECT_EQ(CurveTextExport::SafeName("a\"b*c<d>e?f\\g|h"), "a'b.c_d_e_f_g_h");
  EXPECT_EQ(CurveTextExport::SafeName("Проба 1"), "Проба 1");

  TempDir dir;
  const std::vector<CurveTextExport::Curve> curves = {
      {"Sample", {{-1000, 10}, {-990, 11}}},
      {"Sample", {{-1000, 20}}},
      {"Sample", {}},
      {"Pb/Cu:2", {{1, 2}}},
  };
  const auto files = CurveTextExport::ExportCurves(dir.path(), curves);
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files[0].filename(), "Sample.txt");
  EXPECT_EQ(files[1].filename(), "Sample_0.txt");
  EXPECT_EQ(files[2].filename(), "Sample_1.txt");
  EXPECT_EQ(files[3].filename(), "Pb_Cu_2.txt");
  EXPECT_EQ(TempDir::readFile(files[0]), "-1000.000000 10.000000\n-990.000000 11.000000\n");
  EXPECT_EQ(TempDir::readFile(files[2]), "");

  // A second export beside the first never replaces its files.
  const auto again = CurveTextExport::ExportCurves(dir.path(), {{"Sample", {{5, 6}}}});
  EXPECT_EQ(again.front().filename(), "Sample_2.txt");
  EXPECT_EQ(TempDir::readFile(files[0]), "-1000.000000 10.000000\n-990.000000 11.000000\n");
}

TEST(CurveTextExport, AFileThatCannotBeCreatedStopsTheExportAndKeepsTheFilesBefore) {
  TempDir dir;
  // The second name is a path into a folder that does not exist.
  const std::vector<CurveTextExport::Curve> curves = {{"first", {{1, 2}}}, {"", {{3, 4}}}};
  EXPECT_THROW(CurveTextExport::ExportCurves(dir / "missing", curves), EFormatError);
  const auto written = CurveTextExport::ExportCurves(dir.path(), {{"first", {{1, 2}}}});
  EXPECT_TRUE(std::filesystem::exists(written.front()));
  EXPECT_THROW(CurveTextExport::ExportCurves(dir / "first.txt", {{"x", {}}}), EFormatError);
  EXPECT_TRUE(std::filesystem::exists(dir / "first.txt"));
}

// The fast path for ordinary values gives the C library's digits, also for
// values whose seventh decimal lies close to a half.
TEST(CurveTextExport, NumbersOfEveryMagnitudeMatchTheCFormat) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-9, 10);
  std::uniform_int_distribution<long long> micro(-2'000'000'000LL, 2'000'000'000LL);
  for (int i = 0; i < 200000; ++i) {
    double x = mantissa(rng) * std::pow(10.0, exponent(rng));
    // Every third value a multiple of a millionth plus one half of one.
    if (i % 3 == 0) x = (static_cast<double>(micro(rng)) + 0.5) / 1e6;
    std::string line;
    CurveTextExport::AppendLine(line, x, -x);
    ASSERT_EQ(line, CFormat(x, -x)) << std::hexfloat << x;
  }
}

// The files are the ones a plain loop over the curves writes, whatever the
// number of cores; a cancelled export leaves nothing of its own behind.
TEST(CurveTextExport, ManyCurvesGiveTheFilesOfTheLoopAndACancelledExportLeavesNothing) {
  TempDir dir;
  std::vector<CurveTextExport::Curve> curves;
  for (int c = 0; c < 40; ++c) {
    TDataArr points;
    for (int i = 0; i < 500; ++i) points.push_back({-1200.0 + i * 0.25, std::sin(i * 0.1 + c)});
    curves.push_back({c % 3 == 0 ? "Same" : "Curve " + std::to_string(c), points});
  }
  TempDir::writeFile(dir / "Same.txt", "somebody else's");
  const auto files = CurveTextExport::ExportCurves(dir.path(), curves);
  ASSERT_EQ(files.size(), curves.size());
  EXPECT_EQ(files[0].filename(), "Same_0.txt");
  EXPECT_EQ(files[3].filename(), "Same_1.txt");
  for (std::size_t c = 0; c < curves.size(); ++c)
    EXPECT_EQ(TempDir::readFile(files[c]), CurveTextExport::FormatPoints(curves[c].Points)) << c;

  TempDir other;
  std::atomic<bool> cancel{false};
  std::atomic<std::size_t> done{0};
  TempDir::writeFile(other / "Same.txt", "somebody else's");
  cancel = true;
  EXPECT_TRUE(CurveTextExport::ExportCurves(other.path(), curves, &cancel, &done).empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(other.path()), {}), 1);
  EXPECT_EQ(TempDir::readFile(other / "Same.txt"), "somebody else's");
}
