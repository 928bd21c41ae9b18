#pragma once

#include <array>
#include <cstdint>

#include "TCalcVar.h"
#include "TCustomMethod.h"

namespace velmora {

// The calculation parameters of one curve kept by an undo step: its volumes
// and its variables, the units of the results, the physical constants, the
// curve's role and the calculation method it carries.
struct TParamsAll {
  std::array<double, 10> Volumes{};
  TVarsArr Variables;
  std::int32_t ResUnitTop = -1;
  std::int32_t ResUnitBottom = -1;
  std::int32_t RecalcUnitTop = -1;
  std::int32_t RecalcUnitBottom = -1;
  std::array<double, 5> CalcCoefficients{};
  std::int32_t MeasurementType = 0;
  std::int32_t CalculationMethod = 0;
  std::int32_t CalibrationType = 0;
  std::uint8_t HasCustomMethod = 0;
  TCustomMethod CustomMethod;
};

}  // namespace velmora
