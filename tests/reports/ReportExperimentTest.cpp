// What "Add to report" hands a report from the current calculation.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "Messages.h"
#include "TConcCalculation.h"
#include "TReportExperiment.h"
#include "TReportRec.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

// Free-standing curves whose peaks carry their values (no evaluator).
class Curves {
 public:
  TVAStruct& Add(int role, const std::string& peak, double value) {
    auto c = std::make_unique<TVAStruct>();
    c->Params.SetMeasurementType(role);
    c->Volumes = {10, 2, 0, 0, 0, 10, 0.1, 0, 0, 0.5};
    c->ResUnitTop = c->RecalcUnitTop = 5;
    c->ResUnitBottom = c->RecalcUnitBottom = 2;
    TPeakRecord p;
    p.Name = peak;
    p.PeakValue = value;
    p.ValueValid = 1;
    p.AdditionConc = 4.0;
    p.CalcType = 0;
    c->Peaks.push_back(p);
    owned_.push_back(std::move(c));
    return *owned_.back();
  }
  std::vector<TVAStruct*> All() const {
    std::vector<TVAStruct*> out;
    for (const auto& c : owned_) out.push_back(c.get());
    return out;
  }

 private:
  std::vector<std::unique_ptr<TVAStruct>> owned_;
};

void Calculate(TConcCalculation& calc, const Curves& curves, int method) {
  calc.SetCurves(curves.All());
  ASSERT_TRUE(calc.SelectMethod(method));
  calc.TakeCalibrationTypeFromCurves();
  calc.Recalculate();
}

// A custom equation over a sample curve: C = I0 · k with k = 0.5.
struct CustomCalculation {
  std::vector<std::unique_ptr<TVAStruct>> owned;
  TCustomMethodArr list;
  TConcCalculation calc;

  CustomCalculation(std::int32_t unitTop, std::int32_t unitBottom) {
    TVAStruct::SetPeakEvaluator(nullptr);
    auto curve = std::make_unique<TVAStruct>();
    curve->Params.SetMeasurementType(1);
    TPeakRecord peak;
    peak.Name = "Pb";
    peak.PeakValue = 12.0;
    peak.ValueValid = 1;
    curve->Peaks.push_back(peak);
    owned.push_back(std::move(curve));
    TCustomMethod m;
    m.Name = "Lead by factor";
    m.Formula = "I0*k";
    m.Vars = {{"I0", "", 0}, {"k", "factor", 0.5}};
    m.ResultUnitTop = unitTop;
    m.ResultUnitBottom = unitBottom;
    list.push_back(m);
    calc.SetCustomMethods(&list);
    calc.SetMethodEvaluator([](const TCustomMethod& method) { return method.Vars[0].Value * method.Vars[1].Value; });
    calc.SetCurves({owned.front().get()});
    calc.SetMethod(6);
    calc.SetUserVariable("k", 0.5);
    calc.Recalculate();
  }
};

}  // namespace

TEST(ReportExperiment, ConcentrationsGoInWithTheirUnitsAndThePeakTypeGiven) {
  Curves curves;
  curves.Add(1, "Pb", 6.0);
  curves.Add(5, "Pb", 12.0);
  TConcCalculation calc;
  Calculate(calc, curves, CalcMethods::kComparative);
  const TCalcElement& pb = calc.Elements().at(0);
  ASSERT_DOUBLE_EQ(pb.CellResult, 2.0);  // 4 · 6 / 12 mg/dm³
  TReportRec report;
  EXPECT_TRUE(TReportExperiment::CanAdd(calc, report));
  const auto e = TReportExperiment::FromCalculation(calc, "/data/a.tvx", 7);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->PeakCalcType, 7);
  ASSERT_EQ(e->ElementResults.size(), 1u);
  EXPECT_EQ(e->ElementResults[0].SampleResult, pb.SampleResult);
  EXPECT_DOUBLE_EQ(e->ElementResults[0].CellResult, 2e-3);  // g/dm³
  ASSERT_EQ(e->Curves.size(), 2u);
}

