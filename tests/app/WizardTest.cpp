// The measurement wizard leads whole analyses with the shipped methods on
// the analyzer emulator (its protocol time accelerated): standard additions
// to the report, a simulation, Repeat and Skip, Back across a recorded pass,
// a link lost in the middle of a pass, and where the recordings go.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "AcceleratedClock.h"
#include "AnalyzerEmulator.h"
#include "CurvePlottable.h"
#include "DeviceLink.h"
#include "MainWindow.h"
#include "MethodFile.h"
#include "MethodsHost.h"
#include "MissingFacility.h"
#include "PeaksHost.h"
#include "PseudoTerminalHost.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "ReportHost.h"
#include "SampleModel.h"
#include "Settings.h"
#include "SqlResultsArchive.h"
#include "TMWizForm.h"
#include "TMethodStat.h"
#include "TMethodsLibrary.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakBandsLayer.h"
#include "TPeaksController.h"
#include "TPluginsManager.h"
#include "TRecordPlacement.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "WizardHost.h"
#include "qcustomplot.h"

using namespace velmora;

namespace {

std::vector<std::string> Names(const TNode* parent) {
  std::vector<std::string> out;
  for (const TNode* c = parent ? parent->FirstChild : nullptr; c; c = c->NextSibling) out.push_back(c->Name);
  return out;
}

struct Bench {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  // The emulator and the workstation's link and recordings share protocol
  // time 100 times faster than real time.
  AcceleratedClock clock{100.0};
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<PseudoTerminalHost> host;
  std::unique_ptr<MainWindow> w;

  explicit Bench(const std::filesystem::path& library = std::filesystem::path(VELMORA_SOURCE_DIR) / "methods") {
    emulator = std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{});
    settings.options().insertType = 1;
    settings.options().askMethodChange = false;
    w = std::make_unique<MainWindow>(settings, &hub, clock);
    w->setMessageSink(&sink);
    w->methods().setLibraryFolder(library);
    w->methods().load();
    w->show();
  }
  ~Bench() {
    w.reset();
    if (host) host->stop();
  }
  // False when the system has no pseudo-terminals.
  bool goOnline(std::string& error) {
    const auto path = dir.path() / "ttyVA";
    host = std::make_unique<PseudoTerminalHost>(emulator);
    if (!host->start(path, error)) return false;
    w->recordingReceiver().offerRecovery();
    // The operator fills the cell as the running step's role asks.
    RecordingReceiver* receiver = &w->recordingReceiver();
    emulator->setMeasurementSource([receiver] { return receiver->run().CurrentStep().MeasurementType(); });
    w->deviceLink().configure(path.string(), false, 300);
    w->action("ResetActn")->trigger();
    return QTest::qWaitFor([&] { return w->deviceLink().active(); }, 20000);
  }
  TMWizForm& wiz() { return w->wizard().form(); }
  // Opens the wizard (not modally: the test drives it) on the method.
  void open(const std::string& fileName) {
    wiz().prepare();
    wiz().show();
    const auto& listed = wiz().listedMethods();
    for (std::size_t row = 0; row < listed.size(); ++row) {
      const TMethod& m = w->methods().library().Methods()[listed[row]];
      if (std::filesystem::path(m.FileName).filename() == fileName) {
        wiz().selectMethod(static_cast<int>(row));
        return;
      }
    }
    ADD_FAILURE() << fileName << " is not offered";
  }
  void next() {
    ASSERT_TRUE(wiz().nextButton()->isEnabled()) << "page " << wiz().currentPage();
    wiz().nextButton()->click();
  }
  // From the program input page: records the pass and waits for its chart.
  bool recordPass() {
    if (wiz().currentPage() != IWizardPages::kProgramInput) return false;
    next();
    return QTest::qWaitFor([&] { return wiz().currentPage() == IWizardPages::kChart && !w->recording(); }, 60000);
  }
  bool hasEntry(const std::string& text) const {
    for (const auto& e : sink.entries)
      if (e.text == text) return true;
    return false;
  }
};

