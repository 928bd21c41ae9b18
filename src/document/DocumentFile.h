#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "ReadProgress.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;
class TNode;
class TNodeForest;

// The document file (".tvx"): the 9-byte header "\x08TVNXv100", then the
// nodes of the forest as tagged blocks, each node's curve record nested in
// a record block.
class DocumentFile {
 public:
  static constexpr const char* TypeCode = "TVNX";

  // Node block tags.
  enum Tag : std::int32_t {
    TagNextNode = 1,
    TagFirstChild = 2,
    TagEndOfChildren = 3,
    TagChecked = 4,
    TagFolded = 5,
    TagRecord = 15,
  };

  // Nodes nested deeper than this are taken as damage (real documents
  // group by loop, program and step).
  static constexpr int kMaxDepth = 256;

  // Called for every node read at root level, right after it was created,
  // so that a window can show it and stay responsive.
  using RootNodeHook = std::function<void(TNode*)>;

  // Writes the node and its subtree: the node with block 2 when it is a
  // first child, else 1; then its checked and folded state and its record;
  // then its children; then, when it has children, block 3.
  static void WriteNode(const TNode& node, BinaryWriter& out);
  // The same, calling `afterNode` after each node's own blocks (no block is
  // open then), so that a caller can pass the buffer on in pieces.
  static void WriteTree(const TNode& node, BinaryWriter& out, const std::function<void()>& afterNode);

  // Reads node blocks from the stream's position to its end, starting with
  // `start` as the current node (null: the last root node, or none in an
  // empty forest). Block 3 makes the current node's parent current, so at
  // the root level it leaves none; a node started without a current node
  // becomes the first root node. Returns 1 when blocks unknown to this
  // version were skipped anywhere, else 0. Throws EFormatError for damaged
  // data; the nodes read before stay.
  // `progress` hears of the bytes read as the nodes come and may stop the
  // reading (ReadProgress::Cancelled).
  static int ReadNodes(TNodeForest& forest, BinaryReader& in, TNode* start, const RootNodeHook& onRootNode = {},
                       const ReadProgress& progress = {});

  // The whole file image of the forest.
  static std::vector<std::uint8_t> DocumentBytes(const TNodeForest& forest);

  // Reads a document file and appends its nodes after the last root node.
  // A file without the document magic loads nothing (returns 0); a version
  // other than 100 throws "Unknown file format %s". Painting and the undo
  // recorder are suspended while reading and restored afterwards, also on
  // failure. Returns 1 when unknown blocks were skipped, else 0.
  static int LoadDocument(TNodeForest& forest, const std::filesystem::path& file, const RootNodeHook& onRootNode = {},
                          const ReadProgress& progress = {});
  // The same from a file image already in memory.
  static int LoadDocumentBytes(TNodeForest& forest, std::span<const std::uint8_t> bytes,
                               const RootNodeHook& onRootNode = {}, const ReadProgress& progress = {});

  // Writes the document to a temporary file (in pieces, as the nodes come)
  // and renames it over `file`, so that a failure never destroys the
  // previous file.
  static void SaveDocument(const TNodeForest& forest, const std::filesystem::path& file);
};

}  // namespace velmora
