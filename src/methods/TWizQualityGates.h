#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Message.h"
#include "TPredefPeak.h"

namespace velmora {

class TNode;
class TVAStruct;
struct TMethod;
struct TMethodStat;
struct Options;

// The limits the wizard's checks use where the run's statistics record has
// none. They live in "Options.ini", section [WizardChecks].
struct TWizGateThresholds {
  // An addition should raise the peak by at least this share of the
  // sample's own peak (background taken off), in percent.
  double MinAdditionRise = 50.0;
  // The rise a suggested addition volume aims at, in percent.
  double TargetAdditionRise = 100.0;
  // The least R² of the standard-additions line.
  double MinR2 = 0.98;
  // Largest spread of replicate peaks (maximum − minimum) in percent of
  // their mean, when the statistics record does not give the element's
  // reproducibility.
  double ReplicateSpread = 30.0;
  // A peak top held flat over this many points at the curve's extreme
  // current is taken as cut off by the analyzer's converter.
  int FlatTopPoints = 5;

  static TWizGateThresholds FromOptions(const Options& options);
};

// The checks the measurement wizard makes on each pass it records, before
// the analyst presses "Next" (they never block: the analyst decides), and
// again over the whole run for the report's notes.
//
// The run's subtree, as the wizard places its recordings: the run's root
// node, under it one group per parallel sample, under that one measurement
// node per pass. A measurement node holds the pass's curve itself, or, when
// the pass was recorded more than once, its replicates as children
// ("Repeat 1", "Repeat 2", ...). The role of a pass is its curves'
// measurement type.
//
// Checks of a pass of the sample, of an addition or of the reference (a
// background or control solution pass is not expected to show the peaks):
//  * every peak of the method is found on every replicate; a peak that is
//    missing where its window shows an overload is reported as overloaded;
//  * a peak is overloaded when a current in its span reaches the full scale
//    of the curve's current range (as the peak search judges it, only for
//    curves that carry record parameters) or when its top is flat: the
//    curve's extreme current held by FlatTopPoints or more successive
//    points inside the span, which is what a converter at its limit gives;
//  * replicates agree: (maximum − minimum) of a peak's values is within the
//    statistics record's limit times their mean: Reproducibility for two
//    replicates, CriticalDifference for three or more, of the range the
//    element's concentration falls in (the widest of the element's ranges
//    while no concentration is known), otherwise ReplicateSpread;
//  * an addition (calculation methods 0..2) raised the peak, over the pass
//    before it, by at least MinAdditionRise percent of the sample's peak;
//    otherwise a larger addition volume is suggested, scaled to reach
//    TargetAdditionRise;
//  * standard additions (method 1): once three or more concentration levels
//    are recorded, the R² of each element's regression is at least MinR2.
class TWizQualityGates {
 public:
  // Reads the value of a named peak the calculation uses; false when the
  // curve holds none.
  using TPeakValueSource = std::function<bool(TVAStruct& curve, const std::string& name, double& value)>;

  struct Input {
    TNode* RunRoot = nullptr;
    // The measurement node just recorded (or one of its replicates); null:
    // the last one of the run.
    TNode* Pass = nullptr;
    // JudgeRun: only this parallel sample (a child of the root; the report
    // adds one experiment per parallel sample); null: all of them.
    TNode* ParallelSample = nullptr;
    // The method of the run: its predefined peaks (the last "Predefined
    // peaks" command of its script) and calculation method, unless Peaks
    // and CalcMethod are given.
    const TMethod* Method = nullptr;
    TPredefPeaks Peaks;
    int CalcMethod = -1;
    // The run's statistics record (null or unnamed: none).
    const TMethodStat* Statistics = nullptr;
    // Concentrations found so far, by element, in base units (g/dm³ or
    // g/g), in the cell or in the sample as the statistics record asks;
    // they choose the record's range.
    std::map<std::string, double> Concentrations;
    // Where peak values come from; the curves' fresh peak values when empty.
    TPeakValueSource PeakValue;
    TWizGateThresholds Thresholds;
  };

  // The verdicts of the pass just recorded; one message saying that all is
  // well when no check fails.
  static std::vector<Message> JudgePass(const Input& input);
  // The verdicts of every pass of the run so far, for the report's notes
  // (the regression of a parallel sample judged once, at its last pass).
  static std::vector<Message> JudgeRun(const Input& input);

  // --- Pieces, for the wizard's chart and the tests ---
  // The curves of a measurement node: its replicates (every voltammogram
  // below it, in order), or its own curve.
  static std::vector<TVAStruct*> PassCurves(const TNode* pass);
  // The measurement nodes of the run in order (pass groups in order).
  static std::vector<TNode*> Passes(const TNode* runRoot);
  // True when the points l..r show a cut-off top (see above).
  static bool FlatTop(const TVAStruct& curve, int l, int r, int minPoints);
};

}  // namespace velmora
