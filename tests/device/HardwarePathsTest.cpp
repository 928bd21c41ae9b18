// The hardware paths of a run on the analyzer's line: autosampler moves,
// electrode down and up, pre-conditioning of the 3-in-1 electrode,
// compensation and per-step stirrer settings. Each runs against the
// emulator on a pseudo-terminal; the frames it received are checked in
// order (the polls of status, stage parameters and data left out).
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AnalyzerEmulator.h"
#include "DeviceTestSupport.h"
#include "LinkFrame.h"
#include "MissingFacility.h"
#include "PtyDeviceFixture.h"
#include "ScaledClock.h"
#include "TAcquisitionRun.h"
#include "TTavrelDevice.h"

namespace velmora {
namespace {

using test::LockedMessageSink;
using test::waitUntil;
using Frames = std::vector<std::string>;

// A short sweep with the given stirrer settings.
ProgramStep Step(int stirrerType, int stirrerSpeed = 1000) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(1000);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(100);
  s.SetElectrolysisPotential(-1300);
  s.SetElectrolysisTime(1);
  s.SetStirrerType(stirrerType);
  s.SetStirrerSpeed(stirrerSpeed);
  return s;
}

class HardwarePaths : public test::PtyDeviceFixture {
 protected:
  std::atomic<bool> recovering{false};

  bool serve(const AnalyzerEmulator::Config& config, bool useNew3in1 = false) {
    return PtyDeviceFixture::serve(config, [this, useNew3in1](TTavrelDevice& d) {
      d.SetUseNew3in1(useNew3in1);
      d.OnStatusChange = [this, &d] {
        if (d.DeviceStatus() == 8) recovering = true;
      };
    });
  }

  // Runs the program set and returns the frames the analyzer received,
  // as hex text; a step is shown as "C2" and its sweep potentials, a step
  // held at one potential as "C2 held" (the potential goes to heldAt).
  Frames run(const TVAProgramsArray& set) {
    {
      TAcquisitionRun r(*device, clock);
      r.SetVAProgram(set);
      r.StartRecording();
      EXPECT_TRUE(r.WaitFinished(std::chrono::seconds(60)));
    }
    EXPECT_TRUE(sink.texts().empty()) << sink.texts().front();
    EXPECT_EQ(emulator->refusedFrames(), 0) << emulator->refusals().front();
    Frames out;
    for (const auto& f : emulator->receivedFrames()) {
      const std::uint8_t code = f[3];
      if (code == 0xC6 || code == 0xC3 || code == 0xC8) continue;
      std::string text;
      if (code == 0xC2) {
        const int from = LinkFrame::readInt16BE(&f[7]), to = LinkFrame::readInt16BE(&f[9]);
        text = from == to ? "C2 held" : "C2 " + std::to_string(from) + ".." + std::to_string(to);
        if (from == to) heldAt = from;
      } else {
        text = test::FrameHex(f, 3);
      }
      out.push_back(text);
    }
    return out;
  }

