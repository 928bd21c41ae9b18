#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

#include "DeviceLink.h"
#include "MainWindow.h"
#include "PeaksHost.h"
#include "RecordingReceiver.h"
#include "TMWizForm.h"
#include "TNode.h"
#include "TPeaksController.h"
#include "TVAStruct.h"
#include "UiText.h"

// The recordings of a wizard run: started through the main window's
// recording, placed in the document by the wizard's placement, handed back
// to the script when they end; the replay of stored data in a simulation.

namespace velmora {

void TMWizForm::wireRecording() {
  RecordingReceiver& receiver = window_.recordingReceiver();
  connect(&receiver, &RecordingReceiver::recordEnded, this, [this] {
    recordEnded_ = true;
    // The run's status news may have ended the run on the window first.
    if (endPending_) {
      endPending_ = false;
      recordingEnded();
    }
  });
  connect(&receiver, &RecordingReceiver::runFinished, this, [this] {
    if (recordEnded_ || !wizardRecording_ || !window_.deviceLink().active()) {
      recordingEnded();
      return;
    }
    // The end of the run may still be on its way; a stop or reset never
    // brings it.
    endPending_ = true;
    QTimer::singleShot(2000, this, [this] {
      if (!endPending_) return;
      endPending_ = false;
      recordingEnded();
    });
  });
  DeviceLink& link = window_.deviceLink();
  connect(&link, &DeviceLink::connectedChanged, this, [this] { deviceStatusChanged(); });
  connect(&link, &DeviceLink::statusChanged, this, [this] { deviceStatusChanged(); });
  // The recording status page follows the main window's countdown.
  auto* status = new QTimer(this);
  status->setInterval(1000);
  connect(status, &QTimer::timeout, this, [this] {
    if (!wizardRecording_ || currentPage() != kRecordingStatus) return;
    RecordingReceiver& r = window_.recordingReceiver();
    const auto left = static_cast<int>(r.totalSecondsLeft());
    if (left > progress_->maximum()) progress_->setMaximum(left);
    progress_->setValue(progress_->maximum() - left);
    stageLabel_->setText(tr("Current stage: %1").arg(r.statusText()));
  });
  status->start();
}

TWizPlacement::Pass TMWizForm::currentPass() const {
  const TWizRunSettings& s = interp_->Settings();
  TWizPlacement::Pass pass;
  pass.PassCount = s.PassCount;
  pass.RootCaption = sampleName_;
  if (s.ActivationMode) {
    pass.GroupCaption = UiText::toStd(tr("Activation"));
    pass.PassCaption = UiText::toStd(tr("Activation check"));
  } else {
    pass.GroupCaption =
        UiText::toStd(tr("Parallel sample %1 of %2").arg(s.CompletedSamples + 1).arg(s.ParallelSamples));
    const char* type = TVAStruct::MeasurementTypeCaption(s.MeasurementType);
    pass.PassCaption = type ? UiText::toStd(QCoreApplication::translate("Messages", type)) : std::string();
  }
  return pass;
}

std::vector<TVAStruct*> TMWizForm::passCurves() const {
  // The passes of the current parallel sample, in order: the calculation
  // reads them by their roles.
  std::vector<TVAStruct*> curves;
  const TNode* group = wizPlacement_->Group();
  if (group == nullptr || !group->InForest()) return curves;
  for (TNode* pass = group->FirstChild; pass; pass = pass->NextSibling) curves.push_back(pass->VA());
  return curves;
}

TNode* TMWizForm::placeRecorded(const TRecordedCurve& curve, const std::string& databaseName) {
  const int perRecording = std::max(1, curve.NodesToCreate) * std::max(1, curve.LoopCount);
  return wizPlacement_->Place(curve, databaseName, perRecording);
}

void TMWizForm::StartRecording(const TVAProgramsArray& programs, int loops) {
  RecordingReceiver& receiver = window_.recordingReceiver();
  wizardRecording_ = true;
  recordEnded_ = false;
  endPending_ = false;
  wizPlacement_->BeginRecording(currentPass());
  receiver.setPlaceOverride(
      [this](const TRecordedCurve& curve, const std::string& name) { return placeRecorded(curve, name); });
  RecordingProgramSource source;
  source.Programs = programs;
  source.LoopCount = std::max(1, loops);
  receiver.startWith(source);
  if (!window_.recording()) {
    // The analyzer did not take the run: the pass can be started again.
    wizardRecording_ = false;
    receiver.setPlaceOverride({});
    interp_->RecordingInterrupted();
  }
}

void TMWizForm::recordingEnded() {
  if (!wizardRecording_) return;
  wizardRecording_ = false;
  window_.recordingReceiver().setPlaceOverride({});
  if (!recordEnded_ || !window_.deviceLink().active() || window_.deviceLink().device().PortWasLost()) {
    // Stopped, reset or cut off: the passes recorded so far stay.
    interp_->RecordingInterrupted();
    updateButtons();
    return;
  }
  const std::vector<TVAStruct*> changed = interp_->RecordingFinished(passCurves());
  if (!changed.empty()) window_.setModified(true);
  emit passRecorded();
  judgePasses();
  updateButtons();
}

void TMWizForm::deviceStatusChanged() {
  if (!wizardRecording_ || window_.deviceLink().active()) return;
  // The analyzer fell off line in the middle of a pass.
  wizardRecording_ = false;
  window_.recordingReceiver().setPlaceOverride({});
  interp_->RecordingInterrupted();
  updateButtons();
}

// --- Simulation --------------------------------------------------------------------------

void TMWizForm::ReplayRecording(const TDataArr& points) {
  const TWizRunSettings& s = interp_->Settings();
  const std::array<int, 3> key{s.PassCount, s.RepetitionCount, s.CompletedSamples};
  if (key != replayKey_) {
    replayKey_ = key;
    wizPlacement_->BeginRecording(currentPass());
  }
  TRecordedCurve curve;
  if (!s.Programs.empty() && !s.Programs.front().empty()) {
    ProgramStep step = s.Programs.front().front();
    step.SetMeasurementType(s.MeasurementType);
    std::copy(step.Raw.begin(), step.Raw.end(), curve.Step.begin());
  }
  curve.Points = points;
  TRecordPlacement& placement = window_.recordingReceiver().placement();
  // Replayed data never pass for measured ones.
  const bool simulated = placement.Simulated;
  placement.Simulated = true;
  const std::int32_t number = window_.curveCounter();
  TNode* node = wizPlacement_->Place(curve, "", std::max(1, s.LoopsCount));
  placement.Simulated = simulated;
  if (node) {
    window_.setCurveCounter(number + 1);
    window_.setModified(true);
  }
}

void TMWizForm::replayTick() {
  ++replayTicks_;
  progress_->setValue(std::min(replayTicks_, 10));
  if (replayTicks_ < 10) return;
  replayTimer_.stop();
  replayKey_ = {-9, -9, -9};
  interp_->Next();
  interp_->RecordingFinished(passCurves());
  emit passRecorded();
  judgePasses();
  updateButtons();
}

// --- Peak calculation type -----------------------------------------------------------------

void TMWizForm::SetPeakCalcType(int calcType) { window_.peaks().controller().pickCalcType(calcType); }

int TMWizForm::PeakCalcType() { return window_.peaks().controller().shownCalcType(); }

}  // namespace velmora