#define ONLINE_OR_SKIP(b)                                          \
  do {                                                             \
    std::string error;                                             \
    if (!(b).goOnline(error)) VELMORA_MISSING_FACILITY() << error; \
  } while (0)

TEST(WizardTest, StandardAdditionsOfLeadRunFromTheMethodToTheReportPage) {
  Bench b;
  ONLINE_OR_SKIP(b);
  b.open("Pb-standard-additions.mtd");
  TMWizForm& wiz = b.wiz();
  EXPECT_EQ(wiz.property("helpContext").toInt(), 70);
  EXPECT_FALSE(wiz.backButton()->isVisible());
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kCellAssembly);
  EXPECT_EQ(wiz.property("helpContext").toInt(), 71);
  EXPECT_EQ(wiz.connectionLabel()->text(), QStringLiteral("Device successfully connected"));
  EXPECT_EQ(wiz.interpreter().Settings().ParallelSamples, 2);
  wiz.parallelSamplesBox()->setValue(1);
  EXPECT_EQ(wiz.interpreter().Settings().ParallelSamples, 1);
  // The stage tree: the cycle's stages under the stage named before it,
  // named in the language in force (the settings leave it to the user's
  // default, LocaleID 0).
  ASSERT_EQ(b.settings.options().localeId, 0);
  QTreeWidget* stages = wiz.stagesTree();
  ASSERT_EQ(stages->topLevelItemCount(), 2);
  EXPECT_EQ(stages->topLevelItem(0)->text(0), QStringLiteral("Assembling of cell"));
  ASSERT_EQ(stages->topLevelItem(0)->childCount(), 2);
  EXPECT_EQ(stages->topLevelItem(0)->child(0)->text(0), QStringLiteral("Recording"));
  EXPECT_EQ(stages->topLevelItem(0)->child(1)->text(0), QStringLiteral("Treatment"));
  EXPECT_EQ(stages->topLevelItem(1)->text(0), QStringLiteral("Report"));
  b.next();

  // The sample pass: its data are editable before anything was recorded.
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_TRUE(wiz.instructionsLabel()->text().startsWith(QStringLiteral("Parallel sample 1 of 1\n")));
  EXPECT_TRUE(wiz.instructionsLabel()->text().contains(QStringLiteral("Pour the prepared solution of the sample")));
  QTableWidget* table = wiz.propertyTable();
  ASSERT_GE(table->rowCount(), 5);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Sample name"));
  table->item(0, 1)->setText(QStringLiteral("Tap water"));
  EXPECT_EQ(wiz.sampleName(), "Tap water");
  EXPECT_TRUE(wiz.changeButton()->isEnabled());

  const char* passes[] = {"Analyte", "Added standard 1", "Added standard 2", "Added standard 3"};
  // The recording page draws the curve the analyzer is sending.
  int mostLive = 0;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (wiz.currentPage() == IWizardPages::kRecordingStatus)
      mostLive = std::max(mostLive, wiz.liveTrace()->dataCount());
  });
  probe.start(20);
  for (int pass = 0; pass < 4; ++pass) {
    const bool recorded = b.recordPass();
    if (!recorded)
      for (const auto& e : b.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;
    ASSERT_TRUE(recorded) << passes[pass] << " page " << wiz.currentPage();
    EXPECT_EQ(wiz.property("helpContext").toInt(), 74);
    EXPECT_EQ(wiz.backButton()->text(), QStringLiteral("Repeat"));
    EXPECT_GT(wiz.chart()->plottableCount(), 0);
    // The pass is judged beside the chart: the emulator's lead peak is found
    // on both replicates, they agree, and each addition raises it well.
    EXPECT_EQ(wiz.verdictLabel()->text().toStdString(),
              std::string("Parallel sample 1 of 1, ") + passes[pass] +
                  ": every peak was found, and nothing here needs your attention.");
    b.next();
    if (pass == 1) {
      // Later additions are only added to the cell; their volume is shown.
      ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
      EXPECT_EQ(wiz.propertyTable()->item(0, 0)->text(), QStringLiteral("Addition 2, cm^3^"));
      EXPECT_FALSE(wiz.changeButton()->isEnabled());
    }
  }
  probe.stop();
  EXPECT_GT(mostLive, 10);
  EXPECT_TRUE(b.hasEntry("Analysis of parallel sample (1 of 1) is completed."));
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kReport);

  // The document: the run root, one parallel sample, one node per pass.
  TNode* root = wiz.placement().Root();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->Name.rfind("Tap water ", 0), 0u) << root->Name;
  ASSERT_EQ(Names(root), std::vector<std::string>{"Parallel sample 1 of 1"});
  EXPECT_EQ(Names(root->FirstChild), (std::vector<std::string>(std::begin(passes), std::end(passes))));
  EXPECT_TRUE(b.w->modified());
  // Each pass holds the two replicates of the method's program.
  EXPECT_EQ(Names(root->FirstChild->FirstChild).size(), 2u);

  // The report page: the current report refilled from the run, titled by
  // the sample and the run's statistics.
  EXPECT_EQ(wiz.property("helpContext").toInt(), 75);
  const TReportRec& report = b.w->reports().report();
  EXPECT_EQ(report.Statistics.Name, "Pb in drinking water (standard additions)");
  EXPECT_EQ(wiz.reportPage()->titleEdit()->text(),
            QStringLiteral("Tap water (Pb in drinking water (standard additions))"));
  for (const auto& e : b.sink.entries)
    if (e.kind == "error") ADD_FAILURE() << e.text;

  // The result is the emulator's sample within the error the method states
  // for it, and the checks of the run travel into the report's notes.
  ASSERT_EQ(report.Experiments.size(), 1u);
  const TExpRec& experiment = report.Experiments.front();
  ASSERT_EQ(experiment.ElementResults.size(), 1u);
  const TExpElementResult& lead = experiment.ElementResults.front();
  EXPECT_EQ(lead.Name, "Pb");
  const double expected = b.emulator->recipe().sample[SampleModel::Pb];  // µg/dm³
  const TStatRange range = TMethodStat::FindRange(report.Statistics, "Pb", lead.CellResult > 0 ? lead.CellResult : 0);
  const double delta = range.Delta > 0 ? range.Delta : 20.0;
  EXPECT_NEAR(lead.SampleResult, expected, expected * delta / 100.0);
  EXPECT_EQ(experiment.Notes, std::vector<std::string>{"Parallel sample 1 of 1: every peak was found, and nothing "
                                                       "here needs your attention."});

  // Next at the report's wait ends the script and closes the window.
  b.next();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !wiz.isVisible(); }, 2000));
  EXPECT_TRUE(b.wiz().interpreter().Finished());

  // The end of the run archived the sample's result in the data folder.
  SqlResultsArchive archive(ArchiveAddress::SqliteFile((b.dir.path() / "Results.sqlite").string()));
  const auto archived = archive.Query({});
  ASSERT_EQ(archived.size(), 1u);
  EXPECT_EQ(archived[0].Sample, "Tap water");
  EXPECT_EQ(archived[0].Element, "Pb");
  EXPECT_EQ(archived[0].Value, lead.SampleResult);
  EXPECT_EQ(archived[0].Method, experiment.CalcMethod);
}

