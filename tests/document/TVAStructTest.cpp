#include <gtest/gtest.h>

#include <cmath>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ForestTestUtil.h"
#include "FormatError.h"
#include "TPeakRecord.h"

namespace velmora {
namespace {

using test::AddLeaf;
using test::Line;

TStructCollection Rows(std::initializer_list<TArrayDataStruct*> curves) {
  TStructCollection rows;
  for (TArrayDataStruct* c : curves) rows.push_back({c});
  return rows;
}

TEST(CurveAveraging, CommonGridAndLinearInterpolation) {
  TVAStruct a, b;
  a.Data = Line(0, 1, 11, 0, 1);     // 0..10, step 1
  b.Data = Line(2, 0.5, 21, 10, 0);  // 2..12, step 0.5, Y = 10
  TDataArr avg = TArrayDataStruct::AverageCurves(Rows({&a, &b}));
  ASSERT_EQ(avg.size(), 17u);  // 2..10 by 0.5
  EXPECT_DOUBLE_EQ(avg.front().X, 2.0);
  EXPECT_DOUBLE_EQ(avg.back().X, 10.0);
  EXPECT_DOUBLE_EQ(avg[1].Y, (2.5 + 10) / 2);

  // Unsorted points are sorted before interpolation.
  TVAStruct r;
  r.Data = {{4, 4}, {0, 0}, {2, 2}};
  TDataArr one = TArrayDataStruct::AverageCurves(Rows({&r}));
  ASSERT_EQ(one.size(), 3u);
  EXPECT_DOUBLE_EQ(one[1].Y, 2.0);

  EXPECT_TRUE(TArrayDataStruct::AverageCurves({}).empty());
  TVAStruct empty;
  EXPECT_TRUE(TArrayDataStruct::AverageCurves(Rows({&empty})).empty());
}

TEST(CurveAveraging, DisjointCurvesAndDegenerateInput) {
  TVAStruct a, b;
  a.Data = Line(0, 1, 11, 1, 0);   // 0..10
  b.Data = Line(20, 1, 11, 3, 0);  // 20..30
  TDataArr avg = TArrayDataStruct::AverageCurves(Rows({&a, &b}));
  ASSERT_EQ(avg.size(), 11u);  // round(|10 - 20| / 1) + 1, from the largest MinX
  EXPECT_DOUBLE_EQ(avg.front().X, 20.0);
  EXPECT_DOUBLE_EQ(avg[1].X, 21.0);

  // A single-point curve counts as a constant and narrows the range to its X.
  TVAStruct single;
  single.Data = {{5, 7}};
  TDataArr s = TArrayDataStruct::AverageCurves(Rows({&a, &single}));
  ASSERT_EQ(s.size(), 1u);
  EXPECT_DOUBLE_EQ(s[0].X, 5.0);
  EXPECT_DOUBLE_EQ(s[0].Y, (1 + 7) / 2.0);
  TDataArr alone = TArrayDataStruct::AverageCurves(Rows({&single}));
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0], (TDataPoint{5, 7}));

  // Repeated potentials never divide by zero.
  TVAStruct dup;
  dup.Data = {{0, 1}, {0, 3}, {1, 5}, {1, 5}};
  for (const TDataPoint& p : TArrayDataStruct::AverageCurves(Rows({&dup}))) EXPECT_TRUE(std::isfinite(p.Y));

  // Curves far apart do not make the grid explode.
  TVAStruct fine, far;
  fine.Data = Line(0, 1e-3, 1001, 0, 0);
  far.Data = Line(1e9, 1, 2, 0, 0);
  EXPECT_LE(TArrayDataStruct::AverageCurves(Rows({&fine, &far})).size(), std::size_t{1} << 20);
}

