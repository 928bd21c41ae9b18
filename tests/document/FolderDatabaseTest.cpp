#include <gtest/gtest.h>

#include <filesystem>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FileIo.h"
#include "FolderDatabase.h"
#include "ForestTestUtil.h"
#include "FormatError.h"
#include "OldPeakEntry.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::AddLeaf;
using velmora::test::Line;
using velmora::test::TempDir;

namespace {

std::vector<std::uint8_t> IndexBytes(std::int32_t highest) {
  BinaryWriter w;
  w.i32(highest);
  return w.take();
}

std::int32_t ReadIndex(const std::filesystem::path& file) {
  const auto bytes = FileIo::readAll(file);
  BinaryReader in(bytes);
  return in.i32();
}

TNode* AddCurve(TNodeForest& f, const std::string& dbName, double level) {
  TNode* n = AddLeaf(f, f.LastRoot(), nullptr, dbName, Line(-500, 10, 30, level, 0.0));
  n->VA()->DatabaseName = dbName;
  n->VA()->Params.SetComments("curve " + dbName);
  return n;
}

}  // namespace

TEST(FolderDatabase, CurveFileNamesAndNumbers) {
  EXPECT_EQ(FolderDatabase::CurveFileName(0), "_______0.dbd");
  EXPECT_EQ(FolderDatabase::CurveFileName(123), "_____123.dbd");
  EXPECT_EQ(FolderDatabase::CurveFileName(9999999), "_9999999.dbd");
  EXPECT_EQ(FolderDatabase::CurveFileName(12345678), "12345678.dbd");
  EXPECT_EQ(FolderDatabase::CurveNumber("_____123.dbd"), 123);
  EXPECT_EQ(FolderDatabase::CurveNumber("1_2.dbd"), 12);
  EXPECT_THROW(FolderDatabase::CurveNumber("curve.dbd"), EFormatError);
  EXPECT_THROW(FolderDatabase::CurveNumber(""), EFormatError);
  EXPECT_EQ(FolderDatabase::CanonicalCurveNumber("_______7.dbd"), 7);
  EXPECT_FALSE(FolderDatabase::CanonicalCurveNumber("7.dbd"));
  EXPECT_FALSE(FolderDatabase::CanonicalCurveNumber("../_____7.dbd"));
  EXPECT_FALSE(FolderDatabase::CanonicalCurveNumber("______-7.dbd"));
}

TEST(FolderDatabase, SaveAndLoadNumberingAndGaps) {
  TempDir dir;
  TNodeForest f;
  for (int k = 0; k < 5; ++k) AddCurve(f, FolderDatabase::CurveFileName(k), k);
  TPeaks peaks;
  for (int i = 0; i < 3; ++i) {
    TPeakRecord p = TPeakRecord::Zero();
    p.Name = i == 0 ? "Zinc" : i == 1 ? "Cd" : "Pb";
    p.BeginIndex = i;
    p.EndIndex = i + 5;
    p.Reserved260 = 11;
    p.PeakValue = 0.5 * i;
    peaks.push_back(p);
  }
  f.FirstRoot()->VA()->Peaks = peaks;
  f.FirstRoot()->VA()->XShift = 100;  // the displayed points are stored
  const auto index = dir / "db.mbd";
  FolderDatabase::SaveFolderDatabase(f, index);
  EXPECT_EQ(ReadIndex(index), 4);
  EXPECT_EQ(std::filesystem::file_size(dir / "_______3.dbd"), 836u + 30 * 16);

  std::filesystem::remove(dir / "_______2.dbd");
  TNodeForest g;
  FolderDatabase::LoadFolderDatabase(g, index);
  std::vector<std::string> names;
  for (TNode* n = g.FirstRoot(); n; n = n->NextSibling) names.push_back(n->VA()->DatabaseName);
  EXPECT_EQ(names, (std::vector<std::string>{"_______0.dbd", "_______1.dbd", "_______3.dbd", "_______4.dbd"}));
  const TVAStruct& r = *g.FirstRoot()->VA();
  EXPECT_EQ(g.FirstRoot()->Name, "curve _______0.dbd");
  EXPECT_EQ(r.Data.front().X, -400.0);
  ASSERT_EQ(r.Peaks.size(), 3u);
  EXPECT_EQ(r.Peaks[0].Name, "Zinc");
  EXPECT_EQ(r.Peaks[2].Reserved260, 11);
  EXPECT_EQ(r.Peaks[2].PeakValue, 1.0);
  EXPECT_EQ(r.Peaks[2].CalcType, 0);
  EXPECT_GT(r.RecordDate, 40000.0);
}

