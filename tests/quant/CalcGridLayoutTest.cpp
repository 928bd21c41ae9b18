#include "CalcGridLayout.h"

#include <gtest/gtest.h>

#include "CalcParamList.h"
#include "ConcTestCurves.h"
#include "TConcCalculation.h"

using namespace velmora;
using conctest::Curves;
using Kind = CalcGridLayout::Kind;
using Editor = CalcGridLayout::Editor;

namespace {

CalcGridLayout Lay(int method, int type, std::size_t curves, std::size_t elements) {
  CalcGridLayout layout;
  layout.Build(method, type, curves, elements, [](std::size_t c, std::size_t) { return c != 1; });
  return layout;
}

TEST(CalcGridLayoutTest, AdditionsMethodsRowsColumnsAndEditors) {
  for (int method : {0, 1, 2, 3}) {
    const CalcGridLayout g = Lay(method, 0, 3, 2);
    SCOPED_TRACE(method);
    EXPECT_EQ(g.Rows(), 7);
    EXPECT_EQ(g.Columns(), 5);
    EXPECT_EQ(g.FirstDataRow(), 4);
    EXPECT_EQ(g.FirstElementColumn(), 3);
    EXPECT_EQ(g.CellResultRow(), 2);
    EXPECT_EQ(g.SampleResultRow(), 3);
    EXPECT_TRUE(g.IsUnitRow(1));
    EXPECT_TRUE(g.IsUnitRow(3));
    EXPECT_FALSE(g.IsUnitRow(2));
    EXPECT_EQ(g.At(0, 2).kind, Kind::RoleHeader);
    EXPECT_EQ(g.At(0, 4).kind, Kind::ElementHeader);
    EXPECT_EQ(g.At(0, 4).element, 1);
    EXPECT_EQ(g.At(1, 2).kind, Kind::AddCaption);
    EXPECT_EQ(g.At(1, 2).editor, Editor::ResultUnits);
    EXPECT_EQ(g.At(1, 3).kind, Kind::AddConc);
    EXPECT_EQ(g.At(1, 3).editor, Editor::Text);
    EXPECT_EQ(g.At(2, 2).kind, Kind::CellResultCaption);
    EXPECT_EQ(g.At(2, 3).kind, Kind::CellResult);
    EXPECT_EQ(g.At(2, 3).editor, Editor::None);
    EXPECT_EQ(g.At(3, 2).editor, Editor::SampleUnits);
    EXPECT_EQ(g.At(3, 4).kind, Kind::SampleResult);
    EXPECT_EQ(g.At(4, 0).kind, Kind::CurveMark);
    EXPECT_EQ(g.At(5, 1).kind, Kind::CurveName);
    EXPECT_EQ(g.At(5, 1).editor, Editor::Text);
    EXPECT_EQ(g.At(5, 1).curve, 1);
    EXPECT_EQ(g.At(6, 2).kind, Kind::Role);
    EXPECT_EQ(g.At(6, 2).editor, Editor::RoleList);
    EXPECT_EQ(g.At(6, 4).kind, Kind::PeakValue);
    EXPECT_EQ(g.At(6, 4).editor, Editor::None);
    EXPECT_EQ(g.RowOfCurve(2), 6);
    EXPECT_EQ(g.ColumnOfElement(1), 4);
    EXPECT_TRUE(g.InPeakBlock(4, 3));
    EXPECT_FALSE(g.InPeakBlock(3, 3));
    EXPECT_FALSE(g.InPeakBlock(4, 2));
  }
  // Outside the grid a cell is empty, never a crash.
  EXPECT_EQ(Lay(0, 0, 1, 1).At(99, -1).kind, Kind::Empty);
}

TEST(CalcGridLayoutTest, ByCalibrationAndCustomMethods) {
  const CalcGridLayout five = Lay(5, 0, 2, 1);
  EXPECT_EQ(five.Rows(), 5);
  EXPECT_EQ(five.FirstDataRow(), 3);
  EXPECT_EQ(five.CellResultRow(), 1);
  EXPECT_EQ(five.SampleResultRow(), 2);
  EXPECT_EQ(five.At(1, 2).kind, Kind::InCellCaption);
  EXPECT_EQ(five.At(1, 2).editor, Editor::ResultUnits);
  EXPECT_EQ(five.At(1, 3).kind, Kind::CellResult);
  EXPECT_EQ(five.At(1, 3).editor, Editor::None);
  EXPECT_EQ(five.At(2, 2).kind, Kind::SampleCaption);
  EXPECT_EQ(five.At(3, 2).kind, Kind::Role);

  const CalcGridLayout custom = Lay(6, 0, 2, 1);
  EXPECT_EQ(custom.FirstDataRow(), 4);
  EXPECT_EQ(custom.CellResultRow(), -1);
  EXPECT_EQ(custom.At(1, 2).kind, Kind::AddCaption);
  EXPECT_EQ(custom.At(1, 2).editor, Editor::None);  // caption only
  EXPECT_EQ(custom.At(1, 3).editor, Editor::Text);
  EXPECT_EQ(custom.At(2, 2).kind, Kind::Empty);
  EXPECT_EQ(custom.At(3, 2).kind, Kind::SampleCaption);
  EXPECT_EQ(custom.At(3, 2).editor, Editor::None);

  const CalcGridLayout none = Lay(-1, 0, 3, 3);
  EXPECT_EQ(none.Rows(), 2);
  EXPECT_EQ(none.Columns(), 2);
}

TEST(CalcGridLayoutTest, CalibrationCurveByAbscissaType) {
  const CalcGridLayout mixed = Lay(4, -1, 3, 2);
  EXPECT_EQ(mixed.Rows(), 2);
  EXPECT_EQ(mixed.Columns(), 2);

  // Concentration: one concentration column per element, then the values.
  const CalcGridLayout conc = Lay(4, 0, 3, 2);
  EXPECT_EQ(conc.Rows(), 5);
  EXPECT_EQ(conc.Columns(), 6);
  EXPECT_EQ(conc.FirstDataRow(), 2);
  EXPECT_EQ(conc.FirstElementColumn(), 4);
  EXPECT_EQ(conc.At(0, 2).kind, Kind::ConcHeader);
  EXPECT_EQ(conc.At(0, 3).element, 1);
  EXPECT_EQ(conc.At(0, 4).kind, Kind::ElementHeader);
  EXPECT_EQ(conc.At(1, 3).kind, Kind::ConcUnits);
  EXPECT_EQ(conc.At(1, 3).editor, Editor::ElementUnits);
  EXPECT_TRUE(conc.IsUnitRow(1));
  EXPECT_EQ(conc.At(2, 2).kind, Kind::GridValue);
  EXPECT_EQ(conc.At(2, 2).editor, Editor::Text);
  EXPECT_EQ(conc.At(3, 2).editor, Editor::None);  // curve 1 holds no peak here
  EXPECT_EQ(conc.At(2, 1).editor, Editor::Text);
  EXPECT_EQ(conc.At(2, 4).kind, Kind::PeakValue);
  EXPECT_EQ(conc.At(2, 2).kind == Kind::Role, false);

  // Sweep rate and angular frequency: two abscissa columns, diffusion row.
  for (int type : {1, 2}) {
    const CalcGridLayout g = Lay(4, type, 3, 2);
    SCOPED_TRACE(type);
    EXPECT_EQ(g.Rows(), 6);
    EXPECT_EQ(g.Columns(), 6);
    EXPECT_EQ(g.FirstDataRow(), 3);
    EXPECT_EQ(g.FirstElementColumn(), 4);
    EXPECT_EQ(g.At(0, 2).kind, Kind::AbscissaHeader);
    EXPECT_EQ(g.At(0, 3).kind, Kind::RootHeader);
    EXPECT_EQ(g.At(2, 3).kind, Kind::DiffusionCaption);
    EXPECT_EQ(g.At(2, 5).kind, Kind::Diffusion);
    EXPECT_EQ(g.At(3, 2).kind, Kind::AbscissaValue);
    EXPECT_EQ(g.At(3, 3).kind, Kind::RootValue);
    EXPECT_EQ(g.At(3, 2).editor, Editor::None);
    EXPECT_EQ(g.At(3, 1).editor, Editor::Text);
  }
  // Record parameters: one abscissa column.
  for (int type = 3; type < 14; ++type) {
    const CalcGridLayout g = Lay(4, type, 2, 1);
    EXPECT_EQ(g.Columns(), 4);
    EXPECT_EQ(g.FirstDataRow(), 2);
    EXPECT_EQ(g.At(0, 2).kind, Kind::AbscissaHeader);
    EXPECT_EQ(g.At(3, 2).kind, Kind::AbscissaValue);
    EXPECT_EQ(g.At(3, 3).kind, Kind::PeakValue);
  }
  EXPECT_EQ(Lay(4, 14, 2, 1).Rows(), 2);
}

std::vector<int> Volumes(const CalcParamList& list) {
  std::vector<int> out;
  for (const auto& r : list.Rows()) out.push_back(r.source == CalcParamList::Source::Volume ? r.index : 100 + r.index);
  return out;
}

TEST(CalcParamListTest, RowsPerMethodAndErrorFlags) {
  Curves curves;
  curves.Add(1, {{"Pb", 10, 1}});
  curves.Add(2, {{"Pb", 20, 1}});
  curves.SetUnits(5, 2, 5, 2);
  TConcCalculation calc;
  calc.SetCurves(curves.All());
  CalcParamList list;
  auto rows = [&](int method) {
    calc.SelectMethod(method);
    calc.Recalculate();
    list.Build(calc);
    return Volumes(list);
  };
  EXPECT_EQ(rows(0), (std::vector<int>{0, 5, 6, 1}));
  EXPECT_EQ(rows(1), (std::vector<int>{0, 5, 6, 1}));
  EXPECT_EQ(rows(2), (std::vector<int>{0, 5, 6, 7, 8, 1}));
  EXPECT_EQ(rows(3), (std::vector<int>{0, 5, 9, 1}));
  EXPECT_EQ(rows(5), (std::vector<int>{0, 5, 1}));
  curves.Add(4, {{"Pb", 40, 1}});  // a third addition shown: all three
  calc.SetCurves(curves.All());
  EXPECT_EQ(rows(1), (std::vector<int>{0, 5, 6, 7, 8, 1}));
  // A mass unit under the sample result asks for the sample mass.
  for (TVAStruct* c : curves.All()) c->RecalcUnitBottom = 6;
  EXPECT_EQ(rows(0), (std::vector<int>{0, 5, 6, 1, 2, 3}));
  EXPECT_STREQ(list.Rows()[4].caption, "Sample mass, g");
  EXPECT_STREQ(list.Rows()[0].hint, "Volume of sample taken for analyte preparation, cm^3^");
  // Values shared by the curves, "?" (-1) for the missing ones, flagged.
  EXPECT_EQ(list.Rows()[1].value, 10.0);
  EXPECT_FALSE(list.Rows()[1].error);
  EXPECT_EQ(list.Rows()[0].value, -1.0);
  EXPECT_TRUE(list.Rows()[0].error);
  list.SetErrors(0, {"0,5", "0", "abc", "1.5", "-1", "2"});
  EXPECT_FALSE(list.Rows()[0].error);
  EXPECT_TRUE(list.Rows()[1].error);
  EXPECT_TRUE(list.Rows()[2].error);
  EXPECT_FALSE(list.Rows()[3].error);
  EXPECT_TRUE(list.Rows()[4].error);

  // Calibration curve: the physical constants for types 1 and 2 only.
  calc.SetCalibrationType(1);
  EXPECT_EQ(rows(4), (std::vector<int>{100, 101, 102, 103}));
  calc.SetCalibrationType(2);
  EXPECT_EQ(rows(4), (std::vector<int>{100, 101, 102, 103, 104}));
  EXPECT_FALSE(list.AnyError());  // no flags for method 4
  calc.SetCalibrationType(0);
  EXPECT_TRUE(rows(4).empty());

  // Custom methods: a row per volume variable and per user variable.
  TCustomMethodArr methods(1);
  methods[0].Vars = {{"I0", "", 0}, {"vc", "", 0}, {"k", "Factor", 0}, {"q", "", 0}, {"C1", "", 0}};
  calc.SetCustomMethods(&methods);
  EXPECT_EQ(rows(6), (std::vector<int>{5, 100, 100}));
  EXPECT_EQ(list.Rows()[1].ownCaption, "Factor");
  EXPECT_EQ(list.Rows()[2].ownCaption, "q");
}

}  // namespace
