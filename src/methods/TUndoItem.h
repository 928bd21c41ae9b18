#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace velmora {

// One undo step. The recorded item holds the state before the edit (used by
// undo); its Twin, an item of the same action, holds the state after it
// (used by redo). Items refer to nodes and curve records without owning
// them: removed nodes stay alive until the document is cleared.
class TUndoItem {
 public:
  explicit TUndoItem(std::int32_t action = -1) : Action(action) {}
  virtual ~TUndoItem() = default;
  TUndoItem(const TUndoItem&) = delete;
  TUndoItem& operator=(const TUndoItem&) = delete;

  std::int32_t Action = -1;  // UndoAction code, -1 until set
  std::unique_ptr<TUndoItem> Twin;

  // Bytes of document data (points, peaks, texts) this item and its twin
  // keep beyond their own objects.
  std::size_t DataBytes() const { return OwnDataBytes() + (Twin ? Twin->DataBytes() : 0); }

 protected:
  virtual std::size_t OwnDataBytes() const { return 0; }
};

}  // namespace velmora
