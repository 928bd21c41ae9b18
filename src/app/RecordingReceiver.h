#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "FileLock.h"
#include "TAcquisitionRun.h"
#include "TRecordPlacement.h"
#include "TRecoveryJournal.h"
#include "TVAProgramsArray.h"

namespace velmora {

class DeviceLink;
class MainWindow;
class Settings;
class TNode;

// What a start action hands to the run: the program set and the run options
// of the record-parameters editor (or of whoever prepared the run).
struct RecordingProgramSource {
  TVAProgramsArray Programs;
  int LoopCount = 1;
  bool CurrentControl = false;
  // The live current limit: a |Y| above the limit (µA) ends the run.
  bool CurrentLimit = false;
  double CurrentLimitMicroAmps = 0.0;
  // Save and power the computer off at the end of the run.
  bool ShutDown = false;
  // The position "Start from current step" starts at.
  int CurrentProgram = 0;
  int CurrentStep = 0;
  // An unattended batch (the autosampler): a curve that cannot be written
  // to the recovery journal stops the run.
  bool StopOnJournalFailure = false;
  // Names the tray cells in the autosampler's fault messages.
  std::function<std::string(int cell)> CellCaption;
};

// The main window's side of an acquisition run: the start, pause and stop
// actions, the live trace on the "Recording series", the countdown and the
// status text in the status bar, the placement of every finished
// voltammogram in the document, the backup after each curve, and the
// recovery journal that keeps each curve on disk until the document is
// saved.
//
// The journal of a data folder belongs to the one workstation that holds
// the folder's instance lock ("Instance.lock"); a second workstation on the
// same folder says so at start and neither reads, writes nor deletes it.
//
// The run's worker raises its events on its own thread; the synchronised
// ones are run here on the UI thread while the worker waits, the data
// batches are queued and drawn once per batch.
class RecordingReceiver : public QObject {
  Q_OBJECT
 public:
  RecordingReceiver(MainWindow& window, Settings& settings, DeviceLink& link);
  ~RecordingReceiver() override;

  // The record-parameters editor installs its program set here; until then
  // "&Start record" runs "VAPrograms.vap" of the data folder (or the default
  // set). Installing a source makes "Start from &current step" available.
  void setProgramSource(std::function<RecordingProgramSource()> source);
  // Called at each step start to show the running program and step (when
  // the settings value RecordType is 0).
  void setFollowStep(std::function<void(int program, int step)> follow);
  // The storage step after each curve (backup or save of the document); by
  // default the document commands' one. It runs on the UI thread after the
  // curve's event has released the run's worker, so the worker keeps polling
  // the analyzer while the disk works.
  // A store that throws has failed (the run goes on; the computer is not
  // shut down after it).
  void setCurveStore(std::function<void()> store);
  // Powers the computer off ("Shut down computer after program execution");
  // by default the operating system's power-off. Tests put their own here.
  void setPowerOff(std::function<void()> powerOff) { powerOff_ = std::move(powerOff); }
  // Where finished voltammograms go instead of the run's own tree (the
  // measurement wizard's placement); null restores the run's tree.
  using PlaceOverride = std::function<TNode*(const TRecordedCurve& curve, const std::string& databaseName)>;
  void setPlaceOverride(PlaceOverride place) { placeOverride_ = std::move(place); }

  // "&Start record": the whole set from its first step.
  void start();
  // "Start from &current step": from (program, step), 0-based.
  void startFromStep(int program, int step);
  // "&Stop": asks, then resets the analyzer.
  void stop();
  // Runs `source` from its first step instead of the installed source (the
  // autosampler's batch, the start panel's first voltammogram).
  void startWith(const RecordingProgramSource& source);

