#include <gtest/gtest.h>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FormatError.h"
#include "TCalcVar.h"
#include "TCustomMethod.h"

using namespace velmora;

namespace {

TCustomMethod sampleMethod() {
  TCustomMethod m;
  m.Name = "Lead in wine";
  m.Formula = "I0*C1*V1/(I1-I0)/VAL";
  m.ResultUnitTop = 5;
  m.ResultUnitBottom = 2;
  m.Vars = {{"I0", "Analyte current", 1.25}, {"C1", "Addition 1 concentration", 0.5}, {"k", "Кoэффициент", -3e-7}};
  return m;
}

}  // namespace

TEST(CalcRecords, VariableIsStoredAs520BytesFieldByField) {
  BinaryWriter w;
  WriteCalcVar(w, {"IB", "Supporting electrolyte current", 2.0});
  const auto& bytes = w.data();
  ASSERT_EQ(bytes.size(), TCalcVar::kRecordSize);
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[1], 'I');
  EXPECT_EQ(bytes[3], 0);  // zero tail
  EXPECT_EQ(bytes[256], 30);
  EXPECT_EQ(bytes[257], 'S');
  // 2.0 as a little-endian double: 00 .. 00 40
  EXPECT_EQ(bytes[512 + 7], 0x40);
  BinaryReader r(bytes);
  const TCalcVar back = ReadCalcVar(r);
  EXPECT_EQ(back, (TCalcVar{"IB", "Supporting electrolyte current", 2.0}));
  EXPECT_TRUE(r.atEnd());

  BinaryReader shortInput(std::span<const std::uint8_t>(bytes).first(519));
  EXPECT_THROW(ReadCalcVar(shortInput), EFormatError);
}

TEST(CalcRecords, MethodRoundTripsWithBlockLayout) {
  const TCustomMethod m = sampleMethod();
  BinaryWriter w;
  WriteMethod(w, m);
  // Four blocks: 8+256, 8+256, 8+8, 8+4+3*520.
  ASSERT_EQ(w.size(), 264u + 264 + 16 + 12 + 3 * 520);
  BinaryReader header(w.data());
  EXPECT_EQ(header.i32(), 1);
  EXPECT_EQ(header.i32(), 256);

  BinaryReader r(w.data());
  TCustomMethod back;
  back.Name = "stale";
  bool unread = true;
  ReadMethod(r, back, &unread);
  EXPECT_EQ(back, m);
  EXPECT_FALSE(unread);
}

TEST(CalcRecords, ReaderSkipsUnknownBlocksAndLeavesAbsentFieldsEmpty) {
  BinaryWriter w;
  w.i32(77);  // unknown block first
  w.i32(5);
  w.zeros(5);
  w.i32(2);  // only the formula
  w.i32(256);
  w.shortString("1+2", 255);
  BinaryReader r(w.data());
  TCustomMethod back = sampleMethod();
  bool unread = false;
  ReadMethod(r, back, &unread);
  EXPECT_TRUE(unread);
  EXPECT_EQ(back.Formula, "1+2");
  EXPECT_EQ(back.Name, "");
  EXPECT_TRUE(back.Vars.empty());
  EXPECT_EQ(back.ResultUnitTop, -1);
  EXPECT_EQ(back.ResultUnitBottom, -1);
}

TEST(CalcRecords, DamagedVariableCountsAndTruncationAreFormatErrors) {
  auto varsBlock = [](std::int32_t count, std::size_t records) {
    BinaryWriter w;
    w.i32(4);
    w.i32(static_cast<std::int32_t>(4 + records * 520));
    w.i32(count);
    for (std::size_t i = 0; i < records; ++i) WriteCalcVar(w, {"x", "", 1.0});
    return w.take();
  };
  TCustomMethod m;
  for (std::int32_t count : {-1, 2, 0x7fffffff}) {
    const auto bytes = varsBlock(count, 1);
    BinaryReader r(bytes);
    EXPECT_THROW(ReadMethod(r, m), EFormatError) << count;
  }
  {
    const auto bytes = varsBlock(1, 1);
    BinaryReader r(bytes);
    ReadMethod(r, m);
    ASSERT_EQ(m.Vars.size(), 1u);
  }
  // A block size beyond the end, and a units block too short.
  BinaryWriter w;
  WriteMethod(w, sampleMethod());
  auto cut = w.data();
  cut.resize(cut.size() - 1);
  BinaryReader r1(cut);
  EXPECT_THROW(ReadMethod(r1, m), EFormatError);
  BinaryWriter units;
  units.i32(3);
  units.i32(4);
  units.i32(1);
  BinaryReader r2(units.data());
  EXPECT_THROW(ReadMethod(r2, m), EFormatError);
}

TEST(CalcRecords, OverlongTextIsCutTo255BytesAndShortTextBlocksAreTolerated) {
  TCustomMethod m;
  m.Name = std::string(300, 'n');
  m.Formula = std::string(400, '1');
  BinaryWriter w;
  WriteMethod(w, m);
  BinaryReader r(w.data());
  TCustomMethod back;
  ReadMethod(r, back);
  EXPECT_EQ(back.Name, std::string(255, 'n'));
  EXPECT_EQ(back.Formula, std::string(255, '1'));

  BinaryWriter small;
  small.i32(1);
  small.i32(3);
  small.u8(200);  // length beyond the block: clamped
  small.u8('A');
  small.u8('B');
  BinaryReader r2(small.data());
  ReadMethod(r2, back);
  EXPECT_EQ(back.Name, "AB");
}
