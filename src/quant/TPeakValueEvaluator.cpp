#include "TPeakValueEvaluator.h"

#include "PeakValue.h"
#include "TVAStruct.h"

namespace velmora {

void TPeakValueEvaluator::Evaluate(const TVAStruct& curve, TPeakRecord& peak) const {
  const TDataArr points = curve.DisplayData();
  TDataArr pairedPoints;
  const TDataArr* paired = nullptr;
  if (peak.CalcType == CalcPotDiff) {
    const auto* partner = dynamic_cast<const TVAStruct*>(curve.Partner);
    if (partner != nullptr && partner->FindPeak(peak.Name) >= 0) {
      pairedPoints = partner->DisplayData();
      paired = &pairedPoints;
    }
  }
  CalcPeakValue(points, paired, peak);
}

const TPeakValueEvaluator& TPeakValueEvaluator::Instance() {
  static const TPeakValueEvaluator instance;
  return instance;
}

void TPeakValueEvaluator::Install() { TVAStruct::SetPeakEvaluator(&Instance()); }

}  // namespace velmora
