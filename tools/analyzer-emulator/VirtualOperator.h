#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SampleModel.h"

namespace velmora {

// The person at the analyzer: before each recorded step the cell holds what
// the step's measurement type asks for. The supporting electrolyte alone
// for a background; the electrolyte with the sample for the sample; with
// one, two or three additions of the standard for "Added standard 1" to
// "Added standard 3"; the electrolyte with one addition of the standard for
// a reference solution.
class VirtualOperator {
 public:
  struct Recipe {
    double electrolyteMl = 10.0;
    SampleModel::Concentrations electrolyteImpurities{};  // µg/L
    double sampleMl = 1.0;
    SampleModel::Concentrations sample{400.0, 150.0, 250.0, 300.0};  // µg/L
    double additionMl = 0.05;                                        // of the standard, per addition
    SampleModel::Concentrations standard{8.0, 3.0, 5.0, 6.0};        // mg/L
  };

  // Measurement types of a program step.
  enum MeasurementType { Background = 0, Sample = 1, Addition1 = 2, Addition2 = 3, Addition3 = 4, Reference = 5 };

  VirtualOperator() = default;
  explicit VirtualOperator(const Recipe& recipe) : recipe_(recipe) {}

  const Recipe& recipe() const { return recipe_; }
  // The cell as filled for a step of `measurementType` (0..5); other types
  // leave it as `current` is.
  SampleModel cellFor(int measurementType, const SampleModel& current) const;
  // What the standard additions should find: the sample's concentrations.
  const SampleModel::Concentrations& sample() const { return recipe_.sample; }

  // A cell sequence as typed on the command line: measurement types by
  // name or number, separated by commas ("background,sample,add1,add2" or
  // "0,1,2,3"). Empty on a bad item, with the item in `error`.
  static std::vector<int> parseSequence(std::string_view text, std::string& error);
  static std::optional<int> typeOf(std::string_view name);

 private:
  Recipe recipe_;
};

}  // namespace velmora
