#include "TConcCalculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "CalcMethods.h"
#include "ConcTestCurves.h"
#include "ConcUnits.h"
#include "ICalibrationLookup.h"

using namespace velmora;
using conctest::Curves;

namespace {

class ConcCalculationTest : public ::testing::Test {
 protected:
  void SetUp() override { TVAStruct::SetPeakEvaluator(nullptr); }

  // Runs a full refresh of `method` over every curve.
  void Run(int method) {
    calc.SetCurves(curves.All());
    ASSERT_TRUE(calc.SelectMethod(method));
    calc.Recalculate();
  }
  const TCalcElement& Row(const std::string& name) {
    for (const TCalcElement& e : calc.Elements())
      if (e.Name == name) return e;
    static const TCalcElement none;
    ADD_FAILURE() << "no element " << name;
    return none;
  }

  Curves curves;
  TConcCalculation calc;
};

// --- Units ---------------------------------------------------------------------

TEST(ConcUnitsTest, ConversionsThroughBaseUnits) {
  EXPECT_DOUBLE_EQ(ConcUnits::ToBaseUnits(5, 2, 3.0), 3e-3);   // mg/dm³ -> g/dm³
  EXPECT_DOUBLE_EQ(ConcUnits::ToBaseUnits(4, 1, 2.0), 2e-3);   // µg/cm³ -> g/dm³
  EXPECT_DOUBLE_EQ(ConcUnits::ToBaseUnits(5, -1, 2.0), 2e-3);  // no bottom unit
  EXPECT_DOUBLE_EQ(ConcUnits::FromBaseUnits(5, 2, 3e-3), 3.0);
  EXPECT_DOUBLE_EQ(ConcUnits::FromBaseUnits(7, -1, 2000.0), 2.0);
  EXPECT_DOUBLE_EQ(ConcUnits::Convert(5, 2, 4, 1, 1.0), 1.0);     // 1 mg/dm³ = 1 µg/cm³
  EXPECT_DOUBLE_EQ(ConcUnits::Convert(4, 2, 5, 2, 500.0), 0.5);   // µg/dm³ -> mg/dm³
  EXPECT_DOUBLE_EQ(ConcUnits::Convert(5, 7, 5, 6, 1000.0), 1.0);  // mg/kg -> mg/g
  EXPECT_EQ(ConcUnits::ToBaseUnits(-1, 2, 3.0), -1.0);
  EXPECT_EQ(ConcUnits::ToBaseUnits(5, 2, -1.0), -1.0);
  EXPECT_EQ(ConcUnits::FromBaseUnits(-1, 2, 3.0), -1.0);
  EXPECT_EQ(ConcUnits::FromBaseUnits(5, 2, -1.0), -1.0);
  EXPECT_STREQ(ConcUnits::Caption(-1), "?");
  EXPECT_STREQ(ConcUnits::Caption(1), "cm^3^");
  EXPECT_STREQ(ConcUnits::Caption(4), "µg");
  EXPECT_TRUE(ConcUnits::IsVolume(3));
  EXPECT_TRUE(ConcUnits::IsMass(4));
  EXPECT_FALSE(ConcUnits::IsValid(8));
}

// --- Table, method, choice of curves -----------------------------------------------

TEST_F(ConcCalculationTest, TableTakesElementsInOrderWithCommonAddConcAndCalcType) {
  curves.Add(1, {{"Cd", 1, 2.0, 1}, {"", 5, 0, 1}, {"Pb", 2, 3.0, 0}});
  curves.Add(2, {{"Pb", 3, 3.0, 1}, {"Cu", 4, 5.0, 1}});
  curves.Add(3, {{"Cd", 1, 2.5, 1}});
  Run(CalcMethods::kOneAddition);
  ASSERT_EQ(calc.Elements().size(), 3u);
  EXPECT_EQ(calc.Elements()[0].Name, "Cd");
  EXPECT_EQ(calc.Elements()[1].Name, "Pb");
  EXPECT_EQ(calc.Elements()[2].Name, "Cu");
  EXPECT_EQ(Row("Cd").AddConc, 0.0);  // 2.0 and 2.5 differ
  EXPECT_EQ(Row("Cd").CalcType, 1);
  EXPECT_EQ(Row("Pb").AddConc, 3.0);
  EXPECT_EQ(Row("Pb").CalcType, -1);  // 0 and 1 differ
  EXPECT_EQ(Row("Cu").AddConc, 5.0);
}

TEST_F(ConcCalculationTest, MethodIsTakenFromTheCurvesAndWrittenBack) {
  curves.Add(1, {});
  curves.Add(2, {});
  calc.SetCurves(curves.All());
  curves[0].CalculationMethod = 3;
  curves[1].CalculationMethod = 3;
  EXPECT_EQ(calc.TakeMethodFromCurves(), TConcCalculation::MethodSource::Taken);
  EXPECT_EQ(calc.Method(), 3);
  curves[1].CalculationMethod = 2;
  EXPECT_EQ(calc.TakeMethodFromCurves(), TConcCalculation::MethodSource::Mixed);
  EXPECT_EQ(calc.Method(), -1);
  curves[0].CalculationMethod = curves[1].CalculationMethod = 9;
  EXPECT_EQ(calc.TakeMethodFromCurves(), TConcCalculation::MethodSource::Unsupported);
  EXPECT_EQ(calc.Method(), -1);

  // Custom methods: equal records are found in (or appended to) the list.
  TCustomMethodArr list(1);
  list[0].Name = "first";
  calc.SetCustomMethods(&list);
  TCustomMethod mine;
  mine.Name = "mine";
  mine.Formula = "I0*2";
  for (TVAStruct* c : curves.All()) {
    c->HasCustomMethod = 1;
    c->CalculationMethod = -1;
    c->CustomMethod = mine;
  }
  EXPECT_EQ(calc.TakeMethodFromCurves(), TConcCalculation::MethodSource::Taken);
  EXPECT_EQ(calc.Method(), 7);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], mine);

  EXPECT_FALSE(calc.SetMethod(8));  // beyond the list
  EXPECT_TRUE(calc.SetMethod(6));
  EXPECT_EQ(curves[0].CustomMethod.Name, "first");
  EXPECT_EQ(curves[1].CalculationMethod, -1);
  EXPECT_TRUE(calc.SetMethod(4));
  EXPECT_EQ(curves[0].CalculationMethod, 4);
  EXPECT_EQ(curves[1].HasCustomMethod, 0);
}

