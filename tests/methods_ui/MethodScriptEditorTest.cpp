#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "CaptionComboBox.h"
#include "CustomMethods.h"
#include "ProgramFiles.h"
#include "RecordingMessageSink.h"
#include "TMethodScriptEditor.h"
#include "TPluginsManager.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::RecordingMessageSink;
using velmora::test::TempDir;

namespace {

class MethodScriptEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    TMethodScriptEditor::Services services;
    services.AskText = [this](const QString& caption, const QString&) -> std::optional<QString> {
      asked.push_back(caption);
      if (answers.isEmpty()) return std::nullopt;
      return answers.takeFirst();
    };
    editor = std::make_unique<TMethodScriptEditor>(std::move(services), sink, hub);
  }
  QString Text(int index) const { return editor->itemOf(index)->text(0); }
  ValueRecord& Selected() { return *editor->pages()->Command(); }

  RecordingMessageSink sink;
  TPluginsManager hub;
  QStringList answers;
  QStringList asked;
  std::unique_ptr<TMethodScriptEditor> editor;
  TempDir dir;
};

}  // namespace

TEST_F(MethodScriptEditor, EveryCommandIsAddedWithItsDefaultsAndNestedInItsCycle) {
  for (std::uint32_t type : TMethodScriptEditor::kToolBarOrder) editor->commandAction(type)->trigger();
  const TWizSteps& script = editor->Script();
  ASSERT_EQ(script.size(), kStepTypeCount);
  // Adding leaves the selection where it was: nowhere.
  EXPECT_EQ(editor->Selected(), -1);
  EXPECT_FALSE(editor->removeAction()->isEnabled());
  for (std::size_t i = 0; i < script.size(); ++i) {
    EXPECT_EQ(script[i].Type, TMethodScriptEditor::kToolBarOrder[i]);
    EXPECT_EQ(script[i], ValueRecord::Make(script[i].Type));
  }
  EXPECT_EQ(Text(0), "Wait for user input");
  EXPECT_EQ(Text(1), "New stage");
  EXPECT_EQ(Text(2), "Set active page = 0");
  EXPECT_EQ(Text(21), "Calculations table: Error");
  // Begin (8) .. End (16): the commands between are its children.
  QTreeWidgetItem* begin = editor->itemOf(8);
  EXPECT_EQ(begin->text(0), "Begin of measurement cycle");
  EXPECT_EQ(begin->childCount(), 7);
  EXPECT_EQ(editor->itemOf(9)->parent(), begin);
  EXPECT_EQ(editor->itemOf(16)->parent(), nullptr);
  EXPECT_TRUE(begin->isExpanded());
  EXPECT_EQ(editor->stageTree()->topLevelItemCount(), 24 - 7);
}

TEST_F(MethodScriptEditor, PagesEditTheSelectedCommandAndItsText) {
  for (std::uint32_t type : {kStepStageName, kStepActivePage, kStepElectrodeType, kStepCalcTable, kStepConcUnits,
                             kStepActivation, kStepControlSolution, kStepSupportingElectrolyte}) {
    editor->AddCommand(type);
  }
  TScriptStepPages& pages = *editor->pages();

  editor->Select(0);
  EXPECT_EQ(pages.currentIndex(), TScriptStepPages::kStageName);
  EXPECT_EQ(pages.languagesList()->count(), 2);
  EXPECT_EQ(pages.languagesList()->item(1)->text(), "Русский");
  QTest::keyClicks(pages.stageNameEdit(), "Recording");
  EXPECT_EQ(Text(0), "Recording");
  pages.languagesList()->setCurrentRow(1);
  EXPECT_TRUE(pages.stageNameEdit()->text().isEmpty());
  pages.stageNameEdit()->setText("Запись");
  emit pages.stageNameEdit()->textEdited(pages.stageNameEdit()->text());
  EXPECT_EQ(editor->Script()[0].NameFor(1049), "Запись");
  EXPECT_EQ(Text(0), "Recording");

  editor->Select(1);
  pages.valueSpin()->setValue(4);
  EXPECT_EQ(Text(1), "Set active page = 4");

  editor->Select(2);
  EXPECT_EQ(pages.choiceLabel()->text(), "Electrodes");
  ASSERT_EQ(pages.choiceList()->count(), 7);
  EXPECT_EQ(pages.choiceList()->currentRow(), 1);  // Carbositall, value 0
  pages.choiceList()->setCurrentRow(0);
  EXPECT_EQ(editor->Script()[2].Value, -1);
  EXPECT_EQ(Text(2), "Set electrod type to Custom");

  editor->Select(3);
  QTableWidget* table = pages.calcTable();
  EXPECT_EQ(table->item(0, 0)->text(), "Mass of sample taken for ashing, g");
  EXPECT_EQ(table->item(1, 1)->text(), "0");
  table->item(2, 1)->setText("2,5");  // row 2 is value 0, typed with a comma
  EXPECT_DOUBLE_EQ(editor->Script()[3].CalcTable[0], 2.5);
  EXPECT_EQ(table->item(2, 1)->text(), "2.5");
  table->item(0, 1)->setText("-1");
  EXPECT_EQ(table->item(0, 1)->text(), "?");
  for (int row = 0; row < 10; ++row) table->item(row, 1)->setText("1");
  EXPECT_EQ(Text(3), "Calculations table: OK");

  editor->Select(4);
  pages.unitBox(0)->setCurrentIndex(pages.unitBox(0)->findData(5));
  emit pages.unitBox(0)->activated(pages.unitBox(0)->currentIndex());
  EXPECT_EQ(editor->Script()[4].Units[0], 5);
  // The step's line keeps the units' caption markup for the tree's caption painter.
  pages.unitBox(1)->setCurrentIndex(pages.unitBox(1)->findData(2));
  emit pages.unitBox(1)->activated(pages.unitBox(1)->currentIndex());
  EXPECT_TRUE(Text(4).contains(QStringLiteral("mg/dm^3^"))) << Text(4).toStdString();
  EXPECT_EQ(pages.unitBox(1)->count(), 5);  // "?" and the four volume units
  EXPECT_EQ(pages.unitBox(3)->count(), 9);  // "?" and all eight units

  editor->Select(5);
  QTest::keyClicks(pages.activationName(), "HCl");
  pages.activationVolume()->selectAll();
  QTest::keyClicks(pages.activationVolume(), "12.5");
  EXPECT_EQ(Text(5), "Activation(12.5 ml of HCl)");

  editor->Select(6);
  pages.choiceList()->setCurrentRow(2);
  EXPECT_EQ(Text(6), "Recording of control solution is not obligatory");

  editor->Select(7);
  QTest::keyClicks(pages.electrolyteEdit(), "KCl 1 M");
  EXPECT_EQ(Text(7), "Supporting electrolyte: KCl 1 M");
}

