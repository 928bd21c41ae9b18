#include "RecordPeaks.h"

#include <limits>

#include "CurvePeakValues.h"
#include "PeakTable.h"
#include "TVAStruct.h"

namespace velmora {

std::vector<TFoundPeak> AutoSearchPeaks(TVAStruct& curve, int invert, const TPredefPeaks& predefined, int calcType) {
  const TDataArr shown = curve.DisplayData();
  TPeakSearchInput input;
  input.Points = shown;
  input.Stored = curve.Data;
  // Only a curve recorded by the analyzer knows its current range; any other
  // (imported from text) is not judged for overload.
  input.FullScale = curve.Params.HasStepSettings()
                        ? OverloadThreshold(curve.Params.ValuesRange(), curve.Params.Modulation() != 0)
                        : std::numeric_limits<double>::infinity();
  input.Invert = invert;
  input.Predefined = predefined;
  for (const auto& peak : curve.Peaks) input.ExistingNames.push_back(peak.Name);

  const std::vector<TFoundPeak> found = SearchPeaks(input);
  for (const auto& peak : found) {
    curve.DeletePeak(peak.Name);
    curve.AddPeak(peak.Name, calcType, peak.BeginIndex, peak.EndIndex);
    curve.SetAdditionConc(peak.Name, peak.AdditionConc);
  }
  return found;
}

TElementsPeaksArr BuildPeakTable(std::span<TVAStruct* const> checkedCurves) {
  // The displayed points in place: the table is built on every repaint of
  // the main chart, over every shown curve. Reading one curve's displayed
  // points never changes another's.
  // Every value fresh, as GetPeaks() gives them, computed curve by curve on
  // the machine's cores.
  CurvePeakValues::Evaluate(checkedCurves);
  std::vector<TPeakTableCurve> curves;
  curves.reserve(checkedCurves.size());
  for (TVAStruct* curve : checkedCurves) {
    if (curve == nullptr) continue;
    curves.push_back({&curve->DisplayPoints(), &curve->Peaks});
  }
  return BuildPeakTable(std::span<const TPeakTableCurve>(curves));
}

}  // namespace velmora
