// The emulator as the other end of the line: what it refuses, how fast its
// answers travel, the frames it sends on its own, and the operator who
// fills its cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcquisitionDecoder.h"
#include "AnalyzerEmulator.h"
#include "EmulatorHarness.h"
#include "EmulatorLine.h"
#include "LinkFrame.h"
#include "VirtualOperator.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::EmulatorHarness;

// A sweep from -1200 to +100 mV (analyzer units of the default calibration)
// after `electrolysis` seconds.
EmulatorStep Sweep(int electrolysis = 1) {
  EmulatorStep s;
  s.sweepRate = 500;
  s.sweepStart = -1195;
  s.sweepEnd = 100;
  s.electrolysisPotential = -1394;
  s.electrolysisTime = electrolysis;
  s.stirrer = true;
  s.valuesRange = 2;
  return s;
}

Bytes Frame(std::uint8_t code, const Bytes& payload) { return LinkFrame::build(code, payload); }

TEST(EmulatorProtocol, RefusesWhatTheAnalyzerRefusesWithoutAnAnswer) {
  Bytes step = EmulatorHarness::stepPayload(Sweep());
  Bytes shortStep(step.begin(), step.end() - 1);
  Bytes otherIndex = step;
  otherIndex[0] = 1;  // the index word still says 0
  Bytes badRange = step;
  badRange[1 + 2 * 17 + 1] = 7;  // current range 7
  Bytes badSwitch = step;
  badSwitch[1 + 2 * 19 + 1] = 2;  // modulation 2
  Bytes damaged = Frame(0xC6, {0});
  damaged.back() ^= 0x01;
  struct Case {
    const char* what;
    Bytes frame;
  };
  const Case cases[] = {
      {"status without its byte", Frame(0xC6, {})},
      {"status with two bytes", Frame(0xC6, {0, 0})},
      {"short step", Frame(0xC2, shortStep)},
      {"step index repeated wrongly", Frame(0xC2, otherIndex)},
      {"step with current range 7", Frame(0xC2, badRange)},
      {"step with modulation 2", Frame(0xC2, badSwitch)},
      {"start before any step is loaded", Frame(0xC7, {0, 1})},
      {"calibration read of 33 bytes", Frame(0xD2, {33})},
      {"serial number without 0x22", Frame(0xD3, {0, 0, 0})},
      {"ADC mode 1", Frame(0xD4, {1})},
      {"range 5 on the bench", Frame(0xCD, {5})},
      {"stirrer add-on 4", Frame(0xDD, {4, 100})},
      {"autosampler cell 0", Frame(0xDC, {16, 0})},
      {"autosampler sub-command 7", Frame(0xDC, {7})},
      {"electrode down with an argument", Frame(0xDC, {5, 1})},
      {"unknown command", Frame(0xEE, {})},
      {"damaged check byte", damaged},
  };
  AnalyzerEmulator::Config config;
  config.autosampler = true;
  EmulatorHarness sampler(config);
  std::int64_t refused = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sampler.frames.clear();
    sampler.emulator.receive(c.frame);
    sampler.advance(5000);
    EXPECT_TRUE(sampler.frames.empty());
    EXPECT_EQ(sampler.emulator.refusedFrames(), ++refused);
  }
  // Good commands are still answered and not counted.
  EXPECT_EQ(sampler.command(0xC6, {0}), Frame(0xC6, {0}));
  EXPECT_EQ(sampler.command(0xC2, step), Frame(0xC2, {}));
  EXPECT_EQ(sampler.command(0xC7, {0, 1}), Frame(0xC7, {}));
  EXPECT_EQ(sampler.command(0xDC, {9}), Frame(0xDC, {9, 0}));
  EXPECT_EQ(sampler.emulator.refusedFrames(), refused);
  EXPECT_EQ(sampler.emulator.refusals().size(), static_cast<std::size_t>(refused));
}

