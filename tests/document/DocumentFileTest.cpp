#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "DocumentFile.h"
#include "FileHeader.h"
#include "ForestTestUtil.h"
#include "FormatError.h"
#include "TempDir.h"
#include "VAStructStream.h"

using namespace velmora;
using velmora::test::AddLeaf;
using velmora::test::Line;
using velmora::test::Shape;

namespace {

// A record with every stored field set to something other than its default.
void FillRecord(TVAStruct& r, int seed) {
  r.XShift = 1.25 * seed;
  r.Visible = 1;
  r.DatabaseName = "_______" + std::to_string(seed % 10) + ".dbd";
  r.RecordDate = 45000.5 + seed;
  r.Params.SetSweepRate(60 + seed);
  r.Params.SetSweepStart(-1200);
  r.Params.SetSweepEnd(150);
  r.Params.SetCycle(1);
  r.Params.SetCycleCount(3);
  r.Params.SetComments("Zn, Cd, Pb in water №" + std::to_string(seed));
  r.Params.SetMeasurementType(2);
  r.Params.Raw[240] = 0xAB;  // reserved bytes travel verbatim
  r.StepExtra.ElectrodeDown = 1;
  r.StepExtra.SamplerCell = 7;
  r.StepExtra.Reserved[5] = 9;
  r.StirrerType = 2;
  r.StirrerSpeed = 1500;
  r.Compensation = 4;
  r.FilterValue = 3;
  r.CalculationMethod = 6;
  r.CalibrationType = 1;
  r.HasCustomMethod = 1;
  r.CustomMethod.Name = "ratio";
  r.CustomMethod.Formula = "I0/IB";
  r.CustomMethod.Vars = {{"I0", "analyte", 1.5}};
  r.CustomMethod.ResultUnitTop = 5;
  r.OwnVolume = 10.0;
  r.Volumes = {1, 2, 3, 4, 5, 10.0, 7, 8, 9, 0.1};
  r.ResUnitTop = 4;
  r.ResUnitBottom = 1;
  r.RecalcUnitTop = 5;
  r.RecalcUnitBottom = 2;
  r.Variables = {{"k", "factor", 2.5}, {"m", "", -1}};
  r.CalcCoefficients = {1.5, 0.25, 0.0, 300.0, 0.02};
  TPeakRecord p = TPeakRecord::Zero();
  p.Name = "Cd";
  p.BeginIndex = 3;
  p.Reserved260 = 77;
  p.EndIndex = 9;
  p.PeakValue = 0.125;
  p.ChosenLine = 1;
  p.AdditionConc = 2.0;
  p.MarkIndex1 = 4;
  p.MarkIndex2 = 8;
  p.GridValue = 0.5;
  p.UnitTop = 4;
  p.UnitBottom = 1;
  p.CalcType = 3;
  p.BaselineType = 1;
  r.Peaks = {p};
}

TNode* AddFilledLeaf(TNodeForest& f, TNode* after, TNode* parent, const std::string& name, int seed) {
  TNode* n = AddLeaf(f, after, parent, name, Line(-1000, 5, 20 + seed, 0.5, 0.001 * seed));
  FillRecord(*n->VA(), seed);
  return n;
}

std::vector<std::uint8_t> WithHeader(const std::vector<std::uint8_t>& body) {
  BinaryWriter w;
  FileHeader::write(w, "TVNX");
  w.bytes(body);
  return w.take();
}

// The tags of a chunk sequence, in order.
std::vector<int> Tags(std::span<const std::uint8_t> bytes) {
  BinaryReader in(bytes);
  ChunkReader chunks(in);
  Chunk c;
  std::vector<int> tags;
  while (chunks.next(c)) tags.push_back(c.tag);
  return tags;
}

std::vector<std::uint8_t> RecordBytes(const TVAStruct& r) {
  BinaryWriter w;
  VAStructStream::SaveToStream(r, w);
  return w.take();
}

}  // namespace

TEST(DocumentFile, EmptyForestIsJustTheHeader) {
  TNodeForest f;
  const auto bytes = DocumentFile::DocumentBytes(f);
  ASSERT_EQ(bytes.size(), 9u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("\x08TVNXv100"));
  TNodeForest g;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(g, bytes), 0);
  EXPECT_EQ(g.FirstRoot(), nullptr);
}

