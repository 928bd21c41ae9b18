// Decoding of the analyzer's data stream: calibration, range factors,
// filters, end markers, split samples and long voltammograms.
#include <gtest/gtest.h>

#include <vector>

#include "AcquisitionDecoder.h"
#include "LinkFrame.h"

namespace velmora {
namespace {

std::vector<std::uint8_t> Pairs(const std::vector<std::pair<int, int>>& pairs) {
  std::vector<std::uint8_t> out;
  for (const auto& [w1, w2] : pairs) {
    std::uint8_t b[4];
    LinkFrame::writeWordBE(b, w1);
    LinkFrame::writeWordBE(b + 2, w2);
    out.insert(out.end(), b, b + 4);
  }
  return out;
}

// Device type 1, unity potential scale, zero offsets and unity gains.
AcquisitionDecoder::Context UnityContext(int range = 4) {
  AcquisitionDecoder::Context c;
  c.DeviceType = 1;
  c.Calibration.KDac = 10000;
  c.Calibration.Coeff.fill(32768);
  c.Step.SetValuesRange(range);
  return c;
}

TEST(AcqDecoderTest, CalibratedCurrentFollowsDeviceTypeRangeAndModulation) {
  ProgramStep step;
  TCalibrationBlock cal;
  cal.Zero = {10, 20, 30, 40, 50, 60};
  cal.Coeff = {32768, 16384, 32768, 32768, 65535, 49152};
  step.SetValuesRange(1);
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 1, cal, 220), 100);  // (220-20)/2
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 1, cal, 221), 100);  // 100.5 to even
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 1, cal, 223), 102);  // 101.5 to even
  // Device type 0 reads inverted around 2048, and a negative value gains 4.
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 0, cal, 2000), 14);   // (2048-2000-20)/2
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 0, cal, 2100), -34);  // (-72+4)/2
  // Modulation uses range 5; in time mode 5 the raw value is returned as it is.
  step.SetModulation(true);
  std::int32_t raw = 0;
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 1, cal, 160, &raw), 150);  // 100 * 1.5
  EXPECT_EQ(raw, 100);
  step.SetTimeMode(5);
  EXPECT_EQ(AcquisitionDecoder::CalibratedCurrent(step, 1, cal, 160), 100);
  EXPECT_EQ(AcquisitionDecoder::RangeIndex(step), 1);  // no modulation factor in mode 5
  step.SetTimeMode(0);
  EXPECT_EQ(AcquisitionDecoder::RangeIndex(step), 6);
}

TEST(AcqDecoderTest, FirstTwoSamplesAreDroppedAndEndMarkerClosesTheVoltammogram) {
  AcquisitionDecoder d;
  d.SetContext(UnityContext(3));  // factor 0.1
  int ends = 0;
  std::vector<TRecPoints> finished;
  auto onEnd = [&] {
    ++ends;
    finished.push_back(d.DataBuf());
  };
  // An empty answer changes nothing.
  EXPECT_FALSE(d.Feed({}, onEnd).AnySample);
  const auto batch = d.Feed(Pairs({{-1000, 5}, {-998, 6}, {-996, 70}, {-994, 80}}), onEnd);
  EXPECT_FALSE(batch.EndSeen);
  EXPECT_DOUBLE_EQ(batch.LastX, -994);
  ASSERT_EQ(d.DataBuf().size(), 2u);
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].X, -996);
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].Y, 7.0);
  d.Feed(Pairs({{-992, 10000}, {0, 1}, {0, 2}, {5, 30}}), onEnd);
  ASSERT_EQ(ends, 1);
  EXPECT_EQ(finished[0].size(), 2u);
  // The points after the marker belong to the next voltammogram.
  ASSERT_EQ(d.DataBuf().size(), 1u);
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].X, 5);
  // Two samples then a marker: an empty voltammogram.
  d.BeginStep();
  d.Feed(Pairs({{1, 1}, {2, 2}, {3, 10000}}), onEnd);
  EXPECT_TRUE(finished.back().empty());
}

TEST(AcqDecoderTest, SampleSplitAcrossAnswersIsDecodedOnceComplete) {
  AcquisitionDecoder d;
  d.SetContext(UnityContext());
  const auto bytes = Pairs({{1, 1}, {2, 2}, {300, 400}});
  d.Feed(std::span(bytes).first(10));
  EXPECT_TRUE(d.DataBuf().empty());
  EXPECT_EQ(d.UnreadBytes(), 2u);
  d.Feed(std::span(bytes).subspan(10));
  ASSERT_EQ(d.DataBuf().size(), 1u);
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].X, 300);
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].Y, 400);
}

