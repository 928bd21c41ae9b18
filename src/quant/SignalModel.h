#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "TDataPoint.h"

namespace velmora {

// One peak of a modelled signal: a Gaussian of `Height` µA centred on
// `Potential` mV, `Width` mV wide at half its height.
struct TModelPeak {
  std::string Name;
  double Potential = 0.0;
  double Height = 0.0;
  double Width = 0.0;
};

// The signal a set of peaks makes: the sum of their Gaussians. A peak whose
// width is not above 0 or whose numbers are not finite adds nothing.
class SignalModel {
 public:
  static bool Usable(const TModelPeak& peak);
  // The signal at one potential (mV), in µA.
  static double Value(std::span<const TModelPeak> peaks, double potential);
  // The potential range the usable peaks occupy: from the lowest centre less
  // two widths to the highest centre plus two widths. False when no peak is
  // usable.
  static bool Range(std::span<const TModelPeak> peaks, double& from, double& to);
  // `count` (at least 2) evenly spaced points of the signal over [from, to];
  // empty when the range is empty or not finite.
  static TDataArr Curve(std::span<const TModelPeak> peaks, double from, double to, std::size_t count);
};

}  // namespace velmora
