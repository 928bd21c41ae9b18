#include "ControlChart.h"

#include <algorithm>

#include "WestgardRules.h"

namespace velmora {

std::optional<ControlChart> ControlChart::Of(std::vector<ArchiveRow> rows,
                                             const std::optional<ControlLimits>& entered) {
  std::stable_sort(rows.begin(), rows.end(), [](const ArchiveRow& a, const ArchiveRow& b) {
    return a.TimeMs != b.TimeMs ? a.TimeMs < b.TimeMs : a.Id < b.Id;
  });
  ControlChart chart;
  if (!rows.empty()) {
    chart.Control = rows.front().Control;
    chart.Element = rows.front().Element;
    chart.Unit = rows.front().Unit;
  }
  std::vector<double> values;
  for (const ArchiveRow& r : rows) {
    if (r.Unit != chart.Unit) {
      ++chart.OtherUnits;
      continue;
    }
    chart.Points.push_back({r.Id, r.TimeMs, r.Value, 0.0, 0, r.Simulated});
    values.push_back(r.Value);
  }
  if (entered) {
    if (!entered->Usable()) return std::nullopt;
    chart.Limits = *entered;
    chart.Limits.FromResults = 0;
  } else {
    const auto estimated = ControlLimits::FromFirst(values);
    if (!estimated) return std::nullopt;
    chart.Limits = *estimated;
  }
  const auto evaluated = WestgardRules::Evaluate(values, chart.Limits);
  for (std::size_t i = 0; i < chart.Points.size(); ++i) {
    chart.Points[i].Z = evaluated[i].Z;
    chart.Points[i].Rules = evaluated[i].Rules;
  }
  return chart;
}

std::size_t ControlChart::Breaking() const {
  return static_cast<std::size_t>(
      std::count_if(Points.begin(), Points.end(), [](const Point& p) { return p.Rules != 0; }));
}

std::size_t ControlChart::Rejecting() const {
  return static_cast<std::size_t>(
      std::count_if(Points.begin(), Points.end(), [](const Point& p) { return WestgardRules::Rejects(p.Rules); }));
}

}  // namespace velmora
