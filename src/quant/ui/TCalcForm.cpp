#include "TCalcForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "CalcMethods.h"
#include "CalcTypeCycle.h"
#include "CaptionComboBox.h"
#include "CaptionPainter.h"
#include "ConcUnits.h"
#include "CustomMethods.h"
#include "ICalcHost.h"
#include "MessageSink.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PeakFormat.h"
#include "TCalcGrid.h"
#include "TCalcSerie.h"
#include "TCalculator.h"
#include "TNode.h"
#include "TPlugin.h"
#include "TPluginsManager.h"
#include "TStatForm.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

namespace {

using Kind = CalcGridLayout::Kind;
using Editor = CalcGridLayout::Editor;

QString Catalogue(const char* text) { return UiText::message(Message(text)); }
QString UnitText(std::int32_t unit) { return Catalogue(ConcUnits::Caption(unit)); }

constexpr int kCaptionColumnWidth = 120;
constexpr int kElementColumnWidth = 96;

const char* const kAbscissaHeaders[] = {
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Cleaning potential, mV"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Cleaning time, s"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Preparation 1 potential, mV"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Preparation 1 time, s"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Preparation 2 potential, mV"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Preparation 2 time, s"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Electrolysis potential, mV"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Electrolysis time, s"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Delay after mixing, s"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Modulation amplitude, mV"),
    QT_TRANSLATE_NOOP("velmora::TCalcForm", "Modulation Frequency, Hz"),
};

}  // namespace

TCalcForm::TCalcForm(ICalcHost& host, TPluginsManager& hub, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), calculator_(std::make_unique<TCalculator>()) {
  setObjectName(QStringLiteral("CalcForm"));
  calc_.SetCustomMethods(&CustomMethods::List());
  calc_.SetMethodEvaluator([this](const TCustomMethod& m) { return calculator_->EvaluateMethodValue(m); });
  buildUi();
  retranslateUi();
  // The hub outlives the windows: the handler checks that this window still lives.
  TPlugin& plugin = hub.Register();
  const QPointer<TCalcForm> self(this);
  plugin.OnSelectionDone = [self](void*) {
    if (self) self->RecalculateIfShown();
  };
  plugin.OnLanguageChange = [self] {
    if (self) self->retranslateUi();
  };
  resize(1100, 560);
}

TCalcForm::~TCalcForm() {
  // The chart belongs to the main window: it leaves the panel before this window goes.
  if (statForm_) {
    statForm_->setCalculation(nullptr);
    if (statForm_->parentWidget() == chartPanel_) {
      statForm_->hide();
      statForm_->setParent(parentWidget(), Qt::Tool);
    }
  }
}

// --- Layout ---------------------------------------------------------------------

