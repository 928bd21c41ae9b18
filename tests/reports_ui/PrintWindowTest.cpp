#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "PeakValue.h"
#include "TPrintChart.h"
#include "TPrintRenderer.h"
#include "TRepForm.h"

using namespace velmora;

namespace {

// Zn, Cd, Pb and Cu stripping peaks on a background of about 40 µA; the
// additions raise every peak by `scale`.
TPrintChart::Curve StrippingCurve(const QString& title, double scale) {
  TPrintChart::Curve c;
  c.Title = title;
  const double centres[4] = {-1000, -650, -450, -150};
  const double heights[4] = {6, 3, 4.5, 2.5};
  for (int i = 0; i <= 650; ++i) {
    const double x = -1200.0 + 2.0 * i;
    double y = 40.0 + 0.012 * (x + 1200.0);
    for (int k = 0; k < 4; ++k) y += scale * heights[k] * std::exp(-std::pow((x - centres[k]) / 28.0, 2));
    c.Points.push_back({x, y});
  }
  const char* names[4] = {"Zn", "Cd", "Pb", "Cu"};
  for (int k = 0; k < 4; ++k) {
    TPeakRecord p;
    p.Name = names[k];
    const int centre = static_cast<int>((centres[k] + 1200.0) / 2.0);
    p.BeginIndex = centre - 45;
    p.EndIndex = centre + 45;
    p.CalcType = k;  // height, area, minimum-maximum, bilinear
    CalcPeakValue(c.Points, nullptr, p);
    c.Peaks.push_back(p);
  }
  return c;
}

std::vector<TPrintChart::Curve> Experiment() {
  return {StrippingCurve("Sample", 1.0), StrippingCurve("Sample + addition 1", 1.6),
          StrippingCurve("Sample + addition 2", 2.2)};
}

TTextTable ParametersTable() {
  TTextTable t;
  t.Rows = {{"Parameter", "Value"},      {"Electrolysis potential, mV", "-1400"}, {"Electrolysis time, s", "60"},
            {"Sweep rate, mV/s", "100"}, {"Modulation", "Differential pulse"},    {"Cell volume, cm^3^", "10"}};
  return t;
}

TTextTable DataRows(int rows) {
  TTextTable t;
  t.Rows.push_back({"Database #", "Measurment type", "Zn, µA", "Cd, µA*mV", "Pb, µA", "Cu, µA"});
  t.MinWidthText = {"", "", "0.0000", "0.0000", "0.0000", "0.0000"};
  for (int r = 1; r <= rows; ++r) {
    t.Rows.push_back({std::to_string(1000 + r), r % 3 == 1 ? "Sample" : "Sample + addition " + std::to_string(r % 3),
                      "6.031" + std::to_string(r % 10), "152.27", "4.5200", "2.4977"});
  }
  return t;
}

// A document of several experiments, as the report of a working day prints.
TPrintDocument LongDocument(int experiments) {
  TPrintDocument d;
  d.push_back(TPrintBlock::Heading("Water analysis, laboratory 3", true));
  d.push_back(TPrintBlock::TextLine("Report date: 09.12.2026 14:30", 0, true));
  for (int e = 1; e <= experiments; ++e) {
    d.push_back(TPrintBlock::Heading("Sample " + std::to_string(e), true));
    d.push_back(TPrintBlock::TextLine("File name: river-" + std::to_string(e) + ".tvx"));
    d.push_back(TPrintBlock::Heading("Record parameters"));
    d.push_back(TPrintBlock::TableOf(ParametersTable()));
    d.push_back(TPrintBlock::ChartOf(0, 80));
    d.push_back(TPrintBlock::Heading("Data table"));
    d.push_back(TPrintBlock::TableOf(DataRows(12)));
  }
  d.push_back(TPrintBlock::NotesOf(
      "Notes", {"X_i_ - ion concentration in the sample for a single determination (with account for dilution, or "
                "mass concentration).",
                "X_med_ - medium ion concentration in the sample.",
                "R - absolute difference between parallel determination results.", "$д$ - percent error.",
                "$Д$ - absolute error of the measurement results.",
                "Dash in cell means that element concentration is lower than the detection limit."}));
  return d;
}

QCustomPlot* MainChartLike() {
  auto* plot = new QCustomPlot;
  plot->resize(900, 560);
  QCPGraph* g = plot->addGraph();
  for (const TDataPoint& p : StrippingCurve("Sample", 1.0).Points) g->addData(p.X, p.Y);
  plot->rescaleAxes();
  plot->replot();
  return plot;
}

bool IsPdf(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return false;
  return f.read(5) == "%PDF-" && f.size() > 1000;
}

int ColouredPixels(const QImage& img, const QColor& color) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == color;
  }
  return n;
}

}  // namespace

