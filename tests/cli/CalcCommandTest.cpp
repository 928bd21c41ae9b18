#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "CliRunner.h"
#include "CustomCalcFile.h"
#include "DocumentFile.h"
#include "TCalculator.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::Cli;
using velmora::test::CliRun;
using velmora::test::TempDir;
namespace fs = std::filesystem;

namespace {

// A flat curve with one triangular peak of `height` at -500 mV; its value
// by height over the borders -600..-400 mV is exactly `height`.
void AddCurve(TNodeForest& f, int role, double height, double addConc) {
  TNode* n = f.CreateNode();
  n->SetNameSilently("c" + std::to_string(f.Count()));
  n->SetRecord(std::make_unique<TVAStruct>(n));
  f.InsertNode(nullptr, f.LastRoot(), n);
  TDataArr points;
  for (int i = 0; i <= 100; ++i) {
    const double x = -1000.0 + 10.0 * i;
    points.push_back({x, std::max(0.0, height * (1.0 - std::fabs(x + 500.0) / 100.0))});
  }
  TVAStruct& va = *n->VA();
  va.SetData(points);
  va.Params.SetMeasurementType(role);
  va.Volumes[0] = 5.0;
  va.Volumes[1] = 2.0;
  va.Volumes[5] = 10.0;
  va.Volumes[6] = 0.1;
  va.ResUnitTop = va.RecalcUnitTop = 5;
  va.ResUnitBottom = va.RecalcUnitBottom = 2;
  va.AddPeak("Pb", 0, 40, 60);
  va.SetAdditionConc("Pb", addConc);
}

class CalcCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("VELMORA_DATA_FOLDER", dir.path().string().c_str(), 1); }
  void TearDown() override {
    ::unsetenv("VELMORA_DATA_FOLDER");
    TVAStruct::SetPeakEvaluator(nullptr);
  }
  std::string Save(const std::vector<std::pair<int, double>>& roles) {
    TNodeForest f;
    for (const auto& [role, height] : roles) AddCurve(f, role, height, 1.0);
    const fs::path file = dir / ("doc" + std::to_string(++saved) + ".tvx");
    DocumentFile::SaveDocument(f, file);
    return file.string();
  }
  TempDir dir;
  int saved = 0;
};

TEST_F(CalcCommandTest, OneAdditionFromTheFirstCurvesMethod) {
  const CliRun r = Cli({"calc", Save({{1, 10.0}, {2, 20.0}})});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"Method\":0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"RequirementsMet\":true"), std::string::npos);
  EXPECT_NE(r.out.find("\"Name\":\"Pb\""), std::string::npos);
  EXPECT_NE(r.out.find("\"AddConc\":1"), std::string::npos);
  // 0.1 / 10.2 in the cell, ×4 (Vc·D/VAL) in the sample.
  EXPECT_NE(r.out.find("\"CellResult\":0.00980392156862745"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"SampleResult\":0.0392156862745098"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"CalcType\":0"), std::string::npos);

  // Comparative method without a reference curve: requirements fail.
  const CliRun c = Cli({"calc", Save({{1, 10.0}, {2, 20.0}}), "--method", "3"});
  ASSERT_EQ(c.status, 0);
  EXPECT_NE(c.out.find("\"RequirementsMet\":false"), std::string::npos);
  EXPECT_NE(c.out.find("\"CellResult\":-1"), std::string::npos);
}

TEST_F(CalcCommandTest, UseTicksTheCurveCheckBoxes) {
  const std::string file = Save({{1, 10.0}, {1, 12.0}, {2, 20.0}});
  EXPECT_NE(Cli({"calc", file}).out.find("\"RequirementsMet\":false"), std::string::npos);
  EXPECT_NE(Cli({"calc", file, "--use", "0,1,2"}).out.find("\"RequirementsMet\":false"), std::string::npos);
  const CliRun r = Cli({"calc", file, "--use", "0,2"});
  EXPECT_NE(r.out.find("\"RequirementsMet\":true"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"CellResult\":0.00980392156862745"), std::string::npos) << r.out;
  const CliRun beyond = Cli({"calc", file, "--use", "0,3"});
  EXPECT_EQ(beyond.status, 1);
  EXPECT_FALSE(beyond.err.empty());
}

