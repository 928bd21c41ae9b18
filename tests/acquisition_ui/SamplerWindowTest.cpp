// The "Autosampler setup" window and its tray on the offscreen platform:
// the active cell's panel, the electrolyte hint, exchanging cells, the
// tray turned to the reported position, the sample count kept in step and
// the program set edited by hand.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "DeviceLink.h"
#include "RecordingMessageSink.h"
#include "ScaledClock.h"
#include "TAutoSampler.h"
#include "TSamplerCell.h"
#include "TSamplerForm.h"

namespace velmora {
namespace {

ProgramStep Step(int cell, bool sweep) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetSweepRate(100);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(sweep ? 100 : -1200);
  return s;
}

SamplerMethod Method(const std::string& name, int calcMethod, const std::string& electrolyte) {
  SamplerMethod m;
  m.Name = name;
  m.CalcMethod = calcMethod;
  m.SupportingElectrolyte = electrolyte;
  m.Programs = {{Step(1, false), Step(2, true)}};
  m.Cells = {{1, 1, -1, "Rinse water"}, {2, 2, 1, "Sample"}};
  return m;
}

struct Rig {
  test::RecordingMessageSink sink;
  DeviceLink link{sink};
  TSamplerForm form{link};
  QAction run, reset, stop, start;
  Rig() {
    start.setEnabled(false);
    form.setActions(&run, &reset, &stop, &start);
    form.setMethodSource([] {
      return std::vector<SamplerMethod>{Method("Zn", 1, "Acetate"), Method("Hg", 0, "Nitric acid")};
    });
    form.resize(1000, 620);
    form.show();
  }
};

TEST(SamplerWindow, TheActiveCellsPanelEditsTheTray) {
  Rig r;
  ASSERT_EQ(r.form.methodList()->count(), 2);
  r.form.checkMethod(0, true);
  r.form.checkMethod(1, true);
  TAutoSampler& tray = r.form.trayView();
  EXPECT_EQ(tray.CellWidth(), std::min(tray.width(), tray.height()) / 6);
  EXPECT_FALSE(tray.cellPanel()->isVisible());

  // Cell 2: the analyte of Zn.
  tray.setActiveCell(1);
  ASSERT_TRUE(tray.cellPanel()->isVisible());
  EXPECT_TRUE(tray.Cells(1)->active());
  ASSERT_EQ(tray.cellTypeList()->count(), 6);
  EXPECT_EQ(tray.cellTypeList()->currentText(), QStringLiteral("Analyte"));
  EXPECT_EQ(tray.sampleList()->count(), r.form.tray().SamplesMaxCount());
  EXPECT_EQ(tray.commentsEdit()->text(), QStringLiteral("Sample 1"));
  EXPECT_EQ(tray.commentsEdit()->placeholderText(), QStringLiteral("Enter comments here"));
  tray.cellTypeList()->setCurrentIndex(5);
  emit tray.cellTypeList()->activated(5);
  EXPECT_EQ(r.form.tray().At(1).CellType, 6);
  QTest::keyClicks(tray.commentsEdit(), QStringLiteral(" river"));
  EXPECT_EQ(r.form.tray().At(1).Comment, "Sample 1 river");
  EXPECT_EQ(tray.Cells(1)->Comment(), QStringLiteral("Sample 1 river"));
  EXPECT_EQ(r.form.tray().Programs()[0][1].Comments(), "Sample 1 river Zn");

  // The rinse cell serves both methods; checking Zn again unchecks Hg,
  // whose electrolyte differs, and says so.
  tray.setActiveCell(0);
  EXPECT_EQ(tray.cellTypeList()->currentText(), QStringLiteral("Service cell"));
  EXPECT_FALSE(tray.sampleList()->isEnabled());
  QListWidget* methods = tray.methodsList();
  ASSERT_EQ(methods->count(), 2);
  methods->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(tray.hintLabel()->isVisible());
  methods->item(0)->setCheckState(Qt::Checked);
  EXPECT_TRUE(tray.hintLabel()->isVisible());
  EXPECT_EQ(tray.hintLabel()->text(),
            QStringLiteral("Incompatible by supporting electrolyte methods were automatically unchecked"));
  EXPECT_EQ(methods->item(1)->checkState(), Qt::Unchecked);

  // A cell dropped onto another exchanges the two.
  QSignalSpy exchanged(&tray, &TAutoSampler::cellsExchanged);
  emit tray.Cells(2)->exchangeRequested(2, 14);
  EXPECT_EQ(exchanged.count(), 1);
  EXPECT_TRUE(r.form.tray().At(2).Free());
  EXPECT_EQ(r.form.tray().At(14).CellType, 3);
  EXPECT_EQ(tray.ActiveCell(), 14);

  // Locked during a run: no cell becomes active.
  r.form.setRecording(true);
  tray.setActiveCell(-1);
  emit tray.Cells(3)->activated(3);
  EXPECT_EQ(tray.ActiveCell(), -1);
  EXPECT_FALSE(r.form.methodList()->isEnabled());
  r.form.setRecording(false);
}

TEST(SamplerWindow, TheTrayTurnsTheReportedCellUnderTheElectrode) {
  Rig r;
  TAutoSampler& tray = r.form.trayView();
  r.form.setPosition(3);
  EXPECT_EQ(tray.Position(), 3);
  EXPECT_TRUE(tray.Cells(3)->underElectrode());
  EXPECT_FALSE(tray.Cells(0)->underElectrode());
  EXPECT_EQ(r.form.activeCellList()->currentText(), QStringLiteral("4"));
  // The electrode stands at the left of the tray.
  const QRect under = tray.Cells(3)->geometry();
  EXPECT_LT(under.center().x(), tray.width() / 4);
  EXPECT_NEAR(under.center().y(), tray.height() / 2, 2);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(tray.Cells(i)->width(), tray.CellWidth());
}

TEST(SamplerWindow, SampleCountTrackAndTheHandEditedSet) {
  Rig r;
  r.form.checkMethod(0, true);
  // Zn by standard additions: one rinse cell, four cells per sample.
  EXPECT_EQ(r.form.samplesBox()->maximum(), 3);
  r.form.samplesTrack()->setValue(3);
  EXPECT_EQ(r.form.samplesBox()->value(), 3);
  EXPECT_EQ(r.form.tray().SamplesCount(), 3);
  EXPECT_EQ(r.form.tray().Programs().size(), 3u);
  // Off line, "Run" resets the analyzer first.
  QSignalSpy resets(&r.reset, &QAction::triggered);
  QSignalSpy runs(&r.run, &QAction::triggered);
  ASSERT_TRUE(r.form.runButton()->isEnabled());
  r.form.runButton()->click();
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(runs.count(), 0);

  // "Modify": the edited set is run until the layout changes again.
  r.form.setProgramEditor([](const TVAProgramsArray& set) -> std::optional<TVAProgramsArray> {
    TVAProgramsArray edited = set;
    edited.pop_back();
    return edited;
  });
  r.form.modifyButton()->click();
  EXPECT_EQ(r.form.programs().size(), 2u);
  EXPECT_FALSE(r.form.rebuiltLabel()->isVisible());
  r.form.setSamplesCount(1);
  EXPECT_TRUE(r.form.rebuiltLabel()->isVisible());
  EXPECT_EQ(r.form.rebuiltLabel()->text(), QStringLiteral("Analysis program rebuilded"));
  EXPECT_EQ(r.form.programs().size(), 1u);
  // Shown again: the methods are read anew and the mark is gone.
  r.form.hide();
  r.form.show();
  EXPECT_FALSE(r.form.tray().MethodChecked(0));
  EXPECT_FALSE(r.form.rebuiltLabel()->isVisible());
  EXPECT_TRUE(r.sink.entries.empty());
}

}  // namespace
}  // namespace velmora
