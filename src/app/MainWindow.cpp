#include "MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "CalcHost.h"
#include "CalcMethods.h"
#include "CalibrationsHost.h"
#include "ChartToolsHost.h"
#include "ColorValue.h"
#include "DeviceLink.h"
#include "DeviceStatusPresenter.h"
#include "ExportHost.h"
#include "IDocumentCommands.h"
#include "MainChartView.h"
#include "MainToolsHost.h"
#include "Messages.h"
#include "MethodsHost.h"
#include "ModelingWindow.h"
#include "OptionsController.h"
#include "PeaksHost.h"
#include "PrintHost.h"
#include "PropertiesWindow.h"
#include "QtMessageSink.h"
#include "RecordButtonHost.h"
#include "RecordParametersHost.h"
#include "RecordingReceiver.h"
#include "ReportHost.h"
#include "ResultsHost.h"
#include "SamplerHost.h"
#include "ScriptEditorHost.h"
#include "StatisticsHost.h"
#include "StructureTree.h"
#include "TCalcForm.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TPaintingGuard.h"
#include "TPluginsManager.h"
#include "TStatForm.h"
#include "TVAStruct.h"
#include "UiText.h"
#include "VelmoraVersion.h"
#include "WizardHost.h"

namespace velmora {

namespace {

QString catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

// The "No name" text in the language it was last given in: the name of an
// unnamed document, which a language switch gives anew.
QString& unnamedText() {
  static QString text;
  return text;
}

constexpr const char* kMenuTitles[] = {
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&File"),    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Edit"),
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&View"),    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Tools"),
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Device"),  QT_TRANSLATE_NOOP("velmora::MainWindow", "&Calculations"),
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Methods"), QT_TRANSLATE_NOOP("velmora::MainWindow", "&Help"),
};

}  // namespace

MainWindow::MainWindow(Settings& settings, TPluginsManager* hub, QWidget* parent)
    : MainWindow(settings, hub, nullptr, parent) {}

MainWindow::MainWindow(Settings& settings, TPluginsManager* hub, IClock& protocolClock, QWidget* parent)
    : MainWindow(settings, hub, &protocolClock, parent) {}

MainWindow::MainWindow(Settings& settings, TPluginsManager* hub, IClock* protocolClock, QWidget* parent)
    : QMainWindow(parent), settings_(settings), hub_(hub ? *hub : TPluginsManager::instance()) {
  setObjectName(QStringLiteral("MainForm"));
  ownSink_ = std::make_unique<QtMessageSink>(this);
  sink_ = ownSink_.get();
  actions_ = new MainActions(this);
  for (QAction* a : actions_->all()) addAction(a);  // shortcuts work with the menus closed

  buildLayout();
  buildMenus();
  buildToolBar();
  buildNodePopup();
  connectActions();
  connectView();
  properties_ = new PropertiesWindow(forest(), hub_, this);
  // "Signal modeling" shows and hides the "Modeling" window.
  actions_->adopt("ModelingActn");
  new ModelingWindow(hub_, action("ModelingActn"), this);
  // The analyzer link; its port opens once the settings are applied.
  deviceLink_ =
      protocolClock ? new DeviceLink(*sink_, *protocolClock, *protocolClock, this) : new DeviceLink(*sink_, this);
  // Status panel 2 belongs to the recording receiver alone (status text and countdown).
  devicePresenter_ =
      new DeviceStatusPresenter(*deviceLink_, action("ResetActn"), action("MixerOnOffActn"), nullptr, this);
  statusBar()->addPermanentWidget(devicePresenter_->emulatorLabel());
  statusBar()->addPermanentWidget(devicePresenter_->indicator());
  devicePresenter_->refresh();
  connect(deviceLink_, &DeviceLink::portChanged, this, [this] { updateTitle(); });
  recordingReceiver_ = new RecordingReceiver(*this, settings_, *deviceLink_);
  optionsController_ = new OptionsController(*this, settings_);
  connect(properties_, &PropertiesWindow::visibilityChanged, this,
          [this](bool visible) { action("PropertiesActn")->setChecked(visible); });
  peaks_ = new PeaksHost(*this, hub_);
  recordParams_ = new RecordParametersHost(*this, settings_);
  printHost_ = new PrintHost(*this);
  chartTools_ = new ChartToolsHost(*this);
  exports_ = new ExportHost(*this);
  tools_ = new MainToolsHost(*this, hub_);
  // "Calculations chart": the regression series of the curves shown, floating until a calculation window docks it.
  statForm_ = new TStatForm(hub_, this);
  actions().adopt("StatActn");
  statForm_->setCurveSource([this] {
    std::vector<TVAStruct*> curves;
    for (const TTableContent& row : DisplayedCurves())
      if (auto* va = dynamic_cast<TVAStruct*>(row.Curve); va && row.Shown) curves.push_back(va);
    return curves;
  });
  connect(action("StatActn"), &QAction::toggled, statForm_, [this](bool on) { statForm_->setVisible(on); });
  connect(statForm_, &TStatForm::visibilityChanged, this,
          [this](bool visible) { action("StatActn")->setChecked(visible); });
  // "Calculations": the calculation window, which docks the chart, and the equation editor.
  calcHost_ = new CalcHost(*this, settings_, hub_);
  calibrations_ = new CalibrationsHost(*this, settings_);
  statistics_ = new StatisticsHost(*this, settings_);
  methods_ = new MethodsHost(*this, settings_);
  scriptEditor_ = new ScriptEditorHost(*this, hub_);
  sampler_ = new SamplerHost(*this, settings_);
  wireSaveCalibration();
  // The current report: its page in the calculation window and "Add to report".
  reports_ = new ReportHost(*this, settings_);
  results_ = new ResultsHost(*this, settings_);
  // The measurement wizard ("Measurement wizard...").
  wizard_ = new WizardHost(*this, settings_);
  // The tool bar's record button: the record command last used.
  recordButton_ = new RecordButtonHost(*this, settings_);

  resize(1280, 800);
  retranslateUi();
  newDocument();
}

