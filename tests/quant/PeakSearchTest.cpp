#include "PeakSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FormatError.h"

using namespace velmora;

namespace {

struct Gauss {
  double Center;     // mV
  double Amplitude;  // µA
  double Width = 18.0;
};

// A stripping voltammogram from -1200 to 0 mV on a sloped baseline.
TDataArr Voltammogram(const std::vector<Gauss>& peaks, double step = 1.0, double noise = 0.0, unsigned seed = 1) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> jitter(0.0, noise > 0 ? noise : 1.0);
  TDataArr points;
  for (double x = -1200.0; x <= 0.0 + 1e-9; x += step) {
    double y = 0.4 + 0.0008 * (x + 1200.0);
    for (const auto& g : peaks) y += g.Amplitude * std::exp(-0.5 * std::pow((x - g.Center) / g.Width, 2));
    if (noise > 0) y += jitter(rng);
    points.push_back({x, y});
  }
  return points;
}

TPeakSearchInput Input(const TDataArr& points, double fullScale = 20.0) {
  TPeakSearchInput input;
  input.Points = points;
  input.FullScale = fullScale;
  return input;
}

std::vector<std::string> Names(const std::vector<TFoundPeak>& found) {
  std::vector<std::string> names;
  for (const auto& peak : found) names.push_back(peak.Name);
  return names;
}

const std::vector<Gauss> kFourElements = {{-900, 2.0}, {-600, 1.5}, {-400, 3.0}, {-200, 2.5}};

}  // namespace

TEST(PeakSearchSteps, DifferentiateChordAreaOverloadAndWalk) {
  const TDataArr points = {{0, 0}, {2, 4}, {2, 5}, {6, 1}};
  const TDataArr slope = Differentiate(points);
  ASSERT_EQ(slope.size(), 3u);
  EXPECT_EQ(slope[0].X, 1.0);
  EXPECT_EQ(slope[0].Y, 2.0);
  EXPECT_EQ(slope[1].Y, 0.0);  // same X: slope 0
  EXPECT_EQ(slope[2].X, 4.0);
  EXPECT_EQ(slope[2].Y, -1.0);

  // Triangle of height 2 over a zero chord, steps of 1 mV: area 4.
  const TDataArr triangle = {{0, 0}, {1, 1}, {2, 2}, {3, 1}, {4, 0}};
  EXPECT_DOUBLE_EQ(ChordArea(triangle, 0, 4), 4.0);
  EXPECT_EQ(ChordArea(triangle, 2, 2), 0.0);

  EXPECT_TRUE(IsOverloaded(triangle, 4, 0, 2.0));
  EXPECT_FALSE(IsOverloaded(triangle, 0, 1, 2.0));
  EXPECT_TRUE(IsOverloaded(TDataArr{{0, -3}}, 0, 0, 2.0));
  EXPECT_DOUBLE_EQ(OverloadThreshold(2, false), 20.0);
  EXPECT_DOUBLE_EQ(OverloadThreshold(0, true), 0.02);

  // A flat foot before a rising peak: the left border walks up to where the
  // chord no longer passes above a point.
  const TDataArr foot = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 3}, {6, 6}, {7, 9}, {8, 10}};
  int l = 0, r = 8;
  RefineBorder(foot, l, r);
  EXPECT_EQ(r, 8);
  EXPECT_EQ(l, 3);
  // Falling chord: the right border moves instead.
  TDataArr mirrored;
  for (auto it = foot.rbegin(); it != foot.rend(); ++it) mirrored.push_back({8 - it->X, it->Y});
  l = 0;
  r = 8;
  RefineBorder(mirrored, l, r);
  EXPECT_EQ(l, 0);
  EXPECT_EQ(r, 5);
  EXPECT_EQ(Walk(foot, 2, 2, 5, 1), 2);
}

