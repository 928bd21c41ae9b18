#include "MainMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

#include "MainActions.h"
#include "MainWindow.h"
#include "StructureTree.h"
#include "TArrayDataStruct.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

constexpr const char* kMenuTitles[] = {
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&File"),    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Edit"),
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&View"),    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Tools"),
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Device"),  QT_TRANSLATE_NOOP("velmora::MainWindow", "&Calculations"),
    QT_TRANSLATE_NOOP("velmora::MainWindow", "&Methods"), QT_TRANSLATE_NOOP("velmora::MainWindow", "&Help"),
};

}  // namespace

MainMenus::MainMenus(MainWindow& window) : QObject(&window), window_(window) {
  buildMenus();
  buildToolBar();
  buildNodePopup();
}

void MainMenus::retranslate() {
  for (const auto& [menu, title] : std::as_const(menus_))
    menu->setTitle(QCoreApplication::translate("velmora::MainWindow", title));
  toolBar_->setWindowTitle(QCoreApplication::translate("velmora::MainWindow", "Tool bar"));
}

void MainMenus::buildMenus() {
  using Cat = MainActions::Category;
  QMenuBar* bar = window_.menuBar();
  auto addMenu = [&](int index) {
    QMenu* m = bar->addMenu(QString());
    menus_.append({m, kMenuTitles[index]});
    return m;
  };
  auto submenu = [&](QMenu* parent, const char* stubName, std::initializer_list<const char*> items) {
    QMenu* m = new QMenu(&window_);
    for (const char* n : items) m->addAction(window_.action(n));
    QAction* stub = window_.action(stubName);
    stub->setMenu(m);
    parent->addAction(stub);
    return m;
  };
  auto add = [&](QMenu* m, std::initializer_list<const char*> names) {
    for (const char* n : names) {
      if (n == nullptr) {
        m->addSeparator();
      } else {
        m->addAction(window_.action(n));
      }
    }
  };

  QMenu* file = addMenu(0);
  add(file, {"NewActn", "OpenActn", "AppendFileActn"});
  QMenu* recent = new QMenu(&window_);
  recent->setObjectName(QStringLiteral("RecentFilesMenu"));
  window_.action("RecentFilesActn")->setMenu(recent);
  file->addAction(window_.action("RecentFilesActn"));
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

void MainMenus::buildToolBar() {
  toolBar_ = window_.addToolBar(QString());
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
      toolBar_->addAction(window_.action(n));
    } else {
      toolBar_->addSeparator();
    }
  }
}

void MainMenus::buildNodePopup() {
  nodePopup_ = new QMenu(&window_);
  nodePopup_->setObjectName(QStringLiteral("NodePopupMenu"));
  nodePopup_->addAction(window_.action("PropertiesActn"));
  nodePopup_->addAction(window_.action("RenameActn"));
  QMenu* types = new QMenu(nodePopup_);
  types->addAction(window_.action("NodeTypeOverlayActn"));
  types->addAction(window_.action("NodeTypeSummActn"));
  types->addAction(window_.action("NodeTypeSummAndOverlayActn"));
  QAction* typeItem = nodePopup_->addMenu(types);
  typeItem->setObjectName(QStringLiteral("PopupNodeTypeItem"));
  nodePopup_->addSeparator()->setObjectName(QStringLiteral("SeriesSeparator"));
  nodePopup_->addAction(window_.action("SummActn"));
  nodePopup_->addAction(window_.action("UnSummActn"));
  nodePopup_->addSeparator();
  nodePopup_->addAction(window_.action("FoldAllActn"));
  nodePopup_->addAction(window_.action("UnfoldAllActn"));
  nodePopup_->addSeparator();
  nodePopup_->addAction(window_.action("MoveUpActn"));
  nodePopup_->addAction(window_.action("MoveDownActn"));
  nodePopup_->addSeparator();
  nodePopup_->addAction(window_.action("DeleteActn"));
  connect(nodePopup_, &QMenu::aboutToShow, this, &MainMenus::fillSeriesItems);
  window_.tree().setPopupMenu(nodePopup_);
  StructureTree* structure = &window_.structureTree();
  connect(structure, &QWidget::customContextMenuRequested, this,
          [this, structure](const QPoint& pos) { nodePopup_->popup(structure->viewport()->mapToGlobal(pos)); });
}

// "Series %d" items after "Node type" for the averaged columns of
// average-and-overlay groups in the selection.
void MainMenus::fillSeriesItems() {
  for (QAction* a : std::as_const(seriesItems_)) {
    nodePopup_->removeAction(a);
    a->deleteLater();
  }
  seriesItems_.clear();
  window_.updateActions();
  TNodesArr type2;
  std::size_t columns = 0;
  for (TNode* n : window_.forest().Selection) {
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
    auto* item = new QAction(QCoreApplication::translate("velmora::MainWindow", "Series %1").arg(i + 1), nodePopup_);
    item->setStatusTip(QCoreApplication::translate(
        "velmora::MainWindow", "Select visible data series for summ and overlay calculation type."));
    item->setCheckable(true);
    bool allVisible = true;
    for (TNode* n : type2) {
      const auto& cols = n->ArrayRecord()->AveragedColumns;
      if (i >= cols.size() || !cols[i] || !cols[i]->Visible) allVisible = false;
    }
    item->setChecked(allVisible);
    const auto index = static_cast<std::int32_t>(i);
    connect(item, &QAction::triggered, this, [this, index] {
      window_.forest().ToggleColumns(window_.forest().Selection, index);
      window_.setModified(true);
    });
    nodePopup_->insertAction(before, item);
    seriesItems_.append(item);
  }
}

}  // namespace velmora