MainWindow::~MainWindow() {
  // A run still going ends before the document and the link go.
  delete recordingReceiver_;
  recordingReceiver_ = nullptr;
  // The peak windows go while everything they use still stands.
  delete calcHost_;
  delete peaks_;
  delete calibrations_;
  delete methods_;
  delete scriptEditor_;
  delete statistics_;
  delete statForm_;
  // The chart drops its series before the document's records go.
  chartView_->forgetSeries();
}

TNodeForest& MainWindow::forest() const { return tree_->forest(); }
TTableContentArr& MainWindow::DisplayedCurves() { return chartView_->DisplayedCurves(); }

void MainWindow::setMessageSink(IMessageSink* sink) {
  sink_ = sink ? sink : ownSink_.get();
  if (deviceLink_) deviceLink_->setMessageSink(*sink_);
}

// --- Layout -------------------------------------------------------------------

void MainWindow::buildLayout() {
  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName(QStringLiteral("Splitter1"));
  splitter_->setChildrenCollapsible(false);
  splitter_->setHandleWidth(5);

  pages_ = new QTabWidget(splitter_);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setDocumentMode(true);
  tree_ = new TImagePreviewBox();
  tree_->setPopupMenu(nullptr);
  structure_ = new StructureTree(*tree_);
  pages_->addTab(structure_, QString());
  pages_->addTab(tree_, QString());
  pages_->setCurrentWidget(tree_);
  pages_->setMinimumWidth(180);

  chartView_ = new MainChartView(forest(), hub_, splitter_);
  splitter_->addWidget(pages_);
  splitter_->addWidget(chartView_);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({250, 1000});
  setCentralWidget(splitter_);

  peaksDock_ = new QDockWidget(this);
  peaksDock_->setObjectName(QStringLiteral("PeaksDock"));
  peaksDock_->setAllowedAreas(Qt::RightDockWidgetArea | Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea);
  addDockWidget(Qt::RightDockWidgetArea, peaksDock_);
  peaksDock_->hide();

  static constexpr int kPanelWidths[4] = {80, 70, 250, 50};
  for (int i = 0; i < 4; ++i) {
    statusPanels_[i] = new QLabel(this);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    statusPanels_[i]->setMinimumWidth(kPanelWidths[i]);
    statusPanels_[i]->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(statusPanels_[i], i == 3 ? 1 : 0);
  }
  statusBar()->setSizeGripEnabled(true);
}