void TCalcForm::buildUi() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  pages_ = new QTabWidget(this);
  pages_->setDocumentMode(true);
  outer->addWidget(pages_, 1);
  status_ = new QStatusBar(this);
  status_->setSizeGripEnabled(false);
  outer->addWidget(status_);

  auto* single = new QWidget(pages_);
  auto* singleLayout = new QVBoxLayout(single);
  singleLayout->setContentsMargins(2, 2, 2, 2);
  singleLayout->setSpacing(2);
  toolBar_ = new QToolBar(single);
  // Icons with their captions as tool tips: the whole bar fits the window.
  toolBar_->setIconSize(QSize(22, 22));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  methodList_ = new QComboBox(toolBar_);
  methodList_->setObjectName(QStringLiteral("MethodList"));
  methodList_->setMinimumWidth(280);
  methodList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  toolBar_->addWidget(methodList_);
  auto addAction = [this](const char* name) {
    if (QAction* a = host_.action(name)) toolBar_->addAction(a);
  };
  addAction("EqEditorActn");
  toolBar_->addSeparator();
  if (QAction* zero = host_.action("IncludeZeroPointActn")) {
    toolBar_->addAction(zero);
    connect(zero, &QAction::toggled, this, [this](bool on) {
      calc_.SetIncludeZeroPoint(on);
      UpdateResults();
    });
    calc_.SetIncludeZeroPoint(zero->isChecked());
  }
  abscissaList_ = new QComboBox(toolBar_);
  abscissaList_->setObjectName(QStringLiteral("AbscissaList"));
  abscissaList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  abscissaAction_ = toolBar_->addWidget(abscissaList_);
  addAction("SaveCalibrationActn");
  addAction("ShowCalibrationsActn");
  toolBar_->addSeparator();
  addAction("ChangePeakCalculationTypeActn");
  addAction("ChangeBaseLineTypeActn");
  toolBar_->addSeparator();
  for (const char* n : {"AddPeakActn", "RemovePeakActn", "RenamePeakActn", "AddCellActn", "RemoveCellActn"})
    addAction(n);
  toolBar_->addSeparator();
  addAction("CopyCalcGridToClipBrdActn");
  addAction("PasteClpBrdToGridActn");
  toolBar_->addSeparator();
  addAction("StatActn");
  addAction("AddToReportActn");
  addAction("ReportActn");
  for (QToolButton* b : toolBar_->findChildren<QToolButton*>()) {
    if (b->defaultAction() && b->defaultAction()->menu()) b->setPopupMode(QToolButton::MenuButtonPopup);
  }
  singleLayout->addWidget(toolBar_);

  splitter_ = new QSplitter(Qt::Horizontal, single);
  splitter_->setChildrenCollapsible(false);
  connect(splitter_, &QSplitter::splitterMoved, this, [this] { splitByHand_ = true; });
  calcArea_ = new QWidget(splitter_);
  auto* area = new QVBoxLayout(calcArea_);
  area->setContentsMargins(0, 0, 0, 0);
  area->setSpacing(2);
  noMethod_ = new QLabel(calcArea_);
  noMethod_->setAlignment(Qt::AlignCenter);
  area->addWidget(noMethod_);
  grid_ = new TCalcGrid(calcArea_);
  grid_->setLayoutModel(&layout_);
  area->addWidget(grid_, 3);
  auto* bottom = new QHBoxLayout;
  paramsEditor_ = new QTableWidget(0, 2, calcArea_);
  paramsEditor_->setObjectName(QStringLiteral("CalcParamsEditor"));
  paramsEditor_->verticalHeader()->hide();
  paramsEditor_->horizontalHeader()->setStretchLastSection(true);
  paramsEditor_->setItemDelegateForColumn(0, new CaptionItemDelegate(paramsEditor_));
  paramsEditor_->setMouseTracking(true);
  paramsEditor_->setSelectionMode(QAbstractItemView::SingleSelection);
  paramsEditor_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  paramsEditor_->setMinimumWidth(360);
  paramsEditor_->verticalHeader()->setDefaultSectionSize(paramsEditor_->fontMetrics().height() + 8);
  paramsEditor_->viewport()->installEventFilter(this);
  bottom->addWidget(paramsEditor_, 2);
  auto* notes = new QVBoxLayout;
  legend_ = new QLabel(calcArea_);
  legend_->setObjectName(QStringLiteral("InputLegend"));
  hint_ = new QLabel(calcArea_);
  hint_->setObjectName(QStringLiteral("HintPanel"));
  hint_->setWordWrap(true);
  notes->addWidget(legend_);
  notes->addWidget(hint_);
  notes->addStretch(1);
  bottom->addLayout(notes, 1);
  area->addLayout(bottom, 2);

  chartPanel_ = new QWidget(splitter_);
  chartPanel_->setObjectName(QStringLiteral("ChartPanel"));
  auto* panel = new QVBoxLayout(chartPanel_);
  panel->setContentsMargins(0, 0, 0, 0);
  chartPanel_->hide();
  splitter_->addWidget(calcArea_);
  splitter_->addWidget(chartPanel_);
  splitter_->setStretchFactor(0, 3);
  splitter_->setStretchFactor(1, 2);
  singleLayout->addWidget(splitter_, 1);
  pages_->addTab(single, QString());

  auto* report = new QWidget(pages_);
  auto* reportLayout = new QVBoxLayout(report);
  reportText_ = new QLabel(report);
  reportText_->setAlignment(Qt::AlignCenter);
  reportLayout->addWidget(reportText_);
  pages_->addTab(report, QString());

  // Editors that appear over the selected cell.
  roleList_ = new QComboBox(grid_->viewport());
  roleList_->setObjectName(QStringLiteral("RoleList"));
  roleList_->hide();
  roleList_->installEventFilter(this);
  unitTop_ = new CaptionComboBox(grid_->viewport());
  unitBottom_ = new CaptionComboBox(grid_->viewport());
  unitTop_->hide();
  unitBottom_->hide();

  connect(methodList_, &QComboBox::activated, this, [this](int index) {
    chooseMethod(index < CalcMethods::kBuiltinCount ? index : CalcMethods::kFirstCustom + (index - 6));
  });
  connect(abscissaList_, &QComboBox::activated, this, [this](int index) { chooseCalibrationType(index); });
  connect(grid_, &QTableWidget::itemChanged, this, &TCalcForm::onItemChanged);
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this](int row, int column, int, int) { onCurrentCellChanged(row, column); });
  connect(grid_, &QTableWidget::itemSelectionChanged, this, [this] { updateCommandStates(); });
  connect(grid_, &TCalcGrid::fillRequested, this, &TCalcForm::fillPeaks);
  connect(grid_, &TCalcGrid::copyRequested, this, &TCalcForm::copySelection);
  connect(grid_, &TCalcGrid::pasteRequested, this, &TCalcForm::pasteClipboard);
  connect(grid_, &TCalcGrid::hintChanged, this, [this](const QString& hint) {
    if (hint.isEmpty()) {
      status_->clearMessage();
    } else {
      status_->showMessage(hint);
    }
  });
  connect(roleList_, &QComboBox::activated, this, [this](int role) {
    if (roleCurve_ >= 0) chooseRole(static_cast<std::size_t>(roleCurve_), role);
  });
  connect(unitTop_, &QComboBox::activated, this, [this] { onUnitListChosen(); });
  connect(unitBottom_, &QComboBox::activated, this, [this] { onUnitListChosen(); });
  connect(paramsEditor_, &QTableWidget::itemChanged, this, &TCalcForm::onParamChanged);
  connect(paramsEditor_, &QTableWidget::itemEntered, this, [this](QTableWidgetItem* item) {
    const std::size_t row = static_cast<std::size_t>(item->row());
    if (row < params_.Rows().size()) {
      const auto& r = params_.Rows()[row];
      QString hint = *r.hint ? Catalogue(r.hint) : UiText::fromStd(r.ownCaption);
      status_->showMessage(hint.remove(QLatin1Char('^')));
    }
  });
  auto wire = [this](const char* name, auto&& fn) {
    if (QAction* a = host_.action(name)) connect(a, &QAction::triggered, this, fn);
  };
  wire("AddCellActn", [this] { addCell(); });
  wire("AddPeakActn", [this] { addPeak(); });
  wire("RemoveCellActn", [this] { removeCell(); });
  wire("CopyCalcGridToClipBrdActn", [this] { copySelection(); });
  wire("PasteClpBrdToGridActn", [this] { pasteClipboard(); });
  // Pasting is offered while the clipboard holds text.
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { updateCommandStates(); });
}

