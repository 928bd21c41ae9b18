#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "CliDocument.h"
#include "IniFile.h"
#include "JsonReader.h"
#include "JsonWriter.h"
#include "MissingFacility.h"
#include "Numbers.h"
#include "PeakFormat.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "TextImport.h"

using namespace velmora;

namespace {

// The workstation runs with the C library's locale taken from the user's
// environment (the window toolkit sets it); these tests run every number
// path under a locale that writes "1,5".
class CommaLocale : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "ru_RU.UTF-8", "ru_RU.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr && std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
        active_ = true;
        return;
      }
    }
    std::setlocale(LC_ALL, "C");
  }
  static void TearDownTestSuite() { std::setlocale(LC_ALL, "C"); }
  void SetUp() override {
    if (!active_)
      VELMORA_MISSING_FACILITY() << "no locale with a decimal comma is installed (scripts/install-deps makes one)";
  }
  static inline bool active_ = false;
};

TEST_F(CommaLocale, PeakValuesAndNumbersAreWrittenWithAPoint) {
  EXPECT_EQ(LocaleDecimalSeparator(), ',');
  EXPECT_EQ(FormatPeakValue(12.345), "12.3");
  EXPECT_EQ(FormatPeakValue(2.0), "2.00");
  EXPECT_EQ(FormatPeakValue(0.5), "0.500");
  EXPECT_EQ(FormatPeakValue(0.001234), "0.00123");
  EXPECT_EQ(FormatFixed(123456789.0, 5, 1), "1.2346E8");
  EXPECT_EQ(FormatFixed(0.00001234, 3, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.0001, 5, 2), "0.00");
  EXPECT_EQ(FormatDecimals(-3.25, 1), "-3.2");
  EXPECT_EQ(FormatShortest(0.1), "0.1");

  JsonWriter json;
  json.beginArray().value(2.5).value(-1e-7).endArray();
  EXPECT_EQ(json.str(), "[2.5,-1e-07]");

  IniFile ini;
  ini.writeFloat("Record", "MaxCurrent", 0.75);
  EXPECT_NE(ini.serialize().find("MaxCurrent=0.75"), std::string::npos);
  EXPECT_EQ(ini.readFloat("Record", "MaxCurrent", -1), 0.75);
}

TEST_F(CommaLocale, JsonNumbersAreReadWithAPoint) {
  const JsonValue v = JsonReader::Parse(R"({"a": 1.5, "b": [-2.25e-3, 1e-400, 0.1]})");
  EXPECT_EQ(v.field("a")->number, 1.5);
  const JsonValue& b = *v.field("b");
  ASSERT_EQ(b.items.size(), 3u);
  EXPECT_EQ(b.items[0].number, -2.25e-3);
  EXPECT_EQ(b.items[1].number, 0.0);  // below the smallest double
  EXPECT_EQ(b.items[2].number, 0.1);
  EXPECT_THROW(JsonReader::Parse("[1e400]"), std::exception);
  EXPECT_THROW(JsonReader::Parse("[1,5]x"), std::exception);
}

TEST_F(CommaLocale, TextImportTakesThePointAndTheSystemSeparator) {
  const TDataArr points = TextImport::ParseText("-500.5\t1,25\n-499,5 2.75\n", LocaleDecimalSeparator());
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].X, -500.5);
  EXPECT_EQ(points[0].Y, 1.25);
  EXPECT_EQ(points[1].X, -499.5);
  EXPECT_EQ(points[1].Y, 2.75);

  // The command-line face reads a text file the same way.
  test::TempDir dir;
  test::TempDir::writeFile(dir / "curve.txt", "-1000.0 12,5\n-998,0 12.75\n");
  TNodeForest forest;
  CliDocument::Load(forest, dir / "curve.txt");
  ASSERT_NE(forest.FirstRoot(), nullptr);
  const TDataArr& data = forest.FirstRoot()->VA()->Data;
  ASSERT_EQ(data.size(), 2u);
  EXPECT_EQ(data[1].X, -998.0);
  EXPECT_EQ(data[0].Y, 12.5);
}

}  // namespace