TEST_F(ConcCalculationTest, CheckBoxesChooseTheUsedCurves) {
  curves.Add(1, {{"Pb", 10, 1}});
  curves.Add(1, {{"Pb", 12, 1}});
  curves.Add(2, {{"Pb", 20, 1}});
  Run(CalcMethods::kOneAddition);
  EXPECT_TRUE(calc.CheckBoxesOffered());
  EXPECT_FALSE(calc.RowChecked(0));
  EXPECT_FALSE(calc.RequirementsMet());  // nothing ticked: no curve used
  calc.SetRowChecked(0, true);
  calc.SetRowChecked(1, true);
  calc.SetRowChecked(2, true);
  EXPECT_EQ(calc.RoleCount(1), 2);
  EXPECT_FALSE(calc.RequirementsMet());  // count(1) = 2
  EXPECT_EQ(Row("Pb").CellResult, -1.0);
  calc.SetRowChecked(0, false);
  EXPECT_TRUE(calc.RequirementsMet());
  EXPECT_EQ(calc.RoleCurve(1), &curves[1]);
  // I0 = 12 now: 0.1 / (20/12·10.1 − 10)
  EXPECT_NEAR(Row("Pb").CellResult, 0.1 / (20.0 / 12.0 * 10.1 - 10.0), 1e-12);

  // Methods 1 and 4 never offer check boxes; a role change decides anew.
  Run(CalcMethods::kStandardAdditions);
  EXPECT_FALSE(calc.CheckBoxesOffered());
  Run(CalcMethods::kOneAddition);
  calc.SetRole(0, 0);
  EXPECT_FALSE(calc.CheckBoxesOffered());
  EXPECT_TRUE(calc.RequirementsMet());
}

