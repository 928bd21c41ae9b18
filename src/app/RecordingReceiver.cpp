#include "RecordingReceiver.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMetaObject>
#include <QProcess>
#include <QThread>
#include <condition_variable>
#include <filesystem>

#include "AnalyzerEmulator.h"
#include "CurvePlottable.h"
#include "CustomMethods.h"
#include "DateTime.h"
#include "DeviceLink.h"
#include "DocumentCommandsController.h"
#include "FolderDatabase.h"
#include "IDocumentCommands.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Messages.h"
#include "ProgramFiles.h"
#include "Settings.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TTavrelDevice.h"
#include "TVAStruct.h"
#include "UiText.h"
#include "qcustomplot.h"

namespace velmora {

namespace {
constexpr const char* kShutDownCancelled =
    QT_TRANSLATE_NOOP("Messages",
                      "The computer was not shut down after the run: not every curve of the run could be saved. The "
                      "curves are in the open document; save it before you close the program.");
}  // namespace

namespace {

constexpr const char* kProgramFile = "VAPrograms.vap";

QString catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

}  // namespace

RecordingReceiver::RecordingReceiver(MainWindow& window, Settings& settings, DeviceLink& link)
    : QObject(&window),
      window_(window),
      settings_(settings),
      link_(link),
      run_(std::make_unique<TAcquisitionRun>(link.device(), link.clock())),
      placement_(window.forest()),
      journal_(std::make_unique<TRecoveryJournal>(TRecoveryJournal::PathIn(settings.dataFolder()))) {
  lockDataFolder(settings.dataFolder());
  placement_.FormatDateTime = [](double date) {
    const auto tp = DateTime::toSystemClock(date);
    const QDateTime dt = QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch()).count());
    const QLocale locale = QLocale::system();
    return UiText::toStd(locale.toString(dt.date(), QLocale::ShortFormat) + u' ' +
                         locale.toString(dt.time(), QLocale::LongFormat));
  };
  placement_.CaptionOf = [this](const TVAStruct& r) -> std::string {
    switch (window_.CaptionMode()) {
      case 2:
        return r.DatabaseName;
      case 3: {
        const char* caption = TVAStruct::MeasurementTypeCaption(r.Params.MeasurementType());
        return caption ? UiText::toStd(catalogue(caption)) : std::string();
      }
      default:
        return r.Params.Comments();
    }
  };

  // The run's events: the synchronised ones wait for the UI thread.
  run_->OnRecordStart = [this] { runSynchronised([this] { TavrelDevice1RecordStart(); }); };
  run_->OnSingleRecordStart = [this] { runSynchronised([this] { TavrelDevice1SingleRecordStart(); }); };
  run_->OnDataReceived = [this](const TRecPoints& data) { TavrelDevice1DataReceived(data); };
  run_->OnSingleRecordEnd = [this] { runSynchronised([this] { TavrelDevice1SingleRecordEnd(); }); };
  run_->OnRecordEnd = [this] { runSynchronised([this] { TavrelDevice1RecordEnd(); }); };
  // The last event of a run: queued, so a new start never waits for it.
  run_->OnStatusChange = [this] {
    QMetaObject::invokeMethod(
        this, [this] { TavrelDevice1StatusChange(true); }, Qt::QueuedConnection);
  };
  run_->OnRunError = [this](const Message& m) {
    QMetaObject::invokeMethod(
        this, [this, m] { runFailed(m); }, Qt::QueuedConnection);
  };

  for (const char* name : {"RecordActn", "StopActn"}) window_.actions().adopt(name);
  connect(window_.action("RecordActn"), &QAction::triggered, this, [this] { start(); });
  connect(window_.action("RunFromCurrentActn"), &QAction::triggered, this, [this] {
    const RecordingProgramSource s = programSource();
    startFromStep(s.CurrentProgram, s.CurrentStep);
  });
  connect(window_.action("PauseActn"), &QAction::triggered, this, [this] { run_->StopRecording(); });
  connect(window_.action("StopActn"), &QAction::triggered, this, [this] { stop(); });
  // "Reset &device" (driven by the link's presenter) also ends the trace.
  connect(window_.action("ResetActn"), &QAction::triggered, this, [this] { clearLiveTrace(); });
  connect(&link_, &DeviceLink::statusChanged, this, [this] { TavrelDevice1StatusChange(false); });
  connect(&link_, &DeviceLink::commandChanged, this, [this] { updateActions(); });
  connect(&link_, &DeviceLink::connectedChanged, this, [this] {
    updateActions();
    refreshStatusText();
  });
  connect(&link_, &DeviceLink::resetDone, this, [this] { TavrelDevice1Reset(); });
  connect(&window_, &MainWindow::modifiedChanged, this, [this](bool modified) {
    // Saved or closed cleanly: the curves are safe in the document file.
    if (!modified && recoveryChecked_ && !link_.device().Recording()) clearJournal();
  });

  countdown_.setInterval(1000);
  connect(&countdown_, &QTimer::timeout, this, [this] { tick(); });
  updateActions();
}