// A simulation of the lead method: stored curves replace the recordings.
// Peak heights grow with each addition as the standard additions make them.
TMethod SimulationOf(const TMethod& method, std::int32_t controlOption = 0) {
  TMethod m = method;
  m.FileName = "simulation.mtd";
  for (TLocalizedMethod& l : m.Localized) l.Title = "Lead, simulated";
  TWizSteps script;
  script.push_back(ValueRecord::Make(kStepSimulation));
  for (const ValueRecord& command : m.Script) {
    if (command.Type == kStepStartRecord) {
      for (int type = 0; type <= 4; ++type) {
        ValueRecord data = ValueRecord::Make(kStepDummyData);
        data.Dummy.MeasurementType = type;
        const double height = type == 0 ? 0.1 : 0.8 * type;  // µA above the background
        for (int x = -650; x <= -250; x += 2) {
          const double d = (x + 420) / 35.0;
          data.Dummy.Points.push_back({static_cast<double>(x), 20.0 + 0.01 * (x + 650) + height / (1.0 + d * d)});
        }
        script.push_back(std::move(data));
      }
    }
    ValueRecord copy = command;
    if (copy.Type == kStepControlSolution) copy.Value = controlOption;
    script.push_back(std::move(copy));
  }
  m.Script = std::move(script);
  return m;
}