void MainWindow::buildMenus() {
  using Cat = MainActions::Category;
  QMenuBar* bar = menuBar();
  auto addMenu = [&](int index) {
    QMenu* m = bar->addMenu(QString());
    menus_.append({m, kMenuTitles[index]});
    return m;
  };
  auto submenu = [&](QMenu* parent, const char* stubName, std::initializer_list<const char*> items) {
    QMenu* m = new QMenu(this);
    for (const char* n : items) m->addAction(action(n));
    QAction* stub = action(stubName);
    stub->setMenu(m);
    parent->addAction(stub);
    return m;
  };
  auto add = [&](QMenu* m, std::initializer_list<const char*> names) {
    for (const char* n : names) {
      if (n == nullptr) {
        m->addSeparator();
      } else {
        m->addAction(action(n));
      }
    }
  };

  QMenu* file = addMenu(0);
  add(file, {"NewActn", "OpenActn", "AppendFileActn"});
  QMenu* recent = new QMenu(this);
  recent->setObjectName(QStringLiteral("RecentFilesMenu"));
  action("RecentFilesActn")->setMenu(recent);
  file->addAction(action("RecentFilesActn"));
  add(file, {"SaveActn", "SaveAsActn", nullptr, "ImportActn", "ExportToFileActn", "ExportImportActn", nullptr,
             "ReportActn", nullptr, "ExitActn"});
  (void)Cat::File;

  QMenu* edit = addMenu(1);
  add(edit, {"UndoActn", "RedoActn", nullptr, "RenameActn"});
  submenu(edit, "NodeTypeActn", {"NodeTypeSummActn", "NodeTypeOverlayActn", "NodeTypeSummAndOverlayActn"});
  add(edit, {"SummActn",
             "UnSummActn",
             "MoveUpActn",
             "MoveDownActn",
             "DeleteActn",
             nullptr,
             "SelectAllActn",
             "FoldAllActn",
             "UnfoldAllActn",
             "FindPairsActn",
             nullptr,
             "InverseXActn",
             "InverseYActn",
             "SetXShiftActn",
             "SetXShiftByPeakActn",
             "SmoothingActn",
             nullptr,
             "CopyChartToClpbrdActn",
             "CopyCalcChartToClpbrdActn",
             "CopyCalcGridToClipBrdActn",
             "PasteClpBrdToGridActn"});

  QMenu* view = addMenu(2);
  add(view, {"FitImageActn", "UnzoomActn", nullptr, "PaintXAxisActn", "PaintYAxisActn", "PaintGridActn"});
  submenu(view, "PaintCaptionsStubActn", {"NameHideActn", "NameCommentsActn", "NameNameActn", "NameTypeActn"});
  submenu(
      view, "ShowLegendStubActn",
      {"ShowLegendNoneActn", "ShowLegendRightActn", "ShowLegendLeftActn", "ShowLegendTopActn", "ShowLegendBottomActn"});
  add(view, {nullptr, "Show3DActn", "ShowPeakBordersActn", "ShowEachBorderActn", "Show3DCurvesActn", "ShowPeakHintActn",
             nullptr, "ChartBackgroundActn", "BandWChartActn", nullptr, "ShowTimerActn", "PropertiesActn"});

  QMenu* tools = addMenu(3);
  submenu(tools, "LanguageActn", {"RusLangActn", "EnuLangActn"});
  add(tools, {nullptr, "SemiintegralActn", "LgiActn", nullptr, "ExportChartToExcelActn", nullptr, "SettingsActn",
              "ModelingActn", "DebugActn"});

  QMenu* device = addMenu(4);
  add(device,
      {"RecordWizardActn", "RecordActn", "RunFromCurrentActn", "SamplerStartActn", "PauseActn", "StopActn", nullptr,
       "ResetActn", "MixerOnOffActn", nullptr, "SamplerPositionActn", "SamplerZondDownActn", "SamplerZondUpActn"});

  QMenu* calc = addMenu(5);
  add(calc, {"PeaksTreatmentActn", "StatActn", "SetPeakBordersActn", nullptr});
  submenu(calc, "ChangePeakCalculationTypeActn",
          {"CalcByHeightActn", "CalcBySquareActn", "CalcByMinMaxActn", "CalcByMinMaxWLines2Actn",
           "CalcByMinMaxWLinesActn", "CalcIntersectionActn", "CalcPotDiffActn", "CalcLinSlopeActn"});
  submenu(calc, "ChangeBaseLineTypeActn", {"BaseLineLineActn", "BaseLinePolyActn"});
  add(calc, {nullptr,
             "AddPeakActn",
             "RemovePeakActn",
             "RenamePeakActn",
             "PeaksAutoSearchActn",
             "AddCellActn",
             "RemoveCellActn",
             nullptr,
             "SubtractionActn",
             "EqEditorActn",
             nullptr,
             "SaveReportActn",
             "RemoveReportActn",
             "ClearReportActn",
             "RemoveElementFromReportActn",
             "ResultsActn",
             nullptr,
             "ShowCalibrationsActn",
             "SaveCalibrationActn",
             "RemoveCalibrationActn",
             "IncludeZeroPointActn",
             "PrintCalibrationActn",
             nullptr,
             "EditCalculationStatisticsActn",
             "StubCopyCalcChartActnActn"});

  QMenu* methods = addMenu(6);
  methods->setObjectName(QStringLiteral("MethodsMenu"));
  add(methods, {"ShowWizActn", "AutosamplerActn", "CreateMethodActn", "MethodScriptEditorActn", "ClearMethodActn",
                nullptr, "AssemblyAcnt"});

  QMenu* help = addMenu(7);
  add(help, {"HelpContextActn", "CheckUpdateActn", nullptr, "AboutActn"});
}

