#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <deque>

#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "IFileDialogs.h"
#include "MethodFile.h"
#include "ProgramFiles.h"
#include "ProgramSetStore.h"
#include "RecordFormWidgets.h"
#include "RecordingMessageSink.h"
#include "ScaledClock.h"
#include "ScriptedFileDialogs.h"
#include "Settings.h"
#include "TOldStyleRecordForm.h"
#include "TPar_Tbl.h"
#include "TempDir.h"

// The "Record parameters" window and the "Program" table on the offscreen
// platform, with the analyzer emulator behind the link.

namespace velmora {
namespace {

// Runs the event loop until `condition` holds or `ms` pass.
bool spin(const std::function<bool()>& condition, int ms = 15000) { return QTest::qWaitFor(condition, ms); }

using ScriptedDialogs = test::ScriptedFileDialogs;

class RecordWindow : public ::testing::Test {
 protected:
  RecordWindow() : deviceClock(20.0), emulatorClock(400.0), link(sink, deviceClock, emulatorClock) {
    settings.setDataFolder(dir.path());
    link.configure("emulator", false, 3000);
  }
  std::unique_ptr<TOldStyleRecordForm> makeForm() {
    return std::make_unique<TOldStyleRecordForm>(link, settings, dialogs, sink);
  }
  // Types into an edit as the operator does.
  static void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  test::TempDir dir;
  test::RecordingMessageSink sink;
  ScaledClock deviceClock, emulatorClock;
  DeviceLink link;
  Settings settings;
  ScriptedDialogs dialogs;
};

TEST_F(RecordWindow, EditsNavigationEnableRulesAndKeys) {
  auto form = makeForm();
  RecordFormWidgets& u = form->widgets();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters [Custom]"));
  EXPECT_EQ(form->GetPrograms(), TVAProgramsArray::Default());
  EXPECT_EQ(u.rangeList->currentIndex(), 3);
  EXPECT_EQ(u.filterSpin->value(), 2);

  // Enable rules follow the check boxes.
  EXPECT_FALSE(u.mixerDelay->isEnabled());
  u.mixerCheck->setChecked(true);
  EXPECT_TRUE(u.mixerDelay->isEnabled());
  EXPECT_FALSE(u.modulationAmplitude->isEnabled());
  EXPECT_FALSE(u.samplerGroup->isEnabled());   // no autosampler
  EXPECT_FALSE(u.mixerModeList->isEnabled());  // no add-on before a reset

  // Key filtering: letters dropped, one minus only.
  type(u.rateEdit, QStringLiteral("-5a0"));
  EXPECT_EQ(u.rateEdit->text(), QStringLiteral("-50"));
  QTest::keyClicks(u.rateEdit, QStringLiteral("-"));
  EXPECT_EQ(u.rateEdit->text(), QStringLiteral("-50"));
  type(u.rateEdit, QStringLiteral("100"));

  // "I(t)": captions change, the duration is stored as a point count.
  u.timeModeCheck->setChecked(true);
  u.timeModeList->setCurrentIndex(0);
  EXPECT_EQ(u.rateLabel->text(), QStringLiteral("Discrete"));
  EXPECT_EQ(u.endLabel->text(), QStringLiteral("Measurment time"));
  EXPECT_EQ(u.endUnit->text(), QStringLiteral("sec"));
  type(u.endEdit, QStringLiteral("10"));
  type(u.commentEdit, QStringLiteral("Blank"));
  TVAProgramsArray set = form->GetPrograms();
  EXPECT_EQ(set[0][0].TimeMode(), 1);
  EXPECT_EQ(set[0][0].SweepRate(), 100);
  EXPECT_EQ(set[0][0].SweepEnd(), 101);
  EXPECT_TRUE(set[0][0].Stirrer());
  EXPECT_EQ(set[0][0].Comments(), "Blank");
  // "Impuls(t)" switches modulation on and hides the cycle group.
  form->show();
  u.timeModeList->setCurrentIndex(4);
  EXPECT_TRUE(u.modulationCheck->isChecked());
  EXPECT_EQ(u.modulationGroup->title(), QStringLiteral("Impuls mv/msec"));
  EXPECT_FALSE(u.cycleGroup->isVisible());
  u.timeModeCheck->setChecked(false);
  EXPECT_EQ(u.rateLabel->text(), QStringLiteral("Rate"));

  // Steps: length 3, edit step 2, insert a copy of step 1 before it.
  u.programLength->setValue(3);
  EXPECT_EQ(u.currentStep->maximum(), 3);
  u.currentStep->setValue(2);
  type(u.startEdit, QStringLiteral("-700"));
  u.stepToCopy->setValue(1);
  u.insertStepButton->click();
  set = form->GetPrograms();
  ASSERT_EQ(set[0].size(), 4u);
  EXPECT_EQ(set[0][1].Comments(), "Blank");
  EXPECT_EQ(set[0][2].SweepStart(), -700);
  EXPECT_EQ(form->CurrentStep(), 1);
  EXPECT_EQ(u.commentEdit->text(), QStringLiteral("Blank"));
  u.removeStepButton->click();
  EXPECT_EQ(form->GetPrograms()[0].size(), 3u);
  EXPECT_EQ(u.startEdit->text(), QStringLiteral("-700"));

  // Programs: two, the second a copy of the first.
  u.programCount->setValue(2);
  u.currentProgram->setValue(2);
  EXPECT_EQ(u.programLength->value(), 1);
  u.programToCopy->setValue(1);
  u.copyProgramButton->click();
  EXPECT_EQ(form->GetPrograms()[1], form->GetPrograms()[0]);

  // The input filter is the shared setting.
  u.filterSpin->setValue(9);
  EXPECT_EQ(settings.options().filter, 9);
  EXPECT_EQ(form->GetPrograms()[1][0].FilterValue(), 9);
  // Compact view shows only what the step uses, any edit ends it.
  form->SetCompactView(true);
  EXPECT_FALSE(u.cycleGroup->isVisible());
  EXPECT_TRUE(u.mixerGroup->isVisible());
  u.cycleCheck->setChecked(true);
  EXPECT_FALSE(form->CompactView());
  EXPECT_TRUE(u.cycleGroup->isVisible());
  EXPECT_TRUE(sink.entries.empty());
}

TEST_F(RecordWindow, FilesRoundTripAndTheSetIsKeptBetweenSessions) {
  auto form = makeForm();
  RecordFormWidgets& u = form->widgets();
  u.programLength->setValue(2);
  type(u.rateEdit, QStringLiteral("40"));
  u.programCount->setValue(2);
  const TVAProgramsArray set = form->GetPrograms();

  const std::string vap = (dir / "set.vap").string(), car = (dir / "set.car").string(),
                    prg = (dir / "one.prg").string();
  for (const auto& f : {vap, car, prg}) {
    dialogs.files.push_back(f);
    u.saveButton->click();
  }
  EXPECT_EQ(ProgramFiles::ReadProgramSet(vap)->Programs, set);
  EXPECT_EQ(ProgramFiles::ReadMultiProgram(car).Programs.size(), 2u);
  EXPECT_EQ(ProgramFiles::ReadSingleProgram(prg)->size(), 2u);

  u.programCount->setValue(1);
  u.programLength->setValue(1);
  dialogs.files.push_back(vap);
  u.openButton->click();
  EXPECT_EQ(form->GetPrograms(), set);
  dialogs.files.push_back(car);
  u.openButton->click();
  EXPECT_EQ(form->GetPrograms()[0][0].SweepRate(), 40);
  EXPECT_EQ(form->GetPrograms()[0].size(), 2u);
  u.currentProgram->setValue(2);
  dialogs.files.push_back(prg);
  u.openButton->click();
  EXPECT_EQ(form->GetPrograms()[1].size(), 2u);
  EXPECT_EQ(u.currentStep->value(), 1);
  EXPECT_TRUE(sink.entries.empty());

  // A file of no program type is reported, the set stays.
  test::TempDir::writeFile(dir / "bad.vap", "not a program");
  dialogs.files.push_back((dir / "bad.vap").string());
  u.openButton->click();
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].kind, "error");
  EXPECT_EQ(form->model().ProgramCount(), 2);

