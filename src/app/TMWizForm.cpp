#include "TMWizForm.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "DeviceLink.h"
#include "FormatError.h"
#include "MainWindow.h"
#include "Messages.h"
#include "MethodsHost.h"
#include "RecordingReceiver.h"
#include "ResultsHost.h"
#include "Settings.h"
#include "THeaderManager.h"
#include "TMethodsLibrary.h"
#include "TNode.h"
#include "UiText.h"

namespace velmora {

namespace {

QString catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

}  // namespace

TMWizForm::TMWizForm(MainWindow& window, Settings& settings)
    : QDialog(&window),
      window_(window),
      settings_(settings),
      interp_(std::make_unique<TWizInterpreter>(*this, *this, window.messageSink())),
      replayPlacement_(std::make_unique<TRecordPlacement>(window.forest())) {
  setObjectName(QStringLiteral("MWizForm"));
  setModal(true);
  resize(980, 660);
  sampleName_ = UiText::toStd(tr("Sample"));

  auto* root = new QHBoxLayout(this);
  auto* splitter = new QSplitter(this);
  root->addWidget(splitter);

  auto* left = new QWidget(splitter);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  stagesTitle_ = new QLabel(left);
  stages_ = new QTreeWidget(left);
  stages_->setHeaderHidden(true);
  stages_->setItemsExpandable(false);
  stages_->setRootIsDecorated(false);
  stages_->setSelectionMode(QAbstractItemView::NoSelection);
  stages_->setFocusPolicy(Qt::NoFocus);
  leftLayout->addWidget(stagesTitle_);
  leftLayout->addWidget(stages_);

  auto* right = new QWidget(splitter);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  simulationNote_ = new QLabel(right);
  simulationNote_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  simulationNote_->hide();
  rightLayout->addWidget(simulationNote_);
  pages_ = new QStackedWidget(right);
  pages_->addWidget(buildWelcomePage());
  pages_->addWidget(buildCellPage());
  pages_->addWidget(buildProgramPage());
  pages_->addWidget(buildRecordingPage());
  pages_->addWidget(buildChartPage());
  pages_->addWidget(buildReportPage());
  rightLayout->addWidget(pages_, 1);

  auto* buttons = new QHBoxLayout;
  help_ = new QPushButton(right);
  back_ = new QPushButton(right);
  next_ = new QPushButton(right);
  next_->setDefault(true);
  buttons->addWidget(help_);
  buttons->addStretch(1);
  buttons->addWidget(back_);
  buttons->addWidget(next_);
  rightLayout->addLayout(buttons);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 750});

  connect(next_, &QPushButton::clicked, this, [this] { NextClick(); });
  connect(back_, &QPushButton::clicked, this, [this] { BackClick(); });
  connect(help_, &QPushButton::clicked, this, [this] {
    // The F1 handler of the help reads the window's context.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
  });

  replayTimer_.setInterval(100);
  connect(&replayTimer_, &QTimer::timeout, this, [this] { replayTick(); });

  interp_->SetAskMethodChange(&askMethodChange_);
  interp_->SetMethodsLibrary(&window.methods().library());
  wizPlacement_ = std::make_unique<TWizPlacement>(window.forest(), window.recordingReceiver().placement());
  wizPlacement_->RepeatCaption = [](int n) { return UiText::toStd(tr("Repeat %1").arg(n)); };
  wireRecording();
  retranslateUi();
  ShowWelcome();
}

TMWizForm::~TMWizForm() = default;

void TMWizForm::prepare() {
  closing_ = false;
  askMethodChange_ = settings_.options().askMethodChange;
  interp_->SetLanguageId(languageId());
  fillMethods();
  if (interp_->Settings().ProgramCounter < 0 || interp_->Finished()) ShowWelcome();
}

// The language in force: LocaleID 0 (the user's default) would read no
// stage name and only the English titles.
std::int32_t TMWizForm::languageId() const { return window_.methods().languageId(); }

int TMWizForm::currentPage() const { return pages_->currentIndex(); }

void TMWizForm::setSampleName(const std::string& name) {
  if (name == sampleName_) return;
  sampleName_ = name;
  interp_->EditSettings([](TWizRunSettings&) {});
}

// --- Welcome page: the methods -------------------------------------------------------

void TMWizForm::fillMethods() {
  const std::int32_t language = languageId();
  const TMethodsLibrary& library = window_.methods().library();
  const int previous = methodsList_->currentRow();
  methodsList_->clear();
  listed_.clear();
  for (std::size_t i = 0; i < library.Methods().size(); ++i) {
    const TMethod& m = library.Methods()[i];
    if (m.Script.empty()) continue;
    listed_.push_back(i);
    methodsList_->addItem(UiText::fromStd(m.Caption(language)));
  }
  if (previous >= 0 && previous < methodsList_->count()) methodsList_->setCurrentRow(previous);
  updateButtons();
}

