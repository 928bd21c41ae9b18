#include "TWizSteps.h"

#include <algorithm>

namespace velmora {

bool TWizSteps::Contains(std::uint32_t type) const {
  return std::any_of(begin(), end(), [type](const ValueRecord& r) { return r.Type == type; });
}

}  // namespace velmora
