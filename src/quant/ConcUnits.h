#pragma once

#include <cstdint>

namespace velmora {

// The unit list of concentrations: 0 "mm^3^", 1 "cm^3^", 2 "dm^3^", 3 "m^3^"
// (volumes, base dm³) and 4 "µg", 5 "mg", 6 "g", 7 "kg" (masses, base g).
// A concentration is a mass unit over a volume unit, or over a mass unit
// for a mass fraction. -1 is an unset unit.
class ConcUnits {
 public:
  static constexpr int kCount = 8;
  static constexpr int kFirstMass = 4;
  static constexpr int kUnset = -1;

  static bool IsValid(std::int32_t unit) { return unit >= 0 && unit < kCount; }
  static bool IsVolume(std::int32_t unit) { return unit >= 0 && unit < kFirstMass; }
  static bool IsMass(std::int32_t unit) { return unit >= kFirstMass && unit < kCount; }
  // The factor to the base unit; 0 for an invalid index.
  static double Factor(std::int32_t unit);
  // The catalogue caption; "?" for -1 and any other invalid index.
  static const char* Caption(std::int32_t unit);

  // x·F[top]/F[bottom] (x·F[top] without a bottom unit): grams per dm³ or
  // grams per gram. -1 when top is unset or x is -1 (a missing value).
  static double ToBaseUnits(std::int32_t top, std::int32_t bottom, double x);
  // The inverse: x·F[bottom]/F[top] (x/F[top] without a bottom unit).
  static double FromBaseUnits(std::int32_t top, std::int32_t bottom, double x);
  // From one concentration unit pair to another through the base units.
  static double Convert(std::int32_t fromTop, std::int32_t fromBottom, std::int32_t toTop, std::int32_t toBottom,
                        double x) {
    return FromBaseUnits(toTop, toBottom, ToBaseUnits(fromTop, fromBottom, x));
  }
};

}  // namespace velmora
