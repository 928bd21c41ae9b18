// Unattended batches on the autosampler, end to end: the setup window lays
// the tray out for two samples and two methods, "Run" records the batch from
// the analyzer emulator on a pseudo-terminal into the document tree, and a
// jammed tray stops the batch with the electrode up, the cell named and
// every curve recorded kept in the document and the recovery journal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "DeviceProtocol.h"
#include "DocumentCommandsController.h"
#include "FrameHex.h"
#include "MainWindow.h"
#include "MethodsHost.h"
#include "MissingFacility.h"
#include "PseudoTerminalHost.h"
#include "RecordFormWidgets.h"
#include "RecordParametersHost.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "SamplerHost.h"
#include "ScaledClock.h"
#include "TAutoSampler.h"
#include "TDocumentCommands.h"
#include "TMethodsLibrary.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TOldStyleRecordForm.h"
#include "TPluginsManager.h"
#include "TRecoveryJournal.h"
#include "TSamplerCell.h"
#include "TSamplerForm.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;

namespace {

// Rinses the electrode in the service cell (no voltammogram) or records a
// short sweep in a sample cell; the electrode goes down before and up after.
ProgramStep Step(int cell, bool sweep) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetElectrodeDown(true);
  s.SetElectrodeUp(true);
  s.SetSweepRate(1000);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(sweep ? 100 : -1200);
  s.SetCleaningPotential(100);
  s.SetCleaningTime(sweep ? 0 : 2);
  s.SetElectrolysisPotential(-1300);
  s.SetElectrolysisTime(sweep ? 2 : 0);
  s.SetStirrerType(0);
  return s;
}

SamplerMethod Method(const std::string& name, const std::string& electrolyte) {
  SamplerMethod m;
  m.Name = name;
  m.CalcMethod = 0;  // the sample and one standard addition
  m.SupportingElectrolyte = electrolyte;
  m.Programs = {{Step(1, false), Step(2, true)}};
  m.Cells = {{1, 1, -1, "Rinse water"}, {2, 2, 1, "Sample"}};
  return m;
}

struct Bench {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  ScaledClock emulatorClock{25.0};
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<PseudoTerminalHost> host;
  std::unique_ptr<MainWindow> w;

  explicit Bench(const EmulatorFaults& faults = {}) {
    AnalyzerEmulator::Config config;
    config.autosampler = true;
    config.supports3in1 = false;
    config.logFrames = true;
    config.faults = faults;
    // The operator fills every cell as its recorded step asks.
    config.cellSequence = {1, 2};
    emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, config);
    host = std::make_unique<PseudoTerminalHost>(emulator);
    settings.options().insertType = 1;
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    w->show();
  }
  ~Bench() {
    w.reset();
    if (host) host->stop();
  }
  // False when the system has no pseudo-terminals.
  bool goOnline(std::string& error) {
    const auto path = dir.path() / "ttyVA";
    if (!host->start(path, error)) return false;
    w->recordingReceiver().offerRecovery();  // nothing to restore
    w->deviceLink().configure(path.string(), false, 300);
    w->action("ResetActn")->trigger();
    return QTest::qWaitFor([&] { return w->action("RecordActn")->isEnabled(); }, 20000);
  }
  TSamplerForm& form() { return w->sampler().form(); }
  // The autosampler frames the analyzer received, as hex text.
  std::vector<std::string> samplerFrames() const {
    std::vector<std::string> out;
    for (const auto& f : emulator->receivedFrames())
      if (f[3] == protocol::COM_ZAMPLER_C) out.push_back("DC " + test::FrameHex(f, 4));
    return out;
  }
  int framesOf(std::uint8_t code) const {
    int n = 0;
    for (const auto& f : emulator->receivedFrames()) n += f[3] == code;
    return n;
  }
};

struct Leaf {
  std::string name;
  int type;
  int cell;
};

std::vector<Leaf> LeavesOf(const TNode* group) {
  std::vector<Leaf> out;
  for (const TNode* n = group->FirstChild; n; n = n->NextSibling)
    out.push_back({n->Name, n->VA()->Params.MeasurementType(), n->VA()->StepExtra.SamplerCell});
  return out;
}

bool operator==(const Leaf& a, const Leaf& b) { return a.name == b.name && a.type == b.type && a.cell == b.cell; }

void PrintTo(const Leaf& l, std::ostream* os) { *os << l.name << " type " << l.type << " cell " << l.cell; }

}  // namespace