// "Save calibration": the window's calibration-curve calculation goes into the
// calibrations database, with the curves ticked in its table; "By calibration"
// reads the database.
void MainWindow::wireSaveCalibration() {
  TCalcForm& form = calcHost_->form();
  form.calculation().SetCalibrations(&calibrations_->database());
  actions().adopt("SaveCalibrationActn");
  QAction* save = action("SaveCalibrationActn");
  auto update = [this, save] {
    TCalcForm& f = calcHost_->form();
    save->setEnabled(f.calculation().Method() == CalcMethods::kCalibrationCurve && f.inputValid() &&
                     !f.calculation().Elements().empty());
  };
  update();
  connect(&form, &TCalcForm::inputChecked, this, update);
  connect(save, &QAction::triggered, this, [this] {
    TCalcForm& f = calcHost_->form();
    f.Recalculate();
    TConcCalculation& calc = f.calculation();
    if (calc.Method() != CalcMethods::kCalibrationCurve || calc.Elements().empty()) return;
    std::vector<TVAStruct*> checked;
    const std::vector<TVAStruct*> shown = calcHost_->shownCurves();
    for (std::size_t i = 0; i < shown.size(); ++i)
      if (!calc.CheckBoxesOffered() || calc.RowChecked(i)) checked.push_back(shown[i]);
    calibrations_->saveCalibration(calc, checked);
  });
}

void MainWindow::buildToolBar() {
  toolBar_ = addToolBar(QString());
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(22, 22));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const char* names[] = {"NewActn",
                         "OpenActn",
                         "SaveActn",
                         nullptr,
                         "UndoActn",
                         "RedoActn",
                         nullptr,
                         "RecordWizardActn",
                         "RecordActn",
                         "PauseActn",
                         "StopActn",
                         "ResetActn",
                         nullptr,
                         "SummActn",
                         "UnSummActn",
                         "MoveUpActn",
                         "MoveDownActn",
                         "DeleteActn",
                         nullptr,
                         "FitImageActn",
                         "PaintXAxisActn",
                         "PaintYAxisActn",
                         "PaintGridActn",
                         "ShowLegendActn",
                         "PaintCaptionsActn",
                         "BandWChartActn",
                         "ChartBackgroundActn",
                         nullptr,
                         "SetPeakBordersActn",
                         "PeaksTreatmentActn",
                         "ShowWizActn",
                         nullptr,
                         "PropertiesActn"};
  for (const char* n : names) {
    if (n) {
      toolBar_->addAction(action(n));
    } else {
      toolBar_->addSeparator();
    }
  }
}

void MainWindow::buildNodePopup() {
  nodePopup_ = new QMenu(this);
  nodePopup_->setObjectName(QStringLiteral("NodePopupMenu"));
  nodePopup_->addAction(action("PropertiesActn"));
  nodePopup_->addAction(action("RenameActn"));
  QMenu* types = new QMenu(nodePopup_);
  types->addAction(action("NodeTypeOverlayActn"));
  types->addAction(action("NodeTypeSummActn"));
  types->addAction(action("NodeTypeSummAndOverlayActn"));
  QAction* typeItem = nodePopup_->addMenu(types);
  typeItem->setObjectName(QStringLiteral("PopupNodeTypeItem"));
  seriesMenuAnchor_ = types;
  nodePopup_->addSeparator()->setObjectName(QStringLiteral("SeriesSeparator"));
  nodePopup_->addAction(action("SummActn"));
  nodePopup_->addAction(action("UnSummActn"));
  nodePopup_->addSeparator();
  nodePopup_->addAction(action("FoldAllActn"));
  nodePopup_->addAction(action("UnfoldAllActn"));
  nodePopup_->addSeparator();
  nodePopup_->addAction(action("MoveUpActn"));
  nodePopup_->addAction(action("MoveDownActn"));
  nodePopup_->addSeparator();
  nodePopup_->addAction(action("DeleteActn"));
  connect(nodePopup_, &QMenu::aboutToShow, this, &MainWindow::fillSeriesItems);
  tree_->setPopupMenu(nodePopup_);
  connect(structure_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { nodePopup_->popup(structure_->viewport()->mapToGlobal(pos)); });
}

// "Series %d" items after "Node type" for the averaged columns of
// average-and-overlay groups in the selection.
void MainWindow::fillSeriesItems() {
  for (QAction* a : std::as_const(seriesItems_)) {
    nodePopup_->removeAction(a);
    a->deleteLater();
  }
  seriesItems_.clear();
  updateActions();
  TNodesArr type2;
  std::size_t columns = 0;
  for (TNode* n : forest().Selection) {
    TArrayDataStruct* r = n->ArrayRecord();
    if (!r || r->NodeType != 2) continue;
    type2.push_back(n);
    columns = std::max(columns, r->AveragedColumns.size());
  }
  if (type2.empty() || columns == 0) return;
  QAction* before = nullptr;
  for (QAction* a : nodePopup_->actions()) {
    if (a->objectName() == QStringLiteral("SeriesSeparator")) before = a;
  }
  QAction* sep = new QAction(nodePopup_);
  sep->setSeparator(true);
  nodePopup_->insertAction(before, sep);
  seriesItems_.append(sep);
  for (std::size_t i = 0; i < columns; ++i) {
    auto* item = new QAction(tr("Series %1").arg(i + 1), nodePopup_);
    item->setStatusTip(tr("Select visible data series for summ and overlay calculation type."));
    item->setCheckable(true);
    bool allVisible = true;
    for (TNode* n : type2) {
      const auto& cols = n->ArrayRecord()->AveragedColumns;
      if (i >= cols.size() || !cols[i] || !cols[i]->Visible) allVisible = false;
    }
    item->setChecked(allVisible);
    const auto index = static_cast<std::int32_t>(i);
    connect(item, &QAction::triggered, this, [this, index] {
      forest().ToggleColumns(forest().Selection, index);
      setModified(true);
    });
    nodePopup_->insertAction(before, item);
    seriesItems_.append(item);
  }
}