TEST(CurveAveraging, NodeTypeZeroNeverChangesMeasuredPoints) {
  TNodeForest f;
  const TDataArr measured = test::StrippingCurve();
  TNode* n = AddLeaf(f, nullptr, nullptr, "a", measured);
  TVAStruct* leaf = n->VA();
  leaf->SetXShift(20.0);
  f.SetSemilogMode(true);
  f.ChangeNodeType({n}, 0);
  // However often the leaf is recomputed, its points are the measured ones
  // and the display adds the shift once.
  for (int i = 0; i < 3; ++i) {
    f.SetPainting(false);
    leaf->OnCalcData();
    f.SetPainting(true);
    leaf->OnCalcData();
  }
  EXPECT_EQ(leaf->Data, measured);
  f.SetSemilogMode(false);
  const TDataArr shown = leaf->DisplayData();
  ASSERT_EQ(shown.size(), measured.size());
  EXPECT_DOUBLE_EQ(shown.front().X, measured.front().X + 20.0);
  EXPECT_DOUBLE_EQ(shown[100].Y, measured[100].Y);

  // An averaging group whose children are all removed keeps no average as
  // if it had been measured; undo puts the children and the average back.
  TNode* a = AddLeaf(f, n, nullptr, "b", measured);
  TNode* b = AddLeaf(f, a, nullptr, "c", test::StrippingCurve(2.0, 40.0));
  TNode* g = f.GroupNodes({a, b});
  f.ChangeNodeType({g}, 0);
  ASSERT_EQ(g->VA()->Data.size(), measured.size());
  EXPECT_NEAR(g->VA()->Data[0].Y, 35.0, 1e-9);
  f.RemoveNode(a);
  f.RemoveNode(b);
  EXPECT_EQ(g->FirstChild, nullptr);
  EXPECT_TRUE(g->VA()->Data.empty());
  g->VA()->OnCalcData();
  EXPECT_TRUE(g->VA()->Data.empty());
  f.InsertNode(g, nullptr, a);
  EXPECT_EQ(g->VA()->Data.size(), measured.size());
  EXPECT_EQ(a->VA()->Data, measured);
}

TEST(GroupRecords, AveragedColumnsTakeOneCurvePerRow) {
  TNodeForest f;
  TNode* left = AddLeaf(f, nullptr, nullptr, "left");
  TNode* l0 = AddLeaf(f, nullptr, left, "l0", Line(0, 1, 5, 0, 0));
  TNode* l1 = AddLeaf(f, l0, nullptr, "l1", Line(0, 1, 5, 2, 0));
  AddLeaf(f, l1, nullptr, "l2", Line(0, 1, 5, 4, 0));
  TNode* right = AddLeaf(f, left, nullptr, "r", Line(0, 1, 5, 10, 0));
  TNode* g = f.GroupNodes({left, right});
  f.ChangeNodeType({g}, 2);
  TVAStruct* rec = g->VA();
  ASSERT_EQ(rec->AveragedColumns.size(), 3u);
  ASSERT_EQ(rec->Curves.size(), 3u);
  const double expected[] = {5, 6, 7};
  for (int i = 0; i < 3; ++i) {
    TArrayDataStruct* col = rec->AveragedColumns[static_cast<std::size_t>(i)].get();
    EXPECT_EQ(col->Detached, 1);
    EXPECT_EQ(col->Curves.size(), 2u);
    EXPECT_DOUBLE_EQ(col->Data[0].Y, expected[i]);
  }
  // Hiding a column leaves it out of what the group draws; bad indexes do nothing.
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  f.ToggleColumns({g}, 1);
  EXPECT_EQ(rec->Curves.size(), 2u);
  EXPECT_EQ(undo.log.back(), "columns 1 1");
  f.ToggleColumns({g}, 7);
  rec->ToggleColumnVisible(-1);
  EXPECT_EQ(undo.log.size(), 1u);
  f.ToggleColumns({g}, 1);
  EXPECT_EQ(rec->Curves.size(), 3u);
  // Fewer curves below: the surplus column is emptied, not destroyed.
  f.RemoveNode(l1);
  EXPECT_EQ(rec->AveragedColumns.size(), 3u);
  EXPECT_EQ(rec->Curves.size(), 2u);
}

TEST(GroupRecords, CommonParametersOfAnOverlay) {
  TNodeForest f;
  TNode* a = AddLeaf(f, nullptr, nullptr, "a", Line(0, 1, 5, 0, 0));
  TNode* b = AddLeaf(f, a, nullptr, "b", Line(0, 1, 5, 0, 0));
  for (TNode* n : {a, b}) {
    n->VA()->Params.SetValuesRange(3);
    n->VA()->Params.SetComments("same");
    n->VA()->StirrerType = 1;
  }
  a->VA()->Params.SetSweepRate(100);
  b->VA()->Params.SetSweepRate(200);
  a->VA()->FilterValue = 2;
  b->VA()->FilterValue = 5;
  a->VA()->StepExtra.SamplerCell = 1;
  b->VA()->StepExtra.SamplerCell = 2;
  TNode* g = f.GroupNodes({a, b});
  TVAStruct* rec = g->VA();
  EXPECT_EQ(rec->Params.SweepRate(), 0);
  EXPECT_EQ(rec->FilterValue, -1);
  EXPECT_EQ(rec->StepExtra.SamplerCell, -1);
  EXPECT_EQ(rec->Params.ValuesRange(), 3);
  EXPECT_EQ(rec->StirrerType, 1);
  EXPECT_EQ(rec->Params.Comments(), "same");
  b->VA()->Params.SetComments("other");
  f.RepaintNodes({b});
  EXPECT_EQ(rec->Params.Comments(), "");

  // No checked child: nothing drawn, the parameters stay.
  a->SetChecked(false);
  b->SetChecked(false);
  EXPECT_TRUE(rec->Curves.empty());
  EXPECT_EQ(rec->Params.ValuesRange(), 3);
}