void TCalcForm::retranslateUi() {
  setWindowTitle(tr("Calculations"));
  pages_->setTabText(0, tr("Single calculation"));
  pages_->setTabText(1, tr("Report"));
  reportText_->setText(tr("The report is empty."));
  noMethod_->setText(tr("Select data in main window list and choose the calculation method"));
  paramsEditor_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
  legend_->setText(QStringLiteral("<span style='color:red'>&#9632;</span> ") +
                   tr("Erroneous input is marked by the red frame").toHtmlEscaped());
  {
    const QSignalBlocker block(roleList_);
    roleList_->clear();
    for (int r = 0; r < CalcMethods::kRoleCount; ++r)
      roleList_->addItem(Catalogue(TVAStruct::MeasurementTypeCaption(r)));
  }
  fillAbscissaList();
  refillMethodList();
  if (isVisible()) Recalculate();
}

void TCalcForm::fillAbscissaList() {
  const QSignalBlocker block(abscissaList_);
  abscissaList_->clear();
  for (int t = 0; t < CalcMethods::kAbscissaCount; ++t)
    abscissaList_->addItem(Catalogue(CalcMethods::AbscissaCaption(t)));
  abscissaList_->setCurrentIndex(calc_.CalibrationType());
}

void TCalcForm::refillMethodList() {
  const QSignalBlocker block(methodList_);
  methodList_->clear();
  for (int m = 0; m < CalcMethods::kBuiltinCount; ++m) methodList_->addItem(Catalogue(CalcMethods::Name(m)));
  for (const TCustomMethod& m : CustomMethods::List()) methodList_->addItem(UiText::fromStd(m.Name));
  const int method = calc_.Method();
  methodList_->setCurrentIndex(method < 0 ? -1 : method);
}

void TCalcForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

void TCalcForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (statForm_ && statForm_->parentWidget() != chartPanel_) {
    const bool shown = statForm_->isVisible();
    statForm_->setParent(chartPanel_, Qt::Widget);
    chartPanel_->layout()->addWidget(statForm_);
    statForm_->setVisible(shown);
    chartPanel_->setVisible(shown);
  }
  refillMethodList();
  Recalculate();
  emit visibilityChanged(true);
}

void TCalcForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  balanceSplitter();
}

void TCalcForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  hideCellEditors();
  // The chart floats again while this window is away.
  if (statForm_ && statForm_->parentWidget() == chartPanel_ && !event->spontaneous()) {
    const bool shown = !statForm_->isHidden();
    statForm_->setParent(parentWidget(), Qt::Tool);
    statForm_->setVisible(shown);
  }
  emit visibilityChanged(false);
}

void TCalcForm::setStatForm(TStatForm* form) {
  if (statForm_) {
    disconnect(statForm_, nullptr, this, nullptr);
    statForm_->removeEventFilter(this);
    statForm_->setCalculation(nullptr);
  }
  statForm_ = form;
  if (!form) return;
  form->setCalculation(&calc_);
  form->installEventFilter(this);
  connect(form, &TStatForm::visibilityChanged, this, [this](bool visible) {
    if (statForm_ && statForm_->parentWidget() == chartPanel_) chartPanel_->setVisible(visible);
    if (visible && !refilling_) Recalculate();
  });
}

bool TCalcForm::eventFilter(QObject* watched, QEvent* event) {
  if (statForm_ && watched == statForm_ && statForm_->parentWidget() == chartPanel_) {
    // The panel follows the docked chart, shown or hidden while this window is.
    if (event->type() == QEvent::ShowToParent && !chartPanel_->isVisibleTo(this)) {
      chartPanel_->show();
      splitByHand_ = false;
      balanceSplitter();
    }
    if (event->type() == QEvent::HideToParent) chartPanel_->hide();
  }
  if (watched == roleList_ && event->type() == QEvent::FocusOut && !roleList_->view()->isVisible()) {
    roleList_->hide();
  } else if (watched == paramsEditor_->viewport() && event->type() == QEvent::Leave) {
    status_->clearMessage();
  }
  return QWidget::eventFilter(watched, event);
}

// --- Refresh -----------------------------------------------------------------------

void TCalcForm::Recalculate() {
  if (refilling_) return;
  refilling_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{refilling_};
  hideCellEditors();
  calc_.SetCurves(host_.shownCurves());
  calc_.SetCurrentCalcType(CurrentCalcType());
  const TConcCalculation::MethodSource source = calc_.TakeMethodFromCurves();
  if (source == TConcCalculation::MethodSource::Unsupported)
    host_.messageSink().error(Message(msg::CalcMethodNotSupported));
  if (methodList_->count() != CalcMethods::kBuiltinCount + static_cast<int>(CustomMethods::List().size()))
    refillMethodList();
  calc_.Recalculate();
  showMethod();
  fillParams();
  layOutGrid();
  fillGrid();
  writeResults();
  updateCommandStates();
}

void TCalcForm::RecalculateIfShown() {
  if (isVisible() || (statForm_ && statForm_->isVisible())) Recalculate();
}

