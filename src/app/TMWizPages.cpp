#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CaptionComboBox.h"
#include "ConcUnits.h"
#include "CurvePlottable.h"
#include "CurveSeries.h"
#include "DeviceLink.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Numbers.h"
#include "OptionsController.h"
#include "RecordParametersHost.h"
#include "RecordingReceiver.h"
#include "Settings.h"
#include "TMWizForm.h"
#include "TOldStyleRecordForm.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"
#include "UiText.h"
#include "qcustomplot.h"

// The first four pages of the measurement wizard: welcome, cell assembly,
// program input and recording status.

namespace velmora {

namespace {

QString catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

// What a row of the program input page's property table edits.
enum RowKind : int {
  kRowSampleName = 100,
  kRowPeakConc = 200,  // + the predefined peak's index
  kRowActivationVolume = 300,
};

const char* ElectrodeCaption(std::int32_t type) {
  static const char* const names[] = {msg::ElectrodeCustom,   msg::ElectrodeCarbositall, msg::ElectrodeGold,
                                      msg::ElectrodePlatinum, msg::ElectrodeSilver,      msg::ElectrodeModifiedCarbon,
                                      msg::ElectrodeCarbon};
  return type >= -1 && type <= 5 ? names[type + 1] : nullptr;
}

QLabel* WrappedLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

// --- Building ---------------------------------------------------------------------------

QWidget* TMWizForm::buildWelcomePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  welcomeText_ = WrappedLabel(page);
  methodsTitle_ = new QLabel(page);
  methodsList_ = new QListWidget(page);
  delete_ = new QPushButton(page);
  layout->addWidget(welcomeText_);
  layout->addWidget(methodsTitle_);
  layout->addWidget(methodsList_, 1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(delete_);
  layout->addLayout(row);
  connect(methodsList_, &QListWidget::currentRowChanged, this, [this] { updateButtons(); });
  connect(methodsList_, &QListWidget::itemDoubleClicked, this, [this] { NextClick(); });
  connect(delete_, &QPushButton::clicked, this, [this] { DeleteMethodClick(); });
  return page;
}

QWidget* TMWizForm::buildCellPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  cellText_ = WrappedLabel(page);
  cellType_ = new QLabel(page);
  electrode_ = new QLabel(page);
  cellReady_ = new QLabel(page);
  // The assembly assistant shows how the cell goes together.
  auto* assemblyRow = new QHBoxLayout;
  auto* assembly = new QToolButton(page);
  assembly->setObjectName(QStringLiteral("AssemblyButton"));
  assembly->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  assembly->setDefaultAction(window_.action("AssemblyAcnt"));
  assemblyRow->addWidget(cellText_, 1);
  assemblyRow->addWidget(assembly, 0, Qt::AlignTop);
  layout->addLayout(assemblyRow);
  layout->addWidget(cellType_);
  layout->addWidget(electrode_);
  layout->addWidget(cellReady_);

  auto* group = new QGroupBox(page);
  optionsGroup_ = group;
  auto* form = new QFormLayout(group);
  // One-digit fields keep their own width.
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  parallelLabel_ = new QLabel(group);
  parallel_ = new QSpinBox(group);
  parallel_->setRange(1, 3);
  additionsLabel_ = new QLabel(group);
  additions_ = new QComboBox(group);
  additions_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
  control_ = new QCheckBox(group);
  form->addRow(parallelLabel_, parallel_);
  form->addRow(additionsLabel_, additions_);
  form->addRow(control_);
  layout->addWidget(group);
  layout->addStretch(1);

  auto* line = new QHBoxLayout;
  connection_ = WrappedLabel(page);
  setupConnection_ = new QPushButton(page);
  line->addWidget(connection_, 1);
  line->addWidget(setupConnection_);
  layout->addLayout(line);

  connect(parallel_, &QSpinBox::valueChanged, this, [this](int value) {
    if (filling_) return;
    interp_->EditSettings([value](TWizRunSettings& s) { s.ParallelSamples = value; });
  });
  connect(additions_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    interp_->EditSettings([index](TWizRunSettings& s) { s.AdditionsCount = index + 1; });
  });
  connect(setupConnection_, &QPushButton::clicked, this, [this] {
    window_.optionsController().execute(1);
    refreshConnection();
  });
  DeviceLink& link = window_.deviceLink();
  for (auto signal : {&DeviceLink::statusChanged, &DeviceLink::resetDone, &DeviceLink::portChanged})
    connect(&link, signal, this, [this] {
      refreshConnection();
      updateButtons();
    });
  connect(&link, &DeviceLink::connectedChanged, this, [this] {
    refreshConnection();
    updateButtons();
  });
  return page;
}

