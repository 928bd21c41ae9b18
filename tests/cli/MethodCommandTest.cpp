// velmora-cli method show and script show, and the shipped methods'
// programs recorded from the built-in emulator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "CliDocument.h"
#include "CliRunner.h"
#include "CurveBump.h"
#include "FileIo.h"
#include "JsonReader.h"
#include "MethodFile.h"
#include "ProgramFiles.h"
#include "SampleModel.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TempDir.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Bump;
using test::Cli;
using test::CliRun;

const fs::path kShipped = fs::path(VELMORA_EXAMPLES_DIR) / ".." / "methods";

TEST(MethodCommand, ShowsEveryBlockAndCommandOfAShippedMethod) {
  const CliRun r = Cli({"method", "show", (kShipped / "Zn-standard-additions.mtd").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue json = JsonReader::Parse(r.out);
  const JsonValue* method = json.field("Method");
  ASSERT_NE(method, nullptr);
  EXPECT_EQ(method->field("CalcMethod")->number, 1.0);
  EXPECT_EQ(method->field("Programs")->items.at(0).items.at(0).field("ElectrolysisPotential")->number, -1400.0);
  EXPECT_EQ(method->field("Localized")->items.at(1).field("LanguageId")->number, 1049.0);
  EXPECT_EQ(method->field("Statistics")->field("Elements")->items.at(0).field("Name")->text, "Zn");
  const JsonValue* script = method->field("Script");
  ASSERT_NE(script, nullptr);
  std::vector<std::string> kinds;
  for (const JsonValue& step : script->items) kinds.push_back(step.field("Kind")->text);
  EXPECT_EQ(kinds.front(), "StageName");
  EXPECT_NE(std::find(kinds.begin(), kinds.end(), "StartRecord"), kinds.end());
  const auto peaks = std::find_if(script->items.begin(), script->items.end(),
                                  [](const JsonValue& s) { return s.field("Kind")->text == "PredefPeaks"; });
  ASSERT_NE(peaks, script->items.end());
  EXPECT_EQ(peaks->field("Peaks")->items.at(0).field("MiddleBorder")->number, -930.0);
}

TEST(MethodCommand, ShowsAScriptFileAndRefusesDamagedOrForeignFiles) {
  test::TempDir dir;
  TMethod method;
  ASSERT_TRUE(MethodFile::Read(kShipped / "Pb-calibration.mtd", method));
  const fs::path script = dir / "lead.tvs";
  TWizSteps::WriteFile(script, method.Script);
  const CliRun r = Cli({"script", "show", script.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue json = JsonReader::Parse(r.out);
  ASSERT_EQ(json.field("Script")->items.size(), method.Script.size());
  const JsonValue& stage = json.field("Script")->items.at(0);
  EXPECT_EQ(stage.field("Description")->text, "Assembling of cell");
  EXPECT_EQ(stage.field("Names")->items.at(1).field("Name")->text, "Сборка установки");

  std::vector<std::uint8_t> damaged = FileIo::readAll(kShipped / "Cd-standard-additions.mtd");
  damaged.resize(damaged.size() - 100);
  FileIo::writeAtomically(dir / "damaged.mtd", damaged);
  const CliRun d = Cli({"method", "show", (dir / "damaged.mtd").string()});
  EXPECT_EQ(d.status, 1);
  EXPECT_FALSE(d.err.empty());
  EXPECT_TRUE(d.out.empty());
  const CliRun foreign = Cli({"script", "show", (kShipped / "Cd-standard-additions.mtd").string()});
  EXPECT_EQ(foreign.status, 1);
  EXPECT_EQ(Cli({"method", "list"}).status, 2);
  EXPECT_EQ(Cli({"script", "show"}).status, 2);
}

// Each shipped method's program, with its two steps as the sample and the
// first addition, records on the emulator: the method's metal shows its
// peak in the sweep, and the addition doubles it.
TEST(MethodCommand, ShippedMethodsRecordOnTheEmulator) {
  test::TempDir dir;
  for (const fs::path& file : {kShipped / "Zn-standard-additions.mtd", kShipped / "Cd-standard-additions.mtd",
                               kShipped / "Pb-standard-additions.mtd", kShipped / "Cu-standard-additions.mtd",
                               kShipped / "Pb-calibration.mtd"}) {
    SCOPED_TRACE(file.filename().string());
    TMethod method;
    ASSERT_TRUE(MethodFile::Read(file, method));
    TVAProgramsArray programs = method.Programs;
    ASSERT_EQ(programs.size(), 1u);
    ASSERT_EQ(programs[0].size(), 2u);
    programs[0][0].SetMeasurementType(1);
    programs[0][1].SetMeasurementType(2);
    const fs::path vap = dir / "run.vap";
    ProgramFiles::WriteProgramSet(vap, programs, 0);
    const fs::path out = dir / "run.tvx";
    const CliRun r = Cli(
        {"record", "--port", "emulator", "--speed", "100", "--flat", "--programs", vap.string(), "-o", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;

    const std::string metal = method.Statistics.Elements.at(0).Name;
    double potential = 0.0;
    for (int e = 0; e < SampleModel::ElementCount; ++e) {
      const auto el = static_cast<SampleModel::Element>(e);
      if (SampleModel::name(el) == metal) potential = SampleModel::peakPotential(el);
    }
    TNodeForest forest;
    CliDocument::Load(forest, out.string());
    std::vector<double> bumps;
    for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling) bumps.push_back(Bump(n->VA()->Data, potential));
    ASSERT_EQ(bumps.size(), 2u);
    EXPECT_GT(bumps[0], 0.5);
    EXPECT_NEAR(bumps[1] / bumps[0], 2.0, 0.4);
  }
}

}  // namespace
}  // namespace velmora