void TCalcForm::UpdateResults() {
  calc_.UpdateResults();
  const bool was = refilling_;
  refilling_ = true;
  writeResults();
  refilling_ = was;
}

void TCalcForm::showMethod() {
  const int method = calc_.Method();
  {
    const QSignalBlocker block(methodList_);
    methodList_->setCurrentIndex(method < 0 ? -1 : method);
  }
  {
    const QSignalBlocker block(abscissaList_);
    abscissaList_->setCurrentIndex(calc_.CalibrationType());
  }
  const bool calibration = method == CalcMethods::kCalibrationCurve;
  abscissaAction_->setVisible(calibration);
  if (QAction* zero = host_.action("IncludeZeroPointActn")) zero->setVisible(calibration);
  noMethod_->setVisible(method < 0);
  grid_->setVisible(method >= 0);
  hint_->setVisible(method >= 0);
  paramsEditor_->setVisible(method >= 0 && CalcParamList::Shown(method, calc_.CalibrationType()));
}

void TCalcForm::SetMethod(int method) {
  if (!calc_.SetMethod(method)) return;
  showMethod();
}

void TCalcForm::SetCalibrationType(int type) {
  calc_.SetCalibrationType(type);
  showMethod();
}

void TCalcForm::fillParams() {
  params_.Build(calc_);
  const QSignalBlocker block(paramsEditor_);
  const auto& rows = params_.Rows();
  paramsEditor_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const auto& r = rows[static_cast<std::size_t>(i)];
    auto* caption = new QTableWidgetItem(*r.caption ? Catalogue(r.caption) : UiText::fromStd(r.ownCaption));
    caption->setFlags(Qt::ItemIsEnabled);
    paramsEditor_->setItem(i, 0, caption);
    auto* value =
        new QTableWidgetItem(r.value == -1.0 ? QStringLiteral("?") : UiText::fromStd(NumberFormat::Exact(r.value)));
    value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    value->setData(TCalcGrid::kRedFrameRole, r.error);
    if (r.error) value->setBackground(QColor(255, 228, 228));
    paramsEditor_->setItem(i, 1, value);
  }
  paramsEditor_->resizeColumnToContents(0);
}

const TPeakRecord* TCalcForm::peakOf(std::size_t curve, std::size_t element) const {
  if (curve >= peakIndex_.size() || element >= peakIndex_[curve].size()) return nullptr;
  const int i = peakIndex_[curve][element];
  return i < 0 ? nullptr : &calc_.Curves()[curve]->Peaks[static_cast<std::size_t>(i)];
}

void TCalcForm::layOutGrid() {
  const auto& curves = calc_.Curves();
  const auto& elements = calc_.Elements();
  peakIndex_.assign(curves.size(), std::vector<int>(elements.size(), -1));
  for (std::size_t c = 0; c < curves.size(); ++c)
    for (std::size_t e = 0; e < elements.size(); ++e) peakIndex_[c][e] = curves[c]->FindPeak(elements[e].Name);
  layout_.Build(calc_.Method(), calc_.CalibrationType(), curves.size(), elements.size(),
                [this](std::size_t c, std::size_t e) { return peakIndex_[c][e] >= 0; });
}

void TCalcForm::setCell(int row, int column, const QString& text) {
  QTableWidgetItem* it = grid_->item(row, column);
  if (!it) {
    it = new QTableWidgetItem;
    grid_->setItem(row, column, it);
  }
  if (it->text() != text) it->setText(text);
  const CalcGridLayout::Cell& cell = layout_.At(row, column);
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (cell.editor == Editor::Text) flags |= Qt::ItemIsEditable;
  if (cell.kind == Kind::CurveMark && calc_.CheckBoxesOffered()) flags |= Qt::ItemIsUserCheckable;
  if (it->flags() != flags) it->setFlags(flags);
}