TEST(EmulatorProtocol, PacedAnswersTravelAtTheLineRate) {
  AnalyzerEmulator::Config config;
  config.realtime = true;
  EmulatorHarness h(config);
  // A version answer: 11 characters, a frame of 16 bytes, 8.3 ms on the line.
  EXPECT_TRUE(h.command(0xDA).empty());
  h.advance(4);
  ASSERT_FALSE(h.chunks.empty());
  std::size_t arrived = 0;
  for (const Bytes& c : h.chunks) arrived += c.size();
  EXPECT_GE(arrived, 7u);
  EXPECT_LE(arrived, 8u);
  h.advance(5);
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0][3], 0xDA);

  // A long data answer streams out in pieces and takes its time: a sweep of
  // 650 samples is 2 600 bytes, 1.35 s at 19200 baud.
  h.command(0xC2, EmulatorHarness::stepPayload(Sweep()));
  h.advance(20);
  h.command(0xC7, {0, 1});
  h.advance(20);
  h.advance(5000);
  h.chunks.clear();
  h.frames.clear();
  const std::int64_t asked = h.clock.now;
  h.emulator.receive(Frame(0xC8, {}));
  for (int ms = 0; ms < 2000 && h.frames.empty(); ms += 10) h.advance(10);
  ASSERT_EQ(h.frames.size(), 1u);
  const std::size_t bytes = h.frames[0].size();
  EXPECT_GT(bytes, 2000u);
  EXPECT_GT(h.chunks.size(), 50u);
  EXPECT_NEAR(static_cast<double>(h.clock.now - asked), static_cast<double>(bytes) * EmulatorLine::byteMs(), 25.0);
}

TEST(EmulatorProtocol, DataAnswersHandOutEveryWholePairBuffered) {
  EmulatorHarness h;
  EmulatorStep s = Sweep();
  s.cycle = true;
  s.cycleType = 1;
  s.cycleCount = 2;  // four sweeps, about 10 kB of data
  h.command(0xC2, EmulatorHarness::stepPayload(s));
  h.command(0xC7, {0, 1});
  h.advance(60000);
  const Bytes answer = h.command(0xC8);
  ASSERT_GT(answer.size(), 8000u);
  EXPECT_EQ((answer.size() - 6) % 4, 0u);
  EXPECT_EQ(h.emulator.status(), 0);  // nothing left
  AcquisitionDecoder decoder;
  AcquisitionDecoder::Context context;
  context.Step.SetValuesRange(2);
  context.Calibration = AnalyzerEmulator::defaultCalibration();
  decoder.SetContext(context);
  decoder.BeginStep();
  int curves = 0;
  decoder.Feed(std::span(answer).subspan(5, answer.size() - 6), [&] {
    ++curves;
    EXPECT_GT(decoder.DataBuf().size(), 600u);
  });
  EXPECT_EQ(curves, 4);
  EXPECT_LE(AnalyzerEmulator::MaxDataPerAnswer + 2, protocol::MaxLen);
}

TEST(EmulatorProtocol, SendsItsOwnFramesWhereTheAnalyzerDoes) {
  for (const bool supports3in1 : {true, false}) {
    SCOPED_TRACE(supports3in1 ? "3-in-1" : "no 3-in-1");
    AnalyzerEmulator::Config config;
    config.supports3in1 = supports3in1;
    EmulatorHarness h(config);
    // The pre-conditioning of the 3-in-1 electrode: held at the potential
    // opposite to its reference (-480 mV) for a second.
    EmulatorStep hold;
    hold.sweepRate = 50;
    hold.sweepStart = hold.sweepEnd = hold.electrolysisPotential = hold.retentionPotential = 478;
    hold.electrolysisTime = 1;
    hold.retention = 1;
    h.command(0xC2, EmulatorHarness::stepPayload(hold));
    const std::vector<Bytes> frames = h.send(Frame(0xC7, {0, 1}));
    if (supports3in1) {
      ASSERT_EQ(frames.size(), 2u);
      EXPECT_EQ(frames[0], Frame(0xC7, {}));
      EXPECT_EQ(frames[1], Frame(0xDB, {}));
    } else {
      EXPECT_EQ(frames, std::vector<Bytes>{Frame(0xC7, {})});
    }
    // When the step is complete the analyzer reports its parameters, once.
    h.frames.clear();
    h.advance(999);
    EXPECT_TRUE(h.frames.empty());
    h.advance(2);
    ASSERT_EQ(h.frames.size(), 1u);
    Bytes report = EmulatorHarness::stepPayload(hold);
    EXPECT_EQ(h.frames[0], Frame(0xC1, report));
    h.advance(1000);
    EXPECT_EQ(h.command(0xC6, {0}), Frame(0xC6, {0}));
    EXPECT_EQ(h.frames.size(), 1u);
    // A sweep step is not a recovery.
    h.command(0xC2, EmulatorHarness::stepPayload(Sweep()));
    EXPECT_EQ(h.send(Frame(0xC7, {0, 1})), std::vector<Bytes>{Frame(0xC7, {})});
  }
}