TEST(GroupRecords, TwoSingleCurveRowsArePaired) {
  TNodeForest f;
  TNode* a = AddLeaf(f, nullptr, nullptr, "a", Line(0, 1, 5, 0, 0));
  TNode* b = AddLeaf(f, a, nullptr, "b", Line(0, 1, 5, 0, 0));
  TNode* c = AddLeaf(f, b, nullptr, "c", Line(0, 1, 5, 0, 0));
  f.GroupNodes({a, b});
  EXPECT_EQ(a->VA()->Partner, b->VA());
  EXPECT_EQ(a->VA()->PartnerSide, 0);
  EXPECT_EQ(b->VA()->Partner, a->VA());
  EXPECT_EQ(b->VA()->PartnerSide, 1);
  f.GroupNodes({c, f.FirstRoot()});
  EXPECT_EQ(c->VA()->Partner, nullptr);  // the row of the inner group holds two curves
}

TEST(GroupRecords, NestedGroupsRecomputeUpTheChain) {
  TNodeForest f;
  TNode* leaf = AddLeaf(f, nullptr, nullptr, "x", Line(0, 1, 5, 1, 0));
  TNode* other = AddLeaf(f, leaf, nullptr, "y", Line(0, 1, 5, 3, 0));
  TNode* top = f.GroupNodes({leaf, other});
  for (int i = 0; i < 3; ++i) top = f.GroupNodes({top});
  TNodesArr chain;
  for (TNode* n = leaf->Parent; n; n = n->Parent) chain.push_back(n);
  f.ChangeNodeType(chain, 0);
  EXPECT_DOUBLE_EQ(top->VA()->Data[0].Y, 2.0);
  leaf->VA()->SetData(Line(0, 1, 5, 5, 0));
  EXPECT_DOUBLE_EQ(top->VA()->Data[0].Y, 4.0);
}

std::vector<TDataArr> Snapshots(const TArrayDataStruct& r) {
  std::vector<TDataArr> out;
  for (const TPointsRef& p : r.History) out.push_back(p ? *p : TDataArr());
  return out;
}

TEST(CurveHistory, SnapshotsUndoAndRedo) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  TNode* n = AddLeaf(f, nullptr, nullptr, "a");
  TArrayDataStruct* r = n->ArrayRecord();
  const TDataArr d1 = Line(0, 1, 3, 1, 0), d2 = Line(0, 1, 3, 2, 0);
  r->SetData(d1);
  EXPECT_TRUE(r->History.empty());
  r->SetData(d2);
  EXPECT_EQ(Snapshots(*r), (std::vector<TDataArr>{d1}));
  EXPECT_EQ(r->HistoryIndex, 0);
  r->UndoData();
  EXPECT_EQ(Snapshots(*r), (std::vector<TDataArr>{d1, d2}));
  EXPECT_EQ(r->HistoryIndex, -1);
  EXPECT_EQ(r->Data, d1);
  r->UndoData();  // nothing older
  EXPECT_EQ(r->Data, d1);
  r->RedoData();
  EXPECT_EQ(r->HistoryIndex, 0);
  EXPECT_EQ(r->Data, d2);
  r->RedoData();
  EXPECT_EQ(r->Data, d2);
  EXPECT_EQ(undo.log.size(), 4u);  // every SetData reports one data change

  // The same points twice still push two snapshots; a new edit drops redo.
  r->SetData(d2);
  r->SetData(d2);
  EXPECT_EQ(r->HistoryIndex, 2);
  r->UndoData();
  r->SetData(d1);
  EXPECT_EQ(r->History.size(), static_cast<std::size_t>(r->HistoryIndex) + 1);
}

