#include "TWizInterpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "DummyDataText.h"
#include "FormatError.h"
#include "IWizardPages.h"
#include "IWizardRecording.h"
#include "MethodFile.h"
#include "PeakEvaluatorReset.h"
#include "RecordingMessageSink.h"
#include "TMethodsLibrary.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::RecordingMessageSink;
using velmora::test::TempDir;

namespace {

// The wizard window and the main window as the interpreter sees them: every
// call is written down.
struct FakeWizard final : IWizardPages, IWizardRecording {
  void ShowPage(int page) override {
    calls.push_back("page " + std::to_string(page));
    if (onPage) onPage(page);
  }
  void ShowWelcome() override { calls.push_back("welcome"); }
  bool RecordControlSolutionChecked() override { return controlChecked; }
  void ProgramsChanged() override { calls.push_back("programs"); }
  void MarkStage(int stage) override { marked = stage; }
  void ForgetMeasurementNode() override { calls.push_back("forget"); }
  void RefreshMeasurementNode() override { calls.push_back("refresh"); }
  void RepeatPageShow() override { calls.push_back("reshow"); }
  std::optional<std::string> AskMethodName(const std::string& proposal) override {
    proposals.push_back(proposal);
    return methodName;
  }
  void MethodSaved(const std::string& file) override { saved.push_back(file); }
  void ScriptFinished() override { calls.push_back("finished"); }

  void StartRecording(const TVAProgramsArray& programs, int loops) override {
    calls.push_back("record x" + std::to_string(loops));
    recorded.push_back(programs);
  }
  void ReplayRecording(const TDataArr& points) override { calls.push_back("replay " + std::to_string(points.size())); }
  void SetPeakCalcType(int calcType) override { peakCalcType = calcType; }
  int PeakCalcType() override { return peakCalcType; }

  int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

  std::function<void(int)> onPage;
  std::vector<std::string> calls;
  std::vector<TVAProgramsArray> recorded;
  std::vector<std::string> proposals;
  std::vector<std::string> saved;
  std::optional<std::string> methodName;
  bool controlChecked = true;
  int marked = -2;
  int peakCalcType = 1;
};

ValueRecord Cmd(std::uint32_t type) { return ValueRecord::Make(type); }
ValueRecord Int(std::uint32_t type, int value) { return ValueRecord::IntValue(type, value); }

TVAProgramsArray OneStepProgram(const std::string& comment) {
  ProgramStep step = ProgramStep::Default();
  step.SetComments(comment);
  step.SetSweepStart(-1200);
  step.SetSweepEnd(0);
  return TVAProgramsArray{TSingleProgramArray{step}};
}

// The standard shape of a wizard script: assembling, the cycle of
// recording and treatment, the report.
TWizSteps StandardScript(int calcMethod, int controlOption, int parallel) {
  return TWizSteps{ValueRecord::StageName("Assembling of cell", ""),
                   Int(kStepConjunctionType, 1),
                   Int(kStepParallelSamples, parallel),
                   Int(kStepCalcMethod, calcMethod),
                   Int(kStepControlSolution, controlOption),
                   Int(kStepActivePage, 1),
                   Cmd(kStepWait),  // 6: cell assembly
                   ValueRecord::WithPrograms(OneStepProgram("Zn, Cd, Pb, Cu")),
                   Cmd(kStepBeginCycle),  // 8
                   ValueRecord::StageName("Recording", ""),
                   Int(kStepActivePage, 2),
                   Cmd(kStepWait),  // 11: program input
                   Cmd(kStepStartRecord),
                   Int(kStepActivePage, 3),
                   Cmd(kStepWait),  // 14: recording status
                   ValueRecord::StageName("Treatment", ""),
                   Int(kStepActivePage, 4),
                   Cmd(kStepWait),      // 17: chart
                   Cmd(kStepEndCycle),  // 18
                   ValueRecord::StageName("Report", ""),
                   Int(kStepActivePage, 5),
                   Cmd(kStepWait)};  // 21: report
}

TMethod MethodWith(TWizSteps script) {
  TMethod method;
  method.AddDefaultLanguages();
  method.Script = std::move(script);
  return method;
}

class WizInterpreter : public ::testing::Test {
 protected:
  // Records the pass on the program input page: Next to the recording
  // status, the recording ends, Next is taken by the hand-over.
  void RecordPass() {
    ASSERT_EQ(run.Settings().ProgramCounter, 11);
    run.Next();
    ASSERT_EQ(run.Settings().ProgramCounter, 14);
    ASSERT_TRUE(run.Settings().RecordingInProgress);
    run.RecordingFinished({});
    ASSERT_EQ(run.Settings().ProgramCounter, 17);
  }
  std::vector<std::string> Informations() const {
    std::vector<std::string> out;
    for (const auto& e : sink.entries)
      if (e.kind == "information") out.push_back(e.text);
    return out;
  }

