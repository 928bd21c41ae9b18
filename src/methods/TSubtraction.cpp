#include "TSubtraction.h"

#include <algorithm>
#include <memory>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "CurveProcessing.h"
#include "DocumentFile.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr std::int32_t kNextSiblingTag = 1;

// A node's blocks placed as the next sibling of the node they are read
// after: a first child is written with "first child" placement, which
// would put the copy below that node instead.
void WriteAsSibling(const TNode& node, BinaryWriter& out) {
  BinaryWriter one;
  DocumentFile::WriteNode(node, one);
  std::vector<std::uint8_t> bytes = one.take();
  if (bytes.size() >= 4) {
    for (int i = 0; i < 4; ++i)
      bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(kNextSiblingTag >> (8 * i));
  }
  for (std::uint8_t b : bytes) out.u8(b);
}

}  // namespace

int TSubtraction::DefaultSubtrahend(const std::vector<TArrayDataStruct*>& curves) {
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const auto* va = dynamic_cast<const TVAStruct*>(curves[i]);
    if (va != nullptr && va->Params.MeasurementType() == 0) return static_cast<int>(i);
  }
  return curves.empty() ? -1 : 0;
}

TDataArr TSubtraction::Preview(const TArrayDataStruct& minuend, const TArrayDataStruct& subtrahend) {
  return SubtractCurve(minuend.Data, subtrahend.Data, 0.0);
}

bool TSubtraction::Apply(const std::vector<TArrayDataStruct*>& curves, const TArrayDataStruct* subtrahend,
                         IUndoRecorder& undo) {
  if (subtrahend == nullptr) return false;
  const TDataArr copy = subtrahend->Data;
  undo.BeginDataMultiChange();
  for (TArrayDataStruct* c : curves) {
    if (c != nullptr) c->Subtract(copy);
  }
  undo.CommitDataMultiChange();
  return true;
}

TNode* TSubtraction::CreateCopies(TNodeForest& forest, const TNodesArr& selection) {
  TNodesArr pasted;
  TNode* result = nullptr;
  {
    TPaintingGuard painting(forest);
    TUndoSuspendGuard quiet(&forest.Undo());
    BinaryWriter stream;
    for (const TNode* n : selection) {
      if (n != nullptr) WriteAsSibling(*n, stream);
    }
    const std::vector<std::uint8_t> bytes = stream.take();

    result = forest.AddNode(forest.LastRoot(), nullptr);
    result->SetRecord(std::make_unique<TVAStruct>(result));
    result->SetNameSilently(kResultName);
    pasted.push_back(result);

    BinaryReader in(bytes);
    if (selection.size() == 1) {
      TNode* temp = forest.AddChild(result);
      temp->SetRecord(std::make_unique<TVAStruct>(temp));
      temp->SetNameSilently(kTempName);
      DocumentFile::ReadNodes(forest, in, temp);
      forest.RemoveNode(temp);
    } else {
      const std::size_t before = forest.AllNodes.size();
      DocumentFile::ReadNodes(forest, in, result);
      // The copies at the top of what was read join the recorded paste.
      for (std::size_t i = before; i < forest.AllNodes.size(); ++i) {
        TNode* n = forest.AllNodes[i].get();
        if (n->InForest() && n->Parent == result->Parent) pasted.push_back(n);
      }
    }
  }
  forest.Undo().RecordPaste(pasted);
  forest.SelectNode(result);
  return result;
}

}  // namespace velmora
