#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "TCustomMethod.h"
#include "TDataPoint.h"

namespace velmora {

class TNode;
class TNodeForest;
class TVAStruct;

// One finished voltammogram as the acquisition run hands it over: the
// program step it was recorded with (the whole 269-byte step record), its
// points, and where the run stood.
struct TRecordedCurve {
  static constexpr std::size_t kStepSize = 269;
  std::array<std::uint8_t, kStepSize> Step{};
  TDataArr Points;
  std::int32_t LoopCount = 1;
  std::int32_t LoopNumber = 0;
  std::int32_t ProgramNumber = 0;
  std::int32_t ProgramStep = 0;
  // The cycle counter before it advances for this voltammogram.
  std::int32_t ProgramStepCycle = 0;
  std::int32_t NodesToCreate = 1;
  std::int32_t ProgramsWithVAGrams = 1;
  std::int32_t NodesInCurrentProgram = 1;
};

// Puts recorded voltammograms into the document tree, the same way for the
// main window and the command-line tool.
//
// Flat mode: every voltammogram gets a new root node. Tree mode: the first
// voltammogram of a run makes a root node that the rest of the run shares;
// below it one level per repetition (when the set is repeated), per program
// (when several programs record), per step (when a program has several sweep
// steps) and for cycled steps per full cycle. New group nodes carry a record
// dated now and are captioned with that date and time.
class TRecordPlacement {
 public:
  explicit TRecordPlacement(TNodeForest& forest);

  // 0 "Flat file", 1 "Tree structure".
  int InsertType = 1;
  // Copied into every filled record.
  std::int32_t FilterValue = -1;
  // The curves come from the built-in analyzer emulator: their comments
  // (the caption shown in the tree, the legend and the properties) begin
  // with SimulatedMark, so simulated data never pass for measured ones.
  bool Simulated = false;
  static constexpr const char* SimulatedMark = "[EMULATOR - simulated] ";
  // The calculation method every filled record gets, as the calculation
  // window writes it: a built-in method's number (-1 none), or with
  // HasCustomMethod a copy of the custom method (CalculationMethod -1).
  std::int32_t CalculationMethod = 0;
  bool HasCustomMethod = false;
  TCustomMethod CustomMethod;
  // The current date and time (days since 1899-12-30); DateTime::now by default.
  std::function<double()> Now;
  // Caption of a new group node for its date; "dd.mm.yyyy hh:nn:ss" by default.
  std::function<std::string(double date)> FormatDateTime;
  // Caption of a filled node; the record's comments by default.
  std::function<std::string(const TVAStruct& record)> CaptionOf;

  // Places one voltammogram: chooses or creates its node, fills the record
  // from the step and sets the points, named `databaseName`. Returns the
  // node, or null for a voltammogram of 2 points or fewer (nothing is made).
  // Undo recording is paused meanwhile.
  TNode* Place(const TRecordedCurve& curve, const std::string& databaseName);
  // The run is over (or reset): the next voltammogram starts a new root.
  void ForgetRoot();
  TNode* Root() const { return root_; }

  // Places one voltammogram into `node`, chosen by the caller (the
  // measurement wizard's own tree): the record is filled from the step and
  // gets the points, named `databaseName`. Undo recording is paused
  // meanwhile. Returns `node`, or null for 2 points or fewer.
  TNode* PlaceInto(TNode* node, const TRecordedCurve& curve, const std::string& databaseName);
  // Gives a group node a record dated now filled from the step (its role,
  // its parameters), without points.
  void FillGroup(TNode* node, const TRecordedCurve& curve);

  // The default group caption: "dd.mm.yyyy hh:nn:ss".
  static std::string DefaultDateTimeText(double date);

 private:
  TNode* NewGroupChild(TNode* parent);
  TNode* NewRoot();
  void MakeGroupRecord(TNode* node);
  void Fill(TNode* node, const TRecordedCurve& curve);
  double NowDate() const;

  TNodeForest& forest_;
  TNode* root_ = nullptr;
  std::int32_t lastLoop_ = -1;
  std::int32_t lastProgram_ = -1;
  std::int32_t lastStep_ = -1;
};

}  // namespace velmora
