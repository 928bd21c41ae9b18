#include "SamplerHost.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <array>
#include <memory>

#include "DeviceLink.h"
#include "LanguageInForce.h"
#include "MainWindow.h"
#include "Messages.h"
#include "MethodsHost.h"
#include "RecordFormWidgets.h"
#include "RecordParametersHost.h"
#include "RecordingReceiver.h"
#include "Settings.h"
#include "TAutoSampler.h"
#include "TMethod.h"
#include "TMethodsLibrary.h"
#include "TOldStyleRecordForm.h"
#include "TSamplerForm.h"
#include "TTavrelDevice.h"

namespace velmora {

SamplerHost::SamplerHost(MainWindow& window, Settings& settings) : QObject(&window), window_(window) {
  DeviceLink& link = window.deviceLink();
  form_ = new TSamplerForm(link, &window);
  // The methods by their texts in the language in force (names, service
  // cells, and so the comments and captions of the batch's steps).
  form_->setMethodSource([this, &settings] {
    const std::int32_t id = LanguageInForce::id(settings.options().localeId);
    return LibraryMethods(window_.methods().library().LibraryFolderPath(), settings.dataFolder(),
                          id != 0 ? id : kLanguageEnglish);
  });
  form_->setActions(window.action("SamplerStartActn"), window.action("ResetActn"), window.action("StopActn"),
                    window.action("RecordActn"));
  form_->setProgramEditor([this](const TVAProgramsArray& set) { return editPrograms(set); });

  MainActions& a = window.actions();
  for (const char* name :
       {"AutosamplerActn", "SamplerStartActn", "SamplerPositionActn", "SamplerZondDownActn", "SamplerZondUpActn"})
    a.adopt(name);
  connect(window.action("AutosamplerActn"), &QAction::triggered, this, [this] { showForm(); });
  connect(window.action("SamplerStartActn"), &QAction::triggered, this, [this] { startBatch(); });
  // The tray and the electrode take seconds: they move on the link's worker
  // while the window answers and the status bar says what is going on.
  auto command = [this](const Message& status, std::function<void(TTavrelDevice&)> fn) {
    DeviceLink& deviceLink = window_.deviceLink();
    const TTavrelDevice& d = deviceLink.device();
    if (!d.AutoSamplerEnabled() || d.Recording()) return;
    deviceLink.runCommand(status, std::move(fn));
  };
  connect(window.action("SamplerPositionActn"), &QAction::triggered, this, [this, command] {
    // The cell chosen in the record-parameters editor's autosampler list.
    const int cell = window_.recordParameters().form().widgets().samplerCellList->currentIndex() + 1;
    command(Message(msg::SamplerMovingTo, {std::to_string(cell)}), [cell](TTavrelDevice& d) { d.SamplerMoveTo(cell); });
  });
  connect(window.action("SamplerZondDownActn"), &QAction::triggered, this,
          [command] { command(Message(msg::SamplerLowering), [](TTavrelDevice& d) { d.SetElectrodeDown(true); }); });
  connect(window.action("SamplerZondUpActn"), &QAction::triggered, this,
          [command] { command(Message(msg::SamplerRaising), [](TTavrelDevice& d) { d.SetElectrodeDown(false); }); });
  connect(&link, &DeviceLink::commandChanged, this, [this] {
    const QString status = window_.recordingReceiver().statusText();
    if (QLabel* panel = window_.statusPanel(2)) panel->setText(status);
    form_->setStatusText(status);
    updateActions();
  });

  connect(&link, &DeviceLink::samplerPositionChanged, this, [this](int position) { onPosition(position); });
  for (auto signal : {&DeviceLink::statusChanged, &DeviceLink::resetDone})
    connect(&link, signal, this, [this] {
      updateActions();
      updateProgress();
    });
  connect(&link, &DeviceLink::connectedChanged, this, [this] { updateActions(); });
  connect(&window.recordingReceiver(), &RecordingReceiver::runFinished, this, [this] { batchEnded(); });
  // "Loops count" sets the run's loop count, also while the batch runs.
  connect(form_, &TSamplerForm::loopsCountChanged, this, [this](int count) {
    window_.recordingReceiver().run().SetLoopCount(count);
    updateProgress();
  });
  // The status text of the run, as the status bar shows it.
  statusTimer_.setInterval(500);
  connect(&statusTimer_, &QTimer::timeout, this,
          [this] { form_->setStatusText(window_.recordingReceiver().statusText()); });
  updateActions();
}

SamplerHost::~SamplerHost() = default;

SamplerMethod SamplerHost::FromMethod(const TMethod& method, std::int32_t languageId) {
  SamplerMethod s;
  s.Name = method.Caption(languageId);
  s.CalcMethod = method.CalcMethod;
  s.SupportingElectrolyte = method.SupportingElectrolyte;
  s.Programs = method.Programs;
  const TLocalizedMethod* texts = method.DisplayLocalization(languageId);
  for (std::size_t i = 0; i < method.Cells.size(); ++i) {
    const TMethodCell& c = method.Cells[i];
    SamplerMethodCell cell{c.CellNumber, c.SamplerPosition, c.CellKind, {}};
    if (texts && i < texts->CellDescriptions.size()) cell.Description = texts->CellDescriptions[i];
    // A service cell without a description is the method's own: no other
    // method shares it by chance.
    if (cell.Description.empty()) cell.Description = s.Name + ": " + std::to_string(c.CellNumber);
    s.Cells.push_back(std::move(cell));
  }
  return s;
}

std::vector<SamplerMethod> SamplerHost::LibraryMethods(const std::filesystem::path& libraryFolder,
                                                       const std::filesystem::path& dataFolder,
                                                       std::int32_t languageId) {
  TMethodsLibrary library(libraryFolder, dataFolder);
  // Methods that cannot be read were named when the library was loaded at start-up.
  library.Load();
  std::vector<SamplerMethod> out;
  for (const TMethod& m : library.Methods())
    if (m.UsesSampler()) out.push_back(FromMethod(m, languageId));
  return out;
}

void SamplerHost::setMethodSource(std::function<std::vector<SamplerMethod>()> source) {
  form_->setMethodSource(std::move(source));
}

void SamplerHost::showForm() {
  window_.recordParameters().form().hide();
  form_->setStatusText(window_.recordingReceiver().statusText());
  form_->setPosition(window_.deviceLink().device().CellNumber());
  if (!batchRunning_) form_->setLoopsCount(window_.recordingReceiver().run().LoopCount());
  form_->exec();
}

void SamplerHost::startBatch() {
  TTavrelDevice& d = window_.deviceLink().device();
  if (!d.AutoSamplerEnabled()) {
    window_.messageSink().error(Message(msg::SamplerNotFound));
    return;
  }
  RecordingProgramSource source;
  source.Programs = form_->programs();
  source.LoopCount = form_->loopsCount();
  source.StopOnJournalFailure = true;
  // The unattended case the box exists for: the computer goes off after the
  // batch once everything it recorded is saved.
  source.ShutDown = window_.recordParameters().form().ShutDown();
  // The captions as the run starts: the worker reads them on its own thread.
  auto captions = std::make_shared<std::array<std::string, SamplerTray::CellCount>>();
  for (int i = 0; i < SamplerTray::CellCount; ++i)
    (*captions)[static_cast<std::size_t>(i)] = form_->tray().CaptionOf(i + 1);
  source.CellCaption = [captions](int cell) {
    return cell >= 1 && cell <= SamplerTray::CellCount ? (*captions)[static_cast<std::size_t>(cell - 1)]
                                                       : std::string();
  };
  if (source.Programs.empty()) return;
  window_.recordingReceiver().startWith(source);
  if (!window_.recordingReceiver().run().Running()) return;
  batchRunning_ = true;
  form_->setRecording(true);
  form_->setProgress(0, 1);
  updateProgress();
  updateActions();
  statusTimer_.start();
}

void SamplerHost::batchEnded() {
  statusTimer_.stop();
  form_->setStatusText(window_.recordingReceiver().statusText());
  if (batchRunning_) {
    updateProgress();
    batchRunning_ = false;
    form_->setRecording(false);
  }
  updateActions();
}

void SamplerHost::onPosition(int position) {
  TTavrelDevice& d = window_.deviceLink().device();
  if (QLabel* panel = window_.statusPanel(1))
    panel->setText(d.AutoSamplerEnabled() ? tr("Cell: %1").arg(d.CellNumber() + 1) : QString());
  form_->setPosition(position);
  if (QComboBox* list = window_.recordParameters().form().widgets().samplerCellList) {
    const QSignalBlocker block(list);
    if (position >= 0 && position < list->count()) list->setCurrentIndex(position);
  }
  updateProgress();
}

void SamplerHost::updateProgress() {
  if (!batchRunning_) return;
  TAcquisitionRun& run = window_.recordingReceiver().run();
  const TVAProgramsArray set = run.VAProgram();
  const auto steps = static_cast<int>(set.StepCount());
  // The step in progress over the whole batch, loops included.
  int done = run.LoopNumber() * steps;
  for (int p = 0; p < run.ProgramNumber() && p < static_cast<int>(set.size()); ++p)
    done += static_cast<int>(set[static_cast<std::size_t>(p)].size());
  done += run.ProgramStep();
  // A batch that recorded all its voltammograms is done.
  if (!run.Recording() && run.VAgrammsRecorded() >= run.VAgrammsCount()) done = steps * run.LoopCount();
  form_->setProgress(done, steps * run.LoopCount());
}

void SamplerHost::updateActions() {
  const TTavrelDevice& d = window_.deviceLink().device();
  const bool sampler = d.AutoSamplerEnabled() && d.Active() && !d.Recording() && !batchRunning_ &&
                       !window_.deviceLink().commandRunning();
  MainActions& a = window_.actions();
  for (const char* name : {"SamplerPositionActn", "SamplerZondDownActn", "SamplerZondUpActn"})
    a.setEnabled(name, sampler);
  if (!d.AutoSamplerEnabled())
    if (QLabel* panel = window_.statusPanel(1)) panel->clear();
  form_->updateControls();
}

std::optional<TVAProgramsArray> SamplerHost::editPrograms(const TVAProgramsArray& programs) {
  // The record-parameters editor edits the batch's set modally, with its
  // tool bar off (only "Run" records a batch); its own set, method, title
  // and compact view come back afterwards, and "VAProgram.sve" keeps them.
  TOldStyleRecordForm& editor = window_.recordParameters().form();
  TOldStyleRecordForm::ModalEdit how;
  how.toolBar = false;
  TVAProgramsArray edited = editor.EditProgramsModally(programs, how);
  editor.SaveProgramSet();
  return edited;
}

}  // namespace velmora