void TMWizForm::selectMethod(int row) {
  methodsList_->setCurrentRow(row);
  updateButtons();
}

void TMWizForm::DeleteMethodClick() {
  const int row = methodsList_->currentRow();
  if (row < 0 || row >= static_cast<int>(listed_.size())) return;
  TMethodsLibrary& library = window_.methods().library();
  const TMethod& method = library.Methods()[listed_[static_cast<std::size_t>(row)]];
  const std::filesystem::path file(method.FileName);
  if (file.parent_path() != library.RecordFolder()) return;
  if (window_.messageSink().askYesNo(Message(msg::RemoveSelectedQuery)) != Answer::Yes) return;
  try {
    THeaderManager folder(library.RecordFolder());
    folder.Delete(file.string());
  } catch (const EFormatError& e) {
    window_.messageSink().error(e.message());
    return;
  }
  window_.methods().load();
  fillMethods();
}

// --- Navigation ------------------------------------------------------------------------

bool TMWizForm::recordingRuns() const {
  return window_.recording() || window_.deviceLink().device().Recording() || wizardRecording_;
}

bool TMWizForm::nextEnabled() const {
  if (methodsList_->currentRow() < 0 && interp_->Settings().ProgramCounter < 0) return false;
  const TWizRunSettings& s = interp_->Settings();
  const bool device = s.Simulation || window_.deviceLink().active() || s.ProgramCounter <= 0;
  const bool idle = s.Simulation ? !replayTimer_.isActive() : !recordingRuns();
  return device && idle;
}

bool TMWizForm::backEnabled() const {
  const TWizRunSettings& s = interp_->Settings();
  if (s.ProgramCounter < 0) return false;
  switch (currentPage()) {
    case kProgramInput:
      if (!s.CycleEntered) return true;
      if (s.CycleCounter == -1) return interp_->CanSkipControlPass();
      return interp_->CanStepBack();
    case kRecordingStatus:
      return true;
    case kChart:
      return true;
    case kReport:
      return s.CycleEntered;
    default:
      return true;
  }
}

QString TMWizForm::backCaption() const {
  const TWizRunSettings& s = interp_->Settings();
  switch (currentPage()) {
    case kProgramInput:
      return s.CycleEntered && s.CycleCounter == -1 ? tr("Skip") : tr("Back");
    case kRecordingStatus:
      if (QAction* stop = window_.action("StopActn")) return stop->text();
      return tr("&Stop");
    case kChart:
      return s.CycleEntered ? tr("Repeat") : tr("Back");
    default:
      return tr("Back");
  }
}

void TMWizForm::NextClick() {
  if (!nextEnabled()) return;
  if (interp_->Settings().ProgramCounter < 0) {
    const int row = methodsList_->currentRow();
    if (row < 0 || row >= static_cast<int>(listed_.size())) return;
    window_.recordingReceiver().placement().ForgetRoot();
    wizPlacement_->ForgetRun();
    const TMethod& method = window_.methods().library().Methods()[listed_[static_cast<std::size_t>(row)]];
    sampleName_ = UiText::toStd(tr("Sample"));
    // The stage tree is built before the script runs: the first wait marks it.
    TMethod copy = method;
    stages_->clear();
    interp_->Start(copy);
    buildStageTree();
    MarkStage(interp_->CurrentStage());
  } else {
    interp_->Next();
  }
  updateButtons();
}

void TMWizForm::BackClick() {
  if (!backEnabled()) return;
  const TWizRunSettings& s = interp_->Settings();
  switch (currentPage()) {
    case kProgramInput:
      if (!s.CycleEntered) {
        interp_->BackToPreviousWait();
      } else if (s.CycleCounter == -1) {
        interp_->SkipControlPass();
      } else {
        interp_->StepBack();
      }
      break;
    case kRecordingStatus:
      if (s.Simulation) {
        replayTimer_.stop();
        interp_->RecordingInterrupted();
      } else if (QAction* stop = window_.action("StopActn")) {
        stop->trigger();
      }
      break;
    case kChart:
      if (s.CycleEntered) {
        interp_->RepeatPass();
      } else {
        interp_->BackToPreviousWait();
      }
      break;
    case kReport:
      interp_->BackFromReport();
      break;
    default:
      interp_->BackToPreviousWait();
      break;
  }
  updateButtons();
}

void TMWizForm::updateButtons() {
  next_->setEnabled(nextEnabled());
  back_->setVisible(currentPage() != kWelcome);
  back_->setEnabled(backEnabled());
  back_->setText(backCaption());
  const TWizRunSettings& s = interp_->Settings();
  simulationNote_->setVisible(s.Simulation && s.ProgramCounter >= 0);
  // "Delete" only for the methods saved from the wizard.
  bool saved = false;
  const int row = methodsList_->currentRow();
  if (row >= 0 && row < static_cast<int>(listed_.size())) {
    const TMethodsLibrary& library = window_.methods().library();
    saved = std::filesystem::path(library.Methods()[listed_[static_cast<std::size_t>(row)]].FileName).parent_path() ==
            library.RecordFolder();
  }
  delete_->setVisible(saved);
}

