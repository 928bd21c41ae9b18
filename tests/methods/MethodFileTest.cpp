// The method file: every block round-trips in its order, the counted blocks
// follow the programs and cells, and damaged or hostile files fail cleanly.
#include <gtest/gtest.h>

#include <filesystem>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FileIo.h"
#include "FormatError.h"
#include "MethodFile.h"
#include "MethodTestData.h"
#include "TempDir.h"

using namespace velmora;

namespace {

struct Block {
  std::int32_t tag;
  std::int32_t size;
  std::size_t offset;  // of the tag
};

// The tagged blocks of a file image as the writer laid them out; the
// counted blocks 2, 6 and 7 are stepped over by the given counts.
std::vector<Block> Blocks(const std::vector<std::uint8_t>& bytes, std::size_t cells, std::size_t steps) {
  std::vector<Block> blocks;
  BinaryReader in(bytes);
  in.skip(9 + 4);
  while (!in.atEnd()) {
    const std::size_t offset = in.pos();
    const std::int32_t tag = in.i32();
    const std::int32_t size = in.i32();
    blocks.push_back({tag, size, offset});
    if (tag == 2) {
      in.skip(cells * 8);
    } else if (tag == 6) {
      in.skip(steps * 256);
    } else if (tag == 7) {
      in.skip(cells * 256);
    } else {
      in.skip(static_cast<std::size_t>(size));
    }
  }
  return blocks;
}

TMethod Decoded(const std::vector<std::uint8_t>& bytes, bool* unread = nullptr) {
  TMethod m;
  EXPECT_TRUE(MethodFile::Decode(bytes, m, unread));
  return m;
}

}  // namespace

TEST(MethodFile, EveryBlockRoundTripsInItsOrder) {
  const TMethod method = test::FullMethod();
  const std::vector<std::uint8_t> bytes = MethodFile::Encode(method);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 9), "TVXMv100");
  EXPECT_EQ(bytes[0], 8);

  std::vector<std::int32_t> tags;
  for (const Block& b : Blocks(bytes, 2, 4)) tags.push_back(b.tag);
  EXPECT_EQ(tags, (std::vector<std::int32_t>{1, 2, 8, 9, 3, 4, 5, 13, 6, 7, 3, 4, 5, 13, 6, 7, 10, 12, 14}));

  bool unread = true;
  TMethod back = Decoded(bytes, &unread);
  EXPECT_FALSE(unread);
  EXPECT_EQ(back.Cells[0].SamplerPosition, 3);
  back.FileName = method.FileName;
  EXPECT_EQ(back, method);
  EXPECT_EQ(MethodFile::Encode(back), bytes);
}

TEST(MethodFile, WithoutProgramsTheCellsBlockHoldsNothingAndTheNextBlockIsRead) {
  TMethod m;
  m.CalcMethod = 3;
  m.SupportingElectrolyte = "KCl";
  const std::vector<std::uint8_t> bytes = MethodFile::Encode(m);
  const std::vector<Block> blocks = Blocks(bytes, 0, 0);
  ASSERT_GE(blocks.size(), 3u);
  EXPECT_EQ(blocks[1].tag, 2);
  EXPECT_EQ(blocks[1].size, 8);
  EXPECT_EQ(blocks[2].tag, 8);
  EXPECT_EQ(blocks[2].offset, blocks[1].offset + 8);  // no payload after the cells header
  const TMethod back = Decoded(bytes);
  EXPECT_TRUE(back.Cells.empty());
  EXPECT_EQ(back.CalcMethod, 3);
  EXPECT_EQ(back.SupportingElectrolyte, "KCl");
}

TEST(MethodFile, TwoProgramsSharingCellsListEachCellOnce) {
  TMethod m;
  m.Programs = {{test::Step(3, "a"), test::Step(5, "b")}, {test::Step(5, "c"), test::Step(0, "d"), test::Step(3, "e")}};
  m.RebuildCells();
  ASSERT_EQ(m.Cells.size(), 2u);
  EXPECT_EQ(m.Cells[0].CellNumber, 3);
  EXPECT_EQ(m.Cells[1].CellNumber, 5);
  const std::vector<std::uint8_t> bytes = MethodFile::Encode(m);
  const std::vector<Block> blocks = Blocks(bytes, 2, 5);
  EXPECT_EQ(blocks[2].offset - blocks[1].offset - 8, 16u);
}

