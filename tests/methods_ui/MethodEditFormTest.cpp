#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <deque>

#include "CustomMethods.h"
#include "IFileDialogs.h"
#include "MethodEditWidgets.h"
#include "MethodFile.h"
#include "ProgramFiles.h"
#include "RecordingMessageSink.h"
#include "ScriptedFileDialogs.h"
#include "TMethodEditForm.h"
#include "TStatDB.h"
#include "TempDir.h"

// The methods editor on the offscreen platform: a method built from a
// program file, edited in two languages, saved and opened again.

using namespace velmora;
using velmora::test::TempDir;

namespace {

using ScriptedDialogs = test::ScriptedFileDialogs;

ProgramStep step(int cell, const std::string& comment) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetComments(comment);
  return s;
}

TMethodStat waterStatistics() {
  TMethodStat s;
  s.Name = "Drinking water";
  s.ResTop = 5;
  s.ResBottom = 2;
  s.Elements = {{"Pb", {{0.001, 0.1, 20.0, 28.0, 25}}}};
  return s;
}

class MethodEditFormTest : public ::testing::Test {
 protected:
  MethodEditFormTest() : db(dir / "Statistics") {
    CustomMethods::List().clear();
    db.Add(waterStatistics());
    // Two programs that both use cells 3 and 5.
    ProgramFiles::WriteProgramSet(dir / "set.vap",
                                  TVAProgramsArray{TSingleProgramArray{step(3, "Blank"), step(5, "Sample")},
                                                   TSingleProgramArray{step(5, "Addition")}},
                                  0);
    form = std::make_unique<TMethodEditForm>(db, dialogs, sink);
  }
  ~MethodEditFormTest() override { CustomMethods::List().clear(); }
  MethodEditWidgets& u() { return form->widgets(); }
  static void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  TempDir dir;
  TStatDB db;
  ScriptedDialogs dialogs;
  test::RecordingMessageSink sink;
  std::unique_ptr<TMethodEditForm> form;
};

