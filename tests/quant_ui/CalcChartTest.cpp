#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "ICalibrationLookup.h"
#include "NumberFormat.h"
#include "TCalcChart.h"
#include "TCalcSeriePlot.h"
#include "TPluginsManager.h"
#include "TStatForm.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

struct Peak {
  const char* Name;
  double Value;
  double AddConc = 1.0;
};

// Curve records of one calculation, with cached peak values.
class Curves {
 public:
  TVAStruct& Add(int role, std::vector<Peak> peaks) {
    auto c = std::make_unique<TVAStruct>();
    c->Params.SetMeasurementType(role);
    c->ResUnitTop = c->RecalcUnitTop = 5;  // mg/dm³
    c->ResUnitBottom = c->RecalcUnitBottom = 2;
    for (const Peak& p : peaks) {
      TPeakRecord r;
      r.Name = p.Name;
      r.PeakValue = p.Value;
      r.ValueValid = 1;
      r.AdditionConc = p.AddConc;
      r.CalcType = 0;
      c->Peaks.push_back(r);
    }
    owned_.push_back(std::move(c));
    return *owned_.back();
  }
  // The method and the volumes (aliquot, cell, additions, reference) of all.
  void Set(int method, double vc, std::vector<double> additions, double vr = 0.0) {
    for (auto& c : owned_) {
      c->CalculationMethod = method;
      c->Volumes[0] = 10.0;
      c->Volumes[1] = 1.0;
      c->Volumes[5] = vc;
      for (std::size_t k = 0; k < 3; ++k) c->Volumes[6 + k] = k < additions.size() ? additions[k] : 0.0;
      c->Volumes[9] = vr;
    }
  }
  std::vector<TVAStruct*> All() const {
    std::vector<TVAStruct*> out;
    for (const auto& c : owned_) out.push_back(c.get());
    return out;
  }

 private:
  std::vector<std::unique_ptr<TVAStruct>> owned_;
};

// The chart window over `curves`, refreshed.
struct Chart {
  TPluginsManager hub;
  std::vector<TVAStruct*> shown;
  TStatForm form{hub};

  explicit Chart(const Curves& curves, const ICalibrationLookup* calibrations = nullptr) : shown(curves.All()) {
    TVAStruct::SetPeakEvaluator(nullptr);
    form.setCurveSource([this] { return shown; });
    form.calculation().SetCalibrations(calibrations);
    form.Refresh();
  }
  const TCalcSerie& Serie(int element) const { return form.plot(element).serie(); }
  double CellResult(int element) { return form.calculation().Elements()[static_cast<std::size_t>(element)].CellResult; }
};

void ExpectPoints(const TCalcSerie& s, std::vector<TDataPoint> expected) {
  ASSERT_EQ(s.Points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(s.Points[i].X, expected[i].X, 1e-12) << "point " << i;
    EXPECT_NEAR(s.Points[i].Y, expected[i].Y, 1e-12) << "point " << i;
  }
}

// The line meets the background level `level` where the table's result
// lies off the concentration axis, at x = -result, and the result mark
// sits there.
void ExpectExtrapolatesTo(const TCalcSerie& s, double result, double level) {
  ASSERT_GT(result, 0.0);
  ASSERT_GT(s.Slope, 0.0);
  EXPECT_NEAR(s.Intercept + s.Slope * -result, level, 1e-9);
  ASSERT_EQ(s.ResultMark.size(), 1u);
  EXPECT_NEAR(s.ResultMark[0].X, -result, 1e-12);
}

// The line reaches the sample's signal `signal` at the table's result, the
// reading's level line turns down there and the result mark sits below.
void ExpectReadsAt(const TCalcSerie& s, double result, double signal) {
  ASSERT_GT(result, 0.0);
  ASSERT_NE(s.Slope, 0.0);
  EXPECT_NEAR(s.Intercept + s.Slope * result, signal, 1e-9);
  ASSERT_EQ(s.LevelLine.size(), 3u);
  EXPECT_NEAR(s.LevelLine[1].X, result, 1e-12);
  EXPECT_NEAR(s.LevelLine[1].Y, signal, 1e-12);
  ASSERT_EQ(s.ResultMark.size(), 1u);
  EXPECT_NEAR(s.ResultMark[0].X, result, 1e-12);
}