TEST(AcqDecoderTest, ForwardAndBackwardFilters) {
  std::vector<std::pair<int, int>> samples = {{0, 0}, {1, 0}, {2, 100}, {3, 200}, {4, 100}, {5, 0}};
  // Filter 0 changes nothing.
  {
    AcquisitionDecoder d;
    d.SetContext(UnityContext());
    TRecPoints done;
    auto withEnd = samples;
    withEnd.push_back({6, 10000});
    d.Feed(Pairs(withEnd), [&] { done = d.DataBuf(); });
    ASSERT_EQ(done.size(), 4u);
    EXPECT_DOUBLE_EQ(done[0].Y, 100);
    EXPECT_DOUBLE_EQ(done[1].Y, 200);
    EXPECT_DOUBLE_EQ(done[3].Y, 0);
  }
  // F = 1: from the fourth sample on each value averages with the previous
  // filtered one; the backward pass then averages from the end to index 2.
  AcquisitionDecoder d;
  d.SetContext(UnityContext());
  d.SetInputFilter(1);
  d.Feed(Pairs(samples));
  const TRecPoints& live = d.DataBuf();
  ASSERT_EQ(live.size(), 4u);
  EXPECT_DOUBLE_EQ(live[0].Y, 100);  // third sample: unfiltered
  EXPECT_DOUBLE_EQ(live[1].Y, 150);  // (100 + 200) / 2
  EXPECT_DOUBLE_EQ(live[2].Y, 125);  // (150 + 100) / 2
  EXPECT_DOUBLE_EQ(live[3].Y, 62.5);
  TRecPoints done;
  d.Feed(Pairs({{6, 10000}}), [&] { done = d.DataBuf(); });
  ASSERT_EQ(done.size(), 4u);
  EXPECT_DOUBLE_EQ(done[0].Y, 100);
  EXPECT_DOUBLE_EQ(done[1].Y, 150);
  EXPECT_DOUBLE_EQ(done[3].Y, 62.5);  // (62.5 + 62.5) / 2
  EXPECT_DOUBLE_EQ(done[2].Y, (62.5 + 125) / 2);
}

TEST(AcqDecoderTest, TimeModesAndPotentialScale) {
  AcquisitionDecoder d;
  AcquisitionDecoder::Context c = UnityContext();
  c.Step.SetTimeMode(2);
  c.Step.SetSweepRate(100);
  d.SetContext(c);
  d.Feed(Pairs({{0, 0}, {0, 0}, {35, 0}}));
  ASSERT_EQ(d.DataBuf().size(), 1u);
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].X, 3.5);
  // Outside the time modes X is converted with the potential scale.
  c.Step.SetTimeMode(0);
  c.Calibration.KDac = 5000;
  d.SetContext(c);
  d.BeginStep();
  d.Feed(Pairs({{0, 0}, {0, 0}, {-1000, 0}}));
  EXPECT_DOUBLE_EQ(d.DataBuf()[0].X, -500);
}

TEST(AcqDecoderTest, VoltammogramsLongerThanTheLineBufferStayWhole) {
  AcquisitionDecoder d;
  d.SetContext(UnityContext());
  constexpr int kSamples = 20000;
  std::vector<std::pair<int, int>> all;
  for (int i = 0; i < kSamples; ++i) all.push_back({i % 30000, i % 9000});
  all.push_back({0, 10000});
  const auto bytes = Pairs(all);
  TRecPoints done;
  // Fed in odd-sized answers, as a real line delivers them.
  for (std::size_t pos = 0; pos < bytes.size(); pos += 1021)
    d.Feed(std::span(bytes).subspan(pos, std::min<std::size_t>(1021, bytes.size() - pos)), [&] { done = d.DataBuf(); });
  ASSERT_EQ(done.size(), static_cast<std::size_t>(kSamples - 2));
  for (int i = 2; i < kSamples; ++i) {
    ASSERT_DOUBLE_EQ(done[static_cast<std::size_t>(i - 2)].X, i % 30000) << i;
    ASSERT_DOUBLE_EQ(done[static_cast<std::size_t>(i - 2)].Y, i % 9000) << i;
  }
  EXPECT_EQ(d.UnreadBytes(), 0u);
}

}  // namespace
}  // namespace velmora
