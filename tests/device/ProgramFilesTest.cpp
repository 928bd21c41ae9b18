#include <gtest/gtest.h>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FormatError.h"
#include "ProgramFiles.h"
#include "ProgramSetBlock.h"
#include "TempDir.h"

using namespace velmora;

namespace {

ProgramStep step(std::int32_t start, std::int32_t end, std::int32_t filter = 2) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepStart(start);
  s.SetSweepEnd(end);
  s.SetSamplerCell(start % 16);
  s.SetStirrerSpeed(1500);
  s.SetCompensation(9);
  s.SetFilterValue(filter);
  s.SetComments("step " + std::to_string(start));
  return s;
}

TVAProgramsArray twoByThree() {
  return {TSingleProgramArray{step(1, 10), step(2, 20), step(3, 30)},
          TSingleProgramArray{step(4, 40), step(5, 50), step(6, 60, 17)}};
}

std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

}  // namespace

TEST(ProgramFiles, PrgKeepsHeadsOnly) {
  test::TempDir dir;
  const auto file = dir / "one.prg";
  EXPECT_FALSE(ProgramFiles::ReadSingleProgram(file));  // missing: ignored
  const TSingleProgramArray program = twoByThree()[0];
  ProgramFiles::WriteSingleProgram(file, program);
  EXPECT_EQ(std::filesystem::file_size(file), 4u + 3 * 244);
  const auto back = ProgramFiles::ReadSingleProgram(file);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(back->at(i).HeadBytes(), program[i].HeadBytes());
    EXPECT_EQ(back->at(i).SamplerCell(), 0);
    EXPECT_EQ(back->at(i).StirrerSpeed(), 0);
    EXPECT_EQ(back->at(i).FilterValue(), 0);
  }
  EXPECT_TRUE(ProgramFiles::DecodeSingleProgram(bytesOf(std::string(4, '\0'))).empty());
  for (std::string bad : {std::string("\x02\0\0\0", 4) + std::string(300, 'x'), std::string("\xff\xff\xff\xff", 4),
                          std::string("\1\0", 2)})
    EXPECT_THROW(ProgramFiles::DecodeSingleProgram(bytesOf(bad)), EFormatError);
}

TEST(ProgramFiles, CarHasItsFixedLayout) {
  const auto image = ProgramFiles::EncodeMultiProgram(twoByThree(), 1);
  ASSERT_EQ(image.size(), 284468u);
  BinaryReader r(image);
  r.seek(284416);
  const std::vector<std::int32_t> counts = {r.i32(), r.i32(), r.i32()};
  EXPECT_EQ(counts, (std::vector<std::int32_t>{3, 3, 0}));
  r.seek(284460);
  EXPECT_EQ(r.i32(), 1);
  EXPECT_EQ(r.i32(), 2);
  r.seek((2 * 11 + 1) * 244 + 4);  // program 1, step 2: SweepStart
  EXPECT_EQ(r.i32(), 6);
  r.seek(271084 + (1 * 11 + 0) * 12 + 1);  // program 0, step 1: SamplerCell
  EXPECT_EQ(r.i32(), 2);

  test::TempDir dir;
  ProgramFiles::WriteMultiProgram(dir / "set.car", twoByThree(), 1);
  const auto set = ProgramFiles::ReadMultiProgram(dir / "set.car");
  EXPECT_EQ(set.Current, 1);
  ASSERT_EQ(set.Programs.size(), 2u);
  const ProgramStep& s = set.Programs[1][2];
  EXPECT_EQ(s.HeadBytes(), twoByThree()[1][2].HeadBytes());
  EXPECT_EQ(s.SamplerCell(), 6);
  EXPECT_EQ(s.StirrerSpeed(), 1000);
  EXPECT_EQ(s.Compensation(), 0);
  EXPECT_EQ(s.FilterValue(), 0);
}

TEST(ProgramFiles, CarTrimsEmptyTailProgramsAndRejectsWhatDoesNotFit) {
  TVAProgramsArray withEmpty = {twoByThree()[0], TSingleProgramArray{}, TSingleProgramArray{}};
  auto back = ProgramFiles::DecodeMultiProgram(ProgramFiles::EncodeMultiProgram(withEmpty, 0));
  EXPECT_EQ(back.Programs.size(), 1u);
  TVAProgramsArray allEmpty(3);
  back = ProgramFiles::DecodeMultiProgram(ProgramFiles::EncodeMultiProgram(allEmpty, 0));
  EXPECT_EQ(back.Programs.size(), 3u);

  EXPECT_THROW(ProgramFiles::EncodeMultiProgram(TVAProgramsArray(12), 0), EFormatError);
  EXPECT_THROW(ProgramFiles::EncodeMultiProgram({TSingleProgramArray(102)}, 0), EFormatError);
  EXPECT_NO_THROW(ProgramFiles::EncodeMultiProgram(TVAProgramsArray(11, TSingleProgramArray(101)), 0));

  auto image = ProgramFiles::EncodeMultiProgram(twoByThree(), 0);
  auto shortImage = image;
  shortImage.pop_back();
  EXPECT_THROW(ProgramFiles::DecodeMultiProgram(shortImage, "x.car"), EFormatError);
  auto damaged = image;
  damaged[284416] = 102;  // 102 steps in program 0
  EXPECT_THROW(ProgramFiles::DecodeMultiProgram(damaged), EFormatError);
  damaged = image;
  damaged[284464] = 12;  // 12 programs
  EXPECT_THROW(ProgramFiles::DecodeMultiProgram(damaged), EFormatError);
}

