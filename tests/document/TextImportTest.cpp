#include <gtest/gtest.h>

#include <cmath>

#include "ForestTestUtil.h"
#include "FormatError.h"
#include "TempDir.h"
#include "TextImport.h"

using namespace velmora;
using velmora::test::TempDir;

TEST(TextImport, LineRules) {
  EXPECT_EQ(TextImport::ParseLine("1 2"), (TDataPoint{1, 2}));
  EXPECT_EQ(TextImport::ParseLine("-100.5\t3e-2"), (TDataPoint{-100.5, 0.03}));
  EXPECT_EQ(TextImport::ParseLine("1    2"), (TDataPoint{1, 2}));  // Y is extended over empty gaps
  EXPECT_EQ(TextImport::ParseLine("1 2 3"), (TDataPoint{1, 2}));
  EXPECT_EQ(TextImport::ParseLine("1\t2\r"), (TDataPoint{1, 2}));
  EXPECT_EQ(TextImport::ParseLine("1,5 2,25", ','), (TDataPoint{1.5, 2.25}));
  EXPECT_THROW(TextImport::ParseLine("1\t\t2"), EFormatError);  // a tab left in Y
  EXPECT_THROW(TextImport::ParseLine(""), EFormatError);
  EXPECT_THROW(TextImport::ParseLine("7"), EFormatError);
  EXPECT_THROW(TextImport::ParseLine("x 1"), EFormatError);
  EXPECT_THROW(TextImport::ParseLine("1,5 2", '.'), EFormatError);
  try {
    TextImport::ParseLine("1 abc");
    FAIL();
  } catch (const EFormatError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
  // Only the first 255 characters of a line are read.
  EXPECT_EQ(TextImport::ParseLine("1 2" + std::string(300, '0')).Y, 2e252);
}

TEST(TextImport, TextAndFileNames) {
  EXPECT_EQ(TextImport::ParseText("1 2\n3 4\r\n5 6").size(), 3u);
  EXPECT_EQ(TextImport::ParseText("1 2\n").size(), 1u);
  EXPECT_THROW(TextImport::ParseText("1 2\n\n3 4\n"), EFormatError);
  EXPECT_EQ(TextImport::NodeName("/data/zinc.run1.dat"), "zinc");
  EXPECT_EQ(TextImport::NodeName("/data/plain"), "plain");
}

TEST(TextImport, ImportAppendsOneNodePerFileAndKeepsItOnFailure) {
  TempDir dir;
  TempDir::writeFile(dir / "good.dat", "-100 0.5\n-90 0.75\n");
  TempDir::writeFile(dir / "bad.txt", "-100 0.5\noops\n");
  TNodeForest f;
  TNode* n = TextImport::ImportText(f, dir / "good.dat");
  EXPECT_EQ(n->Name, "good");
  EXPECT_EQ(n->VA()->Data, (TDataArr{{-100, 0.5}, {-90, 0.75}}));
  EXPECT_EQ(n->VA()->DatabaseName, "");
  EXPECT_GT(n->VA()->RecordDate, 40000.0);
  EXPECT_THROW(TextImport::ImportText(f, dir / "bad.txt"), EFormatError);
  ASSERT_NE(f.FirstRoot()->NextSibling, nullptr);
  EXPECT_EQ(f.FirstRoot()->NextSibling->Name, "bad");
  EXPECT_TRUE(f.FirstRoot()->NextSibling->VA()->Data.empty());
}
