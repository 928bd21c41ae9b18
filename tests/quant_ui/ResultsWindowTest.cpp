// The Results window, the hand-typed control result and the control chart
// window over an SQLite archive.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <algorithm>
#include <fstream>
#include <set>

#include "ArchiveTime.h"
#include "ControlChartPlot.h"
#include "ControlChartWindow.h"
#include "ControlResultDialog.h"
#include "ResultsTableModel.h"
#include "ResultsWindow.h"
#include "SqlResultsArchive.h"
#include "TempDir.h"
#include "WestgardRules.h"

using namespace velmora;
using velmora::test::TempDir;
namespace fs = std::filesystem;

namespace {

const std::int64_t kDay = 86400000;
const std::int64_t kStart = *ArchiveTime::Parse("2025-01-01T09:00Z");

class ResultsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    archive = std::make_unique<SqlResultsArchive>(ArchiveAddress::SqliteFile((dir / "Results.sqlite").string()));
  }
  ArchiveRow Row(const char* sample, const char* control, const char* element, double value, int day) {
    ArchiveRow r;
    r.Sample = sample;
    r.Control = control;
    r.Element = element;
    r.Value = value;
    r.Unit = "mg/dm³";
    r.Method = 1;
    r.Operator = "ana";
    r.TimeMs = kStart + day * kDay;
    return r;
  }
  void Add(std::vector<ArchiveRow> rows) { archive->Add(rows); }
  // A control series: 20 around 10, then breaches of 1-3s, 2-2s and R-4s.
  void ControlSeries(bool simulatedTail) {
    std::vector<ArchiveRow> rows;
    for (int i = 0; i < 20; ++i) rows.push_back(Row("", "QC low", "Cd", i % 2 ? 10.2 : 9.8, i));
    const double tail[] = {10.8, 10.1, 10.5, 10.5, 9.4, 10.0};
    for (int i = 0; i < 6; ++i) {
      rows.push_back(Row("", "QC low", "Cd", tail[i], 20 + i));
      rows.back().Simulated = simulatedTail;
    }
    Add(rows);
  }
  static int Select(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    return index;
  }

  TempDir dir;
  std::unique_ptr<SqlResultsArchive> archive;
};

TEST_F(ResultsWindowTest, FiltersSortsAndMarksSimulatedResults) {
  std::vector<ArchiveRow> rows{Row("River", "", "Cd", 3.0, 0), Row("River", "", "Pb", 1.0, 1),
                               Row("Lake", "", "Cd", 2.0, 5), Row("", "QC low", "Cd", 10.0, 6)};
  rows[2].Simulated = true;
  rows[3].Operator = "boris";
  rows[3].Method.reset();
  Add(rows);
  ResultsWindow window(archive.get(), "ana");
  window.refresh();
  EXPECT_EQ(window.model().rowCount(), 4);

  ASSERT_GE(Select(window.elementList(), "Cd"), 0);
  EXPECT_EQ(window.model().rowCount(), 3);
  ASSERT_GE(Select(window.sampleList(), "River"), 0);
  EXPECT_EQ(window.model().rowCount(), 1);
  Select(window.sampleList(), window.sampleList()->itemText(0));  // (any)
  ASSERT_GE(Select(window.operatorList(), "boris"), 0);
  EXPECT_EQ(window.model().rowCount(), 1);
  Select(window.operatorList(), window.operatorList()->itemText(0));
  // Dates: from the third day on (local calendar).
  window.fromDate()->setDate(QDateTime::fromMSecsSinceEpoch(kStart + 3 * kDay).date());
  window.fromBox()->setChecked(true);
  EXPECT_EQ(window.model().rowCount(), 2);
  window.fromBox()->setChecked(false);
  EXPECT_EQ(window.model().rowCount(), 3);

  // Sorted by value through the view; the simulated row is marked.
  window.view()->sortByColumn(ResultsTableModel::Value, Qt::AscendingOrder);
  QAbstractItemModel* shown = window.view()->model();
  EXPECT_EQ(shown->index(0, ResultsTableModel::Sample).data().toString(), "Lake");
  EXPECT_EQ(shown->index(2, ResultsTableModel::Control).data().toString(), "QC low");
  EXPECT_EQ(shown->index(0, ResultsTableModel::Simulated).data().toString(), "simulated");
  EXPECT_TRUE(shown->index(0, ResultsTableModel::Value).data(Qt::FontRole).value<QFont>().italic());
  EXPECT_EQ(shown->index(1, ResultsTableModel::Simulated).data().toString(), "");
  EXPECT_EQ(shown->index(2, ResultsTableModel::Method).data().toString(), "typed in");
}

