#include "ForestMerge.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoSuspendGuard.h"

namespace velmora {

void ForestMerge::AppendForest(TNodeForest& into, TNodeForest& from) {
  if (&into == &from || from.AllNodes.empty()) return;
  std::vector<TNode*> roots;
  for (TNode* root = from.FirstRoot(); root != nullptr; root = root->NextSibling) roots.push_back(root);
  TNode* focused = from.FocusedNode;

  TPaintingGuard painting(into);
  TUndoSuspendGuard undo(&into.Undo());
  const std::size_t base = into.AllNodes.size();
  into.AllNodes.reserve(base + from.AllNodes.size());
  for (auto& node : from.AllNodes) {
    node->View = &into;
    node->Id = static_cast<std::int32_t>(base + static_cast<std::size_t>(node->Id));
    into.AllNodes.push_back(std::move(node));
  }
  // Each root leaves the rest of `from`'s root list and is linked behind
  // the previous one; its subtree comes along untouched.
  TNode* after = into.LastRoot();
  for (TNode* root : roots) {
    into.InsertNode(nullptr, after, root);
    after = root;
  }
  if (into.FocusedNode == nullptr) into.FocusedNode = focused;
  from.AllNodes.clear();
  from.Clear();
}

}  // namespace velmora
