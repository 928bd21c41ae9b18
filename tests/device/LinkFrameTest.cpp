#include <gtest/gtest.h>

#include <vector>

#include "DeviceUnits.h"
#include "EDeviceError.h"
#include "FrameAssembler.h"
#include "LinkFrame.h"
#include "TCalibrationBlock.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Collected {
  std::vector<FrameAssembler::Result> results;
  std::vector<Bytes> frames;
};

Collected feed(FrameAssembler& a, const std::vector<Bytes>& chunks) {
  Collected c;
  for (const auto& chunk : chunks)
    a.feed(chunk, [&](FrameAssembler::Result r, std::span<const std::uint8_t> f) {
      c.results.push_back(r);
      c.frames.emplace_back(f.begin(), f.end());
    });
  return c;
}

TEST(LinkFrame, BuildsFramesWhoseBytesXorToZero) {
  const Bytes frame = LinkFrame::build(0xC6, Bytes{0x00});
  EXPECT_EQ(frame, (Bytes{0xA5, 0x02, 0x00, 0xC6, 0x00, static_cast<std::uint8_t>(0xA5 ^ 0x02 ^ 0xC6)}));
  EXPECT_TRUE(LinkFrame::isValid(frame));
  Bytes bad = frame;
  bad[4] ^= 1;
  EXPECT_FALSE(LinkFrame::isValid(bad));
  bad = frame;
  bad.pop_back();
  EXPECT_FALSE(LinkFrame::isValid(bad));

  // A LEN above 255 uses the high byte.
  const Bytes big = LinkFrame::build(0xC8, Bytes(300, 0x11));
  EXPECT_EQ(big[1], (301 & 0xFF));
  EXPECT_EQ(big[2], 1);
  EXPECT_TRUE(LinkFrame::isValid(big));
}

TEST(LinkFrame, CompleteRefusesFramesThatDoNotFit) {
  std::vector<std::uint8_t> buffer(10);
  EXPECT_THROW(LinkFrame::complete(buffer.data(), buffer.size(), 0xC6, 7), std::length_error);
  EXPECT_EQ(LinkFrame::complete(buffer.data(), buffer.size(), 0xC6, 6), 10u);
}

TEST(FrameAssembler, AssemblesSplitFramesAndDropsNoise) {
  FrameAssembler a;
  const Bytes frame = LinkFrame::build(0xDA, Bytes{'V', '1', 0xA5, '2'});  // a start byte inside is data
  const auto c = feed(a, {{0x00, 0x13, 0x37},
                          {frame.begin(), frame.begin() + 2},
                          {frame.begin() + 2, frame.begin() + 5},
                          {frame.begin() + 5, frame.end()}});
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.results[0], FrameAssembler::Result::Frame);
  EXPECT_EQ(c.frames[0], frame);
  EXPECT_FALSE(a.active());

  // Two frames in one chunk.
  Bytes two = frame;
  two.insert(two.end(), frame.begin(), frame.end());
  EXPECT_EQ(feed(a, {two}).frames.size(), 2u);
}

TEST(FrameAssembler, ReportsCheckErrorsAndOversizedFrames) {
  FrameAssembler a;
  Bytes frame = LinkFrame::build(0xC6, Bytes{0x01});
  frame.back() ^= 0xFF;
  auto c = feed(a, {frame});
  ASSERT_EQ(c.results.size(), 1u);
  EXPECT_EQ(c.results[0], FrameAssembler::Result::CheckError);

  // LEN 16381 cannot fit the buffer: the frame is dropped at once and the
  // next good frame is found.
  const Bytes good = LinkFrame::build(0xC6, Bytes{0x02});
  Bytes stream = {0xA5, 0xFD, 0x3F, 0xC8, 1, 2, 3};
  stream.insert(stream.end(), good.begin(), good.end());
  c = feed(a, {stream});
  ASSERT_EQ(c.results.size(), 2u);
  EXPECT_EQ(c.results[0], FrameAssembler::Result::Oversized);
  EXPECT_EQ(c.results[1], FrameAssembler::Result::Frame);
  EXPECT_EQ(c.frames[1], good);

  // LEN 16380 is the largest frame that fits: 16384 bytes.
  const Bytes largest = LinkFrame::build(0xC8, Bytes(16379, 0x5A));
  ASSERT_EQ(largest.size(), 16384u);
  c = feed(a, {largest});
  ASSERT_EQ(c.results.size(), 1u);
  EXPECT_EQ(c.results[0], FrameAssembler::Result::Frame);

  // A closed assembler forgets a half-received frame.
  a.feed(Bytes(good.begin(), good.begin() + 3), [](auto, auto) {});
  EXPECT_TRUE(a.active());
  a.close();
  c = feed(a, {Bytes(good.begin() + 3, good.end()), good});
  EXPECT_EQ(c.frames.size(), 1u);
}

