#pragma once

#include <cstdint>
#include <vector>
#include "TNodesObj.h"

namespace velmora {

// Nodes with one value each: the node types before a change of node type.
class TNodesIntValuesObj : public TNodesObj {
 public:
  using TNodesObj::TNodesObj;

  std::vector<std::int32_t> Values;  // one per node

 protected:
  std::size_t OwnDataBytes() const override { return TNodesObj::OwnDataBytes() + Values.size() * sizeof(std::int32_t); }
};

}  // namespace velmora
