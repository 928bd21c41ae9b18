#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "CaptionComboBox.h"
#include "CustomCalcFile.h"
#include "CustomMethods.h"
#include "RecordingMessageSink.h"
#include "TCalculator.h"
#include "TEquationEditor.h"
#include "TPluginsManager.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::TempDir;

namespace {

class EquationEditorTest : public ::testing::Test {
 protected:
  void SetUp() override { CustomMethods::List().clear(); }
  void TearDown() override { CustomMethods::List().clear(); }
  std::unique_ptr<TEquationEditor> Open() {
    return std::make_unique<TEquationEditor>([this] { return dir.path(); }, sink, hub);
  }
  QStringList Errors(const TEquationEditor& e) const {
    QStringList out;
    for (int i = 0; i < e.errorList()->count(); ++i) out << e.errorList()->item(i)->text();
    return out;
  }
  TempDir dir;
  test::RecordingMessageSink sink;
  TPluginsManager hub;
};

TEST_F(EquationEditorTest, LiveValueErrorsAndTheDimensionOfTheResult) {
  auto editor = Open();
  TEquationEditor& e = *editor;
  EXPECT_EQ(e.variablesGrid()->rowCount(), 18);
  EXPECT_EQ(e.variablesGrid()->item(0, 1)->text(), "IB");
  EXPECT_EQ(e.variablesGrid()->item(9, 2)->text(), "Aliquot volume, cm^3^");
  EXPECT_EQ(e.unitTopList()->count(), 9);
  EXPECT_EQ(e.unitTopList()->itemText(2), "cm^3^");

  e.formulaEdit()->setText("2*(3+4)");
  // The value as the calculation table will show it (peak value format).
  EXPECT_EQ(e.resultLabel()->text(), "Result: 14.0");
  EXPECT_EQ(Errors(e), QStringList{"Specify the dimension of the result"});
  EXPECT_FALSE(e.saveButton()->isEnabled());
  e.unitTopList()->setCurrentIndex(6);  // mg
  EXPECT_TRUE(Errors(e).isEmpty());
  EXPECT_TRUE(e.saveButton()->isEnabled());
  // Numbers only: shown, but nothing to save.
  e.SaveMethod();
  EXPECT_TRUE(CustomMethods::List().empty());

  e.formulaEdit()->setText("I0/X2");
  EXPECT_EQ(Errors(e), QStringList{"Unknown variable 'X2'"});
  EXPECT_EQ(e.resultLabel()->text(), "Result: ");
  EXPECT_FALSE(e.saveButton()->isEnabled());
  e.formulaEdit()->setText("I0/(VC-VC)");
  EXPECT_EQ(Errors(e), QStringList{"Division by zero '(VC-VC)'"});
  EXPECT_EQ(e.resultLabel()->text(), "Result: ");

  // A user variable: rejected names, then a good one with a default value.
  e.AddVariable();
  ASSERT_EQ(e.variablesGrid()->rowCount(), 19);
  EXPECT_TRUE(e.removeVariableButton()->isEnabled());
  e.variablesGrid()->item(18, 1)->setText("12");
  EXPECT_TRUE(Errors(e).contains("The variable name can not consist only of digits '19'"));
  e.variablesGrid()->item(18, 1)->setText("k");
  e.variablesGrid()->item(18, 3)->setText("2.5");
  e.formulaEdit()->setText("I0*k");
  EXPECT_EQ(e.resultLabel()->text(), "Result: 0.00000\u00a0mg");  // with the result's unit
  e.variablesGrid()->item(1, 3)->setText("4");                    // I0's default
  EXPECT_EQ(e.resultLabel()->text(), "Result: 10.00\u00a0mg");
  e.variablesGrid()->setCurrentCell(3, 1);
  EXPECT_FALSE(e.removeVariableButton()->isEnabled());
  EXPECT_FALSE(e.variablesGrid()->item(3, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(EquationEditorTest, SaveLoadRemoveAndTheFile) {
  auto editor = Open();
  TEquationEditor& e = *editor;
  int changes = 0;
  QObject::connect(&e, &TEquationEditor::methodsChanged, [&changes] { ++changes; });
  e.AddVariable();
  e.variablesGrid()->item(18, 1)->setText("f");
  e.variablesGrid()->item(18, 2)->setText("Factor");
  e.variablesGrid()->item(18, 3)->setText("3");
  e.formulaEdit()->setText("I0*f/VAL");
  e.unitTopList()->setCurrentIndex(6);
  e.unitBottomList()->setCurrentIndex(3);
  e.SaveMethod();  // an empty title
  ASSERT_EQ(CustomMethods::List().size(), 1u);
  EXPECT_EQ(changes, 1);
  const TCustomMethod& saved = CustomMethods::List()[0];
  EXPECT_EQ(saved.Name, "No name");
  EXPECT_EQ(saved.Formula, "I0*f/VAL");
  EXPECT_EQ(saved.ResultUnitTop, 5);
  EXPECT_EQ(saved.ResultUnitBottom, 2);
  ASSERT_EQ(saved.Vars.size(), 3u);
  EXPECT_EQ(saved.Vars[1].Comment, "Factor");
  EXPECT_EQ(e.methodsList()->count(), 1);
  // The file holds the list at once.
  TCustomMethodArr read;
  ASSERT_TRUE(CustomCalcFile::Load(dir.path(), read));
  EXPECT_EQ(read, CustomMethods::List());

  // Loading it into a fresh editor brings the user variable back as row 19.
  CustomMethods::List().clear();
  auto second = Open();
  ASSERT_EQ(CustomMethods::List().size(), 1u);
  second->LoadMethod(0);
  EXPECT_EQ(second->formulaEdit()->text(), "I0*f/VAL");
  EXPECT_EQ(second->titleEdit()->text(), "No name");
  ASSERT_EQ(second->variablesGrid()->rowCount(), 19);
  EXPECT_EQ(second->variablesGrid()->item(18, 1)->text(), "f");
  EXPECT_EQ(second->variablesGrid()->item(18, 3)->text(), "3");
  EXPECT_EQ(second->unitBottomList()->currentIndex(), 3);

  // Removing asks first; No keeps the method.
  second->methodsList()->setCurrentRow(0);
  sink.queueAnswer(Answer::No);
  second->RemoveMethod();
  EXPECT_EQ(CustomMethods::List().size(), 1u);
  second->RemoveMethod();
  EXPECT_TRUE(CustomMethods::List().empty());
  EXPECT_EQ(second->methodsList()->count(), 0);
  second->accept();  // closing writes the file
  ASSERT_TRUE(CustomCalcFile::Load(dir.path(), read));
  EXPECT_TRUE(read.empty());
}

}  // namespace