TEST(CalibrationBlock, PacksFieldsAndExchangesImageBytes) {
  TCalibrationBlock b;
  b.DacAdc = -2;
  b.Coarse = 0x11;
  b.Precise = 0x22;
  b.Zero[5] = 0x1234;
  b.Coeff[0] = 0xFFFE;
  b.Gain = 0x33;
  b.Offset = 0x44;
  b.KDac = 10042;
  b.BenchPotential = -1000;
  b.LastRawCurrent = 77;
  b.BenchResistance = 1001100;
  b.BenchRange = 5;
  const auto bytes = b.toBytes();
  EXPECT_EQ(bytes[0], 0xFE);
  EXPECT_EQ(bytes[1], 0xFF);
  EXPECT_EQ(bytes[4], 0x11);
  EXPECT_EQ(bytes[16], 0x34);
  EXPECT_EQ(bytes[18], 0xFE);
  EXPECT_EQ(bytes[30], 0x33);
  EXPECT_EQ(bytes[32], 10042 & 0xFF);
  EXPECT_EQ(bytes[46], 5);
  EXPECT_EQ(TCalibrationBlock::fromBytes(bytes), b);

  const auto image = b.toImage();
  EXPECT_EQ(image[4], 0x22);  // Precise first on the wire
  EXPECT_EQ(image[5], 0x11);
  EXPECT_EQ(image[30], 0x44);  // Offset before Gain
  EXPECT_EQ(image[31], 0x33);

  // Storing an image keeps the bench values.
  TCalibrationBlock other;
  other.BenchPotential = 500;
  other.LastRawCurrent = 9;
  other.BenchResistance = 9999;
  other.BenchRange = 3;
  other.assignImage(image);
  EXPECT_EQ(other.Coarse, 0x11);
  EXPECT_EQ(other.Gain, 0x33);
  EXPECT_EQ(other.KDac, 10042);
  EXPECT_EQ(other.BenchPotential, 500);
  EXPECT_EQ(other.LastRawCurrent, 9);
  EXPECT_EQ(other.BenchResistance, 9999);
  EXPECT_EQ(other.BenchRange, 3);
}

TEST(DeviceUnits, ConvertsPotentialsWithHalvesToEven) {
  EXPECT_EQ(DeviceUnits::ToDeviceUnits(0, 5000, -5.5), -6);
  EXPECT_EQ(DeviceUnits::ToDeviceUnits(0, 5000, 2.5), 2);
  EXPECT_EQ(DeviceUnits::ToDeviceUnits(1, 20000, 5), 2);  // 2.5 -> 2
  EXPECT_EQ(DeviceUnits::ToDeviceUnits(1, 20000, 7), 4);  // 3.5 -> 4
  EXPECT_EQ(DeviceUnits::ToDeviceUnits(1, 10042, -1000), -996);
  EXPECT_DOUBLE_EQ(DeviceUnits::FromDeviceUnits(1, 10042, -996), -996 / 10000.0 * 10042);
  EXPECT_DOUBLE_EQ(DeviceUnits::FromDeviceUnits(0, 10042, -996), -996);
  // An analyzer without a potential scale is taken as unity, not divided by zero.
  EXPECT_EQ(DeviceUnits::ToDeviceUnits(1, 0, 123), 123);
}

TEST(DeviceUnits, CalibrationCurrentUsesZeroAndGainOfTheBenchRange) {
  TCalibrationBlock b;
  b.Zero = {10, 0, 0, 0, 0, -20};
  b.Coeff = {16384, 0, 0, 0, 0, 49152};
  b.BenchRange = 0;
  auto r = DeviceUnits::CalibrationCurrent(1, b, 15);
  EXPECT_EQ(r.rawCurrent, 5);
  EXPECT_EQ(r.current, 2.0);  // 2.5 -> 2
  b.BenchRange = 7;           // every range from 5 on reads as 5
  r = DeviceUnits::CalibrationCurrent(1, b, 0);
  EXPECT_EQ(r.rawCurrent, 20);
  EXPECT_EQ(r.current, 30.0);
  // Device type 0: 2048 - v - Zero, plus 4 when negative.
  b.BenchRange = 0;
  r = DeviceUnits::CalibrationCurrent(0, b, 2040);
  EXPECT_EQ(r.rawCurrent, -2 + 4);
}

TEST(DeviceUnits, CalibrCoefficientAndItsRefusals) {
  EXPECT_EQ(DeviceUnits::CalibrCoefficient(1000, 1000, 4, 1000), 32768);
  EXPECT_EQ(DeviceUnits::CalibrCoefficient(-1000, 1000, 4, 1000), 32768);
  EXPECT_THROW(DeviceUnits::CalibrCoefficient(1000, 100, 4, 1000), EDeviceError);  // 327680
  EXPECT_THROW(DeviceUnits::CalibrCoefficient(1000, 0, 4, 1000), EDeviceError);
  EXPECT_THROW(DeviceUnits::CalibrCoefficient(1000, 1000, 4, 0), EDeviceError);
  EXPECT_THROW(DeviceUnits::CalibrCoefficient(1000, 1000, 6, 1000), EDeviceError);
  EXPECT_EQ(DeviceUnits::CalibrCoefficient(1000, 10010000, 0, 1000), 32735);  // round(0.99900.. * 32768)
}

}  // namespace
}  // namespace velmora