TEST(MethodFile, CustomEquationIsEmbeddedAndKeptOnTheNextSave) {
  TMethod m;
  m.CalcMethod = 8;  // the custom equation at list index 2
  const TCustomMethodArr list = {TCustomMethod{}, TCustomMethod{}, test::SomeEquation()};
  const std::vector<std::uint8_t> bytes = MethodFile::Encode(m, list);
  const std::vector<Block> blocks = Blocks(bytes, 0, 0);
  EXPECT_EQ(blocks[2].tag, 8);
  EXPECT_EQ(blocks[3].tag, 11);
  BinaryReader calc{std::span<const std::uint8_t>(bytes).subspan(blocks[2].offset + 8, 4)};
  EXPECT_EQ(calc.i32(), 8);

  const TMethod back = Decoded(bytes);
  EXPECT_EQ(back.CalcMethod, -1);
  EXPECT_EQ(back.CustomEquation, test::SomeEquation());
  // Saved again (the record-parameters settings, a method saved from the
  // wizard) the equation stays in the file.
  const TMethod again = Decoded(MethodFile::Encode(back));
  EXPECT_EQ(again.CalcMethod, -1);
  EXPECT_EQ(again.CustomEquation, test::SomeEquation());
}

TEST(MethodFile, HeadersOfOtherFilesAndVersions) {
  std::vector<std::uint8_t> bytes = MethodFile::Encode(test::FullMethod());
  std::vector<std::uint8_t> foreign = bytes;
  foreign[1] = 'Q';
  TMethod m = test::FullMethod();
  EXPECT_FALSE(MethodFile::Decode(foreign, m));
  EXPECT_EQ(m, TMethod{});
  std::vector<std::uint8_t> newer = bytes;
  newer[8] = '1';
  try {
    MethodFile::Decode(newer, m);
    ADD_FAILURE() << "version 101 was read";
  } catch (const EFormatError& e) {
    EXPECT_EQ(std::string(e.what()), "Unknown file format TVXMv101");
  }
}

TEST(MethodFile, UnknownBlocksAreSkippedAndReported) {
  std::vector<std::uint8_t> bytes = MethodFile::Encode(test::FullMethod());
  BinaryWriter extra;
  extra.i32(99);
  extra.i32(5);
  extra.bytes(std::vector<std::uint8_t>{1, 2, 3, 4, 5});
  extra.i32(MethodFile::kTagCalcMethod);
  extra.i32(4);
  extra.i32(2);
  bytes.insert(bytes.end(), extra.data().begin(), extra.data().end());
  bool unread = false;
  const TMethod m = Decoded(bytes, &unread);
  EXPECT_TRUE(unread);
  EXPECT_EQ(m.CalcMethod, 2);
  EXPECT_EQ(m.Script, test::EveryKind());
}

