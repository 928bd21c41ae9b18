// The record-parameters window, its program table and the autosampler
// setup re-read their texts in place when the language switches: the
// program set being edited, the current step, the tray and the active cell
// stay as they were, and nothing is left in the source language.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <deque>

#include "DeviceLink.h"
#include "IFileDialogs.h"
#include "PseudoTranslation.h"
#include "RecordFormWidgets.h"
#include "RecordingMessageSink.h"
#include "SamplerMethod.h"
#include "ScaledClock.h"
#include "Settings.h"
#include "TAutoSampler.h"
#include "TOldStyleRecordForm.h"
#include "TPar_Tbl.h"
#include "TSamplerForm.h"
#include "TempDir.h"

namespace velmora {
namespace {

using test::ScopedPseudoLanguage;
using test::untranslatedTexts;

std::string Listed(const QStringList& texts) { return texts.join(QStringLiteral("\n")).toStdString(); }

class NoDialogs final : public IFileDialogs {
 public:
  std::optional<std::string> openFile(const Message&) override { return std::nullopt; }
  std::vector<std::string> openFiles(const Message&, const std::string&) override { return {}; }
  std::optional<std::string> saveFile(const Message&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

void Type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

TEST(AcquisitionLanguageSwitch, RecordParametersKeepTheProgramSetAndTheStep) {
  test::TempDir dir;
  test::RecordingMessageSink sink;
  ScaledClock deviceClock(20.0), emulatorClock(400.0);
  DeviceLink link(sink, deviceClock, emulatorClock);
  Settings settings;
  settings.setDataFolder(dir.path());
  NoDialogs dialogs;
  TOldStyleRecordForm form(link, settings, dialogs, sink);
  RecordFormWidgets& u = form.widgets();
  form.show();
  u.programLength->setValue(3);
  u.currentStep->setValue(2);
  Type(u.startEdit, "-1150");
  Type(u.rateEdit, "120");
  Type(u.commentEdit, "Sample 2");
  u.timeModeCheck->setChecked(true);
  u.timeModeList->setCurrentIndex(0);
  const int rangeIndex = u.rangeList->currentIndex();
  const TVAProgramsArray before = form.GetPrograms();
  const int step = form.CurrentStep();
  // The comment typed, and the digits of the step and value fields.
  const QStringList data{"Sample 2"};
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&form, data)), "");
    EXPECT_EQ(Listed(untranslatedTexts(form.table(), data)), "");
    // The I(t) captions stay those of the time mode.
    EXPECT_TRUE(u.rateLabel->text().endsWith("Discrete")) << u.rateLabel->text().toStdString();
    EXPECT_EQ(form.GetPrograms(), before);
    EXPECT_EQ(form.CurrentStep(), step);
    EXPECT_EQ(u.programLength->value(), 3);
    EXPECT_EQ(u.rangeList->currentIndex(), rangeIndex);
    EXPECT_EQ(u.timeModeList->currentIndex(), 0);
  }
  EXPECT_EQ(form.GetPrograms(), before);
  EXPECT_EQ(u.rateLabel->text(), "Discrete");
  EXPECT_EQ(u.commentEdit->text(), "Sample 2");
  EXPECT_EQ(form.windowTitle(), "Record parameters [Custom]");
  EXPECT_TRUE(sink.entries.empty());
}

ProgramStep Step(int cell, bool sweep) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetSweepRate(100);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(sweep ? 100 : -1200);
  return s;
}

SamplerMethod Method(const std::string& name, const std::string& electrolyte) {
  SamplerMethod m;
  m.Name = name;
  m.CalcMethod = 1;
  m.SupportingElectrolyte = electrolyte;
  m.Programs = {{Step(1, false), Step(2, true)}};
  m.Cells = {{1, 1, -1, "Rinse water"}, {2, 2, 1, "Sample"}};
  return m;
}

TEST(AcquisitionLanguageSwitch, AutosamplerSetupKeepsTheTrayAndTheActiveCell) {
  test::RecordingMessageSink sink;
  DeviceLink link{sink};
  TSamplerForm form{link};
  QAction run, reset, stop, start;
  form.setActions(&run, &reset, &stop, &start);
  form.setMethodSource([] { return std::vector<SamplerMethod>{Method("Zn", "Acetate"), Method("Hg", "Nitric acid")}; });
  form.resize(1000, 620);
  form.show();
  form.checkMethod(0, true);
  TAutoSampler& tray = form.trayView();
  tray.setActiveCell(1);
  QTest::keyClicks(tray.commentsEdit(), QStringLiteral(" river"));
  const int cellType = tray.cellTypeList()->currentIndex();
  const TVAProgramsArray programs = form.tray().Programs();
  // Method names, electrolytes and the cells' comments (shown with the cell
  // numbers as the cells' hints) are data.
  const QStringList data{
      "Zn",         "Hg",         "Sample 1 river", "Acetate", "Nitric acid", "1 Rinse water", "2 Sample 1 river",
      "3 Sample 1", "4 Sample 1", "5 Sample 1"};
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&form, data)), "");
    EXPECT_EQ(tray.ActiveCell(), 1);
    EXPECT_EQ(tray.cellTypeList()->currentIndex(), cellType);
    EXPECT_EQ(tray.commentsEdit()->text(), "Sample 1 river");
  }
  EXPECT_EQ(form.tray().Programs(), programs);
  EXPECT_EQ(form.tray().At(1).Comment, "Sample 1 river");
  EXPECT_EQ(tray.cellTypeList()->currentText(), "Analyte");
  EXPECT_EQ(tray.commentsEdit()->placeholderText(), "Enter comments here");
}

}  // namespace
}  // namespace velmora
