#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "MainActions.h"
#include "MessageSink.h"
#include "Settings.h"
#include "TTableContent.h"

class QAction;
class QDockWidget;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace velmora {

class ChartToolsHost;
class CalcHost;
class DeviceLink;
class IClock;
class ExportHost;
class MainToolsHost;
class DeviceStatusPresenter;
class RecordingReceiver;
class IDocumentCommands;
class MainChartView;
class PeaksHost;
class PrintHost;
class CalibrationsHost;
class StatisticsHost;
class MethodsHost;
class ScriptEditorHost;
class SamplerHost;
class ReportHost;
class ResultsHost;
class WizardHost;
class RecordParametersHost;
class RecordButtonHost;
class TStatForm;
class OptionsController;
class PropertiesWindow;
class StructureTree;
class TArrayDataStruct;
class TImagePreviewBox;
class TNode;
class TNodeForest;
class TPluginsManager;

// The workstation's main window: owns the open document (the thumbnail view
// with its forest), the main chart with DisplayedCurves, the mirrored
// "Structure" tree and the action list. Other windows reach the document
// through it and follow it through the notification hub.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Settings& settings, TPluginsManager* hub = nullptr, QWidget* parent = nullptr);
  // For benchmarks and tests: the analyzer link and its recordings run on
  // `protocolClock` (e.g. an AcceleratedClock shared with the emulator)
  // instead of real time, so whole analyses take seconds. The clock must
  // outlive the window. The program uses the constructor above: real time.
  MainWindow(Settings& settings, TPluginsManager* hub, IClock& protocolClock, QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- Document ---
  // Full path of the open document, or the "No name" text.
  QString documentFileName() const { return documentFileName_; }
  void setDocumentFileName(const QString& fileName);
  bool modified() const { return modified_; }
  void setModified(bool modified);
  std::int32_t curveCounter() const { return curveCounter_; }
  void setCurveCounter(std::int32_t value) { curveCounter_ = value; }
  // Starts an empty document (the "&New" command without its question).
  void newDocument();
  void updateTitle();
  // The controller of Open, Save and the other file commands; not owned.
  void setDocumentCommands(IDocumentCommands* commands) { documentCommands_ = commands; }
  // Where questions and errors go (message boxes by default); not owned.
  void setMessageSink(IMessageSink* sink);
  IMessageSink& messageSink() const { return *sink_; }

  TImagePreviewBox& tree() const { return *tree_; }
  TNodeForest& forest() const;
  StructureTree& structureTree() const { return *structure_; }
  MainChartView& chartView() const { return *chartView_; }
  TTableContentArr& DisplayedCurves();
  PropertiesWindow& propertiesWindow() const { return *properties_; }
  // The Peaks window, the peak marking and the peak actions.
  PeaksHost& peaks() const { return *peaks_; }
  TStatForm* statForm() const { return statForm_; }
  // The "Calculations" window and the equation editor.
  CalcHost& calculations() const { return *calcHost_; }
  QDockWidget* peaksDock() const { return peaksDock_; }
  QTabWidget* pages() const { return pages_; }
  QMenu* nodePopupMenu() const { return nodePopup_; }
  QLabel* statusPanel(int index) const { return statusPanels_[index]; }
  // The analyzer link (device component and serial port).
  DeviceLink& deviceLink() const { return *deviceLink_; }
  // The acquisition run's side of the window (start, stop, live trace).
  RecordingReceiver& recordingReceiver() const { return *recordingReceiver_; }
  DeviceStatusPresenter* devicePresenter() const { return devicePresenter_; }
  // The "Record parameters" window and its wiring.
  RecordParametersHost& recordParameters() const { return *recordParams_; }
  PrintHost& printHost() const { return *printHost_; }
  // Zoom, scale fields, read-out and the 3-D view of the main chart.
  ChartToolsHost& chartTools() const { return *chartTools_; }
  // Text, picture, clipboard and workbook exports.
  ExportHost& exports() const { return *exports_; }
  // The timer and subtraction windows and the tree auto creation.
  MainToolsHost& tools() const { return *tools_; }
  // The calibrations database and window; the statistics database and window.
  CalibrationsHost& calibrations() const { return *calibrations_; }
  StatisticsHost& statistics() const { return *statistics_; }
  // The methods library, the method items of "Methods" and the methods editor.
  MethodsHost& methods() const { return *methods_; }
  // The "Method script editor" (also the methods editor's "Edit script").
  ScriptEditorHost& scriptEditor() const { return *scriptEditor_; }
  // The autosampler: its setup window, its batch and its commands.
  SamplerHost& sampler() const { return *sampler_; }
  ReportHost& reports() const { return *reports_; }
  // The results archive: "Results...", "Add to archive".
  ResultsHost& results() const { return *results_; }
  IDocumentCommands* documentCommands() const { return documentCommands_; }
  // The measurement wizard.
  WizardHost& wizard() const { return *wizard_; }

  // --- Actions ---
  MainActions& actions() { return *actions_; }
  QAction* action(const char* name) const { return actions_->action(name); }
  // Re-evaluates the enabled and checked state of every action.
  void updateActions();

  // --- View ---
  // 0 hide names, 1 comments, 2 database name, 3 measurement type.
  int CaptionMode() const { return captionMode_; }
  void setCaptionMode(int mode);
  // A recording runs (drives the action states and the chart's visibility).
  void setRecording(bool on);
  bool recording() const { return recording_; }
  void selectStructurePage();
  void selectThumbnailsPage();

  // Applies the preferences read at start; writes them back.
  // The screenshot tour shows a demonstration document, and a first start
  // that found no analyzer opens nothing: the analyzer's port stays closed.
  void keepPortClosed() { openPortAtStart_ = false; }
  // Set while a document loads; the port waits for the load to end.
  void setDocumentLoading(bool loading) { documentLoading_ = loading; }
  bool documentLoading() const { return documentLoading_; }
  void applySettings();
  // The "Options" dialog behind "Settings...".
  OptionsController& optionsController() const { return *optionsController_; }
  // The "MainChart" colour, shown while "Chart &background" is on.
  void setMainChartColor(const QColor& color);
  void storeSettings();

 signals:
  // The modified flag changed (false: the document was saved or closed).
  void modifiedChanged(bool modified);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The constructors above; a null clock is real time.
  MainWindow(Settings& settings, TPluginsManager* hub, IClock* protocolClock, QWidget* parent);
  void buildLayout();
  void buildMenus();
  void buildToolBar();
  void wireSaveCalibration();
  void buildNodePopup();
  void connectActions();
  void connectView();
  void retranslateUi();
  void onSelectionChange();
  void handleSelection();
  void applyChartSettings();
  bool querySave();

  // Action handlers.
  void NewActnExecute();
  void RenameActnExecute();
  void NodeTypeExecute(int type);
  void SummActnExecute();
  void UnSummActnExecute();
  void MoveUpActnExecute();
  void MoveDownActnExecute();
  void DeleteActnExecute();
  void FoldAllExecute(bool fold);
  void PaintCaptionsActnExecute();
  void ShowLegendActnExecute();
  void setLegendStyle(int style);
  void ChartBackgroundActnExecute();
  void PropertiesActnExecute(bool show);
  void AboutActnExecute();
  void fillSeriesItems();

  Settings& settings_;
  TPluginsManager& hub_;
  std::unique_ptr<IMessageSink> ownSink_;
  IMessageSink* sink_ = nullptr;
  IDocumentCommands* documentCommands_ = nullptr;
  MainActions* actions_ = nullptr;

  QString documentFileName_;
  bool modified_ = false;
  std::int32_t curveCounter_ = 0;
  QString backupFileName_;
  QString databaseFileName_;
  int captionMode_ = 1;
  bool recording_ = false;
  bool selectionPending_ = false;
  bool chartBackground_ = false;
  QColor mainChartColor_ = Qt::white;

  QToolBar* toolBar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QSplitter* splitter_ = nullptr;
  TImagePreviewBox* tree_ = nullptr;
  StructureTree* structure_ = nullptr;
  MainChartView* chartView_ = nullptr;
  QDockWidget* peaksDock_ = nullptr;
  QMenu* nodePopup_ = nullptr;
  QMenu* seriesMenuAnchor_ = nullptr;
  QList<QAction*> seriesItems_;
  PropertiesWindow* properties_ = nullptr;
  PeaksHost* peaks_ = nullptr;
  TStatForm* statForm_ = nullptr;
  CalcHost* calcHost_ = nullptr;
  QLabel* statusPanels_[4] = {};
  DeviceLink* deviceLink_ = nullptr;
  DeviceStatusPresenter* devicePresenter_ = nullptr;
  RecordingReceiver* recordingReceiver_ = nullptr;
  RecordParametersHost* recordParams_ = nullptr;
  PrintHost* printHost_ = nullptr;
  OptionsController* optionsController_ = nullptr;
  ChartToolsHost* chartTools_ = nullptr;
  ExportHost* exports_ = nullptr;
  MainToolsHost* tools_ = nullptr;
  CalibrationsHost* calibrations_ = nullptr;
  StatisticsHost* statistics_ = nullptr;
  MethodsHost* methods_ = nullptr;
  ScriptEditorHost* scriptEditor_ = nullptr;
  SamplerHost* sampler_ = nullptr;
  ReportHost* reports_ = nullptr;
  ResultsHost* results_ = nullptr;
  WizardHost* wizard_ = nullptr;
  RecordButtonHost* recordButton_ = nullptr;
  bool openPortAtStart_ = true;
  bool documentLoading_ = false;
  QList<QPair<QMenu*, const char*>> menus_;
};

}  // namespace velmora
