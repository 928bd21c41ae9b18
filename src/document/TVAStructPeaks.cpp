// The peak operations of a curve record.
#include <algorithm>

#include "IPeakEvaluator.h"
#include "TVAStruct.h"

namespace velmora {

void TVAStruct::PeaksChanged() { NotifyChanged(false); }

std::int32_t TVAStruct::FindPeak(const std::string& name) const {
  for (std::size_t i = 0; i < Peaks.size(); ++i) {
    if (Peaks[i].Name == name) return static_cast<std::int32_t>(i);
  }
  return -1;
}

bool TVAStruct::CopyPeak(const std::string& name, TPeakRecord& out) const {
  const std::int32_t i = FindPeak(name);
  if (i < 0) {
    out = TPeakRecord::Zero();
    return false;
  }
  out = Peaks[static_cast<std::size_t>(i)];
  return true;
}

void TVAStruct::DeletePeak(const std::string& name) {
  const std::int32_t i = FindPeak(name);
  if (i < 0) return;
  Peaks.erase(Peaks.begin() + i);
  PeaksChanged();
}

void TVAStruct::AddPeak(const std::string& name, std::int32_t calcType, std::int32_t beginIndex,
                        std::int32_t endIndex) {
  TPeakRecord p;
  p.Name = name;
  p.CalcType = calcType == -1 ? 1 : calcType;
  p.BeginIndex = beginIndex;
  p.EndIndex = endIndex;
  p.ValueValid = 0;
  p.AdditionConc = 0.0;
  Peaks.push_back(std::move(p));
  PeaksChanged();
}

void TVAStruct::SetPeaks(TPeaks peaks) {
  Peaks = std::move(peaks);
  for (TPeakRecord& p : Peaks) p.ValueValid = 0;
  PeaksChanged();
}

void TVAStruct::SetPeak(std::int32_t index, const TPeakRecord& peak) {
  if (index < 0 || static_cast<std::size_t>(index) >= Peaks.size()) return;
  TPeakRecord p = peak;
  const std::int32_t last = std::max<std::int32_t>(0, static_cast<std::int32_t>(DisplayPoints().size()) - 1);
  p.BeginIndex = std::clamp(p.BeginIndex, 0, last);
  p.EndIndex = std::clamp(p.EndIndex, 0, last);
  p.ValueValid = 0;
  Peaks[static_cast<std::size_t>(index)] = std::move(p);
  PeaksChanged();
}

void TVAStruct::SetPeakCalcType(std::int32_t index, std::int32_t calcType) {
  if (index < -1 || index >= static_cast<std::int32_t>(Peaks.size())) return;
  for (std::size_t i = 0; i < Peaks.size(); ++i) {
    if (index != -1 && static_cast<std::int32_t>(i) != index) continue;
    Peaks[i].CalcType = calcType;
    Peaks[i].ValueValid = 0;
  }
  PeaksChanged();
}

void TVAStruct::SetPeakBaselineType(std::int32_t index, std::int32_t baselineType) {
  if (index < -1 || index >= static_cast<std::int32_t>(Peaks.size())) return;
  for (std::size_t i = 0; i < Peaks.size(); ++i) {
    if (index != -1 && static_cast<std::int32_t>(i) != index) continue;
    Peaks[i].BaselineType = baselineType;
    Peaks[i].ValueValid = 0;
  }
  PeaksChanged();
}

void TVAStruct::SetAdditionConc(const std::string& name, double value) {
  const std::int32_t i = FindPeak(name);
  if (i < 0) return;
  Peaks[static_cast<std::size_t>(i)].AdditionConc = value;
  PeaksChanged();
}

void TVAStruct::RenamePeak(const std::string& oldName, const std::string& newName) {
  const std::int32_t i = FindPeak(oldName);
  if (i < 0) return;
  Peaks[static_cast<std::size_t>(i)].Name = newName;
  PeaksChanged();
}

const TPeaks& TVAStruct::GetPeaks() {
  for (TPeakRecord& p : Peaks) EvaluatePeak(p);
  return Peaks;
}

TPeakRecord TVAStruct::GetPeak(std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= Peaks.size()) return TPeakRecord::Zero();
  TPeakRecord& p = Peaks[static_cast<std::size_t>(index)];
  EvaluatePeak(p);
  return p;
}

void TVAStruct::RefreshPeakValues() {
  for (TPeakRecord& p : Peaks) {
    if (!p.ValueValid) EvaluatePeak(p);
  }
}

}  // namespace velmora