TEST_F(MethodScriptEditor, PeaksProgramsDataAndEquations) {
  for (std::uint32_t type : {kStepPredefPeaks, kStepProgram, kStepDummyData, kStepCustomEquation}) {
    editor->AddCommand(type);
  }
  TScriptStepPages& pages = *editor->pages();

  editor->Select(0);
  answers = {"Zn", "Cd", "Zn", "Pb"};
  pages.AddPeak();
  pages.AddPeak();
  pages.AddPeak();  // "Zn" again: asked for another name, "Pb" taken
  ASSERT_EQ(editor->Script()[0].Peaks.size(), 3u);
  EXPECT_EQ(asked.back(), "Enter another name");
  EXPECT_EQ(editor->Script()[0].Peaks[2].Name, "Pb");
  EXPECT_EQ(pages.peaksList()->currentRow(), 2);
  pages.peakEdit(0)->setText("-500");
  pages.peakEdit(1)->setText("-400");
  pages.peakEdit(2)->setText("-300");
  QTest::keyClicks(pages.peakEdit(3), "5000");
  pages.peakCalcType()->setCurrentIndex(1);
  emit pages.peakCalcType()->activated(1);
  const TPredefPeak& pb = editor->Script()[0].Peaks[2];
  EXPECT_EQ(pb.LeftBorder, -500.0);
  EXPECT_EQ(pb.MiddleBorder, -400.0);
  EXPECT_EQ(pb.RightBorder, -300.0);
  EXPECT_EQ(pb.AdditionConc, 5000.0);
  EXPECT_EQ(pb.CalcType, 1);
  pages.peaksList()->setCurrentRow(1);
  sink.queueAnswer(Answer::No);
  pages.RemovePeak();
  EXPECT_EQ(editor->Script()[0].Peaks.size(), 3u);
  pages.RemovePeak();
  EXPECT_EQ(editor->Script()[0].Peaks.size(), 2u);
  EXPECT_EQ(editor->Script()[0].Peaks[1].Name, "Pb");

  editor->Select(1);
  EXPECT_EQ(Text(1), "Record program Error");
  TVAProgramsArray programs = TVAProgramsArray::Default();
  programs.front().push_back(ProgramStep::Default());
  ProgramFiles::WriteProgramSet(dir / "set.vap", programs, 0);
  EXPECT_TRUE(pages.LoadProgramFile(dir / "set.vap"));
  EXPECT_EQ(editor->Script()[1].Programs, programs);
  EXPECT_EQ(Text(1), "Record program OK");
  EXPECT_EQ(pages.programSummary()->text(), "Programs: 1, steps: 2");
  EXPECT_FALSE(pages.LoadProgramFile(dir / "set.xyz"));
  EXPECT_EQ(sink.entries.back().text, "File not found");
  EXPECT_EQ(editor->Script()[1].Programs, programs);

  editor->Select(2);
  TempDir::writeFile(dir / "zn.txt", "-1000 20.5\n-999 20.75\n-998\t21\n");
  pages.dataTypeList()->setCurrentRow(2);
  EXPECT_TRUE(pages.LoadDummyData(dir / "zn.txt"));
  EXPECT_EQ(editor->Script()[2].Dummy.MeasurementType, 2);
  EXPECT_EQ(editor->Script()[2].Dummy.Points.size(), 3u);
  EXPECT_EQ(pages.dataSummary()->text(), "Points: 3");
  EXPECT_EQ(Text(2), "Data (Added standard 1)");
  TempDir::writeFile(dir / "bad.txt", "-1000 20.5 7\n");
  EXPECT_FALSE(pages.LoadDummyData(dir / "bad.txt"));
  EXPECT_EQ(editor->Script()[2].Dummy.Points.size(), 3u);

  CustomMethods::List() = {TCustomMethod{"Ratio", "I0/I1", {}, 5, 2}, TCustomMethod{"Double", "2*I0", {}, 5, 2}};
  editor->Select(3);
  EXPECT_EQ(pages.equationsList()->count(), 2);
  EXPECT_EQ(pages.equationsList()->currentRow(), -1);
  pages.equationsList()->setCurrentRow(1);
  EXPECT_EQ(editor->Script()[3].Equation.Formula, "2*I0");
  EXPECT_EQ(editor->Script()[3].Equation.ResultUnitTop, 5);
  editor->Select(0);
  editor->Select(3);
  EXPECT_EQ(pages.equationsList()->currentRow(), 1);
  CustomMethods::List().clear();
}

