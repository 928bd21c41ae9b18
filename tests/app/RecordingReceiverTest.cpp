// The main window records from the built-in analyzer emulator: actions,
// live trace, status text, the tree of a run, the recovery journal, stop.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <map>

#include "AnalyzerEmulator.h"
#include "CurvePlottable.h"
#include "DeviceLink.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "MissingFacility.h"
#include "ProgramFiles.h"
#include "PseudoTerminalHost.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "ScaledClock.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TRecordPlacement.h"
#include "TRecoveryJournal.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "qcustomplot.h"

using namespace velmora;

namespace {

ProgramStep Sweep(int from, int to, const char* comment) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(2000);
  s.SetSweepStart(from);
  s.SetSweepEnd(to);
  s.SetElectrolysisTime(1);
  s.SetComments(comment);
  return s;
}

struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
  explicit Window(const std::filesystem::path& data = {}) {
    if (!data.empty()) settings.setDataFolder(data);
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    w->show();
  }
  RecordingReceiver& rec() { return w->recordingReceiver(); }
  bool goOnline() {
    w->deviceLink().configure("emulator", false, 100);
    if (!w->deviceLink().openPort()) return false;
    w->deviceLink().reset();
    // On line once the link's reset news reached the window.
    return QTest::qWaitFor([&] { return w->action("RecordActn")->isEnabled(); }, 20000);
  }
  // The run takes its programs from the record-parameters editor.
  void useProgram(const TVAProgramsArray& programs) {
    w->recordingReceiver().setProgramSource([programs] {
      RecordingProgramSource source;
      source.Programs = programs;
      return source;
    });
  }
  bool hasEntry(const std::string& text) const {
    for (const auto& e : sink.entries)
      if (e.text == text) return true;
    return false;
  }
  bool hasEntryStartingWith(const std::string& text) const {
    for (const auto& e : sink.entries)
      if (e.text.rfind(text, 0) == 0) return true;
    return false;
  }
};

TEST(RecordingReceiverTest, StartNeedsAnActiveAnalyzer) {
  Window win;
  win.w->action("RecordActn")->setEnabled(true);
  win.w->action("RecordActn")->trigger();
  EXPECT_TRUE(win.hasEntry("Reset the instrument by pressing \"R\" button"));
  EXPECT_FALSE(win.w->recording());
  EXPECT_EQ(RecordingReceiver::formatSeconds(59), "59");
  EXPECT_EQ(RecordingReceiver::formatSeconds(125), " 2: 5");
  EXPECT_EQ(RecordingReceiver::formatSeconds(3725), "1: 2: 5");
}

TEST(RecordingReceiverTest, RecordsARunIntoTheTreeAndKeepsItDurable) {
  Window win;
  win.useProgram({{Sweep(-1200, 100, "step one"), Sweep(-1000, 0, "step two")}});
  win.settings.options().insertType = 1;
  win.rec().offerRecovery();  // nothing to restore
  ASSERT_TRUE(win.goOnline());
  QAction* record = win.w->action("RecordActn");
  QAction* stop = win.w->action("StopActn");
  EXPECT_TRUE(record->isEnabled());
  EXPECT_FALSE(stop->isEnabled());

  QSignalSpy curves(&win.rec(), &RecordingReceiver::curveRecorded);
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  // Other windows (the wizard's recording page) follow the live trace.
  std::size_t livePoints = 0;
  int liveCleared = 0;
  QObject::connect(&win.rec(), &RecordingReceiver::livePoints, [&](const TRecPoints& batch) {
    livePoints += batch.size();
    EXPECT_GE(win.rec().liveCurve().size(), batch.size());
  });
  QObject::connect(&win.rec(), &RecordingReceiver::liveCleared, [&] { ++liveCleared; });
  int maxLive = 0;
  bool sawCountdown = false;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    maxLive = std::max(maxLive, win.w->chartView().recordingSeries()->dataCount());
    if (win.w->statusPanel(2)->text().contains(QStringLiteral("left"))) sawCountdown = true;
  });
  probe.start(20);
  record->trigger();
  EXPECT_TRUE(win.w->recording());
  EXPECT_FALSE(record->isEnabled());
  EXPECT_TRUE(stop->isEnabled());
  EXPECT_FALSE(win.w->action("PauseActn")->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 60000));
  probe.stop();
  for (const auto& e : win.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;

  EXPECT_EQ(curves.count(), 2);
  EXPECT_GT(maxLive, 10);
  EXPECT_GE(livePoints, static_cast<std::size_t>(maxLive));
  EXPECT_GE(liveCleared, 2);  // at the end of each curve
  EXPECT_TRUE(sawCountdown);
  EXPECT_FALSE(win.w->recording());
  EXPECT_TRUE(record->isEnabled());
  EXPECT_EQ(win.w->chartView().recordingSeries()->dataCount(), 0);
  TNode* root = win.w->forest().FirstRoot();
  ASSERT_NE(root, nullptr);
  ASSERT_NE(root->FirstChild, nullptr);
  // The built-in emulator's curves say they are simulated in their comments;
  // the caption keeps its room for the name.
  EXPECT_EQ(root->FirstChild->Name, "step one");
  EXPECT_EQ(root->FirstChild->VA()->Params.Comments(), std::string(TRecordPlacement::SimulatedMark) + "step one");
  EXPECT_TRUE(TRecordPlacement::IsSimulated(*root->FirstChild));
  EXPECT_EQ(root->LastChild()->VA()->DatabaseName, "_______1.dbd");
  EXPECT_EQ(win.w->curveCounter(), 2);
  EXPECT_TRUE(win.w->modified());

  // Each curve is on disk until the document is saved or closed.
  TRecoveryJournal& journal = win.rec().journal();
  EXPECT_EQ(journal.Read().Entries.size(), 2u);
  win.w->setModified(false);
  EXPECT_FALSE(journal.HasEntries());
}

