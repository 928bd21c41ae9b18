#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

class TNodeForest;
class TBasicDataStruct;
class TArrayDataStruct;
class TVAStruct;

// One node of the document forest: a measurement (leaf) or a group of nodes.
// Nodes are created and owned by their TNodeForest; they are never destroyed
// while the document is open, only unlinked (so undo can put them back).
// The thumbnail image and the mirror tree item belong to the views, which
// key them by Id.
class TNode {
 public:
  explicit TNode(TNodeForest* view, std::int32_t id);
  ~TNode();
  TNode(const TNode&) = delete;
  TNode& operator=(const TNode&) = delete;

  TNode* PrevSibling = nullptr;
  TNode* NextSibling = nullptr;
  TNode* Parent = nullptr;
  TNode* FirstChild = nullptr;
  TNodeForest* View = nullptr;
  // Set when a repaint was skipped because painting was suspended.
  std::uint8_t NeedsRepaint = 0;
  // Index of the node in the forest's AllNodes.
  std::int32_t Id = -1;
  // Caption (string[255], may hold caption markup) and its hint (the name
  // without "^", "_" and "$").
  std::string Name;
  std::string Hint;
  std::uint8_t Folded = 0;
  std::uint8_t Checked = 1;
  // The node's curve record; owned. A TVAStruct for every node the
  // application creates; null right after CreateNode.
  std::unique_ptr<TBasicDataStruct> Record;

  // The record as a TVAStruct / TArrayDataStruct, or null.
  TVAStruct* VA() const;
  TArrayDataStruct* ArrayRecord() const;
  // Gives the node its record and binds the record to the node.
  void SetRecord(std::unique_ptr<TBasicDataStruct> record);

  // Stores the name and hint; when captions are shown, repaints and raises
  // OnRename. Records a rename undo step when the name changed.
  void SetName(const std::string& name);
  // Stores the name and hint only (no repaint, no hook, no undo step).
  void SetNameSilently(const std::string& name);
  // Stores the value, records an undo step with the old one, recomputes the
  // groups above, and reports a selection change when the node is now
  // checked and selected.
  void SetChecked(bool value);

  void Fold();
  void Unfold();
  void ToggleFold();

  // Repaints the thumbnail (or only marks it while painting is suspended).
  void Repaint(bool clear);

  // Number of ancestors (0 for a root node).
  int Depth() const;
  TNode* LastChild() const;
  TNode* FirstSibling() const;
  TNode* LastSibling() const;
  bool HasChildren() const { return FirstChild != nullptr; }
  // True while the node is part of the forest (not removed, and no ancestor
  // removed).
  bool InForest() const;
  // In the forest and no ancestor folded.
  bool IsShown() const;

  // The name without caption markup.
  static std::string HintOf(const std::string& name);

 private:
  friend class TNodeForest;
  // Set for a root node that is linked into the forest's root list.
  bool linkedRoot_ = false;
};

}  // namespace velmora