void MainWindow::selectStructurePage() { pages_->setCurrentWidget(structure_); }
void MainWindow::selectThumbnailsPage() { pages_->setCurrentWidget(tree_); }

// --- Texts ----------------------------------------------------------------------

void MainWindow::retranslateUi() {
  for (const auto& [menu, title] : std::as_const(menus_)) menu->setTitle(tr(title));
  toolBar_->setWindowTitle(tr("Tool bar"));
  pages_->setTabText(pages_->indexOf(structure_), tr("Structure"));
  pages_->setTabText(pages_->indexOf(tree_), tr("Thumbnails"));
  peaksDock_->setWindowTitle(tr("Peaks"));
  actions_->retranslate();
  updateTitle();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    // An unnamed document's name is a text of the language, too.
    if (documentFileName_ == unnamedText()) documentFileName_ = unnamedText() = catalogue(msg::NoName);
    retranslateUi();
    applyChartSettings();
    if (structure_) structure_->rebuild(documentFileName_);
    chartView_->scheduleRedraw();
  }
  QMainWindow::changeEvent(event);
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    statusPanels_[3]->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

// --- Document -------------------------------------------------------------------

void MainWindow::newDocument() {
  tree_->Clear();
  chartView_->forgetSeries();
  documentFileName_ = unnamedText() = catalogue(msg::NoName);
  backupFileName_.clear();
  curveCounter_ = 0;
  modified_ = false;
  structure_->rebuild(documentFileName_);
  updateTitle();
  handleSelection();
}

void MainWindow::setDocumentFileName(const QString& fileName) {
  documentFileName_ = fileName;
  structure_->rebuild(documentFileName_);
  updateTitle();
}

void MainWindow::setModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  updateTitle();
  emit modifiedChanged(modified);
}

void MainWindow::updateTitle() {
  // The title shows the file's name only; the full path stays in the structure tree and recent files.
  QString title = QFileInfo(documentFileName_).fileName() + " - " + catalogue(msg::AppTitle);
  // Simulated data must never pass for measured ones.
  if (deviceLink_ && deviceLink_->emulated())
    title += QStringLiteral(" [") + DeviceStatusPresenter::emulatorText() + u']';
  setWindowTitle(title);
  statusPanels_[0]->setText(modified_ ? catalogue(msg::Modified) : QString());
}

bool MainWindow::querySave() {
  if (documentCommands_) return documentCommands_->QuerySave();
  if (!modified_) return true;
  // Without the document commands there is no way to save: say what happens.
  const auto answer = QMessageBox::question(this, catalogue(msg::AppTitle),
                                            tr("The document has unsaved changes that will be lost. Continue?"),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer == QMessageBox::Yes;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!querySave()) {
    event->ignore();
    return;
  }
  properties_->close();
  storeSettings();
  // Errors while writing the settings at exit are ignored.
  settings_.save();
  event->accept();
}

// --- Settings -------------------------------------------------------------------

void MainWindow::applySettings() {
  const Options& o = settings_.options();
  tree_->loadSettings(o);
  mainChartColor_ = ColorValue::toQColor(o.mainChart);
  action("PaintXAxisActn")->setChecked(o.paintXAxis);
  action("PaintYAxisActn")->setChecked(o.paintYAxis);
  action("PaintGridActn")->setChecked(o.paintGrid);
  action("ShowPeakBordersActn")->setChecked(o.showPeakBorders);
  action("ShowEachBorderActn")->setChecked(o.showEachBorder);
  peaks_->applySettings(o);
  setLegendStyle(o.legendStyle);
  captionMode_ = std::clamp(o.captionsType, 0, 3);
  tree_->SetShowCaptions(captionMode_ != 0);
  action(captionMode_ == 0   ? "NameHideActn"
         : captionMode_ == 1 ? "NameCommentsActn"
         : captionMode_ == 2 ? "NameNameActn"
                             : "NameTypeActn")
      ->setChecked(true);
  applyChartSettings();
  recordButton_->apply();
  // The port named in the settings (or the built-in emulator) opens a second later.
  deviceLink_->setEmulatorSetup({o.emulatorAutosampler});
  deviceLink_->configure(o.portName, o.useNew3in1, o.asInitTimeout);
  // Nobody asked for the analyzer yet: a port that does not open says so
  // when the user resets the analyzer, not now.
  if (openPortAtStart_)
    deviceLink_->openPortLater(
        1000, [this] { return !documentLoading_; }, true);
  updateActions();
}