RecordingReceiver::~RecordingReceiver() {
  closing_ = true;
  run_->StopRecording();
  if (AnalyzerEmulator* emulator = link_.emulator()) emulator->setMeasurementSource(nullptr);
  run_.reset();
  // The window closes normally: the user has saved the document or chosen
  // to drop its changes, so nothing is left to recover.
  if (recoveryChecked_) clearJournal();
}

void RecordingReceiver::clearJournal() {
  if (ownsFolder_) journal_->Clear();
}

void RecordingReceiver::lockDataFolder(const std::filesystem::path& dataFolder) {
  // One workstation per data folder owns its journal. A folder where no
  // lock can be made (read-only) holds no journal to protect either.
  instanceLock_.reset();
  ownsFolder_ = true;
  if (dataFolder.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(dataFolder, ec);
  try {
    instanceLock_ = FileLock::TryLock(dataFolder / kInstanceLockName);
    ownsFolder_ = instanceLock_.has_value();
  } catch (const std::exception&) {
  }
}

void RecordingReceiver::setProgramSource(std::function<RecordingProgramSource()> source) {
  source_ = std::move(source);
  if (source_) window_.actions().adopt("RunFromCurrentActn");
  updateActions();
}

void RecordingReceiver::openJournalIn(const std::filesystem::path& dataFolder) {
  const std::filesystem::path path = TRecoveryJournal::PathIn(dataFolder);
  if (journal_->Path() == path) return;
  // Curves of this workstation's unfinished session are offered from where
  // they are; another workstation's journal is no reason to stay.
  if (ownsFolder_ && journal_->HasEntries()) return;
  journal_ = std::make_unique<TRecoveryJournal>(path);
  lockDataFolder(dataFolder);
}

void RecordingReceiver::setFollowStep(std::function<void(int, int)> follow) { follow_ = std::move(follow); }

void RecordingReceiver::setCurveStore(std::function<void()> store) { store_ = std::move(store); }

RecordingProgramSource RecordingReceiver::programSource() const {
  if (source_) return source_();
  RecordingProgramSource s;
  s.Programs = TVAProgramsArray::Default();
  try {
    if (auto set = ProgramFiles::ReadProgramSet(settings_.dataFolder() / kProgramFile)) {
      if (!set->Programs.empty()) s.Programs = set->Programs;
    }
  } catch (const std::exception&) {
    // A damaged program file: the default set.
  }
  return s;
}

void RecordingReceiver::start() { startRun(0, 0, false); }

void RecordingReceiver::startFromStep(int program, int step) { startRun(program, step, true); }

void RecordingReceiver::startWith(const RecordingProgramSource& source) { startRun(0, 0, false, &source); }

void RecordingReceiver::startRun(int program, int step, bool fromCurrent, const RecordingProgramSource* given) {
  TTavrelDevice& device = link_.device();
  if (!device.Active()) {
    window_.messageSink().error(Message(msg::ResetInstrumentFirst));
    return;
  }
  if (device.Recording() || pendingStart_) return;
  PendingStart start{fromCurrent ? program : 0, fromCurrent ? step : 0, given ? *given : programSource()};
  if (run_->Running()) {
    // The last run has ended but its worker is still handing over its last
    // news (a wizard's next pass follows the end at once): the new run starts
    // as soon as the worker has finished, and counts as started meanwhile.
    pendingStart_ = std::make_unique<PendingStart>(std::move(start));
    pendingWait_.start();
    uiRecording_ = true;
    window_.setRecording(true);
    updateActions();
    QTimer::singleShot(10, this, &RecordingReceiver::startPending);
    return;
  }
  launch(start);
}

void RecordingReceiver::startPending() {
  if (!pendingStart_) return;  // a reset or a lost line ended it
  if (run_->Running() && pendingWait_.elapsed() < 5000) {
    QTimer::singleShot(10, this, &RecordingReceiver::startPending);
    return;
  }
  const std::unique_ptr<PendingStart> start = std::move(pendingStart_);
  if (run_->Running() || link_.device().Recording() || !link_.device().Active()) {
    window_.messageSink().error(Message(msg::ResetInstrumentFirst));
    endRunUi();
    return;
  }
  launch(*start);
}

void RecordingReceiver::launch(const PendingStart& start) {
  TTavrelDevice& device = link_.device();
  placement_.ForgetRoot();
  device.SetInputFilter(settings_.options().filter);
  active_ = start.Source;
  saveFailed_ = false;
  journalFailed_ = false;
  run_->CellCaption = active_.CellCaption;
  run_->SetVAProgram(active_.Programs);
  run_->SetLoopCount(active_.LoopCount);
  device.SetCurrentControl(active_.CurrentControl);
  placement_.InsertType = settings_.options().insertType;
  // New recordings carry the method in force; a custom method goes with
  // its equation, so that the curves keep it whatever the list becomes.
  const int method = settings_.options().calculationMethod;
  const TCustomMethod* custom = CustomMethods::Find(method);
  placement_.HasCustomMethod = custom != nullptr;
  placement_.CustomMethod = custom ? *custom : TCustomMethod{};
  placement_.CalculationMethod = custom || CustomMethods::IsCustomNumber(method) ? -1 : method;
  limitHit_ = false;
  // The built-in analyzer's operator fills the cell as the step being
  // started asks (background, sample, additions).
  if (AnalyzerEmulator* emulator = link_.emulator())
    emulator->setMeasurementSource([run = run_.get()] { return run->CurrentStep().MeasurementType(); });
  run_->StartRecording(start.Program, start.Step);
  uiRecording_ = true;
  window_.setRecording(true);
  updateActions();
}

void RecordingReceiver::stop() {
  if (window_.messageSink().askYesNo(Message(msg::StopAndResetQuery)) != Answer::Yes) return;
  if (QAction* reset = window_.action("ResetActn")) reset->trigger();
}

void RecordingReceiver::updateActions() {
  const TTavrelDevice& device = link_.device();
  const bool active = device.Active();
  const bool recording = device.Recording() || uiRecording_;
  // A run waits until a hand command to the analyzer (a tray move) is done.
  const bool ready = active && !recording && !link_.commandRunning();
  MainActions& a = window_.actions();
  a.setEnabled("RecordActn", ready);
  a.setEnabled("RunFromCurrentActn", ready);
  a.setEnabled("SamplerStartActn", ready);
  a.setEnabled("StopActn", active && recording);
  if (QAction* pause = window_.action("PauseActn")) pause->setEnabled(false);
}

void RecordingReceiver::runSynchronised(const std::function<void()>& fn) {
  if (QThread::currentThread() == thread()) {
    fn();
    return;
  }
  struct State {
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
  };
  auto state = std::make_shared<State>();
  QMetaObject::invokeMethod(
      this,
      [fn, state] {
        try {
          fn();
        } catch (...) {
        }
        {
          std::lock_guard lock(state->mutex);
          state->done = true;
        }
        state->cv.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(state->mutex);
  while (!state->cv.wait_for(lock, std::chrono::milliseconds(50), [&] { return state->done; })) {
    if (closing_) return;  // the window is going: nobody will run it
  }
}

// --- Events ---------------------------------------------------------------------

void RecordingReceiver::TavrelDevice1RecordStart() {
  clearLiveTrace();
  window_.chartView().scheduleRedraw();
  refreshStatusText();
}

void RecordingReceiver::TavrelDevice1SingleRecordStart() {
  totalSeconds_ = run_->ProgramTimeLeft();
  stageSeconds_ = run_->StageTimeLeft();
  countdown_.start();
  if (settings_.options().recordType == 0 && follow_) follow_(run_->ProgramNumber(), run_->ProgramStep());
  refreshStatusText();
}

void RecordingReceiver::TavrelDevice1DataReceived(const TRecPoints& data) {
  // Worker thread: the points are queued; the chart takes them per batch.
  bool queue = false;
  {
    std::lock_guard lock(liveMutex_);
    pending_.insert(pending_.end(), data.begin(), data.end());
    if (!flushQueued_) flushQueued_ = queue = true;
  }
  if (queue)
    QMetaObject::invokeMethod(
        this, [this] { flushLive(); }, Qt::QueuedConnection);
}

void RecordingReceiver::flushLive() {
  TRecPoints batch;
  {
    std::lock_guard lock(liveMutex_);
    batch.swap(pending_);
    flushQueued_ = false;
  }
  if (batch.empty() || !uiRecording_) return;
  CurvePlottable* series = window_.chartView().recordingSeries();
  TDataArr points;
  points.reserve(batch.size());
  bool overLimit = false;
  for (const TRecPoint& p : batch) {
    points.push_back({p.X, p.Y});
    if (active_.CurrentLimit && std::abs(p.Y) > active_.CurrentLimitMicroAmps) overLimit = true;
  }
  liveCurve_.insert(liveCurve_.end(), batch.begin(), batch.end());
  if (series) {
    // In the order measured: a cyclic sweep runs back over itself.
    series->appendPoints(points);
    series->rescaleAxes(false);
    series->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
  }
  emit livePoints(batch);
  refreshStatusText();
  if (overLimit && !limitHit_) {
    // Too much current for the cell: keep what was measured and stop the analyzer.
    limitHit_ = true;
    if (placeCurve(liveCurve_)) scheduleStore();
    clearLiveTrace();
    if (QAction* reset = window_.action("ResetActn")) reset->trigger();
  }
}

void RecordingReceiver::TavrelDevice1SingleRecordEnd() {
  clearLiveTrace();
  if (limitHit_) return;
  // The points are copied while the worker waits; the document is stored
  // after it goes on.
  if (placeCurve(run_->DataBuf())) scheduleStore();
}

TNode* RecordingReceiver::placeCurve(const TRecPoints& points) {
  if (points.size() <= 2) return nullptr;
  TRecordedCurve curve;
  curve.Step = run_->CurrentStep().Raw;
  curve.Points.reserve(points.size());
  for (const TRecPoint& p : points) curve.Points.push_back({p.X, p.Y});
  curve.LoopCount = run_->LoopCount();
  curve.LoopNumber = run_->LoopNumber();
  curve.ProgramNumber = run_->ProgramNumber();
  curve.ProgramStep = run_->ProgramStep();
  curve.ProgramStepCycle = run_->ProgramStepCycle();
  curve.NodesToCreate = run_->NodesToCreate();
  curve.ProgramsWithVAGrams = run_->ProgramsWithVAGrams();
  curve.NodesInCurrentProgram = run_->NodesInCurrentProgram();
  // The filter this voltammogram went through: the step's, applied by the run.
  placement_.FilterValue = link_.device().InputFilter();
  // Curves of the built-in emulator say so in their comments.
  placement_.Simulated = link_.emulated();
  const std::int32_t number = window_.curveCounter();
  const std::string databaseName = FolderDatabase::CurveFileName(number);
  TNode* node = placeOverride_ ? placeOverride_(curve, databaseName) : placement_.Place(curve, databaseName);
  if (!node) return nullptr;
  window_.setCurveCounter(number + 1);
  // Durable at once: the journal survives a crash before the next save.
  if (const TVAStruct* r = node->VA(); r && ownsFolder_) {
    try {
      journal_->Append(*r, node->Name);
    } catch (const std::exception& e) {
      // The backup below still runs. An unattended batch does not go on
      // with curves at risk; otherwise the user hears of the first curve of
      // the run the journal could not keep.
      const bool reported = journalFailed_;
      saveFailed_ = true;
      journalFailed_ = true;
      std::optional<Message> m;
      if (active_.StopOnJournalFailure && link_.device().Recording()) {
        run_->StopRecording();
        m = Message(msg::SamplerJournalFailed, {node->Name, e.what()});
      } else if (!reported) {
        m = Message(msg::JournalAppendFailed, {node->Name, e.what()});
      }
      if (m)
        QMetaObject::invokeMethod(
            this, [this, m = *m] { window_.messageSink().error(m); }, Qt::QueuedConnection);
    }
  }
  window_.setModified(true);
  window_.forest().SelectNode(node);
  emit curveRecorded(node);
  return node;
}

void RecordingReceiver::scheduleStore() {
  if (storeQueued_) return;
  storeQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        storeQueued_ = false;
        afterCurve();
      },
      Qt::QueuedConnection);
}

void RecordingReceiver::afterCurve() {
  // Backup or database save; its errors do not stop the run.
  if (store_) {
    try {
      store_();
    } catch (const std::exception&) {
      saveFailed_ = true;
    }
  } else if (auto* commands = window_.findChild<DocumentCommandsController*>()) {
    try {
      if (!commands->AfterCurveRecorded()) saveFailed_ = true;
    } catch (const std::exception&) {
      saveFailed_ = true;
    }
  }
  if (!window_.modified()) clearJournal();
}

void RecordingReceiver::endRunUi() {
  pendingStart_.reset();
  clearLiveTrace();
  placement_.ForgetRoot();
  countdown_.stop();
  totalSeconds_ = stageSeconds_ = 0;
  if (!uiRecording_) return;
  uiRecording_ = false;
  window_.setRecording(false);
  window_.chartView().scheduleRedraw();
  updateActions();
  refreshStatusText();
  emit runFinished();
}

void RecordingReceiver::TavrelDevice1RecordEnd() {
  QApplication::beep();
  emit recordEnded();
  endRunUi();
  // A run cut short by a lost line leaves the computer on for the operator.
  if (active_.ShutDown && !link_.device().PortWasLost()) shutDownAfterRun();
}

void RecordingReceiver::shutDownAfterRun() {
  // The last curve's store first, when it is still queued.
  if (storeQueued_) {
    storeQueued_ = false;
    afterCurve();
  }
  if (QAction* save = window_.action("SaveActn")) save->trigger();
  // The computer goes off only with every curve of the run on disk; a save
  // that failed (or was cancelled) keeps it on with the document open.
  if (saveFailed_ || window_.modified()) {
    window_.messageSink().error(Message(kShutDownCancelled));
    return;
  }
  if (powerOff_) {
    powerOff_();
    return;
  }
#ifdef Q_OS_WIN
  QProcess::startDetached(QStringLiteral("shutdown"),
                          {QStringLiteral("/s"), QStringLiteral("/f"), QStringLiteral("/t"), QStringLiteral("0")});
#else
  QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
#endif
}

void RecordingReceiver::runFailed(const Message& message) {
  // The analyzer stopped with a fault: the operator stops or resets (the
  // device still counts as recording, so "&Stop" stays available).
  countdown_.stop();
  clearLiveTrace();
  refreshStatusText();
  window_.messageSink().error(message);
}

void RecordingReceiver::TavrelDevice1StatusChange(bool force) {
  const int status = link_.device().DeviceStatus();
  if (!force && status == lastStatus_ && status != -1) return;
  lastStatus_ = status;
  stageSeconds_ = run_->StageTimeLeft();
  // The run ended without its end event (a reset or a lost link).
  if (uiRecording_ && !pendingStart_ && !link_.device().Recording() && !run_->Running()) endRunUi();
  refreshStatusText();
  updateActions();
}

void RecordingReceiver::TavrelDevice1Reset() {
  if (!link_.device().Recording()) {
    endRunUi();
  } else {
    clearLiveTrace();
    placement_.ForgetRoot();
  }
  TavrelDevice1StatusChange(true);
}

// --- Live trace, countdown and status text -------------------------------------

void RecordingReceiver::clearLiveTrace() {
  liveCurve_.clear();
  {
    std::lock_guard lock(liveMutex_);
    pending_.clear();
  }
  emit liveCleared();
  if (CurvePlottable* series = window_.chartView().recordingSeries()) {
    series->clearPoints();
    series->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
  }
}

void RecordingReceiver::tick() {
  if (totalSeconds_ > 0) --totalSeconds_;
  if (stageSeconds_ > 0) --stageSeconds_;
  if (stageSeconds_ <= 0) stageSeconds_ = std::min(run_->StageTimeLeft(), totalSeconds_);
  refreshStatusText();
  if (totalSeconds_ <= 0) countdown_.stop();
}

QString RecordingReceiver::formatSeconds(std::int64_t seconds) {
  if (seconds < 60) return QString::number(seconds);
  if (seconds < 3600) return QString::asprintf("%2d:%2d", int(seconds / 60), int(seconds % 60));
  return QString::asprintf("%d:%2d:%2d", int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
}

QString RecordingReceiver::statusText() const {
  const QString status = link_.statusText();
  if (!link_.device().Recording()) return status;
  const int deviceStatus = link_.device().DeviceStatus();
  const int stage = deviceStatus < 0 ? -1 : deviceStatus & 0x0F;
  if (stage == 2) {
    if (run_->CurrentStep().TimeMode() == 4)
      return tr("Activation (%1) %2 left").arg(formatSeconds(stageSeconds_), formatSeconds(totalSeconds_));
    return tr("%1 V=%2 (%3) %4 left")
        .arg(status, QString::number(link_.device().ActualVoltage(), 'f', 6), formatSeconds(stageSeconds_),
             formatSeconds(totalSeconds_));
  }
  if (stageSeconds_ > 0)
    return tr("%1 (%2) %3 left").arg(status, formatSeconds(stageSeconds_), formatSeconds(totalSeconds_));
  return status;
}

void RecordingReceiver::refreshStatusText() {
  if (QLabel* panel = window_.statusPanel(2)) panel->setText(statusText());
}

// --- Recovery -------------------------------------------------------------------------

int RecordingReceiver::offerRecovery() {
  int restored = 0;
  if (!ownsFolder_) {
    // The journal there is the other workstation's: it stays as it is.
    if (!recoveryChecked_)
      window_.messageSink().information(Message(msg::DataFolderInUse, {settings_.dataFolder().string()}));
    recoveryChecked_ = true;
    return 0;
  }
  try {
    if (journal_->HasEntries()) {
      const TRecoveryJournal::Contents contents = journal_->Read();
      const auto count = static_cast<int>(contents.Entries.size());
      if (count == 0) {
        journal_->Clear();
      } else if (window_.messageSink().askYesNo(Message(msg::RecoveryQuery, {std::to_string(count)})) == Answer::Yes) {
        bool fresh = true;
        if (auto* commands = window_.findChild<DocumentCommandsController*>()) {
          fresh = commands->New();
        } else {
          window_.newDocument();
        }
        if (fresh) {
          restored = TRecoveryJournal::Restore(contents, window_.forest());
          window_.setCurveCounter(window_.curveCounter() + restored);
          window_.setModified(true);
          window_.forest().SelectNode(window_.forest().FirstRoot());
          if (contents.SkippedEntries > 0)
            window_.messageSink().information(
                Message(msg::RecoveryEntriesSkipped, {std::to_string(contents.SkippedEntries)}));
          if (contents.DamagedTail) window_.messageSink().information(Message(msg::RecoveryDamaged));
        }
      } else {
        journal_->Clear();
      }
    }
  } catch (const std::exception&) {
    // A journal that is no journal is left for the user to inspect.
  }
  recoveryChecked_ = true;
  return restored;
}

}  // namespace velmora
