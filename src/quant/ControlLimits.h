#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace velmora {

// The centre line and the spread of a control chart: warning limits at
// Target ± 2·Sd, action limits at Target ± 3·Sd. The laboratory enters them
// for a control solution, or they are estimated from the first results of
// the series (their mean and sample standard deviation).
struct ControlLimits {
  static constexpr std::size_t kBaselineCount = 20;

  double Target = 0.0;
  double Sd = 0.0;
  // How many results the estimate came from; 0 when entered.
  std::size_t FromResults = 0;

  double Warning(int side) const { return Target + side * 2.0 * Sd; }
  double Action(int side) const { return Target + side * 3.0 * Sd; }
  // The distance from the target in standard deviations.
  double Z(double value) const { return (value - Target) / Sd; }
  bool Usable() const;

  // The mean and sample standard deviation of the first `count` values (all
  // of them when there are fewer); nothing with fewer than two values, a
  // value that is not finite, or no spread at all.
  static std::optional<ControlLimits> FromFirst(std::span<const double> values, std::size_t count = kBaselineCount);
};

}  // namespace velmora
