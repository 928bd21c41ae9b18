#include "VoltammogramModel.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// Half-width parameter of a stripping peak (sech^2 shape), mV.
constexpr double kPeakWidth = 22.0;

double sech2(double x) {
  const double c = std::cosh(std::clamp(x, -300.0, 300.0));
  return 1.0 / (c * c);
}

}  // namespace

VoltammogramModel::VoltammogramModel(std::uint64_t seed) : random_(seed) {}

double VoltammogramModel::sensitivity(SampleModel::Element e) {
  static constexpr double kSensitivity[] = {0.00045, 0.0006, 0.0005, 0.00035};
  return e < SampleModel::ElementCount ? kSensitivity[e] : 0.0;
}

void VoltammogramModel::prepare(const Conditions& conditions, const SampleModel::Concentrations& cell) {
  conditions_ = conditions;
  const double rate = std::max(1.0, std::fabs(conditions.rateMvS));
  double rateFactor = std::sqrt(rate / 20.0);
  if (conditions.modulated) rateFactor *= std::clamp(std::fabs(conditions.amplitudeMv) / 25.0, 0.2, 4.0);
  // Stirring during the electrolysis brings more metal to the electrode.
  const double transport = conditions.stirred ? 1.0 : 0.35;
  for (int i = 0; i < SampleModel::ElementCount; ++i) {
    const auto e = static_cast<SampleModel::Element>(i);
    // A metal deposits only when the electrolysis potential is well below
    // its stripping potential.
    const double overpotential = SampleModel::peakPotential(e) - conditions.electrolysisPotentialMv;
    const double deposition = std::clamp((overpotential - 100.0) / 100.0, 0.0, 1.0);
    heights_[i] = sensitivity(e) * std::max(0.0, cell[i]) * std::max(0.0, conditions.electrolysisTimeS) * rateFactor *
                  transport * deposition * std::clamp(conditions.depositShare, 0.0, 1.0);
  }
}

double VoltammogramModel::idealCurrent(double e, bool anodic) const {
  const double rate = std::max(1.0, std::fabs(conditions_.rateMvS));
  const double capacitive = (conditions_.modulated ? 0.002 : 0.01) * rate / 20.0;
  double i = (anodic ? capacitive : -capacitive) + 0.00002 * (e + 500.0);
  // Hydrogen evolution below about -1150 mV, mercury oxidation above +150 mV.
  i -= 0.02 * std::exp(std::clamp((-1150.0 - e) / 55.0, -60.0, 30.0));
  i += 0.02 * std::exp(std::clamp((e - 150.0) / 35.0, -60.0, 30.0));
  if (anodic) {
    for (int k = 0; k < SampleModel::ElementCount; ++k) {
      const double ep = SampleModel::peakPotential(static_cast<SampleModel::Element>(k));
      i += heights_[k] * sech2((e - ep) / kPeakWidth);
    }
  }
  return i;
}

double VoltammogramModel::current(double potentialMv, bool anodic) {
  const double ideal = idealCurrent(potentialMv, anodic);
  const double sigma = 0.0004 + 0.004 * std::fabs(ideal);
  return ideal + sigma * noise_(random_);
}

}  // namespace velmora
