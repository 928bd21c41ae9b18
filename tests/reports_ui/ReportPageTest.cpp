#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ReportSamples.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TReportStore.h"

using namespace velmora;
using velmora::test::Experiment;

namespace {

TMethodStat DrinkingWater() {
  TMethodStat s;
  s.Name = "Drinking water";
  s.ResTop = 4;
  s.ResBottom = 2;
  s.Elements.push_back({"Pb", {{1, 100, 0.25, 0.7, 40}}});  // µg/dm³
  s.Elements.push_back({"Cd", {{0.1, 100, 0.3, 0.8, 35}}});
  return s;
}

QString Cell(const QTableWidget* grid, int row, int col) {
  const QTableWidgetItem* item = grid->item(row, col);
  return item ? item->text() : QString();
}

// Edits a cell as the user would: the item's text is replaced.
void EditCell(QTableWidget* grid, int row, int col, const QString& text) {
  grid->item(row, col)->setText(text);
  QCoreApplication::processEvents();  // the grid refills after the edit
}

struct PageFixture {
  QTemporaryDir dir;
  TReportRec report;
  std::unique_ptr<TReportStore> store =
      std::make_unique<TReportStore>(dir.filePath(QStringLiteral("Reports")).toStdString());
  TMethodStatArr stats{DrinkingWater()};
  std::unique_ptr<TReportPage> page;
  std::vector<QString> questions;
  int answer = QMessageBox::No;

  PageFixture() {
    page = std::make_unique<TReportPage>(report, *store);
    page->setStatistics(&stats);
    page->ask = [this](const QString& q) {
      questions.push_back(q);
      return answer;
    };
  }
  // Two analyses of Pb and Cd, as the calculation window adds them.
  void addTwo() {
    report.AddExperiment(Experiment({{"Pb", 12.2}, {"Cd", 2.0}}));
    report.AddExperiment(Experiment({{"Pb", 14.4}, {"Cd", 2.4}}));
  }
};

}  // namespace

TEST(ReportPage, SavedReportsAreListedAndReopenedAfterAskingAboutUnsavedWork) {
  PageFixture f;
  f.addTwo();
  QTest::keyClicks(f.page->titleEdit(), QStringLiteral("Tap water"));
  EXPECT_EQ(f.report.Title, "Tap water");
  f.page->saveReport();
  EXPECT_TRUE(f.report.Saved);
  ASSERT_EQ(f.page->reports()->count(), 1);
  EXPECT_TRUE(f.page->reports()->item(0)->text().endsWith(QStringLiteral(" Tap water")));

  // A third analysis makes the report unsaved again; choosing the saved
  // entry asks first, and Cancel keeps everything as it was.
  f.report.AddExperiment(Experiment({{"Pb", 13.0}}));
  f.report.Title = "Something else";
  f.answer = QMessageBox::Cancel;
  f.page->reports()->setCurrentRow(0);
  ASSERT_EQ(f.questions.size(), 1u);
  EXPECT_EQ(f.questions.back(), QStringLiteral("Do you want to save current report?"));
  EXPECT_EQ(f.report.Experiments.size(), 3u);
  EXPECT_EQ(f.page->reports()->currentRow(), -1);

  // No drops the unsaved analysis; the saved report comes back whole.
  f.answer = QMessageBox::No;
  f.page->reports()->setCurrentRow(0);
  EXPECT_EQ(f.questions.size(), 2u);
  EXPECT_EQ(f.report.Experiments.size(), 2u);
  EXPECT_TRUE(f.report.Saved);
  EXPECT_EQ(f.page->titleEdit()->text(), QStringLiteral("Tap water"));
  EXPECT_EQ(f.page->grid()->rowCount(), 4);  // 2 elements × 2 analyses
  EXPECT_EQ(Cell(f.page->grid(), 0, 2), QStringLiteral("12.2"));
  EXPECT_EQ(Cell(f.page->grid(), 1, 2), QStringLiteral("14.4"));
  // A reopened report is saved: leaving it needs no question.
  f.page->reports()->setCurrentRow(-1);
  EXPECT_EQ(f.questions.size(), 2u);
  EXPECT_TRUE(f.report.Empty());
  EXPECT_EQ(f.page->grid()->rowCount(), 0);
}

TEST(ReportPage, UnitsOfMassFractionsAreOfferedAndChosenUnitsRescaleTheTable) {
  PageFixture f;
  // Sample results in mg/kg (mass fraction): the bottom list holds masses.
  f.report.AddExperiment(Experiment({{"Pb", 0.5}}, 5, 7));
  auto* top = f.page->findChild<QComboBox*>(QStringLiteral("ReportUnitTop"));
  auto* bottom = f.page->findChild<QComboBox*>(QStringLiteral("ReportUnitBottom"));
  ASSERT_TRUE(top && bottom);
  ASSERT_EQ(bottom->count(), 4);
  EXPECT_EQ(bottom->currentIndex(), 3);  // kg
  EXPECT_EQ(top->currentIndex(), 1);     // mg
  // µg per kg: the same result shows a thousand times larger.
  top->setCurrentIndex(0);
  emit top->activated(0);
  EXPECT_EQ(f.report.UnitTop, 4);
  EXPECT_EQ(Cell(f.page->grid(), 0, 2), QStringLiteral("500.0"));
  EXPECT_TRUE(f.page->grid()->horizontalHeaderItem(2)->text().contains(QStringLiteral("µg/kg")));
  // "mg" in the bottom list stores the mass unit 5: mg/mg.
  emit bottom->activated(1);
  EXPECT_EQ(f.report.UnitBottom, 5);
}