TEST(DocumentFile, WritesNodesInTreeOrderWithTheDocumentedTags) {
  TNodeForest f;
  TNode* g = AddLeaf(f, nullptr, nullptr, "group");
  TNode* a = AddFilledLeaf(f, nullptr, g, "a", 1);
  AddFilledLeaf(f, a, g, "b", 2);
  AddFilledLeaf(f, g, nullptr, "c", 3);
  const auto bytes = DocumentFile::DocumentBytes(f);
  const std::vector<int> expected = {1, 4, 5, 15, 2, 4, 5, 15, 1, 4, 5, 15, 3, 1, 4, 5, 15};
  EXPECT_EQ(Tags(std::span(bytes).subspan(9)), expected);
}

TEST(DocumentFile, RecordStreamTagOrderForLeafAndGroup) {
  TNodeForest f;
  TNode* g = AddLeaf(f, nullptr, nullptr, "g");
  TNode* leaf = AddFilledLeaf(f, nullptr, g, "leaf", 1);
  const std::vector<int> leafTags = {41, 16, 17, 43, 18, 20, 23, 26, 28, 29, 25, 40,
                                     42, 30, 31, 27, 38, 39, 32, 33, 34, 35, 36, 37};
  EXPECT_EQ(Tags(RecordBytes(*leaf->VA())), leafTags);
  // A group stores no points; with node type 2 its columns replace the peaks.
  g->VA()->NodeType = 2;
  const std::vector<int> groupTags = {17, 43, 18, 20, 23, 26, 28, 29, 22, 27, 38, 39, 32, 33, 34, 35, 36, 37};
  EXPECT_EQ(Tags(RecordBytes(*g->VA())), groupTags);
}

TEST(DocumentFile, RoundTripKeepsEveryStoredFieldAndIsByteIdentical) {
  TNodeForest f;
  TNode* g = AddLeaf(f, nullptr, nullptr, "Group ^3^");
  TNode* a = AddFilledLeaf(f, nullptr, g, "a", 1);
  TNode* b = AddFilledLeaf(f, a, g, "b", 2);
  AddFilledLeaf(f, g, nullptr, "Проба", 3);
  b->SetChecked(false);
  g->Fold();
  a->VA()->Data.clear();  // a leaf without points
  const auto bytes = DocumentFile::DocumentBytes(f);

  TNodeForest h;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(h, bytes), 0);
  EXPECT_EQ(Shape(h.FirstRoot()), "Group ^3^(a b) Проба");
  EXPECT_EQ(DocumentFile::DocumentBytes(h), bytes);

  const TNode* hg = h.FirstRoot();
  EXPECT_TRUE(hg->Folded);
  EXPECT_FALSE(hg->FirstChild->NextSibling->Checked);
  EXPECT_TRUE(hg->FirstChild->VA()->Data.empty());
  const TVAStruct& r = *hg->NextSibling->VA();
  const TVAStruct& o = *f.FirstRoot()->NextSibling->VA();
  EXPECT_EQ(r.Data, o.Data);
  EXPECT_EQ(r.XShift, o.XShift);
  EXPECT_EQ(r.Params, o.Params);
  EXPECT_EQ(r.Params.Comments(), "Zn, Cd, Pb in water №3");
  EXPECT_EQ(r.StepExtra, o.StepExtra);
  EXPECT_EQ(r.StirrerType, 2);
  EXPECT_EQ(r.StirrerSpeed, 1500);
  EXPECT_EQ(r.Compensation, 4);
  EXPECT_EQ(r.FilterValue, 3);
  EXPECT_EQ(r.CalculationMethod, 6);
  EXPECT_EQ(r.CalibrationType, 1);
  EXPECT_EQ(r.HasCustomMethod, 1);
  EXPECT_EQ(r.CustomMethod, o.CustomMethod);
  EXPECT_EQ(r.RecordDate, o.RecordDate);
  EXPECT_EQ(r.DatabaseName, o.DatabaseName);
  EXPECT_EQ(r.Variables, o.Variables);
  EXPECT_EQ(r.CalcCoefficients, o.CalcCoefficients);
  EXPECT_EQ(r.OwnVolume, 10.0);
  EXPECT_EQ(r.Volumes, o.Volumes);
  EXPECT_EQ(r.ResUnitTop, 4);
  EXPECT_EQ(r.RecalcUnitBottom, 2);
  ASSERT_EQ(r.Peaks.size(), 1u);
  const TPeakRecord& p = r.Peaks[0];
  EXPECT_EQ(p.Name, "Cd");
  EXPECT_EQ(p.Reserved260, 77);
  EXPECT_EQ(p.EndIndex, 9);
  EXPECT_EQ(p.AdditionConc, 2.0);
  EXPECT_EQ(p.MarkIndex2, 0);  // beyond the stored image
  EXPECT_EQ(p.GridValue, 0.5);
  EXPECT_EQ(p.UnitTop, 4);
  EXPECT_EQ(p.UnitBottom, 1);
  EXPECT_EQ(p.CalcType, 3);
  EXPECT_EQ(p.BaselineType, 1);
  EXPECT_EQ(p.ValueValid, 0);
}