TEST_F(ConcCalculationTest, CommonParametersFollowTheMissingValueRules) {
  curves.Add(1, {}, 10.0, 0.0);
  curves.Add(2, {}, 10.0, 0.1);
  curves.Add(3, {}, 0.0, 0.1);
  curves[0].Volumes[1] = -1.0;  // typed as -1: missing
  curves[0].ResUnitTop = curves[1].ResUnitTop = curves[2].ResUnitTop = 5;
  curves[2].ResUnitBottom = 2;
  curves[0].CalcCoefficients = {2, 0.5, 1, 298, 0.01};
  curves[1].CalcCoefficients = {2, 0.5, 1, 300, 0.01};
  curves[2].CalcCoefficients = {2, 0.5, 1, 298, 0.01};
  const TConcParams p = TConcCalculation::CommonParams(curves.All(), curves.All());
  EXPECT_EQ(p.Volumes[5], -1.0);  // 10 then 0: a zero after a held value differs
  EXPECT_EQ(p.Volumes[6], 0.1);   // zero before any value is skipped
  EXPECT_EQ(p.Volumes[1], -1.0);
  EXPECT_EQ(p.Volumes[0], -1.0);  // never set
  EXPECT_EQ(p.ResUnitTop, 5);
  EXPECT_EQ(p.ResUnitBottom, -1);
  EXPECT_EQ(p.CalcCoefficients[0], 2.0);
  EXPECT_EQ(p.CalcCoefficients[3], -1.0);
  EXPECT_EQ(TConcCalculation::CommonParams({}, {}).Volumes[5], -1.0);
}

// --- Cell results -------------------------------------------------------------

TEST_F(ConcCalculationTest, OneAdditionWorkedExampleAndRecalculation) {
  curves.Add(1, {{"Pb", 10, 1}});
  curves.Add(2, {{"Pb", 20, 1}});
  curves.SetUnits(5, 2, 5, 2);
  curves.SetVolume(0, 5.0);  // aliquot
  curves.SetVolume(1, 2.0);  // dilution
  Run(CalcMethods::kOneAddition);
  ASSERT_TRUE(calc.RequirementsMet());
  EXPECT_NEAR(Row("Pb").CellResult, 0.1 / 10.2, 1e-12);
  EXPECT_NEAR(Row("Pb").SampleResult, 4.0 * 0.1 / 10.2, 1e-12);  // x·Vc·D/VAL = x·10·2/5

  // Mass fraction in mg/kg: M = 2 g, VM = 25 cm³ gives 50 × the cell result.
  calc.SetRecalcUnits(5, 7);
  EXPECT_EQ(Row("Pb").SampleResult, -1.0);  // no sample mass yet
  calc.SetVolume(2, 2.0);
  calc.SetVolume(3, 25.0);
  EXPECT_NEAR(Row("Pb").SampleResult, 50.0 * 0.1 / 10.2, 1e-9);

  // A missing unit leaves the sample result missing, the cell result stays.
  calc.SetResultUnits(-1, 2);
  EXPECT_NEAR(Row("Pb").CellResult, 0.1 / 10.2, 1e-12);
  EXPECT_EQ(Row("Pb").SampleResult, -1.0);

  // Degenerate signals give 0.
  EXPECT_EQ(TConcCalculation::OneAddition(5, 20, 5, 1, 10, 0.1), 0.0);   // I0 = IB
  EXPECT_EQ(TConcCalculation::OneAddition(10, 20, 0, 1, 10, 0.0), 0.0);  // V1 = 0
  // (I1/I0)·(Vc+V1) = Vc: q = 0.
  EXPECT_EQ(TConcCalculation::OneAddition(10.1, 10, 0, 1, 10, 0.1), 0.0);
}