void MainWindow::storeSettings() {
  Options& o = settings_.options();
  tree_->saveSettings(o);
  o.paintXAxis = action("PaintXAxisActn")->isChecked();
  o.paintYAxis = action("PaintYAxisActn")->isChecked();
  o.paintGrid = action("PaintGridActn")->isChecked();
  o.showPeakBorders = action("ShowPeakBordersActn")->isChecked();
  o.showEachBorder = action("ShowEachBorderActn")->isChecked();
  peaks_->storeSettings(o);
  o.legendStyle = chartView_->legendStyle();
  o.captionsType = captionMode_;
  o.mainChart = ColorValue::fromQColor(mainChartColor_);
}

void MainWindow::setMainChartColor(const QColor& color) {
  mainChartColor_ = color;
  applyChartSettings();
}

void MainWindow::applyChartSettings() {
  chartView_->setFitImage(action("FitImageActn")->isChecked());
  chartView_->setAxesVisible(action("PaintXAxisActn")->isChecked(), action("PaintYAxisActn")->isChecked());
  chartView_->setGridVisible(action("PaintGridActn")->isChecked());
  chartView_->setBlackAndWhite(action("BandWChartActn")->isChecked());
  chartView_->setBackground(action("ChartBackgroundActn")->isChecked(), mainChartColor_);
}

// --- Wiring ---------------------------------------------------------------------

void MainWindow::connectActions() {
  auto on = [this](const char* name, auto&& fn) { connect(action(name), &QAction::triggered, this, fn); };
  on("NewActn", [this] { NewActnExecute(); });
  on("ExitActn", [this] { close(); });
  // File commands of the document controller: they reach it once installed.
  on("OpenActn", [this] {
    if (documentCommands_) documentCommands_->Open();
  });
  on("AppendFileActn", [this] {
    if (documentCommands_) documentCommands_->AppendFile();
  });
  on("ImportActn", [this] {
    if (documentCommands_) documentCommands_->Import();
  });
  on("SaveActn", [this] {
    if (documentCommands_) documentCommands_->Save();
  });
  on("SaveAsActn", [this] {
    if (documentCommands_) documentCommands_->SaveAs();
  });

  on("RenameActn", [this] { RenameActnExecute(); });
  for (const char* n : {"NodeTypeSummActn", "NodeTypeOverlayActn", "NodeTypeSummAndOverlayActn"}) {
    QAction* a = action(n);
    connect(a, &QAction::triggered, this, [this, a] { NodeTypeExecute(MainActions::tag(a)); });
  }
  on("SummActn", [this] { SummActnExecute(); });
  on("UnSummActn", [this] { UnSummActnExecute(); });
  on("MoveUpActn", [this] { MoveUpActnExecute(); });
  on("MoveDownActn", [this] { MoveDownActnExecute(); });
  on("DeleteActn", [this] { DeleteActnExecute(); });
  on("SelectAllActn", [this] { forest().SelectAll(); });
  on("FoldAllActn", [this] { FoldAllExecute(true); });
  on("UnfoldAllActn", [this] { FoldAllExecute(false); });

  for (const char* n : {"FitImageActn", "PaintXAxisActn", "PaintYAxisActn", "PaintGridActn", "BandWChartActn"}) {
    on(n, [this] { applyChartSettings(); });
  }
  on("ChartBackgroundActn", [this] { ChartBackgroundActnExecute(); });
  on("PaintCaptionsActn", [this] { PaintCaptionsActnExecute(); });
  for (const char* n : {"NameHideActn", "NameCommentsActn", "NameNameActn", "NameTypeActn"}) {
    QAction* a = action(n);
    connect(a, &QAction::triggered, this, [this, a] { setCaptionMode(MainActions::tag(a) - 1); });
  }
  on("ShowLegendActn", [this] { ShowLegendActnExecute(); });
  for (const char* n : {"ShowLegendNoneActn", "ShowLegendRightActn", "ShowLegendLeftActn", "ShowLegendTopActn",
                        "ShowLegendBottomActn"}) {
    QAction* a = action(n);
    connect(a, &QAction::triggered, this, [this, a] { setLegendStyle(MainActions::tag(a)); });
  }
  connect(action("PropertiesActn"), &QAction::triggered, this, [this](bool show) { PropertiesActnExecute(show); });
  on("AboutActn", [this] { AboutActnExecute(); });
  // The stub actions only carry sub-menus.
  action("PaintCaptionsStubActn")->setEnabled(true);
  action("ShowLegendStubActn")->setEnabled(true);
}