TEST_F(MethodEditFormTest, EditsInTwoLanguagesSaveAndOpenAgain) {
  form->show();
  // A new method has the two languages, titled with their names.
  ASSERT_EQ(u().languageList->count(), 2);
  EXPECT_EQ(u().languageList->item(0)->text(), QStringLiteral("English"));
  EXPECT_EQ(u().title->text(), QStringLiteral("English"));
  EXPECT_EQ(u().statisticsList->count(), 2);  // "Custom" and the record
  EXPECT_EQ(u().calcMethodList->count(), 6);

  // Programs from a file: cells 3 and 5, one comment row per step.
  dialogs.files.push_back((dir / "set.vap").string());
  u().browseButton->click();
  EXPECT_EQ(u().programPath->text().toStdString(), (dir / "set.vap").string());
  ASSERT_EQ(form->currentMethod().Cells.size(), 2u);
  EXPECT_EQ(form->currentMethod().Cells[0].CellNumber, 3);
  EXPECT_EQ(form->currentMethod().Cells[1].CellNumber, 5);
  ASSERT_EQ(u().comments->rowCount(), 3);
  EXPECT_EQ(u().comments->item(1, 0)->text(), QStringLiteral("Sample"));
  ASSERT_EQ(u().cells->rowCount(), 2);

  // English texts; cell 5 holds the analyte.
  type(u().subMenu, "Metals");
  type(u().title, "Lead in water");
  u().comments->item(1, 1)->setText(QStringLiteral("Sample, 10 ml"));
  u().cells->item(1, 2)->setText(QStringLiteral("Sample cup"));
  auto* kind = qobject_cast<QComboBox*>(u().cells->cellWidget(1, 1));
  ASSERT_NE(kind, nullptr);
  EXPECT_EQ(kind->count(), 7);
  kind->setCurrentIndex(2);
  emit kind->activated(2);
  EXPECT_EQ(form->currentMethod().Cells[1].CellKind, 1);
  // The statistics name every language.
  u().statisticsList->setCurrentIndex(1);
  emit u().statisticsList->activated(1);
  EXPECT_EQ(u().methodName->text(), QStringLiteral("Drinking water"));
  type(u().electrolyte, "0.1 M HCl");
  u().hideUnused->setChecked(true);
  u().calcMethodList->setCurrentIndex(3);
  emit u().calcMethodList->activated(3);

  // Russian texts; the English ones are kept when the language changes.
  u().languageList->setCurrentRow(1);
  EXPECT_EQ(u().methodName->text(), QStringLiteral("Drinking water"));
  u().title->setText(QString::fromUtf8("Свинец в воде"));
  u().languageList->setCurrentRow(0);
  EXPECT_EQ(u().title->text(), QStringLiteral("Lead in water"));
  EXPECT_EQ(u().comments->item(1, 1)->text(), QStringLiteral("Sample, 10 ml"));

  // A standard script: electrolyte, programs and statistics give 29 commands.
  u().generateScriptAction->trigger();
  EXPECT_EQ(form->currentMethod().Script.size(), 29u);

  dialogs.files.push_back((dir / "lead.mtd").string());
  u().saveAction->trigger();
  ASSERT_TRUE(std::filesystem::exists(dir / "lead.mtd"));
  const TMethod saved = form->method();

  u().newAction->trigger();
  EXPECT_TRUE(form->currentMethod().Programs.empty());
  EXPECT_EQ(u().statisticsList->currentIndex(), 0);
  dialogs.files.push_back((dir / "lead.mtd").string());
  u().openAction->trigger();
  TMethod reopened = form->method();
  EXPECT_EQ(reopened.Programs, saved.Programs);
  EXPECT_EQ(reopened.Cells, saved.Cells);
  EXPECT_EQ(reopened.Localized, saved.Localized);
  EXPECT_EQ(reopened.Script, saved.Script);
  EXPECT_EQ(reopened.CalcMethod, 3);
  EXPECT_TRUE(u().hideUnused->isChecked());
  EXPECT_EQ(u().electrolyte->text(), QStringLiteral("0.1 M HCl"));
  EXPECT_EQ(u().calcMethodList->currentIndex(), 3);
  EXPECT_EQ(u().statisticsList->currentIndex(), 1);
  EXPECT_EQ(u().languageList->currentRow(), 0);
  EXPECT_EQ(u().subMenu->text(), QStringLiteral("Metals"));
  EXPECT_EQ(u().cells->item(1, 2)->text(), QStringLiteral("Sample cup"));
  EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MethodEditFormTest, RemovingStepsLanguagesAndProgramsEditedElsewhere) {
  form->LoadProgramFile((dir / "set.vap").string());
  form->SelectLanguage(1);
  u().comments->item(2, 1)->setText(QStringLiteral("Добавка"));
  // "Remove step" on the first program's first step: cell 3 is no longer used.
  u().comments->setCurrentCell(0, 1);
  form->RemoveStepExecute();
  TMethod m = form->method();
  ASSERT_EQ(m.Programs.size(), 2u);
  EXPECT_EQ(m.Programs[0].size(), 1u);
  ASSERT_EQ(m.Cells.size(), 1u);
  EXPECT_EQ(m.Cells[0].CellNumber, 5);
  EXPECT_EQ(m.Localized[1].StepComments[1][0], "Добавка");
  EXPECT_EQ(u().comments->rowCount(), 2);

  // "Add" takes the steps' own comments into every language again.
  form->AddLanguageExecute();
  EXPECT_EQ(form->method().Localized[1].StepComments[1][0], "Addition");

  // "Edit VA program" hands the programs over and takes the edited set back.
  TVAProgramsArray handed;
  TMethodEditForm::Editors editors;
  editors.programs = [&handed](const TVAProgramsArray& p) {
    handed = p;
    return TVAProgramsArray{TSingleProgramArray{step(7, "Only")}};
  };
  form->setEditors(editors);
  EXPECT_FALSE(u().editScriptAction->isEnabled());
  u().editProgramButton->click();
  EXPECT_EQ(handed, m.Programs);
  ASSERT_EQ(form->currentMethod().Cells.size(), 1u);
  EXPECT_EQ(form->currentMethod().Cells[0].CellNumber, 7);
  EXPECT_EQ(u().comments->rowCount(), 1);

  // A program file of another type: "File not found", no programs.
  form->LoadProgramFile((dir / "set.txt").string());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].text, "File not found");
  EXPECT_TRUE(form->currentMethod().Programs.empty());
  EXPECT_TRUE(form->currentMethod().Cells.empty());
  // Without programs the script has no recording commands.
  form->GenerateScriptExecute();
  EXPECT_EQ(form->currentMethod().Script.size(), 18u);
}

TEST_F(MethodEditFormTest, AnEmbeddedEquationJoinsTheListAndADamagedFileIsReported) {
  TMethod m;
  m.AddDefaultLanguages();
  m.CalcMethod = CustomMethods::NumberOf(0);
  TCustomMethodArr list{TCustomMethod{"Ratio", "A/B", {}, 5, 2}};
  MethodFile::Write(dir / "custom.mtd", m, list);
  ASSERT_TRUE(form->OpenFile(dir / "custom.mtd"));
  ASSERT_EQ(CustomMethods::List().size(), 1u);
  EXPECT_EQ(CustomMethods::List()[0].Formula, "A/B");
  EXPECT_EQ(form->currentMethod().CalcMethod, CustomMethods::NumberOf(0));
  EXPECT_EQ(u().calcMethodList->count(), 7);
  EXPECT_EQ(u().calcMethodList->currentText(), QStringLiteral("Ratio"));
  // Opened twice: the equation is found, not added again.
  ASSERT_TRUE(form->OpenFile(dir / "custom.mtd"));
  EXPECT_EQ(CustomMethods::List().size(), 1u);

  TempDir::writeFile(dir / "bad.mtd", std::string("\x08TVXMv101", 9));
  EXPECT_FALSE(form->OpenFile(dir / "bad.mtd"));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].kind, "error");
}

}  // namespace