void TCalcForm::fillGrid() {
  const QSignalBlocker block(grid_);
  const int rows = layout_.Rows();
  const int columns = layout_.Columns();
  grid_->setRowCount(rows);
  grid_->setColumnCount(columns);
  const int unitHeight = unitTop_->sizeHint().height();
  const int rowHeight = grid_->fontMetrics().height() + 8;
  for (int r = 0; r < rows; ++r) grid_->setRowHeight(r, layout_.IsUnitRow(r) ? 2 * unitHeight + 3 : rowHeight);
  grid_->setColumnWidth(0, rowHeight);
  if (columns > 1) grid_->setColumnWidth(1, 150);
  for (int c = 2; c < columns; ++c)
    grid_->setColumnWidth(c, c < layout_.FirstElementColumn() && c == 2 ? kCaptionColumnWidth : kElementColumnWidth);
  fitCaptionColumns();
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const CalcGridLayout::Cell& cell = layout_.At(r, c);
      setCell(r, c, cellText(cell));
      QTableWidgetItem* it = grid_->item(r, c);
      if (cell.kind == Kind::CurveMark) {
        it->setData(TCalcGrid::kColorRole, host_.curveColor(static_cast<std::size_t>(cell.curve)));
        if (calc_.CheckBoxesOffered()) {
          it->setCheckState(calc_.RowChecked(static_cast<std::size_t>(cell.curve)) ? Qt::Checked : Qt::Unchecked);
        } else {
          it->setData(Qt::CheckStateRole, QVariant());
        }
      }
    }
  }
}

void TCalcForm::balanceSplitter() {
  if (splitByHand_ || !chartPanel_->isVisibleTo(this)) return;
  // The table gets the width its columns need (the parameter list at
  // least), the chart the rest, but never less than a legible chart.
  constexpr int kChartMinimum = 420;
  int table = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width() + 4;
  for (int c = 0; c < grid_->columnCount(); ++c) table += grid_->columnWidth(c);
  if (grid_->verticalHeader()->isVisible()) table += grid_->verticalHeader()->width();
  table = std::max(table, paramsEditor_->minimumWidth() + 200);
  const int width = splitter_->width() - splitter_->handleWidth();
  const int left = std::clamp(table, width / 3, std::max(width / 3, width - kChartMinimum));
  splitter_->setSizes({left, width - left});
}

void TCalcForm::fitCaptionColumns() {
  // Captions wider than their column widen it (the unit fraction needs room too).
  for (int c = 2; c < std::min(layout_.Columns(), layout_.FirstElementColumn()); ++c) {
    int widest = c == 2 ? kCaptionColumnWidth : kElementColumnWidth;
    for (int r = 0; r < layout_.Rows(); ++r) {
      const QTableWidgetItem* it = grid_->item(r, c);
      if (!it) continue;
      const int extra = layout_.IsUnitRow(r) ? 50 : 12;
      widest = std::max(widest, CaptionPainter::CaptionWidth(grid_->font(), it->text()) + extra);
    }
    if (grid_->columnWidth(c) != std::min(widest, 320)) grid_->setColumnWidth(c, std::min(widest, 320));
  }
}