void MainWindow::connectView() {
  TImagePreviewBox* v = tree_;
  connect(v, &TImagePreviewBox::selectionChanged, this, &MainWindow::onSelectionChange);
  connect(v, &TImagePreviewBox::nodeRenamed, this, [this](TNode* node, const QString&) {
    structure_->followRename(node);
    setModified(true);
  });
  connect(v, &TImagePreviewBox::nodeCollapsed, this, [this](TNode* node) { structure_->followFold(node, true); });
  connect(v, &TImagePreviewBox::nodeExpanded, this, [this](TNode* node) { structure_->followFold(node, false); });
  connect(v, &TImagePreviewBox::nodeMovedUp, this, [this](TNode*) { structure_->rebuild(documentFileName_); });
  connect(v, &TImagePreviewBox::nodeMovedDown, this, [this](TNode*) { structure_->rebuild(documentFileName_); });
  connect(v, &TImagePreviewBox::treeChanged, this, [this] {
    structure_->rebuild(documentFileName_);
    updateActions();
  });
  // Checking and folding are edits of the document: the checked state changes the averages, and both are saved.
  connect(v, &TImagePreviewBox::decorationsChanged, this, [this](TNode* node) {
    structure_->updateCheckIcon(node);
    setModified(true);
  });
  connect(v, &TImagePreviewBox::seriesRefill, this,
          [this](TArrayDataStruct* record) { chartView_->refillSeries(record); });
  connect(v, &TImagePreviewBox::paintingChanged, this, [this](bool enabled) {
    if (!enabled) return;
    // Structural changes made while painting was suspended were not reported.
    structure_->rebuild(documentFileName_);
    updateActions();
    if (selectionPending_) {
      handleSelection();
    } else {
      chartView_->scheduleRedraw();
    }
  });
}

// --- Selection --------------------------------------------------------------------

void MainWindow::onSelectionChange() {
  // While a bulk operation rearranges the forest, the chart waits for it.
  if (!forest().Painting) {
    selectionPending_ = true;
    return;
  }
  handleSelection();
}

void MainWindow::handleSelection() {
  selectionPending_ = false;
  structure_->followSelection();
  chartView_->rebuildDisplayedCurves();
  updateActions();
  hub_.NotifySelectionChange(this);
  chartView_->redrawNow();
  if (!forest().FocusedNode) statusPanels_[3]->clear();
  hub_.NotifySelectionDone(this);
}

void MainWindow::updateActions() {
  const TNodeForest& f = forest();
  const TNode* focused = f.FocusedNode;
  const std::size_t selected = f.Selection.size();
  MainActions& a = *actions_;
  for (const char* n : {"NewActn", "OpenActn", "RecentFilesActn", "SettingsActn", "CreateMethodActn"}) {
    a.setEnabled(n, !recording_);
  }
  a.setEnabled("RenameActn", selected == 1);
  const bool group = focused && focused->HasChildren();
  const TArrayDataStruct* focusedRecord = focused ? focused->ArrayRecord() : nullptr;
  for (const char* n : {"NodeTypeActn", "NodeTypeSummActn", "NodeTypeOverlayActn", "NodeTypeSummAndOverlayActn"}) {
    a.setEnabled(n, group);
  }
  if (group && focusedRecord) {
    for (const char* n : {"NodeTypeSummActn", "NodeTypeOverlayActn", "NodeTypeSummAndOverlayActn"}) {
      QAction* act = action(n);
      act->setChecked(MainActions::tag(act) == focusedRecord->NodeType);
    }
  }
  a.setEnabled("MoveUpActn", f.CanMoveSelectionUp());
  a.setEnabled("MoveDownActn", f.CanMoveSelectionDown());
  for (const char* n : {"InverseXActn", "InverseYActn", "SetXShiftActn", "PropertiesActn"}) a.setEnabled(n, focused);
  for (const char* n : {"DeleteActn", "FoldAllActn", "UnfoldAllActn"}) a.setEnabled(n, focused && selected > 0);
  a.setEnabled("SummActn", selected > 1);
  a.setEnabled("UnSummActn", selected == 1 && f.Selection.front()->HasChildren());
  a.setEnabled("FindPairsActn", f.FirstRoot() != nullptr);
  a.setEnabled("CopyChartToClpbrdActn", !chartView_->DisplayedCurves().empty());
  a.setEnabled("SelectAllActn", f.FirstRoot() != nullptr);
}

void MainWindow::setRecording(bool on) {
  recording_ = on;
  chartView_->setRecording(on);
  devicePresenter_->setRecording(on);
  recordParams_->setRecording(on);
  updateActions();
}

// --- Handlers -----------------------------------------------------------------------

void MainWindow::NewActnExecute() {
  if (documentCommands_) {
    documentCommands_->New();
    return;
  }
  if (querySave()) newDocument();
}