TEST(PeakSearchNaming, ElementsUnknownNumbersAndPredefinedPeaks) {
  double conc = -1;
  EXPECT_EQ(ChoosePeakName(-950, -850, {}, {}, conc), "Zn");
  EXPECT_EQ(conc, 0.0);
  EXPECT_EQ(ChoosePeakName(-900, -850, {}, {}, conc), "Unknown 1");  // strictly inside only
  EXPECT_EQ(ChoosePeakName(-50, 10, {}, {"Unknown 1", "Unknown 3"}, conc), "Unknown 2");
  EXPECT_EQ(ChoosePeakName(-1600, 0, {}, {}, conc), "Mn");  // first in table order

  TPredefPeaks predefined = {{"Pb", -500, 1, -300, 0.0, 0}, {"Pb2", -500, 0, -300, 2.5, 0}};
  EXPECT_EQ(ChoosePeakName(-450, -350, predefined, {}, conc), "Pb2");
  EXPECT_EQ(conc, 2.5);
  EXPECT_EQ(ChoosePeakName(-550, -350, predefined, {}, conc), "");
  EXPECT_EQ(PredefInvertFlag(predefined), 1);
  EXPECT_EQ(PredefInvertFlag({}), 0);
}

TEST(PeakSearchNaming, PredefinedPeakRecordRoundTripAndTruncation) {
  const TPredefPeak peak{"Cd", -700.5, 0, -500.25, 10.0, 7};
  BinaryWriter out;
  peak.WriteTo(out);
  ASSERT_EQ(out.data().size(), TPredefPeak::kSize);
  BinaryReader in(out.data());
  TPredefPeak back;
  back.ReadFrom(in);
  EXPECT_EQ(back, peak);
  std::vector<std::uint8_t> cut(out.data().begin(), out.data().end() - 1);
  BinaryReader shortIn(cut);
  EXPECT_THROW(back.ReadFrom(shortIn), EFormatError);
}

TEST(AutoSearch, FindsAndNamesFourElementPeaks) {
  const TDataArr curve = Voltammogram(kFourElements);
  const std::vector<TFoundPeak> found = SearchPeaks(Input(curve));
  EXPECT_EQ(Names(found), (std::vector<std::string>{"Zn", "Cd", "Pb", "Cu"}));
  const double centers[] = {-900, -600, -400, -200};
  for (std::size_t i = 0; i < found.size() && i < 4; ++i) {
    EXPECT_LT(found[i].BeginIndex, found[i].EndIndex);
    EXPECT_LT(curve[found[i].BeginIndex].X, centers[i]);
    EXPECT_GT(curve[found[i].EndIndex].X, centers[i]);
    EXPECT_EQ(found[i].AdditionConc, 0.0);
  }
  // Too small to count: below 3 µA·mV of area.
  EXPECT_TRUE(SearchPeaks(Input(Voltammogram({{-600, 0.02, 10}}))).empty());
  EXPECT_TRUE(SearchPeaks(Input(TDataArr{{0, 1}})).empty());
}

TEST(AutoSearch, ReversedSweepStoresIndicesInTheCurvesOwnOrder) {
  const TDataArr ascending = Voltammogram(kFourElements);
  const TDataArr descending(ascending.rbegin(), ascending.rend());
  const std::vector<TFoundPeak> up = SearchPeaks(Input(ascending));
  const std::vector<TFoundPeak> down = SearchPeaks(Input(descending));
  ASSERT_EQ(Names(down), Names(up));
  const int high = static_cast<int>(ascending.size()) - 1;
  for (std::size_t i = 0; i < up.size(); ++i) {
    EXPECT_EQ(down[i].BeginIndex, high - up[i].BeginIndex);
    EXPECT_EQ(down[i].EndIndex, high - up[i].EndIndex);
    EXPECT_GT(down[i].BeginIndex, down[i].EndIndex);
  }
  // The overload test looks at the found peak's own points: a spike at the
  // far end of the curve does not suppress the Zn peak.
  TDataArr spiked = descending;
  spiked[5].Y = 100.0;
  TPeakSearchInput input = Input(descending);
  input.Stored = spiked;
  EXPECT_EQ(Names(SearchPeaks(input)), Names(up));
}