// A calibration of Pb stored as y = 1 + 2x (mg/dm³) on two standards.
class LeadCalibration : public ICalibrationLookup {
 public:
  LeadCalibration() {
    for (double conc : {1.0, 3.0}) {
      TVAStruct& c = standards_.Add(2, {{"Pb", 1 + 2 * conc}});
      c.Peaks[0].GridValue = conc;
      c.Peaks[0].UnitTop = 5;
      c.Peaks[0].UnitBottom = 2;
    }
  }
  double ConcentrationFromCalibration(const std::string& name, std::int32_t, std::int32_t,
                                      double signal) const override {
    return name == "Pb" ? (signal - 1.0) / 2.0 : -1.0;
  }
  bool ActiveCalibration(const std::string& name, TCalibrationCurves& out) const override {
    if (name != "Pb") return false;
    out.Name = name;
    out.UnitTop = 5;
    out.UnitBottom = 2;
    out.CalcType = 0;
    out.Curves = standards_.All();
    return true;
  }

 private:
  Curves standards_;
};

TEST(CalcChart, EveryMethodDrawsThePointsLineAndResultOfItsTable) {
  const double ib = 1.0, i0 = 10.0, i1 = 16.0, i2 = 22.0, i3 = 28.0, c = 1.0;
  const double vc = 20.0, v1 = 0.05, v2 = 0.05, v3 = 0.05;

  // One addition: the blank, the sample and two additions are shown; the
  // method reads the sample and its first addition only, the addition's
  // signal referred to the cell volume before it was added.
  {
    Curves curves;
    curves.Add(0, {{"Pb", ib}});
    curves.Add(1, {{"Pb", i0}});
    curves.Add(2, {{"Pb", i1}});
    curves.Add(3, {{"Pb", i2}});
    curves.Set(0, vc, {v1});
    Chart chart(curves);
    ASSERT_TRUE(chart.form.calculation().RequirementsMet());
    const double result = chart.CellResult(0);
    const TCalcSerie& s = chart.Serie(0);
    ExpectPoints(s, {{0.0, i0}, {c * v1 / vc, ib + (i1 - ib) * (vc + v1) / vc}});
    ExpectExtrapolatesTo(s, result, ib);
  }
  // Standard additions: every addition at the concentration added to the
  // cell, the least-squares line.
  {
    Curves curves;
    curves.Add(0, {{"Pb", ib}});
    curves.Add(1, {{"Pb", i0}});
    curves.Add(2, {{"Pb", i1}});
    curves.Add(3, {{"Pb", i2 + 0.4}});
    curves.Set(1, vc, {v1, v2});
    Chart chart(curves);
    ASSERT_TRUE(chart.form.calculation().RequirementsMet());
    ExpectPoints(chart.Serie(0), {{0.0, i0}, {c * v1 / (vc + v1), i1}, {c * (v1 + v2) / (vc + v1 + v2), i2 + 0.4}});
    ExpectExtrapolatesTo(chart.Serie(0), chart.CellResult(0), ib);
  }
  // Three additions (Hg): the additions less the diluted sample's share,
  // the line of the averaged pairwise slopes and intercepts, read at the
  // sample's signal less the blank's.
  {
    Curves curves;
    curves.Add(0, {{"Pb", ib}});
    curves.Add(1, {{"Pb", i0}});
    curves.Add(2, {{"Pb", i1}});
    curves.Add(3, {{"Pb", i2 - 0.3}});
    curves.Add(4, {{"Pb", i3}});
    curves.Set(2, vc, {v1, v2, v3});
    Chart chart(curves);
    ASSERT_TRUE(chart.form.calculation().RequirementsMet());
    const double s1 = vc + v1, s2 = s1 + v2, s3 = s2 + v3;
    const double x[3] = {c * v1 / s1, c * (v1 + v2) / s2, c * (v1 + v2 + v3) / s3};
    const double y[3] = {i1 - i0 * vc / s1, i2 - 0.3 - i0 * vc / s2, i3 - i0 * vc / s3};
    ExpectPoints(chart.Serie(0), {{x[0], y[0]}, {x[1], y[1]}, {x[2], y[2]}});
    double slope = 0.0;
    const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& p : pairs) slope += (y[p[1]] - y[p[0]]) / (x[p[1]] - x[p[0]]) / 3.0;
    EXPECT_NEAR(chart.Serie(0).Slope, slope, 1e-9);
    ExpectReadsAt(chart.Serie(0), chart.CellResult(0), i0 - ib);
  }
  // Comparative: the line through the blank and the reference, read at the
  // sample's signal.
  {
    Curves curves;
    curves.Add(0, {{"Pb", ib}});
    curves.Add(1, {{"Pb", i0}});
    curves.Add(5, {{"Pb", i2, 2.0}});
    curves.Set(3, vc, {}, 0.1);
    for (TVAStruct* curve : curves.All()) curve->Peaks[0].AdditionConc = 2.0;
    Chart chart(curves);
    ASSERT_TRUE(chart.form.calculation().RequirementsMet());
    ExpectPoints(chart.Serie(0), {{0.0, ib}, {2.0, i2}});
    ExpectReadsAt(chart.Serie(0), chart.CellResult(0), i0);
  }
  // By calibration: the calibration's line, read at the sample's signal
  // less the blank's.
  {
    LeadCalibration calibration;
    Curves curves;
    curves.Add(0, {{"Pb", ib}});
    curves.Add(1, {{"Pb", i0}});
    curves.Set(5, vc, {});
    Chart chart(curves, &calibration);
    ASSERT_TRUE(chart.form.calculation().RequirementsMet());
    EXPECT_NEAR(chart.CellResult(0), (i0 - ib - 1.0) / 2.0, 1e-12);
    ExpectPoints(chart.Serie(0), {{1.0, 3.0}, {3.0, 7.0}});
    ExpectReadsAt(chart.Serie(0), chart.CellResult(0), i0 - ib);
  }
}