QWidget* TMWizForm::buildProgramPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  instructions_ = WrappedLabel(page);
  instructions_->setTextFormat(Qt::PlainText);
  layout->addWidget(instructions_);
  auto* loopsRow = new QHBoxLayout;
  loopsLabel_ = new QLabel(page);
  loops_ = new QSpinBox(page);
  loops_->setRange(1, 2000);
  loopsRow->addWidget(loopsLabel_);
  loopsRow->addWidget(loops_);
  loopsRow->addStretch(1);
  layout->addLayout(loopsRow);
  properties_ = new QTableWidget(0, 2, page);
  properties_->horizontalHeader()->setStretchLastSection(true);
  properties_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  properties_->verticalHeader()->hide();
  properties_->setItemDelegateForColumn(0, new CaptionItemDelegate(properties_));
  layout->addWidget(properties_, 1);
  programNote_ = new QLabel(page);
  layout->addWidget(programNote_);
  auto* row = new QHBoxLayout;
  change_ = new QPushButton(page);
  reset_ = new QPushButton(page);
  row->addWidget(change_);
  row->addWidget(reset_);
  row->addStretch(1);
  layout->addLayout(row);

  connect(loops_, &QSpinBox::valueChanged, this, [this](int value) {
    if (filling_) return;
    interp_->EditSettings([value](TWizRunSettings& s) { s.LoopsCount = value; });
  });
  connect(properties_, &QTableWidget::cellChanged, this, [this](int r, int column) {
    if (!filling_ && column == 1) propertyEdited(r);
  });
  connect(change_, &QPushButton::clicked, this, [this] { ChangeProgramClick(); });
  connect(reset_, &QPushButton::clicked, this, [this] { ResetProgramClick(); });
  return page;
}

QWidget* TMWizForm::buildRecordingPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  progressText_ = new QLabel(page);
  stageLabel_ = WrappedLabel(page);
  progress_ = new QProgressBar(page);
  timeLeft_ = new QLabel(page);
  timeLeft_->setObjectName(QStringLiteral("WizardTimeLeft"));
  QFont big = timeLeft_->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  timeLeft_->setFont(big);
  // The voltammogram being recorded, point by point as the analyzer sends
  // them, on the main chart's axes.
  liveChart_ = new QCustomPlot(page);
  liveChart_->setObjectName(QStringLiteral("WizardLiveChart"));
  liveChart_->setMinimumSize(360, 240);
  CurveSeries::StyleChart(liveChart_);
  CurveSeries::Create(liveChart_, TDataArr(), QPen(ThumbnailPainter::rowColor(0), 1.6));
  layout->addWidget(progressText_);
  layout->addWidget(stageLabel_);
  auto* bar = new QHBoxLayout;
  bar->addWidget(progress_, 1);
  bar->addWidget(timeLeft_);
  layout->addLayout(bar);
  layout->addWidget(liveChart_, 1);
  return page;
}

// --- Cell assembly ---------------------------------------------------------------------------

void TMWizForm::refreshConnection() {
  const TWizRunSettings& s = interp_->Settings();
  DeviceLink& link = window_.deviceLink();
  QString text;
  if (link.resetting()) {
    text = tr("Trying to connect to device...");
  } else if (s.Simulation) {
    text = tr("Warning! This method is a simulation.");
  } else if (link.active()) {
    text = tr("Device successfully connected");
  } else {
    text = tr("Warning! Device is not connected. Press \"Setup connection\" to fix it.");
  }
  connection_->setText(text);
  setupConnection_->setEnabled(!link.resetting());
}

