#include "TSamplerForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "DeviceLink.h"
#include "EDeviceError.h"
#include "Messages.h"
#include "RecordDeviceActions.h"
#include "TAutoSampler.h"
#include "TTavrelDevice.h"
#include "UiText.h"

namespace velmora {

TSamplerForm::TSamplerForm(DeviceLink& link, QWidget* parent)
    : QDialog(parent), link_(link), device_(std::make_unique<RecordDeviceActions>(link.device())) {
  setObjectName(QStringLiteral("SamplerForm"));
  tray_.SampleCaption = [](int n) {
    return UiText::toStd(UiText::message(Message(msg::SamplerSampleCaption, {std::to_string(n)})));
  };
  buildUi();
  retranslateUi();
  trayView_->setTray(&tray_);
  afterLayout();
}

TSamplerForm::~TSamplerForm() = default;

void TSamplerForm::buildUi() {
  auto* main = new QHBoxLayout(this);
  trayView_ = new TAutoSampler(this);
  trayView_->setMinimumSize(520, 520);
  main->addWidget(trayView_, 1);

  auto* side = new QVBoxLayout;
  main->addLayout(side);
  methodsLabel_ = new QLabel(this);
  side->addWidget(methodsLabel_);
  methodList_ = new QListWidget(this);
  methodList_->setObjectName(QStringLiteral("MethodsList"));
  methodList_->setMinimumWidth(260);
  methodList_->setMaximumHeight(140);
  side->addWidget(methodList_);

  auto* grid = new QGridLayout;
  samplesLabel_ = new QLabel(this);
  samplesBox_ = new QSpinBox(this);
  samplesBox_->setObjectName(QStringLiteral("SamplesCountEdit"));
  samplesBox_->setRange(1, SamplerTray::MaxSamples);
  samplesTrack_ = new QSlider(Qt::Horizontal, this);
  samplesTrack_->setObjectName(QStringLiteral("SamplesCountTrack"));
  samplesTrack_->setRange(1, SamplerTray::MaxSamples);
  samplesTrack_->setPageStep(1);
  grid->addWidget(samplesLabel_, 0, 0, 1, 2);
  grid->addWidget(samplesTrack_, 1, 0);
  grid->addWidget(samplesBox_, 1, 1);
  loopsLabel_ = new QLabel(this);
  loopsBox_ = new QSpinBox(this);
  loopsBox_->setObjectName(QStringLiteral("LoopsCountEdit"));
  loopsBox_->setRange(1, 2000);
  grid->addWidget(loopsLabel_, 2, 0);
  grid->addWidget(loopsBox_, 2, 1);
  side->addLayout(grid);

  stirrerGroup_ = new QGroupBox(this);
  stirrerGroup_->setObjectName(QStringLiteral("StirrerGroup"));
  auto* stirrer = new QGridLayout(stirrerGroup_);
  mixerLabel_ = new QLabel(stirrerGroup_);
  mixerMode_ = new QComboBox(stirrerGroup_);
  mixerMode_->setObjectName(QStringLiteral("MixerModeList"));
  for (int i = 0; i < 4; ++i) mixerMode_->addItem(QString());
  speedLabel_ = new QLabel(stirrerGroup_);
  speedBox_ = new QSpinBox(stirrerGroup_);
  speedBox_->setObjectName(QStringLiteral("RotationSpeedEdit"));
  speedBox_->setRange(100, 2000);
  speedBox_->setSingleStep(50);
  speedBox_->setValue(1000);
  stirrer->addWidget(mixerLabel_, 0, 0);
  stirrer->addWidget(mixerMode_, 0, 1);
  stirrer->addWidget(speedLabel_, 1, 0);
  stirrer->addWidget(speedBox_, 1, 1);
  side->addWidget(stirrerGroup_);

  manualGroup_ = new QGroupBox(this);
  manualGroup_->setObjectName(QStringLiteral("ManualGroup"));
  auto* manual = new QGridLayout(manualGroup_);
  activeCellLabel_ = new QLabel(manualGroup_);
  activeCell_ = new QComboBox(manualGroup_);
  activeCell_->setObjectName(QStringLiteral("ActiveCellList"));
  for (int i = 1; i <= SamplerTray::CellCount; ++i) activeCell_->addItem(QString::number(i));
  upButton_ = new QPushButton(manualGroup_);
  upButton_->setObjectName(QStringLiteral("ElectrodeUpButton"));
  downButton_ = new QPushButton(manualGroup_);
  downButton_->setObjectName(QStringLiteral("ElectrodeDownButton"));
  manual->addWidget(activeCellLabel_, 0, 0);
  manual->addWidget(activeCell_, 0, 1);
  manual->addWidget(upButton_, 1, 0);
  manual->addWidget(downButton_, 1, 1);
  side->addWidget(manualGroup_);

  use3in1_ = new QCheckBox(this);
  use3in1_->setObjectName(QStringLiteral("Use3in1Box"));
  use3in1_->hide();
  side->addWidget(use3in1_);
  problems_ = new QLabel(this);
  problems_->setObjectName(QStringLiteral("ProblemsLabel"));
  problems_->setWordWrap(true);
  problems_->setStyleSheet(QStringLiteral("color: #b00020;"));
  problems_->hide();
  side->addWidget(problems_);
  rebuilt_ = new QLabel(this);
  rebuilt_->setObjectName(QStringLiteral("RebuiltLabel"));
  rebuilt_->setStyleSheet(QStringLiteral("color: #a04000;"));
  rebuilt_->hide();
  side->addWidget(rebuilt_);
  side->addStretch(1);

  auto* buttons = new QGridLayout;
  runButton_ = new QPushButton(this);
  runButton_->setObjectName(QStringLiteral("RunButton"));
  stopButton_ = new QPushButton(this);
  stopButton_->setObjectName(QStringLiteral("StopButton"));
  helpButton_ = new QPushButton(this);
  helpButton_->setObjectName(QStringLiteral("HelpButton"));
  modifyButton_ = new QPushButton(this);
  modifyButton_->setObjectName(QStringLiteral("ModifyButton"));
  buttons->addWidget(runButton_, 0, 0);
  buttons->addWidget(stopButton_, 0, 1);
  buttons->addWidget(modifyButton_, 1, 0);
  buttons->addWidget(helpButton_, 1, 1);
  side->addLayout(buttons);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar"));
  progress_->setRange(0, 1);
  progress_->setValue(0);
  side->addWidget(progress_);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLabel"));
  status_->setWordWrap(true);
  side->addWidget(status_);

  connect(methodList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (filling_ || recording_) return;
    tray_.SetMethodChecked(static_cast<std::size_t>(methodList_->row(item)), item->checkState() == Qt::Checked);
    afterLayout();
  });
  connect(samplesBox_, &QSpinBox::valueChanged, this, [this](int value) {
    {
      const QSignalBlocker block(samplesTrack_);
      samplesTrack_->setValue(value);
    }
    if (filling_ || recording_ || value == tray_.SamplesCount()) return;
    tray_.SetSamplesCount(value);
    afterLayout();
  });
  connect(samplesTrack_, &QSlider::valueChanged, samplesBox_, &QSpinBox::setValue);
  connect(loopsBox_, &QSpinBox::valueChanged, this, [this](int value) {
    if (!filling_) emit loopsCountChanged(value);
  });
  connect(mixerMode_, &QComboBox::activated, this, [this] { applyStirrer(); });
  connect(speedBox_, &QSpinBox::valueChanged, this, [this] {
    if (!filling_) applyStirrer();
  });
  connect(activeCell_, &QComboBox::activated, this, [this](int index) {
    const int cell = index + 1;
    samplerCommand(Message(msg::SamplerMovingTo, {std::to_string(cell)}),
                   [cell](TTavrelDevice& d) { d.SamplerMoveTo(cell); });
  });
  connect(upButton_, &QPushButton::clicked, this, [this] {
    samplerCommand(Message(msg::SamplerRaising), [](TTavrelDevice& d) { d.SetElectrodeDown(false); });
  });
  connect(downButton_, &QPushButton::clicked, this, [this] {
    samplerCommand(Message(msg::SamplerLowering), [](TTavrelDevice& d) { d.SetElectrodeDown(true); });
  });
  connect(use3in1_, &QCheckBox::toggled, this, [this](bool on) { link_.device().SetUseNew3in1(on); });
  connect(runButton_, &QPushButton::clicked, this, [this] { onRun(); });
  connect(stopButton_, &QPushButton::clicked, this, [this] {
    if (stop_) stop_->trigger();
  });
  connect(modifyButton_, &QPushButton::clicked, this, [this] { onModify(); });
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (isSignalConnected(QMetaMethod::fromSignal(&TSamplerForm::helpRequested))) {
      emit helpRequested(HelpContext);
      return;
    }
    QMessageBox::information(
        this, windowTitle(),
        tr("Check the methods to run and set the number of samples: the tray is laid out with the service cells the "
           "methods share and the cells of every sample. Drag a cell onto another to exchange them; point at a cell "
           "to edit its type, sample, comments and methods. \"Modify\" edits the program set of the batch, \"Run\" "
           "starts it."));
  });
  connect(trayView_, &TAutoSampler::cellsExchanged, this, [this] { afterLayout(); });
  connect(trayView_, &TAutoSampler::trayEdited, this, [this] { afterLayout(); });
  connect(&link_, &DeviceLink::statusChanged, this, [this] { updateControls(); });
  connect(&link_, &DeviceLink::resetDone, this, [this] { updateControls(); });
  connect(&link_, &DeviceLink::connectedChanged, this, [this] { updateControls(); });
  connect(&link_, &DeviceLink::commandChanged, this, [this] { updateControls(); });
}