  FakeWizard wizard;
  RecordingMessageSink sink;
  TWizInterpreter run{wizard, wizard, sink};
};

}  // namespace

TEST_F(WizInterpreter, AScriptWithoutWaitsRunsToItsEndAtOnce) {
  run.Start(MethodWith({Int(kStepActivePage, 1), Int(kStepConjunctionType, 2), Int(kStepElectrodeType, -1),
                        Int(kStepStirrerType, 3), Int(kStepLoopsCount, 4), Cmd(30)}));
  EXPECT_TRUE(run.Finished());
  EXPECT_EQ(wizard.calls, (std::vector<std::string>{"page 1", "finished"}));
  EXPECT_EQ(run.Settings().ConjunctionType, 2);
  EXPECT_EQ(run.Settings().ElectrodeType, -1);
  EXPECT_EQ(run.Settings().StirrerType, 3);
  EXPECT_EQ(run.Settings().LoopsCount, 4);
  // Nothing moves a finished run.
  run.Next();
  EXPECT_EQ(wizard.Count("finished"), 1);
}

TEST_F(WizInterpreter, WaitsMarkTheStageAndBackGoesToThePreviousWaitOrTheWelcomePage) {
  run.Start(MethodWith(StandardScript(0, 0, 1)));
  EXPECT_EQ(run.Settings().ProgramCounter, 6);
  EXPECT_EQ(wizard.marked, 0);
  EXPECT_EQ(run.Settings().CalculationMethod, 0);
  EXPECT_EQ(run.Settings().AdditionsCount, 1);
  EXPECT_EQ(run.Settings().ParallelSamples, 1);
  EXPECT_TRUE(run.Settings().Programs.empty());

  run.Next();
  EXPECT_EQ(run.Settings().Programs.size(), 1u);
  EXPECT_EQ(run.Settings().DefaultPrograms, run.Settings().Programs);
  // The one-step program takes the method's title in the current language
  // as its comment; the titles stay as the method has them.
  EXPECT_EQ(run.Settings().Programs.front().front().Comments(), "English");
  EXPECT_EQ(run.Method().Localization(1033)->Title, "English");
  EXPECT_EQ(run.Method().Localization(1049)->Title, "Русский");
  TWizInterpreter russian(wizard, wizard, sink);
  russian.SetLanguageId(1049);
  TMethod named = MethodWith(StandardScript(0, 0, 1));
  named.Localization(1049)->Title = std::string(200, 'x');
  russian.Start(named);
  russian.Next();
  EXPECT_EQ(russian.Settings().Programs.front().front().Comments(), std::string(128, 'x'));
  EXPECT_EQ(run.Settings().ProgramCounter, 11);
  EXPECT_TRUE(run.Settings().CycleEntered);
  EXPECT_EQ(run.Settings().CycleCounter, 0);
  EXPECT_EQ(wizard.marked, 1);

  wizard.calls.clear();
  run.BackToPreviousWait();
  EXPECT_EQ(run.Settings().ProgramCounter, 6);
  EXPECT_EQ(wizard.calls, std::vector<std::string>{"page 1"});
  EXPECT_EQ(wizard.marked, 0);

  run.BackToPreviousWait();
  EXPECT_EQ(run.Settings().ProgramCounter, -1);
  EXPECT_EQ(run.Settings().CalculationMethod, -1);
  EXPECT_EQ(wizard.calls.back(), "welcome");
}

