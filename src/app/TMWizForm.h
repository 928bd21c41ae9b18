#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AcquisitionDecoder.h"
#include "IWizardPages.h"
#include "IWizardRecording.h"
#include "TRecordPlacement.h"
#include "TWizInterpreter.h"
#include "TWizPlacement.h"
#include "TWizQualityGates.h"

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class CurvePlottable;
class MainWindow;
class Settings;
class TNode;
class TPeakBandsLayer;
class TReportPage;
class TVAStruct;
struct TPeakDrawing;

// The "Measurement wizard": leads the analyst through a whole analysis with
// one method. The method's script, run by TWizInterpreter, switches the six
// pages (welcome, cell assembly, program input, recording status, chart,
// report); the window answers it through IWizardPages and starts the
// recordings through the main window (IWizardRecording). Recordings of a
// run are placed in the document by TWizPlacement.
class TMWizForm : public QDialog, public IWizardPages, public IWizardRecording {
  Q_OBJECT
 public:
  TMWizForm(MainWindow& window, Settings& settings);
  ~TMWizForm() override;

  // Reloads the method list and shows the welcome page (before exec()).
  void prepare();

  // --- Navigation ("Next", "Back", and the Back of each page) ---
  void NextClick();
  void BackClick();
  bool nextEnabled() const;
  bool backEnabled() const;
  QString backCaption() const;
  // Selects the method of the list (by its place) on the welcome page.
  void selectMethod(int row);
  // The methods the list offers (those with a script), as library indices.
  const std::vector<std::size_t>& listedMethods() const { return listed_; }

  // The chart page's verdict pane: one line per verdict, hidden when empty.
  void ShowVerdicts(const QStringList& lines);

  // Escape and the title bar's close: not while a recording of the run
  // goes on.
  void reject() override;

  TWizInterpreter& interpreter() { return *interp_; }
  const TWizPlacement& placement() const { return *wizPlacement_; }
  int currentPage() const;
  // The sample name typed on the program input page.
  const std::string& sampleName() const { return sampleName_; }
  void setSampleName(const std::string& name);
  // The run's predefined peaks (the peak search names peaks by them).
  TPredefPeaks predefinedPeaks() const { return interp_->Settings().PredefinedPeaks; }

  // Widgets (for tests and the screenshot tour).
  QPushButton* nextButton() const { return next_; }
  QPushButton* backButton() const { return back_; }
  QListWidget* methodsList() const { return methodsList_; }
  QPushButton* deleteButton() const { return delete_; }
  QTreeWidget* stagesTree() const { return stages_; }
  QSpinBox* parallelSamplesBox() const { return parallel_; }
  QComboBox* additionsBox() const { return additions_; }
  QCheckBox* controlSolutionBox() const { return control_; }
  QLabel* connectionLabel() const { return connection_; }
  QTableWidget* propertyTable() const { return properties_; }
  QLabel* instructionsLabel() const { return instructions_; }
  QLabel* programLabel() const { return programNote_; }
  QPushButton* changeButton() const { return change_; }
  QPushButton* resetButton() const { return reset_; }
  QSpinBox* loopsBox() const { return loops_; }
  QLabel* stageLabel() const { return stageLabel_; }
  QProgressBar* progressBar() const { return progress_; }
  // The recording page's trace of the voltammogram being recorded, and its
  // countdown.
  QCustomPlot* liveChart() const { return liveChart_; }
  CurvePlottable* liveTrace() const;
  QLabel* timeLeftLabel() const { return timeLeft_; }
  QCustomPlot* chart() const { return chart_; }
  // What the chart page marks on its curves: every band, baseline and value.
  const TPeakDrawing& chartPeaks() const { return *chartPeaks_; }
  QTreeWidget* dataTree() const { return dataTree_; }
  QLabel* verdictLabel() const { return verdicts_; }
  QLabel* simulationLabel() const { return simulationNote_; }
  TReportPage* reportPage() const;
  QCheckBox* calcChartBox() const { return calcChart_; }

  // --- IWizardPages ---
  void ShowPage(int page) override;
  void ShowWelcome() override;
  bool RecordControlSolutionChecked() override;
  void ProgramsChanged() override;
  void MarkStage(int stage) override;
  void ForgetMeasurementNode() override;
  void RefreshMeasurementNode() override;
  void RepeatPageShow() override;
  std::optional<std::string> AskMethodName(const std::string& proposal) override;
  void MethodSaved(const std::string& file) override;
  void ScriptFinished() override;

  // --- IWizardRecording ---
  void StartRecording(const TVAProgramsArray& programs, int loops) override;
  void ReplayRecording(const TDataArr& points) override;
  void SetPeakCalcType(int calcType) override;
  int PeakCalcType() override;

 signals:
  // A pass has been recorded and handed over (its curves carry the run's
  // settings and peaks).
  void passRecorded();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Building (TMWizPages.cpp, TMWizChartPage.cpp).
  QWidget* buildWelcomePage();
  QWidget* buildCellPage();
  QWidget* buildProgramPage();
  QWidget* buildRecordingPage();
  QWidget* buildChartPage();
  QWidget* buildReportPage();
  void retranslateUi();
  void retranslateChartPages();