// The wizard starts its next pass as soon as a pass has ended, while the
// ended run's worker is still handing over its last news: the new run waits
// for it instead of being refused.
TEST(RecordingReceiverTest, ARunStartedAsTheLastOneEndsFollowsIt) {
  Window win;
  const TVAProgramsArray programs{{Sweep(-1200, 100, "pass")}};
  win.useProgram(programs);
  ASSERT_TRUE(win.goOnline());
  QSignalSpy curves(&win.rec(), &RecordingReceiver::curveRecorded);
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  bool startedAgain = false;
  bool workerWasBusy = false;
  QObject::connect(&win.rec(), &RecordingReceiver::runFinished, [&] {
    if (startedAgain) return;
    startedAgain = true;
    workerWasBusy = win.rec().run().Running();
    RecordingProgramSource source;
    source.Programs = programs;
    win.rec().startWith(source);
    EXPECT_TRUE(win.w->recording());
  });
  win.w->action("RecordActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() >= 2; }, 60000));
  for (const auto& e : win.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;
  EXPECT_TRUE(workerWasBusy);
  EXPECT_EQ(curves.count(), 2);
  EXPECT_FALSE(win.w->recording());
  EXPECT_TRUE(win.w->action("RecordActn")->isEnabled());
}

void WriteJournal(const std::filesystem::path& folder) {
  TRecoveryJournal journal(TRecoveryJournal::PathIn(folder));
  TVAStruct r;
  r.DatabaseName = "_______4.dbd";
  for (int i = 0; i < 50; ++i) r.Data.push_back({i * 1.0, i * 0.5});
  journal.Append(r, "lost curve");
}

TEST(RecordingReceiverTest, OffersTheCurvesOfAnUnfinishedSession) {
  test::TempDir data;
  WriteJournal(data.path());
  {
    Window win(data.path());
    win.sink.queueAnswer(Answer::Yes);
    EXPECT_EQ(win.rec().offerRecovery(), 1);
    ASSERT_NE(win.w->forest().FirstRoot(), nullptr);
    EXPECT_EQ(win.w->forest().FirstRoot()->Name, "lost curve");
    EXPECT_EQ(win.w->forest().FirstRoot()->VA()->Data.size(), 50u);
    EXPECT_TRUE(win.w->modified());
    // Still kept: the restored document is not saved yet.
    EXPECT_TRUE(win.rec().journal().HasEntries());
  }
  // A normal end of the program leaves nothing to recover.
  EXPECT_FALSE(std::filesystem::exists(TRecoveryJournal::PathIn(data.path())));
  WriteJournal(data.path());
  Window again(data.path());
  again.sink.queueAnswer(Answer::No);
  EXPECT_EQ(again.rec().offerRecovery(), 0);
  EXPECT_FALSE(again.rec().journal().HasEntries());
  EXPECT_EQ(again.w->forest().FirstRoot(), nullptr);
}

// Two workstations on one data folder: the second one neither offers the
// first one's unsaved curves nor deletes them, whatever its user answers.
TEST(RecordingReceiverTest, ASecondWorkstationLeavesTheFirstOnesJournalAlone) {
  test::TempDir data;
  Window first(data.path());
  first.rec().offerRecovery();  // nothing to restore
  WriteJournal(data.path());    // a curve recorded there and not saved yet
  {
    Window second(data.path());
    second.sink.queueAnswer(Answer::No);
    EXPECT_EQ(second.rec().offerRecovery(), 0);
    EXPECT_TRUE(second.hasEntryStartingWith("Another instance of the program uses the data folder"));
    for (const auto& e : second.sink.entries) EXPECT_NE(e.kind, "yesno") << e.text;
    // Its own document saved, then the program closed.
    second.w->setModified(true);
    second.w->setModified(false);
  }
  EXPECT_EQ(first.rec().journal().Read().Entries.size(), 1u);
  // Once the first one has closed, the folder is the next one's.
  first.w.reset();
  WriteJournal(data.path());
  Window next(data.path());
  next.sink.queueAnswer(Answer::Yes);
  EXPECT_EQ(next.rec().offerRecovery(), 1);
}

// A curve the journal cannot take (a full disk) is still in the document,
// and the user hears of it.
TEST(RecordingReceiverTest, ACurveTheJournalCannotKeepIsReported) {
  test::TempDir data;
  std::filesystem::create_directory(TRecoveryJournal::PathIn(data.path()));
  Window win(data.path());
  win.useProgram({{Sweep(-1200, 100, "one")}});
  win.rec().offerRecovery();
  ASSERT_TRUE(win.goOnline());
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  win.w->action("RecordActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 60000));
  const auto reported = [&] {
    for (const auto& e : win.sink.entries)
      if (e.kind == "error" && e.text.find("could not be written to the recovery journal") != std::string::npos)
        return true;
    return false;
  };
  EXPECT_TRUE(QTest::qWaitFor(reported, 5000));
  EXPECT_NE(win.w->forest().FirstRoot(), nullptr);
}

TEST(RecordingReceiverTest, StopAsksAndResetsTheAnalyzer) {
  Window win;
  ProgramStep slow = Sweep(-1200, 100, "slow");
  slow.SetElectrolysisTime(60);
  win.useProgram({{slow}});
  ASSERT_TRUE(win.goOnline());
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  win.w->action("RecordActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return win.rec().totalSecondsLeft() > 0; }, 10000));
  win.sink.queueAnswer(Answer::No);
  win.w->action("StopActn")->trigger();
  EXPECT_TRUE(win.w->recording());
  win.sink.queueAnswer(Answer::Yes);
  win.w->action("StopActn")->trigger();
  EXPECT_TRUE(win.hasEntry("Do you really want to stop and reset the device?"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 20000));
  EXPECT_FALSE(win.w->recording());
  EXPECT_EQ(win.w->forest().FirstRoot(), nullptr);
  // Back on line after the reset: a new run may start.
  EXPECT_TRUE(QTest::qWaitFor([&] { return win.w->action("RecordActn")->isEnabled(); }, 20000));
}

TEST(RecordingReceiverTest, TheEmulatorIsUnmistakableInTheWindow) {
  Window win;
  const QString mark = QStringLiteral("EMULATOR - simulated data");
  auto* label = win.w->findChild<QLabel*>(QStringLiteral("EmulatorLabel"));
  ASSERT_NE(label, nullptr);
  win.w->deviceLink().configure("COM1", false, 100);
  EXPECT_FALSE(label->isVisible());
  EXPECT_FALSE(win.w->windowTitle().contains(mark));
  win.w->deviceLink().configure("emulator", false, 100);
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->text(), mark);
  EXPECT_TRUE(win.w->windowTitle().contains(mark)) << win.w->windowTitle().toStdString();
  // A new document keeps the title's warning.
  win.w->newDocument();
  EXPECT_TRUE(win.w->windowTitle().contains(mark));
}

TEST(RecordingReceiverTest, StatusAnswersLeaveTheCountdownInItsPanel) {
  Window win;
  ProgramStep slow = Sweep(-1200, 100, "slow");
  slow.SetElectrolysisTime(60);
  win.useProgram({{slow}});
  ASSERT_TRUE(win.goOnline());
  win.w->action("RecordActn")->trigger();
  QLabel* panel = win.w->statusPanel(2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return panel->text().contains(QStringLiteral("left")); }, 10000));
  // Status answers between two ticks of the countdown.
  for (int i = 0; i < 3; ++i) {
    emit win.w->deviceLink().statusChanged();
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->text().contains(QStringLiteral("left"))) << panel->text().toStdString();
  }
  win.sink.queueAnswer(Answer::Yes);
  win.w->action("StopActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !win.w->recording(); }, 20000));
}

TEST(RecordingReceiverTest, ASlowSaveLeavesTheWorkerPolling) {
  Window win;
  win.useProgram({{Sweep(-1200, 100, "one"), Sweep(-1000, 0, "two")}});
  ASSERT_TRUE(win.goOnline());
  AnalyzerEmulator* emulator = win.w->deviceLink().emulator();
  ASSERT_NE(emulator, nullptr);
  std::vector<std::int64_t> commandsDuringSave;
  win.rec().setCurveStore([&] {
    const std::int64_t before = emulator->commandsReceived();
    QThread::msleep(1500);  // a slow disk
    commandsDuringSave.push_back(emulator->commandsReceived() - before);
  });
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  win.w->action("RecordActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 60000));
  ASSERT_EQ(commandsDuringSave.size(), 2u);
  // The worker kept talking to the analyzer while the first curve was stored.
  EXPECT_GE(commandsDuringSave[0], 3);
  for (const auto& e : win.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;
}

TEST(RecordingReceiverTest, ALostPortEndsTheRunKeepsItsCurvesAndTheWindowRecovers) {
  Window win;
  ScaledClock emulatorClock(5.0);
  const auto path = win.dir.path() / "ttyVA";
  auto host = std::make_unique<PseudoTerminalHost>(
      std::make_shared<AnalyzerEmulator>(emulatorClock, AnalyzerEmulator::Config{}));
  std::string error;
  if (!host->start(path, error)) VELMORA_MISSING_FACILITY() << error;
  ProgramStep longStep = Sweep(-1000, 0, "long");
  longStep.SetElectrolysisTime(600);
  win.useProgram({{Sweep(-1200, 100, "first"), longStep}});
  win.rec().offerRecovery();
  win.w->deviceLink().configure(path.string(), false, 100);
  ASSERT_FALSE(win.w->deviceLink().emulated());
  win.w->action("ResetActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return win.w->action("RecordActn")->isEnabled(); }, 20000));

  // The file actions as they stand outside a run (some need the document commands).
  std::map<std::string, bool> idle;
  for (const char* name : {"NewActn", "OpenActn", "SettingsActn"}) idle[name] = win.w->action(name)->isEnabled();
  QSignalSpy curves(&win.rec(), &RecordingReceiver::curveRecorded);
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  win.w->action("RecordActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return curves.count() == 1; }, 30000));
  EXPECT_FALSE(win.w->action("NewActn")->isEnabled());
  host.reset();  // the adapter is pulled
  QElapsedTimer lost;
  lost.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 5000));
  EXPECT_LT(lost.elapsed(), 5000);
  ASSERT_TRUE(QTest::qWaitFor([&] { return win.hasEntryStartingWith("The serial port \""); }, 2000));
  EXPECT_FALSE(win.w->recording());
  for (const auto& [name, enabled] : idle) EXPECT_EQ(win.w->action(name.c_str())->isEnabled(), enabled) << name;
  EXPECT_TRUE(win.w->action("NewActn")->isEnabled());
  EXPECT_TRUE(win.w->action("ResetActn")->isEnabled());
  EXPECT_FALSE(win.w->action("StopActn")->isEnabled());
  EXPECT_FALSE(win.w->action("RecordActn")->isEnabled());
  // The finished voltammogram stays in the document and in the journal.
  EXPECT_EQ(curves.count(), 1);
  ASSERT_NE(win.w->forest().FirstRoot(), nullptr);
  EXPECT_EQ(win.rec().journal().Read().Entries.size(), 1u);

  // The line is back: "Reset device" brings the analyzer on line again.
  host = std::make_unique<PseudoTerminalHost>(
      std::make_shared<AnalyzerEmulator>(emulatorClock, AnalyzerEmulator::Config{}));
  ASSERT_TRUE(host->start(path, error)) << error;
  win.w->action("ResetActn")->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return win.w->action("RecordActn")->isEnabled(); }, 20000));
  win.w.reset();
}

