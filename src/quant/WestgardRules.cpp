#include "WestgardRules.h"

#include <cmath>

namespace velmora {

const char* WestgardRules::Name(Rule rule) {
  switch (rule) {
    case k1_2s:
      return "1-2s";
    case k1_3s:
      return "1-3s";
    case k2_2s:
      return "2-2s";
    case kR_4s:
      return "R-4s";
    case k4_1s:
      return "4-1s";
    case k10x:
      return "10x";
  }
  return "";
}

std::vector<std::string> WestgardRules::Names(std::uint8_t mask) {
  std::vector<std::string> names;
  for (Rule rule : kAll)
    if (mask & rule) names.emplace_back(Name(rule));
  return names;
}

std::vector<WestgardRules::Point> WestgardRules::Evaluate(std::span<const double> values, const ControlLimits& limits) {
  std::vector<Point> points(values.size());
  if (!limits.Usable()) return points;
  auto side = [](double z, double beyond) { return z > beyond ? 1 : z < -beyond ? -1 : 0; };
  // Lengths of the current same-side runs: beyond 1s, and of any distance.
  int run1s = 0, run1sSide = 0, runMean = 0, runMeanSide = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double z = limits.Z(values[i]);
    Point& p = points[i];
    p.Z = std::isfinite(z) ? z : 0.0;
    if (!std::isfinite(z)) {
      run1s = runMean = 0;
      continue;
    }
    const int s2 = side(z, 2.0);
    if (s2 != 0) p.Rules |= k1_2s;
    if (side(z, 3.0) != 0) p.Rules |= k1_3s;
    if (i > 0 && s2 != 0) {
      const int before = side(points[i - 1].Z, 2.0);
      if (before == s2) p.Rules |= k2_2s;
      if (before == -s2) p.Rules |= kR_4s;
    }
    const int s1 = side(z, 1.0);
    run1s = s1 != 0 && s1 == run1sSide ? run1s + 1 : (s1 != 0 ? 1 : 0);
    run1sSide = s1;
    if (run1s >= 4) p.Rules |= k4_1s;
    const int s0 = side(z, 0.0);
    runMean = s0 != 0 && s0 == runMeanSide ? runMean + 1 : (s0 != 0 ? 1 : 0);
    runMeanSide = s0;
    if (runMean >= 10) p.Rules |= k10x;
  }
  return points;
}

}  // namespace velmora
