// "Add to archive" from the calculation page and from the report page, and
// the archive the settings name.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <cmath>

#include "ArchiveEntryDialog.h"
#include "CalcHost.h"
#include "MainWindow.h"
#include "RecordingMessageSink.h"
#include "ReportHost.h"
#include "ResultsHost.h"
#include "Settings.h"
#include "SqlResultsArchive.h"
#include "TCalcForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TPluginsManager.h"
#include "TReportRec.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;

namespace {

// A flat curve with one triangular Pb peak of `height` (its value by height).
TNode* AddCurve(TNodeForest& f, int role, double height) {
  TNode* n = f.CreateNode();
  n->SetNameSilently("c" + std::to_string(f.Count()));
  n->SetRecord(std::make_unique<TVAStruct>(n));
  f.InsertNode(nullptr, f.LastRoot(), n);
  TDataArr points;
  for (int i = 0; i <= 100; ++i) {
    const double x = -1000.0 + 10.0 * i;
    points.push_back({x, std::max(0.0, height * (1.0 - std::fabs(x + 500.0) / 100.0))});
  }
  TVAStruct& va = *n->VA();
  va.SetData(points);
  va.DatabaseName = std::to_string(f.Count());
  va.Params.SetMeasurementType(role);
  va.Volumes[0] = 5.0;
  va.Volumes[1] = 2.0;
  va.Volumes[5] = 10.0;
  va.Volumes[6] = 0.1;
  va.ResUnitTop = va.RecalcUnitTop = 5;
  va.ResUnitBottom = va.RecalcUnitBottom = 2;
  va.CalculationMethod = 0;
  va.AddPeak("Pb", 0, 40, 60);
  va.SetAdditionConc("Pb", 1.0);
  return n;
}

class ResultsHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TPeakValueEvaluator::Install();
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
    TNode* a = AddCurve(w->forest(), 1, 10.0);
    TNode* b = AddCurve(w->forest(), 2, 20.0);
    w->forest().SetSelection({a, b});
    w->calculations().form().Recalculate();
    w->calculations().form().chooseMethod(0);
  }
  void TearDown() override {
    w.reset();
    TVAStruct::SetPeakEvaluator(nullptr);
  }
  // Answers the "Add to archive" dialog.
  void Answer(bool control, const QString& name) {
    w->results().setDialogRunner([control, name](QDialog& d) {
      auto& dialog = static_cast<ArchiveEntryDialog&>(d);
      (control ? dialog.controlButton() : dialog.sampleButton())->setChecked(true);
      dialog.nameBox()->setEditText(name);
      return true;
    });
  }
  std::vector<ArchiveRow> Archived() {
    SqlResultsArchive archive(ArchiveAddress::SqliteFile((dir.path() / "Results.sqlite").string()));
    return archive.Query({});
  }

  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
};

TEST_F(ResultsHostTest, TheCalculationGoesIntoTheArchiveOfTheDataFolder) {
  const TCalcElement& pb = w->calculations().form().calculation().Elements().at(0);
  ASSERT_GT(pb.SampleResult, 0.0);
  ASSERT_TRUE(w->action("AddToArchiveActn")->isEnabled());
  Answer(false, "River 12");
  EXPECT_EQ(w->results().AddToArchiveActnExecute(), 1u);
  auto rows = Archived();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Sample, "River 12");
  EXPECT_EQ(rows[0].Element, "Pb");
  EXPECT_EQ(rows[0].Value, pb.SampleResult);
  EXPECT_EQ(rows[0].Unit, "mg/dm³");
  EXPECT_EQ(rows[0].Method, 0);
  EXPECT_EQ(rows[0].Curves, "1, 2");
  // An unsaved document: no file, so no digest is claimed.
  EXPECT_TRUE(rows[0].DocumentSha256.empty());

  // Cancelled: nothing.
  w->results().setDialogRunner([](QDialog&) { return false; });
  EXPECT_EQ(w->results().AddToArchiveActnExecute(), 0u);
  EXPECT_EQ(Archived().size(), 1u);
}

TEST_F(ResultsHostTest, TheReportGoesIntoTheArchiveAsAControlsResults) {
  ASSERT_TRUE(w->reports().AddToReportActnExecute());
  ASSERT_TRUE(w->reports().AddToReportActnExecute());
  ASSERT_TRUE(w->action("AddReportToArchiveActn")->isEnabled());
  Answer(true, "QC low");
  EXPECT_EQ(w->results().AddReportToArchiveActnExecute(), 2u);
  const auto rows = Archived();
  ASSERT_EQ(rows.size(), 2u);
  const double expected = w->calculations().form().calculation().Elements().at(0).SampleResult;
  for (const ArchiveRow& r : rows) {
    EXPECT_EQ(r.Control, "QC low");
    EXPECT_TRUE(r.Sample.empty());
    EXPECT_NEAR(r.Value, expected, 1e-12 * expected);
  }
}

TEST_F(ResultsHostTest, AnArchiveThatCannotBeOpenedIsReportedAndNothingIsLost) {
  settings.options().archiveDatabase = "postgresql://nobody@/none?host=" + (dir.path() / "no-server").string();
  Answer(false, "S");
  EXPECT_EQ(w->results().AddToArchiveActnExecute(), 0u);
  ASSERT_FALSE(sink.entries.empty());
  EXPECT_EQ(sink.entries.back().kind, "error");
  // Back to the data folder's file: the next use opens it.
  settings.options().archiveDatabase.clear();
  EXPECT_EQ(w->results().AddToArchiveActnExecute(), 1u);
}

}  // namespace
