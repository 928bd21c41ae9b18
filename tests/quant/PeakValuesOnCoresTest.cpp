// Peak values of many curves computed on several threads: the values are
// those of each curve's own serial reading, to the bit.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <memory>
#include <vector>

#include "BinaryWriter.h"
#include "CurvePeakValues.h"
#include "PeakTable.h"
#include "PeakValue.h"
#include "RecordPeaks.h"
#include "TConcCalculation.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

constexpr int kCurves = 36;

// A forest of curves with peaks of every calculation type, shifted curves
// (their shifted points are a cache filled on first reading) and paired
// curves measured by potential difference.
struct Document {
  TNodeForest forest;
  std::vector<TVAStruct*> curves;

  explicit Document(bool semilog) {
    for (int c = 0; c < kCurves; ++c) {
      TNode* n = forest.CreateNode();
      n->SetRecord(std::make_unique<TVAStruct>(n));
      forest.InsertNode(nullptr, forest.LastRoot(), n);
      TVAStruct* va = n->VA();
      TDataArr points;
      for (int i = 0; i < 1200; ++i) {
        const double x = -1200.0 + i;
        double y = 0.3 + 0.0005 * i + 0.01 * (c % 7);
        const double centers[] = {-900, -600, -400, -200};
        for (int k = 0; k < 4; ++k) {
          y += (1.0 + 0.1 * ((c + k) % 5)) * std::exp(-0.5 * std::pow((x - centers[k] - c % 3) / 18.0, 2));
        }
        points.push_back({x, y});
      }
      va->SetData(points);
      if (c % 3 == 1) va->SetXShift(2.5 * c);
      const char* names[] = {"Zn", "Cd", "Pb", "Cu", "Sb", "Bi", "Tl", "Hg"};
      for (int t = 0; t < 8; ++t) {
        const int begin = 100 + 130 * t + c % 4;
        va->AddPeak(names[t], (t + c) % 8, begin, begin + 60 + c % 9);
        va->SetPeakBaselineType(t, (c + t) % 3);
      }
      va->AddPeak("Ox", CalcPotDiff, 250 + c % 5, 360);
      curves.push_back(va);
    }
    if (semilog) forest.SetSemilogMode(true);
    for (int c = 0; c + 1 < kCurves; c += 2) {
      curves[c]->Partner = curves[c + 1];
      curves[c + 1]->Partner = curves[c];
      curves[c + 1]->PartnerSide = 1;
    }
  }
};

std::vector<std::uint8_t> Image(const TVAStruct& curve) {
  BinaryWriter out;
  for (const TPeakRecord& p : curve.Peaks) {
    p.WriteTo(out);
    out.u64(p.LinSeries.size());
    for (const TDataPoint& q : p.LinSeries) {
      out.f64(q.X);
      out.f64(q.Y);
    }
  }
  return out.take();
}

class PeakValuesOnCores : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { TPeakValueEvaluator::Install(); }
  void TearDown() override { TVAStruct::SetPeakEvaluator(nullptr); }
};

}  // namespace

TEST_P(PeakValuesOnCores, TwoThreadsGiveEachCurvesOwnValuesToTheBit) {
  Document serial(GetParam()), split(GetParam()), single(GetParam());
  for (TVAStruct* c : serial.curves) c->GetPeaks();
  // A curve listed twice is still computed once and right.
  std::vector<TVAStruct*> list = split.curves;
  list.push_back(split.curves[5]);
  list.push_back(nullptr);
  CurvePeakValues::Evaluate(list, 2);
  CurvePeakValues::Evaluate(single.curves, 1);
  int potentialDifferences = 0;
  for (int c = 0; c < kCurves; ++c) {
    SCOPED_TRACE(c);
    const std::vector<std::uint8_t> expected = Image(*serial.curves[c]);
    EXPECT_EQ(Image(*split.curves[c]), expected);
    EXPECT_EQ(Image(*single.curves[c]), expected);
    for (const TPeakRecord& p : split.curves[c]->Peaks) {
      EXPECT_EQ(p.ValueValid, 1);
      if (p.CalcType == CalcPotDiff && p.PeakValue != 0.0) ++potentialDifferences;
    }
  }
  // The paired curves were really measured against each other.
  EXPECT_GT(potentialDifferences, kCurves / 2);
}

TEST_P(PeakValuesOnCores, TheTablesOfManyCurvesMatchTheSerialOnes) {
  Document serial(GetParam()), split(GetParam());
  // The old way: every curve read on its own.
  std::vector<TPeakTableCurve> rows;
  for (TVAStruct* c : serial.curves) rows.push_back({&c->DisplayPoints(), &c->GetPeaks()});
  const TElementsPeaksArr expected = BuildPeakTable(std::span<const TPeakTableCurve>(rows));
  const TElementsPeaksArr table = BuildPeakTable(std::span<TVAStruct* const>(split.curves));
  ASSERT_EQ(table.size(), expected.size());
  for (int c = 0; c < kCurves; ++c) EXPECT_EQ(Image(*split.curves[c]), Image(*serial.curves[c])) << c;

  // The calculation window's table reads the same values.
  Document again(GetParam());
  TConcCalculation calc;
  calc.SetCurves(again.curves);
  calc.Recalculate();
  int cells = 0;
  for (const auto& element : calc.Elements()) {
    for (int c = 0; c < kCurves; ++c) {
      double value = 0.0;
      if (!calc.PeakValue(*again.curves[c], element.Name, value)) continue;
      const std::int32_t k = serial.curves[c]->FindPeak(element.Name);
      ASSERT_GE(k, 0);
      EXPECT_EQ(std::bit_cast<std::uint64_t>(value),
                std::bit_cast<std::uint64_t>(serial.curves[c]->Peaks[static_cast<std::size_t>(k)].PeakValue));
      ++cells;
    }
  }
  EXPECT_EQ(cells, kCurves * 9);
}

INSTANTIATE_TEST_SUITE_P(DisplayModes, PeakValuesOnCores, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "Semilog" : "Plain"; });