TEST_F(ConcCalculationTest, OneAdditionRequirements) {
  curves.Add(1, {{"Pb", 10, 1}});
  curves.Add(2, {{"Pb", 20, 1}});
  curves[1].Volumes[5] = 12.0;  // cell volumes disagree
  Run(CalcMethods::kOneAddition);
  EXPECT_FALSE(calc.RequirementsMet());
  EXPECT_EQ(Row("Pb").CellResult, -1.0);
  calc.SetVolume(5, 10.0);
  EXPECT_TRUE(calc.RequirementsMet());
  calc.SetVolume(6, -1.0);  // -1 is never written
  EXPECT_TRUE(calc.RequirementsMet());
  calc.SetVolume(6, 0.0);
  EXPECT_FALSE(calc.RequirementsMet());
}

TEST_F(ConcCalculationTest, StandardAdditionsRegression) {
  // 10 at x = 0, 20 at x = 0.1 (C = 10.1, V1 = 0.1, Vc = 10): slope 100.
  curves.Add(1, {{"Pb", 10, 10.1}});
  curves.Add(2, {{"Pb", 20, 10.1}});
  Run(CalcMethods::kStandardAdditions);
  ASSERT_TRUE(calc.RequirementsMet());
  EXPECT_NEAR(Row("Pb").CellResult, 0.1, 1e-12);
  curves.Add(0, {{"Pb", 2, 10.1}});
  Run(CalcMethods::kStandardAdditions);
  EXPECT_NEAR(Row("Pb").CellResult, 0.08, 1e-12);

  // With a role-3 curve the second addition volume is required.
  curves.Add(3, {{"Pb", 30, 10.1}});
  Run(CalcMethods::kStandardAdditions);
  EXPECT_FALSE(calc.RequirementsMet());
  calc.SetVolume(7, 0.1);
  EXPECT_TRUE(calc.RequirementsMet());
}

TEST_F(ConcCalculationTest, ThreeAdditionsRecoverALinearCell) {
  // Signal = k · concentration in the cell: the corrected additions lie on
  // a line through the origin, the result is the analyte concentration.
  const double k = 50.0, cx = 0.2, c = 10.0, vc = 10.0;
  const double v[3] = {0.1, 0.1, 0.1};
  double total = 0.0;
  curves.Add(1, {{"Cd", k * cx, c}});
  for (int i = 0; i < 3; ++i) {
    total += v[i];
    const double inCell = (cx * vc + c * total) / (vc + total);
    curves.Add(2 + i, {{"Cd", k * inCell, c}});
  }
  curves.SetVolume(5, vc);
  curves.SetVolume(6, v[0]);
  curves.SetVolume(7, v[1]);
  curves.SetVolume(8, v[2]);
  Run(CalcMethods::kThreeAdditionsHg);
  ASSERT_TRUE(calc.RequirementsMet());
  EXPECT_NEAR(Row("Cd").CellResult, cx, 1e-12);
  // Non-increasing added concentrations (zero C) give 0.
  EXPECT_EQ(TConcCalculation::ThreeAdditions(10, 20, 30, 40, 0, 0.0, {10, 0.1, 0.1, 0.1}), 0.0);
  EXPECT_EQ(TConcCalculation::ThreeAdditions(10, 20, 30, 40, 0, 1.0, {-10, 0.1, 0.1, 0.1}), 0.0);
  // Without the third addition curve the requirement fails.
  curves[3].Params.SetMeasurementType(3);
  Run(CalcMethods::kThreeAdditionsHg);
  EXPECT_FALSE(calc.RequirementsMet());
}

TEST_F(ConcCalculationTest, ComparativeMethod) {
  curves.Add(0, {{"Zn", 2, 1}});
  curves.Add(1, {{"Zn", 10, 1}});
  curves.Add(5, {{"Zn", 20, 1}});
  Run(CalcMethods::kComparative);
  EXPECT_FALSE(calc.RequirementsMet());  // no reference volume
  calc.SetVolume(9, 0.5);
  ASSERT_TRUE(calc.RequirementsMet());
  EXPECT_NEAR(Row("Zn").CellResult, 8.0 / 18.0, 1e-12);
  EXPECT_EQ(TConcCalculation::Comparative(10, 2, 2, 1), 0.0);  // reference not above background
  EXPECT_EQ(TConcCalculation::Comparative(10, 1, 2, 1), 0.0);
}

