// The shipped methods: the files in the repository are what the generator
// makes, they load as a library without a problem, and their scripts lead
// through a whole analysis.
#include <gtest/gtest.h>

#include <filesystem>

#include "ExampleMethods.h"
#include "FileIo.h"
#include "MethodFile.h"
#include "TMethodsLibrary.h"
#include "TMethodsMenuModel.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

const fs::path kShipped = fs::path(VELMORA_SOURCE_DIR) / "methods";

}  // namespace

TEST(ExampleMethods, ShippedFilesAreTheGeneratorsOutput) {
  const std::vector<ExampleMethods::Entry> all = ExampleMethods::All();
  ASSERT_EQ(all.size(), 8u);
  for (const ExampleMethods::Entry& e : all) {
    SCOPED_TRACE(e.FileName);
    ASSERT_TRUE(fs::exists(kShipped / e.FileName)) << "run velmora_make_methods methods";
    EXPECT_EQ(FileIo::readAll(kShipped / e.FileName), MethodFile::Encode(e.Method))
        << "the shipped file is out of date: run velmora_make_methods methods";
  }
  EXPECT_EQ(TMethodsLibrary::LibraryFiles(kShipped).size(), all.size());
}

TEST(ExampleMethods, LoadAsALibraryAndOfferTheirMenu) {
  TMethodsLibrary library(kShipped, fs::path(VELMORA_SOURCE_DIR) / "no-data-folder");
  EXPECT_TRUE(library.Load().empty());
  ASSERT_EQ(library.Methods().size(), 8u);
  const TMethodsMenuModel menu = TMethodsMenuModel::Build(library.Methods(), 1033);
  ASSERT_EQ(menu.Entries.size(), 1u);
  EXPECT_EQ(menu.Entries[0].Caption, "Drinking water");
  EXPECT_EQ(menu.Entries[0].Items.size(), 6u);
  EXPECT_EQ(TMethodsMenuModel::Build(library.Methods(), 1049).Entries[0].Caption, "Питьевая вода");
}

TEST(ExampleMethods, ScriptsLeadThroughAWholeAnalysis) {
  TMethodsLibrary library(kShipped, {});
  library.Load();
  for (const TMethod& m : library.Methods()) {
    SCOPED_TRACE(m.FileName);
    const TWizSteps& s = m.Script;
    int depth = 0;
    int cycles = 0;
    bool programSet = false;
    bool recorded = false;
    bool peaks = false;
    std::int32_t calcMethod = -1;
    std::int32_t lastPage = -1;
    for (const ValueRecord& r : s) {
      ASSERT_TRUE(ValueRecord::KnownType(r.Type));
      EXPECT_NE(r.Type, kStepSimulation);
      switch (r.Type) {
        case kStepBeginCycle:
          EXPECT_EQ(depth++, 0);
          ++cycles;
          break;
        case kStepEndCycle:
          EXPECT_EQ(--depth, 0);
          break;
        case kStepProgram:
          programSet = !r.Programs.empty();
          EXPECT_EQ(r.Programs, m.Programs);
          break;
        case kStepStartRecord:
          EXPECT_TRUE(programSet);
          EXPECT_EQ(depth, 1);
          recorded = true;
          break;
        case kStepCalcMethod:
          calcMethod = r.Value;
          break;
        case kStepActivePage:
          EXPECT_GE(r.Value, 0);
          EXPECT_LE(r.Value, 5);
          lastPage = r.Value;
          break;
        case kStepCalcTable:
          EXPECT_EQ(DescribeStep(r, 1033), "Calculations table: OK");
          break;
        case kStepStageName:
          // Every stage is named in both languages the method speaks, and the
          // user's default language (0) reads the English name.
          EXPECT_FALSE(r.NameFor(1033).empty());
          EXPECT_FALSE(r.NameFor(1049).empty());
          EXPECT_EQ(DescribeStep(r, 0), r.NameFor(1033));
          break;
        case kStepPredefPeaks:
          // One peak for each element of the statistics, in their order.
          ASSERT_EQ(r.Peaks.size(), m.Statistics.Elements.size());
          peaks = true;
          for (std::size_t k = 0; k < r.Peaks.size(); ++k) {
            const TPredefPeak& peak = r.Peaks[k];
            // The peak's top lies well inside the sweep of every step, and
            // its window around it.
            EXPECT_LT(peak.LeftBorder, peak.MiddleBorder);
            EXPECT_GT(peak.RightBorder, peak.MiddleBorder);
            for (const TSingleProgramArray& p : m.Programs) {
              for (const ProgramStep& step : p) {
                if (step.SweepStart() == step.SweepEnd()) continue;  // a rinse records nothing
                EXPECT_LT(step.SweepStart(), peak.MiddleBorder - 100.0);
                EXPECT_GT(step.SweepEnd(), peak.MiddleBorder + 100.0);
                EXPECT_LT(step.ElectrolysisPotential(), peak.MiddleBorder - 100.0);
              }
            }
            EXPECT_EQ(peak.Name, m.Statistics.Elements.at(k).Name);
          }
          break;
        default:
          break;
      }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(cycles, 1);
    EXPECT_TRUE(recorded);
    EXPECT_TRUE(peaks);
    EXPECT_EQ(calcMethod, m.CalcMethod);
    EXPECT_EQ(lastPage, 5);  // the report page
    EXPECT_EQ(s.back().Type, kStepWait);
    EXPECT_EQ(m.UsesSampler(), m.FileName.find("autosampler") != std::string::npos);
    EXPECT_FALSE(m.Localized.empty());
    for (const TLocalizedMethod& l : m.Localized) EXPECT_EQ(l.MethodName, m.Statistics.Name);
    // Reproducibility and critical difference are shares of the mean
    // result, as a report applies them (a percentage would pass anything).
    for (const TElementStatistics& e : m.Statistics.Elements) {
      for (const TStatRange& range : e.Ranges) {
        EXPECT_GT(range.Reproducibility, 0.0) << e.Name;
        EXPECT_LE(range.Reproducibility, range.CriticalDifference) << e.Name;
        EXPECT_LT(range.CriticalDifference, 1.0) << e.Name;
      }
    }
  }
}