TEST(DocumentFile, AveragedColumnsComeBackDetachedInOrderWithVisibility) {
  TNodeForest f;
  TNode* g = AddLeaf(f, nullptr, nullptr, "g");
  TNode* a = AddLeaf(f, nullptr, g, "a", Line(0, 1, 11, 1, 0));
  TNode* a1 = AddLeaf(f, nullptr, a, "a1", Line(0, 1, 11, 1, 0));
  AddLeaf(f, a1, a, "a2", Line(0, 1, 11, 3, 0));
  AddLeaf(f, a, g, "b", Line(0, 1, 11, 5, 0));
  a->VA()->SetNodeType(1);
  g->VA()->SetNodeType(2);
  ASSERT_EQ(g->VA()->AveragedColumns.size(), 2u);
  g->VA()->ToggleColumnVisible(1);
  const auto bytes = DocumentFile::DocumentBytes(f);

  TNodeForest h;
  DocumentFile::LoadDocumentBytes(h, bytes);
  const TVAStruct& hg = *h.FirstRoot()->VA();
  EXPECT_EQ(hg.NodeType, 2);
  ASSERT_EQ(hg.AveragedColumns.size(), 2u);
  EXPECT_EQ(hg.AveragedColumns[0]->Detached, 1);
  EXPECT_EQ(hg.AveragedColumns[0]->Visible, 1);
  EXPECT_EQ(hg.AveragedColumns[1]->Visible, 0);
  // The columns get their points from the children when the group is
  // recomputed after loading: column 0 averages a1 (Y 1) with b (Y 5).
  ASSERT_FALSE(hg.AveragedColumns[0]->Data.empty());
  EXPECT_DOUBLE_EQ(hg.AveragedColumns[0]->Data.front().Y, 3.0);
  EXPECT_EQ(DocumentFile::DocumentBytes(h), bytes);
}

// The record streams of the averaged columns of a node-type-2 record.
std::vector<std::vector<std::uint8_t>> ColumnStreams(const TVAStruct& r) {
  const std::vector<std::uint8_t> bytes = RecordBytes(r);
  BinaryReader in(bytes);
  ChunkReader chunks(in);
  Chunk c;
  std::vector<std::vector<std::uint8_t>> columns;
  while (chunks.next(c)) {
    if (c.tag != 22) continue;
    const std::int32_t m = c.body.i32();
    for (std::int32_t i = 0; i < m; ++i) {
      const std::int32_t size = c.body.i32();
      const auto column = c.body.bytes(static_cast<std::size_t>(size));
      columns.emplace_back(column.begin(), column.end());
    }
  }
  return columns;
}