class FakeCalibrations : public ICalibrationLookup {
 public:
  double ConcentrationFromCalibration(const std::string& name, std::int32_t top, std::int32_t bottom,
                                      double signal) const override {
    if (name != "Pb") return -1.0;
    lastTop = top;
    lastBottom = bottom;
    return signal / 4.0;
  }
  bool ActiveCalibration(const std::string&, TCalibrationCurves&) const override { return false; }
  mutable std::int32_t lastTop = -2, lastBottom = -2;
};

TEST_F(ConcCalculationTest, ByCalibrationAsksTheLookupWithTheBackgroundRemoved) {
  curves.Add(0, {{"Pb", 2}, {"Cd", 1}});
  curves.Add(1, {{"Pb", 10}, {"Cd", 3}});
  curves.SetUnits(5, 2, 5, 2);
  Run(CalcMethods::kByCalibration);
  ASSERT_TRUE(calc.RequirementsMet());
  EXPECT_EQ(Row("Pb").CellResult, -1.0);  // no calibrations at all
  FakeCalibrations lookup;
  calc.SetCalibrations(&lookup);
  calc.UpdateResults();
  EXPECT_DOUBLE_EQ(Row("Pb").CellResult, 2.0);
  EXPECT_EQ(lookup.lastTop, 5);
  EXPECT_EQ(lookup.lastBottom, 2);
  EXPECT_EQ(Row("Cd").CellResult, -1.0);
  EXPECT_EQ(Row("Cd").SampleResult, -1.0);
}

TEST_F(ConcCalculationTest, CustomMethodsFillTheirVariablesAndCheckTheirRequirements) {
  curves.Add(0, {{"Pb", 1, 4}});
  curves.Add(1, {{"Pb", 10, 4}, {"Cd", 5, 2}});
  TCustomMethodArr list(1);
  list[0].Name = "m";
  list[0].Formula = "(I0-IB)*VC/C1+K";
  list[0].Vars = {{"I0", "", 0}, {"IB", "", 0}, {"VC", "", 0}, {"C1", "", 0}, {"k", "factor", 0}};
  calc.SetCustomMethods(&list);
  std::vector<TCustomMethod> seen;
  calc.SetMethodEvaluator([&seen](const TCustomMethod& m) {
    seen.push_back(m);
    return (m.Vars[0].Value - m.Vars[1].Value) * m.Vars[2].Value / m.Vars[3].Value + m.Vars[4].Value;
  });
  Run(6);
  EXPECT_FALSE(calc.RequirementsMet());  // the user variable has no value
  EXPECT_EQ(calc.UserVariable("K"), -1.0);
  calc.SetUserVariable("K", 0.5);
  EXPECT_EQ(curves[1].GetVariable("k").Comment, "factor");
  ASSERT_TRUE(calc.RequirementsMet());
  EXPECT_DOUBLE_EQ(Row("Pb").SampleResult, 9.0 * 10.0 / 4.0 + 0.5);
  EXPECT_DOUBLE_EQ(Row("Cd").SampleResult, 5.0 * 10.0 / 2.0 + 0.5);  // IB absent for Cd: 0
  EXPECT_EQ(Row("Pb").CellResult, -1.0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back().Formula, list[0].Formula);

  // A failed evaluation (a zero divisor) is no result, and says why.
  calc.SetMethodEvaluator([](const TCustomMethod& m) {
    TCustomMethodValue v(m.Vars[0].Value / 1.0);
    if (m.Vars[1].Value == 0.0) {
      v.Failure = "Division by zero";
      v.Token = "IB";
    }
    return v;
  });
  calc.UpdateResults();
  EXPECT_DOUBLE_EQ(Row("Pb").SampleResult, 10.0);
  EXPECT_EQ(Row("Pb").Failure, nullptr);
  EXPECT_EQ(Row("Cd").SampleResult, -1.0);  // IB absent for Cd: 0
  ASSERT_NE(Row("Cd").Failure, nullptr);
  EXPECT_STREQ(Row("Cd").Failure, "Division by zero");
  EXPECT_EQ(Row("Cd").FailureToken, "IB");

  // A current variable needs a used curve of its role.
  list[0].Vars.push_back({"I1", "", 0});
  calc.UpdateResults();
  EXPECT_FALSE(calc.RequirementsMet());
  EXPECT_EQ(Row("Pb").SampleResult, -1.0);
}

