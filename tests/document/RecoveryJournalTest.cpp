// The recovery journal: durable curves, torn and damaged entries, restore.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "ChildProcesses.h"
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

TEST(RecoveryJournalTest, ATornEntryCostsOneCurveNotTheCurvesAfterIt) {
  // Forty curves; the fifth one's entry was torn (a full disk for a moment)
  // and the session went on appending after it.
  std::vector<std::uint8_t> bytes = {8, 'T', 'V', 'R', 'J', 'v', '1', '0', '0'};
  for (int i = 1; i <= 40; ++i) {
    std::vector<std::uint8_t> entry = TRecoveryJournal::EncodeEntry(*Curve(i, "c"), "curve " + std::to_string(i));
    if (i == 5) entry.resize(entry.size() / 3);
    bytes.insert(bytes.end(), entry.begin(), entry.end());
  }
  const auto contents = TRecoveryJournal::Decode(bytes);
  ASSERT_EQ(contents.Entries.size(), 39u);
  EXPECT_EQ(contents.SkippedEntries, 1);
  EXPECT_FALSE(contents.DamagedTail);
  EXPECT_EQ(contents.Entries[3].Caption, "curve 4");
  EXPECT_EQ(contents.Entries[4].Caption, "curve 6");
  EXPECT_EQ(contents.Entries[4].Record->Data, Curve(6, "")->Data);
  EXPECT_EQ(contents.Entries.back().Caption, "curve 40");

  // A damaged size field in the middle is passed over the same way.
  auto sized = TRecoveryJournal::EncodeEntry(*Curve(1, "c"), "a");
  const std::size_t one = sized.size();
  std::vector<std::uint8_t> three = {8, 'T', 'V', 'R', 'J', 'v', '1', '0', '0'};
  for (int i = 0; i < 3; ++i) three.insert(three.end(), sized.begin(), sized.end());
  three[9 + one + 7] = 0x7F;
  const auto c = TRecoveryJournal::Decode(three);
  EXPECT_EQ(c.Entries.size(), 2u);
  EXPECT_EQ(c.SkippedEntries, 1);

  // Two megabytes of false markers, each claiming a megabyte of entry: the
  // search for the next sound entry gives up instead of checksumming the
  // file a quarter of a million times.
  std::vector<std::uint8_t> hostile = {8, 'T', 'V', 'R', 'J', 'v', '1', '0', '0'};
  hostile.insert(hostile.end(), sized.begin(), sized.end());
  while (hostile.size() < (std::size_t{2} << 20))
    for (std::uint8_t b : {0x45, 0x56, 0x52, 0x4A, 0x00, 0x00, 0x10, 0x00}) hostile.push_back(b);
  const auto h = TRecoveryJournal::Decode(hostile);
  EXPECT_EQ(h.Entries.size(), 1u);
  EXPECT_TRUE(h.DamagedTail);
}

TEST(RecoveryJournalTest, AFailedAppendIsTakenBackAndTheNextOneFollowsTheLastGoodEntry) {
  test::TempDir dir;
  TRecoveryJournal journal(dir.path() / "j.vrj");
  journal.Append(*Curve(1.0, "a"), "a");
  journal.Append(*Curve(2.0, "b"), "b");
  const auto before = FileIo::readAll(journal.Path());
  bool thrown = false;
  {
    // The disk fills up half way through the third entry.
    test::FileSizeLimit full(before.size() + 3000);
    try {
      journal.Append(*Curve(3.0, "c"), "c");
    } catch (const EFormatError&) {
      thrown = true;
    }
  }
  EXPECT_TRUE(thrown);
  EXPECT_EQ(FileIo::readAll(journal.Path()), before);
  journal.Append(*Curve(4.0, "d"), "d");
  const auto contents = journal.Read();
  ASSERT_EQ(contents.Entries.size(), 3u);
  EXPECT_EQ(contents.Entries[2].Caption, "d");
  EXPECT_EQ(contents.SkippedEntries, 0);
  EXPECT_FALSE(contents.DamagedTail);

  // A journal whose very first entry fails is not left behind.
  TRecoveryJournal fresh(dir.path() / "fresh.vrj");
  {
    test::FileSizeLimit full(100);
    EXPECT_THROW(fresh.Append(*Curve(1.0, "a"), "a"), EFormatError);
  }
  EXPECT_FALSE(fresh.HasEntries());
  EXPECT_FALSE(std::filesystem::exists(fresh.Path()));
}

}  // namespace
}  // namespace velmora
