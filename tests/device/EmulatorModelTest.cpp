#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "AcquisitionDecoder.h"
#include "AnalyzerEmulator.h"
#include "EmulatorFaults.h"
#include "EmulatorHarness.h"
#include "EmulatorStep.h"
#include "FrameAssembler.h"
#include "LinkFrame.h"
#include "SampleModel.h"
#include "VoltammogramModel.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::EmulatorHarness;

TEST(EmulatorModel, StepWordsRoundTripWithSignedPotentials) {
  EmulatorStep s;
  s.sweepRate = -5;
  s.sweepStart = -1200;
  s.sweepEnd = 100;
  s.electrolysisTime = 60000;
  s.cycle = true;
  s.index = 3;
  const auto words = s.encode();
  EXPECT_EQ(words[0], 0xFFFB);
  EXPECT_EQ(words[4], 60000);
  const EmulatorStep back = EmulatorStep::decode(words);
  EXPECT_EQ(back.sweepRate, -5);
  EXPECT_EQ(back.sweepStart, -1200);
  EXPECT_EQ(back.electrolysisTime, 60000);
  EXPECT_TRUE(back.cycle);
  EXPECT_EQ(back.index, 3);
}

TEST(EmulatorModel, FaultOptionsParse) {
  EmulatorFaults f;
  std::string error;
  EXPECT_TRUE(f.parse("silent=0xD2,198", error));
  EXPECT_TRUE(f.silent.count(0xD2));
  EXPECT_TRUE(f.silent.count(0xC6));
  EXPECT_TRUE(f.parse("crc=all", error));
  EXPECT_TRUE(f.corruptAll);
  EXPECT_TRUE(f.parse("mercury-gap", error));
  EXPECT_TRUE(f.mercuryJetGap);
  EXPECT_FALSE(f.parse("silent=0x1FF", error));
  EXPECT_FALSE(f.parse("explode", error));
  EXPECT_FALSE(error.empty());
}

TEST(EmulatorModel, SampleMixingAndStandardAdditions) {
  SampleModel m;
  m.fillSupportingElectrolyte(10.0, {0, 0, 0, 0});
  m.addSample(10.0, {40, 0, 20, 0});
  EXPECT_DOUBLE_EQ(m.cellConcentrations()[SampleModel::Pb], 10.0);
  m.addStandard(SampleModel::Pb, 0.2, 1.0);  // 0.2 mL of 1 mg/L: +200 ng
  EXPECT_NEAR(m.cellConcentrations()[SampleModel::Pb], (200.0 + 200.0) / 20.2, 1e-9);
  EXPECT_NEAR(m.cellConcentrations()[SampleModel::Zn], 400.0 / 20.2, 1e-9);
  EXPECT_EQ(SampleModel::elementOf("cd"), SampleModel::Cd);
  EXPECT_EQ(SampleModel::elementOf("Xx"), SampleModel::ElementCount);
}

TEST(EmulatorModel, PeaksScaleWithConcentrationAndElectrolysisTime) {
  VoltammogramModel m;
  VoltammogramModel::Conditions c;
  c.electrolysisPotentialMv = -1300;
  c.electrolysisTimeS = 30;
  c.stirred = true;
  m.prepare(c, {10, 10, 10, 10});
  const auto h30 = m.peakHeights();
  c.electrolysisTimeS = 60;
  m.prepare(c, {10, 10, 20, 10});
  const auto h60 = m.peakHeights();
  EXPECT_NEAR(h60[SampleModel::Zn] / h30[SampleModel::Zn], 2.0, 1e-9);
  EXPECT_NEAR(h60[SampleModel::Pb] / h30[SampleModel::Pb], 4.0, 1e-9);
  // The peak stands out of the baseline at its potential on anodic sweeps only.
  const double pb = SampleModel::peakPotential(SampleModel::Pb);
  const double between = (pb + SampleModel::peakPotential(SampleModel::Cd)) / 2.0;  // baseline between two peaks
  EXPECT_GT(m.idealCurrent(pb, true) - m.idealCurrent(between, true), 0.8 * h60[SampleModel::Pb]);
  EXPECT_LT(m.idealCurrent(pb, false), m.idealCurrent(pb, true) - 0.5 * h60[SampleModel::Pb]);
  // Zinc does not deposit at -900 mV; copper does.
  c.electrolysisPotentialMv = -900;
  m.prepare(c, {10, 10, 10, 10});
  EXPECT_EQ(m.peakHeights()[SampleModel::Zn], 0.0);
  EXPECT_GT(m.peakHeights()[SampleModel::Cu], 0.0);
}

