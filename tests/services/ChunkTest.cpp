#include <gtest/gtest.h>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FileHeader.h"
#include "FormatError.h"

using namespace velmora;

namespace {
std::vector<std::uint8_t> header(std::string_view text, std::uint8_t length = 8) {
  std::vector<std::uint8_t> bytes = {length};
  for (char c : text) bytes.push_back(static_cast<std::uint8_t>(c));
  return bytes;
}
}  // namespace

TEST(Chunks, NestedBlocksRoundTripAndUnknownTagsAreReported) {
  BinaryWriter w;
  ChunkWriter c(w);
  c.int32Chunk(1, 42);
  c.begin(15);
  c.doubleChunk(7, 2.5);
  c.emptyChunk(3);
  c.end();
  c.byteChunk(99, 1);

  BinaryReader r(w.data());
  ChunkReader chunks(r);
  Chunk ch;
  ASSERT_TRUE(chunks.next(ch));
  EXPECT_EQ(ch.tag, 1);
  EXPECT_EQ(ch.body.i32(), 42);
  ASSERT_TRUE(chunks.next(ch));
  EXPECT_EQ(ch.tag, 15);
  EXPECT_EQ(ch.body.size(), 8u + 8 + 8);
  {
    ChunkReader inner(ch.body);
    Chunk in;
    ASSERT_TRUE(inner.next(in));
    EXPECT_EQ(in.body.f64(), 2.5);
    ASSERT_TRUE(inner.next(in));
    EXPECT_EQ(in.tag, 3);
    EXPECT_EQ(in.body.size(), 0u);
    EXPECT_FALSE(inner.next(in));
  }
  ASSERT_TRUE(chunks.next(ch));
  EXPECT_EQ(ch.tag, 99);
  EXPECT_FALSE(chunks.unreadData());
  chunks.skip(ch);
  EXPECT_TRUE(chunks.unreadData());
  EXPECT_FALSE(chunks.next(ch));
}

TEST(Chunks, DamagedSizesAreErrorsNotAllocations) {
  for (std::int32_t size : {-1, std::numeric_limits<std::int32_t>::min(), 5, std::numeric_limits<std::int32_t>::max()}) {
    BinaryWriter w;
    w.i32(2);
    w.i32(size);
    w.u32(0);  // only four payload bytes exist
    BinaryReader r(w.data());
    ChunkReader chunks(r);
    Chunk ch;
    EXPECT_THROW(chunks.next(ch), EFormatError) << size;
  }
  std::vector<std::uint8_t> stray = {1, 0, 0, 0, 4};
  BinaryReader r(stray);
  ChunkReader chunks(r);
  Chunk ch;
  EXPECT_THROW(chunks.next(ch), EFormatError);
}

TEST(FileHeaders, WrittenHeaderIsNineBytes) {
  BinaryWriter w;
  FileHeader::write(w, "TVNX");
  const std::vector<std::uint8_t> expected = header("TVNXv100");
  EXPECT_EQ(w.data(), expected);
  BinaryReader r(w.data());
  EXPECT_TRUE(FileHeader::read(r, "TVNX"));
  EXPECT_EQ(r.pos(), 9u);
}

TEST(FileHeaders, MagicVersionAndLengthRules) {
  auto check = [](const std::vector<std::uint8_t>& bytes, std::string_view magic) {
    BinaryReader r(bytes);
    return FileHeader::read(r, magic);
  };
  EXPECT_FALSE(check(header("TVXMv100"), "TVNX"));          // another type loads nothing
  EXPECT_FALSE(check(header("TVNXv100", 3), "TVNX"));       // a short length byte shortens the magic
  EXPECT_THROW(check(header("TVNXv100", 6), "TVNX"), EFormatError);  // version cut to "1"
  try {
    check(header("TVNXv101"), "TVNX");
    FAIL();
  } catch (const EFormatError& e) {
    EXPECT_STREQ(e.what(), "Unknown file format TVNXv101");
  }
  try {
    check(header("TVNXvabc"), "TVNX");
    FAIL();
  } catch (const EFormatError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
  EXPECT_THROW(check(std::vector<std::uint8_t>{8, 'T', 'V'}, "TVNX"), EFormatError);  // shorter than 9 bytes
  EXPECT_TRUE(check(header("TVNXv100", 200), "TVNX"));  // length clamped to 8
}