TEST_F(ResultsWindowTest, ExportsTheSelectionOrEverythingListed) {
  Add({Row("A", "", "Cd", 1.0, 0), Row("B", "", "Cd", 2.0, 1), Row("C", "", "Cd", 3.0, 2)});
  ResultsWindow window(archive.get(), "ana");
  window.refresh();
  const fs::path all = dir / "all.csv", two = dir / "two.csv", book = dir / "two.xlsx";
  ASSERT_TRUE(window.exportTo(QString::fromStdString(all.string())));
  window.view()->selectRow(0);
  window.view()->selectionModel()->select(window.view()->model()->index(2, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(window.selectedRows().size(), 2u);
  ASSERT_TRUE(window.exportTo(QString::fromStdString(two.string())));
  ASSERT_TRUE(window.exportTo(QString::fromStdString(book.string())));
  const std::string whole = TempDir::readFile(all), part = TempDir::readFile(two);
  EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 4);
  EXPECT_EQ(std::count(part.begin(), part.end(), '\n'), 3);
  // Newest first as listed: C, then A.
  EXPECT_LT(part.find(",C,"), part.find(",A,"));
  EXPECT_EQ(TempDir::readFile(book).substr(0, 2), "PK");
}

TEST_F(ResultsWindowTest, AControlResultTypedByHandIsArchived) {
  ResultsWindow window(archive.get(), "ana");
  window.setDialogRunner([](QDialog& d) {
    auto& dialog = static_cast<ControlResultDialog&>(d);
    QPushButton* ok = dialog.buttons()->button(QDialogButtonBox::Ok);
    dialog.controlBox()->setEditText("QC high");
    dialog.elementBox()->setEditText("Pb");
    dialog.valueEdit()->setText("abc");
    EXPECT_FALSE(ok->isEnabled());  // not a number: framed in red, OK refused
    EXPECT_FALSE(dialog.valueEdit()->styleSheet().isEmpty());
    dialog.valueEdit()->setText("12,5");  // a decimal comma reads too
    dialog.uncertaintyEdit()->setText("0.4");
    EXPECT_TRUE(ok->isEnabled());
    return true;
  });
  ASSERT_TRUE(window.addControlResult());
  const auto rows = archive->Query({});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Control, "QC high");
  EXPECT_EQ(rows[0].Element, "Pb");
  EXPECT_EQ(rows[0].Value, 12.5);
  EXPECT_EQ(rows[0].Uncertainty, 0.4);
  EXPECT_EQ(rows[0].Operator, "ana");
  EXPECT_FALSE(rows[0].Method);
  EXPECT_EQ(window.model().rowCount(), 1);
  // Cancelled: nothing more.
  window.setDialogRunner([](QDialog&) { return false; });
  EXPECT_FALSE(window.addControlResult());
  EXPECT_EQ(archive->Query({}).size(), 1u);
}

TEST_F(ResultsWindowTest, TheControlChartShowsTheBreachesWithLabelsClearOfEachOther) {
  ControlSeries(true);
  ControlChartWindow window(archive.get());
  window.resize(1100, 600);
  window.show();
  window.showChart("QC low", "Cd");
  ASSERT_TRUE(window.chart());
  const ControlChart& chart = *window.chart();
  ASSERT_EQ(chart.Points.size(), 26u);
  EXPECT_EQ(chart.Limits.FromResults, 20u);
  EXPECT_EQ(window.breaches()->rowCount(), static_cast<int>(chart.Breaking()));
  std::set<std::string> rules;
  for (const auto& p : chart.Points)
    for (const std::string& r : WestgardRules::Names(p.Rules)) rules.insert(r);
  EXPECT_GE(rules.size(), 4u);  // 1-2s, 1-3s, 2-2s, R-4s

  window.plot()->replot();
  const auto labels = window.drawing().ruleLabels();
  ASSERT_EQ(labels.size(), chart.Breaking());
  std::vector<QRectF> boxes;
  QFontMetrics metrics(labels.front()->font());
  for (QCPItemText* label : labels) {
    if (!label->visible()) continue;
    const QPointF at = label->position->pixelPosition();
    boxes.emplace_back(at, QSizeF(metrics.horizontalAdvance(label->text()), metrics.height()));
  }
  EXPECT_GE(boxes.size(), 3u);
  for (std::size_t i = 0; i < boxes.size(); ++i)
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      EXPECT_FALSE(boxes[i].adjusted(1, 1, -1, -1).intersects(boxes[j].adjusted(1, 1, -1, -1)));
  // The simulated results are ringed and named in the legend.
  bool simulatedInLegend = false;
  for (int i = 0; i < window.plot()->graphCount(); ++i)
    if (window.plot()->graph(i)->name().contains("Simulated"))
      simulatedInLegend = window.plot()->graph(i)->dataCount() == 6;
  EXPECT_TRUE(simulatedInLegend);

  // Entered limits: wide enough, nothing breaks.
  window.estimateBox()->setChecked(false);
  window.targetEdit()->setText("10");
  window.sdEdit()->setText("5");
  window.refresh();
  ASSERT_TRUE(window.chart());
  EXPECT_EQ(window.chart()->Breaking(), 0u);
  EXPECT_EQ(window.breaches()->rowCount(), 0);
  window.sdEdit()->setText("0");
  window.refresh();
  EXPECT_FALSE(window.chart());

  const fs::path png = dir / "chart.png", svg = dir / "chart.svg";
  window.estimateBox()->setChecked(true);
  EXPECT_TRUE(window.exportTo(QString::fromStdString(png.string())));
  EXPECT_TRUE(window.exportTo(QString::fromStdString(svg.string())));
  EXPECT_GT(fs::file_size(png), 1000u);
  EXPECT_NE(TempDir::readFile(svg).find("<svg"), std::string::npos);
}

}  // namespace
