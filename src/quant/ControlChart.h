#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ArchiveRow.h"
#include "ControlLimits.h"

namespace velmora {

// The Shewhart chart of one control solution and one element: its results
// in time order, the limits (entered, or estimated from the first results)
// and the Westgard rules each point breaks.
struct ControlChart {
  struct Point {
    std::int64_t Id = 0;
    std::int64_t TimeMs = 0;
    double Value = 0.0;
    double Z = 0.0;
    std::uint8_t Rules = 0;  // WestgardRules::Rule bits
    bool Simulated = false;
  };

  std::string Control;
  std::string Element;
  std::string Unit;
  ControlLimits Limits;
  std::vector<Point> Points;
  // Results left out because they were archived in another unit than the
  // first one.
  std::size_t OtherUnits = 0;

  // From the archive's rows of the control and element (any order; they
  // are put in time order). Without entered limits they come from the
  // first ControlLimits::kBaselineCount results; nothing when they cannot
  // (fewer than two results, no spread) or entered ones are not usable.
  static std::optional<ControlChart> Of(std::vector<ArchiveRow> rows,
                                        const std::optional<ControlLimits>& entered = std::nullopt);
  // Points that break any rule, and any rule but the 1-2s warning.
  std::size_t Breaking() const;
  std::size_t Rejecting() const;
};

}  // namespace velmora
