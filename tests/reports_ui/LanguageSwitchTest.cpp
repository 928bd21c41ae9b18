// The print window and the report page re-read their texts in place when the
// language switches: the printer, the margins and the report stay, the
// preview shows the pages in the new language, and nothing is left in the
// source language.
#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "PseudoTranslation.h"
#include "TMethodStat.h"
#include "TRepForm.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TReportStore.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using test::ScopedPseudoLanguage;
using test::untranslatedTexts;

namespace {

std::string Listed(const QStringList& texts) { return texts.join(QStringLiteral("\n")).toStdString(); }

// Symbols rather than words: the axis letters of the scales and the page
// arrows of the preview.
const QStringList kSymbols{"X", "Y", "<", ">"};

// A stripping curve on a background of about 40 µA with a Pb and a Cd peak.
std::shared_ptr<TVAStruct> Curve(int role, double scale) {
  auto c = std::make_shared<TVAStruct>(nullptr);
  TDataArr points;
  for (int i = 0; i <= 300; ++i) {
    const double x = -1200.0 + 4.0 * i;
    const double y = 40.0 + 0.01 * i +
                     scale * (3.0 * std::exp(-std::pow((x - (-650.0)) / 30.0, 2)) +
                              2.0 * std::exp(-std::pow((x - (-450.0)) / 30.0, 2)));
    points.push_back({x, y});
  }
  c->Data = points;
  c->Params.SetMeasurementType(role);
  c->AddPeak("Cd", 0, 115, 160);
  c->AddPeak("Pb", 0, 165, 210);
  return c;
}

TExpRec Experiment(const std::string& file, double pb, double cd) {
  TExpRec e;
  e.Name = file;
  e.ResUnitTop = 4;
  e.ResUnitBottom = 2;
  e.RecalcUnitTop = 4;
  e.RecalcUnitBottom = 2;
  e.AliquotVolume = 10;
  e.CellVolume = 10;
  e.DilutionFactor = 1;
  e.CalcMethod = 1;
  e.ElementResults.push_back({"Pb", pb, pb * 1e-6});
  e.ElementResults.push_back({"Cd", cd, cd * 1e-6});
  e.Curves = {Curve(1, 1.0), Curve(2, 1.8)};
  return e;
}

TMethodStat Statistics() {
  TMethodStat s;
  s.Name = "Drinking water";
  s.ResTop = 4;
  s.ResBottom = 2;
  s.Elements.push_back({"Pb", {{0.5, 50, 0.25, 0.7, 40}}});
  s.Elements.push_back({"Cd", {{0.1, 20, 0.3, 0.8, 35}}});
  return s;
}

TEST(ReportsLanguageSwitch, PrintWindowKeepsPrinterMarginsAndReportAndRedrawsThePages) {
  TReportRec report;
  report.Title = "Tap water";
  report.AddExperiment(Experiment("/data/tap-1.tvx", 12.5, 2.1));
  report.AddExperiment(Experiment("/data/tap-2.tvx", 13.1, 2.0));
  auto plot = std::make_unique<QCustomPlot>();
  plot->resize(800, 500);
  TRepForm form(plot.get());
  ASSERT_TRUE(form.selectPrinter(TRepForm::pdfPrinterName()));
  form.setReport(&report);
  form.show();
  form.setMargins(25, 35, 20, 15);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.previewPageCount() > 0; }, 2000));
  const QImage english = form.previewPage(0);
  QImage pseudo;
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&form, kSymbols)), "");
    // The PDF entry is still the chosen printer under its new caption.
    EXPECT_EQ(form.printerName(), TRepForm::pdfPrinterName());
    EXPECT_TRUE(form.printerName().startsWith(test::PseudoTranslator::Marker));
    EXPECT_EQ(form.pageSetup().LeftMm, 35);
    EXPECT_EQ(form.pageSetup().TopMm, 25);
    EXPECT_TRUE(form.findChild<QRadioButton*>("PrintReport")->isChecked());
    ASSERT_GT(form.previewPageCount(), 0);
    pseudo = form.previewPage(0);
    EXPECT_NE(pseudo, english);
  }
  EXPECT_EQ(form.printerName(), "PDF file");
  EXPECT_EQ(form.pageSetup().RightMm, 15);
  // The page shown is drawn anew, not the one of the other language.
  ASSERT_GT(form.previewPageCount(), 0);
  EXPECT_NE(form.previewPage(0), pseudo);
  // Printing still goes to the PDF file.
  test::TempDir dir;
  form.setPdfFile(QString::fromStdString((dir.path() / "report.pdf").string()));
  {
    ScopedPseudoLanguage language;
    EXPECT_GT(form.print(), 0);
  }
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "report.pdf"));
  form.close();
}

TEST(ReportsLanguageSwitch, ReportPageKeepsTheReportItsCommentsAndTheCurrentCell) {
  test::TempDir dir;
  TReportStore store(dir.path() / TReportStore::kFolderName);
  TReportRec report;
  TReportPage page(report, store);
  const TMethodStatArr records{Statistics()};
  page.setStatistics(&records);
  report.Title = "Tap water";
  report.AddExperiment(Experiment("/data/tap-1.tvx", 12.5, 2.1));
  report.AddExperiment(Experiment("/data/tap-2.tvx", 13.1, 2.0));
  page.refill();
  page.show();
  page.statisticsList()->setCurrentIndex(1);
  emit page.statisticsList()->activated(1);
  QApplication::processEvents();
  ASSERT_GE(page.grid()->rowCount(), 4);
  page.grid()->item(1, 1)->setText("second bottle");
  QApplication::processEvents();
  page.grid()->setCurrentCell(3, 1);
  const QString before = page.grid()->item(2, 2)->text();
  const QStringList data{"Tap water", "Drinking water"};
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&page, data)), "");
    EXPECT_EQ(page.statisticsList()->currentIndex(), 1);
    EXPECT_EQ(page.grid()->currentRow(), 3);
    EXPECT_EQ(page.grid()->item(1, 1)->text(), "second bottle");
    EXPECT_EQ(page.grid()->item(2, 2)->text(), before);
    EXPECT_EQ(page.titleEdit()->text(), "Tap water");
  }
  EXPECT_EQ(report.Statistics.Name, "Drinking water");
  EXPECT_EQ(report.Experiments.size(), 2u);
  EXPECT_FALSE(report.Saved);
  EXPECT_TRUE(store.List().empty());
  EXPECT_EQ(page.grid()->horizontalHeaderItem(1)->toolTip(), "Comments");
  EXPECT_EQ(page.statisticsList()->itemText(0), "Custom");
}

}  // namespace
