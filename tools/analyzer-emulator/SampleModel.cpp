#include "SampleModel.h"

#include <cctype>

#include "Numbers.h"

namespace velmora {

namespace {

constexpr const char* kNames[] = {"Zn", "Cd", "Pb", "Cu"};
// Where each element strips on the mercury film in the usual acetate background.
constexpr double kPeakPotentials[] = {-930.0, -620.0, -420.0, -180.0};

}  // namespace

const char* SampleModel::name(Element e) { return e < ElementCount ? kNames[e] : "?"; }

SampleModel::Element SampleModel::elementOf(std::string_view text) {
  for (int i = 0; i < ElementCount; ++i) {
    const std::string_view n = kNames[i];
    if (text.size() == n.size() && std::tolower(static_cast<unsigned char>(text[0])) == std::tolower(n[0]) &&
        std::tolower(static_cast<unsigned char>(text[1])) == n[1])
      return static_cast<Element>(i);
  }
  return ElementCount;
}

double SampleModel::peakPotential(Element e) { return e < ElementCount ? kPeakPotentials[e] : 0.0; }

SampleModel::SampleModel() { fillSupportingElectrolyte(10.0, {0.5, 0.05, 0.2, 0.5}); }

void SampleModel::fillSupportingElectrolyte(double volumeMl, const Concentrations& impurities) {
  volumeMl_ = volumeMl > 0.0 ? volumeMl : 0.0;
  for (int i = 0; i < ElementCount; ++i) amountsUg_[i] = impurities[i] * volumeMl_ / 1000.0;
}

void SampleModel::addSample(double volumeMl, const Concentrations& concentrations) {
  if (volumeMl <= 0.0) return;
  volumeMl_ += volumeMl;
  for (int i = 0; i < ElementCount; ++i) amountsUg_[i] += concentrations[i] * volumeMl / 1000.0;
}

void SampleModel::addStandard(Element element, double volumeMl, double concentrationMgL) {
  if (volumeMl <= 0.0 || element >= ElementCount) return;
  volumeMl_ += volumeMl;
  amountsUg_[element] += concentrationMgL * 1000.0 * volumeMl / 1000.0;
}

SampleModel::Concentrations SampleModel::cellConcentrations() const {
  Concentrations c{};
  if (volumeMl_ <= 0.0) return c;
  for (int i = 0; i < ElementCount; ++i) c[i] = amountsUg_[i] / (volumeMl_ / 1000.0);
  return c;
}

std::string SampleModel::describe() const {
  const auto c = cellConcentrations();
  return "cell " + FormatDecimals(volumeMl_, 3) + " mL: Zn " + FormatDecimals(c[Zn], 3) + ", Cd " +
         FormatDecimals(c[Cd], 3) + ", Pb " + FormatDecimals(c[Pb], 3) + ", Cu " + FormatDecimals(c[Cu], 3) + " ug/L";
}

}  // namespace velmora
