#include "RecordFormWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "Messages.h"
#include "NumericEditFilter.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

namespace {

QLineEdit* numberEdit(QWidget* parent, NumericEditFilter* filter, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(80);
  e->setMinimumWidth(60);
  e->installEventFilter(filter);
  return e;
}

QLabel* label(QWidget* parent) { return new QLabel(parent); }

QSpinBox* spin(QWidget* parent, const char* name, int min, int max) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(min, max);
  s->setKeyboardTracking(false);
  s->setMinimumWidth(70);
  return s;
}

QComboBox* list(QWidget* parent, const char* name, int items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  for (int i = 0; i < items; ++i) c->addItem(QString());
  return c;
}

QGroupBox* group(QWidget* parent, const char* name) {
  auto* g = new QGroupBox(parent);
  g->setObjectName(QString::fromLatin1(name));
  return g;
}

void setTexts(QComboBox* c, const QStringList& texts) {
  for (int i = 0; i < texts.size() && i < c->count(); ++i) c->setItemText(i, texts[i]);
}

QString catalogue(const char* text) { return UiText::message(Message(text)); }

}  // namespace

RecordFormWidgets::RecordFormWidgets(QWidget* owner) : owner_(owner), numericFilter_(new NumericEditFilter(owner)) {
  QWidget* w = owner;
  auto* root = new QVBoxLayout(w);
  root->setContentsMargins(4, 4, 4, 4);
  root->setSpacing(4);

  toolBar = new QToolBar(w);
  toolBar->setObjectName(QStringLiteral("ToolBar"));
  toolBar->setIconSize(QSize(20, 20));
  toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  electrodeDownAction = toolBar->addAction(QString());
  electrodeDownAction->setObjectName(QStringLiteral("ElectrodeDownActn"));
  electrodeUpAction = toolBar->addAction(QString());
  electrodeUpAction->setObjectName(QStringLiteral("ElectrodeUpActn"));
  samplerCellList = list(w, "SamplerCellList", 15);
  for (int i = 0; i < 15; ++i) samplerCellList->setItemText(i, QString::number(i + 1));
  toolBar->addWidget(samplerCellList);
  toolBarSeparator = toolBar->addSeparator();
  tableAction = toolBar->addAction(QString());
  tableAction->setObjectName(QStringLiteral("TableActn"));
  tableAction->setCheckable(true);
  compactAction = toolBar->addAction(QString());
  compactAction->setObjectName(QStringLiteral("CompactViewActn"));
  compactAction->setCheckable(true);
  root->addWidget(toolBar);

  auto* body = new QHBoxLayout();
  body->setSpacing(6);
  root->addLayout(body, 1);
  auto* left = new QVBoxLayout();
  auto* middle = new QVBoxLayout();
  auto* right = new QVBoxLayout();
  body->addLayout(left);
  body->addLayout(middle);
  body->addLayout(right);

  // --- navigation -------------------------------------------------------------
  programGroup = group(w, "ProgramGroup");
  {
    auto* g = new QGridLayout(programGroup);
    programCountLabel = label(programGroup);
    currentProgramLabel = label(programGroup);
    programToCopyLabel = label(programGroup);
    programLengthLabel = label(programGroup);
    currentStepLabel = label(programGroup);
    stepToCopyLabel = label(programGroup);
    programCount = spin(programGroup, "ProgramCount", 1, 1000);
    currentProgram = spin(programGroup, "CurrentProgram", 1, 1);
    programToCopy = spin(programGroup, "ProgramToCopy", 1, 1);
    programLength = spin(programGroup, "ProgramLength", 1, 1000);
    currentStep = spin(programGroup, "CurrentStep", 1, 1);
    stepToCopy = spin(programGroup, "StepToCopy", 1, 1);
    copyProgramButton = new QPushButton(programGroup);
    copyProgramButton->setObjectName(QStringLiteral("CopyProgramButton"));
    copyStepButton = new QPushButton(programGroup);
    copyStepButton->setObjectName(QStringLiteral("CopyStepButton"));
    insertStepButton = new QPushButton(programGroup);
    insertStepButton->setObjectName(QStringLiteral("InsertStepButton"));
    removeStepButton = new QPushButton(programGroup);
    removeStepButton->setObjectName(QStringLiteral("RemoveStepButton"));
    openButton = new QPushButton(programGroup);
    openButton->setObjectName(QStringLiteral("OpenButton"));
    saveButton = new QPushButton(programGroup);
    saveButton->setObjectName(QStringLiteral("SaveButton"));
    tableButton = new QPushButton(programGroup);
    tableButton->setObjectName(QStringLiteral("TableButton"));
    int r = 0;
    g->addWidget(programCountLabel, r, 0);
    g->addWidget(programCount, r++, 1);
    g->addWidget(currentProgramLabel, r, 0);
    g->addWidget(currentProgram, r++, 1);
    g->addWidget(programToCopyLabel, r, 0);
    g->addWidget(programToCopy, r++, 1);
    g->addWidget(copyProgramButton, r++, 0, 1, 2);
    g->addWidget(programLengthLabel, r, 0);
    g->addWidget(programLength, r++, 1);
    g->addWidget(currentStepLabel, r, 0);
    g->addWidget(currentStep, r++, 1);
    g->addWidget(stepToCopyLabel, r, 0);
    g->addWidget(stepToCopy, r++, 1);
    g->addWidget(copyStepButton, r++, 0, 1, 2);
    g->addWidget(insertStepButton, r++, 0, 1, 2);
    g->addWidget(removeStepButton, r++, 0, 1, 2);
    auto* files = new QHBoxLayout();
    files->addWidget(openButton);
    files->addWidget(saveButton);
    g->addLayout(files, r++, 0, 1, 2);
    g->addWidget(tableButton, r++, 0, 1, 2);
  }
  left->addWidget(programGroup);

  runGroup = group(w, "RunGroup");
  {
    auto* g = new QGridLayout(runGroup);
    loopsLabel = label(runGroup);
    loopsCount = spin(runGroup, "LoopsCount", 1, 2000);
    currentRestriction = new QCheckBox(runGroup);
    currentRestriction->setObjectName(QStringLiteral("CurrentRestriction"));
    currentLimit = new QLineEdit(runGroup);
    currentLimit->setObjectName(QStringLiteral("CurrentLimit"));
    currentLimit->setAlignment(Qt::AlignRight);
    currentLimit->setMaximumWidth(80);
    currentLimit->installEventFilter(numericFilter_);
    currentLimitUnit = label(runGroup);
    shutDown = new QCheckBox(runGroup);
    shutDown->setObjectName(QStringLiteral("ShutDown"));
    currentControl = new QCheckBox(runGroup);
    currentControl->setObjectName(QStringLiteral("CurrentControl"));
    currentControl->hide();
    g->addWidget(loopsLabel, 0, 0);
    g->addWidget(loopsCount, 0, 1, 1, 2);
    g->addWidget(currentRestriction, 1, 0);
    g->addWidget(currentLimit, 1, 1);
    g->addWidget(currentLimitUnit, 1, 2);
    g->addWidget(shutDown, 2, 0, 1, 3);
  }
  left->addWidget(runGroup);
  left->addStretch(1);

  // --- potentials and times ----------------------------------------------------
  stagesGroup = group(w, "StagesGroup");
  {
    auto* g = new QGridLayout(stagesGroup);
    auto row = [&](int r, QLabel*& potLabel, QLineEdit*& pot, const char* potName, QLabel*& timeLabel, QLineEdit*& time,
                   const char* timeName, QList<QWidget*>& all) {
      potLabel = label(stagesGroup);
      pot = numberEdit(stagesGroup, numericFilter_, potName);
      auto* mv = label(stagesGroup);
      mvUnits_ << mv;
      timeLabel = label(stagesGroup);
      time = numberEdit(stagesGroup, numericFilter_, timeName);
      auto* sec = label(stagesGroup);
      secUnits_ << sec;
      g->addWidget(potLabel, r, 0);
      g->addWidget(pot, r, 1);
      g->addWidget(mv, r, 2);
      g->addWidget(timeLabel, r, 3);
      g->addWidget(time, r, 4);
      g->addWidget(sec, r, 5);
      all = {potLabel, pot, mv, timeLabel, time, sec};
    };
    row(0, cleaningLabel, cleaningPotential, "CleaningPotential", cleaningTimeLabel, cleaningTime, "CleaningTime",
        cleaningRow);
    row(1, preparation1Label, preparation1Potential, "Preparation1Potential", preparation1TimeLabel, preparation1Time,
        "Preparation1Time", preparation1Row);
    row(2, preparation2Label, preparation2Potential, "Preparation2Potential", preparation2TimeLabel, preparation2Time,
        "Preparation2Time", preparation2Row);
    row(3, electrolysisLabel, electrolysisPotential, "ElectrolysisPotential", electrolysisTimeLabel, electrolysisTime,
        "ElectrolysisTime", electrolysisRow);
  }
  middle->addWidget(stagesGroup);

  sweepGroup = group(w, "SweepGroup");
  {
    auto* g = new QGridLayout(sweepGroup);
    rateLabel = label(sweepGroup);
    startLabel = label(sweepGroup);
    endLabel = label(sweepGroup);
    rateUnit = label(sweepGroup);
    startUnit = label(sweepGroup);
    endUnit = label(sweepGroup);
    rateEdit = numberEdit(sweepGroup, numericFilter_, "RateEdit");
    startEdit = numberEdit(sweepGroup, numericFilter_, "StartEdit");
    endEdit = numberEdit(sweepGroup, numericFilter_, "EndEdit");
    g->addWidget(rateLabel, 0, 0);
    g->addWidget(rateEdit, 0, 1);
    g->addWidget(rateUnit, 0, 2);
    g->addWidget(startLabel, 1, 0);
    g->addWidget(startEdit, 1, 1);
    g->addWidget(startUnit, 1, 2);
    g->addWidget(endLabel, 2, 0);
    g->addWidget(endEdit, 2, 1);
    g->addWidget(endUnit, 2, 2);
    g->setColumnStretch(3, 1);
  }
  auto* sweepRow = new QHBoxLayout();
  sweepRow->addWidget(sweepGroup, 1);
  auto* lists = new QVBoxLayout();
  rangeGroup = group(w, "RangeGroup");
  rangeList = list(rangeGroup, "RangeList", 5);
  (new QVBoxLayout(rangeGroup))->addWidget(rangeList);
  conjunctionGroup = group(w, "ConjunctionGroup");
  conjunctionList = list(conjunctionGroup, "ConjunctionList", 3);
  (new QVBoxLayout(conjunctionGroup))->addWidget(conjunctionList);
  measurementGroup = group(w, "MeasurementGroup");
  measurementList = list(measurementGroup, "MeasurementList", 6);
  (new QVBoxLayout(measurementGroup))->addWidget(measurementList);
  lists->addWidget(rangeGroup);
  lists->addWidget(conjunctionGroup);
  lists->addWidget(measurementGroup);
  sweepRow->addLayout(lists, 1);
  middle->addLayout(sweepRow);

  commentGroup = group(w, "CommentGroup");
  commentEdit = new QLineEdit(commentGroup);
  commentEdit->setObjectName(QStringLiteral("CommentEdit"));
  commentEdit->setMaxLength(64);
  (new QVBoxLayout(commentGroup))->addWidget(commentEdit);
  middle->addWidget(commentGroup);

  samplerGroup = group(w, "SamplerGroup");
  {
    auto* g = new QHBoxLayout(samplerGroup);
    cellLabel = label(samplerGroup);
    cellList = list(samplerGroup, "CellList", 16);
    cellList->setItemText(0, QStringLiteral("---"));
    for (int i = 1; i <= 15; ++i) cellList->setItemText(i, QString::number(i));
    electrodeDownCheck = new QCheckBox(samplerGroup);
    electrodeDownCheck->setObjectName(QStringLiteral("ElectrodeDownCheck"));
    electrodeUpCheck = new QCheckBox(samplerGroup);
    electrodeUpCheck->setObjectName(QStringLiteral("ElectrodeUpCheck"));
    g->addWidget(cellLabel);
    g->addWidget(cellList);
    g->addWidget(electrodeDownCheck);
    g->addWidget(electrodeUpCheck);
    g->addStretch(1);
  }
  middle->addWidget(samplerGroup);
  middle->addStretch(1);

  // --- right column ----------------------------------------------------------------
  mixerGroup = group(w, "MixerGroup");
  {
    auto* g = new QGridLayout(mixerGroup);
    mixerCheck = new QCheckBox(mixerGroup);
    mixerCheck->setObjectName(QStringLiteral("MixerCheck"));
    mixerDelayLabel = label(mixerGroup);
    mixerDelayLabel->setWordWrap(true);
    mixerDelay = numberEdit(mixerGroup, numericFilter_, "MixerDelay");
    mixerModeLabel = label(mixerGroup);
    mixerModeList = list(mixerGroup, "MixerModeList", 4);
    speedLabel = label(mixerGroup);
    speedSpin = spin(mixerGroup, "SpeedSpin", 100, 2000);
    speedSpin->setSingleStep(100);
    speedSpin->setValue(1000);
    g->addWidget(mixerCheck, 0, 0, 1, 2);
    g->addWidget(mixerDelayLabel, 1, 0);
    g->addWidget(mixerDelay, 1, 1);
    g->addWidget(mixerModeLabel, 2, 0);
    g->addWidget(mixerModeList, 2, 1);
    g->addWidget(speedLabel, 3, 0);
    g->addWidget(speedSpin, 3, 1);
  }
  right->addWidget(mixerGroup);

  retentionGroup = group(w, "RetentionGroup");
  {
    auto* g = new QHBoxLayout(retentionGroup);
    retentionCheck = new QCheckBox(retentionGroup);
    retentionCheck->setObjectName(QStringLiteral("RetentionCheck"));
    retentionPotential = numberEdit(retentionGroup, numericFilter_, "RetentionPotential");
    g->addWidget(retentionCheck);
    g->addWidget(retentionPotential);
    g->addStretch(1);
  }
  right->addWidget(retentionGroup);

  modulationGroup = group(w, "ModulationGroup");
  {
    auto* g = new QGridLayout(modulationGroup);
    modulationCheck = new QCheckBox(modulationGroup);
    modulationCheck->setObjectName(QStringLiteral("ModulationCheck"));
    amplitudeLabel = label(modulationGroup);
    frequencyLabel = label(modulationGroup);
    modulationAmplitude = numberEdit(modulationGroup, numericFilter_, "ModulationAmplitude");
    modulationFrequency = numberEdit(modulationGroup, numericFilter_, "ModulationFrequency");
    g->addWidget(modulationCheck, 0, 0, 1, 2);
    g->addWidget(amplitudeLabel, 1, 0);
    g->addWidget(modulationAmplitude, 1, 1);
    g->addWidget(frequencyLabel, 2, 0);
    g->addWidget(modulationFrequency, 2, 1);
  }
  right->addWidget(modulationGroup);

  cycleGroup = group(w, "CycleGroup");
  {
    auto* g = new QGridLayout(cycleGroup);
    cycleCheck = new QCheckBox(cycleGroup);
    cycleCheck->setObjectName(QStringLiteral("CycleCheck"));
    cycleCountLabel = label(cycleGroup);
    skipCyclesLabel = label(cycleGroup);
    cycleTypeLabel = label(cycleGroup);
    cycleCount = numberEdit(cycleGroup, numericFilter_, "CycleCount");
    skipCycles = numberEdit(cycleGroup, numericFilter_, "SkipCycles");
    cycleTypeList = list(cycleGroup, "CycleTypeList", 2);
    g->addWidget(cycleCheck, 0, 0, 1, 2);
    g->addWidget(cycleCountLabel, 1, 0);
    g->addWidget(cycleCount, 1, 1);
    g->addWidget(skipCyclesLabel, 2, 0);
    g->addWidget(skipCycles, 2, 1);
    g->addWidget(cycleTypeLabel, 3, 0);
    g->addWidget(cycleTypeList, 3, 1);
  }
  right->addWidget(cycleGroup);

  timeGroup = group(w, "TimeGroup");
  {
    auto* g = new QVBoxLayout(timeGroup);
    timeModeCheck = new QCheckBox(timeGroup);
    timeModeCheck->setObjectName(QStringLiteral("TimeModeCheck"));
    timeModeList = list(timeGroup, "TimeModeList", 5);
    g->addWidget(timeModeCheck);
    g->addWidget(timeModeList);
  }
  right->addWidget(timeGroup);

  tuningGroup = group(w, "TuningGroup");
  {
    auto* g = new QGridLayout(tuningGroup);
    compensationLabel = label(tuningGroup);
    filterLabel = label(tuningGroup);
    compensationSpin = spin(tuningGroup, "CompensationSpin", 0, 127);
    filterSpin = spin(tuningGroup, "FilterSpin", 0, 30);
    g->addWidget(compensationLabel, 0, 0);
    g->addWidget(compensationSpin, 0, 1);
    g->addWidget(filterLabel, 1, 0);
    g->addWidget(filterSpin, 1, 1);
  }
  right->addWidget(tuningGroup);
  right->addStretch(1);
}

