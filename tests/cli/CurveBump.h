// How high a recorded peak stands: the tests of recordings from the
// emulator judge its peaks by it.
#pragma once

#include <algorithm>
#include <cmath>

#include "TDataPoint.h"

namespace velmora::test {

// Height of the bump near `mv` above the chord between its sides, µA.
inline double Bump(const TDataArr& curve, double mv) {
  auto near = [&](double e) {
    return *std::min_element(curve.begin(), curve.end(),
                             [e](const auto& a, const auto& b) { return std::fabs(a.X - e) < std::fabs(b.X - e); });
  };
  const auto left = near(mv - 90), right = near(mv + 90);
  double best = 0.0;
  for (const auto& p : curve) {
    if (p.X < mv - 60 || p.X > mv + 60) continue;
    const double base = left.Y + (right.Y - left.Y) * (p.X - left.X) / (right.X - left.X);
    best = std::max(best, p.Y - base);
  }
  return best;
}

}  // namespace velmora::test
