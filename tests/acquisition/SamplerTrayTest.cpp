// The autosampler's tray: service cells shared by name, sample cells per
// sample and electrolyte, the capacity of the tray and its messages, the
// edits of single cells, and the program set built for a whole batch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Messages.h"
#include "SamplerTray.h"

namespace velmora {
namespace {

// A step in method cell `cell`; a sweep when `sweep`.
ProgramStep Step(int cell, bool sweep, const char* comment) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetSweepRate(100);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(sweep ? 100 : -1200);
  s.SetCleaningTime(sweep ? 0 : 10);
  s.SetComments(comment);
  return s;
}

// A method that rinses the electrode in its service cell 1 (named
// `service`), records the sample in its cell 2 and then once more after a
// change of medium in the service cell.
SamplerMethod Method(const std::string& name, int calcMethod, const std::string& electrolyte,
                     const std::string& service = "Rinse water") {
  SamplerMethod m;
  m.Name = name;
  m.CalcMethod = calcMethod;
  m.SupportingElectrolyte = electrolyte;
  m.Programs = {{Step(1, false, "rinse"), Step(2, true, "sample"), Step(1, true, "exchange")}};
  m.Cells = {{1, 1, -1, service}, {2, 2, 1, "Sample"}};
  return m;
}

int Count(const SamplerTray& tray, int cellType) {
  int n = 0;
  for (int i = 0; i < SamplerTray::CellCount; ++i) n += tray.At(i).CellType == cellType;
  return n;
}

TEST(SamplerTrayTest, TwoAdditionMethodsOnTwoElectrolytesLeaveRoomForThreeSamples) {
  SamplerTray tray;
  tray.SetMethods({Method("Zn, Cd, Pb", 0, "Formic acid", "Rinse A"), Method("Hg", 0, "Nitric acid", "Rinse B")});
  EXPECT_FALSE(tray.Ready());  // nothing checked: no sample cell
  tray.SetMethodChecked(0, true);
  tray.SetMethodChecked(1, true);
  EXPECT_EQ(tray.ServiceCellCount(), 2);
  EXPECT_EQ(tray.CellsPerSample(), 4);
  EXPECT_EQ(tray.SamplesMaxCount(), 3);  // (15 - 2) div 4
  tray.SetSamplesCount(7);
  EXPECT_EQ(tray.SamplesCount(), 3);
  EXPECT_EQ(Count(tray, 2), 6);  // "Analyte" per sample and electrolyte
  EXPECT_EQ(Count(tray, 3), 6);  // "Added standard 1"
  EXPECT_EQ(Count(tray, -1), 1);
  EXPECT_TRUE(tray.Problems().empty());
  EXPECT_TRUE(tray.Ready());

  // The service cells first, then sample by sample and method by method.
  EXPECT_EQ(tray.At(0).Comment, "Rinse A");
  EXPECT_EQ(tray.At(1).Comment, "Rinse B");
  EXPECT_EQ(tray.Methods()[0].Cells[0].SamplerPosition, 1);
  EXPECT_EQ(tray.Methods()[1].Cells[0].SamplerPosition, 2);
  const SamplerTray::Cell& first = tray.At(2);
  EXPECT_EQ(first.CellType, 2);
  EXPECT_EQ(first.Comment, "Sample 1");
  EXPECT_EQ(first.InternalComment, "Formic acid");
  EXPECT_EQ(first.Sample, 0);
  ASSERT_EQ(first.Methods.size(), 1u);
  EXPECT_EQ(first.Methods[0].Name, "Zn, Cd, Pb");
  EXPECT_EQ(tray.At(4).InternalComment, "Nitric acid");
  EXPECT_EQ(tray.At(6).Comment, "Sample 2");
  EXPECT_EQ(tray.At(13).Sample, 2);

  // Fewer samples free their cells.
  tray.SetSamplesCount(1);
  EXPECT_EQ(Count(tray, -1), 9);
  // Unchecking a method lays the tray out anew: one service cell, 7 samples.
  tray.SetMethodChecked(1, false);
  EXPECT_EQ(tray.ServiceCellCount(), 1);
  EXPECT_EQ(tray.SamplesMaxCount(), 7);
}

TEST(SamplerTrayTest, MethodsShareServiceCellsByNameAndSampleCellsByElectrolyte) {
  SamplerTray tray;
  // Same rinse water; the first two also share the electrolyte.
  tray.SetMethods({Method("Zn", 0, "Acetate"), Method("Pb", 2, "Acetate"), Method("Cu", 0, "Chloride")});
  for (std::size_t i = 0; i < 3; ++i) tray.SetMethodChecked(i, true);
  ASSERT_EQ(tray.ServiceCellCount(), 1);
  const SamplerTray::Cell& rinse = tray.At(0);
  ASSERT_EQ(rinse.Methods.size(), 3u);
  EXPECT_EQ(rinse.Methods[2].Name, "Cu");
  for (const SamplerMethod& m : tray.Methods()) EXPECT_EQ(m.Cells[0].SamplerPosition, 1) << m.Name;
  // Acetate: analyte, addition and reference; chloride: analyte and addition.
  EXPECT_EQ(tray.CellsPerSample(), 5);
  EXPECT_EQ(tray.SamplesMaxCount(), 2);
  const SamplerTray::Cell& analyte = tray.At(1);
  EXPECT_EQ(analyte.CellType, 2);
  ASSERT_EQ(analyte.Methods.size(), 2u);
  EXPECT_TRUE(analyte.Uses("Zn"));
  EXPECT_TRUE(analyte.Uses("Pb"));
  EXPECT_EQ(tray.At(2).CellType, 3);  // the addition of Zn alone
  EXPECT_EQ(tray.At(3).CellType, 6);  // the reference of Pb
  EXPECT_TRUE(tray.At(3).Uses("Pb"));
  EXPECT_EQ(tray.At(4).InternalComment, "Chloride");
  EXPECT_TRUE(tray.At(6).Free());

  // Methods beyond the additions: the comparative method records the
  // sample and a reference, a calibration curve no sample at all.
  EXPECT_EQ(SamplerTray::SampleTypesOf(3), (std::vector<int>{1, 5}));
  EXPECT_TRUE(SamplerTray::SampleTypesOf(4).empty());
  EXPECT_EQ(SamplerTray::SampleTypesOf(7), std::vector<int>{1});
}

TEST(SamplerTrayTest, AFullTrayNamesWhatDoesNotFit) {
  // Thirteen service cells and a method that needs four cells per sample.
  SamplerMethod big = Method("Standard additions", 1, "Acetate", "Rinse 1");
  for (int i = 2; i <= 13; ++i) big.Cells.push_back({10 + i, 10 + i, -1, "Rinse " + std::to_string(i)});
  SamplerTray tray;
  tray.SetMethods({big, Method("Extra", 0, "Acetate", "Wash")});
  tray.SetMethodChecked(0, true);
  EXPECT_EQ(tray.ServiceCellCount(), 13);
  EXPECT_EQ(tray.SamplesMaxCount(), 0);
  EXPECT_FALSE(tray.HasSampleCell());
  EXPECT_FALSE(tray.Ready());
  ASSERT_EQ(tray.Problems().size(), 1u);
  EXPECT_EQ(tray.Problems()[0].format(),
            "The service cells take 13 of the 15 cells: one sample needs 4 more. Uncheck a method to make room.");

  // Two more service cells than there are cells.
  for (int i = 0; i < 3; ++i) big.Cells.push_back({30 + i, 30 + i, -1, "Wash " + std::to_string(i)});
  tray.SetMethods({big});
  tray.SetMethodChecked(0, true);
  EXPECT_EQ(tray.ServiceCellCount(), 15);
  ASSERT_GE(tray.Problems().size(), 1u);
  EXPECT_EQ(tray.Problems()[0].format(),
            "The tray has no free cell left for the service cell \"Wash 2\" of the method \"Standard additions\".");
  EXPECT_EQ(tray.Methods()[0].Cells.back().SamplerPosition, 0);
  EXPECT_FALSE(tray.Ready());
}

TEST(SamplerTrayTest, BuildsOneProgramPerSampleAndMethodOverTheTrayCells) {
  SamplerTray tray;
  tray.SetMethods({Method("Zn", 0, "Acetate"), Method("Cu", 3, "Chloride")});
  tray.SetMethodChecked(0, true);
  tray.SetMethodChecked(1, true);
  tray.SetSamplesCount(2);
  tray.SetStirrer({true, 2, 1500});
  // Rinse 1; sample 1: Zn analyte 2, Zn addition 3, Cu analyte 4, Cu reference 5; sample 2: 6..9.
  const TVAProgramsArray& set = tray.Programs();
  ASSERT_EQ(set.size(), 4u);
  ASSERT_EQ(set[0].size(), 6u);  // three steps for each of two cells
  struct Expect {
    int cell;
    int type;
    const char* comment;
  };
  const Expect zn1[] = {{1, 0, "Rinse water"}, {2, 1, "Sample 1 Zn"}, {1, 1, "Sample 1 Zn"},
                        {1, 0, "Rinse water"}, {3, 2, "Sample 1 Zn"}, {1, 2, "Sample 1 Zn"}};
  for (std::size_t i = 0; i < 6; ++i) {
    const ProgramStep& st = set[0][i];
    EXPECT_EQ(st.SamplerCell(), zn1[i].cell) << i;
    EXPECT_EQ(st.Comments(), zn1[i].comment) << i;
    EXPECT_EQ(st.StirrerType(), 2);
    EXPECT_EQ(st.StirrerSpeed(), 1500);
    // The rinse keeps the method's own type; every voltammogram takes the
    // type of its sample cell, also the one recorded in the service cell.
    if (i != 0 && i != 3) {
      EXPECT_EQ(st.MeasurementType(), zn1[i].type) << i;
    }
  }
  EXPECT_EQ(set[1][1].SamplerCell(), 4);
  EXPECT_EQ(set[1][1].Comments(), "Sample 1 Cu");
  EXPECT_EQ(set[1][4].SamplerCell(), 5);
  EXPECT_EQ(set[1][4].MeasurementType(), 5);
  EXPECT_EQ(set[3][4].SamplerCell(), 9);
  EXPECT_EQ(set[3][4].Comments(), "Sample 2 Cu");

  // Exchanging two cells moves their steps with them: the cells are
  // visited in tray order, so the addition now comes first.
  tray.ExchangeCells(1, 10);
  EXPECT_EQ(tray.Programs()[0][1].SamplerCell(), 3);
  EXPECT_EQ(tray.Programs()[0][4].SamplerCell(), 11);
  EXPECT_EQ(tray.Programs()[0][4].MeasurementType(), 1);
  EXPECT_TRUE(tray.At(1).Free());
}

TEST(SamplerTrayTest, CellEditsAndTheHandEditMark) {
  SamplerTray tray;
  tray.SetMethods({Method("Zn", 0, "Acetate"), Method("Hg", 0, "Nitric acid")});
  tray.SetMethodChecked(0, true);
  tray.SetMethodChecked(1, true);
  // Let the Zn analyte cell also serve Hg: checking Hg unchecks Zn, whose
  // electrolyte differs.
  SamplerTray::Cell cell = tray.At(1);
  ASSERT_EQ(cell.Methods.size(), 1u);
  const std::size_t before = tray.Programs().size();
  tray.SetCellComment(1, "River water");
  EXPECT_EQ(tray.Programs()[0][1].Comments(), "River water Zn");
  tray.SetCellType(1, 5);
  EXPECT_EQ(tray.Programs()[0][1].MeasurementType(), 5);
  EXPECT_FALSE(tray.CheckCellMethod(1, 0, false));
  EXPECT_EQ(tray.At(1).InternalComment, "");
  EXPECT_FALSE(tray.CheckCellMethod(1, 0, true));
  EXPECT_EQ(tray.At(1).InternalComment, "Acetate");
  EXPECT_EQ(tray.Programs().size(), before);
  // A service cell keeps its name.
  tray.SetCellComment(0, "Other");
  EXPECT_EQ(tray.At(0).Comment, "Rinse water");

  // The set edited by hand is run until the next rebuild, which says so.
  TVAProgramsArray edited = tray.Programs();
  edited[0].pop_back();
  tray.SetEditedPrograms(edited);
  EXPECT_EQ(tray.Programs()[0].size(), edited[0].size());
  EXPECT_FALSE(tray.HandEditReplaced());
  tray.SetSamplesCount(2);
  EXPECT_TRUE(tray.HandEditReplaced());
  tray.SetSamplesCount(1);
  EXPECT_TRUE(tray.HandEditReplaced());  // until the window is shown again
  tray.ClearHandEdit();
  tray.SetSamplesCount(2);
  EXPECT_FALSE(tray.HandEditReplaced());
}

TEST(SamplerTrayTest, CheckingAMethodInACellUnchecksThoseOfAnotherElectrolyte) {
  SamplerTray tray;
  tray.SetMethods({Method("Zn", 0, "Acetate"), Method("Hg", 0, "Nitric acid"), Method("Pb", 0, "Acetate")});
  for (std::size_t i = 0; i < 3; ++i) tray.SetMethodChecked(i, true);
  // The shared rinse cell serves all three.
  ASSERT_EQ(tray.At(0).Methods.size(), 3u);
  EXPECT_FALSE(tray.CheckCellMethod(0, 0, false));
  EXPECT_TRUE(tray.CheckCellMethod(0, 0, true));  // Hg is unchecked, Pb kept
  EXPECT_TRUE(tray.At(0).Uses("Zn"));
  EXPECT_FALSE(tray.At(0).Uses("Hg"));
  EXPECT_TRUE(tray.At(0).Uses("Pb"));
  EXPECT_EQ(tray.At(0).InternalComment, "Acetate");
  EXPECT_FALSE(tray.CheckCellMethod(0, 2, true));  // compatible: nothing to uncheck
  EXPECT_FALSE(tray.CheckCellMethod(0, 7, true));  // no such method
}

}  // namespace
}  // namespace velmora
