// The command stream of method scripts and the script files: every command
// kind round-trips, unknown kinds are kept, and damaged or hostile streams
// fail cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FormatError.h"
#include "MethodTestData.h"
#include "TWizSteps.h"
#include "TempDir.h"

using namespace velmora;

namespace {

TWizSteps ReadBytes(const std::vector<std::uint8_t>& bytes, bool* unread = nullptr) {
  BinaryReader in(bytes);
  return TWizSteps::Read(in, unread);
}

// One command block with a hand-made payload.
std::vector<std::uint8_t> Command(std::uint32_t type, const std::vector<std::uint8_t>& payload) {
  BinaryWriter out;
  out.u32(type);
  out.i32(static_cast<std::int32_t>(payload.size()));
  out.bytes(payload);
  return out.take();
}

std::vector<std::uint8_t> Ints(std::initializer_list<std::int32_t> values) {
  BinaryWriter out;
  for (std::int32_t v : values) out.i32(v);
  return out.take();
}

}  // namespace

TEST(ScriptStream, EveryCommandKindRoundTrips) {
  const TWizSteps script = test::EveryKind();
  for (std::uint32_t type = 0; type <= kStepLastKnown; ++type) EXPECT_TRUE(script.Contains(type)) << type;

  bool unread = true;
  const TWizSteps back = ReadBytes(TWizSteps::Bytes(script), &unread);
  EXPECT_FALSE(unread);
  ASSERT_EQ(back.size(), script.size());
  for (std::size_t i = 0; i < script.size(); ++i)
    EXPECT_EQ(back[i], script[i]) << ValueRecord::KindName(script[i].Type);
  // Custom statistics stay without a record; the stage name keeps both languages.
  EXPECT_FALSE(back[17].Statistics.has_value());
  EXPECT_EQ(back[1].NameFor(1049), "Сборка установки");
  // Written again, the stream is the same bytes.
  EXPECT_EQ(TWizSteps::Bytes(back), TWizSteps::Bytes(script));
}

TEST(ScriptStream, PayloadsHaveTheirStoredLayout) {
  TWizSteps s;
  s.push_back(ValueRecord::StageName("Report", ""));
  s.push_back(ValueRecord::Make(kStepCalcTable));
  ValueRecord activation = ValueRecord::Make(kStepActivation);
  activation.Activation = {"HNO3", 0.25};
  s.push_back(activation);
  s.push_back(ValueRecord::Make(kStepStatistics));
  const std::vector<std::uint8_t> bytes = TWizSteps::Bytes(s);
  BinaryReader in(bytes);
  EXPECT_EQ(in.u32(), 1u);
  EXPECT_EQ(in.i32(), 4 + 2 * (4 + 4 + 256));
  EXPECT_EQ(in.i32(), 2);     // entries
  EXPECT_EQ(in.i32(), 1033);  // id
  EXPECT_EQ(in.i32(), 256);   // string size
  EXPECT_EQ(in.shortString(255), "Report");
  in.skip(4 + 4 + 256);
  EXPECT_EQ(in.u32(), 7u);
  EXPECT_EQ(in.i32(), 84);
  EXPECT_EQ(in.i32(), 10);
  in.skip(80);
  EXPECT_EQ(in.u32(), 23u);
  EXPECT_EQ(in.i32(), 264);
  EXPECT_EQ(in.shortString(255), "HNO3");
  EXPECT_EQ(in.f64(), 0.25);
  EXPECT_EQ(in.u32(), 16u);
  EXPECT_EQ(in.i32(), 4);
  EXPECT_EQ(in.i32(), 0);  // custom statistics: length 0 and nothing more
  EXPECT_TRUE(in.atEnd());
}

