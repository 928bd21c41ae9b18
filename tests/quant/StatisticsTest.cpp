// Statistics records: the stream, the range a result falls in, and the
// database over the library methods and the "Statistics" folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "BinaryWriter.h"
#include "ChunkWriter.h"
#include "FormatError.h"
#include "IMethodStatLibrary.h"
#include "THeaderManager.h"
#include "TStatDB.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

// Pb and Cd in µg/dm³, as a laboratory's method states them.
TMethodStat LeadCadmium(const std::string& name = "Water, ISO-like") {
  TMethodStat s;
  s.Name = name;
  s.ResTop = 4;
  s.ResBottom = 2;
  s.CellConc = 0;
  s.Elements.push_back({"Pb", {{1.0, 5.0, 0.28, 0.39, 40}, {5.0, 10.0, 0.22, 0.31, 30}, {10.0, 500.0, 0.15, 0.2, 25}}});
  s.Elements.push_back({"Cd", {{0.2, 100.0, 0.3, 0.42, 45}}});
  s.Elements.push_back({"Cu", {}});
  return s;
}

class FakeLibrary final : public IMethodStatLibrary {
 public:
  std::vector<TMethodStat> methods;
  std::vector<TMethodStat> MethodStatistics() const override { return methods; }
  bool UpdateMethodStatistics(const std::string&, const TMethodStat&, Message&) override { return true; }
};

TEST(StatisticsTest, StreamRoundTripsAndReadsWhatOtherWritersLeaveOut) {
  const TMethodStat s = LeadCadmium();
  const auto bytes = TMethodStat::Bytes(s);
  EXPECT_EQ(TMethodStat::Read(bytes), s);

  // No units block, a range before any element, an unknown tag.
  BinaryWriter out;
  ChunkWriter chunks(out);
  BinaryWriter name;
  name.shortString("Soil", 255);
  chunks.chunk(1, name.data());
  chunks.chunk(4, std::vector<std::uint8_t>(36, 0));
  chunks.int32Chunk(77, 5);
  BinaryWriter element;
  element.shortString("Zn", 255);
  chunks.chunk(3, element.data());
  chunks.chunk(4, std::vector<std::uint8_t>(36, 0));
  const TMethodStat read = TMethodStat::Read(out.data());
  EXPECT_EQ(read.Name, "Soil");
  EXPECT_EQ(read.ResTop, 0);
  EXPECT_EQ(read.ResBottom, 0);
  ASSERT_EQ(read.Elements.size(), 1u);
  EXPECT_EQ(read.Elements[0].Ranges.size(), 1u);

  // A range block too short for its record, and a size beyond the stream.
  BinaryWriter bad;
  ChunkWriter badChunks(bad);
  badChunks.chunk(3, element.data());
  badChunks.chunk(4, std::vector<std::uint8_t>(20, 0));
  EXPECT_THROW(TMethodStat::Read(bad.data()), EFormatError);
  std::vector<std::uint8_t> hostile = {3, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f};
  EXPECT_THROW(TMethodStat::Read(hostile), EFormatError);
}

