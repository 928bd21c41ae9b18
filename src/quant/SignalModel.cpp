#include "SignalModel.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {
// exp(-4 ln 2 (x / w)^2) is 1/2 at x = ±w/2.
const double kHalfHeight = 4.0 * std::log(2.0);
}  // namespace

bool SignalModel::Usable(const TModelPeak& peak) {
  return std::isfinite(peak.Potential) && std::isfinite(peak.Height) && std::isfinite(peak.Width) && peak.Width > 0.0;
}

double SignalModel::Value(std::span<const TModelPeak> peaks, double potential) {
  double sum = 0.0;
  for (const TModelPeak& p : peaks) {
    if (!Usable(p)) continue;
    const double d = (potential - p.Potential) / p.Width;
    sum += p.Height * std::exp(-kHalfHeight * d * d);
  }
  return sum;
}

bool SignalModel::Range(std::span<const TModelPeak> peaks, double& from, double& to) {
  bool any = false;
  for (const TModelPeak& p : peaks) {
    if (!Usable(p)) continue;
    const double low = p.Potential - 2.0 * p.Width, high = p.Potential + 2.0 * p.Width;
    from = any ? std::min(from, low) : low;
    to = any ? std::max(to, high) : high;
    any = true;
  }
  return any;
}

TDataArr SignalModel::Curve(std::span<const TModelPeak> peaks, double from, double to, std::size_t count) {
  TDataArr out;
  if (!std::isfinite(from) || !std::isfinite(to) || !(to > from)) return out;
  count = std::max<std::size_t>(count, 2);
  out.reserve(count);
  const double step = (to - from) / static_cast<double>(count - 1);
  for (std::size_t i = 0; i < count; ++i) {
    const double x = i + 1 == count ? to : from + step * static_cast<double>(i);
    out.push_back({x, Value(peaks, x)});
  }
  return out;
}

}  // namespace velmora
