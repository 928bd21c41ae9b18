#pragma once

#include <array>

#include "TCalcVar.h"

namespace velmora {

// The calculation parameters of one curve kept by an undo step: its volumes
// and its variables.
struct TParamsAll {
  std::array<double, 10> Volumes{};
  TVarsArr Variables;
};

}  // namespace velmora