TEST(ScriptStream, ShortTablesUnknownKindsAndLongStringsAreReadAsStored) {
  std::vector<std::uint8_t> bytes;
  // A calculations table of three values.
  BinaryWriter table;
  table.i32(3);
  table.f64(10.0);
  table.f64(2.0);
  table.f64(0.5);
  auto add = [&](const std::vector<std::uint8_t>& block) { bytes.insert(bytes.end(), block.begin(), block.end()); };
  add(Command(kStepCalcTable, table.data()));
  // A command of a later version: kept without data, its payload passed over.
  add(Command(30, {1, 2, 3, 4, 5}));
  // A supporting electrolyte stored with a shorter field than 256 bytes.
  BinaryWriter text;
  text.i32(6);
  text.u8(5);
  text.bytes(std::vector<std::uint8_t>{'K', 'C', 'l', '0', '1'});
  add(Command(kStepSupportingElectrolyte, text.data()));
  add(Command(kStepActivePage, Ints({4})));

  bool unread = false;
  const TWizSteps s = ReadBytes(bytes, &unread);
  EXPECT_TRUE(unread);
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].CalcTable, (TCalcTable{10.0, 2.0, 0.5, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(s[1].Type, 30u);
  EXPECT_EQ(DescribeStep(s[1], 1033), "?");
  EXPECT_EQ(s[2].Text, "KCl01");
  EXPECT_EQ(s[3].Value, 4);
}

TEST(ScriptStream, HostileCountsAndSizesFailWithoutAllocating) {
  const std::vector<std::vector<std::uint8_t>> hostile = {
      Command(kStepStageName, Ints({0x7FFFFFFF})),          // stage names
      Command(kStepStageName, Ints({1, 1033, 100000})),     // a name larger than its payload
      Command(kStepStageName, Ints({1, 1033, -5})),         // a negative name size
      Command(kStepCalcTable, Ints({-1})),                  // a negative table size
      Command(kStepCalcTable, Ints({0x10000000})),          // more doubles than bytes
      Command(kStepPredefPeaks, Ints({1000000})),           // peaks
      Command(kStepProgram, Ints({-8})),                    // program list length
      Command(kStepProgram, Ints({12, 0x7FFFFFF, 0, 0})),   // program count
      Command(kStepProgram, Ints({12, 1, 0x7FFFFFFF, 0})),  // step count
      Command(kStepStatistics, Ints({1000})),               // statistics beyond the payload
      Command(kStepCustomEquation, Ints({-1})),             // equation length
      Command(kStepDummyData, Ints({1, -16})),              // data length
      Command(kStepDummyData, Ints({1, 1600})),             // data beyond the payload
      Command(kStepActivation, Ints({1, 2})),               // a short activation record
      Command(kStepConcUnits, Ints({4, 2})),                // two units of four
      {1, 0, 0, 0, 0x40, 0, 0, 0},                          // a command longer than the stream
      {1, 0, 0},                                            // stray bytes
  };
  for (std::size_t i = 0; i < hostile.size(); ++i) {
    EXPECT_THROW(ReadBytes(hostile[i]), EFormatError) << "case " << i;
  }
}

TEST(ScriptStream, TooManyCommandsOrStepsAreRefused) {
  // More commands than a script can hold, each an empty wait.
  std::vector<std::uint8_t> waits((TReadBudget::kMaxCommands + 1) * 8, 0);
  EXPECT_THROW(ReadBytes(waits), EFormatError);

  // Program lists whose steps together exceed the limit, each step only its
  // closing block.
  const std::size_t perCommand = TReadBudget::kMaxSteps / 2 + 1;
  BinaryWriter list;
  list.i32(1);
  list.i32(static_cast<std::int32_t>(perCommand));
  for (std::size_t i = 0; i < perCommand; ++i) list.zeros(8);
  list.i32(0);
  BinaryWriter payload;
  payload.i32(static_cast<std::int32_t>(list.size()));
  payload.bytes(list.data());
  std::vector<std::uint8_t> one = Command(kStepProgram, payload.data());
  EXPECT_EQ(ReadBytes(one).front().Programs.front().size(), perCommand);
  std::vector<std::uint8_t> two = one;
  two.insert(two.end(), one.begin(), one.end());
  EXPECT_THROW(ReadBytes(two), EFormatError);
}

TEST(ScriptStream, EveryTruncationReadsWholeCommandsOrFails) {
  const TWizSteps script = test::EveryKind();
  const std::vector<std::uint8_t> bytes = TWizSteps::Bytes(script);
  // Where each command's block begins (and, last, where the stream ends).
  std::vector<std::size_t> starts;
  for (std::size_t k = 0; k <= script.size(); ++k)
    starts.push_back(
        TWizSteps::Bytes(TWizSteps(script.begin(), script.begin() + static_cast<std::ptrdiff_t>(k))).size());
  ASSERT_EQ(starts.back(), bytes.size());

  // A cut between two commands reads the commands before it, whole; a cut
  // anywhere else is a format error.
  for (std::size_t size = 0; size <= bytes.size(); ++size) {
    const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    const auto boundary = std::find(starts.begin(), starts.end(), size);
    if (boundary == starts.end()) {
      EXPECT_THROW((void)ReadBytes(part), EFormatError) << "cut at " << size;
      continue;
    }
    const auto whole = static_cast<std::ptrdiff_t>(boundary - starts.begin());
    EXPECT_EQ(ReadBytes(part), TWizSteps(script.begin(), script.begin() + whole)) << "cut at " << size;
  }

  // Every command's length field made negative, or larger than the stream.
  for (std::size_t k = 0; k < script.size(); ++k) {
    for (const auto& [at, flip] : {std::pair{starts[k] + 7, 0x80}, std::pair{starts[k] + 6, 0x40}}) {
      std::vector<std::uint8_t> damaged = bytes;
      damaged[at] ^= static_cast<std::uint8_t>(flip);
      EXPECT_THROW((void)ReadBytes(damaged), EFormatError) << "command " << k << ", byte " << at;
    }
  }
}

TEST(ScriptFile, RoundTripsAndRefusesOtherFilesAndVersions) {
  test::TempDir dir;
  const std::filesystem::path file = dir / "water.tvs";
  TWizSteps::WriteFile(file, test::EveryKind());
  const std::optional<TWizSteps> back = TWizSteps::ReadFile(file);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, test::EveryKind());

  // Another file type: nothing is loaded and nothing is said.
  std::vector<std::uint8_t> foreign = TWizSteps::Encode(test::EveryKind());
  foreign[1] = 'X';
  EXPECT_FALSE(TWizSteps::Decode(foreign).has_value());
  // Another version.
  std::vector<std::uint8_t> newer = TWizSteps::Encode({});
  newer[8] = '1';
  try {
    (void)TWizSteps::Decode(newer);
    ADD_FAILURE() << "version 101 was read";
  } catch (const EFormatError& e) {
    EXPECT_STREQ(e.message().text, "Unknown file format %s");
  }
  EXPECT_THROW(TWizSteps::ReadFile(dir / "missing.tvs"), EFormatError);
}

