// The recovery journal: durable curves, torn and damaged entries, restore.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "FileIo.h"
#include "FormatError.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TRecoveryJournal.h"
#include "TVAStruct.h"
#include "TempDir.h"

namespace velmora {
namespace {

std::unique_ptr<TVAStruct> Curve(double scale, const std::string& db) {
  auto p = std::make_unique<TVAStruct>();
  TVAStruct& r = *p;
  r.Params.SetSweepStart(-1200);
  r.Params.SetComments("Pb 0.1");
  r.DatabaseName = db;
  r.RecordDate = 45000.25;
  r.StirrerSpeed = 1200;
  for (int i = 0; i < 500; ++i) r.Data.push_back({-1200.0 + i * 2, scale * i});
  return p;
}

TEST(RecoveryJournalTest, AppendedCurvesReadBackAndRestore) {
  test::TempDir dir;
  TRecoveryJournal journal(TRecoveryJournal::PathIn(dir.path()));
  EXPECT_FALSE(journal.HasEntries());
  EXPECT_TRUE(journal.Read().Entries.empty());
  journal.Append(*Curve(1.0, "_______0.dbd"), "first");
  journal.Append(*Curve(2.0, "_______1.dbd"), "second");
  EXPECT_TRUE(journal.HasEntries());
  const auto contents = journal.Read();
  ASSERT_EQ(contents.Entries.size(), 2u);
  EXPECT_FALSE(contents.DamagedTail);
  EXPECT_EQ(contents.Entries[1].Caption, "second");
  EXPECT_EQ(contents.Entries[1].Record->DatabaseName, "_______1.dbd");
  EXPECT_EQ(contents.Entries[1].Record->Data, Curve(2.0, "")->Data);

  TNodeForest forest;
  EXPECT_EQ(TRecoveryJournal::Restore(contents, forest), 2);
  const TNode* first = forest.FirstRoot();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Name, "first");
  EXPECT_EQ(first->VA()->Params.Comments(), "Pb 0.1");
  EXPECT_EQ(first->VA()->StirrerSpeed, 1200);
  EXPECT_EQ(first->VA()->Data.size(), 500u);
  EXPECT_EQ(first->NextSibling->Name, "second");

  journal.Clear();
  EXPECT_FALSE(std::filesystem::exists(journal.Path()));
}

TEST(RecoveryJournalTest, DamageKeepsTheGoodEntriesBeforeIt) {
  test::TempDir dir;
  TRecoveryJournal journal(dir.path() / "j.vrj");
  journal.Append(*Curve(1.0, "a"), "a");
  journal.Append(*Curve(2.0, "b"), "b");
  const auto whole = FileIo::readAll(journal.Path());
  const auto one = TRecoveryJournal::EncodeEntry(*Curve(2.0, "b"), "b").size();
  // A torn last entry (the crash came while it was written).
  for (std::size_t cut : {std::size_t{1}, std::size_t{7}, one / 2, one - 1}) {
    const auto c = TRecoveryJournal::Decode(std::span(whole).first(whole.size() - cut));
    EXPECT_EQ(c.Entries.size(), 1u) << cut;
    EXPECT_TRUE(c.DamagedTail);
  }
  // A flipped bit in the second entry's payload fails its checksum.
  auto flipped = whole;
  flipped[whole.size() - 40] ^= 0x10;
  EXPECT_EQ(TRecoveryJournal::Decode(flipped).Entries.size(), 1u);
  // A hostile size is refused without allocating it.
  auto huge = whole;
  const std::size_t sizeAt = whole.size() - one + 4;
  huge[sizeAt + 3] = 0x7F;
  EXPECT_EQ(TRecoveryJournal::Decode(huge).Entries.size(), 1u);
  // Not a journal at all.
  const std::vector<std::uint8_t> other = {8, 'T', 'V', 'N', 'X', 'v', '1', '0', '0'};
  EXPECT_THROW(TRecoveryJournal::Decode(other), EFormatError);
  EXPECT_THROW(TRecoveryJournal::Decode(std::span(whole).first(4)), EFormatError);
}

}  // namespace
}  // namespace velmora
