// The start panel of an empty main window: shown while the document holds
// no node, gone once it has curves; its example, recent-document and
// first-recording requests.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include "DeviceLink.h"
#include "DocumentCommandsController.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "Settings.h"
#include "StartPanel.h"
#include "StartPanelHost.h"
#include "TAcquisitionRun.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "UiText.h"

using namespace velmora;

namespace {

constexpr const char* kSimulatedMark = "[EMULATOR - simulated] ";

struct StartWindow {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
  DocumentCommandsController* commands = nullptr;
  StartPanelHost* host = nullptr;

  StartWindow() {
    settings.options().portName = "no-such-port";
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    commands = new DocumentCommandsController(*w, settings);
    w->setDocumentCommands(commands);
    host = new StartPanelHost(*w, settings, *commands);
    w->resize(1200, 800);
    w->show();
    commands->New();
  }
  ~StartWindow() { w->setModified(false); }
  bool panelShown() {
    w->chartView().redrawNow();
    return w->chartView().startPanelShown() && host->panel().isVisible();
  }
  // Every leaf record below `node`.
  static void leaves(TNode* node, std::vector<TVAStruct*>& out) {
    for (TNode* n = node; n; n = n->NextSibling) {
      if (n->FirstChild) {
        leaves(n->FirstChild, out);
      } else if (auto* r = dynamic_cast<TVAStruct*>(n->Record.get())) {
        out.push_back(r);
      }
    }
  }
};

const StartPanel::Example* exampleNamed(const QList<StartPanel::Example>& list, const QString& file) {
  for (const auto& e : list)
    if (QFileInfo(e.path).fileName() == file) return &e;
  return nullptr;
}

}  // namespace

TEST(StartPanelTest, ShowsOnAnEmptyDocumentAndOpensAnExampleFromACopy) {
  StartWindow win;
  ASSERT_TRUE(win.panelShown());
  EXPECT_FALSE(win.w->chartView().chartShown());

  // The shipped examples are offered, the recorded one first.
  const auto examples = StartPanelHost::examplesIn(StartPanelHost::examplesFolder());
  ASSERT_GE(examples.size(), 2);
  EXPECT_EQ(QFileInfo(examples.front().path).fileName(), "standard-additions-Zn-Cd-Pb-Cu.tvx");
  const QList<QAbstractButton*> buttons = win.host->panel().exampleButtons();
  ASSERT_EQ(buttons.size(), examples.size());

  // Its button opens a copy in the data folder; the chart shows its first group.
  buttons.front()->click();
  const QString copy = UiText::fromStd((win.dir.path() / "Examples" / "standard-additions-Zn-Cd-Pb-Cu.tvx").string());
  EXPECT_TRUE(QFileInfo::exists(copy));
  EXPECT_EQ(win.w->documentFileName(), copy);
  EXPECT_FALSE(win.w->modified());
  ASSERT_NE(win.w->forest().FirstRoot(), nullptr);
  EXPECT_FALSE(win.panelShown());
  EXPECT_TRUE(win.w->chartView().chartShown());

  // Four simulated voltammograms: background, sample, two additions, each
  // one marked as coming from the emulator.
  std::vector<TVAStruct*> curves;
  StartWindow::leaves(win.w->forest().FirstRoot(), curves);
  ASSERT_EQ(curves.size(), 4u);
  for (const TVAStruct* r : curves) {
    EXPECT_EQ(r->Params.Comments().rfind(kSimulatedMark, 0), 0u) << r->Params.Comments();
    EXPECT_GT(r->Data.size(), 100u);
  }

  // Back to an empty document: the panel returns, with the copy as a recent document.
  ASSERT_TRUE(win.commands->New());
  EXPECT_TRUE(win.panelShown());
  const QList<QAbstractButton*> recent = win.host->panel().recentButtons();
  ASSERT_EQ(recent.size(), 1);
  EXPECT_EQ(recent.front()->toolTip(), QDir::toNativeSeparators(copy));
  recent.front()->click();
  EXPECT_EQ(win.w->documentFileName(), copy);
  EXPECT_FALSE(win.panelShown());
}