// A new user's library: the shipped autosampler methods are listed in the
// setup window, share their rinse cell and the cells of each sample, and
// build one program per sample and method that rinses, then records in
// every cell of the sample.
TEST(SamplerBatchTest, ShippedAutosamplerMethodsAreListedAndLaidOut) {
  Bench b;
  TMethodsLibrary library(VELMORA_METHODS_DIR, b.dir.path() / "data");
  EXPECT_TRUE(library.Load().empty());
  b.w->sampler().setMethodSource([&] {
    std::vector<SamplerMethod> out;
    for (const TMethod& m : library.Methods())
      if (m.UsesSampler()) out.push_back(SamplerHost::FromMethod(m, 1033));
    return out;
  });
  TSamplerForm& form = b.form();
  form.show();
  ASSERT_EQ(form.methodList()->count(), 2);
  EXPECT_EQ(form.methodList()->item(0)->text(), QStringLiteral("Cadmium (standard additions, autosampler)"));
  EXPECT_EQ(form.methodList()->item(1)->text(), QStringLiteral("Lead (standard additions, autosampler)"));
  form.checkMethod(0, true);
  form.checkMethod(1, true);
  const SamplerTray& tray = form.tray();
  EXPECT_EQ(tray.ServiceCellCount(), 1);
  // Standard additions: the sample and three additions, four cells each.
  EXPECT_EQ(tray.SamplesMaxCount(), 3);
  form.setSamplesCount(3);
  EXPECT_EQ(form.trayView().Cells(0)->Comment(), QStringLiteral("Rinse water"));
  EXPECT_EQ(form.trayView().Cells(1)->Comment(), QStringLiteral("Sample 1"));
  EXPECT_EQ(form.trayView().Cells(12)->Comment(), QStringLiteral("Sample 3"));
  EXPECT_TRUE(form.trayView().Cells(13)->cell().Free());

  const TVAProgramsArray programs = form.programs();
  ASSERT_EQ(programs.size(), 6u);  // 3 samples × 2 methods
  const TSingleProgramArray& lead2 = programs[3];
  ASSERT_EQ(lead2.size(), 8u);       // rinse and record in each of 4 cells
  const int types[] = {1, 2, 3, 4};  // analyte, then the three additions
  for (std::size_t k = 0; k < 4; ++k) {
    const ProgramStep& rinse = lead2[2 * k];
    const ProgramStep& record = lead2[2 * k + 1];
    EXPECT_EQ(rinse.SamplerCell(), 1);
    EXPECT_EQ(rinse.SweepStart(), rinse.SweepEnd());
    EXPECT_EQ(record.SamplerCell(), static_cast<int>(6 + k));
    EXPECT_EQ(record.MeasurementType(), types[k]);
    EXPECT_EQ(record.Comments(), "Sample 2 Lead (standard additions, autosampler)");
    EXPECT_NE(record.SweepStart(), record.SweepEnd());
  }
}