TEST_F(WizInterpreter, CycleCountsPassesByCalculationMethodAndControlSolution) {
  // Method 0 without control solution: sample and one addition.
  run.Start(MethodWith(StandardScript(0, 0, 1)));
  run.Next();
  RecordPass();
  EXPECT_EQ(wizard.recorded.back().front().front().MeasurementType(), 0);
  run.Next();  // end of cycle: 0 -> 1, back to the cycle
  EXPECT_EQ(run.Settings().CycleCounter, 1);
  EXPECT_EQ(run.Settings().MeasurementType, 1);
  EXPECT_EQ(run.Settings().PassCount, 1);
  EXPECT_EQ(run.Settings().ProgramCounter, 11);
  RecordPass();
  EXPECT_EQ(wizard.recorded.back().front().front().MeasurementType(), 1);
  run.Next();  // 1 -> 2: complete
  EXPECT_EQ(run.Settings().ProgramCounter, 21);
  EXPECT_EQ(run.Settings().CompletedSamples, 1);
  EXPECT_EQ(Informations(), std::vector<std::string>{"Analysis of parallel sample (1 of 1) is completed."});
  EXPECT_EQ(wizard.marked, 3);
  run.Next();
  EXPECT_TRUE(run.Finished());

  // With a required control solution (the box checked) the control pass comes first.
  TWizInterpreter withControl(wizard, wizard, sink);
  withControl.Start(MethodWith(StandardScript(0, 1, 1)));
  withControl.Next();
  EXPECT_EQ(withControl.Settings().CycleCounter, -1);
  int ends = 0;
  while (withControl.Settings().ProgramCounter != 21 && ends < 10) {
    withControl.Next();  // to the recording status
    withControl.RecordingFinished({});
    withControl.Next();  // end of cycle
    ++ends;
  }
  EXPECT_EQ(ends, 3);

  // Unchecking "Record control solution voltammogram" drops the control pass.
  wizard.controlChecked = false;
  TWizInterpreter unchecked(wizard, wizard, sink);
  unchecked.Start(MethodWith(StandardScript(0, 2, 1)));
  unchecked.Next();
  EXPECT_EQ(unchecked.Settings().ControlSolutionOption, 0);
  EXPECT_EQ(unchecked.Settings().CycleCounter, 0);
}

TEST_F(WizInterpreter, ParallelSamplesRestartTheCycleWithAFreshCounter) {
  run.Start(MethodWith(StandardScript(5, 0, 2)));  // by calibration: one pass per sample
  run.Next();
  RecordPass();
  wizard.calls.clear();
  run.Next();
  EXPECT_EQ(Informations(), std::vector<std::string>{"Analysis of parallel sample (1 of 2) is completed."});
  EXPECT_EQ(wizard.Count("forget"), 1);
  EXPECT_EQ(run.Settings().CycleCounter, 0);  // -2, then the cycle's begin starts it again
  EXPECT_EQ(run.Settings().ProgramCounter, 11);
  RecordPass();
  run.Next();
  EXPECT_EQ(Informations().back(), "Analysis of parallel sample (2 of 2) is completed.");
  EXPECT_EQ(run.Settings().ProgramCounter, 21);
  EXPECT_EQ(run.Settings().CompletedSamples, 2);

  // "Back" on the report page returns to the last pass's chart; the end of
  // the cycle then completes the sample again.
  run.BackFromReport();
  EXPECT_EQ(run.Settings().ProgramCounter, 17);
  EXPECT_EQ(run.Settings().CompletedSamples, 1);
  EXPECT_EQ(run.Settings().CycleCounter, 0);
  run.Next();
  EXPECT_EQ(run.Settings().ProgramCounter, 21);
  EXPECT_EQ(run.Settings().CompletedSamples, 2);
}

