#include "TPeaksController.h"

#include <qcustomplot.h>

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QEvent>
#include <QInputDialog>
#include <QMenu>

#include "CalcTypeCycle.h"
#include "IPeaksHost.h"
#include "MessageSink.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PeakValue.h"
#include "TPeakEditor.h"
#include "TPeakMarking.h"
#include "TPeaksSelectionForm.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

namespace {

// The calculation-type actions by type number.
constexpr const char* kCalcActions[8] = {"CalcByHeightActn",       "CalcBySquareActn",       "CalcByMinMaxActn",
                                         "CalcByMinMaxWLinesActn", "CalcIntersectionActn",   "CalcPotDiffActn",
                                         "CalcLinSlopeActn",       "CalcByMinMaxWLines2Actn"};
constexpr const char* kBaselineActions[2] = {"BaseLineLineActn", "BaseLinePolyActn"};

}  // namespace

TPeaksController::TPeaksController(IPeaksHost& host, TPluginsManager& hub, QObject* parent)
    : QObject(parent), host_(host) {
  editor_ = std::make_unique<TPeakEditor>(host.DisplayedCurves(),
                                          [this]() -> IUndoRecorder& { return host_.undoRecorder(); });
  QDockWidget* dock = host.peaksDock();
  dock_ = dock;
  form_ = new TPeaksSelectionForm(host, hub, dock ? static_cast<QWidget*>(dock) : host.window());
  if (dock) {
    dock->setWidget(form_);
    dock->installEventFilter(this);
  } else {
    form_->setWindowFlag(Qt::Tool);
  }
  marking_ = new TPeakMarking(
      host, *editor_, hub, [this]() -> const TElementsPeaksArr& { return table_; }, [this] { refresh(); }, this);
  marking_->setCalcTypeSource([this] { return StoredCalcType(shownCalcType()); });
  askNumber_ = [this](const QString& caption, const QString& initial) -> std::optional<QString> {
    bool ok = false;
    const QString text = QInputDialog::getText(host_.window(), caption, QString(), QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
  };
  if (QCustomPlot* chart = host.mainChart()) {
    auto source = [this]() -> const TPeakDrawing& { return drawing_; };
    bands_ = new TPeakBandsLayer(chart, TPeakBandsLayer::Role::Bands, source);
    marks_ = new TPeakBandsLayer(chart, TPeakBandsLayer::Role::Marks, source);
  }
  connect(form_, &TPeaksSelectionForm::curvesRebuilt, this, &TPeaksController::refresh);
  connect(form_, &TPeaksSelectionForm::checksChanged, this, &TPeaksController::refresh);
  connect(form_, &TPeaksSelectionForm::chartDrawn, this, &TPeaksController::onChartDrawn);
  connect(form_, &TPeaksSelectionForm::selectedPeakChanged, this, &TPeaksController::updateActions);
  // The hint on the calculation-type command is set here, after the main
  // window's own actions have taken the new language.
  connect(form_, &TPeaksSelectionForm::retranslated, this, &TPeaksController::updateActions, Qt::QueuedConnection);
  connect(marking_, &TPeakMarking::contextMenuRequested, this, [this](int x, int y) {
    QCustomPlot* chart = host_.mainChart();
    if (!chart) return;
    QMenu* menu = buildChartMenu(x);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(chart->mapToGlobal(QPoint(x, y)));
  });
  wire();
  refresh();
}

TPeaksController::~TPeaksController() {
  // The chart, the dock and the hub may outlive the controller: nothing of
  // theirs may reach it afterwards.
  if (dock_) dock_->removeEventFilter(this);
  delete bands_;
  delete marks_;
  delete form_;
}

TPeaksSelectionForm& TPeaksController::form() const { return *form_; }

const std::vector<const char*>& TPeaksController::commandActions() {
  static const std::vector<const char*> names = {
      "PeaksAutoSearchActn",    "SetPeakBordersActn",     "ChangePeakCalculationTypeActn",
      "ChangeBaseLineTypeActn", "RenamePeakActn",         "RemovePeakActn",
      "SetXShiftByPeakActn",    "ShowPeakBordersActn",    "ShowEachBorderActn",
      "ShowPeakHintActn",       "CalcByHeightActn",       "CalcBySquareActn",
      "CalcByMinMaxActn",       "CalcByMinMaxWLinesActn", "CalcIntersectionActn",
      "CalcPotDiffActn",        "CalcLinSlopeActn",       "CalcByMinMaxWLines2Actn",
      "BaseLineLineActn",       "BaseLinePolyActn"};
  return names;
}

bool TPeaksController::eventFilter(QObject* watched, QEvent* event) {
  // Closing the docked window by its title button turns the marking off.
  if (event->type() == QEvent::Close && watched == dock_) {
    if (QAction* a = host_.action("SetPeakBordersActn"); a && a->isChecked()) a->setChecked(false);
  }
  return QObject::eventFilter(watched, event);
}

// --- State ------------------------------------------------------------------------

int TPeaksController::shownCalcType() const { return ShownCalcType(table_, CurrentCalcType()); }

int TPeaksController::shownBaselineType() const {
  const QAction* line = host_.action("BaseLineLineActn");
  const QAction* poly = host_.action("BaseLinePolyActn");
  const int current = poly && poly->isChecked() && !(line && line->isChecked()) ? 1 : 0;
  return ShownBaselineType(table_, current);
}

void TPeaksController::refresh() {
  if (refreshing_) return;
  refreshing_ = true;
  table_ = editor_->BuildTable();
  form_->showTable(table_);
  updateDrawing();
  updateActions();
  host_.redrawChart();
  refreshing_ = false;
}

void TPeaksController::onChartDrawn() {
  if (refreshing_) return;
  // Peaks changed elsewhere (undo, another window) show up at the next paint.
  if (editor_->BuildTable() != table_) refresh();
}

void TPeaksController::updateDrawing() {
  auto checked = [this](const char* name) {
    const QAction* a = host_.action(name);
    return a && a->isChecked();
  };
  TPeakDrawing d;
  d.Visible = marking_->active() || checked("ShowPeakBordersActn");
  d.Plain = host_.blackAndWhite();
  // The flat charts mark every curve's borders with the bands; "Show each
  // peak border" belongs to the 3-D view, which draws them on each curve.
  d.EachBorder = true;
  d.Labels = checked("ShowPeakHintActn");
  d.PeaksColor = host_.peaksColor();
  d.CrossPeaksColor = host_.crossPeaksColor();
  d.CaptionColor = host_.peakCaptionColor();
  if (d.Visible) {
    d.Table = table_;
    for (const TTableContent& c : host_.DisplayedCurves()) {
      auto* va = dynamic_cast<TVAStruct*>(c.Curve);
      if (!va || !c.Shown) continue;
      d.Curves.push_back({va->DisplayData(), va->GetPeaks(), host_.curveColor(c.ColorIndex)});
    }
  }
  drawing_ = std::move(d);
}

void TPeaksController::updateActions() {
  const int shown = shownCalcType();
  if (QAction* change = host_.action("ChangePeakCalculationTypeActn")) {
    change->setData(shown);
    const QString hint = shown < 0 ? UiText::message(Message(msg::MixedCalcTypes)) : QString();
    change->setToolTip(hint.isEmpty() ? change->text() : hint);
    change->setStatusTip(hint);
  }
  for (int t = 0; t < 8; ++t) {
    if (QAction* a = host_.action(kCalcActions[t])) {
      if (QActionGroup* g = a->actionGroup()) g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      a->setChecked(t == shown);
    }
  }
  const int baseline = shownBaselineType();
  if (QAction* change = host_.action("ChangeBaseLineTypeActn")) change->setData(baseline);
  for (int t = 0; t < 2; ++t) {
    if (QAction* a = host_.action(kBaselineActions[t])) {
      if (QActionGroup* g = a->actionGroup()) g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      a->setChecked(t == baseline);
    }
  }
  std::string selected;
  const bool hasRow = form_->selectedPeak(selected);
  auto enable = [this](const char* name, bool on) {
    if (QAction* a = host_.action(name)) a->setEnabled(on);
  };
  enable("PeaksAutoSearchActn", !editor_->Checked().empty());
  enable("RenamePeakActn", hasRow);
  enable("RemovePeakActn", hasRow);
  enable("SetXShiftByPeakActn", hasRow && peakPotentialAvailable(selected));
}

void TPeaksController::wire() {
  for (const char* name : commandActions()) {
    if (QAction* a = host_.action(name)) a->setEnabled(true);
  }
  auto on = [this](const char* name, auto&& fn) {
    if (QAction* a = host_.action(name)) connect(a, &QAction::triggered, this, fn);
  };
  on("PeaksAutoSearchActn", [this] { PeaksAutoSearchActnExecute(); });
  for (int t = 0; t < 8; ++t) on(kCalcActions[t], [this, t] { pickCalcType(t); });
  for (int t = 0; t < 2; ++t) on(kBaselineActions[t], [this, t] { pickBaselineType(t); });
  on("ChangePeakCalculationTypeActn", [this] { ChangePeakCalculationTypeActnExecute(); });
  on("ChangeBaseLineTypeActn", [this] { ChangeBaseLineTypeActnExecute(); });
  on("RenamePeakActn", [this] { RenamePeakActnExecute(); });
  on("RemovePeakActn", [this] { RemovePeakActnExecute(); });
  on("SetXShiftByPeakActn", [this] { SetXShiftByPeakActnExecute(); });
  if (QAction* a = host_.action("SetPeakBordersActn")) {
    connect(a, &QAction::toggled, this, [this](bool checked) { SetPeakBordersActnExecute(checked); });
  }
  for (const char* name : {"ShowPeakBordersActn", "ShowEachBorderActn", "ShowPeakHintActn", "BandWChartActn"}) {
    if (QAction* a = host_.action(name)) connect(a, &QAction::toggled, this, [this] { refresh(); });
  }
}

// --- Commands ---------------------------------------------------------------------

void TPeaksController::PeaksAutoSearchActnExecute() {
  TPredefPeaks predefined;
  if (host_.wizardShown()) predefined = host_.wizardPredefinedPeaks();
  const int invert = PredefInvertFlag(predefined);
  if (editor_->AutoSearch(invert, predefined, StoredCalcType(shownCalcType())).empty()) return;
  host_.curvesEdited();
  refresh();
}

void TPeaksController::pickCalcType(int calcType) {
  SetCurrentCalcType(calcType);
  if (!table_.empty() && editor_->SetAllCalcTypes(calcType, host_.messageSink())) host_.curvesEdited();
  refresh();
}

void TPeaksController::pickBaselineType(int baselineType) {
  if (!table_.empty() && editor_->SetAllBaselineTypes(baselineType, host_.messageSink())) host_.curvesEdited();
  refresh();
  // With no peak to follow, the picked type stays the one in force.
  if (table_.empty()) {
    for (int t = 0; t < 2; ++t) {
      if (QAction* a = host_.action(kBaselineActions[t])) a->setChecked(t == baselineType);
    }
  }
}

void TPeaksController::ChangePeakCalculationTypeActnExecute() { pickCalcType(NextCalcType(shownCalcType())); }

void TPeaksController::ChangeBaseLineTypeActnExecute() { pickBaselineType(NextBaselineType(shownBaselineType())); }

void TPeaksController::RenamePeakActnExecute() {
  if (renameSource_) {
    if (const std::optional<std::string> grid = renameSource_()) {
      renamePeak(*grid);
      return;
    }
  }
  std::string name;
  if (form_->selectedPeak(name)) renamePeak(name);
}

void TPeaksController::RemovePeakActnExecute() {
  std::string name;
  if (form_->selectedPeak(name)) removePeak(name);
}

void TPeaksController::SetXShiftByPeakActnExecute() {
  std::string name;
  if (form_->selectedPeak(name)) setPeakPotential(name);
}

void TPeaksController::SetPeakBordersActnExecute(bool on) {
  if (QDockWidget* dock = host_.peaksDock()) {
    dock->setVisible(on);
  } else {
    form_->setVisible(on);
  }
  marking_->setActive(on);
  refresh();
}

void TPeaksController::renamePeak(const std::string& name) {
  QString prompt;
  QString text = UiText::fromStd(name);
  for (;;) {
    const std::optional<QString> answer = TPeakMarking::askNameDialog(host_.window(), prompt, text);
    if (!answer) return;
    text = answer->trimmed();
    const std::string utf8 = UiText::toStd(text);
    if (!text.isEmpty() && !editor_->NameTaken(name, utf8)) {
      if (editor_->RenamePeak(name, utf8)) {
        host_.curvesEdited();
        refresh();
        form_->selectPeak(utf8);
      }
      return;
    }
    prompt = TPeakMarking::tr("Enter another name");
  }
}

void TPeaksController::removePeak(const std::string& name) {
  if (!editor_->RemovePeak(name)) return;
  host_.curvesEdited();
  refresh();
}

void TPeaksController::setPeakCalcType(const std::string& name, int calcType) {
  SetCurrentCalcType(calcType);
  if (!editor_->SetPeakCalcType(name, calcType).empty()) host_.curvesEdited();
  refresh();
}

void TPeaksController::setPeakBaselineType(const std::string& name, int baselineType) {
  if (!editor_->SetPeakBaselineType(name, baselineType).empty()) host_.curvesEdited();
  refresh();
}

bool TPeaksController::peakPotentialAvailable(const std::string& name) const {
  const std::vector<TVAStruct*> holding = editor_->Holding(name);
  if (holding.size() != 1) return false;
  const std::int32_t i = holding.front()->FindPeak(name);
  const int type = holding.front()->Peaks[static_cast<std::size_t>(i)].CalcType;
  return type == CalcByHeight || type == CalcByMinMaxWLines || type == CalcByMinMaxWLines2;
}

void TPeaksController::setPeakPotential(const std::string& name) {
  const std::optional<double> potential = editor_->PeakPotential(name);
  if (!potential) return;
  const std::optional<QString> text =
      askNumber_(tr("Enter peak potential"), UiText::fromStd(NumberFormat::Exact(*potential)));
  if (!text) return;
  const std::optional<double> value = ParseDecimal(UiText::toStd(text->trimmed()), '.');
  if (!value) return;
  editor_->ShiftAll(*value - *potential);
  host_.curvesEdited();
  refresh();
}

// --- Chart menu -------------------------------------------------------------------

void TPeaksController::addPeakItems(QMenu* menu, const TElementPeak& row) {
  const std::string name = row.Name;
  menu->addAction(tr("Rename peak"), this, [this, name] { renamePeak(name); });
  menu->addSeparator();
  for (int t = 0; t < 8; ++t) {
    const QAction* source = host_.action(kCalcActions[t]);
    QAction* a = menu->addAction(source ? source->text() : QString::number(t), this,
                                 [this, name, t] { setPeakCalcType(name, t); });
    a->setCheckable(true);
    a->setChecked(row.CalcType == t);
  }
  menu->addSeparator();
  for (int t = 0; t < 2; ++t) {
    const QAction* source = host_.action(kBaselineActions[t]);
    QAction* a = menu->addAction(source ? source->text() : QString::number(t), this,
                                 [this, name, t] { setPeakBaselineType(name, t); });
    a->setCheckable(true);
    a->setChecked(row.BaselineType == t);
  }
  menu->addSeparator();
  QAction* potential = menu->addAction(tr("Set peak potential"), this, [this, name] { setPeakPotential(name); });
  potential->setEnabled(peakPotentialAvailable(name));
  menu->addAction(tr("Remove peak"), this, [this, name] { removePeak(name); });
}

QMenu* TPeaksController::buildChartMenu(int x) {
  auto* menu = new QMenu(host_.window());
  menu->setObjectName(QStringLiteral("PeaksChartMenu"));
  for (const char* name : {"SetPeakBordersActn", "PeaksAutoSearchActn", "SetXShiftActn"}) {
    if (QAction* a = host_.action(name)) menu->addAction(a);
  }
  QCustomPlot* chart = host_.mainChart();
  if (!chart) return menu;
  const double potential = chart->xAxis->pixelToCoord(x);
  std::vector<const TElementPeak*> rows;
  for (const TElementPeak& row : table_) {
    if (std::min(row.BeginPotential, row.EndPotential) <= potential &&
        potential <= std::max(row.BeginPotential, row.EndPotential)) {
      rows.push_back(&row);
    }
  }
  if (rows.empty()) return menu;
  menu->addSeparator();
  if (rows.size() == 1) {
    addPeakItems(menu, *rows.front());
  } else {
    for (const TElementPeak* row : rows) addPeakItems(menu->addMenu(UiText::fromStd(row->Name)), *row);
  }
  return menu;
}

}  // namespace velmora
