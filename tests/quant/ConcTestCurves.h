#pragma once

#include <memory>
#include <string>
#include <vector>

#include "TVAStruct.h"

namespace velmora::conctest {

struct PeakSpec {
  std::string Name;
  double Value = 0.0;
  double AddConc = 0.0;
  std::int32_t CalcType = 1;
};

// Free-standing curve records with cached peak values (no peak evaluator
// installed, so the values stay as given).
class Curves {
 public:
  TVAStruct& Add(int role, std::vector<PeakSpec> peaks, double vc = 10.0, double v1 = 0.1) {
    auto curve = std::make_unique<TVAStruct>();
    curve->Params.SetMeasurementType(role);
    curve->Volumes[5] = vc;
    curve->Volumes[6] = v1;
    for (const PeakSpec& p : peaks) {
      TPeakRecord peak;
      peak.Name = p.Name;
      peak.PeakValue = p.Value;
      peak.ValueValid = 1;
      peak.AdditionConc = p.AddConc;
      peak.CalcType = p.CalcType;
      curve->Peaks.push_back(peak);
    }
    owned_.push_back(std::move(curve));
    return *owned_.back();
  }
  std::vector<TVAStruct*> All() const {
    std::vector<TVAStruct*> out;
    for (const auto& c : owned_) out.push_back(c.get());
    return out;
  }
  TVAStruct& operator[](std::size_t i) { return *owned_[i]; }
  // Sets one volume in every curve.
  void SetVolume(int index, double value) {
    for (auto& c : owned_) c->Volumes[static_cast<std::size_t>(index)] = value;
  }
  void SetUnits(int resTop, int resBottom, int recTop, int recBottom) {
    for (auto& c : owned_) {
      c->ResUnitTop = resTop;
      c->ResUnitBottom = resBottom;
      c->RecalcUnitTop = recTop;
      c->RecalcUnitBottom = recBottom;
    }
  }

 private:
  std::vector<std::unique_ptr<TVAStruct>> owned_;
};

}  // namespace velmora::conctest
