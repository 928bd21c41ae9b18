// The methods windows re-read their texts in place when the language
// switches: nothing stays in the source language, and the edited method,
// the script with its selection and the open equations survive.
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "CustomMethods.h"
#include "IFileDialogs.h"
#include "MethodEditWidgets.h"
#include "PseudoTranslation.h"
#include "RecordingMessageSink.h"
#include "TEquationEditor.h"
#include "TMethodEditForm.h"
#include "TMethodScriptEditor.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TScriptStepPages.h"
#include "TStatDB.h"
#include "TSubtractionForm.h"
#include "TTableContent.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using test::ScopedPseudoLanguage;
using test::untranslatedTexts;

namespace {

std::string Listed(const QStringList& texts) { return texts.join(QStringLiteral("\n")).toStdString(); }

class NoDialogs final : public IFileDialogs {
 public:
  std::optional<std::string> openFile(const Message&) override { return std::nullopt; }
  std::vector<std::string> openFiles(const Message&, const std::string&) override { return {}; }
  std::optional<std::string> saveFile(const Message&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

TEST(MethodsLanguageSwitch, MethodsEditorKeepsTheEditedMethod) {
  CustomMethods::List().clear();
  test::TempDir dir;
  TStatDB db(dir.path() / "Statistics");
  TMethodStat water;
  water.Name = "Drinking water";
  water.ResTop = 5;
  water.ResBottom = 2;
  water.Elements = {{"Pb", {{0.001, 0.1, 20.0, 28.0, 25}}}};
  db.Add(water);
  NoDialogs dialogs;
  test::RecordingMessageSink sink;
  TMethodEditForm form(db, dialogs, sink);
  form.show();
  MethodEditWidgets& u = form.widgets();
  u.title->setText("Lead in water");
  emit u.title->textEdited(u.title->text());
  u.statisticsList->setCurrentIndex(1);
  emit u.statisticsList->activated(1);
  u.calcMethodList->setCurrentIndex(3);
  emit u.calcMethodList->activated(3);
  // Besides the method's own texts, the formula button shows the symbol f(x).
  const QStringList data{"Lead in water", "Drinking water", "English", QString::fromUtf8("Русский"), "f(x)"};
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&form, data)), "");
    EXPECT_EQ(u.title->text(), "Lead in water");
    EXPECT_EQ(u.statisticsList->currentIndex(), 1);
    EXPECT_EQ(u.calcMethodList->currentIndex(), 3);
  }
  EXPECT_EQ(u.calcMethodList->currentIndex(), 3);
  EXPECT_EQ(u.title->text(), "Lead in water");
  ASSERT_EQ(form.currentMethod().Localized.size(), 2u);
  EXPECT_EQ(form.currentMethod().Localized[0].Title, "Lead in water");
  CustomMethods::List().clear();
}

TEST(MethodsLanguageSwitch, ScriptEditorKeepsTheScriptAndTheSelectedCommand) {
  test::RecordingMessageSink sink;
  TPluginsManager hub;
  TMethodScriptEditor editor(TMethodScriptEditor::Services{}, sink, hub);
  for (std::uint32_t type : TMethodScriptEditor::kToolBarOrder) editor.commandAction(type)->trigger();
  editor.show();
  editor.Select(2);
  const TWizSteps before = editor.Script();
  const QStringList data{"English", QString::fromUtf8("Русский")};
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&editor, data)), "");
    EXPECT_EQ(editor.Selected(), 2);
    EXPECT_TRUE(editor.itemOf(0)->text(0).startsWith(test::PseudoTranslator::Marker));
  }
  EXPECT_EQ(editor.Script(), before);
  EXPECT_EQ(editor.Selected(), 2);
  EXPECT_EQ(editor.itemOf(0)->text(0), "Wait for user input");
}

TEST(MethodsLanguageSwitch, EquationEditorAndSubtraction) {
  CustomMethods::List().clear();
  test::TempDir dir;
  test::RecordingMessageSink sink;
  TPluginsManager hub;
  TEquationEditor equations([&dir] { return dir.path(); }, sink, hub);
  equations.show();
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&equations)), "");
  }

  TNodeForest forest;
  TTableContentArr shown;
  std::vector<std::unique_ptr<TVAStruct>> owned;
  for (int i = 0; i < 2; ++i) {
    TNode* n = forest.AddNode(forest.LastRoot(), nullptr);
    n->SetNameSilently(i == 0 ? "Sample" : "Background");
    n->SetRecord(std::make_unique<TVAStruct>(n));
    TDataArr points;
    for (int k = 0; k < 100; ++k) points.push_back({-1000.0 + 10.0 * k, 25.0 + 0.01 * k + (i == 0 ? 3.0 : 0.0)});
    n->VA()->SetData(points);
    shown.push_back({i, n->VA(), 1, i + 1});
  }
  int changes = 0;
  TSubtractionForm::Host host{[&shown]() -> TTableContentArr& { return shown; },
                              [&forest]() -> TNodeForest& { return forest; }, [&changes] { ++changes; }, nullptr};
  TSubtractionForm subtraction(host, hub);
  subtraction.show();
  subtraction.refill();
  subtraction.subtrahends()->setCurrentRow(1);
  const QStringList data{"Sample", "Background"};
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&subtraction, data)), "");
    for (const QCPAxis* axis : {subtraction.preview()->xAxis, subtraction.preview()->yAxis})
      EXPECT_TRUE(axis->label().startsWith(test::PseudoTranslator::Marker)) << axis->label().toStdString();
    EXPECT_EQ(subtraction.subtrahends()->currentRow(), 1);
  }
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(shown[0].Curve->Data[0].Y, 28.0);
}

}  // namespace