void MainWindow::RenameActnExecute() {
  TNodeForest& f = forest();
  if (f.Selection.size() != 1) return;
  TNode* node = f.Selection.front();
  if (pages_->currentWidget() == tree_) {
    tree_->StartRename(node);
    return;
  }
  bool ok = false;
  const QString text =
      QInputDialog::getText(this, tr("Rename"), QString(), QLineEdit::Normal, QString::fromStdString(node->Name), &ok);
  if (!ok) return;
  const std::string name = text.toStdString();
  if (name == node->Name) return;
  node->SetName(name);
  structure_->followRename(node);
  setModified(true);
}

void MainWindow::NodeTypeExecute(int type) {
  TNodeForest& f = forest();
  if (!f.FocusedNode || !f.FocusedNode->HasChildren()) return;
  const TNodesArr nodes = f.Selection;
  f.ChangeNodeType(nodes, type);
  setModified(true);
  updateActions();
}

void MainWindow::SummActnExecute() {
  TNodeForest& f = forest();
  if (f.Selection.size() < 2) return;
  const TNodesArr nodes = f.Selection;
  TNode* group = f.GroupNodes(nodes);
  if (group) f.SelectNode(group);
  setModified(true);
}

void MainWindow::UnSummActnExecute() {
  TNodeForest& f = forest();
  if (f.Selection.size() != 1 || !f.Selection.front()->HasChildren()) return;
  TNode* group = f.Selection.front();
  TNode* first = group->FirstChild;
  f.UngroupNode(group);
  if (first && first->InForest()) f.SelectNode(first);
  setModified(true);
}

void MainWindow::MoveUpActnExecute() {
  if (!forest().CanMoveSelectionUp()) return;
  forest().MoveSelectionUp();
  setModified(true);
  updateActions();
}

void MainWindow::MoveDownActnExecute() {
  if (!forest().CanMoveSelectionDown()) return;
  forest().MoveSelectionDown();
  setModified(true);
  updateActions();
}

void MainWindow::DeleteActnExecute() {
  if (forest().Selection.empty()) return;
  if (forest().RemoveSelected(*sink_)) setModified(true);
}

void MainWindow::FoldAllExecute(bool fold) {
  TNodeForest& f = forest();
  if (!f.FocusedNode || f.Selection.empty()) return;
  {
    TPaintingGuard guard(f);
    for (TNode* n : TNodesArr(f.Selection)) {
      if (!n->HasChildren()) continue;
      if (fold && !n->Folded) n->Fold();
      if (!fold && n->Folded) n->Unfold();
    }
  }
  structure_->rebuild(documentFileName_);
  setModified(true);
}

void MainWindow::setCaptionMode(int mode) {
  mode = std::clamp(mode, 0, 3);
  captionMode_ = mode;
  static const char* kNames[] = {"NameHideActn", "NameCommentsActn", "NameNameActn", "NameTypeActn"};
  action(kNames[mode])->setChecked(true);
  TNodeForest& f = forest();
  if (mode != 0) {
    bool changed = false;
    for (const auto& n : f.AllNodes) {
      const TVAStruct* r = n->VA();
      if (!r) continue;
      std::string name;
      if (mode == 1) {
        name = r->Params.Comments();
      } else if (mode == 2) {
        name = r->DatabaseName;
      } else {
        const char* caption = TVAStruct::MeasurementTypeCaption(r->Params.MeasurementType());
        name = caption ? UiText::toStd(catalogue(caption)) : std::string();
      }
      if (name != n->Name) {
        n->SetNameSilently(name);
        changed = true;
      }
    }
    if (changed) setModified(true);
  }
  tree_->SetShowCaptions(mode != 0);
  structure_->rebuild(documentFileName_);
  chartView_->scheduleRedraw();
}

void MainWindow::PaintCaptionsActnExecute() { setCaptionMode((captionMode_ + 1) % 4); }

void MainWindow::setLegendStyle(int style) {
  style = std::clamp(style, 0, 4);
  static const char* kNames[] = {"ShowLegendNoneActn", "ShowLegendRightActn", "ShowLegendLeftActn", "ShowLegendTopActn",
                                 "ShowLegendBottomActn"};
  action(kNames[style])->setChecked(true);
  chartView_->setLegendStyle(style);
}

void MainWindow::ShowLegendActnExecute() { setLegendStyle((chartView_->legendStyle() + 1) % 5); }

void MainWindow::ChartBackgroundActnExecute() { applyChartSettings(); }

void MainWindow::PropertiesActnExecute(bool show) {
  if (show && forest().FocusedNode) {
    properties_->show();
    properties_->raise();
  } else {
    properties_->close();
    action("PropertiesActn")->setChecked(false);
  }
}

void MainWindow::AboutActnExecute() {
  QMessageBox::about(this, tr("About..."),
                     tr("<b>%1</b><br>Workstation software of the stripping-voltammetry analyzer.<br>Version %2")
                         .arg(catalogue(msg::AppTitle), QString::fromLatin1(build::kVersion)));
}

}  // namespace velmora