  // The next session starts with this set.
  const TVAProgramsArray last = form->GetPrograms();
  form.reset();
  TMethod stored;
  ASSERT_TRUE(MethodFile::ReadSettings(dir.path(), stored));
  EXPECT_EQ(stored.Programs, last);
  EXPECT_TRUE(stored.CustomPrograms);
  auto again = makeForm();
  EXPECT_EQ(again->GetPrograms(), last);
}

TEST_F(RecordWindow, ProgramTableFollowsTheSet) {
  auto form = makeForm();
  RecordFormWidgets& u = form->widgets();
  u.programLength->setValue(3);
  u.programCount->setValue(2);
  u.tableButton->click();
  TPar_Tbl* table = form->table();
  ASSERT_TRUE(table->isVisible());
  EXPECT_EQ(table->windowTitle(), QStringLiteral("Program"));
  ASSERT_EQ(table->grid()->rowCount(), 4);
  EXPECT_EQ(table->grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Prog/Step"));
  EXPECT_EQ(table->grid()->item(3, 0)->text(), QStringLiteral("2/1"));
  EXPECT_EQ(table->grid()->item(0, 6)->text(), QStringLiteral("200 mkA"));
  EXPECT_EQ(table->grid()->item(0, 8)->text(), QStringLiteral("----"));
  // The right mouse button orders by steps.
  emit table->grid()->customContextMenuRequested(QPoint(5, 5));
  EXPECT_EQ(table->grid()->item(1, 0)->text(), QStringLiteral("2/1"));
  // A double click edits that step.
  emit table->grid()->cellDoubleClicked(1, 0);
  EXPECT_EQ(form->CurrentProgram(), 1);
  EXPECT_EQ(form->CurrentStep(), 0);
  u.tableButton->click();
  EXPECT_FALSE(table->isVisible());
}

TEST_F(RecordWindow, StirrerCommandsReachTheAnalyzer) {
  auto form = makeForm();
  RecordFormWidgets& u = form->widgets();
  link.reset();
  ASSERT_TRUE(spin([&] { return link.active(); }));
  ASSERT_TRUE(spin([&] { return u.mixerModeList->isEnabled(); }));  // the emulator has an add-on
  u.mixerModeList->setCurrentIndex(2);
  EXPECT_EQ(link.device().AddOnType(), 2);
  EXPECT_EQ(link.emulator()->stirrerType(), 2);
  ASSERT_TRUE(u.speedSpin->isEnabled());
  u.speedSpin->setValue(1300);
  EXPECT_EQ(link.emulator()->stirrerSpeed(), 1300);
  const TVAProgramsArray set = form->GetPrograms();
  EXPECT_EQ(set[0][0].StirrerType(), 2);
  EXPECT_EQ(set[0][0].StirrerSpeed(), 1300);
  // Not while a recording runs.
  form->setRecording(true);
  EXPECT_FALSE(u.mixerModeList->isEnabled());
  form->setRecording(false);
  EXPECT_TRUE(sink.entries.empty());

  if (const QByteArray out = qgetenv("VELMORA_SCREENSHOTS"); !out.isEmpty()) {
    QDir().mkpath(QString::fromLocal8Bit(out));
    u.cycleCheck->setChecked(true);
    u.modulationCheck->setChecked(true);
    form->show();
    form->adjustSize();
    QCoreApplication::processEvents();
    form->grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/record-parameters.png"));
    form->SetCompactView(true);
    form->adjustSize();
    QCoreApplication::processEvents();
    form->grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/record-parameters-compact.png"));
    u.programLength->setValue(3);
    u.tableButton->click();
    QCoreApplication::processEvents();
    form->table()->grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/program-table.png"));
  }
}

TEST_F(RecordWindow, MethodsTitlesAndTheSettingsFile) {
  // Before any settings file, the set that earlier versions kept comes back.
  ProgramStep blank = ProgramStep::Default();
  blank.SetComments("Old set");
  ProgramSetStore::Save(dir.path(), TVAProgramsArray{TSingleProgramArray{blank}}, 0);
  auto form = makeForm();
  EXPECT_EQ(form->GetPrograms()[0][0].Comments(), "Old set");

  // A method of one step: its title names the window and the step.
  TMethod m;
  ProgramStep s = ProgramStep::Default();
  s.SetComments("Electrolysis -1400 mV");
  m.Programs = {TSingleProgramArray{s}};
  m.AddDefaultLanguages();
  m.Localized[0].Title = "Cadmium in milk";
  m.Localized[1].Title = "Кадмий в молоке";
  m.HideUnused = true;
  form->LoadMethod(m);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters [Cadmium in milk]"));
  EXPECT_TRUE(form->FromMethod());
  EXPECT_TRUE(form->CompactView());
  EXPECT_EQ(form->GetPrograms()[0][0].Comments(), "Cadmium in milk");
  settings.options().localeId = 1049;
  form->LoadMethod(m);
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Record parameters [Кадмий в молоке]"));
  // LocaleID 0: the language the switch put in force.
  settings.options().localeId = 0;
  qApp->setProperty("velmoraLanguage", 1049);
  form->LoadMethod(m);
  EXPECT_EQ(form->GetPrograms()[0][0].Comments(), "Кадмий в молоке");
  qApp->setProperty("velmoraLanguage", QVariant());
  form->LoadMethod(m);
  EXPECT_EQ(form->GetPrograms()[0][0].Comments(), "Cadmium in milk");

  // The next session shows the method again.
  form.reset();
  TMethod stored;
  ASSERT_TRUE(MethodFile::ReadSettings(dir.path(), stored));
  EXPECT_FALSE(stored.CustomPrograms);
  EXPECT_EQ(stored.Localized, m.Localized);
  form = makeForm();
  EXPECT_TRUE(form->FromMethod());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters [Cadmium in milk]"));

  // An edit makes the set custom; it is stored with the method as such.
  type(form->widgets().rateEdit, QStringLiteral("60"));
  EXPECT_FALSE(form->FromMethod());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters [Custom]"));
  const TVAProgramsArray edited = form->GetPrograms();
  form.reset();
  ASSERT_TRUE(MethodFile::ReadSettings(dir.path(), stored));
  EXPECT_TRUE(stored.CustomPrograms);
  EXPECT_EQ(stored.Programs, edited);
  form = makeForm();
  EXPECT_EQ(form->GetPrograms(), edited);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters [Custom]"));

  // "Clear method": no programs and no texts in the method; the set stays.
  form->LoadMethod(m);
  form->ClearMethod();
  EXPECT_TRUE(form->Method().Programs.empty());
  EXPECT_TRUE(form->Method().Localized.empty());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters [Custom]"));
  EXPECT_EQ(form->GetPrograms().size(), 1u);

  // A method without a text of the current language: the plain title.
  TMethod russian = m;
  russian.Localized.erase(russian.Localized.begin());
  form->LoadMethod(russian);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Record parameters"));
}

}  // namespace

}  // namespace velmora