// Pictures of the window while and after it records a differential-pulse
// voltammogram of the emulator's sample, on request only:
//   VELMORA_SCREENSHOT_DIR=DIR app_tests --gtest_also_run_disabled_tests --gtest_filter='*Screenshots'
TEST(RecordingReceiverTest, DISABLED_Screenshots) {
  const QString shots = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR is not set";
  Window win;
  win.w->resize(1280, 800);
  ProgramStep s = Sweep(-1300, 100, "Zn, Cd, Pb, Cu");
  s.SetSweepRate(200);
  s.SetValuesRange(1);
  s.SetModulation(true);
  s.SetModulationAmplitude(20);
  s.SetModulationFrequency(25);
  s.SetElectrolysisPotential(-1400);
  s.SetElectrolysisTime(20);
  s.SetStirrer(true);
  win.useProgram({{s}});
  ASSERT_TRUE(win.goOnline());
  QSignalSpy finished(&win.rec(), &RecordingReceiver::runFinished);
  win.w->action("RecordActn")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return win.w->chartView().recordingSeries()->dataCount() > 400; }, 60000));
  win.w->grab().save(shots + QStringLiteral("/recording-live.png"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 60000));
  QTest::qWait(300);
  win.w->grab().save(shots + QStringLiteral("/recording-done.png"));
}

}  // namespace
