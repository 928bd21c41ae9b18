#include "TSingleProgramArray.h"

namespace velmora {

std::int64_t TSingleProgramArray::VoltammogramCount() const {
  std::int64_t count = 0;
  for (const ProgramStep& step : *this) count += step.VoltammogramCount();
  return count;
}

}  // namespace velmora
