#pragma once

#include <cstdint>
#include "TNodeObj.h"

namespace velmora {

// A node with a flag (checking, folding).
class TNodeBoolObj : public TNodeObj {
 public:
  using TNodeObj::TNodeObj;

  std::uint8_t Flag = 0;
};

}  // namespace velmora
