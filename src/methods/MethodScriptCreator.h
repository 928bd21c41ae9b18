#pragma once

#include <cstdint>

#include "TMethod.h"

namespace velmora {

// "Generate script": the standard wizard script of a method (assembling of
// the cell, a measurement cycle of recording and treatment when the method
// has programs, the statistics when named, the report).
class MethodScriptCreator {
 public:
  // `calcMethod` is the calculation method chosen in the editor.
  static TWizSteps Generate(const TMethod& method, std::int32_t calcMethod);
};

}  // namespace velmora