TEST(DocumentFile, NestedAveragedColumnsKeepTheLayoutAndRoundTripByteIdentical) {
  // Overlay groups of samples; in each, an average-and-overlay group of two
  // replicate overlays, and an average-and-overlay group nested in it.
  TNodeForest f;
  TNode* after = nullptr;
  for (int s = 0; s < 3; ++s) {
    TNode* sample = AddLeaf(f, after, nullptr, "Sample " + std::to_string(s));
    after = sample;
    TNode* both = AddLeaf(f, nullptr, sample, "both");
    TNode* prev = nullptr;
    for (int r = 0; r < 2; ++r) {
      TNode* replicates = AddLeaf(f, prev, prev ? nullptr : both, "replicates");
      prev = replicates;
      TNode* leaf = nullptr;
      for (int k = 0; k < 2 + r; ++k) {
        leaf = AddLeaf(f, leaf, leaf ? nullptr : replicates, "c", test::StrippingCurve(2.0, 25.0 + 3 * k + s));
        leaf->VA()->Params.SetValuesRange(3);
        leaf->VA()->SetXShift(5.0 * k);
      }
    }
    TNode* inner = AddLeaf(f, prev, nullptr, "inner");
    AddLeaf(f, nullptr, inner, "i0", test::StrippingCurve(2.0, 31.0));
    AddLeaf(f, inner->FirstChild, nullptr, "i1", test::StrippingCurve(2.0, 33.0));
    inner->VA()->SetNodeType(2);
    both->VA()->SetNodeType(2);
  }
  const TVAStruct& both = *f.FirstRoot()->FirstChild->VA();
  ASSERT_EQ(both.AveragedColumns.size(), 3u);

  // A column is bound to the group's node: it stores no points and no shift.
  const std::vector<int> columnTags = {17, 43, 18, 20, 23, 26, 28, 29, 25, 40, 42,
                                       30, 31, 27, 38, 39, 32, 33, 34, 35, 36, 37};
  const auto columns = ColumnStreams(both);
  ASSERT_EQ(columns.size(), 3u);
  for (const auto& column : columns) EXPECT_EQ(Tags(column), columnTags);

  const auto bytes = DocumentFile::DocumentBytes(f);
  TNodeForest h;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(h, bytes), 0);
  const auto again = DocumentFile::DocumentBytes(h);
  EXPECT_EQ(again.size(), bytes.size());
  EXPECT_TRUE(again == bytes);
  TNodeForest k;
  DocumentFile::LoadDocumentBytes(k, again);
  EXPECT_TRUE(DocumentFile::DocumentBytes(k) == bytes);
  // The columns got their averages back from the children.
  const TVAStruct& hb = *h.FirstRoot()->FirstChild->VA();
  ASSERT_EQ(hb.AveragedColumns.size(), 3u);
  EXPECT_EQ(hb.AveragedColumns[0]->Data, both.AveragedColumns[0]->Data);
}

TEST(DocumentFile, ClosingTheLastRootLevelMakesTheNextNodeTheFirstRoot) {
  // Node A, its record, then block 3 at the root level: no current node is
  // left, so node B becomes the first root node.
  TNodeForest src;
  TNode* a = AddLeaf(src, nullptr, nullptr, "A", test::StrippingCurve());
  BinaryWriter body;
  ChunkWriter cw(body);
  BinaryWriter nameA, nameB;
  nameA.shortString("A", 255);
  nameB.shortString("B", 255);
  cw.chunk(1, nameA.data());
  cw.chunk(15, RecordBytes(*a->VA()));
  cw.emptyChunk(3);
  cw.chunk(1, nameB.data());
  TNodeForest h;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(h, WithHeader(body.data())), 0);
  EXPECT_EQ(Shape(h.FirstRoot()), "B A");
  EXPECT_EQ(h.LastRoot()->VA()->Data, a->VA()->Data);

  // Appended to an open document, the nodes still follow its last root node
  // until the root level is closed.
  TNodeForest open;
  AddLeaf(open, nullptr, nullptr, "X");
  DocumentFile::LoadDocumentBytes(open, WithHeader(body.data()));
  EXPECT_EQ(Shape(open.FirstRoot()), "B X A");
}

TEST(DocumentFile, ALeafOfNodeTypeZeroKeepsItsStoredPoints) {
  TNodeForest f;
  TNode* leaf = AddLeaf(f, nullptr, nullptr, "leaf", test::StrippingCurve());
  leaf->VA()->XShift = 20.0;
  leaf->VA()->NodeType = 0;
  const auto bytes = DocumentFile::DocumentBytes(f);
  TNodeForest h;
  DocumentFile::LoadDocumentBytes(h, bytes);
  TVAStruct& r = *h.FirstRoot()->VA();
  h.SetSemilogMode(true);
  h.SetSemilogMode(false);
  r.OnCalcData();
  EXPECT_EQ(r.Data, leaf->VA()->Data);
  EXPECT_DOUBLE_EQ(r.DisplayData().front().X, r.Data.front().X + 20.0);
  EXPECT_TRUE(DocumentFile::DocumentBytes(h) == bytes);
}