  int heldAt = 0;
};

// The sweep of Step() in analyzer units (KDac 10042).
const std::string kSweep = "C2 -1195..100";

TEST_F(HardwarePaths, AutosamplerMovesAndRaisesAndLowersTheElectrode) {
  AnalyzerEmulator::Config config;
  config.autosampler = true;
  config.supports3in1 = false;  // so the electrode goes up after a step
  if (!serve(config)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal";
  ASSERT_EQ(device->AddOnType(), 0);  // the autosampler's stirrer
  ProgramStep a = Step(0), b = Step(0), c = Step(0);
  a.SetSamplerCell(3);
  a.SetElectrodeDown(true);
  a.SetElectrodeUp(true);
  b.SetSamplerCell(3);  // already there
  b.SetElectrodeDown(true);
  c.SetSamplerCell(5);
  c.SetElectrodeUp(true);
  const Frames expected = {"DC 10 03", "DC 05", "CB 61 8C FF 80", kSweep, "C7 00 01", "DC 04",  // a
                           "DC 05",    kSweep,  "C7 00 01",                                     // b
                           "DC 10 05", kSweep,  "C7 00 01",       "DC 04"};                     // c
  EXPECT_EQ(run({{a, b, c}}), expected);
  EXPECT_EQ(emulator->samplerPosition(), 4);
  EXPECT_EQ(device->CellNumber(), 4);
  EXPECT_FALSE(emulator->electrodeDown());
}

TEST_F(HardwarePaths, The3in1ElectrodeIsRecoveredBeforeEveryStepButTheFirst) {
  AnalyzerEmulator::Config config;
  config.autosampler = true;
  if (!serve(config, true)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal";
  ASSERT_TRUE(device->AllowNew3in1());
  recovering = false;
  ProgramStep a = Step(0), b = Step(0);
  a.SetSamplerCell(2);
  a.SetElectrodeDown(true);
  b.SetSamplerCell(2);
  b.SetElectrodeDown(true);
  b.SetElectrodeUp(true);  // not with the 3-in-1 electrode in use
  // The reference is read three times; the electrode is held at the
  // opposite potential and raised.
  const Frames expected = {"DC 10 02", "DC 05", "CB 61 8C FF 80", kSweep,    "C7 00 01",  // a
                           "D4 02",    "D4 02", "D4 02",          "C2 held", "C7 00 01",
                           "DC 04",    "DC 05", kSweep,           "C7 00 01"};  // b
  EXPECT_EQ(run({{a, b}}), expected);
  // The reference reads about -480 mV: +480 mV is 478 in analyzer units.
  EXPECT_NEAR(heldAt, 478, 2);
  // The analyzer announced the recovery on its own.
  EXPECT_TRUE(recovering.load());
}

TEST_F(HardwarePaths, CompensationRewritesTheOffsetRegisterWhenItChanges) {
  AnalyzerEmulator::Config config;
  if (!serve(config)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal";
  ProgramStep a = Step(1), b = Step(1), c = Step(1), d = Step(1);
  b.SetCompensation(40);
  c.SetCompensation(40);
  d.SetCompensation(100);
  const Frames expected = {"CB 61 8C FF 80", kSweep,     "C7 00 01",       "CB 61 8C D7 80", kSweep,    "C7 00 01",
                           kSweep,           "C7 00 01", "CB 61 8C 9B 80", kSweep,           "C7 00 01"};
  EXPECT_EQ(run({{a, b}, {c, d}}), expected);
  EXPECT_EQ(emulator->calibration().Offset, 155);
  EXPECT_EQ(device->Resistor(), 100);
  EXPECT_EQ(device->CalibrationBlock().Gain, 140);
}

TEST_F(HardwarePaths, StirrerChangesFollowTheSteps) {
  AnalyzerEmulator::Config config;
  if (!serve(config)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal";
  ASSERT_EQ(device->AddOnType(), 1);
  ASSERT_EQ(device->MixerSpeed(), 1000);
  // The speed is stored first; the type's setter sends the type with it,
  // then the speed's setter sends it again.
  const Frames expected = {"CB 61 8C FF 80", kSweep,     "C7 00 01",               // as the analyzer is
                           "DD 02 96",       "DD 02 96", kSweep,     "C7 00 01",   // regulated electrode, 1500
                           kSweep,           "C7 00 01",                           // the same again
                           "DD 01 50",       "DD 01 50", kSweep,     "C7 00 01"};  // regulated mixer, 800
  EXPECT_EQ(run({{Step(1), Step(2, 1500), Step(2, 1500), Step(1, 800)}}), expected);
  EXPECT_EQ(emulator->stirrerType(), 1);
  EXPECT_EQ(emulator->stirrerSpeed(), 800);
  EXPECT_EQ(device->MixerSpeed(), 800);
}

}  // namespace
}  // namespace velmora
