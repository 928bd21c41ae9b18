// The autosampler's faults: the emulator's jammed tray and lost position,
// and what a run does when the tray does not reach a cell: it stops, the
// electrode goes up, the cell is named and the curves recorded are counted.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AnalyzerEmulator.h"
#include "DeviceProtocol.h"
#include "DeviceTestSupport.h"
#include "EmulatorHarness.h"
#include "Messages.h"
#include "MissingFacility.h"
#include "PtyDeviceFixture.h"
#include "ScaledClock.h"
#include "TAcquisitionRun.h"
#include "TTavrelDevice.h"

namespace velmora {
namespace {

using test::EmulatorHarness;
using test::LockedMessageSink;
using test::waitUntil;
using namespace protocol;

TEST(SamplerFaults, TheEmulatorsTrayJamsAndLosesItsPosition) {
  EmulatorFaults faults;
  std::string error;
  ASSERT_TRUE(faults.parse("tray-jam=7,9", error)) << error;
  ASSERT_TRUE(faults.parse("no-cell=4", error)) << error;
  EXPECT_EQ(faults.trayJam, (std::set<int>{7, 9}));
  EXPECT_EQ(faults.noCellAnswer, std::set<int>{4});
  EXPECT_FALSE(EmulatorFaults().parse("tray-jam=16", error));
  EXPECT_EQ(error, "not a tray cell (1..15): 16");
  EXPECT_FALSE(EmulatorFaults().parse("no-cell=", error));

  AnalyzerEmulator::Config config;
  config.autosampler = true;
  config.faults = faults;
  EmulatorHarness h(config);
  // A move takes its time: 600 ms to settle and 400 ms per cell on the way.
  EXPECT_TRUE(h.command(COM_ZAMPLER_C, {SamplerMove, 3}).empty());
  h.advance(1399);
  EXPECT_TRUE(h.frames.empty());
  h.frames.clear();
  h.advance(1);
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0][5], 2);  // 0-based position
  // The shorter way round: from 3 to 14 is four cells.
  h.command(COM_ZAMPLER_C, {SamplerMove, 14});
  h.frames.clear();
  h.advance(2200);
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0][5], 13);

  // Cell 4 is reached but answered without a position.
  h.command(COM_ZAMPLER_C, {SamplerMove, 4});
  h.frames.clear();
  h.advance(10000);
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0][5], 0xFF);
  EXPECT_EQ(h.emulator.samplerPosition(), 3);

  // On the way to 7 the tray jams: no move is answered any more, the
  // electrode still is.
  h.command(COM_ZAMPLER_C, {SamplerMove, 7});
  h.advance(30000);
  EXPECT_TRUE(h.emulator.trayJammed());
  h.frames.clear();
  h.command(COM_ZAMPLER_C, {SamplerMove, 2});
  h.advance(30000);
  EXPECT_TRUE(h.frames.empty());
  EXPECT_EQ(h.emulator.samplerPosition(), 3);
  h.command(COM_ZAMPLER_C, {SamplerElectrodeUp});
  h.advance(1200);
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0][4], SamplerElectrodeUp);
  // A reset frees the tray.
  h.command(COM_RESET);
  EXPECT_FALSE(h.emulator.trayJammed());
  EXPECT_EQ(h.emulator.refusedFrames(), 0);
}

// A short sweep in an autosampler cell.
ProgramStep CellStep(int cell) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(1000);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(100);
  s.SetElectrolysisTime(1);
  s.SetStirrerType(0);
  s.SetSamplerCell(cell);
  s.SetElectrodeDown(true);
  return s;
}

class SamplerRun : public test::PtyDeviceFixture {
 protected:
  bool serve(const EmulatorFaults& faults) {
    AnalyzerEmulator::Config config;
    config.autosampler = true;
    config.supports3in1 = false;
    config.faults = faults;
    return PtyDeviceFixture::serve(config);
  }