TEST(DocumentFile, UnknownBlocksAreSkippedAndReported) {
  TNodeForest f;
  TNode* n = AddFilledLeaf(f, nullptr, nullptr, "n", 1);
  auto record = RecordBytes(*n->VA());
  // Insert block 99 after the database name; every later block still counts.
  BinaryWriter body;
  ChunkWriter cw(body);
  cw.chunk(1, std::vector<std::uint8_t>(256, 0));
  BinaryWriter rec;
  ChunkWriter rw(rec);
  BinaryReader in(record);
  ChunkReader chunks(in);
  Chunk c;
  while (chunks.next(c)) {
    rw.chunk(c.tag, c.body.bytes(c.body.size()));
    if (c.tag == 18) rw.chunk(99, std::vector<std::uint8_t>{1, 2, 3});
  }
  cw.chunk(15, rec.data());
  TNodeForest h;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(h, WithHeader(body.data())), 1);
  EXPECT_EQ(h.FirstRoot()->VA()->Params, n->VA()->Params);
  EXPECT_EQ(h.FirstRoot()->VA()->Peaks.size(), 1u);
  EXPECT_EQ(h.FirstRoot()->VA()->CustomMethod, n->VA()->CustomMethod);

  // An unknown block in the document body.
  cw.chunk(77, std::vector<std::uint8_t>(5, 0));
  cw.chunk(1, std::vector<std::uint8_t>(256, 0));
  TNodeForest k;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(k, WithHeader(body.data())), 1);
  EXPECT_EQ(k.FirstRoot()->NextSibling->NextSibling, nullptr);
}

TEST(DocumentFile, OldPeakBlocksAndReadTimeFixUps) {
  BinaryWriter w;
  ChunkWriter cw(w);
  // Block 19: date, parameters, 21 old entries (two used).
  cw.begin(19);
  w.f64(40000.25);
  TVAParams params;
  params.SetSweepRate(33);
  params.SetMeasurementType(12);
  params.WriteTo(w);
  for (int i = 0; i < 21; ++i) {
    w.shortString(i == 0 ? "Zn" : i == 1 ? "Pb" : "", 4);
    w.i32(10 * i);
    w.i32(5);
    w.i32(10 * i + 4);
    w.f64(1.5 * i);
    w.zeros(3);
  }
  cw.end();
  // Block 23: the volume of the (fixed-up) measurement type.
  cw.doubleChunk(23, 7.5);
  // Block 33: a stirrer speed beyond 2000 and a type beyond 4 are unknown.
  cw.begin(33);
  w.i32(9);
  w.i32(2500);
  w.u8(1);
  cw.end();
  TVAStruct r;
  BinaryReader in(w.data());
  EXPECT_EQ(VAStructStream::LoadFromStream(r, in), 0);
  EXPECT_EQ(r.RecordDate, 40000.25);
  EXPECT_EQ(r.Params.SweepRate(), 33);
  EXPECT_EQ(r.Params.MeasurementType(), 0);
  EXPECT_EQ(r.Volumes[4], 7.5);
  EXPECT_EQ(r.StirrerSpeed, -1);
  EXPECT_EQ(r.StirrerType, -1);
  ASSERT_EQ(r.Peaks.size(), 2u);
  EXPECT_EQ(r.Peaks[1].Name, "Pb");
  EXPECT_EQ(r.Peaks[1].BeginIndex, 10);
  EXPECT_EQ(r.Peaks[1].Reserved260, 5);
  EXPECT_EQ(r.Peaks[1].EndIndex, 14);
  EXPECT_EQ(r.Peaks[1].PeakValue, 1.5);
  EXPECT_EQ(r.Peaks[1].CalcType, 0);

  // Block 21 and block 24 give calculation type 1.
  BinaryWriter w2;
  ChunkWriter c2(w2);
  c2.begin(21);
  w2.i32(1);
  w2.shortString("Cu", 4);
  w2.i32(1);
  w2.i32(0);
  w2.i32(2);
  w2.f64(3.0);
  w2.zeros(3);
  c2.end();
  TVAStruct r2;
  BinaryReader in2(w2.data());
  VAStructStream::LoadFromStream(r2, in2);
  ASSERT_EQ(r2.Peaks.size(), 1u);
  EXPECT_EQ(r2.Peaks[0].Name, "Cu");
  EXPECT_EQ(r2.Peaks[0].CalcType, 1);
  EXPECT_EQ(r2.Peaks[0].PeakValue, 3.0);

  BinaryWriter w3;
  ChunkWriter c3(w3);
  c3.begin(24);
  w3.i32(2);
  TPeakRecord p = TPeakRecord::Zero();
  p.Name = "Hg";
  p.AdditionConc = 5;  // beyond the 279 bytes: not stored
  p.ChosenLine = 1;
  p.WriteTo(w3, 279);
  p.Name = "As";
  p.WriteTo(w3, 279);
  c3.end();
  TVAStruct r3;
  BinaryReader in3(w3.data());
  VAStructStream::LoadFromStream(r3, in3);
  ASSERT_EQ(r3.Peaks.size(), 2u);
  EXPECT_EQ(r3.Peaks[1].Name, "As");
  EXPECT_EQ(r3.Peaks[0].ChosenLine, 1);
  EXPECT_EQ(r3.Peaks[0].AdditionConc, 0.0);
  EXPECT_EQ(r3.Peaks[0].CalcType, 1);
}