TEST(SamplerBatchTest, RunsTwoSamplesByTwoMethodsIntoTheTree) {
  Bench b;
  std::string error;
  if (!b.goOnline(error)) VELMORA_MISSING_FACILITY() << error;
  ASSERT_TRUE(b.w->deviceLink().device().AutoSamplerEnabled());
  b.w->sampler().setMethodSource([] {
    return std::vector<SamplerMethod>{Method("Zn, Cd, Pb", "Formic acid"), Method("Cu", "Ammonium chloride")};
  });
  TSamplerForm& form = b.form();
  form.show();
  ASSERT_EQ(form.methodList()->count(), 2);
  EXPECT_FALSE(form.runButton()->isEnabled());  // no method checked yet
  form.checkMethod(0, true);
  form.checkMethod(1, true);
  form.setSamplesCount(2);
  // One rinse cell shared by both methods; four cells per sample.
  const SamplerTray& tray = form.tray();
  EXPECT_EQ(tray.ServiceCellCount(), 1);
  EXPECT_EQ(tray.SamplesMaxCount(), 3);
  EXPECT_EQ(form.trayView().Cells(0)->Comment(), QStringLiteral("Rinse water"));
  EXPECT_EQ(form.trayView().Cells(8)->Comment(), QStringLiteral("Sample 2"));
  EXPECT_TRUE(form.trayView().Cells(9)->cell().Free());
  ASSERT_TRUE(form.runButton()->isEnabled());

  // Every curve is in the recovery journal before the tray moves on.
  TRecoveryJournal& journal = b.w->recordingReceiver().journal();
  QSignalSpy curves(&b.w->recordingReceiver(), &RecordingReceiver::curveRecorded);
  QSignalSpy finished(&b.w->recordingReceiver(), &RecordingReceiver::runFinished);
  int moves = 0;
  bool journalBehind = false;
  QObject::connect(&b.w->deviceLink(), &DeviceLink::samplerPositionChanged, [&] {
    ++moves;
    if (journal.Read().Entries.size() != static_cast<std::size_t>(curves.count())) journalBehind = true;
  });
  b.emulator->clearReceivedFrames();
  form.runButton()->click();
  EXPECT_TRUE(b.w->sampler().batchRunning());
  EXPECT_FALSE(form.methodList()->isEnabled());
  EXPECT_FALSE(b.w->action("SamplerZondUpActn")->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 120000));
  for (const auto& e : b.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;
  EXPECT_EQ(b.emulator->refusedFrames(), 0);

  // The tree: the run, one group per sample and method, one curve per cell.
  ASSERT_EQ(curves.count(), 8);
  EXPECT_FALSE(journalBehind);
  EXPECT_GT(moves, 8);
  const TNode* root = b.w->forest().FirstRoot();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->NextSibling, nullptr);
  std::vector<const TNode*> groups;
  for (const TNode* n = root->FirstChild; n; n = n->NextSibling) groups.push_back(n);
  ASSERT_EQ(groups.size(), 4u);
  const std::vector<Leaf> expected[] = {
      {{"Sample 1 Zn, Cd, Pb", 1, 2}, {"Sample 1 Zn, Cd, Pb", 2, 3}},
      {{"Sample 1 Cu", 1, 4}, {"Sample 1 Cu", 2, 5}},
      {{"Sample 2 Zn, Cd, Pb", 1, 6}, {"Sample 2 Zn, Cd, Pb", 2, 7}},
      {{"Sample 2 Cu", 1, 8}, {"Sample 2 Cu", 2, 9}},
  };
  for (std::size_t g = 0; g < 4; ++g) EXPECT_EQ(LeavesOf(groups[g]), expected[g]) << "program " << g;
  EXPECT_EQ(journal.Read().Entries.size(), 8u);

  // On the wire: every step moves to its cell (when it is not there yet),
  // lowers the electrode and raises it after the step.
  std::vector<std::string> wire;
  for (const int sampleCells : {2, 4, 6, 8}) {
    for (const int cell : {sampleCells, sampleCells + 1}) {
      char move[16];
      std::snprintf(move, sizeof move, "DC 10 %02X", cell);
      for (const std::string& f : {std::string("DC 10 01"), std::string("DC 05"), std::string("DC 04"),
                                   std::string(move), std::string("DC 05"), std::string("DC 04")})
        wire.push_back(f);
    }
  }
  EXPECT_EQ(b.samplerFrames(), wire);
  EXPECT_EQ(b.framesOf(protocol::COM_WRITE_PARAM_ARRAY), 16);
  EXPECT_EQ(b.framesOf(protocol::COM_START), 16);
  EXPECT_EQ(b.emulator->samplerPosition(), 8);
  EXPECT_FALSE(b.emulator->electrodeDown());

  // The tray shows where it stands; so do the status bar and both cell lists.
  EXPECT_EQ(b.w->statusPanel(1)->text(), QStringLiteral("Cell: 9"));
  EXPECT_EQ(form.trayView().Position(), 8);
  EXPECT_TRUE(form.trayView().Cells(8)->underElectrode());
  EXPECT_EQ(form.activeCellList()->currentText(), QStringLiteral("9"));
  EXPECT_EQ(form.progressBar()->value(), form.progressBar()->maximum());
  EXPECT_EQ(form.progressBar()->maximum(), 16);
  EXPECT_FALSE(b.w->sampler().batchRunning());
  EXPECT_TRUE(form.methodList()->isEnabled());
  EXPECT_TRUE(b.w->action("SamplerZondUpActn")->isEnabled());
}