void TSamplerForm::retranslateUi() {
  setWindowTitle(tr("Autosampler setup"));
  methodsLabel_->setText(tr("Select methods:"));
  samplesLabel_->setText(tr("Number of samples for analysis"));
  loopsLabel_->setText(tr("Loops count"));
  stirrerGroup_->setTitle(tr("Stirrer settings"));
  mixerLabel_->setText(tr("Mixer mode"));
  const QString modes[] = {tr("Mixer"), tr("Regulated mixer"), tr("Regulated electrode"), tr("Rotating electrode")};
  for (int i = 0; i < 4; ++i) mixerMode_->setItemText(i, modes[i]);
  speedLabel_->setText(tr("Rotation speed (rpm)"));
  manualGroup_->setTitle(tr("Manual control"));
  activeCellLabel_->setText(tr("Active cell"));
  upButton_->setText(tr("Electrode up"));
  downButton_->setText(tr("Electrode down"));
  runButton_->setText(tr("Run"));
  stopButton_->setText(tr("&Stop"));
  helpButton_->setText(tr("Help"));
  modifyButton_->setText(tr("Modify"));
  use3in1_->setText(tr("Use new 3 in 1"));
  rebuilt_->setText(tr("Analysis program rebuilded"));
  afterLayout();
}

void TSamplerForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QDialog::changeEvent(event);
}

