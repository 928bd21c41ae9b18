#include <gtest/gtest.h>

#include "AssemblyPlan.h"
#include "Messages.h"

namespace velmora {
namespace {

TEST(AssemblyPlanTest, AnalyzerAloneHasThreeStepsAndTheConnection) {
  const AssemblyPlan p = AssemblyPlan::Build(AssemblyPlan::Analyzer);
  ASSERT_EQ(p.frames().size(), 26u);
  EXPECT_EQ(p.frames()[0].file, "Analyzer/01.svg");
  EXPECT_EQ(p.frames()[9].file, "Analyzer/10.svg");
  EXPECT_EQ(p.frames()[25].file, "Analyzer/26.svg");
  for (std::size_t i = 0; i < p.frames().size(); ++i) {
    const bool key = i == 8 || i == 20 || i == 25;
    EXPECT_EQ(p.frames()[i].duration, key ? 1000 : 250) << i;
  }
  ASSERT_EQ(p.steps().size(), 4u);
  EXPECT_EQ(p.stepCount(), 3);
  EXPECT_EQ(p.steps()[1].first, 9);
  EXPECT_EQ(p.steps()[1].last, 20);
  EXPECT_STREQ(p.steps()[1].instruction, msg::AssemblyAnalyzerFront);
  EXPECT_TRUE(p.steps()[3].connection);
  EXPECT_EQ(p.steps()[3].first, 25);
  EXPECT_EQ(p.steps()[3].last, 25);
}

TEST(AssemblyPlanTest, AccessoryStepsComeBeforeTheAnalyzers) {
  for (int setup : {AssemblyPlan::Rde, AssemblyPlan::Stirrer}) {
    const AssemblyPlan p = AssemblyPlan::Build(setup);
    const int accessory = setup == AssemblyPlan::Rde ? 37 : 54;
    ASSERT_EQ(p.frames().size(), static_cast<std::size_t>(accessory + 26));
    // Five accessory steps, the analyzer's three, then the connection.
    ASSERT_EQ(p.steps().size(), 9u);
    EXPECT_EQ(p.stepCount(), 8);
    EXPECT_EQ(p.steps()[4].last, accessory - 1);
    EXPECT_EQ(p.steps()[5].first, accessory);
    EXPECT_STREQ(p.steps()[5].instruction, msg::AssemblyAnalyzerBack);
    EXPECT_EQ(p.steps()[7].last, accessory + 25);
    EXPECT_EQ(p.steps()[8].first, accessory + 25);
    EXPECT_TRUE(p.steps()[8].connection);
    EXPECT_EQ(p.frames()[static_cast<std::size_t>(accessory)].file, "Analyzer/01.svg");
  }
  const AssemblyPlan rde = AssemblyPlan::Build(AssemblyPlan::Rde);
  EXPECT_EQ(rde.frames()[6].duration, 1000);
  EXPECT_EQ(rde.frames()[7].duration, 250);
  EXPECT_EQ(rde.steps()[1].first, 7);
  EXPECT_EQ(rde.steps()[1].last, 10);
  const AssemblyPlan stirrer = AssemblyPlan::Build(AssemblyPlan::Stirrer);
  EXPECT_EQ(stirrer.steps()[3].first, 38);
  EXPECT_STREQ(stirrer.steps()[3].instruction, msg::AssemblyStirrerElectrodes);
}

TEST(AssemblyPlanTest, AutosamplerMixesItsPicturesWithTheAnalyzers) {
  const AssemblyPlan p = AssemblyPlan::Build(AssemblyPlan::Autosampler);
  ASSERT_EQ(p.frames().size(), 34u);
  EXPECT_EQ(p.frames()[9].file, "Autosampler/10.svg");
  EXPECT_EQ(p.frames()[10].file, "Analyzer/01.svg");
  EXPECT_EQ(p.frames()[19].file, "Autosampler/11.svg");
  EXPECT_EQ(p.frames()[28].file, "Autosampler/20.svg");
  EXPECT_EQ(p.frames()[29].file, "Analyzer/22.svg");
  EXPECT_EQ(p.frames()[33].file, "Analyzer/26.svg");
  for (int key : {9, 18, 23, 28, 33}) EXPECT_EQ(p.frames()[static_cast<std::size_t>(key)].duration, 1000);
  ASSERT_EQ(p.steps().size(), 6u);
  EXPECT_EQ(p.stepCount(), 5);
  EXPECT_STREQ(p.steps()[1].instruction, msg::AssemblyAnalyzerBack);
  EXPECT_TRUE(p.steps()[5].connection);
  EXPECT_EQ(p.files().size(), 34u);
  // Pictures used by several steps are listed once.
  EXPECT_EQ(AssemblyPlan::Build(AssemblyPlan::Analyzer).files().size(), 26u);
  EXPECT_TRUE(AssemblyPlan::Build(1).frames().empty());
  EXPECT_TRUE(AssemblyPlan::Build(-1).steps().empty());
}

}  // namespace
}  // namespace velmora