const TMethod* LibraryMethod(Bench& b, const std::string& fileName) {
  for (const TMethod& m : b.w->methods().library().Methods())
    if (std::filesystem::path(m.FileName).filename() == fileName) return &m;
  return nullptr;
}

// Opens a simulation of the lead method and goes to its first program page.
void StartSimulation(Bench& b, std::int32_t controlOption = 0) {
  const TMethod* pb = LibraryMethod(b, "Pb-standard-additions.mtd");
  ASSERT_NE(pb, nullptr);
  b.w->methods().library().Methods().push_back(SimulationOf(*pb, controlOption));
  b.open("simulation.mtd");
  b.next();
  ASSERT_EQ(b.wiz().currentPage(), IWizardPages::kCellAssembly);
  b.wiz().parallelSamplesBox()->setValue(1);
  b.next();
  ASSERT_EQ(b.wiz().currentPage(), IWizardPages::kProgramInput);
}

// A replayed pass: the recording page steps its bar, then the chart shows.
bool ReplayPass(Bench& b) {
  if (b.wiz().currentPage() != IWizardPages::kProgramInput) return false;
  b.next();
  if (b.wiz().currentPage() != IWizardPages::kRecordingStatus) return false;
  return QTest::qWaitFor(
      [&] { return b.wiz().currentPage() == IWizardPages::kChart && b.wiz().nextButton()->isEnabled(); }, 5000);
}

TEST(WizardTest, ASimulationNeedsNoAnalyzerAndIsMarkedAsSimulated) {
  Bench b;  // the analyzer stays off line
  StartSimulation(b);
  TMWizForm& wiz = b.wiz();
  EXPECT_TRUE(wiz.simulationLabel()->isVisible());
  for (int pass = 0; pass < 4; ++pass) {
    ASSERT_TRUE(ReplayPass(b)) << "pass " << pass << " page " << wiz.currentPage();
    EXPECT_EQ(wiz.progressBar()->maximum(), 10);
    b.next();
  }
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kReport);
  TNode* group = wiz.placement().Group();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(Names(group),
            (std::vector<std::string>{"Analyte", "Added standard 1", "Added standard 2", "Added standard 3"}));
  // Replayed curves never pass for measured ones.
  for (const TNode* pass = group->FirstChild; pass; pass = pass->NextSibling) {
    ASSERT_NE(pass->VA(), nullptr);
    EXPECT_EQ(pass->VA()->Params.Comments().rfind(TRecordPlacement::SimulatedMark, 0), 0u) << pass->Name;
  }
  EXPECT_FALSE(b.hasEntry("Measurement program interrupted!"));
}