TEST_F(MethodScriptEditor, MoveRemoveSaveAndReopen) {
  editor->AddCommand(kStepStageName);
  editor->AddCommand(kStepActivePage);
  editor->AddCommand(kStepWait);
  editor->Select(2);
  EXPECT_FALSE(editor->moveDownAction()->isEnabled());
  editor->MoveUp();
  EXPECT_EQ(editor->Selected(), 1);
  EXPECT_EQ(editor->Script()[1].Type, kStepWait);
  EXPECT_EQ(editor->stageTree()->currentItem(), editor->itemOf(1));
  editor->MoveUp();
  editor->MoveUp();  // at the top: nothing
  EXPECT_EQ(editor->Selected(), 0);
  EXPECT_FALSE(editor->moveUpAction()->isEnabled());
  editor->MoveDown();
  EXPECT_EQ(editor->Script()[1].Type, kStepWait);
  EXPECT_EQ(editor->Script()[0].Type, kStepStageName);

  editor->Select(1);
  editor->pages()->valueSpin();  // the wait has no page of its own
  EXPECT_EQ(editor->pages()->currentIndex(), TScriptStepPages::kNoData);
  sink.queueAnswer(Answer::Yes);
  editor->RemoveSelected();
  EXPECT_EQ(sink.entries.back().text, "Remove selected?");
  ASSERT_EQ(editor->Script().size(), 2u);
  EXPECT_EQ(editor->Selected(), 1);
  editor->pages()->valueSpin()->setValue(5);

  const TWizSteps saved = editor->Script();
  ASSERT_TRUE(editor->SaveScript(dir / "script.tvs"));
  editor->NewScript();
  EXPECT_TRUE(editor->Script().empty());
  EXPECT_EQ(editor->stageTree()->topLevelItemCount(), 0);
  ASSERT_TRUE(editor->OpenScript(dir / "script.tvs"));
  EXPECT_EQ(editor->Script(), saved);
  EXPECT_EQ(Text(1), "Set active page = 5");

  // A file of another kind loads nothing and says nothing.
  TempDir::writeFile(dir / "other.tvs", std::string("\x08TVXMv100", 9));
  const std::size_t messages = sink.entries.size();
  EXPECT_FALSE(editor->OpenScript(dir / "other.tvs"));
  EXPECT_EQ(editor->Script(), saved);
  EXPECT_EQ(sink.entries.size(), messages);
  // A command of a type this build does not know stays, described as "?".
  TWizSteps withUnknown = saved;
  ValueRecord unknown;
  unknown.Type = 30;
  withUnknown.push_back(unknown);
  TWizSteps::WriteFile(dir / "unknown.tvs", withUnknown);
  ASSERT_TRUE(editor->OpenScript(dir / "unknown.tvs"));
  EXPECT_EQ(editor->Script().size(), 3u);
  EXPECT_EQ(Text(2), "?");
}

TEST_F(MethodScriptEditor, EditScriptTakesTheMethodsScriptAndKeepsItsOwn) {
  editor->AddCommand(kStepWait);
  TWizSteps method{ValueRecord::IntValue(kStepActivePage, 2)};
  QTimer::singleShot(0, editor.get(), [this] {
    editor->Select(0);
    editor->pages()->valueSpin()->setValue(3);
    editor->AddCommand(kStepWait);
    editor->accept();
  });
  EXPECT_TRUE(editor->EditScript(method));
  ASSERT_EQ(method.size(), 2u);
  EXPECT_EQ(method[0].Value, 3);
  ASSERT_EQ(editor->Script().size(), 1u);
  EXPECT_EQ(editor->Script()[0].Type, kStepWait);
}
