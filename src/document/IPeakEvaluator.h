#pragma once

namespace velmora {

class TVAStruct;
struct TPeakRecord;

// Computes a peak's value by its calculation type (PeakValue, ChosenLine,
// marks and lines) and sets ValueValid. The peak value code registers one
// implementation (TVAStruct::SetPeakEvaluator); without one, peaks keep
// their cached values.
class IPeakEvaluator {
 public:
  virtual ~IPeakEvaluator() = default;
  virtual void Evaluate(const TVAStruct& curve, TPeakRecord& peak) const = 0;
};

}  // namespace velmora
