#include <gtest/gtest.h>

#include <limits>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FormatError.h"

using namespace velmora;

TEST(BinaryIo, RoundTripsEveryWidthLittleEndian) {
  BinaryWriter w;
  w.u8(0xAB);
  w.i16(-2);
  w.u32(0x01020304);
  w.i64(std::numeric_limits<std::int64_t>::min());
  w.f32(1.5f);
  w.f64(-0.1);
  w.u16be(0x1234);
  const auto& d = w.data();
  ASSERT_EQ(d.size(), 1u + 2 + 4 + 8 + 4 + 8 + 2);
  EXPECT_EQ(d[3], 0x04);  // little-endian low byte first
  EXPECT_EQ(d[d.size() - 2], 0x12);  // big-endian word high byte first

  BinaryReader r(d);
  EXPECT_EQ(r.u8(), 0xAB);
  EXPECT_EQ(r.i16(), -2);
  EXPECT_EQ(r.u32(), 0x01020304u);
  EXPECT_EQ(r.i64(), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(r.f32(), 1.5f);
  EXPECT_EQ(r.f64(), -0.1);
  EXPECT_EQ(r.u16be(), 0x1234);
  EXPECT_TRUE(r.atEnd());
}

TEST(BinaryIo, ReadingPastTheEndThrowsAndKeepsPosition) {
  std::vector<std::uint8_t> bytes = {1, 2, 3};
  BinaryReader r(bytes);
  EXPECT_THROW(r.u32(), EFormatError);
  EXPECT_EQ(r.pos(), 0u);
  EXPECT_EQ(r.u16(), 0x0201);
  EXPECT_THROW(r.f64(), EFormatError);
  EXPECT_THROW(r.skip(2), EFormatError);
  EXPECT_THROW(r.bytes(std::numeric_limits<std::size_t>::max()), EFormatError);
  EXPECT_THROW(r.seek(4), EFormatError);
  EXPECT_EQ(r.u8(), 3);
  EXPECT_THROW(r.u8(), EFormatError);

  BinaryReader empty;
  EXPECT_THROW(empty.u8(), EFormatError);
}

TEST(BinaryIo, HugeCountsAreRefusedBeforeAllocation) {
  std::vector<std::uint8_t> bytes(64);
  BinaryReader r(bytes);
  EXPECT_NO_THROW(r.requireElements(4, 16));
  EXPECT_THROW(r.requireElements(5, 16), EFormatError);
  EXPECT_THROW(r.requireElements(0x7fffffff, 16), EFormatError);
  EXPECT_THROW(r.requireElements(std::numeric_limits<std::uint64_t>::max(), 2), EFormatError);
  try {
    r.requireElements(0x7fffffff, 16, "the point count");
    FAIL();
  } catch (const EFormatError& e) {
    EXPECT_NE(std::string(e.what()).find("the point count"), std::string::npos);
  }
}

TEST(BinaryIo, SubReaderIsBoundedAndAdvancesParent) {
  std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
  BinaryReader r(bytes);
  r.u8();
  BinaryReader sub = r.sub(2);
  EXPECT_EQ(r.pos(), 3u);
  EXPECT_EQ(sub.size(), 2u);
  EXPECT_EQ(sub.u8(), 2);
  EXPECT_EQ(sub.u8(), 3);
  EXPECT_THROW(sub.u8(), EFormatError);
  EXPECT_THROW(r.sub(3), EFormatError);
}

TEST(BinaryIo, ShortStringFieldsKeepTheirWidth) {
  BinaryWriter w;
  w.shortString("Pb", 5);
  w.shortString("abcdefgh", 3);  // cut to N
  w.shortString("", 2);
  ASSERT_EQ(w.size(), 6u + 4 + 3);
  EXPECT_EQ(w.data()[0], 2);
  EXPECT_EQ(w.data()[3], 0);  // zero-filled tail
  EXPECT_EQ(w.data()[6], 3);

  BinaryReader r(w.data());
  EXPECT_EQ(r.shortString(5), "Pb");
  EXPECT_EQ(r.shortString(3), "abc");
  EXPECT_EQ(r.shortString(2), "");
  EXPECT_TRUE(r.atEnd());
}

TEST(BinaryIo, ShortStringLengthAboveCapacityIsClamped) {
  std::vector<std::uint8_t> bytes = {200, 'a', 'b', 'c', 'x'};
  BinaryReader r(bytes);
  EXPECT_EQ(r.shortString(3), "abc");
  EXPECT_EQ(r.pos(), 4u);
  std::vector<std::uint8_t> truncated = {2, 'a'};
  BinaryReader t(truncated);
  EXPECT_THROW(t.shortString(3), EFormatError);
}

TEST(BinaryIo, ShortStringCarriesCyrillicAndReplacesTheRest) {
  BinaryWriter w;
  w.shortString("Пробa €", 20);
  w.shortString("日本", 4);
  BinaryReader r(w.data());
  EXPECT_EQ(r.shortString(20), "Пробa €");
  EXPECT_EQ(r.shortString(4), "??");
  EXPECT_EQ(w.data()[1], 0xCF);  // П
}
