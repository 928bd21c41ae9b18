#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "TReportPrinter.h"
#include "TReportRec.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

const char* kNames[3] = {"Zn", "Cd", "Pb"};
const double kCentres[3] = {-1000, -650, -450};

// A sweep on a background of about 40 µA with three stripping peaks.
std::shared_ptr<TVAStruct> Curve(int role, double scale) {
  auto c = std::make_shared<TVAStruct>(nullptr);
  for (int i = 0; i <= 500; ++i) {
    const double x = -1200.0 + 2.0 * i;
    double y = 40.0 + 0.012 * (x + 1200.0);
    for (double m : kCentres) y += scale * 4 * std::exp(-std::pow((x - m) / 28.0, 2));
    c->Data.push_back({x, y});
  }
  c->Params.SetMeasurementType(role);
  for (int k = 0; k < 3; ++k) {
    const int centre = static_cast<int>((kCentres[k] + 1200.0) / 2.0);
    c->AddPeak(kNames[k], 0, centre - 45, centre + 45);
  }
  return c;
}

// Analyses by standard additions, results in µg/dm³.
void Fill(TReportRec& report, int experiments) {
  report.Title = "Tap water, heavy metals";
  for (int e = 0; e < experiments; ++e) {
    TExpRec x;
    x.Name = "/data/tap" + std::to_string(e + 1) + ".tvx";
    x.ResUnitTop = x.RecalcUnitTop = 4;
    x.ResUnitBottom = x.RecalcUnitBottom = 2;
    x.AliquotVolume = x.CellVolume = 10;
    x.DilutionFactor = 1;
    x.CalcMethod = 0;
    x.PeakCalcType = 0;
    x.Curves = {Curve(1, 1.0 + 0.02 * e), Curve(2, 1.8 + 0.02 * e), Curve(0, 0.05)};
    for (int k = 0; k < 3; ++k) x.ElementResults.push_back({kNames[k], 10.0 + k + 0.3 * e, (10.0 + k) * 1e-6});
    report.AddExperiment(x);
  }
}

struct PrintFixture {
  std::unique_ptr<QCustomPlot> plot = std::make_unique<QCustomPlot>();
  TReportRec report;
  std::unique_ptr<TRepForm> form;

  explicit PrintFixture(int experiments) {
    plot->resize(900, 560);
    Fill(report, experiments);
    form = std::make_unique<TRepForm>(plot.get());
    form->selectPrinter(TRepForm::pdfPrinterName());
    form->setReport(&report);
    form->resize(1000, 800);
    form->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->previewPageCount() > 0; }, 2000));
  }
  QCheckBox* option(const char* name) const { return form->reportOptions()->box(name); }
};

}  // namespace

TEST(PrintReport, OptionsAndFontSizeRebuildThePreviewAndThePrintMatchesIt) {
  PrintFixture f(3);
  ASSERT_TRUE(f.form->reportChosen());
  // The report's own options show, the other print-outs' are hidden.
  EXPECT_TRUE(f.form->reportOptions()->isVisible());
  EXPECT_FALSE(f.form->options()->isVisible());
  EXPECT_TRUE(f.option("OptNotes")->isVisible());
  EXPECT_FALSE(f.option("OptEquation")->isVisible());
  const int full = f.form->previewPageCount();
  EXPECT_GE(full, 3);  // three analyses with two charts, tables and parameters

  // Without the per-analysis blocks only the title, the tables and the
  // notes remain: one page.
  for (const char* name : {"OptDiagram", "OptCalcChart", "OptRecordParameters", "OptInitialDataTable"})
    f.option(name)->setChecked(false);
  EXPECT_EQ(f.form->previewPageCount(), 1);
  EXPECT_EQ(f.form->shownPage(), 0);

  // The options of the other print-outs do not touch the report.
  f.form->options()->box("OptDiagram")->setChecked(true);
  EXPECT_EQ(f.form->previewPageCount(), 1);

  f.option("OptDiagram")->setChecked(true);
  const int withCharts = f.form->previewPageCount();
  EXPECT_GT(withCharts, 1);
  // Taller charts and larger print need more pages.
  f.form->reportOptions()->findChild<QSpinBox*>(QStringLiteral("OptDiagramHeight"))->setValue(150);
  const int tall = f.form->previewPageCount();
  EXPECT_GT(tall, withCharts);
  f.form->setFontSize(18);
  f.option("OptRecordParameters")->setChecked(true);
  const int large = f.form->previewPageCount();
  f.form->setFontSize(6);
  EXPECT_LT(f.form->previewPageCount(), large);

  // The printed PDF breaks its pages as the preview does.
  QTemporaryDir dir;
  f.form->setPdfFile(dir.filePath(QStringLiteral("report.pdf")));
  EXPECT_EQ(f.form->print(), f.form->previewPageCount());
}

TEST(PrintReport, ChoosingReportOnAnEmptyReportOffersToAddTheCalculation) {
  PrintFixture f(0);
  auto* reportOut = f.form->findChild<QRadioButton*>(QStringLiteral("PrintReport"));
  auto* chartOut = f.form->findChild<QRadioButton*>(QStringLiteral("PrintCurrentChart"));
  ASSERT_TRUE(reportOut && chartOut);
  // An empty report opens on "Current chart".
  EXPECT_TRUE(chartOut->isChecked());
  EXPECT_FALSE(f.form->reportChosen());

  int asked = 0;
  bool yes = false;
  f.form->askAddCalculation = [&] {
    ++asked;
    return yes;
  };
  QSignalSpy requested(f.form.get(), &TRepForm::addCalculationRequested);
  // No: back on "Current chart", the window stays.
  reportOut->click();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(chartOut->isChecked());
  EXPECT_TRUE(f.form->isVisible());
  EXPECT_EQ(requested.count(), 0);
  EXPECT_EQ(f.form->previewPageCount(), 1);  // the chart page

  // Yes: the calculation is asked for and the window closes.
  yes = true;
  reportOut->click();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(requested.count(), 1);
  EXPECT_FALSE(f.form->isVisible());
  EXPECT_EQ(f.form->result(), QDialog::Rejected);
}

TEST(PrintReport, AReportWithAnalysesIsChosenWithoutAQuestion) {
  PrintFixture f(1);
  int asked = 0;
  f.form->askAddCalculation = [&] {
    ++asked;
    return true;
  };
  auto* chartOut = f.form->findChild<QRadioButton*>(QStringLiteral("PrintCurrentChart"));
  auto* reportOut = f.form->findChild<QRadioButton*>(QStringLiteral("PrintReport"));
  chartOut->click();
  EXPECT_FALSE(f.form->reportChosen());
  EXPECT_FALSE(f.form->reportOptions()->isVisible());
  reportOut->click();
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(f.form->reportChosen());
  EXPECT_TRUE(f.form->isVisible());
}

TEST(PrintReport, APdfWithANameAsLongAsTheFolderAllowsReplacesThePreviousOne) {
  TReportRec report;
  Fill(report, 1);
  QTemporaryDir dir;
  // 125 Cyrillic letters and ".pdf": 254 bytes, one short of the limit.
  const QString name = QString(125, QChar(0x0416)) + QStringLiteral(".pdf");
  ASSERT_EQ(QFile::encodeName(name).size(), 254);
  const QString path = dir.filePath(name);
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
  }
  const int pages = TReportPrinter::WritePdf(report, TReportPrinter::Settings{}, path, 72);
  EXPECT_GT(pages, 0);
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}
