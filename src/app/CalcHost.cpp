#include "CalcHost.h"

#include <QAction>
#include <QInputDialog>

#include "MainChartView.h"
#include "MainWindow.h"
#include "PeaksHost.h"
#include "Settings.h"
#include "StructureTree.h"
#include "TCalcForm.h"
#include "TEquationEditor.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeaksController.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"
#include "UiText.h"

namespace velmora {

CalcHost::CalcHost(MainWindow& window, Settings& settings, TPluginsManager& hub)
    : QObject(&window), window_(window), settings_(settings), hub_(hub) {
  for (const char* name : {"PeaksTreatmentActn", "EqEditorActn", "IncludeZeroPointActn", "AddCellActn", "AddPeakActn",
                           "RemoveCellActn", "CopyCalcGridToClipBrdActn", "PasteClpBrdToGridActn"})
    window.actions().adopt(name);
  editor_ = new TEquationEditor([this] { return settings_.dataFolder(); }, window.messageSink(), hub, &window);
  form_ = new TCalcForm(*this, hub, &window);
  form_->setStatForm(window.statForm());
  QAction* calculations = window.action("PeaksTreatmentActn");
  connect(calculations, &QAction::toggled, form_, [this](bool on) {
    form_->setVisible(on);
    if (on) form_->raise();
  });
  connect(form_, &TCalcForm::visibilityChanged, calculations,
          [calculations](bool on) { calculations->setChecked(on); });
  connect(window.action("EqEditorActn"), &QAction::triggered, this, [this] { EqEditorActnExecute(); });
  connect(editor_, &TEquationEditor::methodsChanged, form_, [this] { form_->refillMethodList(); });
  // "Rename peak" takes the table's selected peak while this window is active.
  window.peaks().controller().setRenameSource([this]() -> std::optional<std::string> {
    if (!form_->isVisible() || !form_->isActiveWindow()) return std::nullopt;
    return form_->selectedPeakName();
  });
}

CalcHost::~CalcHost() {
  delete form_;
  delete editor_;
}

void CalcHost::EqEditorActnExecute() {
  editor_->exec();
  form_->refillMethodList();
}

std::vector<TVAStruct*> CalcHost::shownCurves() {
  std::vector<TVAStruct*> curves;
  for (const TTableContent& row : window_.DisplayedCurves())
    if (row.Shown)
      if (auto* va = dynamic_cast<TVAStruct*>(row.Curve)) curves.push_back(va);
  return curves;
}

QColor CalcHost::curveColor(std::size_t index) {
  std::size_t k = 0;
  for (const TTableContent& row : window_.DisplayedCurves()) {
    if (!row.Shown || !dynamic_cast<TVAStruct*>(row.Curve)) continue;
    if (k++ == index) return window_.peaks().curveColor(row.ColorIndex);
  }
  return Qt::black;
}

IUndoRecorder& CalcHost::undoRecorder() { return window_.forest().Undo(); }
IMessageSink& CalcHost::messageSink() { return window_.messageSink(); }
QAction* CalcHost::action(const char* name) { return window_.action(name); }

void CalcHost::curvesEdited() { window_.setModified(true); }

void CalcHost::peaksEdited() {
  window_.setModified(true);
  window_.peaks().controller().refresh();
  window_.chartView().scheduleRedraw();
}

void CalcHost::renameCurve(TVAStruct* curve, const QString& name) {
  if (!curve || !curve->Node) return;
  curve->Node->SetName(UiText::toStd(name));
  window_.structureTree().followRename(curve->Node);
  window_.setModified(true);
  window_.chartView().scheduleRedraw();
}

QString CalcHost::askText(const QString& caption, const QString& prompt, const QString& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(form_, caption, prompt, QLineEdit::Normal, initial, &ok);
  return ok ? text : QString();
}

}  // namespace velmora
