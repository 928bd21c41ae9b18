// velmora-cli record against the built-in emulator and against the emulator
// served on a pseudo-terminal (through the POSIX serial port).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include "AnalyzerEmulator.h"
#include "CliCommands.h"
#include "DocumentFile.h"
#include "MissingFacility.h"
#include "ProgramFiles.h"
#include "PseudoTerminalHost.h"
#include "ScaledClock.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"
#include "TempDir.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Curves of the built-in emulator carry this mark in their comments.
std::string Simulated(const std::string& comments) { return TRecordPlacement::SimulatedMark + comments; }

ProgramStep Sweep(int from, int to, const std::string& comment) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(1000);
  s.SetSweepStart(from);
  s.SetSweepEnd(to);
  s.SetElectrolysisPotential(-1300);
  s.SetElectrolysisTime(2);
  s.SetComments(comment);
  return s;
}

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result Record(std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), "record");
  const int status = CliCommands::run(args, out, err);
  return {status, out.str(), err.str()};
}

int CountLeaves(const TNode* n) {
  if (!n->HasChildren()) return 1;
  int c = 0;
  for (const TNode* k = n->FirstChild; k; k = k->NextSibling) c += CountLeaves(k);
  return c;
}

class RecordCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vap = (dir.path() / "set.vap").string();
    out = (dir.path() / "out.tvx").string();
  }
  void WriteSet(const TVAProgramsArray& set) { ProgramFiles::WriteProgramSet(vap, set, 0); }
  test::TempDir dir;
  std::string vap, out;
};

TEST_F(RecordCommandTest, TreeRunOfTwoProgramsTwoLoopsMakesTheNestedTree) {
  TVAProgramsArray set;
  set.push_back({Sweep(-1200, 100, "first a"), Sweep(-1000, 0, "first b")});
  set.push_back({Sweep(-1200, 100, "second")});
  WriteSet(set);
  const Result r = Record({"--port", "emulator", "--programs", vap, "--loops", "2", "--speed", "40", "-o", out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"Curves\":6}\n");
  TNodeForest forest;
  DocumentFile::LoadDocument(forest, out);
  TNode* root = forest.FirstRoot();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->NextSibling, nullptr);
  // root / repetition / program / step
  int loops = 0;
  for (TNode* loop = root->FirstChild; loop; loop = loop->NextSibling, ++loops) {
    int programs = 0;
    for (TNode* p = loop->FirstChild; p; p = p->NextSibling) ++programs;
    EXPECT_EQ(programs, 2);
    int steps = 0;
    for (TNode* s = loop->FirstChild->FirstChild; s; s = s->NextSibling) ++steps;
    EXPECT_EQ(steps, 2);
    // Captions name the step; the emulator's mark is in the comments and
    // the views show it as a badge.
    EXPECT_EQ(loop->FirstChild->FirstChild->Name, "first a");
    EXPECT_TRUE(TRecordPlacement::IsSimulated(*loop->FirstChild->FirstChild));
    // The second program has one sweep step: no step level below it.
    EXPECT_FALSE(loop->FirstChild->NextSibling->HasChildren());
    EXPECT_EQ(loop->FirstChild->NextSibling->Name, "second");
    EXPECT_TRUE(TRecordPlacement::IsSimulated(*loop->FirstChild->NextSibling));
  }
  EXPECT_EQ(loops, 2);
  EXPECT_EQ(CountLeaves(root), 6);
  const TVAStruct* first = root->FirstChild->FirstChild->FirstChild->VA();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->DatabaseName, "_______0.dbd");
  EXPECT_GT(first->Data.size(), 100u);
  EXPECT_NEAR(first->Data.front().X, -1200, 10);
  EXPECT_EQ(first->Params.SweepEnd(), 100);
}