TEST(AutoSearch, InvertedCurvesOverloadAndPredefinedPeaks) {
  TDataArr negative = Voltammogram(kFourElements);
  for (auto& p : negative) p.Y = -p.Y;
  TPeakSearchInput input = Input(negative);
  input.Invert = 1;
  const std::vector<TFoundPeak> inverted = SearchPeaks(input);
  EXPECT_EQ(inverted, SearchPeaks(Input(Voltammogram(kFourElements))));
  EXPECT_EQ(Names(inverted), (std::vector<std::string>{"Zn", "Cd", "Pb", "Cu"}));
  // Searched upright, the dips are no peaks: only the humps between them are.
  input.Invert = 0;
  for (const auto& peak : inverted) EXPECT_LT(negative[peak.EndIndex].X - negative[peak.BeginIndex].X, 200.0);
  for (const auto& hump : SearchPeaks(input)) EXPECT_GT(negative[hump.EndIndex].X - negative[hump.BeginIndex].X, 250.0);

  // Pb reaches the full scale of 2.2 µA (plus baseline): never added.
  const TDataArr curve = Voltammogram({{-900, 1.0}, {-400, 2.5}});
  EXPECT_EQ(Names(SearchPeaks(Input(curve, 2.2))), (std::vector<std::string>{"Zn"}));
  EXPECT_TRUE(SearchPeaks(Input(curve, 0.2)).empty());

  const TDataArr four = Voltammogram(kFourElements);
  TPeakSearchInput named = Input(four);
  named.Predefined = {{"Cd", -700, 0, -500, 0.0, 0}, {"Pb", -500, 0, -300, 4.0, 0}};
  const std::vector<TFoundPeak> found = SearchPeaks(named);
  ASSERT_EQ(Names(found), (std::vector<std::string>{"Pb"}));  // Cd has no addition concentration
  EXPECT_EQ(found[0].AdditionConc, 4.0);
}

TEST(AutoSearch, OverlappingAndNoisyPeaks) {
  // Two overlapping peaks 60 mV apart around -900 mV are both found; both
  // enclose -900 and are named "Zn", so one Zn remains once added.
  const std::vector<TFoundPeak> pair = SearchPeaks(Input(Voltammogram({{-930, 2.0}, {-870, 2.0}}, 1.0)));
  ASSERT_EQ(pair.size(), 2u);
  TPeaks peaks;
  AddFoundPeaks(peaks, pair, -1);
  ASSERT_EQ(peaks.size(), 1u);
  EXPECT_EQ(peaks[0].CalcType, 1);
  EXPECT_EQ(peaks[0].BeginIndex, pair[1].BeginIndex);

  // Noise of 20 nA on 0.3 mV steps (4 000 points) still gives the elements.
  const TDataArr noisy = Voltammogram(kFourElements, 0.3, 0.02, 42);
  const std::vector<std::string> names = Names(SearchPeaks(Input(noisy)));
  for (const char* element : {"Zn", "Cd", "Pb", "Cu"})
    EXPECT_NE(std::find(names.begin(), names.end(), element), names.end()) << element;
}

TEST(AutoSearch, UnknownPeaksAreNumberedAndKeptAcrossSearches) {
  // Peaks far from every element potential.
  const TDataArr curve = Voltammogram({{-1050, 2.0}, {-750, 2.0}});
  TPeakSearchInput input = Input(curve);
  const std::vector<TFoundPeak> first = SearchPeaks(input);
  EXPECT_EQ(Names(first), (std::vector<std::string>{"Unknown 1", "Unknown 2"}));
  TPeaks peaks;
  AddFoundPeaks(peaks, first, 4);
  input.ExistingNames = {"Unknown 1", "Unknown 2"};
  const std::vector<TFoundPeak> second = SearchPeaks(input);
  EXPECT_EQ(Names(second), (std::vector<std::string>{"Unknown 3", "Unknown 4"}));
  AddFoundPeaks(peaks, second, 4);
  EXPECT_EQ(peaks.size(), 4u);
  // The new peaks take the calculation type in force and the linear baseline.
  EXPECT_EQ(peaks[3].CalcType, 4);
  EXPECT_EQ(peaks[3].BaselineType, 0);
  EXPECT_EQ(peaks[3].ValueValid, 0);
}
