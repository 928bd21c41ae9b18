// A whole standard-additions analysis of the four-metal example method on
// the in-process analyzer emulator, without windows: the background, sample
// and addition passes are recorded as the wizard places them (run, parallel
// sample, pass, replicates), the peaks are searched with the method's
// predefined peaks, and the calculation finds the emulator's sample within
// the uncertainty the method's statistics state. The wizard's checks find
// nothing to complain about in such a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>

#include "AcceleratedClock.h"
#include "AnalyzerEmulator.h"
#include "ConcUnits.h"
#include "EmulatorSerialPort.h"
#include "MessageSink.h"
#include "Messages.h"
#include "MethodFile.h"
#include "PeakEvaluatorReset.h"
#include "RecordPeaks.h"
#include "TAcquisitionRun.h"
#include "TConcCalculation.h"
#include "TMethod.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TRecordPlacement.h"
#include "TTavrelDevice.h"
#include "TVAStruct.h"
#include "TWizQualityGates.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const ValueRecord* Command(const TMethod& m, std::uint32_t type) {
  const ValueRecord* found = nullptr;
  for (const ValueRecord& r : m.Script)
    if (r.Type == type) found = &r;
  return found;
}

// What the device and the run report, from any thread.
class Sink final : public IMessageSink {
 public:
  void error(const Message& m) override { add(m); }
  void warning(const Message& m) override { add(m); }
  void information(const Message&) override {}
  Answer askYesNo(const Message&) override { return Answer::No; }
  Answer askYesNoCancel(const Message&) override { return Answer::Cancel; }
  std::string joined() const {
    std::lock_guard lock(mutex_);
    return texts_;
  }

 private:
  void add(const Message& m) {
    std::lock_guard lock(mutex_);
    texts_ += m.format() + "\n";
  }
  mutable std::mutex mutex_;
  std::string texts_;
};

// The analyzer emulator behind its serial port, reset and on line.
class Analyzer {
 public:
  Analyzer() {
    emulator_ = std::make_shared<AnalyzerEmulator>(clock_, AnalyzerEmulator::Config{});
    port_ = std::make_unique<EmulatorSerialPort>(emulator_);
    device_ = std::make_unique<TTavrelDevice>(sink_, clock_);
    device_->OnReset = [this] {
      std::lock_guard lock(mutex_);
      reset_ = true;
      cv_.notify_all();
    };
    device_->SetPort(port_.get());
    device_->SetPortName("emulator");
    device_->ResetDevice();
    std::unique_lock lock(mutex_);
    cv_.wait_for(lock, std::chrono::seconds(60), [this] { return reset_; });
  }
  ~Analyzer() {
    emulator_->setMeasurementSource(nullptr);
    device_.reset();
    port_.reset();
  }
  bool Active() const { return device_->Active(); }
  const VirtualOperator::Recipe& Recipe() const { return emulator_->recipe(); }

  // Runs the programs once; every voltammogram of 3 points or more.
  std::vector<TRecordedCurve> Record(const TVAProgramsArray& programs) {
    TAcquisitionRun run(*device_, clock_);
    emulator_->setMeasurementSource([r = &run] { return r->CurrentStep().MeasurementType(); });
    std::vector<TRecordedCurve> curves;
    run.SetVAProgram(programs);
    run.SetLoopCount(1);
    run.OnRunError = [this](const Message& m) { sink_.error(m); };
    run.OnSingleRecordEnd = [&] {
      TRecordedCurve c;
      c.Step = run.CurrentStep().Raw;
      for (const TRecPoint& p : run.DataBuf()) c.Points.push_back({p.X, p.Y});
      if (c.Points.size() > 2) curves.push_back(std::move(c));
    };
    run.StartRecording(0, 0);
    // Minutes at most even on a loaded machine; a run that hangs fails the test.
    if (!run.WaitFinished(std::chrono::minutes(5))) ADD_FAILURE() << "the run did not finish";
    emulator_->setMeasurementSource(nullptr);
    return curves;
  }
  Sink& Messages() { return sink_; }

 private:
  // Protocol time 100 times faster for the emulator's stages and the run's
  // pauses alike.
  AcceleratedClock clock_{100.0};
  Sink sink_;
  std::shared_ptr<AnalyzerEmulator> emulator_;
  std::unique_ptr<EmulatorSerialPort> port_;
  std::unique_ptr<TTavrelDevice> device_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool reset_ = false;
};

class EmulatedAnalysis : public ::testing::TestWithParam<const char*> {};