void TSamplerForm::setActions(QAction* run, QAction* reset, QAction* stop, QAction* start) {
  run_ = run;
  reset_ = reset;
  stop_ = stop;
  start_ = start;
  for (QAction* a : {run, stop, start})
    if (a) connect(a, &QAction::changed, this, [this] { updateControls(); });
  updateControls();
}

// --- methods and layout ----------------------------------------------------------------

void TSamplerForm::reloadMethods() {
  tray_.SetMethods(methodSource_ ? methodSource_() : std::vector<SamplerMethod>());
  tray_.ClearHandEdit();
  fillMethodList();
  afterLayout();
}

void TSamplerForm::fillMethodList() {
  filling_ = true;
  methodList_->clear();
  for (std::size_t i = 0; i < tray_.Methods().size(); ++i) {
    auto* item = new QListWidgetItem(UiText::fromStd(tray_.Methods()[i].Name), methodList_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(tray_.MethodChecked(i) ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
}

void TSamplerForm::checkMethod(int index, bool checked) {
  if (QListWidgetItem* item = methodList_->item(index)) item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TSamplerForm::setSamplesCount(int count) { samplesBox_->setValue(count); }

void TSamplerForm::afterLayout() {
  if (!trayView_) return;
  filling_ = true;
  const int maximum = std::max(1, std::min(SamplerTray::MaxSamples, tray_.SamplesMaxCount()));
  samplesBox_->setMaximum(maximum);
  samplesTrack_->setMaximum(maximum);
  samplesBox_->setValue(tray_.SamplesCount());
  samplesTrack_->setValue(tray_.SamplesCount());
  filling_ = false;
  trayView_->refresh();
  rebuilt_->setVisible(tray_.HandEditReplaced());
  QStringList problems;
  for (const Message& m : tray_.Problems()) problems << UiText::message(m);
  problems_->setText(problems.join(u'\n'));
  problems_->setVisible(!problems.isEmpty());
  updateControls();
}

void TSamplerForm::applyStirrer() {
  SamplerTray::Stirrer s;
  s.AddOn = link_.device().AddOnType() >= 0;
  s.Type = mixerMode_->currentIndex();
  s.Speed = speedBox_->value();
  tray_.SetStirrer(s);
  afterLayout();
}

TVAProgramsArray TSamplerForm::programs() {
  // The set follows every change of the layout; built now when it holds none.
  return tray_.Programs().empty() ? tray_.BuildPrograms() : tray_.Programs();
}

int TSamplerForm::loopsCount() const { return loopsBox_->value(); }

void TSamplerForm::setLoopsCount(int count) {
  filling_ = true;
  loopsBox_->setValue(count);
  filling_ = false;
}

// --- showing and running ----------------------------------------------------------------

void TSamplerForm::showEvent(QShowEvent* event) {
  if (!recording_) {
    TTavrelDevice& d = link_.device();
    filling_ = true;
    const bool addOn = d.AddOnType() >= 0;
    mixerMode_->setCurrentIndex(addOn ? std::clamp(d.AddOnType(), 0, 3) : 0);
    if (addOn) speedBox_->setValue(std::clamp(d.MixerSpeed(), 100, 2000));
    use3in1_->setChecked(d.UseNew3in1());
    filling_ = false;
    SamplerTray::Stirrer s;
    s.AddOn = addOn;
    s.Type = mixerMode_->currentIndex();
    s.Speed = speedBox_->value();
    tray_.SetStirrer(s);
    reloadMethods();
  }
  QDialog::showEvent(event);
}

void TSamplerForm::setRecording(bool on) {
  recording_ = on;
  trayView_->setLocked(on);
  methodList_->setEnabled(!on);
  samplesBox_->setEnabled(!on);
  samplesTrack_->setEnabled(!on);
  if (on) progress_->setValue(0);
  updateControls();
}

void TSamplerForm::setPosition(int position) {
  trayView_->setPosition(position);
  if (position >= 0 && position < activeCell_->count()) {
    const QSignalBlocker block(activeCell_);
    activeCell_->setCurrentIndex(position);
  }
}

void TSamplerForm::setProgress(int value, int maximum) {
  progress_->setRange(0, std::max(1, std::max(maximum, value)));
  progress_->setValue(value);
}

void TSamplerForm::setStatusText(const QString& text) { status_->setText(text); }

void TSamplerForm::updateControls() {
  const TTavrelDevice& d = link_.device();
  const bool active = d.Active();
  const bool startEnabled = start_ && start_->isEnabled();
  runButton_->setEnabled(active ? startEnabled && tray_.Ready() && !recording_ : !d.Resetting());
  stopButton_->setEnabled(stop_ && stop_->isEnabled());
  modifyButton_->setEnabled(!recording_ && tray_.Ready());
  const bool addOn = d.AddOnType() >= 0;
  stirrerGroup_->setEnabled(addOn && !recording_);
  const bool sampler = device_->SamplerAvailable() && !link_.commandRunning();
  activeCell_->setEnabled(sampler);
  upButton_->setEnabled(sampler);
  downButton_->setEnabled(sampler);
  use3in1_->setEnabled(d.AllowNew3in1());
}

void TSamplerForm::onRun() {
  // Off line, "Run" brings the analyzer on line first.
  if (!link_.device().Active()) {
    if (reset_) reset_->trigger();
    return;
  }
  if (run_) run_->trigger();
}

void TSamplerForm::onModify() {
  if (!editor_ || recording_) return;
  const std::optional<TVAProgramsArray> edited = editor_(programs());
  if (!edited) return;
  tray_.SetEditedPrograms(*edited);
  rebuilt_->hide();
}

void TSamplerForm::samplerCommand(const Message& status, std::function<void(TTavrelDevice&)> command) {
  if (recording_ || !device_->SamplerAvailable()) return;
  link_.runCommand(status, std::move(command));
}

template <typename F>
void TSamplerForm::deviceCommand(F&& command) {
  if (recording_) return;
  try {
    command();
  } catch (const EDeviceError& e) {
    link_.showError(e.message());
  }
}

}  // namespace velmora