TEST_F(WizInterpreter, CalibrationCurveRepeatsUntilTheUserLeavesAndACycleWithoutWaitDoesNotHang) {
  run.Start(MethodWith(StandardScript(4, 0, 1)));
  run.Next();
  for (int pass = 0; pass < 5; ++pass) {
    RecordPass();
    run.Next();
    EXPECT_EQ(run.Settings().ProgramCounter, 11);
  }
  EXPECT_EQ(run.Settings().CycleCounter, 5);
  EXPECT_TRUE(Informations().empty());

  // A cycle that never completes and holds no wait is left, not looped.
  TWizInterpreter endless(wizard, wizard, sink);
  endless.Start(MethodWith({Int(kStepCalcMethod, 4), Cmd(kStepBeginCycle), Int(kStepLoopsCount, 2), Cmd(kStepEndCycle),
                            Int(kStepParallelSamples, 3)}));
  EXPECT_TRUE(endless.Finished());
  EXPECT_EQ(endless.Settings().ParallelSamples, 3);
}

TEST_F(WizInterpreter, DummyDataReplaysOnlyForTheCurrentMeasurementType) {
  ValueRecord analyte = Cmd(kStepDummyData);
  analyte.Dummy = {1, {{-1000.0, 20.0}, {-999.0, 20.1}, {-998.0, 20.2}}};
  ValueRecord addition = Cmd(kStepDummyData);
  addition.Dummy = {2, {{-1000.0, 25.0}}};
  run.Start(MethodWith({Cmd(kStepSimulation), Int(kStepLoopsCount, 2), Cmd(kStepBeginCycle), addition, analyte,
                        Cmd(kStepStartRecord), Cmd(kStepWait)}));
  EXPECT_TRUE(run.Settings().Simulation);
  EXPECT_EQ(wizard.Count("replay 3"), 0);  // type 0 is current
  EXPECT_EQ(wizard.Count("replay 1"), 0);
  // A simulation never starts the analyzer.
  EXPECT_TRUE(wizard.recorded.empty());
  EXPECT_TRUE(run.Settings().RecordingInProgress);

  TWizInterpreter second(wizard, wizard, sink);
  second.Start(MethodWith(
      {Cmd(kStepSimulation), Int(kStepLoopsCount, 2), Cmd(kStepEndCycle), addition, analyte, Cmd(kStepWait)}));
  // The end of a cycle that never began moved the type to 1: the analyte replays, twice.
  EXPECT_EQ(second.Settings().MeasurementType, 1);
  EXPECT_EQ(wizard.Count("replay 3"), 2);
  EXPECT_EQ(wizard.Count("replay 1"), 0);
}