  TAcquisitionRun& run() { return *run_; }
  TRecordPlacement& placement() { return placement_; }
  TRecoveryJournal& journal() { return *journal_; }
  static constexpr const char* kInstanceLockName = "Instance.lock";
  // False when another workstation holds the data folder (and its journal).
  bool ownsDataFolder() const { return ownsFolder_; }
  // Keeps the recovery journal in `dataFolder` from now on (the data folder
  // moved at start-up), with that folder's instance lock; a journal of this
  // workstation that still holds curves stays where it is for the recovery
  // offer.
  void openJournalIn(const std::filesystem::path& dataFolder);
  // The text of the status panel (also shown by the autosampler and wizard).
  QString statusText() const;
  // Offers to restore the curves of an unfinished session; returns the
  // number of curves restored. Called once at start-up. A workstation that
  // does not own the data folder tells the user so instead.
  int offerRecovery();
  // Seconds shown by the countdown.
  std::int64_t totalSecondsLeft() const { return totalSeconds_; }
  std::int64_t stageSecondsLeft() const { return stageSeconds_; }
  // Plain seconds below a minute, "m:ss" below an hour, else "h:mm:ss".
  static QString formatSeconds(std::int64_t seconds);

 signals:
  // A finished voltammogram was placed in the document.
  void curveRecorded(TNode* node);
  // The run ended (normally, stopped, reset or failed).
  void runFinished();
  // The run reached its normal end (raised just before runFinished).
  void recordEnded();

 private:
  RecordingProgramSource programSource() const;
  void startRun(int program, int step, bool fromCurrent, const RecordingProgramSource* given = nullptr);
  struct PendingStart {
    int Program = 0;
    int Step = 0;
    RecordingProgramSource Source;
  };
  void startPending();
  void launch(const PendingStart& start);
  void updateActions();
  void refreshStatusText();
  void clearLiveTrace();
  void flushLive();
  void tick();
  void runSynchronised(const std::function<void()>& fn);
  TNode* placeCurve(const TRecPoints& points);
  void afterCurve();
  // Queues afterCurve() once for the curves placed since it last ran.
  void scheduleStore();
  // The window leaves the recording state (once per run).
  void endRunUi();
  // At the normal end of a run with "Shut down" checked: saves the document
  // and powers off, unless a save of the run failed.
  void shutDownAfterRun();

  // Handlers of the run's and the link's events.
  void TavrelDevice1RecordStart();
  void TavrelDevice1SingleRecordStart();
  void TavrelDevice1DataReceived(const TRecPoints& data);
  void TavrelDevice1SingleRecordEnd();
  void TavrelDevice1RecordEnd();
  void TavrelDevice1StatusChange(bool force);
  void TavrelDevice1Reset();
  void runFailed(const Message& message);

  MainWindow& window_;
  Settings& settings_;
  DeviceLink& link_;
  std::unique_ptr<TAcquisitionRun> run_;
  TRecordPlacement placement_;
  std::unique_ptr<TRecoveryJournal> journal_;
  std::optional<FileLock> instanceLock_;
  bool ownsFolder_ = true;
  // Clears the journal when this workstation owns it.
  void clearJournal();
  // Takes the instance lock of `dataFolder`; ownsFolder_ tells whether it
  // was free.
  void lockDataFolder(const std::filesystem::path& dataFolder);
  std::function<RecordingProgramSource()> source_;
  std::function<void(int, int)> follow_;
  std::function<void()> store_;
  std::function<void()> powerOff_;
  // A curve of the current run could not be made durable (journal, backup
  // or database save).
  bool saveFailed_ = false;
  // The journal failed to keep a curve of the current run (said once).
  bool journalFailed_ = false;
  PlaceOverride placeOverride_;
  bool storeQueued_ = false;
  RecordingProgramSource active_;

  std::atomic<bool> closing_{false};
  std::mutex liveMutex_;
  TRecPoints pending_;
  bool flushQueued_ = false;
  TRecPoints liveCurve_;  // UI thread: the points shown of the running voltammogram
  bool limitHit_ = false;

  QTimer countdown_;
  std::int64_t totalSeconds_ = 0;
  std::int64_t stageSeconds_ = 0;
  int lastStatus_ = -2;
  bool uiRecording_ = false;
  // A start waiting for the last run's worker to finish.
  std::unique_ptr<PendingStart> pendingStart_;
  QElapsedTimer pendingWait_;
  bool recoveryChecked_ = false;
};

}  // namespace velmora
