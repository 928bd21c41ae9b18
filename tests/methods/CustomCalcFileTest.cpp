#include <gtest/gtest.h>

#include "BinaryWriter.h"
#include "CustomCalcFile.h"
#include "CustomMethods.h"
#include "FormatError.h"
#include "TempDir.h"

using namespace velmora;

namespace {

TCustomMethodArr twoMethods() {
  TCustomMethod a;
  a.Name = "Ratio";
  a.Formula = "I0/IB";
  a.ResultUnitTop = 4;
  a.ResultUnitBottom = 1;
  a.Vars = {{"I0", "Analyte current", 0}, {"IB", "Supporting electrolyte current", 0}};
  TCustomMethod b;
  b.Name = "No name";
  b.Formula = "k*2";
  b.ResultUnitTop = -1;
  b.ResultUnitBottom = 7;
  b.Vars = {{"k", "user factor", 1.5}};
  return {a, b};
}

}  // namespace

TEST(CustomCalcFile, SaveAndLoadRoundTripThroughTheDataFolder) {
  test::TempDir dir;
  TCustomMethodArr list = {TCustomMethod{}};
  EXPECT_FALSE(CustomCalcFile::Load(dir.path(), list));
  EXPECT_EQ(list.size(), 1u);  // no file: untouched

  CustomCalcFile::Save(dir.path(), twoMethods());
  ASSERT_TRUE(std::filesystem::exists(dir / "CustomCalc"));
  bool unread = true;
  ASSERT_TRUE(CustomCalcFile::Load(dir.path(), list, &unread));
  EXPECT_EQ(list, twoMethods());
  EXPECT_FALSE(unread);

  CustomCalcFile::Save(dir.path(), {});
  ASSERT_TRUE(CustomCalcFile::Load(dir.path(), list));
  EXPECT_TRUE(list.empty());
}

TEST(CustomCalcFile, ForeignBlocksAreSkippedAndDamageLeavesTheListAlone) {
  BinaryWriter w;
  w.i32(9);
  w.i32(3);
  w.zeros(3);
  auto bytes = w.take();
  const auto good = CustomCalcFile::Encode(twoMethods());
  bytes.insert(bytes.end(), good.begin(), good.end());
  bool unread = false;
  EXPECT_EQ(CustomCalcFile::Decode(bytes, &unread), twoMethods());
  EXPECT_TRUE(unread);

  test::TempDir dir;
  auto cut = good;
  cut.resize(cut.size() - 10);
  test::TempDir::writeFile(dir / "CustomCalc", std::string(cut.begin(), cut.end()));
  TCustomMethodArr list = twoMethods();
  EXPECT_THROW(CustomCalcFile::Load(dir.path(), list), EFormatError);
  EXPECT_EQ(list, twoMethods());
}

TEST(CustomMethods, NumbersStartAfterTheBuiltinMethods) {
  CustomMethods::List() = twoMethods();
  EXPECT_EQ(CustomMethods::NumberOf(0), 6);
  EXPECT_EQ(CustomMethods::Find(5), nullptr);
  ASSERT_NE(CustomMethods::Find(7), nullptr);
  EXPECT_EQ(CustomMethods::Find(7)->Formula, "k*2");
  EXPECT_EQ(CustomMethods::Find(8), nullptr);
  CustomMethods::List().clear();
}