TEST_P(EmulatedAnalysis, StandardAdditionsFindTheEmulatorsSample) {
  TMethod method;
  ASSERT_TRUE(MethodFile::Read(fs::path(VELMORA_SOURCE_DIR) / "methods" / GetParam(), method));
  ASSERT_EQ(method.CalcMethod, 1);
  const ValueRecord* peaks = Command(method, kStepPredefPeaks);
  const ValueRecord* table = Command(method, kStepCalcTable);
  const ValueRecord* units = Command(method, kStepConcUnits);
  ASSERT_TRUE(peaks && table && units);
  const std::size_t elements = peaks->Peaks.size();
  ASSERT_GE(elements, 1u);

  Analyzer analyzer;
  ASSERT_TRUE(analyzer.Active());
  TPeakValueEvaluator::Install();
  const test::PeakEvaluatorReset evaluatorGoes;

  // The run as the wizard lays it out.
  TNodeForest forest;
  TNode* root = forest.AddNode(nullptr, nullptr);
  root->SetName("Sample");
  TNode* parallel = forest.AddChild(root);
  parallel->SetName("Parallel sample 1 of 1");
  TNodeForest scratch;
  TRecordPlacement placement(scratch);
  placement.InsertType = 0;
  placement.Simulated = true;
  placement.CalculationMethod = method.CalcMethod;

  std::vector<TVAStruct*> curves;
  for (int type = 0; type <= 3; ++type) {
    SCOPED_TRACE(TVAStruct::MeasurementTypeCaption(type));
    TVAProgramsArray programs = method.Programs;
    for (auto& program : programs)
      for (ProgramStep& step : program) step.SetMeasurementType(type);
    const std::vector<TRecordedCurve> recorded = analyzer.Record(programs);
    ASSERT_EQ(recorded.size(), 2u) << "the method records two replicates a pass; " << analyzer.Messages().joined();
    TNode* pass = forest.AddChild(parallel);
    pass->SetName(TVAStruct::MeasurementTypeCaption(type));
    int repeat = 0;
    for (const TRecordedCurve& c : recorded) {
      TNode* placed = placement.Place(c, "curve");
      ASSERT_NE(placed, nullptr);
      TNode* node = forest.AddChild(pass);
      node->SetName("Repeat " + std::to_string(++repeat));
      node->SetRecord(std::make_unique<TVAStruct>(node));
      TVAStruct& va = *node->VA();
      va.Params = placed->VA()->Params;
      va.SetData(placed->VA()->Data);
      ASSERT_EQ(va.Params.MeasurementType(), type);
      // What the script's commands put into every recording of the run.
      for (std::size_t i = 0; i < va.Volumes.size() && i < table->CalcTable.size(); ++i)
        va.Volumes[i] = table->CalcTable[i];
      va.ResUnitTop = units->Units[0];
      va.ResUnitBottom = units->Units[1];
      va.RecalcUnitTop = units->Units[2];
      va.RecalcUnitBottom = units->Units[3];
      va.CalculationMethod = method.CalcMethod;
      AutoSearchPeaks(va, 0, peaks->Peaks, peaks->Peaks.front().CalcType);
      // The background shows none of the peaks, the other passes all.
      EXPECT_EQ(va.Peaks.size(), type > 0 ? elements : 0u) << pass->Name << ", " << node->Name;
      curves.push_back(&va);
    }
  }
  EXPECT_EQ(analyzer.Messages().joined(), "");

  TConcCalculation calc;
  calc.SetCurves(curves);
  ASSERT_TRUE(calc.SelectMethod(method.CalcMethod));
  calc.Recalculate();
  ASSERT_TRUE(calc.RequirementsMet());
  ASSERT_EQ(calc.Elements().size(), elements);
  const VirtualOperator::Recipe& recipe = analyzer.Recipe();
  std::map<std::string, double> found;
  for (const TCalcElement& e : calc.Elements()) {
    const SampleModel::Element el = SampleModel::elementOf(e.Name);
    ASSERT_LT(el, SampleModel::ElementCount) << e.Name;
    const double expected = recipe.sample[el];  // µg/dm³, the method's result unit
    // The error the method states for a result of this size.
    const double base = ConcUnits::ToBaseUnits(units->Units[2], units->Units[3], expected);
    const TStatRange range = TMethodStat::FindRange(method.Statistics, e.Name, base);
    ASSERT_GT(range.Delta, 0) << e.Name << ": the statistics cover the sample";
    EXPECT_NEAR(e.SampleResult, expected, expected * range.Delta / 100.0) << e.Name;
    // Far better than that, in fact: the emulator's noise is small.
    EXPECT_NEAR(e.SampleResult, expected, expected * 0.05) << e.Name;
    found[e.Name] = ConcUnits::ToBaseUnits(units->Units[2], units->Units[3], e.SampleResult);
  }

  TWizQualityGates::Input in;
  in.RunRoot = root;
  in.Method = &method;
  in.Statistics = &method.Statistics;
  in.Concentrations = found;
  const std::vector<Message> verdicts = TWizQualityGates::JudgeRun(in);
  std::string texts;
  for (const Message& m : verdicts) texts += m.format() + "\n";
  ASSERT_EQ(verdicts.size(), 1u) << texts;
  EXPECT_STREQ(verdicts.front().text, msg::GateAllWell);
}

// The four metals in one sweep, and each of them alone.
INSTANTIATE_TEST_SUITE_P(ExampleMethods, EmulatedAnalysis,
                         ::testing::Values("ZnCdPbCu-standard-additions.mtd", "Zn-standard-additions.mtd",
                                           "Cd-standard-additions.mtd", "Pb-standard-additions.mtd",
                                           "Cu-standard-additions.mtd"));

}  // namespace
}  // namespace velmora