TEST_F(CalcCommandTest, CustomMethodsComeFromTheDataFolder) {
  TCalculator calculator;
  TCustomMethod method;
  method.Name = "double";
  calculator.BuildMethod("I0*2+C1", method);
  ASSERT_FALSE(method.Vars.empty());
  CustomCalcFile::Save(dir.path(), {method});
  // IB would need a background curve; I0 and C1 need nothing more.
  const CliRun r = Cli({"calc", Save({{1, 10.0}, {2, 20.0}}), "--method", "6"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"Method\":6"), std::string::npos);
  EXPECT_NE(r.out.find("\"SampleResult\":21"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"CellResult\":-1"), std::string::npos);
  EXPECT_EQ(Cli({"calc", Save({{1, 10.0}}), "--method", "7"}).status, 1);

  // A damaged CustomCalc file is unusable input, not a crash.
  TempDir::writeFile(dir / "CustomCalc", std::string("\x01\x00\x00\x00\xff\xff\xff\x7f", 8));
  const CliRun bad = Cli({"calc", Save({{1, 10.0}})});
  EXPECT_EQ(bad.status, 1);
}

TEST_F(CalcCommandTest, CalibrationCurveTakesTheCurvesAbscissaAndMixedCustomMethodsAreRefused) {
  // Two sweep rates: the diffusion coefficient comes from the regression
  // over the square roots of the sweep rates, as the window computes it.
  TNodeForest f;
  AddCurve(f, 1, 10.0, 1.0);
  AddCurve(f, 1, 20.0, 1.0);
  int rate = 100;
  for (TNode* n = f.FirstRoot(); n; n = n->NextSibling) {
    TVAStruct& va = *n->VA();
    va.CalculationMethod = 4;
    va.CalibrationType = 1;
    va.Params.SetSweepRate(rate);
    rate *= 4;
    va.SetCalcCoefficients(2, 0.1, 1e-3, 298, 0.01);
  }
  const fs::path file = dir / "sweep.tvx";
  DocumentFile::SaveDocument(f, file);
  const CliRun r = Cli({"calc", file.string(), "--method", "4"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"CalibrationType\":1"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("\"SampleResult\":-1"), std::string::npos) << r.out;
  // Those results are diffusion coefficients, and say so.
  EXPECT_NE(r.out.find("\"SampleUnit\":\"cm2/s\""), std::string::npos) << r.out;

  // Curves that carry two different custom methods: no silent fallback.
  TNodeForest g;
  AddCurve(g, 1, 10.0, 1.0);
  AddCurve(g, 2, 20.0, 1.0);
  int k = 0;
  for (TNode* n = g.FirstRoot(); n; n = n->NextSibling, ++k) {
    TVAStruct& va = *n->VA();
    va.CalculationMethod = -1;
    va.HasCustomMethod = 1;
    va.CustomMethod.Name = "m" + std::to_string(k);
    va.CustomMethod.Formula = "I0*" + std::to_string(k + 1);
    va.CustomMethod.Vars = {{"I0", "", 0}};
  }
  const fs::path mixed = dir / "mixed.tvx";
  DocumentFile::SaveDocument(g, mixed);
  const CliRun refused = Cli({"calc", mixed.string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("different custom methods"), std::string::npos) << refused.err;
  EXPECT_TRUE(refused.out.empty());
}

TEST_F(CalcCommandTest, CustomFormulaDividingByZeroGivesNoResult) {
  TCalculator calculator;
  TCustomMethod method;
  method.Name = "ratio";
  calculator.BuildMethod("I0/(V1-V1)", method);
  ASSERT_FALSE(method.Vars.empty());
  CustomCalcFile::Save(dir.path(), {method});
  const CliRun r = Cli({"calc", Save({{1, 10.0}, {2, 20.0}}), "--method", "6"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"SampleResult\":-1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Division by zero '(V1-V1)'"), std::string::npos) << r.out;
}

TEST_F(CalcCommandTest, UsageAndUnusableInput) {
  EXPECT_EQ(Cli({"calc"}).status, 2);
  EXPECT_EQ(Cli({"calc", "a.tvx", "--method"}).status, 2);
  EXPECT_EQ(Cli({"calc", "a.tvx", "--method", "x"}).status, 2);
  EXPECT_EQ(Cli({"calc", "a.tvx", "--use", "1,,2"}).status, 2);
  EXPECT_EQ(Cli({"calc", "a.tvx", "--use", "-1"}).status, 2);
  EXPECT_EQ(Cli({"calc", "a.tvx", "b.tvx"}).status, 2);
  const CliRun missing = Cli({"calc", (dir / "none.tvx").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
}

}  // namespace
