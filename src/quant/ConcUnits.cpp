#include "ConcUnits.h"

#include <array>

#include "Messages.h"

namespace velmora {

namespace {
constexpr std::array<double, ConcUnits::kCount> kFactors = {1e-6, 1e-3, 1.0, 1000.0, 1e-6, 1e-3, 1.0, 1000.0};
constexpr double kMissing = -1.0;
}  // namespace

double ConcUnits::Factor(std::int32_t unit) { return IsValid(unit) ? kFactors[static_cast<std::size_t>(unit)] : 0.0; }

const char* ConcUnits::Caption(std::int32_t unit) {
  static const char* const captions[kCount] = {msg::ConcUnitMm3, msg::ConcUnitCm3, msg::ConcUnitDm3, msg::ConcUnitM3,
                                               msg::ConcUnitUg,  msg::ConcUnitMg,  msg::ConcUnitG,   msg::ConcUnitKg};
  return IsValid(unit) ? captions[unit] : "?";
}

double ConcUnits::ToBaseUnits(std::int32_t top, std::int32_t bottom, double x) {
  if (!IsValid(top) || x == kMissing) return kMissing;
  if (!IsValid(bottom)) return x * Factor(top);
  return x * Factor(top) / Factor(bottom);
}

double ConcUnits::FromBaseUnits(std::int32_t top, std::int32_t bottom, double x) {
  if (!IsValid(top) || x == kMissing) return kMissing;
  if (!IsValid(bottom)) return x / Factor(top);
  return x * Factor(bottom) / Factor(top);
}

}  // namespace velmora
