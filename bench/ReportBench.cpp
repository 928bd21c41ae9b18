// The "Report" print-out on the offscreen platform: the preview (layout and
// drawing) of a report of 20 experiments by calibration with their
// calibration charts, and the PDF of a report of about ten pages.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cmath>

#include "PeakValue.h"
#include "TReportPrinter.h"
#include "TReportRec.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_report";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);
  return *a;
}

const char* kNames[4] = {"Zn", "Cd", "Pb", "Cu"};
const double kCentres[4] = {-1000, -650, -450, -150};

// A sweep on a background of about 40 µA with four peaks of `scale`.
std::shared_ptr<TVAStruct> Curve(int role, double scale) {
  auto c = std::make_shared<TVAStruct>(nullptr);
  for (int i = 0; i <= 650; ++i) {
    const double x = -1200.0 + 2.0 * i;
    double y = 40.0 + 0.012 * (x + 1200.0);
    for (double m : kCentres) y += scale * 4 * std::exp(-std::pow((x - m) / 28.0, 2));
    c->Data.push_back({x, y});
  }
  c->Params.SetMeasurementType(role);
  for (int k = 0; k < 4; ++k) {
    const int centre = static_cast<int>((kCentres[k] + 1200.0) / 2.0);
    c->AddPeak(kNames[k], 0, centre - 45, centre + 45);
  }
  return c;
}

void Fill(TReportRec& report, int experiments) {
  report.Title = "Tap water, heavy metals";
  for (int e = 0; e < experiments; ++e) {
    TExpRec x;
    x.Name = "/data/sample" + std::to_string(e + 1) + ".tvx";
    x.ResUnitTop = x.RecalcUnitTop = 4;
    x.ResUnitBottom = x.RecalcUnitBottom = 2;
    x.AliquotVolume = x.CellVolume = 10;
    x.DilutionFactor = 1;
    x.CalcMethod = 5;
    x.PeakCalcType = 0;
    x.Curves = {Curve(1, 1.0 + 0.01 * e), Curve(0, 0.05)};
    for (int k = 0; k < 4; ++k) {
      x.ElementResults.push_back({kNames[k], 10.0 + k + 0.1 * e, (10.0 + k) * 1e-6});
      TSingleCalibration cal;
      cal.Name = kNames[k];
      cal.UnitTop = 4;
      cal.UnitBottom = 2;
      cal.CalcType = 0;
      for (double s : {0.5, 1.0, 2.0}) {
        auto standard = Curve(1, s);
        for (TPeakRecord& p : standard->Peaks) {
          p.GridValue = 10.0 * s;
          p.UnitTop = 4;
          p.UnitBottom = 2;
        }
        cal.Curves.push_back(standard);
      }
      x.Calibrations.push_back(cal);
    }
    report.AddExperiment(x);
  }
}

TReportPrinter::Settings Settings() {
  TReportPrinter::Settings s;
  s.Date = "09.12.2026 10:00";
  s.Chart.FontSize = s.Page.BaseFontSize;
  return s;
}

void BM_ReportPreview20Experiments(benchmark::State& state) {
  app();
  TReportRec report;
  Fill(report, 20);
  const TReportPrinter::Settings settings = Settings();
  std::size_t pages = 0;
  for (auto _ : state) {
    const auto images = TReportPrinter::Preview(report, settings, QSize(560, 792), 560 / 8.27);
    pages = images.size();
    benchmark::DoNotOptimize(pages);
  }
  state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_ReportPreview20Experiments)->Unit(benchmark::kMillisecond);

void BM_ReportPdfTenPages(benchmark::State& state) {
  app();
  TReportRec report;
  Fill(report, 8);  // about ten pages
  const TReportPrinter::Settings settings = Settings();
  QTemporaryDir dir;
  int pages = 0;
  for (auto _ : state) {
    pages = TReportPrinter::WritePdf(report, settings, dir.filePath(QStringLiteral("report.pdf")));
    benchmark::DoNotOptimize(pages);
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportPdfTenPages)->Unit(benchmark::kMillisecond);

}  // namespace