TEST(WizardTest, RepeatRecordsThePassAgainAndBackReturnsToTheRecordedPass) {
  Bench b;
  StartSimulation(b);
  TMWizForm& wiz = b.wiz();
  ASSERT_TRUE(ReplayPass(b));
  // "Repeat" on the chart: the same pass, its data no longer editable.
  EXPECT_EQ(wiz.backButton()->text(), QStringLiteral("Repeat"));
  wiz.backButton()->click();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_EQ(wiz.interpreter().Settings().RepetitionCount, 1);
  EXPECT_FALSE(wiz.propertyTable()->item(0, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(wiz.changeButton()->isEnabled());
  ASSERT_TRUE(ReplayPass(b));
  TNode* group = wiz.placement().Group();
  ASSERT_EQ(Names(group), std::vector<std::string>{"Analyte"});
  EXPECT_EQ(Names(group->FirstChild), (std::vector<std::string>{"Repeat 1", "Repeat 2"}));
  EXPECT_TRUE(group->FirstChild->Folded);

  // On to the first addition, then Back: the chart of the recorded pass.
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_EQ(wiz.interpreter().Settings().CycleCounter, 1);
  EXPECT_EQ(wiz.backButton()->text(), QStringLiteral("Back"));
  ASSERT_TRUE(wiz.backButton()->isEnabled());
  wiz.backButton()->click();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kChart);
  EXPECT_EQ(wiz.interpreter().Settings().CycleCounter, 0);
  EXPECT_EQ(wiz.interpreter().Settings().MeasurementType, 1);
  // Nothing recorded was lost, and Next goes on with the same addition.
  EXPECT_EQ(Names(group->FirstChild), (std::vector<std::string>{"Repeat 1", "Repeat 2"}));
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_EQ(wiz.interpreter().Settings().CycleCounter, 1);
  ASSERT_TRUE(ReplayPass(b));
  EXPECT_EQ(Names(group), (std::vector<std::string>{"Analyte", "Added standard 1"}));
  EXPECT_EQ(group->LastChild()->VA()->Params.MeasurementType(), 2);
}

TEST(WizardTest, AnOptionalControlPassCanBeSkipped) {
  Bench b;
  const TMethod* pb = LibraryMethod(b, "Pb-standard-additions.mtd");
  ASSERT_NE(pb, nullptr);
  b.w->methods().library().Methods().push_back(SimulationOf(*pb, 2));
  b.open("simulation.mtd");
  b.next();
  TMWizForm& wiz = b.wiz();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kCellAssembly);
  EXPECT_TRUE(wiz.controlSolutionBox()->isVisible());
  EXPECT_TRUE(wiz.controlSolutionBox()->isChecked());
  EXPECT_TRUE(wiz.controlSolutionBox()->isEnabled());
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_EQ(wiz.interpreter().Settings().CycleCounter, -1);
  EXPECT_TRUE(wiz.instructionsLabel()->text().contains(QStringLiteral("You can skip this step.")));
  EXPECT_EQ(wiz.backButton()->text(), QStringLiteral("Skip"));
  ASSERT_TRUE(wiz.backButton()->isEnabled());
  wiz.backButton()->click();
  // The sample pass, with measurement type 1.
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_EQ(wiz.interpreter().Settings().CycleCounter, 0);
  EXPECT_EQ(wiz.interpreter().Settings().MeasurementType, 1);
  EXPECT_TRUE(wiz.instructionsLabel()->text().contains(QStringLiteral("Pour the prepared solution of the sample")));
  ASSERT_TRUE(ReplayPass(b));
  ASSERT_NE(wiz.placement().Group(), nullptr);
  EXPECT_EQ(Names(wiz.placement().Group()), std::vector<std::string>{"Analyte"});
}

TEST(WizardTest, ALinkLostInThePassKeepsTheRecordedPasses) {
  Bench b;
  ONLINE_OR_SKIP(b);
  b.open("Pb-standard-additions.mtd");
  TMWizForm& wiz = b.wiz();
  b.next();
  wiz.parallelSamplesBox()->setValue(1);
  b.next();
  ASSERT_TRUE(b.recordPass());
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  TNode* sample = wiz.placement().Group()->FirstChild;
  const std::size_t points = sample->FirstChild->VA()->Data.size();
  ASSERT_GT(points, 50u);

  // The first addition starts; the adapter is pulled in the middle of it.
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kRecordingStatus);
  EXPECT_EQ(wiz.backButton()->text(), b.w->action("StopActn")->text());
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.w->recording(); }, 5000));
  QTest::qWait(300);
  b.host.reset();
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.hasEntry("Measurement program interrupted!"); }, 10000));
  QTest::qWait(100);
  // Back at the pass, which can be recorded again once the line is back.
  EXPECT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  EXPECT_EQ(wiz.interpreter().Settings().CycleCounter, 1);
  EXPECT_FALSE(wiz.interpreter().Settings().RecordingInProgress);
  EXPECT_FALSE(wiz.nextButton()->isEnabled());
  ASSERT_TRUE(sample->InForest());
  EXPECT_EQ(sample->FirstChild->VA()->Data.size(), points);
  EXPECT_EQ(wiz.placement().Group()->FirstChild, sample);
}

}  // namespace