QString TCalcForm::cellText(const CalcGridLayout::Cell& cell) const {
  const auto& curves = calc_.Curves();
  const auto& elements = calc_.Elements();
  const TConcParams& p = calc_.Params();
  const std::size_t c = static_cast<std::size_t>(std::max(cell.curve, 0));
  const std::size_t e = static_cast<std::size_t>(std::max(cell.element, 0));
  const int type = calc_.CalibrationType();
  switch (cell.kind) {
    case Kind::CurveName: {
      const TNode* node = curves[c]->Node;
      return node ? UiText::fromStd(node->Name) : QString();
    }
    case Kind::RoleHeader:
      return tr("Measurment type");
    case Kind::Role:
      return Catalogue(TVAStruct::MeasurementTypeCaption(curves[c]->Params.MeasurementType()));
    case Kind::ElementHeader: {
      const char* unit = CalcTypeUnit(elements[e].CalcType);
      return QStringLiteral("%1, %2").arg(UiText::fromStd(elements[e].Name),
                                          unit ? Catalogue(unit) : QStringLiteral("?"));
    }
    case Kind::AddCaption:
      return tr("C(Add),");
    case Kind::InCellCaption:
      return tr("In cell (C_x_),");
    case Kind::AddConc:
      return UiText::fromStd(NumberFormat::Exact(elements[e].AddConc));
    case Kind::CellResultCaption:
      return tr("Result in cell (C_x_), %1/%2").arg(UnitText(p.ResUnitTop), UnitText(p.ResUnitBottom));
    case Kind::SampleCaption:
      return tr("In sample (X),");
    case Kind::PeakValue: {
      const TPeakRecord* peak = peakOf(c, e);
      return peak ? UiText::fromStd(FormatPeakValue(peak->PeakValue)) : QStringLiteral("-");
    }
    case Kind::ConcHeader:
      return QStringLiteral("C(%1)").arg(UiText::fromStd(elements[e].Name));
    case Kind::GridValue: {
      const TPeakRecord* peak = peakOf(c, e);
      return peak ? UiText::fromStd(NumberFormat::Exact(peak->GridValue)) : QStringLiteral("-");
    }
    case Kind::AbscissaHeader:
      if (type == CalcMethods::kAbscissaSweepRate) return tr("Sweep rate");
      if (type == CalcMethods::kAbscissaAngularFrequency) return tr("Stirrer frequency");
      if (type >= 3 && type < CalcMethods::kAbscissaCount) return tr(kAbscissaHeaders[type - 3]);
      return QString();
    case Kind::RootHeader:
      return (type == CalcMethods::kAbscissaSweepRate ? tr("Sweep rate") : tr("Angular frequency")) +
             QStringLiteral("^1/2^");
    case Kind::AbscissaValue: {
      const TVAStruct& curve = *curves[c];
      if (type == CalcMethods::kAbscissaSweepRate)
        return UiText::fromStd(NumberFormat::Exact(curve.Params.SweepRate() / 1000.0));
      if (type == CalcMethods::kAbscissaAngularFrequency)
        return curve.StirrerSpeed < 1 ? QStringLiteral("-") : QString::number(curve.StirrerSpeed);
      double x = 0.0;
      double scale = 1.0;
      return TCalcSerie::AbscissaOf(curve, type, x, scale) ? UiText::fromStd(NumberFormat::Exact(x))
                                                           : QStringLiteral("-");
    }
    case Kind::RootValue: {
      const TVAStruct& curve = *curves[c];
      if (type == CalcMethods::kAbscissaSweepRate)
        return UiText::fromStd(NumberFormat::Decimals(std::sqrt(std::max(0.0, curve.Params.SweepRate() / 1000.0)), 4));
      if (curve.StirrerSpeed < 1) return QStringLiteral("-");
      return UiText::fromStd(NumberFormat::Decimals(std::sqrt(curve.StirrerSpeed * 2.0 * std::numbers::pi / 60.0), 4));
    }
    case Kind::DiffusionCaption:
      return Catalogue(msg::ConcDiffusionCoefficient);
    default:
      return QString();
  }
}

