#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "DocumentFile.h"
#include "ForestTestUtil.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TempDir.h"

using namespace velmora;

namespace {

// Overlay groups of stripping curves on a background of tens of µA, with
// some points shifted: several megabytes, so the file is written in pieces.
void Build(TNodeForest& f, int groups, int leaves, int points) {
  for (int g = 0; g < groups; ++g) {
    TNode* group = test::AddLeaf(f, f.LastRoot(), nullptr, "sample " + std::to_string(g));
    TNode* last = nullptr;
    for (int l = 0; l < leaves; ++l) {
      TDataArr pts;
      for (int i = 0; i < points; ++i) {
        const double x = -1200.0 + 0.3 * i;
        const double d = (x + 600.0 + l) / 40.0;
        pts.push_back({x, 20.0 + 0.005 * (x + 1200.0) + (g + 1) / (1.0 + d * d)});
      }
      TNode* leaf = test::AddLeaf(f, last, group, "curve " + std::to_string(l), pts);
      last = leaf;
      if (l == 1) leaf->VA()->XShift = 12.5;
      leaf->VA()->AddPeak("Cd", 1, 1800, 2200);
    }
    group->VA()->SetNodeType(g % 3);
  }
}

}  // namespace

TEST(LargeDocument, WrittenInPiecesAsTheWholeImageAndReadBackPointForPoint) {
  TNodeForest f;
  Build(f, 8, 6, 4000);  // 48 curves, about 3 MB
  test::TempDir dir;
  const auto file = dir / "large.tvx";
  DocumentFile::SaveDocument(f, file);
  const std::vector<std::uint8_t> image = DocumentFile::DocumentBytes(f);
  ASSERT_GT(image.size(), std::size_t{3} << 20);
  const std::string saved = test::TempDir::readFile(file);
  ASSERT_EQ(saved.size(), image.size());
  EXPECT_TRUE(std::equal(image.begin(), image.end(), reinterpret_cast<const std::uint8_t*>(saved.data())));

  TNodeForest g;
  EXPECT_EQ(DocumentFile::LoadDocument(g, file), 0);
  EXPECT_EQ(test::Shape(g.FirstRoot()), test::Shape(f.FirstRoot()));
  const TNode* a = f.FirstRoot()->FirstChild->NextSibling;
  const TNode* b = g.FirstRoot()->FirstChild->NextSibling;
  EXPECT_EQ(b->VA()->Data, a->VA()->Data);
  EXPECT_EQ(b->VA()->XShift, 12.5);
  // The bounds are those of the displayed (shifted) points.
  EXPECT_EQ(b->VA()->MinX, a->VA()->Data.front().X + 12.5);
  EXPECT_EQ(b->VA()->DisplayPoints().back().X, a->VA()->Data.back().X + 12.5);
  EXPECT_EQ(DocumentFile::DocumentBytes(g), image);
}