TEST(CurvePeaks, EditingPeaks) {
  TNodeForest f;
  TNode* n = AddLeaf(f, nullptr, nullptr, "a", Line(0, 1, 10, 0, 0));
  TVAStruct* r = n->VA();
  r->AddPeak("Cd", -1, 2, 4);
  r->AddPeak("Pb", 3, 5, 7);
  ASSERT_EQ(r->Peaks.size(), 2u);
  EXPECT_EQ(r->Peaks[0].CalcType, 1);
  EXPECT_EQ(r->FindPeak("Pb"), 1);
  EXPECT_EQ(r->FindPeak("Zn"), -1);

  TPeakRecord p;
  EXPECT_FALSE(r->CopyPeak("Zn", p));
  EXPECT_EQ(p.UnitTop, 0);
  ASSERT_TRUE(r->CopyPeak("Pb", p));
  p.BeginIndex = -5;
  p.EndIndex = 500;
  p.ValueValid = 1;
  r->SetPeak(1, p);
  EXPECT_EQ(r->Peaks[1].BeginIndex, 0);
  EXPECT_EQ(r->Peaks[1].EndIndex, 9);
  EXPECT_EQ(r->Peaks[1].ValueValid, 0);
  r->SetPeak(2, p);  // outside: nothing
  EXPECT_EQ(r->Peaks.size(), 2u);

  r->Peaks[0].ValueValid = r->Peaks[1].ValueValid = 1;
  r->SetPeakCalcType(0, 6);
  EXPECT_EQ(r->Peaks[0].CalcType, 6);
  EXPECT_EQ(r->Peaks[1].ValueValid, 1);
  r->SetPeakBaselineType(-1, 1);
  EXPECT_EQ(r->Peaks[1].BaselineType, 1);
  EXPECT_EQ(r->Peaks[1].ValueValid, 0);
  r->SetAdditionConc("Cd", 2.5);
  EXPECT_EQ(r->Peaks[0].AdditionConc, 2.5);
  r->RenamePeak("Cd", "Cu");
  r->DeletePeak("Pb");
  ASSERT_EQ(r->Peaks.size(), 1u);
  EXPECT_EQ(r->Peaks[0].Name, "Cu");
  EXPECT_EQ(r->GetPeak(3).Name, "");
}

TEST(CurveVariables, FindGetSet) {
  TVAStruct r;
  r.SetVariable({"Vx", "volume", 1.5});
  r.SetVariable({"k", "", 2.0});
  r.SetVariable({"VX", "volume", 3.0});
  ASSERT_EQ(r.Variables.size(), 2u);
  EXPECT_EQ(r.FindVariable("vx"), 0);
  EXPECT_EQ(r.GetVariable("vX").Value, 3.0);
  EXPECT_EQ(r.GetVariable("none").Name, "");
  r.SetCalcCoefficients(1, 2, 3, 4, 5);
  EXPECT_EQ(r.CalcCoefficients[4], 5.0);
}

TEST(RecordImages, PeakRecordIsA419BytePackedImage) {
  TPeakRecord p;
  p.Name = "Cd";
  p.BeginIndex = 10;
  p.Reserved260 = 77;
  p.EndIndex = 20;
  p.AdditionConc = 0.5;
  p.RightLineCoef[3] = -1.25;
  p.LinSeriesSlot = 0xDEADBEEF;
  p.CalcType = 7;
  p.BaselineType = 1;
  BinaryWriter w;
  p.WriteTo(w);
  ASSERT_EQ(w.size(), 419u);
  BinaryReader check(w.data());
  check.seek(260);
  EXPECT_EQ(check.i32(), 77);
  check.seek(279);
  EXPECT_EQ(check.f64(), 0.5);
  check.seek(367);
  EXPECT_EQ(check.f64(), -1.25);
  check.seek(407);
  EXPECT_EQ(check.u32(), 0xDEADBEEFu);
  EXPECT_EQ(check.i32(), 7);

  TPeakRecord back;
  BinaryReader r(w.data());
  back.ReadFrom(r);
  BinaryWriter again;
  back.WriteTo(again);
  EXPECT_EQ(again.data(), w.data());

  // A stored prefix leaves the later fields as they were.
  TPeakRecord partial;
  partial.CalcType = 3;
  BinaryReader prefix(w.data());
  partial.ReadFrom(prefix, 268);
  EXPECT_EQ(partial.EndIndex, 20);
  EXPECT_EQ(partial.CalcType, 3);
  EXPECT_EQ(partial.UnitTop, -1);

  BinaryWriter shortImage;
  p.WriteTo(shortImage, 100);
  BinaryReader tooShort(shortImage.data());
  EXPECT_THROW(partial.ReadFrom(tooShort, 268), EFormatError);
}