TEST(ReportExperiment, DiffusionCoefficientsNeverEnterAReportAsConcentrations) {
  // Pb at three sweep rates, abscissa "Square root of the sweep rate": each
  // row's sample result is a diffusion coefficient in cm²/s.
  Curves curves;
  for (int rate : {25, 100, 400}) {
    TVAStruct& c = curves.Add(1, "Pb", 20.0 * std::sqrt(rate / 1000.0));
    c.Params.SetSweepRate(rate);
    c.CalcCoefficients = {2, 0.1, 1e-3, 298, 0.01};
    c.CalibrationType = CalcMethods::kAbscissaSweepRate;
  }
  TConcCalculation calc;
  Calculate(calc, curves, CalcMethods::kCalibrationCurve);
  ASSERT_GT(calc.Elements().at(0).SampleResult, 0.0);

  TReportRec report;
  EXPECT_FALSE(TReportExperiment::CanAdd(calc, report));
  const auto e = TReportExperiment::FromCalculation(calc, "/data/d.tvx", 0);
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->ElementResults.empty());

  // Nor into a report that already holds concentrations of the same units.
  Curves others;
  others.Add(1, "Pb", 6.0);
  others.Add(5, "Pb", 12.0);
  TConcCalculation comparative;
  Calculate(comparative, others, CalcMethods::kComparative);
  report.AddExperiment(*TReportExperiment::FromCalculation(comparative, "/data/a.tvx", 0));
  EXPECT_FALSE(TReportExperiment::CanAdd(calc, report));
  EXPECT_TRUE(TReportExperiment::CanAdd(comparative, report));
}

TEST(ReportExperiment, CustomEquationsReportInTheirOwnUnitsOrAreRefused) {
  // An equation in mg/dm³ on curves that name no sample units: the report
  // takes the equation's units and shows the result, not a dash.
  CustomCalculation inMg(5, 2);
  ASSERT_TRUE(inMg.calc.RequirementsMet());
  ASSERT_DOUBLE_EQ(inMg.calc.Elements()[0].SampleResult, 6.0);
  TReportRec report;
  ASSERT_TRUE(TReportExperiment::CanAdd(inMg.calc, report));
  EXPECT_EQ(TReportExperiment::Refusal(inMg.calc, report), nullptr);
  const auto experiment = TReportExperiment::FromCalculation(inMg.calc, "tap.tvx", 0);
  ASSERT_TRUE(experiment.has_value());
  EXPECT_EQ(experiment->RecalcUnitTop, 5);
  EXPECT_EQ(experiment->RecalcUnitBottom, 2);
  report.AddExperiment(*experiment);
  EXPECT_DOUBLE_EQ(report.Elements[0].Results[0], 6e-3);  // 6 mg/dm³ in g/dm³
  const auto table = report.BuildTable();
  EXPECT_NE(table[2][0], "-");

  // An equation whose result has no unit would give a row of dashes: the
  // calculation window offers "Add to report", the report refuses it.
  CustomCalculation bare(-1, -1);
  TReportRec empty;
  ASSERT_TRUE(TReportExperiment::CanAdd(bare.calc, empty));
  EXPECT_STREQ(TReportExperiment::Refusal(bare.calc, empty), msg::ReportEquationWithoutUnits);
  // A unit that is no concentration (a volume over nothing) as well.
  CustomCalculation volume(1, -1);
  EXPECT_STREQ(TReportExperiment::Refusal(volume.calc, empty), msg::ReportEquationWithoutUnits);

  // A mass fraction cannot join a report of results per volume.
  CustomCalculation perMass(5, 6);  // mg/g
  EXPECT_STREQ(TReportExperiment::Refusal(perMass.calc, report), msg::ReportUnitsOfAnotherKind);
  EXPECT_EQ(TReportExperiment::Refusal(perMass.calc, empty), nullptr);
}