TEST(DocumentFile, VolumeOfTypesWithoutSlotStaysOwnVolumeOnly) {
  for (std::int32_t type : {6, 9, -3, std::numeric_limits<std::int32_t>::min()}) {
    BinaryWriter w;
    ChunkWriter cw(w);
    cw.begin(20);
    w.f64(1.0);
    TVAParams params;
    params.SetMeasurementType(type);
    params.WriteTo(w);
    cw.end();
    cw.doubleChunk(23, 4.0);
    TVAStruct r;
    BinaryReader in(w.data());
    VAStructStream::LoadFromStream(r, in);
    EXPECT_EQ(r.OwnVolume, 4.0);
    EXPECT_EQ(r.Params.MeasurementType(), type);
    for (double v : r.Volumes) EXPECT_EQ(v, 0.0);
  }
}

TEST(DocumentFile, HeaderRules) {
  TNodeForest f;
  AddFilledLeaf(f, nullptr, nullptr, "kept", 1);
  auto bytes = DocumentFile::DocumentBytes(f);

  auto badMagic = bytes;
  badMagic[2] = 'X';
  TNodeForest g;
  AddLeaf(g, nullptr, nullptr, "existing");
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(g, badMagic), 0);
  EXPECT_EQ(Shape(g.FirstRoot()), "existing");

  auto version = bytes;
  version[8] = '1';
  try {
    DocumentFile::LoadDocumentBytes(g, version);
    FAIL() << "a wrong version must fail";
  } catch (const EFormatError& e) {
    EXPECT_STREQ(e.what(), "Unknown file format TVNXv101");
  }
  EXPECT_EQ(g.Painting, 1);
  EXPECT_FALSE(g.Undo().Suspended());

  // Appended after the last root node of a non-empty forest.
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(g, bytes), 0);
  EXPECT_EQ(Shape(g.FirstRoot()), "existing kept");
}

TEST(DocumentFile, DamagedFilesFailCleanlyAndKeepWhatWasRead) {
  TNodeForest f;
  TNode* a = AddFilledLeaf(f, nullptr, nullptr, "a", 1);
  AddFilledLeaf(f, a, nullptr, "b", 2);
  const auto bytes = DocumentFile::DocumentBytes(f);

  // Every truncation either loads or throws EFormatError, never worse; the
  // first node survives a cut inside the second.
  for (std::size_t cut = 9; cut < bytes.size(); cut += 97) {
    TNodeForest g;
    std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    try {
      DocumentFile::LoadDocumentBytes(g, part);
    } catch (const EFormatError&) {
    }
    EXPECT_EQ(g.Painting, 1);
  }
  TNodeForest g;
  std::vector<std::uint8_t> part(bytes.begin(), bytes.end() - 100);
  EXPECT_THROW(DocumentFile::LoadDocumentBytes(g, part), EFormatError);
  ASSERT_NE(g.FirstRoot(), nullptr);
  EXPECT_EQ(g.FirstRoot()->Name, "a");
  EXPECT_EQ(g.FirstRoot()->VA()->Data, a->VA()->Data);
}