TEST(MethodFile, DamagedAndHostileFilesFailCleanly) {
  const TMethod full = test::FullMethod();
  const std::vector<std::uint8_t> bytes = MethodFile::Encode(full);
  // Every truncation reads what it can or fails with a format error.
  for (std::size_t size = 0; size < bytes.size(); size += 13) {
    TMethod m;
    try {
      MethodFile::Decode(std::span<const std::uint8_t>(bytes).first(size), m);
    } catch (const EFormatError&) {
    }
  }

  auto hostile = [](const TMethod& base, std::initializer_list<std::int32_t> tail) {
    std::vector<std::uint8_t> image = MethodFile::Encode(base);
    BinaryWriter out;
    for (std::int32_t v : tail) out.i32(v);
    image.insert(image.end(), out.data().begin(), out.data().end());
    TMethod m;
    EXPECT_THROW(MethodFile::Decode(image, m), EFormatError);
  };
  hostile(TMethod{}, {9, -4});                // a negative block size
  hostile(TMethod{}, {9, 0x7FFFFFFF});        // a block beyond the end
  hostile(TMethod{}, {1, 8, 0x7FFFFFFF, 0});  // a program count
  hostile(full, {2, 8, 3, 0});                // cells announced, bytes missing
  hostile(full, {3, 4, 1033, 6, 8});          // step comments missing
  hostile(full, {7, 8});                      // cell descriptions missing
  hostile(full, {12, 4, 1});                  // a statistics block too short
  hostile(full, {14, 8, 1, 100});             // a script block too short

  // Many languages over many steps: the texts are refused before they are made.
  TMethod wide;
  wide.Programs = {TSingleProgramArray(60000, ProgramStep::Default())};
  std::vector<std::uint8_t> image = MethodFile::Encode(wide);
  BinaryWriter languages;
  for (int i = 0; i < 40; ++i) {
    languages.i32(3);
    languages.i32(4);
    languages.i32(1033 + i);
  }
  image.insert(image.end(), languages.data().begin(), languages.data().end());
  TMethod m;
  EXPECT_THROW(MethodFile::Decode(image, m), EFormatError);
}

TEST(MethodFile, TextsBeforeAnyLanguageAreIgnored) {
  TMethod m;
  m.Programs = {{test::Step(4, "x")}};
  m.RebuildCells();
  std::vector<std::uint8_t> image = MethodFile::Encode(m);
  BinaryWriter out;
  out.i32(5);
  out.i32(256);
  out.shortString("Lost title", 255);
  out.i32(6);
  out.i32(8);
  out.shortString("step", 255);
  out.i32(7);
  out.i32(8);
  out.shortString("cell", 255);
  out.i32(3);
  out.i32(4);
  out.i32(1049);
  image.insert(image.end(), out.data().begin(), out.data().end());
  const TMethod back = Decoded(image);
  ASSERT_EQ(back.Localized.size(), 1u);
  EXPECT_EQ(back.Localized[0].LanguageId, 1049);
  EXPECT_EQ(back.Localized[0].Title, "");
  EXPECT_EQ(back.Localized[0].StepComments, (std::vector<std::vector<std::string>>{{""}}));
  EXPECT_EQ(back.Localized[0].CellDescriptions, (std::vector<std::string>{""}));
}

TEST(MethodFile, FilesAndTheRecordParametersSettings) {
  test::TempDir dir;
  const std::filesystem::path file = dir / "zinc.mtd";
  MethodFile::Write(file, test::FullMethod());
  TMethod m;
  ASSERT_TRUE(MethodFile::Read(file, m));
  EXPECT_EQ(m.FileName, file.string());
  EXPECT_EQ(m.Localized[1].Title, "Цинк");
  EXPECT_THROW(MethodFile::Read(dir / "missing.mtd", m), EFormatError);

  // "VAProgram.sve": written and read back; missing or damaged gives an
  // empty method without an error.
  EXPECT_FALSE(MethodFile::ReadSettings(dir.path(), m));
  EXPECT_EQ(m, TMethod{});
  TMethod settings;
  settings.Programs = {{test::Step(0, "Custom step")}};
  settings.CustomPrograms = true;
  ASSERT_TRUE(MethodFile::WriteSettings(dir.path(), settings));
  ASSERT_TRUE(MethodFile::ReadSettings(dir.path(), m));
  EXPECT_TRUE(m.CustomPrograms);
  EXPECT_EQ(m.Programs, settings.Programs);
  std::vector<std::uint8_t> damaged = FileIo::readAll(dir / MethodFile::kSettingsFileName);
  damaged.resize(damaged.size() - 3);
  FileIo::writeAtomically(dir / MethodFile::kSettingsFileName, damaged);
  EXPECT_FALSE(MethodFile::ReadSettings(dir.path(), m));
  EXPECT_TRUE(m.Programs.empty());
  EXPECT_FALSE(MethodFile::WriteSettings(dir / "no" / "such" / "folder", settings));
}