  // Runs the set; returns the autosampler frames the analyzer received.
  std::vector<std::string> run(const TVAProgramsArray& set) {
    TAcquisitionRun r(*device, clock);
    r.CellCaption = [](int cell) { return cell == 5 ? std::string("Sample 2") : std::string(); };
    r.OnRunError = [this](const Message& m) { sink.error(m); };
    r.OnSingleRecordEnd = [this] { ++curves; };
    r.SetVAProgram(set);
    r.StartRecording();
    EXPECT_TRUE(r.WaitFinished(std::chrono::seconds(60)));
    faultCell = r.SamplerFaultCell();
    std::vector<std::string> out;
    for (const auto& f : emulator->receivedFrames())
      if (f[3] == COM_ZAMPLER_C) out.push_back("DC " + test::FrameHex(f, 4));
    return out;
  }

  std::atomic<int> curves{0};
  int faultCell = -1;
};

TEST_F(SamplerRun, AJammedTrayStopsTheRunRaisesTheElectrodeAndNamesTheCell) {
  EmulatorFaults faults;
  faults.trayJam = {5};
  if (!serve(faults)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal";
  const std::vector<std::string> expected = {"DC 10 03", "DC 05", "DC 10 05", "DC 04"};
  EXPECT_EQ(run({{CellStep(3), CellStep(5), CellStep(6)}}), expected);
  EXPECT_EQ(curves.load(), 1);
  EXPECT_EQ(faultCell, 5);
  EXPECT_FALSE(emulator->electrodeDown());
  EXPECT_FALSE(device->Active());  // the move timed out
  const std::vector<std::string> texts = sink.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "No responce from device. Command №220");
  EXPECT_EQ(texts[1],
            "The autosampler did not answer on its way to cell 5 (Sample 2). The batch is stopped; the 1 curve "
            "recorded so far is kept.");
}

// The count of curves kept reads in the right number for every count.
TEST(SamplerFaultMessages, TheCountOfCurvesKeptTakesItsEnglishForm) {
  const auto text = [](const PluralText& t, std::int64_t n) { return Message::Counted(t, n, {"7"}).format(); };
  EXPECT_EQ(text(msg::SamplerNoAnswer, 0),
            "The autosampler did not answer on its way to cell 7. The batch is stopped; the 0 curves recorded so far "
            "are kept.");
  EXPECT_EQ(text(msg::SamplerNoAnswer, 1),
            "The autosampler did not answer on its way to cell 7. The batch is stopped; the 1 curve recorded so far "
            "is kept.");
  EXPECT_EQ(text(msg::SamplerWrongCell, 1),
            "The autosampler did not report cell 7 after the move. The batch is stopped; the 1 curve recorded so far "
            "is kept.");
  EXPECT_EQ(text(msg::SamplerWrongCell, 21),
            "The autosampler did not report cell 7 after the move. The batch is stopped; the 21 curves recorded so "
            "far are kept.");
  // The catalogue's key is the text for many.
  EXPECT_STREQ(Message::Counted(msg::SamplerNoAnswer, 1).text, msg::SamplerNoAnswer.other);
}

TEST_F(SamplerRun, AMoveAnsweredWithoutItsCellStopsTheRunOnLine) {
  EmulatorFaults faults;
  faults.noCellAnswer = {6};
  if (!serve(faults)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal";
  const std::vector<std::string> expected = {"DC 10 03", "DC 05", "DC 10 05", "DC 05", "DC 10 06", "DC 04"};
  EXPECT_EQ(run({{CellStep(3), CellStep(5), CellStep(6), CellStep(7)}}), expected);
  EXPECT_EQ(curves.load(), 2);
  EXPECT_EQ(faultCell, 6);
  EXPECT_FALSE(emulator->electrodeDown());
  EXPECT_TRUE(device->Active());
  // The answer to the electrode's raise reports where the tray stands.
  EXPECT_EQ(device->CellNumber(), 5);
  const std::vector<std::string> texts = sink.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0],
            "The autosampler did not report cell 6 after the move. The batch is stopped; the 2 curves recorded so far "
            "are kept.");
}

}  // namespace
}  // namespace velmora
