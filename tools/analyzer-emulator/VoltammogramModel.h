#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "SampleModel.h"

namespace velmora {

// The current an emulated mercury-film electrode gives during a sweep, µA:
// a sloped capacitive baseline, the hydrogen and mercury waves at the ends
// of the window, and one stripping peak per element deposited during the
// electrolysis, with some noise.
class VoltammogramModel {
 public:
  struct Conditions {
    double electrolysisPotentialMv = -1200.0;
    double electrolysisTimeS = 0.0;
    double rateMvS = 20.0;
    bool modulated = false;
    double amplitudeMv = 0.0;
    bool stirred = false;
    // Share of the deposit still on the electrode for this sweep (1 for the
    // first anodic sweep after the electrolysis, less for later cycles).
    double depositShare = 1.0;
  };

  explicit VoltammogramModel(std::uint64_t seed = 1);

  // Sets the conditions of the next sweep and the cell contents.
  void prepare(const Conditions& conditions, const SampleModel::Concentrations& cell);
  // Peak heights in µA of the prepared sweep, by element.
  const std::array<double, SampleModel::ElementCount>& peakHeights() const { return heights_; }
  // The current without noise at `potentialMv`; peaks only on anodic sweeps.
  double idealCurrent(double potentialMv, bool anodic) const;
  // The current with noise.
  double current(double potentialMv, bool anodic);

  // Peak height per µg/L and second of electrolysis at 20 mV/s, µA.
  static double sensitivity(SampleModel::Element e);

 private:
  Conditions conditions_;
  std::array<double, SampleModel::ElementCount> heights_{};
  std::mt19937_64 random_;
  std::normal_distribution<double> noise_{0.0, 1.0};
};

}  // namespace velmora
