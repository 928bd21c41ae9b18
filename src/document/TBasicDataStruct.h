#pragma once

#include <cstdint>
#include <memory>

namespace velmora {

class TNode;

// Base of every curve record: binds the record to its node. Every virtual
// operation does nothing here. Reading and writing records is done by the
// document file classes, which see every field.
class TBasicDataStruct {
 public:
  explicit TBasicDataStruct(TNode* node = nullptr) : Node(node) {}
  virtual ~TBasicDataStruct() = default;
  TBasicDataStruct(const TBasicDataStruct&) = delete;
  TBasicDataStruct& operator=(const TBasicDataStruct&) = delete;

  // 1 for a record that is not the data of a node: an averaged column, a
  // record nested in another record, or a free-standing copy.
  std::uint8_t Detached = 0;
  // The owning node; null for free-standing records.
  TNode* Node = nullptr;

  // Draws the record's curves into the node's thumbnail.
  virtual void DrawThumbnail() {}
  // Re-pairs the curves, refills the series when `refill`, then draws.
  virtual void PaintData(bool /*refill*/) {}
  // Recomputes what the record shows.
  virtual void OnCalcData() {}
  virtual void SetNodeType(std::int32_t /*type*/) {}
  // A new, empty record of the same class bound to the same node.
  virtual std::unique_ptr<TBasicDataStruct> GetSelfType() const { return std::make_unique<TBasicDataStruct>(Node); }
  // Copies the descriptive parameters to a record of the same class.
  virtual void CopyParamsTo(TBasicDataStruct& /*target*/) const {}
};

}  // namespace velmora