TEST(ProgramFiles, VapRoundTripAndHeaderRules) {
  test::TempDir dir;
  const auto file = dir / "set.vap";
  EXPECT_FALSE(ProgramFiles::ReadProgramSet(file));
  ProgramFiles::WriteProgramSet(file, twoByThree(), 1);
  const auto set = ProgramFiles::ReadProgramSet(file);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->Programs, twoByThree());
  EXPECT_EQ(set->Current, 1);
  EXPECT_FALSE(set->UnreadData);

  auto bytes = ProgramFiles::EncodeProgramSet(twoByThree(), 0);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), "\bTVXPv100");
  auto other = bytes;
  other[1] = 'Q';
  EXPECT_FALSE(ProgramFiles::DecodeProgramSet(other));
  auto newer = bytes;
  newer[8] = '1';
  try {
    ProgramFiles::DecodeProgramSet(newer);
    ADD_FAILURE() << "version 101 was accepted";
  } catch (const EFormatError& e) {
    EXPECT_EQ(std::string(e.message().text).rfind("Unknown file format", 0), 0u);
  }
  for (std::size_t cut : {std::size_t{5}, std::size_t{20}, bytes.size() - 2})
    EXPECT_THROW(ProgramFiles::DecodeProgramSet(std::span(bytes).first(cut)), EFormatError) << cut;
}

TEST(ProgramSetBlock, TaggedStepsSkipUnknownBlocksAndShareTheWorkArea) {
  ProgramStep first = step(1, 10, 5);
  BinaryWriter w;
  w.i32(1);
  w.i32(2);
  // Step 1: every block, plus an unknown tag 7 of size 5.
  w.i32(1), w.i32(244), w.bytes(first.Head());
  w.i32(7), w.i32(5), w.zeros(5);
  w.i32(2), w.i32(12), w.bytes(first.Extra());
  w.i32(3), w.i32(9), w.bytes(std::span<const std::uint8_t>(first.Raw).subspan(256, 9));
  w.i32(4), w.i32(4), w.i32(5);
  w.i32(0), w.i32(0);
  // Step 2: only a head, and an oversized one (300 bytes).
  ProgramStep second = step(2, 20);
  w.i32(1), w.i32(300), w.bytes(second.Head()), w.zeros(56);
  w.i32(0), w.i32(0);
  w.i32(42);

  BinaryReader r(w.data());
  const auto result = ProgramSetBlock::Read(r);
  EXPECT_TRUE(r.atEnd());
  EXPECT_TRUE(result.UnreadData);
  EXPECT_EQ(result.Trailing, 42);
  ASSERT_EQ(result.Programs.size(), 1u);
  ASSERT_EQ(result.Programs[0].size(), 2u);
  EXPECT_EQ(result.Programs[0][0], first);
  const ProgramStep& s2 = result.Programs[0][1];
  EXPECT_EQ(s2.HeadBytes(), second.HeadBytes());
  EXPECT_EQ(s2.SamplerCell(), first.SamplerCell());  // carried over from step 1
  EXPECT_EQ(s2.StirrerSpeed(), 1500);
  EXPECT_EQ(s2.FilterValue(), 0);  // reset before every step
}

TEST(ProgramSetBlock, HostileCountsAreRejectedBeforeAllocation) {
  auto read = [](const BinaryWriter& w) {
    BinaryReader r(w.data());
    return ProgramSetBlock::Read(r);
  };
  BinaryWriter negative;
  negative.i32(-1);
  EXPECT_THROW(read(negative), EFormatError);
  BinaryWriter hugePrograms;
  hugePrograms.i32(0x7fffffff);
  EXPECT_THROW(read(hugePrograms), EFormatError);
  BinaryWriter hugeSteps;
  hugeSteps.i32(2);
  hugeSteps.i32(0x7fffffff);
  hugeSteps.i32(0x7fffffff);
  hugeSteps.zeros(64);
  EXPECT_THROW(read(hugeSteps), EFormatError);
  BinaryWriter badBlock;
  badBlock.i32(1), badBlock.i32(1);
  badBlock.i32(1), badBlock.i32(1000), badBlock.zeros(8);
  EXPECT_THROW(read(badBlock), EFormatError);
  BinaryWriter noTrailing;
  ProgramSetBlock::Write(noTrailing, TVAProgramsArray::Default(), 3);
  auto bytes = noTrailing.take();
  bytes.resize(bytes.size() - 4);
  BinaryReader r(bytes);
  EXPECT_THROW(ProgramSetBlock::Read(r), EFormatError);

  BinaryWriter empty;
  ProgramSetBlock::Write(empty, {}, -1);
  const auto result = read(empty);
  EXPECT_TRUE(result.Programs.empty());
  EXPECT_EQ(result.Trailing, -1);
}
