// Small hostile files must not make the readers take memory far beyond
// their size: each reader is measured against a crafted file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AllocationMeter.h"
#include "BinaryWriter.h"
#include "ChunkWriter.h"
#include "DocumentFile.h"
#include "FileHeader.h"
#include "ForestTestUtil.h"
#include "FormatError.h"
#include "InstrumentTextImport.h"
#include "TNodeForest.h"
#include "VAStructStream.h"

using namespace velmora;
using velmora::test::AllocationMeter;

namespace {

std::vector<std::uint8_t> Document(const std::vector<std::uint8_t>& body) {
  BinaryWriter w;
  FileHeader::write(w, DocumentFile::TypeCode);
  w.bytes(body);
  return w.take();
}

}  // namespace

TEST(ReaderMemory, DocumentBlocksWithoutContentMakeNoRecordForEach) {
  // 100 000 empty node blocks: 800 kB that would make as many nodes with
  // their records, some 100 MB.
  BinaryWriter empty;
  for (int i = 0; i < 100000; ++i) {
    empty.i32(DocumentFile::TagNextNode);
    empty.i32(0);
  }
  const std::vector<std::uint8_t> file = Document(empty.data());
  {
    TNodeForest forest;
    AllocationMeter meter;
    EXPECT_THROW(DocumentFile::LoadDocumentBytes(forest, file), EFormatError);
    EXPECT_LE(forest.AllNodes.size(), file.size() / VAStructStream::kMinRecordBytes);
    EXPECT_LT(meter.Peak(), 8 * file.size());
  }

  // A group record announcing 100 000 averaged columns of no bytes each.
  BinaryWriter body;
  ChunkWriter cw(body);
  cw.begin(DocumentFile::TagNextNode);
  body.shortString("group", 255);
  cw.end();
  cw.begin(DocumentFile::TagRecord);
  ChunkWriter rw(body);
  rw.int32Chunk(VAStructStream::TagNodeType, 2);
  rw.begin(VAStructStream::TagAveragedColumns);
  body.i32(100000);
  for (int i = 0; i < 100000; ++i) body.i32(0);
  rw.end();
  cw.end();
  const std::vector<std::uint8_t> columns = Document(body.data());
  {
    TNodeForest forest;
    AllocationMeter meter;
    EXPECT_THROW(DocumentFile::LoadDocumentBytes(forest, columns), EFormatError);
    EXPECT_LT(meter.Peak(), 8 * columns.size());
  }

  // Real documents of many small curves still open whole: 2 000 leaves
  // without points and a group averaging three of them.
  TNodeForest source;
  for (int i = 0; i < 2000; ++i) test::AddLeaf(source, source.LastRoot(), nullptr, std::to_string(i));
  TNode* group = test::AddLeaf(source, source.LastRoot(), nullptr, "group");
  for (int i = 0; i < 3; ++i) test::AddLeaf(source, group->LastChild(), group, "c" + std::to_string(i));
  group->VA()->SetNodeType(2);
  const std::vector<std::uint8_t> real = DocumentFile::DocumentBytes(source);
  TNodeForest back;
  EXPECT_EQ(DocumentFile::LoadDocumentBytes(back, real), 0);
  EXPECT_EQ(back.AllNodes.size(), source.AllNodes.size());
}

TEST(ReaderMemory, InstrumentTablesKeepNoIndexOfTheirLines) {
  // 8 MiB of empty lines before a small table: an index of the lines would
  // take 24 bytes for each.
  const std::string text = std::string(std::size_t{8} << 20, '\n') + "E / V;I / A\n-0.5;1e-6\n-0.4;2e-6\n";
  AllocationMeter meter;
  const InstrumentTextImport::Table table = InstrumentTextImport::Parse(text);
  EXPECT_LT(meter.Peak(), text.size() / 4);
  ASSERT_EQ(table.Columns.size(), 2u);
  EXPECT_EQ(table.Columns[1].Values, (std::vector<double>{1e-6, 2e-6}));
  EXPECT_EQ(table.HeaderLines, 1u);

  // A table that fails still names its line, counted across the blanks.
  try {
    InstrumentTextImport::Parse(std::string(1000, '\n') + "1;2\n3;x\n");
    FAIL();
  } catch (const EFormatError& e) {
    EXPECT_NE(std::string(e.what()).find("1002"), std::string::npos) << e.what();
  }
}