  // Page show handling.
  void showCellPage();
  void showProgramPage();
  void showRecordingPage();
  void showChartPage();
  void showReportPage();
  void refreshConnection();
  void fillMethods();
  void buildStageTree();
  void fillPropertyTable();
  void propertyEdited(int row);
  void fillDataTree();
  void redrawChart();
  void showCalculationChart(bool on);
  // Takes the current report's page into the report page (or gives it back).
  void borrowReportPage(bool on);
  void DeleteMethodClick();
  void ChangeProgramClick();
  void ResetProgramClick();
  // The hook of the quality gates: called whenever a pass has been recorded
  // or the chart page is shown. Judges the run's curves and shows the
  // verdicts through ShowVerdicts.
  void judgePasses();
  // What the quality checks need to judge the run, or one pass of it.
  TWizQualityGates::Input gateInput(TNode* pass, TNode* parallelSample) const;
  void updateButtons();
  // The user-interface language (for method titles and stage names).
  std::int32_t languageId() const;
  QString passInstructions() const;

  // Recording (TMWizRecording.cpp).
  void wireRecording();
  TNode* placeRecorded(const TRecordedCurve& curve, const std::string& databaseName);
  void recordingEnded();
  // The live trace of the recording page.
  void clearLive();
  void addLive(const TDataArr& points);
  void addLive(const TRecPoints& batch);
  void showTimeLeft(std::int64_t seconds);
  void deviceStatusChanged();
  void replayTick();
  TWizPlacement::Pass currentPass() const;
  std::vector<TVAStruct*> passCurves() const;
  // The voltammograms of the latest recording.
  std::vector<TVAStruct*> recordedCurves() const;
  bool recordingRuns() const;

  MainWindow& window_;
  Settings& settings_;
  std::unique_ptr<TWizInterpreter> interp_;
  std::unique_ptr<TRecordPlacement> replayPlacement_;
  std::unique_ptr<TWizPlacement> wizPlacement_;
  std::vector<std::size_t> listed_;
  std::string sampleName_;
  bool askMethodChange_ = true;
  bool wizardRecording_ = false;  // a recording of the run is in progress
  bool recordEnded_ = false;      // the run reached its normal end
  bool endPending_ = false;       // the run ended on the window; its end event may follow
  bool closing_ = false;
  int replayTicks_ = 0;
  std::array<int, 3> replayKey_{-9, -9, -9};  // the pass the replayed curves belong to
  QTimer replayTimer_;
  std::vector<int> rowKinds_;  // what each row of the property table edits
  bool filling_ = false;

  QStackedWidget* pages_ = nullptr;
  QTreeWidget* stages_ = nullptr;
  QLabel* stagesTitle_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* back_ = nullptr;
  QLabel* simulationNote_ = nullptr;
  // Welcome.
  QLabel* welcomeText_ = nullptr;
  QLabel* methodsTitle_ = nullptr;
  QListWidget* methodsList_ = nullptr;
  QPushButton* delete_ = nullptr;
  // Cell assembly.
  QLabel* cellText_ = nullptr;
  QLabel* cellType_ = nullptr;
  QLabel* electrode_ = nullptr;
  QLabel* cellReady_ = nullptr;
  QLabel* connection_ = nullptr;
  QPushButton* setupConnection_ = nullptr;
  QWidget* optionsGroup_ = nullptr;
  QLabel* parallelLabel_ = nullptr;
  QSpinBox* parallel_ = nullptr;
  QLabel* additionsLabel_ = nullptr;
  QComboBox* additions_ = nullptr;
  QCheckBox* control_ = nullptr;
  // Program input.
  QLabel* loopsLabel_ = nullptr;
  QSpinBox* loops_ = nullptr;
  QTableWidget* properties_ = nullptr;
  QLabel* instructions_ = nullptr;
  QLabel* programNote_ = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* reset_ = nullptr;
  // Recording status.
  QLabel* progressText_ = nullptr;
  QLabel* stageLabel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* timeLeft_ = nullptr;
  QCustomPlot* liveChart_ = nullptr;
  TDataArr replayPoints_;   // the simulated pass being replayed
  bool liveEnded_ = false;  // the trace shown belongs to a curve that has ended
  // Chart.
  QCustomPlot* chart_ = nullptr;
  std::unique_ptr<TPeakDrawing> chartPeaks_;
  QTreeWidget* dataTree_ = nullptr;
  QLabel* dataTitle_ = nullptr;
  QLabel* verdicts_ = nullptr;
  QLabel* smoothingLabel_ = nullptr;
  QSpinBox* smoothing_ = nullptr;
  QPushButton* smooth_ = nullptr;
  QPushButton* unzoom_ = nullptr;
  QPushButton* peakSearch_ = nullptr;
  QPushButton* peakBorders_ = nullptr;
  QCheckBox* calcChart_ = nullptr;
  QWidget* calcChartHolder_ = nullptr;
  QWidget* calcHome_ = nullptr;  // where the calculation chart lives outside the wizard
  int calcHomeIndex_ = -1;
  // Report.
  QPointer<TReportPage> reportPage_;
  QWidget* reportHolder_ = nullptr;
  QPointer<QWidget> reportHome_;
  QCheckBox* customStatistics_ = nullptr;
};

}  // namespace velmora
