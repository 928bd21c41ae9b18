#pragma once

#include <QCoreApplication>
#include <QList>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolBar;
class QWidget;

namespace velmora {

class NumericEditFilter;

// The controls of the "Record parameters" window, built and captioned in
// one place. The window's behaviour is TOldStyleRecordForm's; this only
// lays out, names (object names follow the controls' roles) and
// translates.
class RecordFormWidgets {
  Q_DECLARE_TR_FUNCTIONS(velmora::TOldStyleRecordForm)
 public:
  // Builds every control into `owner`.
  explicit RecordFormWidgets(QWidget* owner);
  void retranslate();
  // Every numeric edit of a step field.
  QList<QLineEdit*> stepEdits() const;

  QToolBar* toolBar = nullptr;
  QAction* electrodeDownAction = nullptr;
  QAction* electrodeUpAction = nullptr;
  QComboBox* samplerCellList = nullptr;  // toolbar "1".."15"
  QAction* tableAction = nullptr;
  QAction* compactAction = nullptr;
  QAction* toolBarSeparator = nullptr;  // main window actions go before it

  // Sweep.
  QGroupBox* sweepGroup = nullptr;
  QLabel *rateLabel = nullptr, *rateUnit = nullptr, *startLabel = nullptr, *startUnit = nullptr;
  QLabel *endLabel = nullptr, *endUnit = nullptr;
  QLineEdit *rateEdit = nullptr, *startEdit = nullptr, *endEdit = nullptr;
  // Potentials and times.
  QGroupBox* stagesGroup = nullptr;
  QList<QWidget*> cleaningRow, preparation1Row, preparation2Row, electrolysisRow;
  QLineEdit *cleaningPotential = nullptr, *cleaningTime = nullptr;
  QLineEdit *preparation1Potential = nullptr, *preparation1Time = nullptr;
  QLineEdit *preparation2Potential = nullptr, *preparation2Time = nullptr;
  QLineEdit *electrolysisPotential = nullptr, *electrolysisTime = nullptr;
  QLabel *cleaningLabel = nullptr, *cleaningTimeLabel = nullptr, *preparation1Label = nullptr,
         *preparation1TimeLabel = nullptr, *preparation2Label = nullptr, *preparation2TimeLabel = nullptr,
         *electrolysisLabel = nullptr, *electrolysisTimeLabel = nullptr;
  // Lists.
  QGroupBox* rangeGroup = nullptr;
  QComboBox* rangeList = nullptr;
  QGroupBox* conjunctionGroup = nullptr;
  QComboBox* conjunctionList = nullptr;
  QGroupBox* measurementGroup = nullptr;
  QComboBox* measurementList = nullptr;
  // Mixer.
  QGroupBox* mixerGroup = nullptr;
  QCheckBox* mixerCheck = nullptr;
  QLabel* mixerDelayLabel = nullptr;
  QLineEdit* mixerDelay = nullptr;
  QLabel* mixerModeLabel = nullptr;
  QComboBox* mixerModeList = nullptr;
  QLabel* speedLabel = nullptr;
  QSpinBox* speedSpin = nullptr;
  // Retention.
  QGroupBox* retentionGroup = nullptr;
  QCheckBox* retentionCheck = nullptr;
  QLineEdit* retentionPotential = nullptr;
  // Modulation.
  QGroupBox* modulationGroup = nullptr;
  QCheckBox* modulationCheck = nullptr;
  QLabel *amplitudeLabel = nullptr, *frequencyLabel = nullptr;
  QLineEdit *modulationAmplitude = nullptr, *modulationFrequency = nullptr;
  // Cycle.
  QGroupBox* cycleGroup = nullptr;
  QCheckBox* cycleCheck = nullptr;
  QLabel *cycleCountLabel = nullptr, *skipCyclesLabel = nullptr, *cycleTypeLabel = nullptr;
  QLineEdit *cycleCount = nullptr, *skipCycles = nullptr;
  QComboBox* cycleTypeList = nullptr;
  // Time modes.
  QGroupBox* timeGroup = nullptr;
  QCheckBox* timeModeCheck = nullptr;
  QComboBox* timeModeList = nullptr;
  // Comments.
  QGroupBox* commentGroup = nullptr;
  QLineEdit* commentEdit = nullptr;
  // Autosampler part of the step.
  QGroupBox* samplerGroup = nullptr;
  QLabel* cellLabel = nullptr;
  QComboBox* cellList = nullptr;
  QCheckBox *electrodeDownCheck = nullptr, *electrodeUpCheck = nullptr;
  // Add-on part.
  QGroupBox* tuningGroup = nullptr;
  QLabel *compensationLabel = nullptr, *filterLabel = nullptr;
  QSpinBox *compensationSpin = nullptr, *filterSpin = nullptr;

  // Navigation.
  QGroupBox* programGroup = nullptr;
  QLabel *programCountLabel = nullptr, *currentProgramLabel = nullptr, *programToCopyLabel = nullptr;
  QLabel *programLengthLabel = nullptr, *currentStepLabel = nullptr, *stepToCopyLabel = nullptr;
  QSpinBox *programCount = nullptr, *currentProgram = nullptr, *programToCopy = nullptr;
  QSpinBox *programLength = nullptr, *currentStep = nullptr, *stepToCopy = nullptr;
  QPushButton *copyProgramButton = nullptr, *copyStepButton = nullptr, *insertStepButton = nullptr,
              *removeStepButton = nullptr, *openButton = nullptr, *saveButton = nullptr, *tableButton = nullptr;

  // Run options.
  QGroupBox* runGroup = nullptr;
  QLabel* loopsLabel = nullptr;
  QSpinBox* loopsCount = nullptr;
  QCheckBox* currentRestriction = nullptr;
  QLineEdit* currentLimit = nullptr;
  QLabel* currentLimitUnit = nullptr;
  QCheckBox* shutDown = nullptr;
  QCheckBox* currentControl = nullptr;  // hidden

 private:
  QList<QLabel*> mvUnits_, secUnits_;
  QWidget* owner_;
  NumericEditFilter* numericFilter_;
};

}  // namespace velmora
