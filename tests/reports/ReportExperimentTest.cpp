#include "TReportExperiment.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Messages.h"
#include "TConcCalculation.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

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

}  // namespace
