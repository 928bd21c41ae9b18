#include "StartPanelHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DeviceLink.h"
#include "IDocumentCommands.h"
#include "LanguageChangeWatch.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Messages.h"
#include "OptionsDeviceHost.h"
#include "ProgramFiles.h"
#include "SerialPortFactory.h"
#include "Settings.h"
#include "TDocumentCommands.h"
#include "TImagePreviewBox.h"
#include "TNodeForest.h"
#include "TTavrelDevice.h"
#include "UiText.h"
#include "VelmoraVersion.h"

namespace velmora {

namespace {

constexpr const char* kFirstRecordingProgram = "programs/standard-additions-Zn-Cd-Pb-Cu.vap";
constexpr std::int32_t kSampleMeasurement = 1;  // "Sample" among the measurement types

// Titles of the shipped examples; other documents show their file name.
struct KnownExample {
  const char* file;
  const char* title;
  const char* description;
};
constexpr KnownExample kKnownExamples[] = {
    {"standard-additions-Zn-Cd-Pb-Cu.tvx", QT_TRANSLATE_NOOP("StartPanelHost", "Standard additions: Zn, Cd, Pb, Cu"),
     QT_TRANSLATE_NOOP("StartPanelHost", "Background, sample, two additions; simulated by the emulator")},
    {"standard-additions-Zn-Cd-Pb-Cu-peaks.tvx", QT_TRANSLATE_NOOP("StartPanelHost", "Standard additions with peaks"),
     QT_TRANSLATE_NOOP("StartPanelHost", "The same simulated run, its peaks found and named")},
};

}  // namespace

StartPanelHost::StartPanelHost(MainWindow& window, Settings& settings, IDocumentCommands& commands)
    : QObject(&window), window_(window), settings_(settings), commands_(commands) {
  panel_ = new StartPanel;
  window_.chartView().setStartPanel(panel_);
  connect(panel_, &StartPanel::shown, this, &StartPanelHost::refresh);
  // The examples' titles and descriptions are texts of the language.
  new LanguageChangeWatch(panel_, [this] { refresh(); });
  connect(panel_, &StartPanel::openRequested, this, [this] {
    if (QAction* open = window_.action("OpenActn"); open && open->isEnabled()) open->trigger();
  });
  connect(panel_, &StartPanel::recentRequested, this, &StartPanelHost::openRecent);
  connect(panel_, &StartPanel::exampleRequested, this, &StartPanelHost::openExample);
  connect(panel_, &StartPanel::firstRecordingRequested, this, &StartPanelHost::recordFirstVoltammogram);
  connect(panel_, &StartPanel::wizardRequested, this, [this] {
    if (QAction* wizard = window_.action("ShowWizActn"); wizard && wizard->isEnabled()) wizard->trigger();
  });
  // Nodes come and go (open, import, recording, undo): the chart area
  // chooses between the panel, the hint and the chart again.
  connect(&window_.tree(), &TImagePreviewBox::treeChanged, &window_.chartView(), &MainChartView::scheduleRedraw);
  connect(&window_.tree(), &TImagePreviewBox::paintingChanged, &window_.chartView(), [this](bool on) {
    if (on) window_.chartView().scheduleRedraw();
  });
  connect(&window_.recordingReceiver(), &RecordingReceiver::runFinished, this, &StartPanelHost::refresh);
  refresh();
}

void StartPanelHost::refresh() {
  QStringList recent;
  const auto files = settings_.recentFiles();  // oldest first
  for (auto it = files.rbegin(); it != files.rend(); ++it) recent << UiText::fromStd(*it);
  panel_->setRecentFiles(recent);
  panel_->setExamples(examplesIn(examplesFolder()));
  panel_->setRecordingAvailable(!window_.recording());
}

QString StartPanelHost::examplesFolder() {
  QStringList candidates;
  const QString fromEnvironment = qEnvironmentVariable("VELMORA_EXAMPLES_DIR");
  if (!fromEnvironment.isEmpty()) candidates << fromEnvironment;
  candidates << QDir(QCoreApplication::applicationDirPath())
                    .filePath(QString::fromLatin1(build::kDataFolderFromPrograms) + QStringLiteral("/examples"));
  candidates << QString::fromUtf8(build::kSourceExamplesFolder);
  for (const QString& c : std::as_const(candidates))
    if (QFileInfo(c).isDir()) return QDir(c).absolutePath();
  return {};
}

QList<StartPanel::Example> StartPanelHost::examplesIn(const QString& folder) {
  QList<StartPanel::Example> out;
  if (folder.isEmpty()) return out;
  const QDir dir(folder);
  // The known examples first, in their order, then any other document.
  QStringList files = dir.entryList({QStringLiteral("*.tvx")}, QDir::Files, QDir::Name);
  for (const KnownExample& known : kKnownExamples) {
    const QString name = QString::fromLatin1(known.file);
    if (!files.removeOne(name)) continue;
    out.push_back({QCoreApplication::translate("StartPanelHost", known.title), dir.filePath(name),
                   QCoreApplication::translate("StartPanelHost", known.description)});
  }
  for (const QString& name : std::as_const(files))
    out.push_back({QFileInfo(name).completeBaseName(), dir.filePath(name), QString()});
  return out;
}

std::optional<RecordingProgramSource> StartPanelHost::firstRecordingProgram(const QString& examplesFolder,
                                                                            std::string& problem) {
  const QString file = QDir(examplesFolder).filePath(QString::fromLatin1(kFirstRecordingProgram));
  try {
    const auto set = ProgramFiles::ReadProgramSet(std::filesystem::path(UiText::toStd(file)));
    if (!set) {
      problem = "not found";
      return std::nullopt;
    }
    for (const TSingleProgramArray& program : set->Programs) {
      for (const ProgramStep& step : program) {
        if (step.MeasurementType() != kSampleMeasurement) continue;
        RecordingProgramSource source;
        source.Programs = TVAProgramsArray{TSingleProgramArray{step}};
        return source;
      }
    }
    problem = "no sample step";
  } catch (const std::exception& e) {
    problem = e.what();
  }
  return std::nullopt;
}

void StartPanelHost::openRecent(const QString& file) {
  // A file that is gone or no document is refused before the open
  // document goes.
  if (const auto problem = TDocumentCommands::OpenProblem(UiText::toStd(file))) {
    window_.messageSink().error(*problem);
    return;
  }
  // As "&Recent files": the open document first asks to be saved.
  if (!commands_.OpenDocument(file)) return;
  window_.chartView().scheduleRedraw();
}

void StartPanelHost::openExample(const QString& file) {
  // The user works on a copy in the data folder: saving never writes into
  // the installation (or the source tree), and an edited copy is kept.
  const QString folder = UiText::fromStd((settings_.dataFolder() / "Examples").string());
  const QString copy = QDir(folder).filePath(QFileInfo(file).fileName());
  if (!QFileInfo::exists(copy) && (!QDir().mkpath(folder) || !QFile::copy(file, copy))) {
    window_.messageSink().error(Message(msg::ExampleCopyFailed, {UiText::toStd(file), UiText::toStd(folder)}));
    return;
  }
  if (!commands_.OpenDocument(copy)) return;
  // The first group is shown at once.
  TNodeForest& forest = window_.forest();
  if (forest.FirstRoot() != nullptr) forest.SelectNode(forest.FirstRoot());
  window_.chartView().scheduleRedraw();
}

void StartPanelHost::recordFirstVoltammogram() {
  if (window_.recording()) return;
  Options& options = settings_.options();
  DeviceLink& link = window_.deviceLink();
  if (!SerialPortFactory::isEmulatorName(options.portName) || !link.emulated()) {
    // The user agrees to simulated data and to the changed port setting.
    if (window_.messageSink().askYesNo(Message(msg::FirstRecordingQuery, {options.portName})) != Answer::Yes) return;
    OptionsDeviceHost ports(link, options, window_.action("ResetActn"));
    if (!ports.switchPort(SerialPortFactory::EmulatorName)) return;
  }
  if (link.active()) {
    startFirstRecording();
    return;
  }
  // The emulated analyzer comes on line through the reset handshake first
  // (a second request meanwhile finds the run started and stays out).
  OptionsDeviceHost ports(link, options, window_.action("ResetActn"));
  ports.resetDevice([this] {
    if (window_.deviceLink().active()) startFirstRecording();
  });
}

void StartPanelHost::startFirstRecording() {
  std::string problem;
  const QString folder = examplesFolder();
  auto source = firstRecordingProgram(folder, problem);
  if (!source) {
    const QString file = QDir(folder).filePath(QString::fromLatin1(kFirstRecordingProgram));
    window_.messageSink().error(Message(msg::FirstRecordingProgramMissing, {UiText::toStd(file), problem}));
    return;
  }
  window_.recordingReceiver().startWith(std::move(*source));
}

}  // namespace velmora