// The tray and the electrode take seconds: "Set sampler position" and the
// electrode commands run on the link's worker, so the window keeps answering
// while the analyzer works; the status bar says what is going on and the
// commands wait until it is done.
TEST(SamplerBatchTest, HandCommandsLeaveTheWindowAnswering) {
  Bench b;
  std::string error;
  if (!b.goOnline(error)) VELMORA_MISSING_FACILITY() << error;
  QAction* position = b.w->action("SamplerPositionActn");
  ASSERT_TRUE(position->isEnabled());
  ASSERT_EQ(b.w->deviceLink().device().CellNumber(), 0);
  // Cell 8: seven cells away, some seconds of the analyzer's time.
  b.w->recordParameters().form().widgets().samplerCellList->setCurrentIndex(7);
  int ticks = 0;
  int ticksBeforeArrival = -1;
  QTimer ticker;
  ticker.setInterval(5);
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  QObject::connect(&b.w->deviceLink(), &DeviceLink::samplerPositionChanged, [&] {
    if (ticksBeforeArrival < 0) ticksBeforeArrival = ticks;
  });
  ticker.start();
  b.emulator->clearReceivedFrames();

  position->trigger();
  // The command returned while the tray still turns.
  EXPECT_EQ(b.w->deviceLink().device().CellNumber(), 0);
  EXPECT_EQ(b.w->statusPanel(2)->text(), QStringLiteral("Moving the tray to cell 8..."));
  EXPECT_EQ(b.form().statusLabel()->text(), QStringLiteral("Moving the tray to cell 8..."));
  EXPECT_FALSE(position->isEnabled());
  EXPECT_FALSE(b.w->action("SamplerZondDownActn")->isEnabled());
  EXPECT_FALSE(b.w->action("RecordActn")->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return position->isEnabled(); }, 20000));
  // The event loop ran all the while.
  EXPECT_GE(ticksBeforeArrival, 3);
  EXPECT_EQ(b.w->deviceLink().device().CellNumber(), 7);
  EXPECT_EQ(b.w->statusPanel(1)->text(), QStringLiteral("Cell: 8"));
  EXPECT_EQ(b.emulator->samplerPosition(), 7);
  EXPECT_NE(b.w->statusPanel(2)->text(), QStringLiteral("Moving the tray to cell 8..."));
  EXPECT_TRUE(b.w->action("RecordActn")->isEnabled());

  // The electrode goes down and up the same way.
  b.w->action("SamplerZondDownActn")->trigger();
  EXPECT_EQ(b.w->statusPanel(2)->text(), QStringLiteral("Lowering the electrode..."));
  EXPECT_FALSE(b.w->action("SamplerZondUpActn")->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.w->action("SamplerZondUpActn")->isEnabled(); }, 20000));
  EXPECT_TRUE(b.emulator->electrodeDown());
  b.w->action("SamplerZondUpActn")->trigger();
  EXPECT_EQ(b.w->statusPanel(2)->text(), QStringLiteral("Raising the electrode..."));
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.w->action("SamplerZondUpActn")->isEnabled(); }, 20000));
  EXPECT_FALSE(b.emulator->electrodeDown());
  EXPECT_EQ(b.samplerFrames(), (std::vector<std::string>{"DC 10 08", "DC 05", "DC 04"}));
  for (const auto& e : b.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;
}

TEST(SamplerBatchTest, AJammedTrayStopsTheBatchAndKeepsWhatWasRecorded) {
  EmulatorFaults faults;
  faults.trayJam = {4};  // the first cell of the second sample
  Bench b(faults);
  std::string error;
  if (!b.goOnline(error)) VELMORA_MISSING_FACILITY() << error;
  b.w->sampler().setMethodSource([] { return std::vector<SamplerMethod>{Method("Pb", "Acetate buffer")}; });
  TSamplerForm& form = b.form();
  form.show();
  form.checkMethod(0, true);
  form.setSamplesCount(2);
  QSignalSpy curves(&b.w->recordingReceiver(), &RecordingReceiver::curveRecorded);
  QSignalSpy finished(&b.w->recordingReceiver(), &RecordingReceiver::runFinished);
  b.emulator->clearReceivedFrames();
  b.w->action("SamplerStartActn")->trigger();
  // The move waits 20 s for the tray's answer.
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 60000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.sink.entries.size() >= 2; }, 5000));

  EXPECT_EQ(b.sink.entries[0].text, "No responce from device. Command №220");
  EXPECT_EQ(b.sink.entries[1].text,
            "The autosampler did not answer on its way to cell 4 (Sample 2). The batch is stopped; the 2 curves "
            "recorded so far are kept.");
  // The electrode went up after the jam; nothing was sent to the tray after that.
  const std::vector<std::string> frames = b.samplerFrames();
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames[frames.size() - 2], "DC 10 04");
  EXPECT_EQ(frames.back(), "DC 04");
  EXPECT_FALSE(b.emulator->electrodeDown());
  EXPECT_TRUE(b.emulator->trayJammed());
  EXPECT_EQ(b.w->recordingReceiver().run().SamplerFaultCell(), 4);

  // The two curves of the first sample stay in the document and the journal.
  EXPECT_EQ(curves.count(), 2);
  const TNode* root = b.w->forest().FirstRoot();
  ASSERT_NE(root, nullptr);
  ASSERT_NE(root->FirstChild, nullptr);
  const std::vector<Leaf> kept = {{"Sample 1 Pb", 1, 2}, {"Sample 1 Pb", 2, 3}};
  EXPECT_EQ(LeavesOf(root->FirstChild), kept);
  EXPECT_EQ(b.w->recordingReceiver().journal().Read().Entries.size(), 2u);
  EXPECT_TRUE(b.w->modified());
  // The window leaves the run: the tray can be laid out again.
  EXPECT_FALSE(b.w->recording());
  EXPECT_FALSE(b.w->sampler().batchRunning());
  EXPECT_TRUE(form.methodList()->isEnabled());
}

