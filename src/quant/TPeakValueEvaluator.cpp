#include "TPeakValueEvaluator.h"

#include "PeakValue.h"
#include "TVAStruct.h"

namespace velmora {

void TPeakValueEvaluator::Evaluate(const TVAStruct& curve, TPeakRecord& peak) const {
  if (peak.CalcType == CalcPotDiff) {
    const auto* partner = dynamic_cast<const TVAStruct*>(curve.Partner);
    if (partner != nullptr && partner->FindPeak(peak.Name) >= 0) {
      // Copies: the pair's displayed points may share their caches.
      const TDataArr points = curve.DisplayData();
      const TDataArr pairedPoints = partner->DisplayData();
      CalcPeakValue(points, &pairedPoints, peak);
      return;
    }
  }
  // The displayed points as they are, without a copy (a peak's value is
  // read on every repaint of a chart that shows it).
  CalcPeakValue(curve.DisplayPoints(), nullptr, peak);
}

const TPeakValueEvaluator& TPeakValueEvaluator::Instance() {
  static const TPeakValueEvaluator instance;
  return instance;
}

void TPeakValueEvaluator::Install() { TVAStruct::SetPeakEvaluator(&Instance()); }

}  // namespace velmora