void TMWizForm::showCellPage() {
  const TWizRunSettings& s = interp_->Settings();
  const char* cell = TVAStruct::ConjunctionTypeCaption(s.ConjunctionType);
  cellType_->setText(tr("Cell type:") + u' ' + (cell && *cell ? catalogue(cell) : QStringLiteral("-")));
  const char* electrode = s.ElectrodeType >= 0 ? ElectrodeCaption(s.ElectrodeType) : nullptr;
  electrode_->setText(tr("Working electrode:") + u' ' + (electrode ? catalogue(electrode) : QStringLiteral("-")));
  filling_ = true;
  parallel_->setValue(std::clamp(s.ParallelSamples, 1, 3));
  const bool additionsShown = s.CalculationMethod >= 0 && s.CalculationMethod < 3;
  additionsLabel_->setVisible(additionsShown);
  additions_->setVisible(additionsShown);
  additions_->setEnabled(s.CalculationMethod != 2);
  additions_->setCurrentIndex(std::clamp(s.AdditionsCount, 1, 3) - 1);
  control_->setVisible(s.ControlSolutionOption > 0);
  control_->setChecked(s.ControlSolutionOption > 0);
  control_->setEnabled(s.ControlSolutionOption == 2);
  filling_ = false;
  refreshConnection();
  DeviceLink& link = window_.deviceLink();
  if (!link.active() && !s.Simulation && !link.resetting()) {
    if (QAction* reset = window_.action("ResetActn")) reset->trigger();
  }
}

// --- Program input ---------------------------------------------------------------------------

QString TMWizForm::passInstructions() const {
  const TWizRunSettings& s = interp_->Settings();
  QStringList lines;
  if (!s.ActivationMode) lines << tr("Parallel sample %1 of %2").arg(s.CompletedSamples + 1).arg(s.ParallelSamples);
  const QString clear = tr("Clear the cell. ");
  const QString same = tr("You must use exactly the same parameters for the analyzed sample.");
  if (s.ActivationMode) {
    lines << tr("Pour the prepared activation solution (%1) into the cell.").arg(UiText::fromStd(s.Activation.Name));
  } else if (s.CycleCounter == -1) {
    lines << (s.CompletedSamples > 0 ? clear : QString()) + tr("Pour the prepared control solution into the cell.");
    lines << tr("Check parameters in table below and correct if necessary.") << same;
    if (s.ControlSolutionOption == 2) lines << tr("You can skip this step.");
  } else if (s.CycleCounter == 0) {
    const bool afterControl = s.ControlSolutionOption > 0;
    lines << (afterControl || s.CompletedSamples > 0 ? clear : QString()) +
                 tr("Pour the prepared solution of the sample into the cell.");
    if (afterControl) lines << same;
  } else if (s.CalculationMethod == 3) {
    lines << tr("Pour the prepared reference solution into the cell.");
  } else {
    lines << tr("Add the standard solution into the cell.");
  }
  lines << tr("Dip electrodes into prepared solution.") << tr("Press the Next button when ready.");
  return lines.join(u'\n');
}

void TMWizForm::fillPropertyTable() {
  const TWizRunSettings& s = interp_->Settings();
  filling_ = true;
  properties_->setRowCount(0);
  rowKinds_.clear();
  auto add = [this](const QString& name, const QString& value, int kind, bool editable) {
    const int row = properties_->rowCount();
    properties_->insertRow(row);
    auto* key = new QTableWidgetItem(name);
    key->setFlags(Qt::ItemIsEnabled);
    auto* item = new QTableWidgetItem(value);
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled);
    properties_->setItem(row, 0, key);
    properties_->setItem(row, 1, item);
    rowKinds_.push_back(kind);
  };
  auto number = [](double v) { return v < 0.0 ? QStringLiteral("?") : UiText::fromStd(FormatShortest(v)); };
  auto tableRow = [&](const QString& name, int index, bool editable) {
    add(name, number(s.CalcTable[static_cast<std::size_t>(index)]), index, editable);
  };
  const bool repeated = s.RepetitionCount > 0;
  if (s.ActivationMode) {
    add(tr("Activation solution volume, cm^3^"), number(s.Activation.Volume), kRowActivationVolume, false);
  } else if (s.CycleCounter <= 0) {
    const bool editable = s.CycleCounter == -1 || (s.ControlSolutionOption == 0 && !repeated);
    add(tr("Sample name"), UiText::fromStd(sampleName_), kRowSampleName, editable);
    // A result per mass of sample needs the ashed mass and the volume of its
    // solution, whether or not the script gave them already.
    if (ConcUnits::IsMass(s.Units[3]) || s.CalcTable[kTableAshingMass] > 0.0) {
      tableRow(tr("Mass of sample taken for ashing, g"), kTableAshingMass, editable);
      tableRow(tr("Volume of solution obtained after dissolving of ash, cm^3^"), kTableAshSolutionVolume, editable);
    }
    tableRow(tr("Volume of sample taken for analyte preparation, cm^3^"), kTableSampleVolume, editable);
    tableRow(tr("Volume of analyte prepared, cm^3^"), kTableAnalyteVolume, editable);
    tableRow(tr("Volume of analyte poured into the cell, cm^3^"), kTableAnalyteInCell, editable);
    tableRow(tr("Preliminary dilution of sample. If none then enter 1."), kTableDilution, editable);
  } else if (s.CalculationMethod == 3) {
    tableRow(tr("Reference, cm^3^"), kTableReference, !repeated);
  } else if (s.CycleCounter <= 3) {
    const int k = s.CycleCounter;
    tableRow(tr("Addition %1, cm^3^").arg(k), kTableAddition1 + k - 1, !repeated);
    if (k == 1) {
      const char* top = ConcUnits::Caption(s.Units[0]);
      const char* bottom = ConcUnits::Caption(s.Units[1]);
      for (std::size_t i = 0; i < s.PredefinedPeaks.size(); ++i) {
        const TPredefPeak& peak = s.PredefinedPeaks[i];
        add(tr("C(%1), %2/%3")
                .arg(UiText::fromStd(peak.Name), top ? catalogue(top) : QStringLiteral("?"),
                     bottom ? catalogue(bottom) : QStringLiteral("?")),
            number(peak.AdditionConc), kRowPeakConc + static_cast<int>(i), !repeated);
      }
    }
  }
  filling_ = false;
}