TEST(CalcChart, WhatTheTableCannotShowTheChartDoesNotDraw) {
  // Mixed abscissa types leave the calibration-curve table empty: so is the
  // chart, and it says why.
  Curves curves;
  curves.Add(1, {{"Cd", 4}}).Params.SetCleaningPotential(-300);
  curves.Add(1, {{"Cd", 6}}).Params.SetCleaningPotential(-200);
  curves.Set(4, 10.0, {});
  curves.All()[0]->CalibrationType = 3;
  curves.All()[1]->CalibrationType = 0;
  Chart chart(curves);
  EXPECT_EQ(chart.form.calculation().CalibrationType(), -1);
  ASSERT_EQ(chart.form.serieCount(), 1);
  EXPECT_TRUE(chart.Serie(0).Points.empty());
  EXPECT_FALSE(chart.form.calcChart().emptyReason().isEmpty());
  // One type for both: the two curves' line, and nothing to explain.
  curves.All()[1]->CalibrationType = 3;
  chart.form.Refresh();
  EXPECT_EQ(chart.Serie(0).Points.size(), 2u);
  EXPECT_TRUE(chart.form.calcChart().emptyReason().isEmpty());

  // A blank and a sample with a missing cell volume: the one-addition
  // table has no result, the chart no result mark.
  Curves lone;
  lone.Add(1, {{"Pb", 10}});
  lone.Add(2, {{"Pb", 20}});
  lone.Set(0, 0.0, {0.1});
  Chart missing(lone);
  EXPECT_FALSE(missing.form.calculation().RequirementsMet());
  EXPECT_TRUE(missing.Serie(0).ResultMark.empty());
  EXPECT_TRUE(missing.Serie(0).Line.empty());
  EXPECT_TRUE(missing.form.calcChart().readout().isEmpty());
}

// --- The marks on screen ------------------------------------------------------------

QRectF BoxOf(const QCPItemText* t) { return QRectF(t->topLeft->pixelPosition(), t->bottomRight->pixelPosition()); }

// Cd, Pb and Cu by standard additions: the sample, three additions and a
// reference, two parallels each, the signals of the three elements within a
// few tenths of a µA, so the points of an addition crowd together.
Curves CrowdedAdditions() {
  Curves curves;
  const double slopes[] = {3.1, 3.2, 3.0};
  const double blanks[] = {1.10, 1.16, 1.24};
  const char* names[] = {"Cd", "Pb", "Cu"};
  for (int role = 1; role <= 5; ++role) {
    for (double d : {-0.02, 0.025}) {
      std::vector<Peak> peaks;
      const double x = 0.1 * (role - 1);  // C = 10, 0.1 cm³ each into 10 cm³: about 0.1 per addition
      for (int e = 0; e < 3; ++e) peaks.push_back({names[e], blanks[e] + slopes[e] * x + d, 10.0});
      curves.Add(role, peaks);
    }
  }
  curves.Set(1, 10.0, {0.1, 0.1, 0.1}, 0.1);
  return curves;
}