// --- IWizardPages ----------------------------------------------------------------------

void TMWizForm::ShowPage(int page) {
  if (page < 0 || page >= pages_->count()) return;
  if (page != kReport) borrowReportPage(false);
  if (page != kChart && calcChart_->isChecked()) calcChart_->setChecked(false);
  pages_->setCurrentIndex(page);
  setProperty("helpContext", page + kHelpContextBase);
  switch (page) {
    case kCellAssembly:
      showCellPage();
      break;
    case kProgramInput:
      showProgramPage();
      break;
    case kRecordingStatus:
      showRecordingPage();
      break;
    case kChart:
      showChartPage();
      break;
    case kReport:
      showReportPage();
      break;
    default:
      break;
  }
  updateButtons();
}

void TMWizForm::ShowWelcome() {
  replayTimer_.stop();
  wizardRecording_ = false;
  interp_->Reset();
  wizPlacement_->ForgetRun();
  stages_->clear();
  borrowReportPage(false);
  pages_->setCurrentIndex(kWelcome);
  setProperty("helpContext", kWelcome + kHelpContextBase);
  control_->setChecked(true);
  updateButtons();
}

bool TMWizForm::RecordControlSolutionChecked() { return !control_->isVisible() || control_->isChecked(); }

void TMWizForm::ProgramsChanged() {
  if (currentPage() == kProgramInput) fillPropertyTable();
}

void TMWizForm::buildStageTree() {
  stages_->clear();
  const std::int32_t language = languageId();
  const std::vector<TWizStage> tree = TWizInterpreter::StageTree(interp_->Script());
  std::vector<QTreeWidgetItem*> items;
  for (const TWizStage& stage : tree) {
    const ValueRecord& command = interp_->Script()[stage.Command];
    std::string name = command.NameFor(language);
    QString text = name.empty() ? catalogue(msg::StepNewStage) : UiText::fromStd(name);
    QTreeWidgetItem* parent = stage.Parent >= 0 ? items[static_cast<std::size_t>(stage.Parent)] : nullptr;
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(stages_, {text});
    items.push_back(item);
  }
  stages_->expandAll();
}

void TMWizForm::MarkStage(int stage) {
  int n = 0;
  for (QTreeWidgetItemIterator it(stages_); *it; ++it, ++n) {
    QFont font = (*it)->font(0);
    font.setBold(n == stage);
    (*it)->setFont(0, font);
    (*it)->setIcon(0, n == stage ? style()->standardIcon(QStyle::SP_ArrowRight) : QIcon());
  }
}

void TMWizForm::ForgetMeasurementNode() { wizPlacement_->ForgetMeasurementNode(); }

void TMWizForm::RefreshMeasurementNode() {
  if (TNode* node = wizPlacement_->MeasurementNode()) {
    if (node->InForest()) node->Repaint(true);
  }
}

void TMWizForm::RepeatPageShow() { ShowPage(currentPage()); }

std::optional<std::string> TMWizForm::AskMethodName(const std::string& proposal) {
  bool ok = false;
  const QString name = QInputDialog::getText(this, tr("Information"), tr("Enter the name, please..."),
                                             QLineEdit::Normal, UiText::fromStd(proposal), &ok);
  if (!ok || name.trimmed().isEmpty()) return std::nullopt;
  return UiText::toStd(name.trimmed());
}

void TMWizForm::MethodSaved(const std::string&) {
  window_.methods().load();
  fillMethods();
}

void TMWizForm::ScriptFinished() {
  if (closing_) return;
  closing_ = true;
  replayTimer_.stop();
  wizPlacement_->ForgetRun();
  // The run's results go into the archive (when the settings say so).
  window_.results().finishWizardRun();
  // Closes the dialog once the current call (a button's click) has returned.
  QMetaObject::invokeMethod(
      this, [this] { QDialog::accept(); }, Qt::QueuedConnection);
}

void TMWizForm::closeEvent(QCloseEvent* event) {
  if (recordingRuns() && !interp_->Settings().Simulation) {
    event->ignore();
    return;
  }
  replayTimer_.stop();
  QDialog::closeEvent(event);
}

void TMWizForm::hideEvent(QHideEvent* event) {
  // The calculation window gets its report page and chart back.
  borrowReportPage(false);
  if (calcChart_->isChecked()) calcChart_->setChecked(false);
  QDialog::hideEvent(event);
}

void TMWizForm::reject() {
  // Escape does not leave a running recording behind.
  if (recordingRuns() && !interp_->Settings().Simulation) return;
  replayTimer_.stop();
  wizardRecording_ = false;
  QDialog::reject();
}

void TMWizForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QDialog::changeEvent(event);
}

}  // namespace velmora
