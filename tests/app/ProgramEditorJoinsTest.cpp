// Where the measurement wizard and the autosampler meet the record-parameters
// editor and the assembly assistant: "Change" and "Modify" edit a run's
// programs with the editor's tool bar off and give the editor its own method
// back; a mass-fraction method asks for the ashed mass; the assistant opens
// above the wizard's cell page.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "AssemblyHost.h"
#include "MainWindow.h"
#include "MethodFile.h"
#include "MethodsHost.h"
#include "RecordFormWidgets.h"
#include "RecordParametersHost.h"
#include "RecordingMessageSink.h"
#include "SamplerHost.h"
#include "Settings.h"
#include "TAssemblyForm.h"
#include "TMWizForm.h"
#include "TMethodsLibrary.h"
#include "TOldStyleRecordForm.h"
#include "TPluginsManager.h"
#include "TSamplerForm.h"
#include "TempDir.h"
#include "WizardHost.h"

using namespace velmora;

namespace {

ProgramStep Sweep(const std::string& comment, int cell = 0) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepStart(-1200);
  s.SetSweepEnd(0);
  s.SetSweepRate(100);
  s.SetElectrolysisTime(60);
  s.SetSamplerCell(cell);
  s.SetComments(comment);
  return s;
}

// A simulated standard-additions method whose result is a mass fraction
// (mg/g) and whose script leaves the ashed mass unset; its controls
// visibility asks for the compact view.
TMethod MassFractionMethod() {
  TMethod m;
  m.AddDefaultLanguages("Lead in soil", "Свинец в почве");
  m.FileName = "soil.mtd";
  ValueRecord units = ValueRecord::Make(kStepConcUnits);
  units.Units = {5, 1, 5, 6};
  ValueRecord table = ValueRecord::Make(kStepCalcTable);
  table.CalcTable.fill(-1.0);
  m.Script = {ValueRecord::Make(kStepSimulation),
              ValueRecord::StageName("Assembling of cell", ""),
              ValueRecord::IntValue(kStepConjunctionType, 1),
              ValueRecord::IntValue(kStepParallelSamples, 1),
              ValueRecord::IntValue(kStepCalcMethod, 0),
              ValueRecord::IntValue(kStepActivePage, 1),
              ValueRecord::Wait(),
              table,
              units,
              ValueRecord::WithPrograms(TVAProgramsArray{{Sweep("soil"), Sweep("soil, second")}}),
              ValueRecord::IntValue(kStepControlsVisibility, 1),
              ValueRecord::Make(kStepBeginCycle),
              ValueRecord::IntValue(kStepActivePage, 2),
              ValueRecord::Wait(),
              ValueRecord::Make(kStepEndCycle)};
  return m;
}

// The editor's own method: one the operator applied from the "Methods" menu.
TMethod EditorMethod() {
  TMethod m;
  m.AddDefaultLanguages("Zinc in tap water", "Цинк в воде");
  m.HideUnused = true;
  m.Programs = {{Sweep("zinc")}, {Sweep("zinc, again")}};
  return m;
}

struct Bench {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
  Bench() {
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    w->show();
  }
  TOldStyleRecordForm& editor() { return w->recordParameters().form(); }
  TMWizForm& wiz() { return w->wizard().form(); }
  // The wizard, modal as the program opens it, on the program input page.
  void openWizard() {
    w->methods().library().Methods().push_back(MassFractionMethod());
    wiz().prepare();
    wiz().setWindowModality(Qt::ApplicationModal);
    wiz().show();
    const auto& listed = wiz().listedMethods();
    for (std::size_t row = 0; row < listed.size(); ++row)
      if (w->methods().library().Methods()[listed[row]].FileName == "soil.mtd")
        wiz().selectMethod(static_cast<int>(row));
    wiz().nextButton()->click();
  }
  // What the editor shows while it edits modally, read as it opens.
  struct Seen {
    bool shown = false;
    bool toolBar = true;
    bool compact = false;
  };
  Seen whileEditing(const std::function<void()>& open) {
    Seen seen;
    QTimer::singleShot(0, [&] {
      seen.shown = editor().isVisible();
      seen.toolBar = editor().widgets().toolBar->isEnabled();
      seen.compact = editor().CompactView();
      editor().hide();  // the operator closes the editor
    });
    open();
    return seen;
  }
};

}  // namespace

