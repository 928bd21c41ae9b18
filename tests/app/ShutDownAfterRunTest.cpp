// "Shut down computer after program execution": the computer goes off after
// a run only when every curve of it was saved; otherwise it stays on and
// says why. The power-off itself is the test's own.
#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "DeviceLink.h"
#include "DocumentCommandsController.h"
#include "MainWindow.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "Settings.h"
#include "TDocumentCommands.h"
#include "TPluginsManager.h"
#include "TempDir.h"

using namespace velmora;

namespace {

ProgramStep Sweep(int from, int to) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(2000);
  s.SetSweepStart(from);
  s.SetSweepEnd(to);
  s.SetElectrolysisTime(1);
  return s;
}

struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
  DocumentCommandsController* commands = nullptr;
  int powerOffs = 0;
  Window() {
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    commands = new DocumentCommandsController(*w, settings);
    w->setDocumentCommands(commands);
    // Never the machine's own power-off.
    w->recordingReceiver().setPowerOff([this] { ++powerOffs; });
    w->show();
  }
  bool goOnline() {
    w->recordingReceiver().offerRecovery();
    w->deviceLink().configure("emulator", false, 100);
    if (!w->deviceLink().openPort()) return false;
    w->deviceLink().reset();
    return QTest::qWaitFor([&] { return w->action("RecordActn")->isEnabled(); }, 20000);
  }
  // One run of two curves with the box checked; true when it ended.
  bool run() {
    RecordingProgramSource source;
    source.Programs = {{Sweep(-1200, 100), Sweep(-1000, 0)}};
    source.ShutDown = true;
    QSignalSpy finished(&w->recordingReceiver(), &RecordingReceiver::runFinished);
    w->recordingReceiver().startWith(source);
    return QTest::qWaitFor([&] { return finished.count() > 0; }, 60000);
  }
  int refusals() const {
    int n = 0;
    for (const auto& e : sink.entries) n += e.text.rfind("The computer was not shut down", 0) == 0;
    return n;
  }
};

}  // namespace

TEST(ShutDownAfterRun, PowersOffOnlyWhenEverySaveOfTheRunSucceeded) {
  Window win;
  ASSERT_TRUE(win.goOnline());
  win.commands->commands().DocumentFileName = (win.dir.path() / "run.tvx").string();

  // A curve's backup fails (a full disk): the computer stays on.
  win.w->recordingReceiver().setCurveStore([] { throw std::runtime_error("No space left on device"); });
  ASSERT_TRUE(win.run());
  EXPECT_EQ(win.powerOffs, 0);
  EXPECT_EQ(win.refusals(), 1);

  // Every save succeeds: off it goes, with the document saved.
  win.w->recordingReceiver().setCurveStore([] {});
  ASSERT_TRUE(win.run());
  EXPECT_EQ(win.powerOffs, 1);
  EXPECT_FALSE(win.w->modified());
  EXPECT_TRUE(std::filesystem::exists(win.dir.path() / "run.tvx"));
  EXPECT_EQ(win.refusals(), 1);

  // The last save fails (its folder is gone): the error is shown and the
  // computer stays on with the curves in the window.
  win.commands->commands().DocumentFileName = (win.dir.path() / "gone" / "run.tvx").string();
  const std::size_t before = win.sink.entries.size();
  ASSERT_TRUE(win.run());
  EXPECT_EQ(win.powerOffs, 1);
  EXPECT_TRUE(win.w->modified());
  EXPECT_EQ(win.refusals(), 2);
  EXPECT_GE(win.sink.entries.size(), before + 2);  // the save's error and the refusal
}