TEST(RecordImages, ParamsKeepEveryByte) {
  TVAParams params;
  for (std::size_t i = 0; i < TVAParams::kSize; ++i) params.Raw[i] = static_cast<std::uint8_t>(i * 7 + 3);
  params.Raw[TVAParams::oComments] = 3;
  BinaryWriter w;
  params.WriteTo(w);
  ASSERT_EQ(w.size(), 244u);
  TVAParams back;
  BinaryReader r(w.data());
  back.ReadFrom(r);
  EXPECT_EQ(back, params);
  back.SetSweepRate(-150);
  back.SetModulation(1);
  EXPECT_EQ(back.SweepRate(), -150);
  EXPECT_EQ(back.Raw[0], 0x6A);
  EXPECT_EQ(back.Raw[3], 0xFF);
  EXPECT_EQ(back.Modulation(), 1);
  back.SetComments(std::string(300, 'x'));
  EXPECT_EQ(back.Comments().size(), 128u);
  EXPECT_THROW(back.GetInt(242), EFormatError);

  TStepExtra extra;
  extra.SamplerCell = 12;
  extra.Reserved[5] = 9;
  BinaryWriter e;
  extra.WriteTo(e);
  ASSERT_EQ(e.size(), 12u);
  TStepExtra extraBack;
  BinaryReader er(e.data());
  extraBack.ReadFrom(er);
  EXPECT_EQ(extraBack, extra);
}

TEST(RecordTexts, PropertyRowsAndCopies) {
  TVAStruct r;
  r.Params.SetValuesRange(1);
  r.Params.SetConjunctionType(2);
  r.Params.SetCleaningTime(5);
  r.Params.SetCleaningPotential(-100);
  r.Params.SetSweepRate(60);
  r.Params.SetSweepStart(-800);
  r.Params.SetSweepEnd(200);
  r.Params.SetComments("Cd test");
  r.StirrerType = 2;
  r.StirrerSpeed = 500;
  std::vector<std::string> lines;
  for (const TPropertyRow& row : r.PropertyRows()) lines.push_back(row.Property.format() + "=" + row.Value.format());
  const std::vector<std::string> expected = {"Property=Value",
                                             "Date=1899-12-30 00:00:00",
                                             "Values range=2 mkA",
                                             "Conjunction type=4x electrodes",
                                             "Stirrer=Off",
                                             "Stirrer type=Regulated electrode",
                                             "Delay after mixing=0",
                                             "Speed=500 rpm",
                                             "Cleaning=-100 mV 5 sec",
                                             "Sweep rate=60 mV/sec",
                                             "Sweep start=-800 mV",
                                             "Sweep end=200 mV",
                                             "Comments=Cd test"};
  EXPECT_EQ(lines, expected);
  EXPECT_STREQ(TVAStruct::MeasurementTypeCaption(5), "Reference");
  EXPECT_STREQ(TVAStruct::VolumeCaption(9), "Reference, cm^3^");
  EXPECT_STREQ(TVAStruct::VolumeCaption(10), "");
  r.Volumes[4 + 2] = 0.1;
  EXPECT_EQ(r.VolumeOf(2), 0.1);
  EXPECT_EQ(r.VolumeOf(6), -1.0);

  r.Data = Line(0, 1, 3, 0, 1);
  r.AddPeak("Cd", 0, 0, 2);
  r.Peaks[0].LinSeries = Line(0, 1, 2, 0, 0);
  r.OwnVolume = 10;
  auto copy = r.FreeStandingCopy();
  EXPECT_EQ(copy->Node, nullptr);
  EXPECT_EQ(copy->Data, r.Data);
  EXPECT_EQ(copy->Params, r.Params);
  EXPECT_EQ(copy->OwnVolume, 10);
  ASSERT_EQ(copy->Peaks.size(), 1u);
  EXPECT_TRUE(copy->Peaks[0].LinSeries.empty());
  EXPECT_DOUBLE_EQ(copy->MaxY, 2.0);
}

}  // namespace
}  // namespace velmora