TEST(FolderDatabase, PeakListEndsAtFarBordersAndOnlyTwentyOneAreKept) {
  TempDir dir;
  TNodeForest f;
  TNode* n = AddCurve(f, "_______0.dbd", 1);
  for (int i = 0; i < 25; ++i) {
    TPeakRecord p = TPeakRecord::Zero();
    p.Name = "P" + std::to_string(i);
    p.BeginIndex = i == 2 ? 6000 : i;
    n->VA()->Peaks.push_back(p);
  }
  FolderDatabase::TCurveFiles written;
  FolderDatabase::SaveFolderDatabase(f, dir / "db.mbd", nullptr, &written);
  TNodeForest g;
  FolderDatabase::LoadFolderDatabase(g, dir / "db.mbd");
  EXPECT_EQ(g.FirstRoot()->VA()->Peaks.size(), 2u);

  // Saved again over its own curve file.
  n->VA()->Peaks[2].BeginIndex = 2;
  FolderDatabase::SaveFolderDatabase(f, dir / "db.mbd", nullptr, &written);
  TNodeForest h;
  FolderDatabase::LoadFolderDatabase(h, dir / "db.mbd");
  EXPECT_EQ(h.FirstRoot()->VA()->Peaks.size(), 21u);
}

TEST(FolderDatabase, CurvesWithoutUsableNamesGetFreshNumbers) {
  TempDir dir;
  TNodeForest f;
  AddCurve(f, "_______3.dbd", 1);
  AddCurve(f, "", 2);                  // imported from text
  AddCurve(f, "_______3.dbd", 3);      // the same curve appended twice
  AddCurve(f, "../../escape.dbd", 4);  // never outside the folder
  FolderDatabase::SaveFolderDatabase(f, dir / "db.mbd");
  EXPECT_EQ(ReadIndex(dir / "db.mbd"), 6);
  EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path().parent_path() / "escape.dbd"));
  TNodeForest g;
  FolderDatabase::LoadFolderDatabase(g, dir / "db.mbd");
  std::vector<double> levels;
  for (TNode* n = g.FirstRoot(); n; n = n->NextSibling) levels.push_back(n->VA()->Data.front().Y);
  EXPECT_EQ(levels, (std::vector<double>{1, 2, 3, 4}));
}

TEST(FolderDatabase, DamagedIndexAndCurveFiles) {
  TempDir dir;
  // A huge index value costs nothing: only existing files are read.
  FileIo::writeAtomically(dir / "db.mbd", IndexBytes(2147483647));
  TNodeForest f;
  FolderDatabase::LoadFolderDatabase(f, dir / "db.mbd");
  EXPECT_EQ(f.FirstRoot(), nullptr);
  FileIo::writeAtomically(dir / "short.mbd", std::string("ab"));
  EXPECT_THROW(FolderDatabase::LoadFolderDatabase(f, dir / "short.mbd"), EFormatError);
  // An index is one number in use: neither text nor a negative number.
  FileIo::writeAtomically(dir / "text.mbd", std::string("not an index\n"));
  EXPECT_THROW(FolderDatabase::LoadFolderDatabase(f, dir / "text.mbd"), EFormatError);
  FileIo::writeAtomically(dir / "negative.mbd", IndexBytes(-1));
  EXPECT_THROW(FolderDatabase::LoadFolderDatabase(f, dir / "negative.mbd"), EFormatError);

  // A curve file whose point count runs past its end.
  BinaryWriter w;
  w.zeros(832);
  w.i32(1000000);
  w.zeros(32);
  FileIo::writeAtomically(dir / "_______0.dbd", w.data());
  EXPECT_THROW(FolderDatabase::LoadFolderDatabase(f, dir / "db.mbd"), EFormatError);
  FileIo::writeAtomically(dir / "_______0.dbd", std::string(100, '\0'));
  EXPECT_THROW(FolderDatabase::LoadFolderDatabase(f, dir / "db.mbd"), EFormatError);
}