TEST(EmulatorProtocol, TheOperatorFillsTheCellByMeasurementType) {
  VirtualOperator::Recipe recipe;
  recipe.electrolyteMl = 10.0;
  recipe.sampleMl = 1.0;
  recipe.sample = {400, 150, 250, 300};
  recipe.additionMl = 0.05;
  recipe.standard = {8, 3, 5, 6};
  const VirtualOperator op(recipe);
  const SampleModel before;
  const auto background = op.cellFor(VirtualOperator::Background, before);
  EXPECT_DOUBLE_EQ(background.volumeMl(), 10.0);
  EXPECT_EQ(background.cellConcentrations(), (SampleModel::Concentrations{0, 0, 0, 0}));
  const auto sample = op.cellFor(VirtualOperator::Sample, before);
  EXPECT_DOUBLE_EQ(sample.volumeMl(), 11.0);
  EXPECT_NEAR(sample.cellConcentrations()[SampleModel::Pb], 250.0 / 11.0, 1e-9);
  // Each addition brings 0.05 mL of 5 mg/L lead: 0.25 µg.
  const auto second = op.cellFor(VirtualOperator::Addition2, before);
  EXPECT_DOUBLE_EQ(second.volumeMl(), 11.1);
  EXPECT_NEAR(second.cellConcentrations()[SampleModel::Pb], (0.25 + 2 * 0.25) / 11.1 * 1000.0, 1e-9);
  const auto reference = op.cellFor(VirtualOperator::Reference, before);
  EXPECT_NEAR(reference.cellConcentrations()[SampleModel::Zn], 0.4 / 10.05 * 1000.0, 1e-9);
  EXPECT_EQ(op.cellFor(6, sample).volumeMl(), 11.0);  // no such type: left as it is

  std::string error;
  EXPECT_EQ(VirtualOperator::parseSequence("background,Sample,add1,2,reference", error),
            (std::vector<int>{0, 1, 2, 2, 5}));
  EXPECT_TRUE(VirtualOperator::parseSequence("sample,,add1", error).empty());
  EXPECT_TRUE(VirtualOperator::parseSequence("sample,spike", error).empty());
  EXPECT_EQ(error, "not a measurement type: spike");

  // On the line: one type of the sequence per recorded step, again from
  // the start after its end; a step that only conditions takes none.
  AnalyzerEmulator::Config config;
  config.recipe = recipe;
  config.cellSequence = {0, 1, 2};
  EmulatorHarness h(config);
  EmulatorStep condition = Sweep();
  condition.sweepEnd = condition.sweepStart;
  std::vector<int> filled;
  for (const EmulatorStep& s : {Sweep(), condition, Sweep(), Sweep(), Sweep()}) {
    h.command(0xC2, EmulatorHarness::stepPayload(s));
    h.command(0xC7, {0, 1});
    filled.push_back(h.emulator.lastFilledFor());
    h.advance(10000);
    h.command(0xC8);
  }
  EXPECT_EQ(filled, (std::vector<int>{0, 0, 1, 2, 0}));
  EXPECT_DOUBLE_EQ(h.emulator.sample().volumeMl(), 10.0);
  // In process the step itself names the type.
  h.emulator.setMeasurementSource([] { return 3; });
  h.command(0xC2, EmulatorHarness::stepPayload(Sweep()));
  h.command(0xC7, {0, 1});
  EXPECT_EQ(h.emulator.lastFilledFor(), 3);
  EXPECT_DOUBLE_EQ(h.emulator.sample().volumeMl(), 11.1);
  EXPECT_EQ(h.emulator.refusedFrames(), 0);
}

}  // namespace
}  // namespace velmora
