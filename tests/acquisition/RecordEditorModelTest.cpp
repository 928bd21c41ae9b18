#include <gtest/gtest.h>

#include <fstream>

#include "FormLayout.h"
#include "FormatError.h"
#include "Messages.h"
#include "NumericKeyRule.h"
#include "ProgramEditModel.h"
#include "ProgramSetStore.h"
#include "ProgramTable.h"
#include "StepForm.h"
#include "TempDir.h"

// The record-parameters editor without its window: the step form
// conversions, the layout rules, the program edits, the files and the table.

namespace velmora {
namespace {

ProgramStep numbered(int n) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(n);
  return s;
}

std::vector<int> rates(const TSingleProgramArray& p) {
  std::vector<int> r;
  for (const auto& s : p) r.push_back(s.SweepRate());
  return r;
}

TEST(StepForm, TimeModeDurationRoundTripsAndViewingNeverAltersAStep) {
  StepForm::Environment env;
  ProgramStep step = ProgramStep::Default();
  StepForm shown = StepForm::FromStep(step, env);
  StepForm typed = shown;
  typed.timeModeOn = true;
  typed.timeModeIndex = 0;  // "I(t)"
  typed.rate = "100";
  typed.end = "10";
  step = typed.ToStep(step, shown, env);
  EXPECT_EQ(step.TimeMode(), 1);
  EXPECT_EQ(step.SweepEnd(), 101);
  EXPECT_EQ(StepForm::FromStep(step, env).end, "10");

  // 150 points at 100 ms show as 14 s; storing the untouched form keeps 150.
  step.SetSweepEnd(150);
  shown = StepForm::FromStep(step, env);
  EXPECT_EQ(shown.end, "14");
  EXPECT_EQ(shown.ToStep(step, shown, env), step);
  // Typing a new duration converts it.
  typed = shown;
  typed.end = "20";
  EXPECT_EQ(typed.ToStep(step, shown, env).SweepEnd(), 201);
  // With a rate of 0 the duration is stored as it is.
  typed.rate = "0";
  EXPECT_EQ(typed.ToStep(step, shown, env).SweepEnd(), 20);
}

TEST(StepForm, EditsConvertAndUnseenBytesSurvive) {
  StepForm::Environment env;
  env.filterValue = 7;
  ProgramStep step = ProgramStep::Default();
  step.SetReserved53(0x1234);
  step.SetStirrerType(2);
  step.SetStirrerSpeed(1500);
  step.SetCycle(true);
  step.SetSkipCycles(3);
  const StepForm shown = StepForm::FromStep(step, env);
  EXPECT_EQ(shown.stirrerType, 0);  // no add-on: the list shows item 0
  StepForm typed = shown;
  typed.start = "1.5";  // not an integer
  typed.cleaningTime = "30";
  typed.cleaningPotential = "99999999999";  // out of range
  typed.cycle = false;
  typed.stirrerType = 3;
  typed.comments = "Cd, Pb";
  const ProgramStep stored = typed.ToStep(step, shown, env);
  EXPECT_EQ(stored.SweepStart(), 0);
  EXPECT_EQ(stored.CleaningTime(), 30);
  EXPECT_EQ(stored.CleaningPotential(), 0);
  EXPECT_FALSE(stored.Cycle());
  EXPECT_EQ(stored.SkipCycles(), 0);
  EXPECT_EQ(stored.Comments(), "Cd, Pb");
  EXPECT_EQ(stored.Reserved53(), 0x1234);
  // Without an add-on the step keeps its own stirrer settings.
  EXPECT_EQ(stored.StirrerType(), 2);
  EXPECT_EQ(stored.StirrerSpeed(), 1500);
  EXPECT_EQ(stored.FilterValue(), 7);

  env.addOnFitted = true;
  const StepForm shownWithAddOn = StepForm::FromStep(step, env);
  EXPECT_EQ(shownWithAddOn.stirrerType, 2);
  StepForm chosen = shownWithAddOn;
  chosen.stirrerType = 3;
  chosen.stirrerSpeed = 800;
  const ProgramStep withAddOn = chosen.ToStep(step, shownWithAddOn, env);
  EXPECT_EQ(withAddOn.StirrerType(), 3);
  EXPECT_EQ(withAddOn.StirrerSpeed(), 800);
}

TEST(FormLayout, TimeModeCaptionsEnableRulesAndCompactView) {
  StepForm::Environment env;
  ProgramStep step = ProgramStep::Default();
  StepForm f = StepForm::FromStep(step, env);
  FormLayout l = FormLayout::Compute(f, step, env, false, false);
  EXPECT_STREQ(l.rateCaption, "Rate");
  EXPECT_STREQ(l.rateUnit, "mV/sec");
  EXPECT_STREQ(l.endUnit, "mV");
  EXPECT_FALSE(l.mixerDelayEnabled);
  EXPECT_FALSE(l.samplerFieldsEnabled);
  EXPECT_FALSE(l.stirrerTypeEnabled);
  EXPECT_TRUE(l.cycleGroupVisible);

  f.timeModeOn = true;
  f.timeModeIndex = StepForm::kImpulsIndex;
  l = FormLayout::Compute(f, step, env, false, false);
  EXPECT_STREQ(l.rateCaption, "Range");
  EXPECT_STREQ(l.rateUnit, "msec");
  EXPECT_STREQ(l.endCaption, "N");
  EXPECT_EQ(l.endUnit, nullptr);
  EXPECT_STREQ(l.startCaption, "Potential");
  EXPECT_STREQ(l.modulationTitle, "Impuls mv/msec");
  EXPECT_TRUE(l.forceModulation);
  EXPECT_FALSE(l.cycleGroupVisible);

  f.timeModeIndex = StepForm::kActivationIndex;
  l = FormLayout::Compute(f, step, env, false, false);
  EXPECT_STREQ(l.rateUnit, "V/sec");
  EXPECT_TRUE(l.cycleGroupVisible);

  f.timeModeIndex = 2;  // "U(t)"
  f.modulation = true;
  l = FormLayout::Compute(f, step, env, false, false);
  EXPECT_STREQ(l.rateCaption, "Discrete");
  EXPECT_STREQ(l.endCaption, "Measurment time");
  EXPECT_STREQ(l.endUnit, "sec");
  EXPECT_FALSE(l.rateVisible);
  EXPECT_TRUE(l.modulationFieldsEnabled);

  f.mixer = true;
  f.stirrerType = 1;
  env.methodEditMode = true;
  l = FormLayout::Compute(f, step, env, false, false);
  EXPECT_TRUE(l.mixerDelayEnabled);
  EXPECT_TRUE(l.samplerFieldsEnabled);
  EXPECT_TRUE(l.stirrerTypeEnabled);
  EXPECT_TRUE(l.stirrerSpeedEnabled);

  // Compact: only the groups the stored step uses.
  step.SetCleaningTime(10);
  step.SetSweepStart(-1000);
  step.SetSweepEnd(200);
  l = FormLayout::Compute(f, step, env, false, true);
  EXPECT_TRUE(l.cleaningVisible);
  EXPECT_FALSE(l.electrolysisVisible);
  EXPECT_FALSE(l.mixerGroupVisible);
  EXPECT_TRUE(l.sweepGroupsVisible);
  EXPECT_FALSE(l.modulationGroupVisible);
  EXPECT_FALSE(l.timeGroupVisible);
  step.SetSweepEnd(-1000);
  EXPECT_FALSE(FormLayout::Compute(f, step, env, false, true).sweepGroupsVisible);
}

TEST(ProgramEditModel, StepAndProgramEdits) {
  ProgramEditModel m;
  m.SetPrograms({TSingleProgramArray{numbered(1), numbered(2), numbered(3)}});
  m.Select(0, 1);
  m.CompactView = true;
  m.FromMethod = true;
  ASSERT_TRUE(m.InsertBeforeCurrent(1));
  EXPECT_EQ(rates(m.Programs()[0]), (std::vector<int>{1, 1, 2, 3}));
  EXPECT_FALSE(m.CompactView);
  EXPECT_FALSE(m.FromMethod);
  // Copy names the step as numbered before the insertion.
  m.Select(0, 0);
  ASSERT_TRUE(m.InsertBeforeCurrent(4));
  EXPECT_EQ(rates(m.Programs()[0]), (std::vector<int>{3, 1, 1, 2, 3}));
  m.Select(0, 4);
  ASSERT_TRUE(m.CopyStep(4));
  EXPECT_EQ(rates(m.Programs()[0]), (std::vector<int>{3, 1, 1, 2, 2}));
  EXPECT_FALSE(m.CopyStep(6));

  ASSERT_TRUE(m.RemoveCurrent());
  EXPECT_EQ(m.ProgramLength(), 4);
  EXPECT_EQ(m.CurrentStep(), 0);  // past the end: the first step

  ASSERT_TRUE(m.SetProgramCount(3));
  EXPECT_EQ(m.Programs()[2].size(), 1u);
  EXPECT_EQ(m.Programs()[2][0], ProgramStep{});
  m.Select(2, 0);
  ASSERT_TRUE(m.CopyProgram(1));
  EXPECT_EQ(rates(m.Programs()[2]), rates(m.Programs()[0]));
  m.Select(1, 0);
  ASSERT_TRUE(m.RemoveCurrent());
  EXPECT_EQ(m.Programs()[1].size(), 1u);  // the only step: a zero-filled one
  ASSERT_TRUE(m.SetProgramLength(3));
  EXPECT_EQ(m.Programs()[1][2], ProgramStep{});
  EXPECT_TRUE(m.SetProgramLength(0));  // at least one step
  EXPECT_EQ(m.ProgramLength(), 1);
  m.SetProgramCount(1);
  EXPECT_EQ(m.CurrentProgram(), 0);
  m.SetProgramLength(2000000000);
  EXPECT_EQ(m.ProgramLength(), ProgramEditModel::kMaxSteps);

  m.Select(5, 7);
  EXPECT_EQ(m.CurrentProgram(), 0);
  m.Select(0, 7);
  EXPECT_EQ(m.CurrentStep(), 7);
  m.Select(0, -3);
  EXPECT_EQ(m.CurrentStep(), 0);
}

TEST(ProgramEditModel, OpensAndSavesTheThreeFileTypes) {
  test::TempDir dir;
  ProgramEditModel m;
  TVAProgramsArray set{TSingleProgramArray{numbered(1), numbered(2)}, TSingleProgramArray{numbered(5)},
                       TSingleProgramArray{}, TSingleProgramArray{}};
  set[0][1].SetStirrerType(3);
  // A ".car" holding two empty programs at its end: they are dropped, the stored current program shown.
  ProgramFiles::WriteMultiProgram(dir / "a.CAR", set, 1);
  m.FromMethod = true;
  m.Open(dir / "a.CAR");
  EXPECT_EQ(m.ProgramCount(), 2);
  EXPECT_EQ(m.CurrentProgram(), 1);
  EXPECT_EQ(m.CurrentStep(), 0);
  EXPECT_EQ(m.Programs()[0][1].StirrerSpeed(), 1000);
  EXPECT_FALSE(m.FromMethod);
  // A stored current program outside the set: program 1.
  ProgramFiles::WriteMultiProgram(dir / "b.car", set, 9);
  m.Open(dir / "b.car");
  EXPECT_EQ(m.CurrentProgram(), 0);

  // ".vap" keeps every byte; ".prg" replaces only the current program.
  ProgramEditModel source;
  source.SetPrograms({TSingleProgramArray{numbered(7), numbered(8)}, TSingleProgramArray{numbered(9)}}, 1);
  source.Save(dir / "s.vap");
  source.Save(dir / "s.car");
  source.Save(dir / "s.prg");
  source.Save(dir / "noext");
  ProgramEditModel read;
  read.Open(dir / "s.vap");
  EXPECT_EQ(read.Programs(), source.Programs());
  EXPECT_EQ(read.CurrentProgram(), 1);
  EXPECT_EQ(ProgramFiles::ReadProgramSet(dir / "noext")->Programs, source.Programs());
  read.Select(0, 1);
  read.Open(dir / "s.prg");
  EXPECT_EQ(rates(read.Programs()[0]), (std::vector<int>{9}));
  EXPECT_EQ(read.CurrentStep(), 0);
  read.Open(dir / "s.car");
  EXPECT_EQ(read.ProgramCount(), 2);

  // A program file of 0 steps still leaves one step to edit.
  ProgramFiles::WriteSingleProgram(dir / "empty.prg", TSingleProgramArray{});
  read.Open(dir / "empty.prg");
  EXPECT_EQ(read.ProgramLength(), 1);

  // Failures are errors, never silent.
  test::TempDir::writeFile(dir / "other.vap", std::string("\x08TVXMv100", 9) + std::string(20, '\0'));
  EXPECT_THROW(read.Open(dir / "other.vap"), EFormatError);
  EXPECT_THROW(read.Open(dir / "missing.vap"), EFormatError);
  EXPECT_THROW(read.Open(dir / "missing.prg"), EFormatError);
  EXPECT_THROW(read.Open(dir / "s.txt"), EFormatError);
  test::TempDir::writeFile(dir / "short.car", "abc");
  EXPECT_THROW(read.Open(dir / "short.car"), EFormatError);
  EXPECT_EQ(read.ProgramCount(), 2);  // unchanged by the failures

  // Too large for ".car": refused, nothing cut.
  ProgramEditModel big;
  big.SetProgramCount(12);
  EXPECT_THROW(big.Save(dir / "big.car"), EFormatError);
}

TEST(ProgramSetStore, KeepsTheSetAndFallsBackToTheDefault) {
  test::TempDir dir;
  EXPECT_EQ(ProgramSetStore::Load(dir.path()).Programs, TVAProgramsArray::Default());
  TVAProgramsArray set{TSingleProgramArray{numbered(3)}, TSingleProgramArray{numbered(4)}};
  ProgramSetStore::Save(dir.path(), set, 1);
  auto loaded = ProgramSetStore::Load(dir.path());
  EXPECT_EQ(loaded.Programs, set);
  EXPECT_EQ(loaded.Current, 1);
  test::TempDir::writeFile(ProgramSetStore::PathIn(dir.path()), std::string("\x08TVXPv100\xff\xff\xff\x7f", 13));
  EXPECT_EQ(ProgramSetStore::Load(dir.path()).Programs, TVAProgramsArray::Default());
}

TEST(ProgramTable, CellsAndOrders) {
  ProgramStep s = ProgramStep::Default();
  s.SetCleaningPotential(100);
  s.SetCleaningTime(5);
  s.SetSweepRate(50);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(200);
  s.SetModulation(true);
  s.SetModulationAmplitude(20);
  s.SetModulationFrequency(50);
  s.SetSamplerCell(4);
  s.SetElectrodeDown(true);
  s.SetElectrodeUp(true);
  s.SetMeasurementType(1);
  const auto row = ProgramTable::RowOf(s, 1, 2);
  EXPECT_EQ(row.cells[0].format(), "2/3");
  EXPECT_EQ(row.cells[1].format(), "100/5");
  EXPECT_EQ(row.cells[4].format(), "-1200");
  EXPECT_EQ(row.cells[6].format(), "200 mkA");
  EXPECT_EQ(row.cells[7].format(), "3x");
  EXPECT_EQ(row.cells[8].format(), "20/50");
  EXPECT_EQ(row.cells[9].format(), "----");
  EXPECT_EQ(row.cells[10].format(), "----");
  EXPECT_EQ(row.cells[11].format(), "Analyte");
  EXPECT_EQ(row.cells[12].format(), "4 \u2193\u2191");
  EXPECT_EQ(row.cells[13].format(), "----");
  s.SetSamplerCell(0);
  EXPECT_EQ(ProgramTable::RowOf(s, 0, 0).cells[12].format(), "----");

  TVAProgramsArray set{TSingleProgramArray{numbered(1), numbered(2), numbered(3)}, TSingleProgramArray{numbered(4)}};
  auto order = [](const std::vector<ProgramTable::Row>& rows) {
    std::vector<std::string> r;
    for (const auto& each : rows) r.push_back(each.cells[0].format());
    return r;
  };
  EXPECT_EQ(order(ProgramTable::Build(set, ProgramTable::Order::ByPrograms)),
            (std::vector<std::string>{"1/1", "1/2", "1/3", "2/1"}));
  EXPECT_EQ(order(ProgramTable::Build(set, ProgramTable::Order::BySteps)),
            (std::vector<std::string>{"1/1", "2/1", "1/2", "1/3"}));
}

TEST(NumericKeyRule, DigitsPointAndOneMinus) {
  EXPECT_TRUE(NumericKeyRule::Accepts(U'7', "12"));
  EXPECT_TRUE(NumericKeyRule::Accepts(U'.', "12"));
  EXPECT_TRUE(NumericKeyRule::Accepts(U'-', "5"));
  EXPECT_FALSE(NumericKeyRule::Accepts(U'-', "-5"));
  EXPECT_FALSE(NumericKeyRule::Accepts(U'a', ""));
  EXPECT_FALSE(NumericKeyRule::Accepts(U'+', ""));
  EXPECT_FALSE(NumericKeyRule::Accepts(U' ', ""));
}

}  // namespace
}  // namespace velmora
