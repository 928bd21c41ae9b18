#include "DocumentFile.h"

#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "StreamText.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"
#include "VAStructStream.h"

namespace velmora {

namespace {

constexpr std::size_t kNameCapacity = 255;

void WriteNodeHead(const TNode& node, ChunkWriter& cw) {
  BinaryWriter& w = cw.out();
  const bool firstChild = node.Parent != nullptr && node.PrevSibling == nullptr;
  cw.begin(firstChild ? DocumentFile::TagFirstChild : DocumentFile::TagNextNode);
  w.shortString(node.Name, kNameCapacity);
  cw.end();
  cw.byteChunk(DocumentFile::TagChecked, node.Checked != 0 ? 1 : 0);
  cw.byteChunk(DocumentFile::TagFolded, node.Folded != 0 ? 1 : 0);
  if (const TVAStruct* record = node.VA()) {
    cw.begin(DocumentFile::TagRecord);
    VAStructStream::SaveToStream(*record, w);
    cw.end();
  }
}

}  // namespace

void DocumentFile::WriteNode(const TNode& node, BinaryWriter& out) { WriteTree(node, out, {}); }

void DocumentFile::WriteTree(const TNode& node, BinaryWriter& out, const std::function<void()>& afterNode) {
  // Depth first without recursion, so that any depth of nesting is safe.
  ChunkWriter cw(out);
  const TNode* n = &node;
  while (true) {
    WriteNodeHead(*n, cw);
    if (afterNode) afterNode();
    if (n->FirstChild != nullptr) {
      n = n->FirstChild;
      continue;
    }
    while (n != &node && n->NextSibling == nullptr) {
      n = n->Parent;
      cw.emptyChunk(TagEndOfChildren);
    }
    if (n == &node) break;
    n = n->NextSibling;
  }
}

int DocumentFile::ReadNodes(TNodeForest& forest, BinaryReader& in, TNode* start, const RootNodeHook& onRootNode,
                            const ReadProgress& progress) {
  TNode* current = start != nullptr ? start : forest.LastRoot();
  int depth = current != nullptr ? current->Depth() : 0;
  int result = 0;
  // Every node gets a record: their number is bounded by the bytes there are.
  const std::size_t bytes = in.remaining();
  std::size_t nodes = 0;
  ChunkReader chunks(in);
  Chunk c;
  while (chunks.next(c)) {
    switch (c.tag) {
      case TagNextNode:
      case TagFirstChild: {
        VAStructStream::CheckRecordCount(++nodes, bytes);
        progress.report(bytes - in.remaining(), bytes);
        const std::string name = StreamText::ReadShortString(c.body, kNameCapacity);
        TNode* node = nullptr;
        if (c.tag == TagFirstChild && current != nullptr) {
          if (depth + 1 > kMaxDepth) throw EFormatError(Message(msg::NestingTooDeep, {std::to_string(kMaxDepth)}));
          node = forest.AddChild(current);
          ++depth;
        } else if (current != nullptr) {
          node = forest.AddNode(current, current->Parent);
        } else {
          // No current node: the node becomes the first root node (block 2
          // has no parent to go under either).
          node = forest.AddNode(nullptr, nullptr);
          depth = 0;
        }
        node->SetRecord(std::make_unique<TVAStruct>(node));
        node->SetNameSilently(name);
        current = node;
        if (node->Parent == nullptr && onRootNode) onRootNode(node);
        break;
      }
      case TagEndOfChildren:
        // Past the root level there is no current node any more.
        if (current != nullptr) {
          current = current->Parent;
          depth = current != nullptr ? depth - 1 : 0;
        }
        break;
      case TagChecked:
      case TagFolded: {
        if (current == nullptr || c.body.atEnd()) {
          chunks.skip(c);
          result = 1;
          break;
        }
        const bool on = c.body.u8() == 1;
        if (c.tag == TagChecked) {
          if ((current->Checked != 0) != on) current->SetChecked(on);
        } else if (on) {
          current->Fold();
        } else {
          current->Unfold();
        }
        break;
      }
      case TagRecord: {
        TVAStruct* record = current != nullptr ? current->VA() : nullptr;
        if (record == nullptr) {
          chunks.skip(c);
          result = 1;
          break;
        }
        if (VAStructStream::LoadFromStream(*record, c.body) != 0) result = 1;
        forest.MarkParentChain(current);
        break;
      }
      default:
        chunks.skip(c);
        result = 1;
        break;
    }
  }
  return result;
}

std::vector<std::uint8_t> DocumentFile::DocumentBytes(const TNodeForest& forest) {
  BinaryWriter out;
  FileHeader::write(out, TypeCode);
  for (const TNode* n = forest.FirstRoot(); n != nullptr; n = n->NextSibling) WriteNode(*n, out);
  return out.take();
}

int DocumentFile::LoadDocument(TNodeForest& forest, const std::filesystem::path& file, const RootNodeHook& onRootNode,
                               const ReadProgress& progress) {
  const FileIo::Bytes bytes = FileIo::readBytes(file);
  return LoadDocumentBytes(forest, bytes.span(), onRootNode, progress);
}

int DocumentFile::LoadDocumentBytes(TNodeForest& forest, std::span<const std::uint8_t> bytes,
                                    const RootNodeHook& onRootNode, const ReadProgress& progress) {
  BinaryReader in(bytes);
  if (!FileHeader::read(in, TypeCode)) return 0;
  int result = 0;
  {
    TPaintingGuard painting(forest);
    TUndoSuspendGuard undo(&forest.Undo());
    result = ReadNodes(forest, in, nullptr, onRootNode, progress);
  }
  if (forest.FocusedNode == nullptr) {
    for (const auto& node : forest.AllNodes) {
      if (node->InForest()) {
        forest.FocusedNode = node.get();
        break;
      }
    }
  }
  return result;
}

void DocumentFile::SaveDocument(const TNodeForest& forest, const std::filesystem::path& file) {
  // Written in pieces of about a megabyte as the nodes come: a large
  // document needs no second image of itself in memory.
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  FileIo::writeStreamAtomically(file, [&](const FileIo::ByteSink& sink) {
    BinaryWriter out;
    out.reserve(2 * kPiece);
    FileHeader::write(out, TypeCode);
    const auto drain = [&] {
      if (out.size() < kPiece) return;
      sink(out.data());
      out.clear();
    };
    for (const TNode* n = forest.FirstRoot(); n != nullptr; n = n->NextSibling) WriteTree(*n, out, drain);
    sink(out.data());
  });
}

}  // namespace velmora