TEST(WizardTest, TheRecordingPageDrawsTheCurveAsItArrivesWithTheTimeLeft) {
  Bench b;
  StartSimulation(b);
  TMWizForm& wiz = b.wiz();
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kRecordingStatus);
  // The replayed pass grows on the page step by step, never all at once.
  std::vector<int> counts;
  bool sawTimeLeft = false;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (wiz.currentPage() != IWizardPages::kRecordingStatus) return;
    const int n = wiz.liveTrace()->dataCount();
    if (counts.empty() || counts.back() != n) counts.push_back(n);
    if (wiz.timeLeftLabel()->text().startsWith(QStringLiteral("Time left: "))) sawTimeLeft = true;
  });
  probe.start(10);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return wiz.currentPage() == IWizardPages::kChart && wiz.nextButton()->isEnabled(); }, 5000));
  probe.stop();
  EXPECT_TRUE(sawTimeLeft);
  ASSERT_GE(counts.size(), 3u);
  EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
  // In the end the whole replayed curve: 201 points from -650 to -250 mV.
  const CurvePlottable* live = wiz.liveTrace();
  ASSERT_EQ(live->dataCount(), 201);
  EXPECT_DOUBLE_EQ(live->points()[0].X, -650.0);
  EXPECT_DOUBLE_EQ(live->points()[200].X, -250.0);

  // A new pass starts with an empty trace.
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kProgramInput);
  b.next();
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kRecordingStatus);
  EXPECT_LT(wiz.liveTrace()->dataCount(), 201);
}

TEST(WizardTest, TheChartMarksThePeaksAndTellsEachCurveByItsType) {
  Bench b;
  StartSimulation(b);
  TMWizForm& wiz = b.wiz();
  // The main chart shows no peak marks: the wizard's chart marks them anyway.
  ASSERT_FALSE(b.w->action("ShowPeakHintActn")->isChecked());
  for (int pass = 0; pass < 3; ++pass) {
    ASSERT_TRUE(ReplayPass(b)) << "pass " << pass;
    if (pass < 2) b.next();
  }
  ASSERT_EQ(wiz.currentPage(), IWizardPages::kChart);
  QCustomPlot* chart = wiz.chart();
  ASSERT_EQ(chart->plottableCount(), 3);
  std::set<QRgb> colours;
  QStringList names;
  for (int i = 0; i < chart->plottableCount(); ++i) {
    colours.insert(chart->plottable(i)->pen().color().rgb());
    names << chart->plottable(i)->name();
  }
  EXPECT_EQ(colours.size(), 3u);
  EXPECT_EQ(names, (QStringList{"Analyte", "Added standard 1", "Added standard 2"}));
  EXPECT_TRUE(chart->legend->visible());
  int entries = 0;
  for (int i = 0; i < chart->legend->itemCount(); ++i) entries += chart->legend->item(i) != nullptr;
  EXPECT_EQ(entries, 3);

  const TPeakDrawing& marks = wiz.chartPeaks();
  EXPECT_TRUE(marks.Visible);
  EXPECT_TRUE(marks.Labels);
  // Whatever the main chart's switches: the window's peak table on the
  // wizard's curves, each in its curve's colour.
  EXPECT_TRUE(marks.Table == b.w->peaks().controller().table());
  ASSERT_EQ(marks.Curves.size(), 3u);
  for (std::size_t i = 0; i < marks.Curves.size(); ++i)
    EXPECT_EQ(marks.Curves[i].Color, chart->plottable(static_cast<int>(i))->pen().color());
}