TEST(EmulatorModel, AnswersTheQueriesOfTheProtocol) {
  AnalyzerEmulator::Config config;
  config.autosampler = true;
  EmulatorHarness h(config);
  // The reset answer comes after the analyzer has restarted.
  EXPECT_TRUE(h.command(0xC5).empty());
  h.advance(300);
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0], LinkFrame::build(0xC5, {0x80, 1, 100, 0}));

  const Bytes eeprom = h.command(0xD2, {34});
  ASSERT_EQ(eeprom.size(), 40u);
  const auto image = AnalyzerEmulator::defaultCalibration().toImage();
  EXPECT_TRUE(std::equal(image.begin(), image.end(), eeprom.begin() + 5));
  EXPECT_EQ(h.command(0xCC), LinkFrame::build(0xCC, {97, 140, 200, 128}));
  EXPECT_EQ(h.command(0xD3, {0x22, 0, 0}), LinkFrame::build(0xD3, {0x22, 0x87, 0xD6, 0x12, 0x00}));
  EXPECT_EQ(h.command(0xDA), LinkFrame::build(0xDA, {'V', 'A', '-', 'E', 'M', 'U', ' ', '1', '.', '0', '4'}));
  EXPECT_EQ(h.command(0xDF), LinkFrame::build(0xDF, {0x03, 0xE8}));
  EXPECT_EQ(h.command(0xC6, {0}), LinkFrame::build(0xC6, {0}));
  EXPECT_EQ(h.command(0xDC, {9}), LinkFrame::build(0xDC, {9, 0}));
  EXPECT_TRUE(h.command(0xDC, {16, 5}).empty());  // the tray takes its time
  h.advance(2200);
  EXPECT_EQ(h.frames.back(), LinkFrame::build(0xDC, {16, 4}));
  EXPECT_EQ(h.command(0xDD, {2, 150}), LinkFrame::build(0xDD, {}));
  EXPECT_EQ(h.emulator.stirrerSpeed(), 1500);
  EXPECT_TRUE(h.command(0xCB, {1, 2, 3, 4}).empty());  // not answered
  EXPECT_EQ(h.command(0xCC), LinkFrame::build(0xCC, {1, 2, 3, 4}));
  EXPECT_TRUE(h.command(0xEE).empty());
}

TEST(EmulatorModel, ExecutesStagesAndStreamsDataWithEndMarkers) {
  EmulatorHarness h;
  EmulatorStep s;
  s.cleaningTime = 2;
  s.electrolysisTime = 3;
  s.sweepRate = 100;
  s.sweepStart = -500;
  s.sweepEnd = -300;
  s.valuesRange = 1;
  EXPECT_EQ(h.command(0xC2, EmulatorHarness::stepPayload(s)), LinkFrame::build(0xC2, {}));
  EXPECT_EQ(h.command(0xC7, {0, 1}), LinkFrame::build(0xC7, {}));
  EXPECT_EQ(h.emulator.status(), 3);
  h.advance(2100);
  EXPECT_EQ(h.emulator.status(), 1);
  const Bytes param = h.command(0xC3, {4});
  ASSERT_EQ(param.size(), 8u);
  EXPECT_EQ(param[5] + 256 * param[6], 3);  // seconds of electrolysis left
  h.advance(3000);
  EXPECT_EQ(h.emulator.status() & 0x0F, 2);
  h.advance(5000);
  EXPECT_EQ(h.emulator.status(), 0x40);  // complete, data waiting

  // One answer hands out the whole sweep; the program's decoder reads it
  // as one voltammogram over the swept potentials.
  const Bytes answer = h.command(0xC8);
  ASSERT_GE(answer.size(), 6u);
  EXPECT_EQ(h.emulator.status(), 0);
  AcquisitionDecoder decoder;
  AcquisitionDecoder::Context context;
  context.Step.SetValuesRange(1);
  context.Calibration = AnalyzerEmulator::defaultCalibration();
  decoder.SetContext(context);
  decoder.BeginStep();
  std::vector<TRecPoints> curves;
  const auto batch =
      decoder.Feed(std::span(answer).subspan(5, answer.size() - 6), [&] { curves.push_back(decoder.DataBuf()); });
  EXPECT_TRUE(batch.EndSeen);
  EXPECT_EQ(decoder.UnreadBytes(), 0u);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].size(), 100u);  // the two settling samples are dropped
  EXPECT_NEAR(curves[0].front().X, -500 * 1.0042, 3.0);
  EXPECT_NEAR(curves[0].back().X, -300 * 1.0042, 3.0);
  for (const TRecPoint& p : curves[0]) EXPECT_LE(std::fabs(p.Y), 10.1);  // µA: within the 2 µA range's ADC
  EXPECT_EQ(h.emulator.refusedFrames(), 0);
}

}  // namespace
}  // namespace velmora