void TCalcForm::writeResults() {
  const QSignalBlocker block(grid_);
  const int method = calc_.Method();
  const bool custom = CalcMethods::IsCustom(method);
  const bool met = calc_.RequirementsMet();
  const auto& elements = calc_.Elements();
  const TConcParams& p = calc_.Params();
  QStringList failures;
  for (int r = 0; r < layout_.Rows(); ++r) {
    for (int c = 0; c < layout_.Columns(); ++c) {
      const CalcGridLayout::Cell& cell = layout_.At(r, c);
      QTableWidgetItem* it = grid_->item(r, c);
      if (!it) continue;
      const std::size_t e = static_cast<std::size_t>(std::max(cell.element, 0));
      switch (cell.kind) {
        case Kind::CellResult: {
          const double v = elements[e].CellResult;
          setCell(r, c, !met ? QString() : v < 0 ? QStringLiteral("?") : UiText::fromStd(FormatPeakValue(v)));
          break;
        }
        case Kind::SampleResult: {
          const TCalcElement& el = elements[e];
          const double v = el.SampleResult;
          QString text;
          if (met)
            text =
                v == -1.0 ? (custom ? QStringLiteral("?") : QStringLiteral("-")) : UiText::fromStd(FormatPeakValue(v));
          setCell(r, c, text);
          QString tip;
          if (el.Failure) {
            tip = tr("%1 '%2'").arg(Catalogue(el.Failure), UiText::fromStd(el.FailureToken));
            failures << QStringLiteral("%1: %2").arg(UiText::fromStd(el.Name), tip);
          }
          it->setToolTip(tip);
          break;
        }
        case Kind::Diffusion: {
          const double v = elements[e].SampleResult;
          setCell(r, c,
                  !met    ? QString()
                  : v < 0 ? QStringLiteral("?")
                          : UiText::fromStd(NumberFormat::Scientific(v, 4)));
          break;
        }
        case Kind::AddConc:
          setCell(r, c, UiText::fromStd(NumberFormat::Exact(elements[e].AddConc)));
          it->setData(TCalcGrid::kRedFrameRole, method != CalcMethods::kByCalibration && !(elements[e].AddConc > 0));
          break;
        case Kind::AddCaption:
        case Kind::InCellCaption:
          if (custom) {
            it->setData(TCalcGrid::kUnitTopRole, QVariant());
            it->setData(TCalcGrid::kUnitBottomRole, QVariant());
            it->setData(TCalcGrid::kRedFrameRole, false);
          } else {
            it->setData(TCalcGrid::kUnitTopRole, UnitText(p.ResUnitTop));
            it->setData(TCalcGrid::kUnitBottomRole, UnitText(p.ResUnitBottom));
            it->setData(TCalcGrid::kRedFrameRole, p.ResUnitTop < 0 || p.ResUnitBottom < 0);
          }
          break;
        case Kind::SampleCaption:
          it->setData(TCalcGrid::kUnitTopRole, UnitText(p.RecalcUnitTop));
          it->setData(TCalcGrid::kUnitBottomRole, UnitText(p.RecalcUnitBottom));
          it->setData(TCalcGrid::kRedFrameRole, !custom && (p.RecalcUnitTop < 0 || p.RecalcUnitBottom < 0));
          break;
        case Kind::CellResultCaption:
          setCell(r, c, cellText(cell));
          break;
        case Kind::ConcUnits:
          it->setData(TCalcGrid::kUnitTopRole, UnitText(elements[e].UnitTop));
          it->setData(TCalcGrid::kUnitBottomRole, UnitText(elements[e].UnitBottom));
          it->setData(TCalcGrid::kRedFrameRole, elements[e].UnitTop < 0 || elements[e].UnitBottom < 0);
          break;
        default:
          break;
      }
    }
  }
  fitCaptionColumns();
  balanceSplitter();
  inputCheck();
  QStringList hints;
  if (calc_.CheckBoxesOffered()) hints << Catalogue(msg::ConcSelectSeries);
  hints << failures;
  hint_->setText(hints.join(QLatin1Char('\n')));
  if (!failures.isEmpty()) status_->showMessage(failures.front());
  grid_->viewport()->update();
  refreshStat();
}

void TCalcForm::inputCheck() {
  const int method = calc_.Method();
  const TConcParams& p = calc_.Params();
  inputValid_ = !params_.AnyError();
  bool showLegend = false;
  if (method == CalcMethods::kCalibrationCurve) {
    showLegend = !inputValid_;
  } else if (method == CalcMethods::kByCalibration) {
    showLegend = !inputValid_ || p.RecalcUnitTop < 0 || p.RecalcUnitBottom < 0;
  } else if (method >= 0) {
    for (const TCalcElement& e : calc_.Elements())
      if (!(e.AddConc > 0)) inputValid_ = false;
    const bool units = p.ResUnitTop >= 0 && p.ResUnitBottom >= 0 && p.RecalcUnitTop >= 0 && p.RecalcUnitBottom >= 0;
    showLegend = !(inputValid_ && (units || CalcMethods::IsCustom(method)));
  }
  legend_->setVisible(showLegend);
  emit inputChecked();
}

void TCalcForm::refreshStat() {
  if (statForm_ && statForm_->isVisible()) statForm_->Refresh();
}

}  // namespace velmora