TEST(PrintWindow, PrintsTheCurrentChartIntoAPdfFile) {
  std::unique_ptr<QCustomPlot> plot(MainChartLike());
  QTemporaryDir dir;
  TRepForm form(plot.get());
  form.setJobTitle(QStringLiteral("Velmora-VA - river.tvx"));
  ASSERT_TRUE(form.selectPrinter(TRepForm::pdfPrinterName()));
  const QString file = dir.filePath(QStringLiteral("chart.pdf"));
  form.setPdfFile(file);
  EXPECT_EQ(form.print(), 1);
  EXPECT_TRUE(IsPdf(file));
  // The chart keeps its proportions across the printable width.
  const TPrintDocument doc = form.document();
  ASSERT_EQ(doc.size(), 1u);
  EXPECT_NEAR(doc[0].HeightMm, (210.0 - 30 - 15) * 560 / 900, 0.5);
}

TEST(PrintWindow, PreviewIsRebuiltWhenMarginsOrFontChange) {
  std::unique_ptr<QCustomPlot> plot(MainChartLike());
  TRepForm form(plot.get());
  form.selectPrinter(TRepForm::pdfPrinterName());
  form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.previewPageCount() > 0; }, 2000));
  ASSERT_EQ(form.previewPageCount(), 1);
  const QImage before = form.previewPage(0);
  EXPECT_NEAR(static_cast<double>(before.width()) / before.height(), 210.0 / 297.0, 0.01);
  form.setMargins(50, 60, 20, 40);
  const QImage after = form.previewPage(0);
  EXPECT_NE(before, after);
  // A wider left margin moves the chart to the right: the first ink column
  // lies further in.
  auto firstInk = [](const QImage& img) {
    for (int x = 2; x < img.width(); ++x) {
      for (int y = 2; y < img.height() - 2; ++y) {
        if (img.pixelColor(x, y) != QColor(Qt::white)) return x;
      }
    }
    return -1;
  };
  EXPECT_GT(firstInk(after), firstInk(before));
  EXPECT_EQ(form.pageSetup().LeftMm, 60);
  form.setFontSize(12);
  EXPECT_EQ(form.pageSetup().BaseFontSize, 12);
  EXPECT_EQ(form.previewPageCount(), 1);
  form.close();
}

TEST(PrintRenderer, LongDocumentPrintsTheSamePagesAsItsPreview) {
  TPrintChart chart;
  TPrintChart::Options o;
  chart.setCurves(Experiment(), o);
  const auto charts = [&](QPainter& p, int, const QRect& r) { chart.draw(p, r); };
  const TPrintDocument doc = LongDocument(5);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QTemporaryDir dir;
  QString file = dir.filePath(QStringLiteral("report.pdf"));
  if (qEnvironmentVariableIsSet("VELMORA_PRINT_SAMPLE")) file = qEnvironmentVariable("VELMORA_PRINT_SAMPLE");
  printer.setOutputFileName(file);
  TPageSetup margins;
  margins.BaseFontSize = 9;
  const TPageSetup setup = TPrintRenderer::PrinterSetup(printer, margins);
  EXPECT_NEAR(setup.PageWidth, 210 / 25.4 * printer.resolution(), 10);  // A4 in whole points
  const QFont font(QStringLiteral("DejaVu Sans"));
  const int pages = TPrintRenderer::Print(printer, doc, setup, font, charts);
  EXPECT_TRUE(IsPdf(file));
  // The preview at a tenth of the resolution breaks the pages alike.
  TPageSetup small = setup;
  small.PageWidth = 827;
  small.PageHeight = 1170;
  small.Dpi = 100;
  const std::vector<QImage> preview = TPrintRenderer::Preview(doc, small, font, charts);
  EXPECT_EQ(static_cast<int>(preview.size()), pages);
  EXPECT_GE(pages, 4);
}

TEST(PrintChart, PeaksAndBlackAndWhite) {
  TPrintChart chart;
  TPrintChart::Options o;
  chart.setCurves(Experiment(), o);
  ASSERT_EQ(chart.peakDrawing().Table.size(), 4u);
  QImage img(700, 467, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    chart.draw(p, img.rect());
  }
  EXPECT_GT(ColouredPixels(img, o.PeaksColor), 1000);            // the four bands
  EXPECT_GT(ColouredPixels(img, QColor(0x00, 0x80, 0x00)), 50);  // the first curve

  o.BlackAndWhite = true;
  chart.setCurves(Experiment(), o);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    chart.draw(p, img.rect());
  }
  EXPECT_EQ(ColouredPixels(img, o.PeaksColor), 0);
  EXPECT_EQ(ColouredPixels(img, QColor(0x00, 0x80, 0x00)), 0);
  EXPECT_EQ(ColouredPixels(img, QColor(0xff, 0x00, 0x00)), 0);

  o.Peaks = false;
  o.BlackAndWhite = false;
  chart.setCurves(Experiment(), o);
  EXPECT_TRUE(chart.peakDrawing().Table.empty());
}