TEST(StatisticsTest, FindRangePicksTheRangeStrictlyHoldingTheValue) {
  const TMethodStat s = LeadCadmium();
  const auto base = [](double microgramsPerLitre) { return microgramsPerLitre * 1e-6; };  // g/dm³
  // 2.5 µg/dm³ lies in the first range only.
  TStatRange r = TMethodStat::FindRange(s, "Pb", base(2.5));
  EXPECT_DOUBLE_EQ(r.UpperBound, 5.0);
  EXPECT_EQ(r.Delta, 40);
  // A bound itself belongs to no range: 5 is neither in [1, 5] nor [5, 10].
  r = TMethodStat::FindRange(s, "Pb", base(5.0));
  EXPECT_EQ(r.Reproducibility, -1.0);
  EXPECT_DOUBLE_EQ(r.LowerBound, base(1.0));
  EXPECT_DOUBLE_EQ(r.UpperBound, base(500.0));
  // Above all ranges: the span of the ranges in base units.
  r = TMethodStat::FindRange(s, "Pb", base(800.0));
  EXPECT_EQ(r.Reproducibility, -1.0);
  EXPECT_EQ(r.Delta, -1);
  EXPECT_DOUBLE_EQ(r.LowerBound, base(1.0));
  EXPECT_DOUBLE_EQ(r.UpperBound, base(500.0));
  // Below: the same span, which the report reads as under the limit.
  r = TMethodStat::FindRange(s, "Cd", base(0.1));
  EXPECT_DOUBLE_EQ(r.LowerBound, base(0.2));
  // Names are exact; an element without ranges and an unnamed record
  // give nothing at all.
  for (const TStatRange& none : {TMethodStat::FindRange(s, "pb", base(2.5)), TMethodStat::FindRange(s, "Cu", 1.0),
                                 TMethodStat::FindRange(TMethodStat{}, "Pb", base(2.5))}) {
    EXPECT_EQ(none.LowerBound, -1.0);
    EXPECT_EQ(none.UpperBound, -1.0);
  }
  // A mass-fraction record: mg/kg.
  TMethodStat soil = LeadCadmium("Soil");
  soil.ResTop = 5;
  soil.ResBottom = 7;
  r = TMethodStat::FindRange(soil, "Pb", 7.0e-6);  // 7 mg/kg as g/g
  EXPECT_EQ(r.Delta, 30);
}

TEST(StatisticsTest, DatabaseListsLibraryMethodsFirstAndKeepsTheUsersRecordsInItsFolder) {
  test::TempDir dir;
  FakeLibrary library;
  library.methods.push_back(LeadCadmium("Drinking water"));
  library.methods.push_back(LeadCadmium("Soil"));
  library.methods.push_back(TMethodStat{"Empty", "", 4, 2, 0, {}});
  {
    TStatDB db(dir / TStatDB::kFolderName);
    db.SetLibrary(&library);
    EXPECT_TRUE(db.LoadAll().empty());
    ASSERT_EQ(db.Records().size(), 2u) << "a method without elements contributes nothing";
    db.AddAndSave(LeadCadmium("Soil"));  // the saved record of a library name
    db.AddAndSave(LeadCadmium("Sea water"));
    EXPECT_FALSE(db.Records()[3].FileName.empty());
    EXPECT_TRUE(db.Records()[0].FileName.empty());
  }
  TStatDB db(dir / TStatDB::kFolderName);
  db.SetLibrary(&library);
  int changes = 0;
  db.OnChange = [&](TStatDB&) { ++changes; };
  db.LoadAll();
  EXPECT_EQ(changes, 1);
  std::vector<std::string> names;
  for (const TMethodStat& r : db.Records()) names.push_back(r.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Drinking water", "Soil", "Sea water"}));
  EXPECT_EQ(db.IndexOfName("Soil"), 1);
  EXPECT_FALSE(db.Records()[1].FileName.empty()) << "the saved record stands for the library one";
  EXPECT_EQ(db.IndexOfName("soil"), -1);
  EXPECT_EQ(db.Records()[2], LeadCadmium("Sea water"));

  // Removing a saved record deletes its file; a library one only leaves the list.
  const std::string file = db.Records()[2].FileName;
  db.Delete(2);
  db.Delete(0);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(db.Records().size(), 1u);
  db.LoadAll();
  EXPECT_EQ(db.Records().size(), 2u);

  // A lost data file is reported once by name; the rest loads.
  fs::remove(db.Records()[1].FileName);
  const std::vector<Message> problems = db.LoadAll();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].format().find("Soil"), std::string::npos);
  EXPECT_EQ(db.Records().size(), 2u);
  EXPECT_TRUE(db.Records()[1].FileName.empty()) << "the library's record is back";
}

}  // namespace