TEST(ReportPage, CommentsAndPercentErrorsAreEditedInTheGrid) {
  PageFixture f;
  f.addTwo();
  QTableWidget* grid = f.page->grid();
  ASSERT_EQ(grid->rowCount(), 4);
  // A comment edited in the Cd group renames the analysis in every group.
  EditCell(grid, 3, 1, QStringLiteral("Well 7"));
  EXPECT_EQ(f.report.GetComment(1), "Well 7");
  EXPECT_EQ(Cell(grid, 1, 1), QStringLiteral("Well 7"));
  EXPECT_EQ(Cell(grid, 3, 1), QStringLiteral("Well 7"));

  // Without statistics δ is typed in the first row of a group: the leading
  // whole number counts and Δ follows from the mean (13.3 · 12 % = 1.6).
  EXPECT_TRUE(grid->item(0, 5)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(grid->item(1, 5)->flags() & Qt::ItemIsEditable);
  EditCell(grid, 0, 5, QStringLiteral("12 %"));
  EXPECT_EQ(f.report.Elements[0].Delta, 12);
  EXPECT_EQ(Cell(grid, 0, 6), QStringLiteral("1.6"));
  EditCell(grid, 0, 5, QStringLiteral("about ten"));
  EXPECT_EQ(f.report.Elements[0].Delta, 0);
  EXPECT_EQ(Cell(grid, 0, 6), QStringLiteral("-"));

  // With statistics δ comes from the record's range and is not typed.
  f.page->statisticsList()->setCurrentIndex(1);
  emit f.page->statisticsList()->activated(1);
  EXPECT_EQ(f.report.Statistics.Name, "Drinking water");
  EXPECT_EQ(Cell(grid, 0, 5), QStringLiteral("40"));
  EXPECT_FALSE(grid->item(0, 5)->flags() & Qt::ItemIsEditable);
  emit f.page->statisticsList()->activated(0);  // "Custom"
  EXPECT_FALSE(f.report.HasStatistics());
  EXPECT_TRUE(grid->item(0, 5)->flags() & Qt::ItemIsEditable);
}

TEST(ReportPage, RemoveElementTakesTheGroupOfTheCurrentRowAndClearKeepsTitleAndStatistics) {
  PageFixture f;
  f.addTwo();
  f.report.Title = "River";
  f.report.SetStatistics(DrinkingWater());
  QTableWidget* grid = f.page->grid();
  grid->setCurrentCell(3, 0);  // second row of the Cd group
  f.page->removeElement();
  ASSERT_EQ(f.report.Elements.size(), 1u);
  EXPECT_EQ(f.report.Elements[0].Name, "Pb");
  EXPECT_EQ(grid->rowCount(), 2);
  // The peak goes from the analyses' curves too.
  for (const auto& c : f.report.Experiments[0].Curves) EXPECT_LT(c->FindPeak("Cd"), 0);

  // Clear asks to save an unsaved report; Yes stores it first.
  f.answer = QMessageBox::Yes;
  EXPECT_TRUE(f.page->clearReport());
  EXPECT_EQ(f.questions.size(), 1u);
  EXPECT_EQ(f.page->reports()->count(), 1);
  EXPECT_TRUE(f.report.Empty());
  EXPECT_EQ(grid->rowCount(), 0);
  EXPECT_EQ(f.report.Title, "River");
  EXPECT_EQ(f.report.Statistics.Name, "Drinking water");
  // An empty report is cleared without a question.
  EXPECT_TRUE(f.page->clearReport());
  EXPECT_EQ(f.questions.size(), 1u);
}

TEST(ReportPage, PercentErrorsStillToBeGivenAreFramedRedAndElementsWithoutResultsTakeNone) {
  PageFixture f;
  // Zn shows in neither analysis: its group has no result, its δ is "-".
  f.report.AddExperiment(Experiment({{"Pb", 12.2}, {"Zn", -1.0}}));
  f.report.AddExperiment(Experiment({{"Pb", 14.4}, {"Zn", -1.0}}));
  f.page->resize(900, 400);
  f.page->show();
  QTableWidget* grid = f.page->grid();
  ASSERT_EQ(grid->rowCount(), 4);
  auto framed = [&](int row) {
    QCoreApplication::processEvents();
    const QImage shot = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(row, 5));
    const bool drawn = shot.pixelColor(cell.left(), cell.center().y()) == QColor(Qt::red) &&
                       shot.pixelColor(cell.center().x(), cell.top()) == QColor(Qt::red);
    EXPECT_EQ(drawn, grid->item(row, 5)->data(TReportPage::kRedFrameRole).toBool()) << "row " << row;
    return drawn;
  };
  // Pb's δ is still 0: framed until a whole percent is given.
  EXPECT_TRUE(framed(0));
  EXPECT_FALSE(framed(1));
  EditCell(grid, 0, 5, QStringLiteral("15"));
  EXPECT_FALSE(framed(0));
  EditCell(grid, 0, 5, QStringLiteral("0"));
  EXPECT_TRUE(framed(0));
  // Zn's δ cell shows "-" and takes no typing that would vanish.
  EXPECT_EQ(Cell(grid, 2, 5), QStringLiteral("-"));
  EXPECT_FALSE(grid->item(2, 5)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(framed(2));
  // With statistics δ comes from the record: no frame.
  emit f.page->statisticsList()->activated(1);
  EXPECT_FALSE(framed(0));
}