TEST_F(WizInterpreter, EndOfRecordingGivesTheCurvesTheRunsSettingsAndFindsPeaks) {
  TPeakValueEvaluator::Install();
  const test::PeakEvaluatorReset evaluatorGoes;
  ValueRecord table = Cmd(kStepCalcTable);
  table.CalcTable = {2.0, 1.0, 0.0, 0.0, 10.0, 5.0, 0.05, 0.05, 0.0, 0.0};
  ValueRecord units = Cmd(kStepConcUnits);
  units.Units = {5, 2, 4, 1};
  ValueRecord peaks = Cmd(kStepPredefPeaks);
  TPredefPeak zn;
  zn.Name = "Zn";
  zn.LeftBorder = -1000.0;
  zn.MiddleBorder = 0.0;
  zn.RightBorder = -800.0;
  zn.AdditionConc = 8.0;
  zn.CalcType = 0;
  peaks.Peaks = {zn};
  TWizSteps script = StandardScript(1, 0, 1);
  script.insert(script.begin() + 1, {table, units, peaks});
  run.Start(MethodWith(script));
  EXPECT_EQ(wizard.peakCalcType, 0);  // the first predefined peak's type is applied
  run.Next();
  run.Next();  // recording status
  wizard.peakCalcType = 1;

  // Two curves on a 20 µA background, each with a zinc peak.
  std::vector<TVAStruct> curves(2);
  for (TVAStruct& curve : curves) {
    curve.Params.SetValuesRange(3);
    for (double x = -1200.0; x <= 0.0; x += 2.0) {
      curve.Data.push_back({x, 20.0 + 0.002 * (x + 1200.0) + 3.0 * std::exp(-0.5 * std::pow((x + 900.0) / 20.0, 2))});
    }
  }
  curves[0].AddPeak("Zn", 0, 10, 1);
  std::vector<TVAStruct*> pointers{&curves[0], &curves[1]};
  const std::vector<TVAStruct*> changed = run.RecordingFinished(pointers);
  EXPECT_EQ(changed.size(), 2u);
  EXPECT_EQ(wizard.peakCalcType, 0);
  for (const TVAStruct& curve : curves) {
    EXPECT_DOUBLE_EQ(curve.Volumes[0], 1.0);  // 2 cm³ of sample, 10 prepared, 5 in the cell
    EXPECT_DOUBLE_EQ(curve.Volumes[4], 10.0);
    EXPECT_DOUBLE_EQ(curve.Volumes[6], 0.05);
    EXPECT_EQ(curve.ResUnitTop, 5);
    EXPECT_EQ(curve.ResUnitBottom, 2);
    EXPECT_EQ(curve.RecalcUnitTop, 4);
    EXPECT_EQ(curve.RecalcUnitBottom, 1);
    EXPECT_EQ(curve.CalculationMethod, 1);
    EXPECT_EQ(curve.HasCustomMethod, 0);
    ASSERT_EQ(curve.Peaks.size(), 1u);
    EXPECT_EQ(curve.Peaks[0].Name, "Zn");
    EXPECT_DOUBLE_EQ(curve.Peaks[0].AdditionConc, 8.0);
  }
  // The search (cycle counter 0: from the first curve) placed the peak on the Zn maximum.
  const TPeakRecord& found = curves[1].Peaks[0];
  EXPECT_LT(curves[1].Data[static_cast<std::size_t>(found.BeginIndex)].X, -900.0);
  EXPECT_GT(curves[1].Data[static_cast<std::size_t>(found.EndIndex)].X, -900.0);
  EXPECT_EQ(found.CalcType, 0);
  EXPECT_EQ(run.Settings().ProgramCounter, 20);  // Next was taken: the chart
  EXPECT_EQ(wizard.Count("refresh"), 1);
}

TEST_F(WizInterpreter, ActivationAndSimulationHandOvers) {
  ValueRecord activation = Cmd(kStepActivation);
  activation.Activation = {"0.1 M HCl", 12.5};
  run.Start(MethodWith({activation, Cmd(kStepBeginCycle), Cmd(kStepStartRecord), Cmd(kStepWait), Cmd(kStepEndCycle),
                        Cmd(kStepCalcMethod), Cmd(kStepWait)}));
  EXPECT_TRUE(run.Settings().ActivationMode);
  EXPECT_EQ(run.Settings().Activation.Volume, 12.5);
  EXPECT_EQ(run.Settings().CycleCounter, 0);
  EXPECT_TRUE(run.CanChangePrograms());
  TVAStruct curve;
  std::vector<TVAStruct*> pointers{&curve};
  EXPECT_TRUE(run.RecordingFinished(pointers).empty());  // an activation's curves keep their settings
  EXPECT_EQ(curve.ResUnitTop, -1);
  EXPECT_FALSE(run.Settings().ActivationMode);
  EXPECT_EQ(run.Settings().CycleCounter, -2);
  EXPECT_EQ(wizard.Count("forget"), 1);
  EXPECT_EQ(run.Settings().ProgramCounter, 6);

  // In simulation the page is shown again instead of Next.
  TWizInterpreter simulation(wizard, wizard, sink);
  simulation.Start(MethodWith({Cmd(kStepSimulation), Cmd(kStepStartRecord), Cmd(kStepWait), Cmd(kStepWait)}));
  simulation.Next();  // the replay timer's Next
  simulation.RecordingFinished(pointers);
  EXPECT_EQ(wizard.calls.back(), "reshow");
  EXPECT_EQ(simulation.Settings().ProgramCounter, 3);
  EXPECT_EQ(curve.CalculationMethod, -1);
}

