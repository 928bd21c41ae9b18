#include "TOldStyleRecordForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>

#include "CustomMethods.h"
#include "DeviceLink.h"
#include "EDeviceError.h"
#include "FormatError.h"
#include "IFileDialogs.h"
#include "LanguageInForce.h"
#include "Messages.h"
#include "MethodFile.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "ProgramSetStore.h"
#include "RecordDeviceActions.h"
#include "RecordFormWidgets.h"
#include "Settings.h"
#include "TPar_Tbl.h"
#include "TTavrelDevice.h"
#include "UiText.h"

namespace velmora {

namespace {

QString number(const std::string& text) { return QString::fromStdString(text); }
std::string text(const QLineEdit* e) { return e->text().trimmed().toStdString(); }
QString catalogue(const char* t) { return t ? UiText::message(Message(t)) : QString(); }
void setRows(const QList<QWidget*>& row, bool visible) {
  for (QWidget* w : row) w->setVisible(visible);
}

}  // namespace

TOldStyleRecordForm::TOldStyleRecordForm(DeviceLink& link, Settings& settings, IFileDialogs& dialogs,
                                         IMessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      link_(&link),
      settings_(settings),
      dialogs_(dialogs),
      sink_(sink),
      ui_(std::make_unique<RecordFormWidgets>(this)),
      device_(std::make_unique<RecordDeviceActions>(link.device())) {
  setObjectName(QStringLiteral("OldStyleRecordForm"));
  table_ = new TPar_Tbl(this);
  connect(table_, &TPar_Tbl::stepChosen, this, [this](int program, int step) { SelectStep(program, step); });

  // The settings of the last session; before there were any, the program
  // set that earlier versions kept.
  TMethod last;
  if (!settings_.dataFolder().empty() && MethodFile::ReadSettings(settings_.dataFolder(), last) &&
      !last.Programs.empty()) {
    method_ = std::move(last);
    model_.SetPrograms(method_.Programs, 0);
    model_.FromMethod = !method_.CustomPrograms;
    if (model_.FromMethod) model_.CompactView = method_.HideUnused;
  } else {
    const ProgramFiles::ProgramSet stored = ProgramSetStore::Load(settings_.dataFolder());
    model_.SetPrograms(stored.Programs, stored.Current);
  }

  connectControls();
  connect(&link, &DeviceLink::resetDone, this, [this] {
    StoreStep();
    readDevice();
    ShowStep(false);
  });
  connect(&link, &DeviceLink::statusChanged, this, [this] { refreshDevice(); });
  connect(&link, &DeviceLink::commandChanged, this, [this] { refreshDevice(); });
  connect(&link, &DeviceLink::connectedChanged, this, [this] { refreshDevice(); });
  readDevice();
  retranslateUi();
  ShowStep(false);
  refreshDevice();
  adjustSize();
}

TOldStyleRecordForm::~TOldStyleRecordForm() {
  // The set survives the session; errors at exit are ignored.
  StoreStep();
  SaveProgramSet();
}

// --- interface ----------------------------------------------------------------------

void TOldStyleRecordForm::SelectStep(int program, int step) {
  if (selecting_) return;
  selecting_ = true;
  StoreStep();
  model_.Select(program, step);
  ShowStep();
  selecting_ = false;
}

TVAProgramsArray TOldStyleRecordForm::GetPrograms() {
  StoreStep();
  SaveProgramSet();
  return model_.Programs();
}

void TOldStyleRecordForm::SetPrograms(const TVAProgramsArray& programs) {
  model_.SetPrograms(programs, 0);
  ShowStep();
  refreshTable();
}

void TOldStyleRecordForm::StoreStep() {
  if (model_.CurrentProgram() < 0 || model_.CurrentStep() < 0) return;
  const StepForm form = readForm();
  model_.ReplaceCurrent(form.ToStep(model_.Current(), shown_, environment()));
  shown_ = form;
}

void TOldStyleRecordForm::setInputFilter(int value) {
  if (ui_->filterSpin->value() == value) return;
  const QSignalBlocker block(ui_->filterSpin);
  ui_->filterSpin->setValue(value);
}

void TOldStyleRecordForm::ShowStep(bool followFilter) {
  const ProgramStep& step = model_.Current();
  StepForm form = StepForm::FromStep(step, environment());
  writeForm(form);
  shown_ = readForm();  // as the controls hold it (lists clamp unknown indices)
  // The shared filter setting follows the step shown.
  if (followFilter && settings_.options().filter != step.FilterValue()) {
    settings_.options().filter = step.FilterValue();
    emit inputFilterChanged(step.FilterValue());
  }
  {
    const QSignalBlocker block(ui_->currentLimit);
    ui_->currentLimit->setText(QString::fromStdString(NumberFormat::Exact(settings_.options().maxCurrent)));
  }
  updateNavigation();
  applyLayout();
}

void TOldStyleRecordForm::SetMethodEditMode(bool on) {
  StoreStep();
  model_.MethodEditMode = on;
  ShowStep();
}

void TOldStyleRecordForm::SetCompactView(bool on) {
  model_.CompactView = on;
  applyLayout();
}

int TOldStyleRecordForm::LoopsCount() const { return ui_->loopsCount->value(); }
bool TOldStyleRecordForm::CurrentRestriction() const { return ui_->currentRestriction->isChecked(); }
double TOldStyleRecordForm::MaxCurrent() const { return settings_.options().maxCurrent; }
bool TOldStyleRecordForm::ShutDown() const { return ui_->shutDown->isChecked(); }
bool TOldStyleRecordForm::CurrentControl() const { return ui_->currentControl->isChecked(); }

bool TOldStyleRecordForm::SaveProgramSet() {
  if (settings_.dataFolder().empty() || modalEdit_) return false;
  return MethodFile::WriteSettings(settings_.dataFolder(), StoredMethod(), CustomMethods::List());
}

// --- method ------------------------------------------------------------------------------

std::int32_t TOldStyleRecordForm::languageId() const { return LanguageInForce::id(settings_.options().localeId); }

void TOldStyleRecordForm::LoadMethod(const TMethod& method) {
  StoreStep();
  method_ = method;
  TVAProgramsArray programs = method.Programs;
  if (programs.size() == 1 && programs[0].size() == 1) {
    if (const TLocalizedMethod* texts = method.Localization(languageId())) programs[0][0].SetComments(texts->Title);
  }
  model_.SetPrograms(std::move(programs), 0);
  model_.FromMethod = !method.CustomPrograms;
  model_.CompactView = model_.FromMethod && method.HideUnused;
  ShowStep();
  refreshTable();
}

void TOldStyleRecordForm::ClearMethod() {
  model_.FromMethod = false;
  model_.CompactView = false;
  method_.Programs.clear();
  method_.Cells.clear();
  method_.Localized.clear();
  applyLayout();
}

TMethod TOldStyleRecordForm::StoredMethod() const {
  TMethod stored = method_;
  if (!model_.FromMethod) {
    stored.Programs = model_.Programs();
    stored.CustomPrograms = true;
    stored.RebuildCells();
    stored.ShapeLanguages();
  }
  stored.FileName.clear();
  return stored;
}

TVAProgramsArray TOldStyleRecordForm::EditProgramsModally(const TVAProgramsArray& programs, const ModalEdit& how) {
  // The window's own state, back after the edit.
  StoreStep();
  const TMethod ownMethod = method_;
  const TVAProgramsArray ownPrograms = model_.Programs();
  const int ownProgram = model_.CurrentProgram(), ownStep = model_.CurrentStep();
  const bool ownFromMethod = model_.FromMethod, ownCompact = model_.CompactView, ownMode = model_.MethodEditMode;
  const bool wasVisible = isVisible();
  const Qt::WindowModality ownModality = windowModality();
  if (wasVisible) hide();

  modalEdit_ = true;
  model_.MethodEditMode = true;
  model_.SetPrograms(programs.empty() ? TVAProgramsArray::Default() : programs, 0);
  model_.FromMethod = false;
  model_.CompactView = how.compactView;
  ui_->toolBar->setEnabled(how.toolBar);
  ShowStep(false);
  refreshDevice();
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  const QMetaObject::Connection done = connect(this, &TOldStyleRecordForm::hidden, &loop, &QEventLoop::quit);
  show();
  raise();
  activateWindow();
  loop.exec();
  disconnect(done);
  StoreStep();
  const TVAProgramsArray edited = model_.Programs();

  setWindowModality(ownModality);
  ui_->toolBar->setEnabled(true);
  model_.MethodEditMode = ownMode;
  model_.SetPrograms(ownPrograms, ownProgram);
  model_.Select(ownProgram, ownStep);
  model_.FromMethod = ownFromMethod;
  model_.CompactView = ownCompact;
  method_ = ownMethod;
  modalEdit_ = false;
  ShowStep(false);
  refreshDevice();
  refreshTable();
  if (wasVisible) show();
  return edited;
}

void TOldStyleRecordForm::setToolBarActions(QAction* mixer, QAction* start, QAction* startFromCurrent, QAction* stop) {
  QToolBar* bar = ui_->toolBar;
  if (mixer) bar->insertAction(ui_->electrodeDownAction, mixer);
  for (QAction* a : {start, startFromCurrent, stop}) {
    if (a) bar->insertAction(ui_->toolBarSeparator, a);
  }
}

void TOldStyleRecordForm::setRecording(bool on) {
  recording_ = on;
  refreshDevice();
}

// --- controls --------------------------------------------------------------------------

void TOldStyleRecordForm::connectControls() {
  RecordFormWidgets& u = *ui_;
  for (QLineEdit* e : u.stepEdits()) connect(e, &QLineEdit::textEdited, this, [this] { onStepFieldEdited(); });
  connect(u.commentEdit, &QLineEdit::textEdited, this, [this] { onStepFieldEdited(); });
  for (QCheckBox* c : {u.mixerCheck, u.retentionCheck, u.modulationCheck, u.cycleCheck, u.timeModeCheck,
                       u.electrodeDownCheck, u.electrodeUpCheck}) {
    connect(c, &QCheckBox::toggled, this, [this] { onStepFieldEdited(); });
  }
  for (QComboBox* c : {u.rangeList, u.conjunctionList, u.measurementList, u.cycleTypeList, u.cellList}) {
    connect(c, &QComboBox::currentIndexChanged, this, [this] { onStepFieldEdited(); });
  }
  connect(u.timeModeList, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (updating_) return;
    // "Impuls(t)" works with modulation.
    if (index == StepForm::kImpulsIndex && ui_->timeModeCheck->isChecked()) ui_->modulationCheck->setChecked(true);
    onStepFieldEdited();
  });
  connect(u.timeModeCheck, &QCheckBox::toggled, this, [this](bool on) {
    if (updating_) return;
    if (on && ui_->timeModeList->currentIndex() == StepForm::kImpulsIndex) ui_->modulationCheck->setChecked(true);
  });
  connect(u.mixerModeList, &QComboBox::currentIndexChanged, this, [this](int index) { onMixerModeChosen(index); });
  connect(u.speedSpin, &QSpinBox::valueChanged, this, [this](int speed) { onSpeedChosen(speed); });
  connect(u.compensationSpin, &QSpinBox::valueChanged, this, [this] { onStepFieldEdited(); });
  connect(u.filterSpin, &QSpinBox::valueChanged, this, [this](int value) {
    if (updating_) return;
    settings_.options().filter = value;
    emit inputFilterChanged(value);
    onStepFieldEdited();
  });

  connect(u.programCount, &QSpinBox::valueChanged, this, [this](int count) {
    if (!updating_) edit([&] { model_.SetProgramCount(count); });
  });
  connect(u.programLength, &QSpinBox::valueChanged, this, [this](int length) {
    if (!updating_) edit([&] { model_.SetProgramLength(length); });
  });
  connect(u.currentProgram, &QSpinBox::valueChanged, this, [this](int n) {
    if (!updating_) SelectStep(n - 1, 0);
  });
  connect(u.currentStep, &QSpinBox::valueChanged, this, [this](int n) {
    if (!updating_) SelectStep(model_.CurrentProgram(), n - 1);
  });
  connect(u.copyProgramButton, &QPushButton::clicked, this,
          [this] { edit([this] { model_.CopyProgram(ui_->programToCopy->value()); }); });
  connect(u.copyStepButton, &QPushButton::clicked, this,
          [this] { edit([this] { model_.CopyStep(ui_->stepToCopy->value()); }); });
  connect(u.insertStepButton, &QPushButton::clicked, this,
          [this] { edit([this] { model_.InsertBeforeCurrent(ui_->stepToCopy->value()); }); });
  connect(u.removeStepButton, &QPushButton::clicked, this, [this] { edit([this] { model_.RemoveCurrent(); }); });
  connect(u.openButton, &QPushButton::clicked, this, [this] { openFile(); });
  connect(u.saveButton, &QPushButton::clicked, this, [this] { saveFile(); });
  connect(u.tableButton, &QPushButton::clicked, this, [this] { toggleTable(); });
  connect(u.tableAction, &QAction::triggered, this, [this] { toggleTable(); });
  connect(u.compactAction, &QAction::toggled, this, [this](bool on) {
    if (!updating_) SetCompactView(on);
  });

  connect(u.loopsCount, &QSpinBox::valueChanged, this, [this](int n) { emit loopsCountChanged(n); });
  connect(u.currentLimit, &QLineEdit::textEdited, this,
          [this](const QString& t) { settings_.options().maxCurrent = ReadNumber(t.toStdString(), 0.0); });
  connect(u.samplerCellList, &QComboBox::activated, this, [this](int index) { onSamplerCellChosen(index); });
  connect(u.electrodeDownAction, &QAction::triggered, this, [this] { onElectrode(true); });
  connect(u.electrodeUpAction, &QAction::triggered, this, [this] { onElectrode(false); });
}

StepForm TOldStyleRecordForm::readForm() const {
  const RecordFormWidgets& u = *ui_;
  StepForm f;
  f.rate = text(u.rateEdit);
  f.start = text(u.startEdit);
  f.end = text(u.endEdit);
  f.cleaningPotential = text(u.cleaningPotential);
  f.cleaningTime = text(u.cleaningTime);
  f.preparation1Potential = text(u.preparation1Potential);
  f.preparation1Time = text(u.preparation1Time);
  f.preparation2Potential = text(u.preparation2Potential);
  f.preparation2Time = text(u.preparation2Time);
  f.electrolysisPotential = text(u.electrolysisPotential);
  f.electrolysisTime = text(u.electrolysisTime);
  f.mixerDelay = text(u.mixerDelay);
  f.retentionPotential = text(u.retentionPotential);
  f.modulationAmplitude = text(u.modulationAmplitude);
  f.modulationFrequency = text(u.modulationFrequency);
  f.cycleCount = text(u.cycleCount);
  f.skipCycles = text(u.skipCycles);
  f.comments = UiText::toStd(u.commentEdit->text());
  f.mixer = u.mixerCheck->isChecked();
  f.retention = u.retentionCheck->isChecked();
  f.modulation = u.modulationCheck->isChecked();
  f.cycle = u.cycleCheck->isChecked();
  f.timeModeOn = u.timeModeCheck->isChecked();
  f.electrodeDown = u.electrodeDownCheck->isChecked();
  f.electrodeUp = u.electrodeUpCheck->isChecked();
  f.range = u.rangeList->currentIndex();
  f.conjunction = u.conjunctionList->currentIndex();
  f.measurementType = u.measurementList->currentIndex();
  f.cycleType = u.cycleTypeList->currentIndex();
  f.timeModeIndex = u.timeModeList->currentIndex();
  f.samplerCell = u.cellList->currentIndex();
  f.stirrerType = u.mixerModeList->currentIndex();
  f.stirrerSpeed = u.speedSpin->value();
  f.compensation = u.compensationSpin->value();
  f.filterValue = u.filterSpin->value();
  return f;
}

void TOldStyleRecordForm::writeForm(const StepForm& f) {
  updating_ = true;
  RecordFormWidgets& u = *ui_;
  u.rateEdit->setText(number(f.rate));
  u.startEdit->setText(number(f.start));
  u.endEdit->setText(number(f.end));
  u.cleaningPotential->setText(number(f.cleaningPotential));
  u.cleaningTime->setText(number(f.cleaningTime));
  u.preparation1Potential->setText(number(f.preparation1Potential));
  u.preparation1Time->setText(number(f.preparation1Time));
  u.preparation2Potential->setText(number(f.preparation2Potential));
  u.preparation2Time->setText(number(f.preparation2Time));
  u.electrolysisPotential->setText(number(f.electrolysisPotential));
  u.electrolysisTime->setText(number(f.electrolysisTime));
  u.mixerDelay->setText(number(f.mixerDelay));
  u.retentionPotential->setText(number(f.retentionPotential));
  u.modulationAmplitude->setText(number(f.modulationAmplitude));
  u.modulationFrequency->setText(number(f.modulationFrequency));
  u.cycleCount->setText(number(f.cycleCount));
  u.skipCycles->setText(number(f.skipCycles));
  // A longer comment from a file or a method stays whole.
  const QString comment = UiText::fromStd(f.comments);
  u.commentEdit->setMaxLength(std::max<int>(static_cast<int>(StepForm::kCommentsLimit), comment.size()));
  u.commentEdit->setText(comment);
  u.mixerCheck->setChecked(f.mixer);
  u.retentionCheck->setChecked(f.retention);
  u.modulationCheck->setChecked(f.modulation);
  u.cycleCheck->setChecked(f.cycle);
  u.timeModeCheck->setChecked(f.timeModeOn);
  u.electrodeDownCheck->setChecked(f.electrodeDown);
  u.electrodeUpCheck->setChecked(f.electrodeUp);
  u.rangeList->setCurrentIndex(f.range);
  u.conjunctionList->setCurrentIndex(f.conjunction);
  u.measurementList->setCurrentIndex(f.measurementType);
  u.cycleTypeList->setCurrentIndex(f.cycleType);
  u.timeModeList->setCurrentIndex(f.timeModeIndex);
  u.cellList->setCurrentIndex(f.samplerCell);
  {
    const QSignalBlocker block(u.mixerModeList);
    u.mixerModeList->setCurrentIndex(f.stirrerType);
  }
  {
    const QSignalBlocker block(u.speedSpin);
    u.speedSpin->setValue(f.stirrerSpeed);
  }
  u.compensationSpin->setValue(f.compensation);
  u.filterSpin->setValue(f.filterValue);
  updating_ = false;
}

StepForm::Environment TOldStyleRecordForm::environment() const {
  StepForm::Environment env;
  env.addOnFitted = addOnFitted_;
  env.methodEditMode = model_.MethodEditMode;
  env.filterValue = settings_.options().filter;
  return env;
}

void TOldStyleRecordForm::applyLayout() {
  updateTitle();
  RecordFormWidgets& u = *ui_;
  const FormLayout l =
      FormLayout::Compute(readForm(), model_.Current(), environment(), samplerPresent_, model_.CompactView);
  u.rateLabel->setText(catalogue(l.rateCaption));
  u.rateUnit->setText(catalogue(l.rateUnit));
  u.startLabel->setText(catalogue(l.startCaption));
  u.startUnit->setText(catalogue(l.startUnit));
  u.endLabel->setText(catalogue(l.endCaption));
  u.endUnit->setText(catalogue(l.endUnit));
  u.modulationGroup->setTitle(catalogue(l.modulationTitle));
  u.rateEdit->setVisible(l.rateVisible);
  u.rateLabel->setVisible(l.rateVisible);
  u.rateUnit->setVisible(l.rateVisible);

  u.mixerDelay->setEnabled(l.mixerDelayEnabled);
  u.mixerDelayLabel->setEnabled(l.mixerDelayEnabled);
  u.retentionPotential->setEnabled(l.retentionPotentialEnabled);
  for (QWidget* w : std::initializer_list<QWidget*>{u.modulationAmplitude, u.modulationFrequency, u.amplitudeLabel,
                                                    u.frequencyLabel}) {
    w->setEnabled(l.modulationFieldsEnabled);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{u.cycleCount, u.skipCycles, u.cycleTypeList, u.cycleCountLabel,
                                                    u.skipCyclesLabel, u.cycleTypeLabel}) {
    w->setEnabled(l.cycleFieldsEnabled);
  }
  u.timeModeList->setEnabled(l.timeModeListEnabled);
  u.samplerGroup->setEnabled(l.samplerFieldsEnabled);
  u.mixerModeList->setEnabled(l.stirrerTypeEnabled && !recording_);
  u.mixerModeLabel->setEnabled(l.stirrerTypeEnabled);
  u.speedSpin->setEnabled(l.stirrerSpeedEnabled && !recording_);
  u.speedLabel->setEnabled(l.stirrerSpeedEnabled);

  setRows(u.cleaningRow, l.cleaningVisible);
  setRows(u.preparation1Row, l.preparation1Visible);
  setRows(u.preparation2Row, l.preparation2Visible);
  setRows(u.electrolysisRow, l.electrolysisVisible);
  u.stagesGroup->setVisible(l.cleaningVisible || l.preparation1Visible || l.preparation2Visible ||
                            l.electrolysisVisible);
  u.mixerGroup->setVisible(l.mixerGroupVisible);
  u.retentionGroup->setVisible(l.retentionGroupVisible);
  for (QWidget* w : std::initializer_list<QWidget*>{u.sweepGroup, u.rangeGroup, u.measurementGroup, u.commentGroup}) {
    w->setVisible(l.sweepGroupsVisible);
  }
  u.modulationGroup->setVisible(l.modulationGroupVisible);
  u.cycleGroup->setVisible(l.cycleGroupVisible);
  u.timeGroup->setVisible(l.timeGroupVisible);
  {
    const QSignalBlocker block(u.compactAction);
    u.compactAction->setChecked(model_.CompactView);
  }
}

void TOldStyleRecordForm::updateNavigation() {
  updating_ = true;
  RecordFormWidgets& u = *ui_;
  const int programs = model_.ProgramCount();
  const int length = model_.ProgramLength();
  u.programCount->setValue(programs);
  u.currentProgram->setRange(1, programs);
  u.currentProgram->setValue(model_.CurrentProgram() + 1);
  u.programToCopy->setRange(1, programs);
  u.programLength->setValue(length);
  u.currentStep->setRange(1, length);
  u.currentStep->setValue(model_.CurrentStep() + 1);
  u.stepToCopy->setRange(1, length);
  updating_ = false;
}

void TOldStyleRecordForm::readDevice() {
  if (!link_) return;
  addOnFitted_ = link_->device().AddOnType() >= 0;
  samplerPresent_ = link_->device().AutoSamplerEnabled();
}

void TOldStyleRecordForm::refreshDevice() {
  readDevice();
  const bool sampler = !recording_ && link_ && device_->SamplerAvailable() && !link_->commandRunning();
  ui_->samplerCellList->setEnabled(sampler);
  ui_->electrodeDownAction->setEnabled(sampler);
  ui_->electrodeUpAction->setEnabled(sampler);
  applyLayout();
}

void TOldStyleRecordForm::onStepFieldEdited() {
  if (updating_) return;
  model_.NoteEdit();
  applyLayout();
}

void TOldStyleRecordForm::updateTitle() {
  // "Record parameters [Custom]" for a set of the operator's own, the
  // method's title for a method's unchanged set.
  const QString base = tr("Record parameters");
  QString suffix;
  if (!model_.FromMethod) {
    suffix = tr("Custom");
  } else if (const TLocalizedMethod* texts = method_.Localization(languageId())) {
    suffix = UiText::fromStd(texts->Title);
  }
  setWindowTitle(suffix.isEmpty() ? base : QStringLiteral("%1 [%2]").arg(base, suffix));
}

void TOldStyleRecordForm::edit(const std::function<void()>& change) {
  StoreStep();
  change();
  ShowStep();
  refreshTable();
}

// --- files ---------------------------------------------------------------------------------

void TOldStyleRecordForm::openFile() {
  const auto file = dialogs_.openFile(Message(msg::ProgramOpenFilter));
  if (!file) return;
  StoreStep();
  try {
    const auto result = model_.Open(std::filesystem::path(*file));
    if (result.unreadData) sink_.warning(Message(msg::UnreadDataBlocks));
    ClearMethod();
  } catch (const EFormatError& e) {
    sink_.error(e.message());
  }
  ShowStep();
  refreshTable();
}

void TOldStyleRecordForm::saveFile() {
  StoreStep();
  const auto file = dialogs_.saveFile(Message(msg::ProgramSaveFilter), ".vap", std::string());
  if (!file) return;
  try {
    model_.Save(std::filesystem::path(*file));
  } catch (const EFormatError& e) {
    sink_.error(e.message());
  }
}

// --- table -----------------------------------------------------------------------------------

void TOldStyleRecordForm::toggleTable() {
  table_->Fill(GetPrograms());
  table_->setVisible(!table_->isVisible());
  if (table_->isVisible()) table_->raise();
  const QSignalBlocker block(ui_->tableAction);
  ui_->tableAction->setChecked(table_->isVisible());
}

void TOldStyleRecordForm::refreshTable() {
  if (table_->isVisible()) table_->Fill(model_.Programs());
}

// --- analyzer commands ---------------------------------------------------------------------

template <typename F>
void TOldStyleRecordForm::deviceCommand(F&& command) {
  if (recording_ || !link_) return;
  try {
    command();
  } catch (const EDeviceError& e) {
    if (link_) link_->showError(e.message());
  }
}

void TOldStyleRecordForm::onMixerModeChosen(int index) {
  if (updating_) return;
  RecordDeviceActions::ModeOutcome outcome;
  const bool fromMethod = model_.FromMethod;
  deviceCommand([&] { outcome = device_->ChangeMixerMode(index, model_.MethodEditMode, fromMethod); });
  if (outcome.resetList) {
    const QSignalBlocker block(ui_->mixerModeList);
    ui_->mixerModeList->setCurrentIndex(0);
  }
  if (outcome.clearStepTypes) model_.SetAllStirrerTypes(-1);
  onStepFieldEdited();
}

void TOldStyleRecordForm::onSpeedChosen(int speed) {
  if (updating_) return;
  deviceCommand([&] { device_->ChangeMixerSpeed(speed, mixerRunning_ && mixerRunning_()); });
  onStepFieldEdited();
}

void TOldStyleRecordForm::onSamplerCellChosen(int index) {
  const int cell = index + 1;
  samplerCommand(Message(msg::SamplerMovingTo, {std::to_string(cell)}),
                 [cell](TTavrelDevice& d) { d.SamplerMoveTo(cell); });
}

void TOldStyleRecordForm::onElectrode(bool down) {
  samplerCommand(Message(down ? msg::SamplerLowering : msg::SamplerRaising),
                 [down](TTavrelDevice& d) { d.SetElectrodeDown(down); });
}

void TOldStyleRecordForm::samplerCommand(const Message& status, std::function<void(TTavrelDevice&)> command) {
  if (recording_ || !link_ || !device_->SamplerAvailable()) return;
  link_->runCommand(status, std::move(command));
}

// --- texts ---------------------------------------------------------------------------------------

void TOldStyleRecordForm::retranslateUi() {
  ui_->retranslate();
  applyLayout();
}

void TOldStyleRecordForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

void TOldStyleRecordForm::hideEvent(QHideEvent* event) {
  StoreStep();
  SaveProgramSet();
  QWidget::hideEvent(event);
  emit hidden();
}

}  // namespace velmora