TEST(ScriptDescriptions, FollowTheCommandData) {
  auto describe = [](const ValueRecord& r) { return DescribeStep(r, 1033); };
  EXPECT_EQ(describe(ValueRecord::IntValue(kStepConjunctionType, 1)), "Set conjunction type to 3x electrodes");
  EXPECT_EQ(describe(ValueRecord::IntValue(kStepElectrodeType, -1)), "Set electrod type to Custom");
  EXPECT_EQ(describe(ValueRecord::IntValue(kStepElectrodeType, 5)), "Set electrod type to Carbon");
  EXPECT_EQ(describe(ValueRecord::IntValue(kStepCalcMethod, 2)),
            "Calculation method: Three standard additions method (Hg)");
  EXPECT_EQ(describe(ValueRecord::Make(kStepCalcTable)), "Calculations table: Error");
  ValueRecord table = ValueRecord::Make(kStepCalcTable);
  table.CalcTable = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // value 0 is not judged
  EXPECT_EQ(describe(table), "Calculations table: OK");
  EXPECT_EQ(describe(ValueRecord::Make(kStepProgram)), "Record program Error");
  EXPECT_EQ(describe(ValueRecord::IntValue(kStepControlSolution, 2)),
            "Recording of control solution is not obligatory");
  ValueRecord units = ValueRecord::Make(kStepConcUnits);
  units.Units = {4, 2, 5, -1};
  EXPECT_EQ(describe(units), "Concentration dimentions: µg/dm^3^ - mg/?");
  ValueRecord activation = ValueRecord::Make(kStepActivation);
  activation.Activation = {"HNO3", 0.5};
  EXPECT_EQ(describe(activation), "Activation(0.5 ml of HNO3)");
  ValueRecord dummy = ValueRecord::Make(kStepDummyData);
  dummy.Dummy.MeasurementType = 3;
  EXPECT_EQ(describe(dummy), "Data (Added standard 2)");
  // Stage names: the language's own name, else "New stage"; translated
  // through the window's translator.
  const ValueRecord stage = ValueRecord::StageName("Report", "");
  EXPECT_EQ(DescribeStep(stage, 1033), "Report");
  EXPECT_EQ(DescribeStep(stage, 1049), "New stage");
  EXPECT_EQ(DescribeStep(stage, 0), "Report");
  EXPECT_EQ(DescribeStep(stage, 1031), "New stage");
  EXPECT_EQ(DescribeStep(stage, 1049, [](const char* t) { return std::string("<") + t + ">"; }), "<New stage>");
  // Cut to 255 bytes, never inside a character.
  ValueRecord electrolyte = ValueRecord::Make(kStepSupportingElectrolyte);
  for (int i = 0; i < 200; ++i) electrolyte.Text += "ж";
  const std::string cut = describe(electrolyte);
  EXPECT_LE(cut.size(), 255u);
  EXPECT_EQ((cut.size() - std::string("Supporting electrolyte: ").size()) % 2, 0u);
}
