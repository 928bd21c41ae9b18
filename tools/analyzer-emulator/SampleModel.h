#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The contents of the emulated cell: a volume of supporting electrolyte to
// which samples and standard additions are added. Concentrations are in
// µg/L (ppb) of the cell; volumes in mL.
class SampleModel {
 public:
  enum Element { Zn, Cd, Pb, Cu, ElementCount };
  using Concentrations = std::array<double, ElementCount>;

  static const char* name(Element e);
  // The element called `name` ("Zn", "cd", ...), or ElementCount.
  static Element elementOf(std::string_view name);
  // Stripping peak potential of an element, mV.
  static double peakPotential(Element e);

  SampleModel();

  // Empties the cell and fills it with supporting electrolyte whose
  // impurities have the given concentrations.
  void fillSupportingElectrolyte(double volumeMl, const Concentrations& impurities);
  // Adds `volumeMl` of a sample with the given concentrations (µg/L).
  void addSample(double volumeMl, const Concentrations& concentrations);
  // Adds a standard of one element: `volumeMl` of `concentrationMgL` mg/L.
  void addStandard(Element element, double volumeMl, double concentrationMgL);

  double volumeMl() const { return volumeMl_; }
  Concentrations cellConcentrations() const;
  std::string describe() const;

 private:
  double volumeMl_ = 0.0;
  Concentrations amountsUg_{};  // µg of each element in the cell
};

}  // namespace velmora