TEST_F(WizInterpreter, SkipStepBackRepeatAndInterruption) {
  run.Start(MethodWith(StandardScript(0, 2, 1)));
  run.Next();
  ASSERT_EQ(run.Settings().CycleCounter, -1);
  EXPECT_TRUE(run.CanSkipControlPass());
  EXPECT_FALSE(run.CanStepBack());
  EXPECT_TRUE(run.CanChangePrograms());
  run.SkipControlPass();
  EXPECT_EQ(run.Settings().ControlSolutionOption, 0);
  EXPECT_EQ(run.Settings().CycleCounter, 0);
  EXPECT_EQ(run.Settings().MeasurementType, 1);
  EXPECT_EQ(run.Settings().ProgramCounter, 11);
  EXPECT_FALSE(run.CanSkipControlPass());
  EXPECT_TRUE(run.CanChangePrograms());  // without a control pass the sample is the first pass

  RecordPass();
  run.RepeatPass();  // "Repeat" on the chart
  EXPECT_EQ(run.Settings().RepetitionCount, 1);
  EXPECT_EQ(run.Settings().ProgramCounter, 11);
  EXPECT_FALSE(run.CanChangePrograms());
  EXPECT_TRUE(run.CanStepBack());
  run.StepBack();  // back to the chart of the repeated pass
  EXPECT_EQ(run.Settings().ProgramCounter, 17);
  EXPECT_EQ(run.Settings().CycleCounter, 0);

  run.Next();  // end of cycle: the first addition
  EXPECT_EQ(run.Settings().CycleCounter, 1);
  run.StepBack();  // back to the sample's chart
  EXPECT_EQ(run.Settings().CycleCounter, 0);
  EXPECT_EQ(run.Settings().MeasurementType, 1);
  EXPECT_EQ(run.Settings().ProgramCounter, 17);
  run.Next();

  run.Next();  // recording status
  run.RecordingInterrupted();
  EXPECT_FALSE(run.Settings().RecordingInProgress);
  EXPECT_EQ(run.Settings().ProgramCounter, 11);
  ASSERT_FALSE(sink.entries.empty());
  EXPECT_EQ(sink.entries.back().text, "Measurement program interrupted!");
}

TEST_F(WizInterpreter, ChangedProgramsAreOfferedForSavingUnderANewName) {
  TempDir dir;
  TMethodsLibrary library(dir.path() / "methods", dir.path());
  run.SetMethodsLibrary(&library);
  bool ask = true;
  run.SetAskMethodChange(&ask);
  run.Start(MethodWith(StandardScript(0, 0, 1)));
  run.Next();
  TVAProgramsArray edited = OneStepProgram("edited");
  edited.front().front().SetElectrolysisTime(90);
  run.ChangePrograms(edited);
  run.ResetPrograms();
  EXPECT_TRUE(run.ProgramEdits().empty());
  run.ChangePrograms(edited);
  EXPECT_EQ(run.Settings().Programs, edited);
  run.EditSettings([](TWizRunSettings& s) { s.CalcTable[5] = 10.0; });
  EXPECT_TRUE(run.UserChanged());

  const TWizSteps rebuilt = run.RunScript();
  ASSERT_EQ(rebuilt.size(), run.Script().size());
  EXPECT_EQ(rebuilt[7].Programs, edited);
  EXPECT_EQ(rebuilt[1].Value, 1);
  EXPECT_EQ(rebuilt[0], run.Script()[0]);
  EXPECT_EQ(rebuilt[10].Value, 2);

  wizard.methodName = "Zn in tap water";
  sink.queueAnswer(Answer::Yes);
  RecordPass();
  run.Next();  // the addition
  RecordPass();
  run.Next();  // complete: the report
  run.Next();  // the end of the script
  ASSERT_TRUE(run.Finished());
  ASSERT_EQ(wizard.saved.size(), 1u);
  TMethod saved;
  ASSERT_TRUE(MethodFile::Read(wizard.saved.front(), saved));
  EXPECT_EQ(saved.Localization(1033)->Title, "Zn in tap water");
  EXPECT_EQ(saved.Script[7].Programs.front().front().ElectrolysisTime(), 90);
  EXPECT_TRUE(ask);

  // Cancel turns the question off for the rest of the program run.
  TWizInterpreter again(wizard, wizard, sink);
  again.SetAskMethodChange(&ask);
  again.Start(MethodWith({Cmd(kStepWait)}));
  again.EditSettings([](TWizRunSettings& s) { s.ParallelSamples = 2; });
  sink.queueAnswer(Answer::Cancel);
  again.Next();
  EXPECT_FALSE(ask);
}