TEST(DocumentFile, HostileCountsSizesAndNesting) {
  auto load = [](const std::vector<std::uint8_t>& body) {
    TNodeForest g;
    return DocumentFile::LoadDocumentBytes(g, WithHeader(body));
  };
  // A block size beyond the file, and a negative one.
  for (std::int32_t size : {1000000, -8}) {
    BinaryWriter w;
    w.i32(1);
    w.i32(size);
    w.zeros(20);
    EXPECT_THROW(load(w.data()), EFormatError);
  }
  // Counts of 2^31 - 1 and negative counts in a record stream.
  for (int tag : {16, 25, 29, 22, 27, 21, 24}) {
    for (std::int32_t count : {std::numeric_limits<std::int32_t>::max(), -1}) {
      BinaryWriter rec;
      ChunkWriter rw(rec);
      rw.begin(tag);
      rec.i32(count);
      rec.zeros(64);
      rw.end();
      TVAStruct r;
      BinaryReader in(rec.data());
      EXPECT_THROW(VAStructStream::LoadFromStream(r, in), EFormatError) << tag;
    }
  }
  // A name whose length byte is above its capacity, in a short block.
  {
    BinaryWriter w;
    ChunkWriter cw(w);
    cw.chunk(1, std::vector<std::uint8_t>{255, 'a', 'b'});
    TNodeForest g;
    DocumentFile::LoadDocumentBytes(g, WithHeader(w.data()));
    EXPECT_EQ(g.FirstRoot()->Name, "ab");
  }
  // Deep nesting of first-child blocks ends with a clear error, not a stack
  // overflow.
  {
    BinaryWriter w;
    ChunkWriter cw(w);
    cw.chunk(1, std::vector<std::uint8_t>(1, 0));
    for (int i = 0; i < 100000; ++i) cw.chunk(2, {});
    TNodeForest g;
    try {
      DocumentFile::LoadDocumentBytes(g, WithHeader(w.data()));
      FAIL();
    } catch (const EFormatError& e) {
      EXPECT_NE(std::string(e.what()).find("nested deeper"), std::string::npos);
    }
    EXPECT_EQ(g.Count(), static_cast<std::size_t>(DocumentFile::kMaxDepth) + 1);
  }
  // Averaged columns nested in averaged columns.
  {
    std::vector<std::uint8_t> inner;
    for (int i = 0; i < 50; ++i) {
      BinaryWriter rec;
      ChunkWriter rw(rec);
      rw.begin(22);
      rec.i32(1);
      rec.i32(static_cast<std::int32_t>(inner.size()));
      rec.bytes(inner);
      rw.end();
      inner = rec.take();
    }
    TVAStruct r;
    BinaryReader in(inner);
    EXPECT_THROW(VAStructStream::LoadFromStream(r, in), EFormatError);
  }
}

TEST(DocumentFile, SaveAndLoadThroughFiles) {
  test::TempDir dir;
  TNodeForest f;
  AddFilledLeaf(f, nullptr, nullptr, "a", 1);
  const auto file = dir / "doc.tvx";
  test::TempDir::writeFile(file, "old content");
  DocumentFile::SaveDocument(f, file);
  TNodeForest g;
  EXPECT_EQ(DocumentFile::LoadDocument(g, file), 0);
  EXPECT_EQ(Shape(g.FirstRoot()), "a");
  EXPECT_EQ(g.FocusedNode, g.FirstRoot());
  // A save that cannot be written leaves the old file as it was.
  EXPECT_THROW(DocumentFile::SaveDocument(f, dir / "missing" / "doc.tvx"), EFormatError);
  EXPECT_THROW(DocumentFile::LoadDocument(g, dir / "none.tvx"), EFormatError);
}
