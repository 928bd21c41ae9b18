#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace velmora {

class TNode;
class TNodeForest;
class TRecordPlacement;
struct TRecordedCurve;

// Where the measurement wizard puts its recordings in the document: one
// root node per run (captioned with the sample name and the date), under it
// one group per parallel sample (or the activation), under that one
// measurement node per pass. A pass recorded again turns its measurement
// node into a folded group that holds every recording of the pass, each
// captioned "Repeat %d". A recording of several voltammograms (several
// steps or loops) is a group holding them.
class TWizPlacement {
 public:
  // What the wizard knows of the pass being recorded; captions are already
  // in the user's language.
  struct Pass {
    int PassCount = 0;         // passes recorded before this one in the run
    std::string RootCaption;   // the sample name
    std::string GroupCaption;  // "Parallel sample 1 of 2", "Activation"
    std::string PassCaption;   // the measurement type's name, "Activation check"
  };

  TWizPlacement(TNodeForest& forest, TRecordPlacement& placement);

  // The caption of the n-th recording (1-based) of a repeated pass.
  std::function<std::string(int)> RepeatCaption;
  // The date caption of a new root ("dd.mm.yyyy hh:nn:ss" by default).
  std::function<std::string(double date)> FormatDateTime;

  // A recording of the pass starts: the voltammograms placed until the
  // next call belong to one recording.
  void BeginRecording(const Pass& pass);
  // Places one voltammogram of the current recording. `curvesPerRecording`
  // is the number of voltammograms the recording makes. Returns the filled
  // node (null for 2 points or fewer).
  TNode* Place(const TRecordedCurve& curve, const std::string& databaseName, int curvesPerRecording);

  // The next recording opens a new group (a new parallel sample, or after
  // an activation).
  void ForgetMeasurementNode();
  // The run is over: the next recording opens a new root.
  void ForgetRun();

  TNode* Root() const { return root_; }
  TNode* Group() const { return group_; }
  TNode* MeasurementNode() const { return measurement_; }
  // The node of the latest recording: the measurement node, a "Repeat %d"
  // under it, or a group of the recording's voltammograms.
  TNode* RecordingNode() const { return recording_; }
  // How often the current pass has been recorded.
  int Recordings() const { return recordings_; }

 private:
  TNode* NewGroup(TNode* parent, const std::string& caption, std::int32_t nodeType);
  void OpenRecording(const TRecordedCurve& curve, int curvesPerRecording);
  bool Alive(const TNode* node) const;

  TNodeForest& forest_;
  TRecordPlacement& placement_;
  Pass pass_;
  bool pending_ = false;  // BeginRecording called, no voltammogram placed yet
  TNode* root_ = nullptr;
  TNode* group_ = nullptr;
  TNode* measurement_ = nullptr;
  TNode* recording_ = nullptr;  // the node of the current recording
  int lastPass_ = -1;
  int recordings_ = 0;
};

}  // namespace velmora