TEST(ProgramEditorJoins, TheWizardsChangeEditsTheRunsProgramsWithoutStartingRuns) {
  Bench b;
  b.editor().LoadMethod(EditorMethod());
  const QString ownTitle = b.editor().windowTitle();
  ASSERT_TRUE(ownTitle.contains(QStringLiteral("Zinc in tap water")));
  b.openWizard();
  ASSERT_EQ(b.wiz().currentPage(), IWizardPages::kCellAssembly);
  b.wiz().nextButton()->click();
  ASSERT_EQ(b.wiz().currentPage(), IWizardPages::kProgramInput);

  // A mass fraction needs the ashed mass, which the script left unset.
  QStringList rows;
  for (int r = 0; r < b.wiz().propertyTable()->rowCount(); ++r) rows << b.wiz().propertyTable()->item(r, 0)->text();
  EXPECT_TRUE(rows.contains(QStringLiteral("Mass of sample taken for ashing, g"))) << rows.join(u'|').toStdString();
  EXPECT_TRUE(rows.contains(QStringLiteral("Volume of solution obtained after dissolving of ash, cm^3^")));

  // "Change": the run's programs, compact as the method says, and no
  // "&Start record" that would record outside the wizard.
  ASSERT_TRUE(b.wiz().changeButton()->isEnabled());
  const Bench::Seen seen = b.whileEditing([&] { b.wiz().changeButton()->click(); });
  EXPECT_TRUE(seen.shown);
  EXPECT_FALSE(seen.toolBar);
  EXPECT_TRUE(seen.compact);
  // The editor is its own again.
  EXPECT_TRUE(b.editor().widgets().toolBar->isEnabled());
  EXPECT_EQ(b.editor().windowTitle(), ownTitle);
  EXPECT_TRUE(b.editor().FromMethod());
  EXPECT_TRUE(b.editor().CompactView());
  EXPECT_EQ(b.editor().GetPrograms().size(), 2u);
  b.wiz().hide();
}

TEST(ProgramEditorJoins, TheAssemblyAssistantOpensAboveTheWizardsCellPage) {
  Bench b;
  new AssemblyHost(*b.w);
  b.openWizard();
  ASSERT_EQ(b.wiz().currentPage(), IWizardPages::kCellAssembly);
  auto* button = b.wiz().findChild<QToolButton*>(QStringLiteral("AssemblyButton"));
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isVisible());
  EXPECT_EQ(button->defaultAction(), b.w->action("AssemblyAcnt"));
  ASSERT_TRUE(button->isEnabled());
  button->click();
  auto* assistant = b.w->findChild<TAssemblyForm*>();
  ASSERT_NE(assistant, nullptr);
  EXPECT_TRUE(assistant->isVisible());
  // Above the modal wizard it takes the input.
  EXPECT_TRUE(assistant->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), assistant);
  assistant->close();
  b.wiz().hide();
  // From the menu, with no modal window, it is an ordinary window again.
  b.w->action("AssemblyAcnt")->trigger();
  EXPECT_FALSE(assistant->isModal());
  assistant->close();
}

TEST(ProgramEditorJoins, TheAutosamplersModifyGivesTheEditorItsMethodBack) {
  Bench b;
  b.editor().LoadMethod(EditorMethod());
  const QString ownTitle = b.editor().windowTitle();
  b.w->sampler().setMethodSource([] {
    SamplerMethod m;
    m.Name = "Lead";
    m.CalcMethod = 0;
    m.Programs = {{Sweep("rinse", 1), Sweep("lead", 2)}};
    m.Cells = {{1, 1, -1, "Rinse water"}, {2, 2, 1, "Sample"}};
    return std::vector<SamplerMethod>{m};
  });
  TSamplerForm& form = b.w->sampler().form();
  form.show();
  form.checkMethod(0, true);
  ASSERT_TRUE(form.modifyButton()->isEnabled());
  const Bench::Seen seen = b.whileEditing([&] { form.modifyButton()->click(); });
  EXPECT_TRUE(seen.shown);
  EXPECT_FALSE(seen.toolBar);
  EXPECT_FALSE(seen.compact);

  EXPECT_TRUE(b.editor().widgets().toolBar->isEnabled());
  EXPECT_EQ(b.editor().windowTitle(), ownTitle);
  EXPECT_TRUE(b.editor().FromMethod());
  EXPECT_TRUE(b.editor().CompactView());
  // "VAProgram.sve" keeps the method's own set.
  TMethod stored;
  ASSERT_TRUE(MethodFile::Read(b.dir.path() / "VAProgram.sve", stored));
  EXPECT_FALSE(stored.CustomPrograms);
  ASSERT_EQ(stored.Programs.size(), 2u);
  EXPECT_EQ(stored.Programs[0][0].Comments(), "zinc");
  form.hide();
}