void TMWizForm::propertyEdited(int row) {
  if (row < 0 || row >= static_cast<int>(rowKinds_.size())) return;
  const int kind = rowKinds_[static_cast<std::size_t>(row)];
  const std::string text = UiText::toStd(properties_->item(row, 1)->text().trimmed());
  if (kind == kRowSampleName) {
    setSampleName(text);
    return;
  }
  const double value = ReadNumber(text, -1.0);
  if (kind >= 0 && kind <= static_cast<int>(kTableReference)) {
    interp_->EditSettings([kind, value](TWizRunSettings& s) { s.CalcTable[static_cast<std::size_t>(kind)] = value; });
  } else if (kind >= kRowPeakConc && kind < kRowActivationVolume) {
    const auto index = static_cast<std::size_t>(kind - kRowPeakConc);
    interp_->EditSettings([index, value](TWizRunSettings& s) {
      if (index < s.PredefinedPeaks.size()) s.PredefinedPeaks[index].AdditionConc = value;
    });
  }
}

void TMWizForm::showProgramPage() {
  const TWizRunSettings& s = interp_->Settings();
  // The role of the pass the page stands on.
  if (s.ActivationMode || s.CycleCounter < 0) {
    interp_->SetPassMeasurementType(0);
  } else if (s.CycleCounter == 0) {
    interp_->SetPassMeasurementType(1);
  } else if (s.CalculationMethod == 3) {
    interp_->SetPassMeasurementType(5);
  } else if (s.CycleCounter <= 3) {
    interp_->SetPassMeasurementType(s.CycleCounter + 1);
  }
  instructions_->setText(passInstructions());
  filling_ = true;
  loops_->setValue(std::clamp(s.LoopsCount, 1, 2000));
  filling_ = false;
  fillPropertyTable();
  const bool canChange = interp_->CanChangePrograms();
  change_->setEnabled(canChange);
  reset_->setEnabled(canChange);
  programNote_->setText(canChange ? tr("You can modify measurement program")
                                  : tr("You can NOT modify measurement program"));
}

void TMWizForm::ChangeProgramClick() {
  if (!interp_->CanChangePrograms()) return;
  // The run's programs, edited in place of the editor's own: its tool bar
  // stays off (only the wizard records its passes) and the compact view
  // follows the method's controls visibility.
  TOldStyleRecordForm& editor = window_.recordParameters().form();
  TOldStyleRecordForm::ModalEdit how;
  how.toolBar = false;
  how.compactView = interp_->Settings().ControlsVisibility > 0;
  const TVAProgramsArray edited = editor.EditProgramsModally(interp_->Settings().Programs, how);
  if (!(edited == interp_->Settings().Programs)) interp_->ChangePrograms(edited);
  fillPropertyTable();
}