QList<QLineEdit*> RecordFormWidgets::stepEdits() const {
  return {rateEdit,
          startEdit,
          endEdit,
          cleaningPotential,
          cleaningTime,
          preparation1Potential,
          preparation1Time,
          preparation2Potential,
          preparation2Time,
          electrolysisPotential,
          electrolysisTime,
          mixerDelay,
          retentionPotential,
          modulationAmplitude,
          modulationFrequency,
          cycleCount,
          skipCycles};
}

void RecordFormWidgets::retranslate() {
  electrodeDownAction->setText(tr("Electrode down"));
  electrodeUpAction->setText(tr("Electrode up"));
  samplerCellList->setToolTip(tr("Autosampler cell number"));
  tableAction->setText(tr("Table"));
  tableAction->setToolTip(tr("Show or hide the program table"));
  compactAction->setText(tr("Compact view"));
  compactAction->setToolTip(tr("Show only the groups the current step uses"));

  programGroup->setTitle(tr("Program"));
  programCountLabel->setText(tr("Number of programs"));
  currentProgramLabel->setText(tr("Current program"));
  programToCopyLabel->setText(tr("Program to copy"));
  programLengthLabel->setText(tr("Program length"));
  currentStepLabel->setText(tr("Current step"));
  stepToCopyLabel->setText(tr("Step to copy"));
  copyProgramButton->setText(tr("Copy program"));
  copyStepButton->setText(tr("Copy step"));
  insertStepButton->setText(tr("Insert before current step"));
  removeStepButton->setText(tr("Remove current step"));
  openButton->setText(tr("Open..."));
  openButton->setToolTip(tr("Open a program file"));
  saveButton->setText(tr("Save..."));
  saveButton->setToolTip(tr("Save the programs to a file"));
  tableButton->setText(tr("Show/hide table"));

  runGroup->setTitle(tr("Run"));
  loopsLabel->setText(tr("Loops count"));
  currentRestriction->setText(tr("Current restiction"));
  currentLimitUnit->setText(tr("µA"));
  shutDown->setText(tr("Shut down"));
  shutDown->setToolTip(tr("Shut down computer after program execution"));
  currentControl->setText(tr("Current control"));

  stagesGroup->setTitle(tr("Potentials and times"));
  cleaningLabel->setText(tr("Cleaning voltage"));
  cleaningTimeLabel->setText(tr("Cleaning time"));
  preparation1Label->setText(tr("Preparation 1 voltage"));
  preparation1TimeLabel->setText(tr("Preparation 1 time"));
  preparation2Label->setText(tr("Preparation 2 voltage"));
  preparation2TimeLabel->setText(tr("Preparation 2 time"));
  electrolysisLabel->setText(tr("Electrolysis voltage"));
  electrolysisTimeLabel->setText(tr("Electrolysis time"));
  for (QLabel* l : std::as_const(mvUnits_)) l->setText(catalogue(msg::RecUnitMv));
  for (QLabel* l : std::as_const(secUnits_)) l->setText(catalogue(msg::RecUnitSec));

  sweepGroup->setTitle(tr("Sweep"));
  rangeGroup->setTitle(tr("Range"));
  rangeList->setToolTip(tr("ADC working range"));
  setTexts(rangeList,
           {tr("0.2 µA/20  nA"), tr("2   µA/0.2 µA"), tr("20  µA/2   µA"), tr("200 µA/20  µA"), tr("2   mA/200 µA")});
  conjunctionGroup->setTitle(tr("Conjunction type"));
  conjunctionList->setToolTip(tr("Voltammetry cell type"));
  setTexts(conjunctionList,
           {catalogue(msg::Conjunction2x), catalogue(msg::Conjunction3x), catalogue(msg::Conjunction4x)});
  measurementGroup->setTitle(tr("Measurment type"));
  QStringList types;
  for (int i = 0; i < 6; ++i) types << catalogue(TVAStruct::MeasurementTypeCaption(i));
  setTexts(measurementList, types);

  mixerGroup->setTitle(tr("Mixer"));
  mixerCheck->setText(tr("Mixer"));
  mixerDelayLabel->setText(tr("Mixer timeout before measurement start"));
  mixerModeLabel->setText(tr("Mixer mode"));
  setTexts(mixerModeList, {tr("Mixer"), tr("Regulated mixer"), tr("Regulated electrode"), tr("Rotating electrode")});
  speedLabel->setText(tr("Rotation speed (rpm)"));

  retentionGroup->setTitle(tr("Retention"));
  retentionCheck->setText(tr("Retention, mV"));
  retentionPotential->setToolTip(tr("Retention potential"));

  modulationCheck->setText(tr("Modulation on/off"));
  amplitudeLabel->setText(tr("Modulation amplitude"));
  frequencyLabel->setText(tr("Modulation frequency"));

  cycleGroup->setTitle(tr("Cycle"));
  cycleCheck->setText(tr("Cycle on/off"));
  cycleCountLabel->setText(tr("Number of cycles to record"));
  skipCyclesLabel->setText(tr("Number of cycles to skip"));
  cycleTypeLabel->setText(tr("Cycle type"));
  setTexts(cycleTypeList, {tr("Half"), tr("Full")});

  timeGroup->setTitle(tr("Time"));
  timeModeCheck->setText(tr("Set measurement type vs time"));
  setTexts(timeModeList, {tr("I(t)"), tr("U(t) I=const"), tr("U(t)"), tr("Activation"), tr("Impuls(t)")});

  commentGroup->setTitle(tr("Measurement comments"));
  samplerGroup->setTitle(tr("Autosampler"));
  cellLabel->setText(tr("Cell number"));
  electrodeDownCheck->setText(tr("Set electrode down"));
  electrodeUpCheck->setText(tr("Set electrode up"));

  tuningGroup->setTitle(tr("Input"));
  compensationLabel->setText(tr("Compensation"));
  filterLabel->setText(tr("Input filter"));
  (void)owner_;
}

}  // namespace velmora