TEST_F(RecordCommandTest, FlatRunPutsEveryCurveInARootAndProgramFormatsLoad) {
  TVAProgramsArray set;
  set.push_back({Sweep(-1200, 100, "a"), Sweep(0, 0, "conditioning only"), Sweep(-900, 100, "b")});
  WriteSet(set);
  const Result r = Record({"--port", "emulator", "--programs", vap, "--flat", "--speed", "40", "-o", out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"Curves\":2}\n");
  TNodeForest forest;
  DocumentFile::LoadDocument(forest, out);
  ASSERT_NE(forest.FirstRoot(), nullptr);
  EXPECT_EQ(forest.FirstRoot()->Name, "a");
  EXPECT_TRUE(TRecordPlacement::IsSimulated(*forest.FirstRoot()));
  ASSERT_NE(forest.FirstRoot()->NextSibling, nullptr);
  EXPECT_EQ(forest.FirstRoot()->NextSibling->Name, "b");
  EXPECT_EQ(forest.FirstRoot()->NextSibling->VA()->DatabaseName, "_______1.dbd");

  const std::string prg = (dir.path() / "one.prg").string();
  ProgramFiles::WriteSingleProgram(prg, set[0]);
  const Result p = Record({"--port", "emulator", "--prg", prg, "--speed", "40", "-o", out});
  EXPECT_EQ(p.status, 0) << p.err;
  EXPECT_EQ(p.out, "{\"Curves\":2}\n");
}

TEST_F(RecordCommandTest, EachCurveCarriesTheFilterOfItsStepAndSaysWhereItCameFrom) {
  ProgramStep a = Sweep(-1200, 100, "a");
  a.SetFilterValue(3);
  ProgramStep b = Sweep(-900, 100, "b");
  b.SetFilterValue(7);
  WriteSet({{a, b}});
  const Result r = Record({"--port", "emulator", "--programs", vap, "--flat", "--speed", "40", "-o", out});
  ASSERT_EQ(r.status, 0) << r.err;
  TNodeForest forest;
  DocumentFile::LoadDocument(forest, out);
  ASSERT_NE(forest.FirstRoot(), nullptr);
  ASSERT_NE(forest.FirstRoot()->NextSibling, nullptr);
  const TVAStruct* first = forest.FirstRoot()->VA();
  const TVAStruct* second = forest.FirstRoot()->NextSibling->VA();
  EXPECT_EQ(first->FilterValue, 3);
  EXPECT_EQ(second->FilterValue, 7);
  EXPECT_EQ(first->Params.Comments(), Simulated("a"));
  EXPECT_EQ(second->Params.Comments(), Simulated("b"));
  // The step record is otherwise the program's.
  EXPECT_EQ(second->Params.SweepStart(), -900);
}

TEST_F(RecordCommandTest, AnalyzerFaultsEndWithStatusOneAndTheMessage) {
  WriteSet({{Sweep(-1200, 100, "a")}});
  struct Case {
    const char* fault;
    const char* message;
  } cases[] = {
      {"uncalibrated", "Divice is not calibrated"},
      {"overflow", "Circular buffer overflow"},
      {"mercury-gap", "Mercury jet gap"},
      {"silent=0xC5", "No responce from device on reset."},
      {"silent=0xC8", "No responce from device. Command №200"},
  };
  for (const Case& c : cases) {
    const Result r = Record({"--port", "emulator", "--programs", vap, "--speed", "40", "--fault", c.fault, "-o", out});
    EXPECT_EQ(r.status, 1) << c.fault;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.fault << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << c.fault;
  }
}

TEST_F(RecordCommandTest, UsageErrors) {
  WriteSet({{Sweep(-1200, 100, "a")}});
  EXPECT_EQ(Record({"--programs", vap, "-o", out}).status, 2);
  EXPECT_EQ(Record({"--port", "emulator", "-o", out}).status, 2);
  EXPECT_EQ(Record({"--port", "emulator", "--programs", vap, "--loops", "0", "-o", out}).status, 2);
  EXPECT_EQ(Record({"--port", "emulator", "--programs", vap, "-o", (dir.path() / "x.mbd").string()}).status, 2);
  EXPECT_EQ(Record({"--port", "emulator", "--programs", (dir.path() / "missing.vap").string(), "-o", out}).status, 1);
  EXPECT_EQ(Record({"--port", (dir.path() / "no-such-tty").string(), "--programs", vap, "-o", out}).status, 1);
}

TEST_F(RecordCommandTest, RecordsThroughAPseudoTerminal) {
  WriteSet({{Sweep(-1200, 100, "pty")}});
  ScaledClock emulatorClock(20.0);
  auto emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, AnalyzerEmulator::Config{});
  PseudoTerminalHost host(emulator);
  std::string error;
  const fs::path link = dir.path() / "ttyVA";
  if (!host.start(link, error)) VELMORA_MISSING_FACILITY() << "no pseudo-terminal: " << error;
  const Result r = Record({"--port", link.string(), "--programs", vap, "--speed", "20", "-o", out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"Curves\":1}\n");
  host.stop();
  // A real line: the curve keeps the program's comments as they are.
  TNodeForest forest;
  DocumentFile::LoadDocument(forest, out);
  ASSERT_NE(forest.FirstRoot(), nullptr);
  EXPECT_EQ(forest.FirstRoot()->VA()->Params.Comments(), "pty");
}

TEST_F(RecordCommandTest, ALostLineEndsTheRunWithinSecondsAndKeepsTheCurvesRecorded) {
  ProgramStep longStep = Sweep(-1000, 0, "long");
  longStep.SetElectrolysisTime(2000);  // 100 s at this speed
  WriteSet({{Sweep(-1200, 100, "first"), longStep}});
  ScaledClock emulatorClock(20.0);
  auto emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, AnalyzerEmulator::Config{});
  auto host = std::make_unique<PseudoTerminalHost>(emulator);
  std::string error;
  const fs::path link = dir.path() / "ttyVA";
  if (!host->start(link, error)) VELMORA_MISSING_FACILITY() << error;
  // Pull the line once the first voltammogram is over and the long step electrolyses.
  std::atomic<bool> pulled{false};
  std::chrono::steady_clock::time_point pulledAt;
  std::thread puller([&] {
    bool measured = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
      const int stage = emulator->status() & 0x0F;
      if (stage == 2) measured = true;
      if (measured && stage == 1) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    pulledAt = std::chrono::steady_clock::now();
    host.reset();
    pulled = true;
  });
  const Result r = Record({"--port", link.string(), "--programs", vap, "--speed", "20", "-o", out});
  const auto endedAt = std::chrono::steady_clock::now();
  puller.join();
  ASSERT_TRUE(pulled);
  EXPECT_LT(endedAt - pulledAt, std::chrono::seconds(5));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("The serial port \"" + link.string() + "\" of the analyzer was lost"), std::string::npos)
      << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  TNodeForest forest;
  DocumentFile::LoadDocument(forest, out);
  ASSERT_NE(forest.FirstRoot(), nullptr);
  EXPECT_EQ(CountLeaves(forest.FirstRoot()), 1);
}

}  // namespace
}  // namespace velmora