void TMWizForm::ResetProgramClick() {
  if (!interp_->CanChangePrograms()) return;
  interp_->ResetPrograms();
}

// --- Recording status ------------------------------------------------------------------------

void TMWizForm::showRecordingPage() {
  const TWizRunSettings& s = interp_->Settings();
  clearLive();
  if (s.Simulation) {
    // The replay: ten steps of 100 ms, then the recording is handed over.
    progress_->setRange(0, 10);
    progress_->setValue(0);
    showTimeLeft(1);
    stageLabel_->setText(tr("Current stage: %1").arg(tr("simulation")));
    if (s.RecordingInProgress) {
      replayTicks_ = 0;
      replayTimer_.start();
    }
    return;
  }
  RecordingReceiver& receiver = window_.recordingReceiver();
  const auto total = std::max<std::int64_t>(1, receiver.totalSecondsLeft());
  progress_->setRange(0, static_cast<int>(total));
  progress_->setValue(0);
  stageLabel_->setText(tr("Current stage: %1").arg(receiver.statusText()));
  showTimeLeft(receiver.totalSecondsLeft());
  // What the running voltammogram has brought so far.
  addLive(receiver.liveCurve());
}

CurvePlottable* TMWizForm::liveTrace() const { return qobject_cast<CurvePlottable*>(liveChart_->plottable(0)); }

void TMWizForm::clearLive() {
  liveEnded_ = false;
  liveTrace()->clearPoints();
  liveChart_->replot(QCustomPlot::rpQueuedReplot);
}

void TMWizForm::addLive(const TDataArr& points) {
  if (points.empty()) return;
  liveTrace()->appendPoints(points);
  liveChart_->rescaleAxes();
  liveChart_->replot(QCustomPlot::rpQueuedReplot);
}

void TMWizForm::addLive(const TRecPoints& batch) {
  TDataArr points;
  points.reserve(batch.size());
  for (const TRecPoint& p : batch) points.push_back({p.X, p.Y});
  addLive(points);
}

void TMWizForm::showTimeLeft(std::int64_t seconds) {
  seconds = std::max<std::int64_t>(0, seconds);
  const QString time = seconds < 60 ? tr("%1 s").arg(seconds) : RecordingReceiver::formatSeconds(seconds);
  timeLeft_->setText(tr("Time left: %1").arg(time));
}

// --- Texts -----------------------------------------------------------------------------------

void TMWizForm::retranslateUi() {
  setWindowTitle(tr("Measurement wizard"));
  stagesTitle_->setText(tr("Analysis stages"));
  help_->setText(tr("Help"));
  next_->setText(tr("Next"));
  simulationNote_->setText(tr("Simulation: the curves of this run are replayed data, not measurements."));
  welcomeText_->setText(tr("Choose the method in the list and press the Next button."));
  methodsTitle_->setText(tr("Methods list"));
  delete_->setText(tr("Delete"));
  cellText_->setText(tr("Assemble the cell and connect electrodes to jacks according to the manual."));
  cellReady_->setText(tr("Press the Next button when ready."));
  static_cast<QGroupBox*>(optionsGroup_)->setTitle(tr("Method options"));
  parallelLabel_->setText(tr("Number of parallel samples:"));
  additionsLabel_->setText(tr("Number of standard additions:"));
  control_->setText(tr("Record control solution voltammogram"));
  setupConnection_->setText(tr("Setup connection"));
  loopsLabel_->setText(tr("Number of repetitions of a single measurement:"));
  properties_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
  change_->setText(tr("Change"));
  reset_->setText(tr("Reset to default"));
  progressText_->setText(tr("Analysis in progress..."));
  liveChart_->xAxis->setLabel(tr("mV"));
  liveChart_->yAxis->setLabel(tr("µA"));
  retranslateChartPages();
  // A closed wizard keeps nothing to show; an open one shows its page again
  // in the new language. The report page is not rebuilt: that would redo
  // the report, and its own texts follow the language by themselves.
  if (isVisible() && interp_->Settings().ProgramCounter >= 0) {
    buildStageTree();
    MarkStage(interp_->CurrentStage());
    if (currentPage() != kReport) ShowPage(currentPage());
  }
  updateButtons();
}

}  // namespace velmora
