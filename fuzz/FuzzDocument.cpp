#include <cstddef>
#include <cstdint>
#include <vector>

#include "DocumentFile.h"
#include "FormatError.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"

// Reads a document image, then writes the forest back and reads that again,
// as opening and saving a damaged file would.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  velmora::TNodeForest forest;
  try {
    velmora::DocumentFile::LoadDocumentBytes(forest, bytes);
  } catch (const velmora::EFormatError&) {
  }
  for (const auto& node : forest.AllNodes) {
    if (velmora::TVAStruct* va = node->VA()) (void)va->DisplayData();
  }
  const std::vector<std::uint8_t> saved = velmora::DocumentFile::DocumentBytes(forest);
  velmora::TNodeForest again;
  velmora::DocumentFile::LoadDocumentBytes(again, saved);  // must not throw
  return 0;
}