TEST(SamplerBatchTest, RunWithoutAnAutosamplerStartsNothing) {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w(settings, &hub);
  w.setMessageSink(&sink);
  QAction* run = w.action("SamplerStartActn");
  run->setEnabled(true);
  run->trigger();
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].text, "Autosampler not found. Check the connection and reset the device");
  EXPECT_FALSE(w.recording());
  EXPECT_FALSE(w.sampler().batchRunning());
  EXPECT_TRUE(w.statusPanel(1)->text().isEmpty());
}

// An unattended batch is what "Shut down computer after program execution"
// is for: the computer goes off once the batch's curves are saved.
TEST(SamplerBatchTest, TheShutDownBoxPowersOffAfterABatchWhoseSavesSucceeded) {
  Bench b;
  std::string error;
  if (!b.goOnline(error)) VELMORA_MISSING_FACILITY() << error;
  auto* commands = new DocumentCommandsController(*b.w, b.settings);
  b.w->setDocumentCommands(commands);
  commands->commands().DocumentFileName = (b.dir.path() / "batch.tvx").string();
  int powerOffs = 0;
  b.w->recordingReceiver().setPowerOff([&] { ++powerOffs; });  // never the machine's own
  b.w->recordParameters().form().widgets().shutDown->setChecked(true);
  b.w->sampler().setMethodSource([] { return std::vector<SamplerMethod>{Method("Pb", "Formic acid")}; });
  TSamplerForm& form = b.form();
  form.show();
  form.checkMethod(0, true);
  form.setSamplesCount(1);
  QSignalSpy finished(&b.w->recordingReceiver(), &RecordingReceiver::runFinished);
  form.runButton()->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 120000));
  for (const auto& e : b.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;
  EXPECT_EQ(powerOffs, 1);
  EXPECT_FALSE(b.w->modified());
  EXPECT_TRUE(std::filesystem::exists(b.dir.path() / "batch.tvx"));
}

// The setup window speaks the language in force: the methods by their
// Russian names, the service cells by their Russian descriptions, and the
// batch's step comments (the captions of its curves) with them.
TEST(SamplerBatchTest, TheSetupWindowUsesTheLanguageInForce) {
  test::TempDir dir;
  Settings settings{dir.path()};
  settings.options().localeId = 1049;
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.methods().setLibraryFolder(VELMORA_METHODS_DIR);
  w.methods().load();
  TSamplerForm& form = w.sampler().form();
  form.show();
  ASSERT_EQ(form.methodList()->count(), 2);
  EXPECT_EQ(form.methodList()->item(1)->text(), QStringLiteral("Свинец (метод добавок, автосамплер)"));
  form.checkMethod(1, true);
  EXPECT_EQ(form.trayView().Cells(0)->Comment(), QStringLiteral("Промывочная вода"));
  const TVAProgramsArray programs = form.programs();
  ASSERT_FALSE(programs.empty());
  bool named = false;
  for (const ProgramStep& step : programs.front())
    if (step.SweepStart() != step.SweepEnd())
      named = named || step.Comments().find("Свинец (метод добавок, автосамплер)") != std::string::npos;
  EXPECT_TRUE(named);
  form.hide();
}