TEST(StartPanelTest, AnEditedExampleCopyIsKeptAndTheShippedFileUntouched) {
  StartWindow win;
  const auto examples = StartPanelHost::examplesIn(StartPanelHost::examplesFolder());
  const StartPanel::Example* peaks = exampleNamed(examples, "standard-additions-Zn-Cd-Pb-Cu-peaks.tvx");
  ASSERT_NE(peaks, nullptr);
  const qint64 shippedSize = QFileInfo(peaks->path).size();
  win.host->openExample(peaks->path);
  ASSERT_NE(win.w->forest().FirstRoot(), nullptr);
  // The user renames the first group and saves: the copy changes, the shipped file does not.
  win.w->forest().FirstRoot()->SetName("my sample");
  win.w->setModified(true);
  win.commands->Save();
  EXPECT_FALSE(win.w->modified());
  EXPECT_EQ(QFileInfo(peaks->path).size(), shippedSize);
  ASSERT_TRUE(win.commands->New());
  win.host->openExample(peaks->path);  // the edited copy comes back
  ASSERT_NE(win.w->forest().FirstRoot(), nullptr);
  EXPECT_EQ(win.w->forest().FirstRoot()->Name, "my sample");
}

TEST(StartPanelTest, FirstRecordingAsksBeforeTheEmulatorIsChosen) {
  StartWindow win;
  // No: nothing changes.
  win.sink.queueAnswer(Answer::No);
  win.host->panel().recordButton()->click();
  ASSERT_EQ(win.sink.entries.size(), 1u);
  EXPECT_EQ(win.sink.entries[0].kind, "yesno");
  EXPECT_NE(win.sink.entries[0].text.find("SIMULATES"), std::string::npos);
  EXPECT_NE(win.sink.entries[0].text.find("\"no-such-port\""), std::string::npos);
  EXPECT_EQ(win.settings.options().portName, "no-such-port");
  EXPECT_FALSE(win.w->deviceLink().emulated());

  // Yes: the port setting names the emulator, the analyzer comes on line and
  // one voltammogram of the example program's sample step is recorded.
  win.sink.queueAnswer(Answer::Yes);
  win.host->panel().recordButton()->click();
  EXPECT_EQ(win.settings.options().portName, "emulator");
  EXPECT_TRUE(win.w->deviceLink().emulated());
  ASSERT_TRUE(QTest::qWaitFor([&] { return win.w->recording(); }, 20000));
  EXPECT_FALSE(win.panelShown());  // the live trace takes the chart area
  EXPECT_EQ(win.w->recordingReceiver().run().VAProgram().VoltammogramCount(), 1);

  // Asked again while it records: no second question, no second run.
  const std::size_t questions = win.sink.entries.size();
  win.host->recordFirstVoltammogram();
  EXPECT_EQ(win.sink.entries.size(), questions);

  win.w->recordingReceiver().run().StopRecording();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !win.w->recording(); }, 20000));
}

TEST(StartPanelTest, TheFirstRecordingProgramIsTheExampleSampleStep) {
  std::string problem;
  const auto source = StartPanelHost::firstRecordingProgram(StartPanelHost::examplesFolder(), problem);
  ASSERT_TRUE(source) << problem;
  ASSERT_EQ(source->Programs.size(), 1u);
  ASSERT_EQ(source->Programs[0].size(), 1u);
  EXPECT_EQ(source->Programs[0][0].MeasurementType(), 1);  // sample
  EXPECT_EQ(source->Programs.VoltammogramCount(), 1);
  // A folder without the program says why.
  test::TempDir empty;
  EXPECT_FALSE(StartPanelHost::firstRecordingProgram(UiText::fromStd(empty.path().string()), problem));
  EXPECT_FALSE(problem.empty());
}
