#include "TWizPlacement.h"

#include <memory>

#include "DateTime.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TRecordPlacement.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// The run and its parallel samples overlay their passes, so that selecting
// one shows (and calculates) every pass as a curve of its own; a pass of
// several voltammograms, and a repeated pass, is their average.
constexpr std::int32_t kAverage = 0;
constexpr std::int32_t kOverlay = 1;

}  // namespace

TWizPlacement::TWizPlacement(TNodeForest& forest, TRecordPlacement& placement)
    : forest_(forest), placement_(placement) {}

bool TWizPlacement::Alive(const TNode* node) const { return node != nullptr && node->InForest(); }

void TWizPlacement::ForgetMeasurementNode() {
  group_ = nullptr;
  measurement_ = nullptr;
  recording_ = nullptr;
  lastPass_ = -1;
  recordings_ = 0;
}

void TWizPlacement::ForgetRun() {
  ForgetMeasurementNode();
  root_ = nullptr;
  pending_ = false;
}

void TWizPlacement::BeginRecording(const Pass& pass) {
  pass_ = pass;
  pending_ = true;
}

TNode* TWizPlacement::NewGroup(TNode* parent, const std::string& caption, std::int32_t nodeType) {
  TNode* node = parent ? forest_.AddChild(parent) : forest_.AddNode(forest_.LastRoot(), nullptr);
  auto record = std::make_unique<TVAStruct>(node);
  record->NodeType = nodeType;
  record->RecordDate = DateTime::now();
  node->SetRecord(std::move(record));
  node->SetNameSilently(caption);
  return node;
}

void TWizPlacement::OpenRecording(const TRecordedCurve& curve, int curvesPerRecording) {
  // Nodes the user removed meanwhile are not written into.
  if (!Alive(root_)) ForgetRun();
  if (!Alive(group_) || !Alive(measurement_)) ForgetMeasurementNode();
  if (root_ == nullptr) {
    root_ = NewGroup(nullptr, std::string(), kOverlay);
    const double date = root_->VA()->RecordDate;
    const std::string when = FormatDateTime ? FormatDateTime(date) : TRecordPlacement::DefaultDateTimeText(date);
    root_->SetNameSilently(pass_.RootCaption.empty() ? when : pass_.RootCaption + " " + when);
  }
  if (group_ == nullptr) group_ = NewGroup(root_, pass_.GroupCaption, kOverlay);

  if (measurement_ == nullptr || pass_.PassCount != lastPass_) {
    // A new pass always opens a new measurement node.
    measurement_ = NewGroup(group_, pass_.PassCaption, kAverage);
    recording_ = measurement_;
    recordings_ = 1;
  } else {
    // The pass is recorded again: its node becomes a group of repeats.
    if (recordings_ == 1) {
      TNode* holder = forest_.AddNode(measurement_, nullptr);
      holder->SetRecord(std::make_unique<TVAStruct>(holder));
      holder->SetNameSilently(pass_.PassCaption);
      if (const TVAStruct* earlier = measurement_->VA()) holder->VA()->Params = earlier->Params;
      forest_.InsertNode(holder, nullptr, measurement_);
      measurement_->SetNameSilently(RepeatCaption ? RepeatCaption(1) : "1");
      measurement_ = holder;
      measurement_->Fold();
    }
    ++recordings_;
    recording_ =
        NewGroup(measurement_, RepeatCaption ? RepeatCaption(recordings_) : std::to_string(recordings_), kAverage);
  }
  lastPass_ = pass_.PassCount;
  // A recording of several voltammograms: its node carries the step's role.
  if (curvesPerRecording > 1) {
    const std::string caption = recording_->Name;
    placement_.FillGroup(recording_, curve);
    recording_->SetNameSilently(caption);
    if (recording_->Parent == measurement_ && measurement_->VA() && recording_->VA())
      measurement_->VA()->Params = recording_->VA()->Params;
  }
}

TNode* TWizPlacement::Place(const TRecordedCurve& curve, const std::string& databaseName, int curvesPerRecording) {
  if (curve.Points.size() <= 2) return nullptr;
  TNode* placed = nullptr;
  {
    TUndoSuspendGuard undo(&forest_.Undo());
    TPaintingGuard painting(forest_);
    if (pending_ || recording_ == nullptr || !Alive(recording_)) {
      OpenRecording(curve, curvesPerRecording);
      pending_ = false;
    }
    if (curvesPerRecording > 1) {
      placed = placement_.PlaceInto(forest_.AddChild(recording_), curve, databaseName);
    } else {
      const std::string caption = recording_->Name;
      placed = placement_.PlaceInto(recording_, curve, databaseName);
      if (placed) placed->SetNameSilently(caption);
    }
    // The group holding the repeats shows the pass's role like its members.
    if (placed && measurement_ != recording_ && measurement_->VA() && placed->VA() && placed->Parent == measurement_)
      measurement_->VA()->Params = placed->VA()->Params;
  }
  return placed;
}

}  // namespace velmora
