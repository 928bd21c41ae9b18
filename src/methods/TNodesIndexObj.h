#pragma once

#include <cstdint>
#include "TNodesObj.h"

namespace velmora {

// Nodes with one value: the new node type, or the column whose visibility was toggled.
class TNodesIndexObj : public TNodesObj {
 public:
  using TNodesObj::TNodesObj;

  // A node type, or an averaged column index.
  std::int32_t Value = 0;
};

}  // namespace velmora
