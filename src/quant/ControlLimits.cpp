#include "ControlLimits.h"

#include <algorithm>
#include <cmath>

namespace velmora {

bool ControlLimits::Usable() const { return std::isfinite(Target) && std::isfinite(Sd) && Sd > 0.0; }

std::optional<ControlLimits> ControlLimits::FromFirst(std::span<const double> values, std::size_t count) {
  const std::size_t n = std::min(count, values.size());
  if (n < 2) return std::nullopt;
  // Two passes: the mean, then the squares about it (no cancellation).
  double sum = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(values[i])) return std::nullopt;
    sum += values[i];
  }
  const double mean = sum / static_cast<double>(n);
  double squares = 0.0;
  for (std::size_t i = 0; i < n; ++i) squares += (values[i] - mean) * (values[i] - mean);
  ControlLimits limits;
  limits.Target = mean;
  limits.Sd = std::sqrt(squares / static_cast<double>(n - 1));
  limits.FromResults = n;
  if (!limits.Usable()) return std::nullopt;
  return limits;
}

}  // namespace velmora
