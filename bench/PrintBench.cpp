// Printing to PDF and building the preview, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>

#include "PeakValue.h"
#include "TPrintChart.h"
#include "TPrintRenderer.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_print";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);
  return *a;
}

TPrintChart::Curve Curve(double scale) {
  TPrintChart::Curve c;
  c.Title = QStringLiteral("Sample");
  const double centres[4] = {-1000, -650, -450, -150};
  for (int i = 0; i <= 650; ++i) {
    const double x = -1200.0 + 2.0 * i;
    double y = 40.0 + 0.012 * (x + 1200.0);
    for (double m : centres) y += scale * 4 * std::exp(-std::pow((x - m) / 28.0, 2));
    c.Points.push_back({x, y});
  }
  const char* names[4] = {"Zn", "Cd", "Pb", "Cu"};
  for (int k = 0; k < 4; ++k) {
    TPeakRecord p;
    p.Name = names[k];
    const int centre = static_cast<int>((centres[k] + 1200.0) / 2.0);
    p.BeginIndex = centre - 45;
    p.EndIndex = centre + 45;
    p.CalcType = CalcByHeight;
    CalcPeakValue(c.Points, nullptr, p);
    c.Peaks.push_back(p);
  }
  return c;
}

// Ten A4 pages: per experiment a heading, a parameters table, a chart with
// peak marks and a data table.
TPrintDocument TenPages() {
  TPrintDocument d;
  d.push_back(TPrintBlock::Heading("Report", true));
  for (int e = 0; e < 10; ++e) {
    d.push_back(TPrintBlock::Heading("Sample " + std::to_string(e + 1), true));
    TTextTable params;
    params.Rows.push_back({"Parameter", "Value"});
    for (int r = 0; r < 8; ++r) params.Rows.push_back({"Parameter " + std::to_string(r), std::to_string(r * 100)});
    d.push_back(TPrintBlock::TableOf(params));
    d.push_back(TPrintBlock::ChartOf(0, 80));
    TTextTable data;
    data.Rows.push_back({"Database #", "Measurment type", "Zn, µA", "Cd, µA", "Pb, µA", "Cu, µA"});
    for (int r = 0; r < 20; ++r) data.Rows.push_back({std::to_string(r), "Sample", "6.03", "3.12", "4.52", "2.50"});
    d.push_back(TPrintBlock::TableOf(data));
  }
  return d;
}

void BM_TenPagesToPdf(benchmark::State& state) {
  app();
  TPrintChart chart;
  chart.setCurves({Curve(1.0), Curve(1.6), Curve(2.2)}, TPrintChart::Options());
  const TPrintDocument doc = TenPages();
  QTemporaryDir dir;
  int pages = 0;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(dir.filePath(QStringLiteral("ten.pdf")));
    const TPageSetup setup = TPrintRenderer::PrinterSetup(printer, TPageSetup());
    pages = TPrintRenderer::Print(printer, doc, setup, QFont(QStringLiteral("DejaVu Sans")),
                                  [&](QPainter& p, int, const QRect& r) { chart.draw(p, r); });
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_TenPagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TenPagesPreview(benchmark::State& state) {
  app();
  TPrintChart chart;
  chart.setCurves({Curve(1.0), Curve(1.6), Curve(2.2)}, TPrintChart::Options());
  const TPrintDocument doc = TenPages();
  TPageSetup setup;
  setup.PageWidth = 420;
  setup.PageHeight = 594;
  setup.Dpi = 420 / (210 / 25.4);
  for (auto _ : state) {
    auto pages = TPrintRenderer::Preview(doc, setup, QFont(QStringLiteral("DejaVu Sans")),
                                         [&](QPainter& p, int, const QRect& r) { chart.draw(p, r); });
    benchmark::DoNotOptimize(pages);
  }
}
BENCHMARK(BM_TenPagesPreview)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