TEST_F(WizInterpreter, StageTreeAndCurrentStage) {
  const TWizSteps script = StandardScript(0, 0, 1);
  const std::vector<TWizStage> tree = TWizInterpreter::StageTree(script);
  EXPECT_EQ(tree, (std::vector<TWizStage>{{0, -1}, {9, 0}, {15, 0}, {19, -1}}));
  run.Start(MethodWith(script));
  EXPECT_EQ(run.CurrentStage(), 0);
}

TEST(WizCurveVolumes, SampleVolumeInTheCellNeverDividesByZero) {
  TCalcTable table{2.0, 1.0, 0.0, 0.0, 10.0, 5.0, 0.1, 0.0, 0.0, 0.0};
  EXPECT_DOUBLE_EQ(TWizInterpreter::CurveVolumes(table)[0], 1.0);
  table[4] = 0.0;
  EXPECT_DOUBLE_EQ(TWizInterpreter::CurveVolumes(table)[0], -1.0);
  table[0] = 0.0;
  EXPECT_DOUBLE_EQ(TWizInterpreter::CurveVolumes(table)[0], 0.0);
  EXPECT_DOUBLE_EQ(TWizInterpreter::CurveVolumes(table)[6], 0.1);
}

TEST(DummyData, PointsFromTextInPairs) {
  const TDataArr points = DummyDataText::Read("-1000 20.5\r\n-999,5\t20,75\n\n  -999 21\n");
  ASSERT_EQ(points.size(), 3u);
  EXPECT_DOUBLE_EQ(points[1].X, -999.5);
  EXPECT_DOUBLE_EQ(points[1].Y, 20.75);
  EXPECT_TRUE(DummyDataText::Read("").empty());
  EXPECT_THROW(DummyDataText::Read("1 2 3"), EFormatError);
  EXPECT_THROW(DummyDataText::Read("1 x"), EFormatError);
}

TEST_F(WizInterpreter, AMoveMadeWhileCommandsRunIsFollowedNotDoubled) {
  // A page that answers its showing with Next (as the replay of a
  // simulation may) moves the counter once; the running loop follows it.
  wizard.onPage = [this](int page) {
    if (page == 3) run.Next();
  };
  run.Start(MethodWith({Int(kStepActivePage, 3), Cmd(kStepWait), Int(kStepLoopsCount, 7), Cmd(kStepWait),
                        Int(kStepActivePage, 1), Cmd(kStepWait)}));
  // Next from the page command rests on the wait after it, once.
  EXPECT_EQ(run.Settings().ProgramCounter, 1);
  EXPECT_EQ(run.Settings().LoopsCount, 1);
  run.Next();
  EXPECT_EQ(run.Settings().ProgramCounter, 3);
  EXPECT_EQ(run.Settings().LoopsCount, 7);
  // Going back to the welcome page from inside a command stops the run.
  wizard.onPage = [this](int page) {
    if (page == 1) run.BackToPreviousWait();
  };
  run.Next();
  EXPECT_EQ(run.Settings().ProgramCounter, 3);
  EXPECT_FALSE(run.Finished());
}
