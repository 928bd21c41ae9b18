// The recording walkthrough end to end: the shipped standard-additions
// program recorded from the built-in emulator gives a flat background, the
// sample and two rising additions, and the standard-additions calculation
// on them finds the sample the emulator's operator measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "CliDocument.h"
#include "CliRunner.h"
#include "CurveBump.h"
#include "JsonReader.h"
#include "SampleModel.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "VirtualOperator.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

using test::Bump;
using test::Cli;
using test::CliRun;

TEST(ExampleRecording, StandardAdditionsRecordedFromTheEmulatorFindItsSample) {
  test::TempDir dir;
  const std::string recorded = (dir.path() / "run.tvx").string();
  const std::string peaks = (dir.path() / "peaks.tvx").string();
  const std::string program = std::string(VELMORA_EXAMPLES_DIR) + "/programs/standard-additions-Zn-Cd-Pb-Cu.vap";
  const CliRun r =
      Cli({"record", "--port", "emulator", "--speed", "100", "--flat", "--programs", program, "-o", recorded});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"Curves\":4}\n");

  // Background, sample, addition 1, addition 2: the metals appear with the
  // sample and grow with every addition.
  const VirtualOperator::Recipe recipe;
  const int elements = SampleModel::ElementCount;
  {
    TNodeForest forest;
    CliDocument::Load(forest, recorded);
    std::vector<std::vector<double>> bumps;
    int type = 0;
    for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling, ++type) {
      ASSERT_NE(n->VA(), nullptr);
      EXPECT_EQ(n->VA()->Params.MeasurementType(), type);
      bumps.emplace_back();
      for (int e = 0; e < elements; ++e)
        bumps.back().push_back(Bump(n->VA()->Data, SampleModel::peakPotential(static_cast<SampleModel::Element>(e))));
    }
    ASSERT_EQ(bumps.size(), 4u);
    for (int e = 0; e < elements; ++e) {
      SCOPED_TRACE(SampleModel::name(static_cast<SampleModel::Element>(e)));
      EXPECT_LT(bumps[0][e], 0.1 * bumps[1][e]);  // flat
      // Each addition brings as much of the metal as the sample did.
      EXPECT_NEAR(bumps[2][e] / bumps[1][e], 2.0, 0.3);
      EXPECT_NEAR(bumps[3][e] / bumps[1][e], 3.0, 0.45);
    }
  }

  // The peaks, named in windows around the four metals (wide to the
  // negative side, where a stripping peak rises slowly), carry the
  // concentration of the standard (µg/L).
  const std::string predefined = (dir.path() / "peaks.json").string();
  {
    std::ofstream json(predefined);
    json << "[";
    for (int e = 0; e < elements; ++e) {
      const auto el = static_cast<SampleModel::Element>(e);
      const double ep = SampleModel::peakPotential(el);
      json << (e ? "," : "") << "{\"Name\":\"" << SampleModel::name(el) << "\",\"LeftBorder\":" << ep - 270
           << ",\"RightBorder\":" << ep + 160 << ",\"AdditionConc\":" << recipe.standard[e] * 1000.0 << "}";
    }
    json << "]";
  }
  const CliRun p = Cli({"peaks", recorded, peaks, "--predefined", predefined});
  ASSERT_EQ(p.status, 0) << p.err;

  // What the operator enters in the calculation window: 1 mL of sample in
  // a cell of 11 mL, additions of 0.05 mL, results in µg/L.
  {
    TNodeForest forest;
    CliDocument::Load(forest, peaks);
    for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling) {
      TVAStruct& va = *n->VA();
      va.Volumes[0] = recipe.sampleMl;
      va.Volumes[1] = 1.0;
      va.Volumes[5] = recipe.electrolyteMl + recipe.sampleMl;
      va.Volumes[6] = va.Volumes[7] = recipe.additionMl;
      va.ResUnitTop = va.RecalcUnitTop = 4;        // µg
      va.ResUnitBottom = va.RecalcUnitBottom = 2;  // dm³
    }
    CliDocument::Save(forest, peaks);
  }
  const CliRun c = Cli({"calc", peaks, "--method", "1"});
  ASSERT_EQ(c.status, 0) << c.err;
  const JsonValue result = JsonReader::Parse(c.out);
  ASSERT_NE(result.field("RequirementsMet"), nullptr);
  EXPECT_TRUE(result.field("RequirementsMet")->flag) << c.out;
  const JsonValue* found = result.field("Elements");
  ASSERT_NE(found, nullptr);
  std::map<std::string, double> sample;
  for (const JsonValue& e : found->items) sample[e.field("Name")->text] = e.field("SampleResult")->number;
  ASSERT_EQ(sample.size(), 4u) << c.out;
  for (int e = 0; e < elements; ++e) {
    const auto el = static_cast<SampleModel::Element>(e);
    const double expected = recipe.sample[e];
    EXPECT_NEAR(sample[SampleModel::name(el)], expected, 0.05 * expected) << SampleModel::name(el);
  }
}

}  // namespace
}  // namespace velmora