TEST(CalcChart, FourAdditionsOfThreeElementsWithParallelsKeepTheirValuesLegibleOnScreen) {
  const Curves curves = CrowdedAdditions();
  Chart chart(curves);
  // The size of the chart docked into the calculation window.
  chart.form.resize(560, 520);
  chart.form.show();
  QApplication::processEvents();
  chart.form.Refresh();
  QApplication::processEvents();
  if (const char* dir = std::getenv("VELMORA_LABELS_SAMPLE"))
    chart.form.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("additions-screen.png")));

  const QCustomPlot& plot = *chart.form.chart();
  const QRectF frame = plot.axisRect()->rect();
  std::vector<const QCPItemText*> shown;
  std::vector<QString> hidden;
  std::vector<QPointF> points;
  int marks = 0;
  std::set<QString> texts;
  for (int i = 0; i < chart.form.serieCount(); ++i) {
    for (const TDataPoint& q : chart.Serie(i).Points)
      points.push_back({plot.xAxis->coordToPixel(q.X), plot.yAxis->coordToPixel(q.Y)});
    for (const TCalcSeriePlot::Mark& m : chart.form.plot(i).marks()) {
      ++marks;
      texts.insert(m.Item->text());
      if (m.Item->visible()) {
        shown.push_back(m.Item);
      } else {
        hidden.push_back(m.Item->text());
      }
    }
  }
  // Thirty values and three results.
  EXPECT_EQ(marks, 33);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const QRectF a = BoxOf(shown[i]);
    const std::string t = shown[i]->text().toStdString();
    EXPECT_TRUE(frame.contains(a)) << t << " leaves the plot";
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(a.intersects(BoxOf(shown[j]))) << t << " on " << shown[j]->text().toStdString();
    for (const QPointF& q : points)
      EXPECT_FALSE(a.intersects(QRectF(q.x() - 3.5, q.y() - 3.5, 7, 7))) << t << " covers a point";
  }
  // Only a value that a neighbour shows as well may go.
  for (const QString& t : hidden) {
    bool said = false;
    for (const QCPItemText* s : shown) said = said || s->text() == t;
    EXPECT_TRUE(said) << t.toStdString() << " is lost";
  }
  EXPECT_LE(static_cast<int>(hidden.size()), marks - static_cast<int>(texts.size()));
  chart.form.hide();
}

TEST(CalcChart, TheConcentrationsFoundReadOutInTheTablesDigitsAndUnits) {
  const Curves curves = CrowdedAdditions();
  Chart chart(curves);
  const QStringList lines = chart.form.calcChart().readout();
  ASSERT_EQ(lines.size(), 3);
  const TElementsArr& rows = chart.form.calculation().Elements();
  for (int e = 0; e < 3; ++e) {
    const TCalcElement& row = rows[static_cast<std::size_t>(e)];
    ASSERT_GT(row.CellResult, 0.0);
    // "C(Cd) = 0.0355 ± 0.0020 mg/dm³": the table's digits, the spread of
    // the regression and the result units.
    EXPECT_TRUE(lines[e].startsWith(QStringLiteral("C(%1) = ").arg(QString::fromStdString(row.Name))))
        << lines[e].toStdString();
    EXPECT_TRUE(lines[e].contains(QString::fromStdString(NumberFormat::Peak(row.CellResult))))
        << lines[e].toStdString();
    EXPECT_TRUE(lines[e].contains(QStringLiteral(" \u00b1 "))) << lines[e].toStdString();
    EXPECT_TRUE(lines[e].endsWith(QStringLiteral("\u00a0mg/dm\u00b3"))) << lines[e].toStdString();
  }
  // Each element's cross is named in its colour, inside the plot.
  chart.form.resize(560, 520);
  chart.form.show();
  QApplication::processEvents();
  const QRectF frame = chart.form.chart()->axisRect()->rect();
  for (int e = 0; e < 3; ++e) {
    int named = 0;
    for (const TCalcSeriePlot::Mark& m : chart.form.plot(e).marks()) {
      if (!m.Result) continue;
      ++named;
      EXPECT_EQ(m.Item->text(), QString::fromStdString(rows[static_cast<std::size_t>(e)].Name));
      EXPECT_TRUE(frame.contains(BoxOf(m.Item)));
    }
    EXPECT_EQ(named, 1);
  }
  chart.form.hide();
}

}  // namespace
