#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

class TNode;

// Where a node stood in the forest: the arguments of TNodeForest::InsertNode
// that put it back. `Visible` tells whether its thumbnail was shown (no folded
// ancestor).
struct TNodePos {
  std::uint8_t Visible = 0;
  TNode* Parent = nullptr;  // null for a root node
  TNode* After = nullptr;   // previous sibling, null for a first child / first root
};

using TPosArr = std::vector<TNodePos>;

}  // namespace velmora
