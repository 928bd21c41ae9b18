#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ControlLimits.h"

namespace velmora {

// The Westgard rules of internal quality control over a series of results
// of one control solution in time order. A rule is reported at the point
// that completes its pattern (every such point, so a run of eleven points
// on one side reports 10x at its tenth and eleventh points). "Beyond"
// means strictly beyond; a point exactly on the target is on neither side.
class WestgardRules {
 public:
  enum Rule : std::uint8_t {
    k1_2s = 1 << 0,  // one point beyond ±2s: a warning
    k1_3s = 1 << 1,  // one point beyond ±3s
    k2_2s = 1 << 2,  // two consecutive points beyond 2s on the same side
    kR_4s = 1 << 3,  // two consecutive points beyond 2s on opposite sides (a range above 4s)
    k4_1s = 1 << 4,  // four consecutive points beyond 1s on the same side
    k10x = 1 << 5,   // ten consecutive points on the same side of the target
  };
  static constexpr int kRuleCount = 6;
  // The rules in the order they are listed.
  static constexpr Rule kAll[kRuleCount] = {k1_2s, k1_3s, k2_2s, kR_4s, k4_1s, k10x};
  // "1-2s", "1-3s", "2-2s", "R-4s", "4-1s", "10x".
  static const char* Name(Rule rule);
  // The names of the rules in a mask, in list order.
  static std::vector<std::string> Names(std::uint8_t mask);
  // Every rule but 1-2s rejects the run.
  static bool Rejects(std::uint8_t mask) { return (mask & ~k1_2s) != 0; }

  struct Point {
    double Z = 0.0;
    std::uint8_t Rules = 0;
  };
  // One entry per value. Limits that are not usable (no spread) give Z 0
  // and no rule anywhere.
  static std::vector<Point> Evaluate(std::span<const double> values, const ControlLimits& limits);
};

}  // namespace velmora