// --- Diffusion coefficients -----------------------------------------------------

TEST_F(ConcCalculationTest, RandlesSevcikAndLevichCoefficients) {
  const std::array<double, 5> k = {2, 0.1, 1e-3, 298, 0.01};
  // D = e·R·T / (n³F³(0.4463·A·C/1000)²), worked by hand for e = 1e-9.
  const double nf = 2 * 96485.339924;
  const double g = 0.4463 * 0.1 * 1e-3 / 1000.0;
  EXPECT_NEAR(TConcCalculation::RandlesSevcik(1e-9, k), 1e-9 * 8.3144621 * 298 / (nf * nf * nf * g * g), 1e-20);
  EXPECT_EQ(TConcCalculation::RandlesSevcik(1e-9, {2, 0, 1e-3, 298, 0.01}), 0.0);
  const double d = std::pow(0.01, -1.0 / 6.0) * (2 * 0.62 * 96485.339924) * 0.1 * 1e-3 / 1000.0;
  EXPECT_NEAR(TConcCalculation::Levich(-2e-6, k), std::pow(2e-6 / d, 1.5), 1e-18);
  EXPECT_EQ(TConcCalculation::Levich(2e-6, {2, 0.1, 1e-3, 298, 0}), 0.0);
}

TEST_F(ConcCalculationTest, CalibrationCurveMethodComputesDiffusionFromTheSlope) {
  // I = s·√v with s = 2e-5 A/(V/s)^½: the slope squared is 4e-10.
  const double s = 2e-5;
  for (int rate : {25, 100, 400}) {
    TVAStruct& c = curves.Add(1, {{"Pb", s * std::sqrt(rate / 1000.0) * 1e6}});
    c.Params.SetSweepRate(rate);
    c.CalcCoefficients = {2, 0.1, 1e-3, 298, 0.01};
  }
  for (TVAStruct* c : curves.All()) c->CalibrationType = 1;
  calc.SetCurves(curves.All());
  calc.TakeMethodFromCurves();
  ASSERT_TRUE(calc.SelectMethod(CalcMethods::kCalibrationCurve));
  calc.Recalculate();
  EXPECT_TRUE(calc.RequirementsMet());
  const std::array<double, 5> k = {2, 0.1, 1e-3, 298, 0.01};
  EXPECT_NEAR(Row("Pb").SampleResult / TConcCalculation::RandlesSevcik(s * s, k), 1.0, 1e-9);
  EXPECT_EQ(Row("Pb").CellResult, -1.0);

  // A single curve: e = (I·1e-6)² / (v/1000).
  Curves one;
  TVAStruct& c = one.Add(1, {{"Pb", 10}});
  c.Params.SetSweepRate(100);
  c.CalcCoefficients = k;
  c.CalibrationType = 1;
  TConcCalculation single;
  single.SetCurves(one.All());
  single.TakeMethodFromCurves();
  single.SelectMethod(4);
  single.Recalculate();
  EXPECT_NEAR(single.Elements()[0].SampleResult / TConcCalculation::RandlesSevcik(1e-10 / 0.1, k), 1.0, 1e-9);

  // Levich with one curve at 600 rpm; a stopped stirrer gives 0, never a
  // division by zero.
  single.SetCalibrationType(2);
  c.StirrerSpeed = 600;
  single.Recalculate();
  const double omega = 600 * 2 * std::numbers::pi / 60;
  EXPECT_NEAR(single.Elements()[0].SampleResult / TConcCalculation::Levich(1e-5 / std::sqrt(omega), k), 1.0, 1e-9);
  c.StirrerSpeed = 0;
  single.Recalculate();
  EXPECT_EQ(single.Elements()[0].SampleResult, 0.0);
}

}  // namespace
