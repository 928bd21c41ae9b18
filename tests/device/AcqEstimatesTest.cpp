// Counting of nodes and voltammograms, the cycle counter and the time
// estimates of a run.
#include <gtest/gtest.h>

#include "AcquisitionEstimates.h"
#include "DeviceProtocol.h"

namespace velmora {
namespace {

ProgramStep Step(int start, int end, int rate = 100) {
  ProgramStep s;
  s.SetSweepStart(start);
  s.SetSweepEnd(end);
  s.SetSweepRate(rate);
  return s;
}

ProgramStep Cycled(int type, int count, int skip = 0) {
  ProgramStep s = Step(-1000, 0);
  s.SetCycle(true);
  s.SetCycleType(type);
  s.SetCycleCount(count);
  s.SetSkipCycles(skip);
  return s;
}

TEST(AcqEstimatesTest, CountCurvesFromAPosition) {
  TVAProgramsArray set;
  set.push_back({Step(0, 0), Step(0, 0)});                    // conditioning only
  set.push_back({Step(-1000, 0), Cycled(1, 3), Step(5, 5)});  // 1 + 6 voltammograms
  set.push_back({Cycled(0, 2)});                              // 2 voltammograms
  auto c = AcquisitionEstimates::CountCurves(set, 0, 0);
  EXPECT_EQ(c.NodesToCreate, 3);
  EXPECT_EQ(c.VAgrammsCount, 9);
  EXPECT_EQ(c.ProgramsWithVAGrams, 2);
  c = AcquisitionEstimates::CountCurves(set, 1, 1);
  EXPECT_EQ(c.NodesToCreate, 2);
  EXPECT_EQ(c.VAgrammsCount, 8);
  EXPECT_EQ(c.ProgramsWithVAGrams, 2);
  c = AcquisitionEstimates::CountCurves(set, 5, 0);
  EXPECT_EQ(c.NodesToCreate, 0);
  // Only the second program records: no per-program level in the tree.
  TVAProgramsArray two{{Step(0, 0)}, {Step(-1000, 0), Step(-500, 0)}};
  EXPECT_EQ(AcquisitionEstimates::CountCurves(two, 0, 0).ProgramsWithVAGrams, 1);

  EXPECT_EQ(AcquisitionEstimates::NodesInCurrentProgram(set, 1, 0), 2);
  EXPECT_EQ(AcquisitionEstimates::NodesInCurrentProgram(set, 1, 2), 0);
  EXPECT_EQ(AcquisitionEstimates::NodesInCurrentProgram(set, 1, 7), 0);
  EXPECT_EQ(AcquisitionEstimates::NodesInCurrentProgram(set, 9, 0), 0);
}

TEST(AcqEstimatesTest, AdvanceCycleWrapsAfterTheLimit) {
  const ProgramStep full = Cycled(1, 2);  // limit 4
  const ProgramStep half = Cycled(0, 2);  // limit 2
  int c = 0;
  std::vector<int> seen;
  for (int i = 0; i < 6; ++i) seen.push_back(c = AcquisitionEstimates::AdvanceCycle(full, c));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 0, 1}));
  EXPECT_EQ(AcquisitionEstimates::AdvanceCycle(half, 2), 0);
  EXPECT_EQ(AcquisitionEstimates::AdvanceCycle(Step(0, 1), 3), 0);
}

TEST(AcqEstimatesTest, ProgramTimeLeft) {
  ProgramStep a = Step(-1000, 0, 100);  // 10 s scan
  a.SetCleaningTime(5);
  a.SetElectrolysisTime(60);
  a.SetStirrer(true);
  a.SetDelayAfterMixing(7);
  ProgramStep b = Step(-500, 0, 0);   // rate 0: the previous step's scan time
  ProgramStep c = Step(0, 301, 200);  // time mode 1: 200 ms * 300 points = 60 s
  c.SetTimeMode(1);
  ProgramStep d = Cycled(1, 3, 1);    // 10 s per sweep: ceil(10*2*1) + ceil(10*2*3) = 80
  ProgramStep e = Step(-300, 0, 70);  // 4.29 s, ceil 5
  e.SetTimeMode(5);                   // mode 5 adds nothing
  TVAProgramsArray set{{a, b}, {c, d, e}};
  EXPECT_EQ(AcquisitionEstimates::ProgramTimeLeft(set, 0, 0), 5 + 60 + 7 + 10 + 10 + 60 + 80);
  EXPECT_EQ(AcquisitionEstimates::ProgramTimeLeft(set, 1, 1), 80);
  ProgramStep act = Step(0, 5000, 1);  // activation: |5000| / 1 / 1000 = 5 s
  act.SetTimeMode(4);
  EXPECT_EQ(AcquisitionEstimates::ProgramTimeLeft({{act}}, 0, 0), 5);
}

TEST(AcqEstimatesTest, StageTimeLeftByStage) {
  ProgramStep s = Step(-1000, 0, 100);
  s.SetCleaningTime(5);
  s.SetPreparation1Time(3);
  s.SetElectrolysisTime(30);
  s.SetDelayAfterMixing(4);
  using namespace protocol;
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StageElectrolysis), 34);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StageCleaning), 5);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StagePreparation1), 3);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StageMeasurement | StatusDataReady), 10);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StageIdle), 0);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, -1), 0);
  // The delay joins the last stage before the measurement.
  s.SetElectrolysisTime(0);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StagePreparation1), 7);
  s.SetPreparation1Time(0);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(s, StageCleaning), 9);
  // A full cycle: one sweep of 10 s, 2 sweeps per cycle, 3 cycles.
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(Cycled(1, 3), StageMeasurement), 60);
  ProgramStep t = Step(0, 51, 100);
  t.SetTimeMode(3);
  EXPECT_EQ(AcquisitionEstimates::StageTimeLeft(t, StageMeasurement), 5);
}

}  // namespace
}  // namespace velmora
