// The edits of the calculation window: cells, roles, units, parameters, the
// method and abscissa lists, the fill handle, the clipboard and the peak
// commands. Each one writes into every shown curve with its undo step.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QStatusBar>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "CalcMethods.h"
#include "CaptionComboBox.h"
#include "ConcUnits.h"
#include "FlagScope.h"
#include "ICalcHost.h"
#include "IUndoRecorder.h"
#include "MessageSink.h"
#include "Messages.h"
#include "Numbers.h"
#include "TCalcForm.h"
#include "TCalcGrid.h"
#include "TNode.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

namespace {

using Kind = CalcGridLayout::Kind;
using Editor = CalcGridLayout::Editor;

QString Catalogue(const char* text) { return UiText::message(Message(text)); }

// A number typed by the user, or nullopt when the text is none.
std::optional<double> TypedNumber(const QString& text) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double v = ReadNumber(UiText::toStd(text.trimmed()), nan);
  if (std::isnan(v)) return std::nullopt;
  return v;
}

}  // namespace

void TCalcForm::edited() { host_.curvesEdited(); }

// The main window may have rebuilt its list of shown curves since the last
// refresh (a peak edit elsewhere, a recomputed group): an edit first makes
// sure it writes into the curves shown now.
void TCalcForm::syncCurves() {
  if (!refilling_ && host_.shownCurves() != calc_.Curves()) Recalculate();
}

// --- Method and abscissa ----------------------------------------------------------

void TCalcForm::chooseMethod(int method) {
  calc_.SetCurves(host_.shownCurves());
  const auto& curves = calc_.Curves();
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginParams(curves);
  {
    // Notifications raised by the writes wait for the refresh below.
    FlagScope hold(refilling_);
    SetMethod(method);
  }
  undo.CommitParams();
  Recalculate();
  if (!curves.empty()) edited();
}

void TCalcForm::chooseCalibrationType(int type) {
  calc_.SetCurves(host_.shownCurves());
  const auto& curves = calc_.Curves();
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginParams(curves);
  {
    FlagScope hold(refilling_);
    SetCalibrationType(type);
  }
  undo.CommitParams();
  Recalculate();
  if (!curves.empty()) edited();
}

// --- Cells -------------------------------------------------------------------------

void TCalcForm::onItemChanged(QTableWidgetItem* item) {
  if (refilling_ || !item) return;
  const CalcGridLayout::Cell& cell = layout_.At(item->row(), item->column());
  if (cell.kind == Kind::CurveMark) {
    if (!calc_.CheckBoxesOffered()) return;
    calc_.SetRowChecked(static_cast<std::size_t>(cell.curve), item->checkState() == Qt::Checked);
    const bool was = refilling_;
    refilling_ = true;
    fillParams();
    refilling_ = was;
    UpdateResults();
    return;
  }
  applyCellText(item->row(), item->column(), item->text());
}

bool TCalcForm::applyCellText(int row, int column, const QString& text) {
  syncCurves();
  const CalcGridLayout::Cell& cell = layout_.At(row, column);
  const auto& curves = calc_.Curves();
  IUndoRecorder& undo = host_.undoRecorder();
  switch (cell.kind) {
    case Kind::AddConc: {
      const std::size_t e = static_cast<std::size_t>(cell.element);
      const double old = calc_.Elements()[e].AddConc;
      const double value = ReadNumber(UiText::toStd(text.trimmed()), old);
      if (value != old) {
        undo.BeginPeakChange(curves, calc_.Elements()[e].Name);
        {
          FlagScope hold(refilling_);
          calc_.SetAddConc(e, value);
        }
        undo.CommitPeakChange();
        edited();
      }
      UpdateResults();
      return true;
    }
    case Kind::GridValue: {
      const std::size_t c = static_cast<std::size_t>(cell.curve);
      const std::size_t e = static_cast<std::size_t>(cell.element);
      const int index = peakIndex_[c][e];
      if (index < 0) return false;
      const std::string& name = calc_.Elements()[e].Name;
      std::vector<TVAStruct*> holders;
      for (std::size_t k = 0; k < curves.size(); ++k)
        if (peakIndex_[k][e] >= 0) holders.push_back(curves[k]);
      TPeakRecord& peak = curves[c]->Peaks[static_cast<std::size_t>(index)];
      const double value = ReadNumber(UiText::toStd(text.trimmed()), peak.GridValue);
      undo.BeginPeakChange(holders, name);
      peak.GridValue = value;
      undo.CommitPeakChange();
      edited();
      UpdateResults();
      return true;
    }
    case Kind::CurveName: {
      TVAStruct* curve = curves[static_cast<std::size_t>(cell.curve)];
      if (curve->Node && UiText::fromStd(curve->Node->Name) != text) host_.renameCurve(curve, text);
      return true;
    }
    default:
      return false;
  }
}

void TCalcForm::onCurrentCellChanged(int row, int column) {
  hideCellEditors();
  if (grid_->fillDragging()) return;
  const CalcGridLayout::Cell& cell = layout_.At(row, column);
  if (cell.editor == Editor::RoleList) {
    const QRect rect = grid_->visualRect(grid_->model()->index(row, column));
    roleCurve_ = cell.curve;
    const QSignalBlocker block(roleList_);
    roleList_->setCurrentIndex(calc_.Curves()[static_cast<std::size_t>(cell.curve)]->Params.MeasurementType());
    roleList_->setGeometry(rect);
    roleList_->show();
    roleList_->setFocus();
  } else if (cell.editor == Editor::ResultUnits || cell.editor == Editor::SampleUnits ||
             cell.editor == Editor::ElementUnits) {
    placeUnitLists(row, column);
  }
  updateCommandStates();
}

void TCalcForm::hideCellEditors() {
  roleList_->hide();
  unitTop_->hide();
  unitBottom_->hide();
  roleCurve_ = -1;
  unitEditor_ = Editor::None;
  unitElement_ = -1;
}

void TCalcForm::placeUnitLists(int row, int column) {
  const CalcGridLayout::Cell& cell = layout_.At(row, column);
  const TConcParams& p = calc_.Params();
  unitEditor_ = cell.editor;
  unitElement_ = cell.element;
  const QSignalBlocker blockTop(unitTop_);
  const QSignalBlocker blockBottom(unitBottom_);
  unitTop_->clear();
  unitBottom_->clear();
  for (int u = ConcUnits::kFirstMass; u < ConcUnits::kCount; ++u) unitTop_->addItem(Catalogue(ConcUnits::Caption(u)));
  const int bottomCount = cell.editor == Editor::SampleUnits ? ConcUnits::kCount : ConcUnits::kFirstMass;
  for (int u = 0; u < bottomCount; ++u) unitBottom_->addItem(Catalogue(ConcUnits::Caption(u)));
  int top = -1;
  int bottom = -1;
  if (cell.editor == Editor::ResultUnits) {
    top = p.ResUnitTop;
    bottom = p.ResUnitBottom;
  } else if (cell.editor == Editor::SampleUnits) {
    top = p.RecalcUnitTop;
    bottom = p.RecalcUnitBottom;
  } else {
    const TCalcElement& e = calc_.Elements()[static_cast<std::size_t>(cell.element)];
    top = e.UnitTop;
    bottom = e.UnitBottom;
  }
  unitTop_->setCurrentIndex(ConcUnits::IsMass(top) ? top - ConcUnits::kFirstMass : -1);
  unitBottom_->setCurrentIndex(bottom >= 0 && bottom < bottomCount ? bottom : -1);
  const QRect rect = grid_->visualRect(grid_->model()->index(row, column));
  const int width = std::max(unitTop_->sizeHint().width(), unitBottom_->sizeHint().width());
  const int height = (rect.height() - 3) / 2;
  unitTop_->setGeometry(rect.right() - width, rect.top() + 1, width, height);
  unitBottom_->setGeometry(rect.right() - width, rect.top() + 2 + height, width, height);
  unitTop_->show();
  unitBottom_->show();
}

void TCalcForm::onUnitListChosen() {
  const int top = unitTop_->currentIndex() < 0 ? -1 : unitTop_->currentIndex() + ConcUnits::kFirstMass;
  const int bottom = unitBottom_->currentIndex();
  switch (unitEditor_) {
    case Editor::ResultUnits:
      chooseResultUnits(top, bottom);
      break;
    case Editor::SampleUnits:
      chooseSampleUnits(top, bottom);
      break;
    case Editor::ElementUnits:
      if (unitElement_ >= 0) chooseElementUnits(static_cast<std::size_t>(unitElement_), top, bottom);
      break;
    default:
      break;
  }
}

void TCalcForm::chooseRole(std::size_t curve, int role) {
  const auto& curves = calc_.Curves();
  if (curve >= curves.size() || role < 0 || role >= CalcMethods::kRoleCount) return;
  roleList_->hide();
  syncCurves();
  if (curve >= curves.size()) return;
  if (curves[curve]->Params.MeasurementType() == role) return;
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginParams(curves);
  {
    FlagScope hold(refilling_);
    calc_.SetRole(curve, role);
  }
  undo.CommitParams();
  edited();
  refilling_ = true;
  fillParams();
  layOutGrid();
  fillGrid();
  refilling_ = false;
  UpdateResults();
}

void TCalcForm::chooseResultUnits(int top, int bottom) {
  syncCurves();
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginParams(calc_.Curves());
  {
    FlagScope hold(refilling_);
    calc_.SetResultUnits(top, bottom);
  }
  undo.CommitParams();
  edited();
  UpdateResults();
}

void TCalcForm::chooseSampleUnits(int top, int bottom) {
  syncCurves();
  const bool massBefore = ConcUnits::IsMass(calc_.Params().RecalcUnitBottom);
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginParams(calc_.Curves());
  {
    FlagScope hold(refilling_);
    calc_.SetRecalcUnits(top, bottom);
  }
  undo.CommitParams();
  edited();
  if (massBefore != ConcUnits::IsMass(bottom)) {
    refilling_ = true;
    fillParams();
    refilling_ = false;
  }
  UpdateResults();
}

void TCalcForm::chooseElementUnits(std::size_t element, int top, int bottom) {
  syncCurves();
  if (element >= calc_.Elements().size()) return;
  std::vector<TVAStruct*> holders;
  for (std::size_t k = 0; k < calc_.Curves().size(); ++k)
    if (peakIndex_[k][element] >= 0) holders.push_back(calc_.Curves()[k]);
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginPeakChange(holders, calc_.Elements()[element].Name);
  {
    FlagScope hold(refilling_);
    calc_.SetElementUnits(element, top, bottom);
  }
  undo.CommitPeakChange();
  edited();
  UpdateResults();
}

// --- Parameters ----------------------------------------------------------------------

void TCalcForm::onParamChanged(QTableWidgetItem* item) {
  if (refilling_ || !item || item->column() != 1) return;
  if (host_.shownCurves() != calc_.Curves()) {
    // Keep the typed texts over the refresh of the curves.
    QStringList texts;
    for (int i = 0; i < paramsEditor_->rowCount(); ++i) texts << paramsEditor_->item(i, 1)->text();
    Recalculate();
    const QSignalBlocker block(paramsEditor_);
    for (int i = 0; i < paramsEditor_->rowCount() && i < texts.size(); ++i)
      paramsEditor_->item(i, 1)->setText(texts[i]);
  }
  const auto& curves = calc_.Curves();
  const bool calibration = calc_.Method() == CalcMethods::kCalibrationCurve;
  auto& rows = params_.Rows();
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginParams(curves);
  std::vector<std::string> texts;
  refilling_ = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    QTableWidgetItem* cell = paramsEditor_->item(static_cast<int>(i), 1);
    const std::string text = cell ? UiText::toStd(cell->text().trimmed()) : std::string();
    texts.push_back(text);
    auto& row = rows[i];
    const double value = ReadNumber(text, calibration ? row.value : -1.0);
    if (value == -1.0) continue;
    row.value = value;
    for (TVAStruct* c : curves) {
      switch (row.source) {
        case CalcParamList::Source::Volume:
          c->Volumes[static_cast<std::size_t>(row.index)] = value;
          break;
        case CalcParamList::Source::Coefficient: {
          std::array<double, 5> k = c->CalcCoefficients;
          k[static_cast<std::size_t>(row.index)] = value;
          c->SetCalcCoefficients(k);
          break;
        }
        case CalcParamList::Source::UserVariable: {
          TCalcVar var = c->GetVariable(row.name);
          if (var.Name.empty()) {
            var.Name = row.name;
            var.Comment = row.ownCaption == row.name ? std::string() : row.ownCaption;
          }
          var.Value = value;
          c->SetVariable(var);
          break;
        }
      }
    }
  }
  refilling_ = false;
  undo.CommitParams();
  params_.SetErrors(calc_.Method(), texts);
  {
    const QSignalBlocker block(paramsEditor_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (QTableWidgetItem* cell = paramsEditor_->item(static_cast<int>(i), 1)) {
        cell->setData(TCalcGrid::kRedFrameRole, rows[i].error);
        cell->setBackground(rows[i].error ? QColor(255, 228, 228) : QColor(Qt::white));
      }
    }
  }
  edited();
  UpdateResults();
}

// --- Fill handle ----------------------------------------------------------------------

void TCalcForm::fillPeaks(int sourceTop, int sourceBottom, int left, int right, int targetTop, int targetBottom) {
  if (host_.shownCurves() != calc_.Curves()) {
    Recalculate();  // the rows no longer stand for the curves shown
    return;
  }
  const auto& curves = calc_.Curves();
  const int first = layout_.FirstDataRow();
  const int height = sourceBottom - sourceTop + 1;
  if (height <= 0 || targetTop < first || targetBottom >= layout_.Rows()) return;
  struct Copy {
    std::size_t target;
    std::size_t source;
    std::size_t element;
  };
  std::vector<Copy> copies;
  for (int t = targetTop; t <= targetBottom; ++t) {
    const int s = sourceTop + (((t - sourceTop) % height) + height) % height;
    for (int col = left; col <= right; ++col) {
      const CalcGridLayout::Cell& cell = layout_.At(t, col);
      if (cell.kind != Kind::PeakValue) continue;
      const std::size_t target = static_cast<std::size_t>(t - first);
      const std::size_t source = static_cast<std::size_t>(s - first);
      const std::size_t e = static_cast<std::size_t>(cell.element);
      if (peakOf(target, e) && peakOf(source, e)) copies.push_back({target, source, e});
    }
  }
  if (copies.empty()) return;
  std::vector<TVAStruct*> targets;
  for (const Copy& c : copies)
    if (std::find(targets.begin(), targets.end(), curves[c.target]) == targets.end())
      targets.push_back(curves[c.target]);
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginAllPeaks(targets);
  refilling_ = true;
  for (const Copy& c : copies) {
    TPeakRecord peak = *peakOf(c.source, c.element);
    peak.LinSeries.clear();  // the target gets its own linearization
    curves[c.target]->SetPeak(peakIndex_[c.target][c.element], peak);
  }
  refilling_ = false;
  undo.CommitAllPeaks(UndoAction::PeakChange2);
  host_.peaksEdited();
  Recalculate();
}

// --- Clipboard -------------------------------------------------------------------------

void TCalcForm::copySelection() {
  const QString text = grid_->selectionText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void TCalcForm::pasteClipboard() { pasteText(QApplication::clipboard()->text()); }

int TCalcForm::pasteText(const QString& text) {
  if (text.isEmpty()) return 0;
  syncCurves();
  int startRow = grid_->currentRow();
  int startColumn = grid_->currentColumn();
  // Without a current cell the text goes to the first cell that takes text.
  for (int r = 0; startRow < 0 && r < layout_.Rows(); ++r)
    for (int c = 0; startRow < 0 && c < layout_.Columns(); ++c)
      if (layout_.At(r, c).editor == Editor::Text) {
        startRow = r;
        startColumn = c;
      }
  if (startRow < 0 || startColumn < 0) return 0;
  // Split into cells: a tab moves right, a line feed down to the start column.
  struct Entry {
    int row;
    int column;
    QString text;
  };
  std::vector<Entry> entries;
  int row = startRow;
  int column = startColumn;
  QString current;
  bool pending = false;
  for (const QChar ch : text) {
    if (ch == QLatin1Char('\r')) continue;
    if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n')) {
      entries.push_back({row, column, current});
      current.clear();
      pending = false;
      if (ch == QLatin1Char('\t')) {
        ++column;
      } else {
        ++row;
        column = startColumn;
      }
      continue;
    }
    current += ch;
    pending = true;
  }
  if (pending) entries.push_back({row, column, current});
  // Each cell is handled as if typed; a cell that cannot take its text (a
  // caption, a result, a peak value, "-", a word for a number, a place
  // beyond the table) keeps its value and the others are still pasted.
  auto fits = [this](const Entry& e) {
    const CalcGridLayout::Cell& cell = layout_.At(e.row, e.column);
    const bool numeric = cell.kind == Kind::AddConc || cell.kind == Kind::GridValue;
    return cell.editor == Editor::Text && (cell.kind == Kind::CurveName || numeric) &&
           (!numeric || TypedNumber(e.text)) &&
           (cell.kind != Kind::GridValue ||
            peakOf(static_cast<std::size_t>(cell.curve), static_cast<std::size_t>(cell.element)));
  };
  int pasted = 0;
  std::vector<const Entry*> skipped;
  {
    const QSignalBlocker block(grid_);
    for (const Entry& e : entries) {
      if (!fits(e)) {
        skipped.push_back(&e);
        continue;
      }
      if (QTableWidgetItem* it = grid_->item(e.row, e.column)) it->setText(e.text);
      if (applyCellText(e.row, e.column, e.text)) ++pasted;
    }
  }
  Recalculate();
  if (!skipped.empty()) {
    const Entry& first = *skipped.front();
    const QString where = QStringLiteral("%1:%2").arg(first.row + 1).arg(first.column + 1);
    status_->showMessage(UiText::message(Message(
        msg::CalcPasteSkipped, {std::to_string(skipped.size()), UiText::toStd(where), UiText::toStd(first.text)})));
  }
  return pasted;
}

// --- Peak commands ----------------------------------------------------------------------

std::optional<std::string> TCalcForm::selectedPeakName() const {
  const CalcGridLayout::Cell& cell = layout_.At(grid_->currentRow(), grid_->currentColumn());
  if (cell.element < 0 || static_cast<std::size_t>(cell.element) >= calc_.Elements().size()) return std::nullopt;
  if (cell.kind != Kind::PeakValue && cell.kind != Kind::ElementHeader && cell.kind != Kind::GridValue)
    return std::nullopt;
  return calc_.Elements()[static_cast<std::size_t>(cell.element)].Name;
}

void TCalcForm::addCell() {
  syncCurves();
  // Each selected "-" cell gets the element's peak of the nearest curve
  // above (or else below) that holds it.
  const auto& curves = calc_.Curves();
  struct Copy {
    std::size_t target;
    std::size_t source;
    std::size_t element;
  };
  std::vector<Copy> copies;
  for (const QTableWidgetSelectionRange& range : grid_->selectedRanges()) {
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
      for (int col = range.leftColumn(); col <= range.rightColumn(); ++col) {
        const CalcGridLayout::Cell& cell = layout_.At(r, col);
        if (cell.kind != Kind::PeakValue) continue;
        const std::size_t c = static_cast<std::size_t>(cell.curve);
        const std::size_t e = static_cast<std::size_t>(cell.element);
        if (peakOf(c, e)) continue;
        std::optional<std::size_t> source;
        for (std::size_t k = c; k-- > 0;)
          if (peakOf(k, e)) {
            source = k;
            break;
          }
        for (std::size_t k = c + 1; !source && k < curves.size(); ++k)
          if (peakOf(k, e)) source = k;
        if (source) copies.push_back({c, *source, e});
      }
    }
  }
  if (copies.empty()) return;
  std::vector<TVAStruct*> targets;
  for (const Copy& c : copies)
    if (std::find(targets.begin(), targets.end(), curves[c.target]) == targets.end())
      targets.push_back(curves[c.target]);
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginAllPeaks(targets);
  refilling_ = true;
  for (const Copy& c : copies) {
    const TPeakRecord& from = *peakOf(c.source, c.element);
    TVAStruct& target = *curves[c.target];
    target.AddPeak(from.Name, from.CalcType, from.BeginIndex, from.EndIndex);
    TPeakRecord peak = from;
    peak.LinSeries.clear();
    target.SetPeak(target.FindPeak(from.Name), peak);
  }
  refilling_ = false;
  undo.CommitAllPeaks(UndoAction::NewPeak);
  host_.peaksEdited();
  Recalculate();
}

void TCalcForm::removeCell() {
  syncCurves();
  const auto& curves = calc_.Curves();
  std::vector<std::pair<std::size_t, std::string>> removals;
  for (const QTableWidgetSelectionRange& range : grid_->selectedRanges()) {
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
      for (int col = range.leftColumn(); col <= range.rightColumn(); ++col) {
        const CalcGridLayout::Cell& cell = layout_.At(r, col);
        if (cell.kind != Kind::PeakValue) continue;
        const std::size_t c = static_cast<std::size_t>(cell.curve);
        const std::size_t e = static_cast<std::size_t>(cell.element);
        if (peakOf(c, e)) removals.emplace_back(c, calc_.Elements()[e].Name);
      }
    }
  }
  if (removals.empty()) return;
  std::vector<TVAStruct*> targets;
  for (const auto& [c, name] : removals)
    if (std::find(targets.begin(), targets.end(), curves[c]) == targets.end()) targets.push_back(curves[c]);
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginAllPeaks(targets);
  refilling_ = true;
  for (const auto& [c, name] : removals) curves[c]->DeletePeak(name);
  refilling_ = false;
  undo.CommitAllPeaks(UndoAction::RemovePeak);
  host_.peaksEdited();
  Recalculate();
}

void TCalcForm::addPeak() {
  syncCurves();
  // A new element: a peak of the typed name on every shown curve, over the
  // borders of the selected peak cell (limited to each curve's points).
  const CalcGridLayout::Cell& cell = layout_.At(grid_->currentRow(), grid_->currentColumn());
  if (cell.kind != Kind::PeakValue) return;
  const TPeakRecord* selected = peakOf(static_cast<std::size_t>(cell.curve), static_cast<std::size_t>(cell.element));
  if (!selected) return;
  const TPeakRecord source = *selected;  // the curves' peak lists grow below
  const TPeakRecord* from = &source;
  const auto& curves = calc_.Curves();
  QString prompt;
  QString name;
  for (;;) {
    name = host_.askText(tr("Enter the name, please..."), prompt, name);
    if (name.isNull()) return;
    name = name.trimmed();
    const std::string utf8 = UiText::toStd(name);
    bool taken = name.isEmpty();
    for (const TVAStruct* c : curves)
      if (c->FindPeak(utf8) >= 0) taken = true;
    if (!taken) break;
    prompt = tr("Enter another name");
  }
  const std::string utf8 = UiText::toStd(name);
  IUndoRecorder& undo = host_.undoRecorder();
  undo.BeginAllPeaks(curves);
  refilling_ = true;
  for (TVAStruct* c : curves) {
    TPeakRecord peak = *from;
    peak.Name = utf8;
    peak.LinSeries.clear();
    peak.AdditionConc = 0.0;
    peak.GridValue = 0.0;
    c->AddPeak(utf8, from->CalcType, from->BeginIndex, from->EndIndex);
    c->SetPeak(c->FindPeak(utf8), peak);
  }
  refilling_ = false;
  undo.CommitAllPeaks(UndoAction::NewPeak);
  host_.peaksEdited();
  Recalculate();
}

void TCalcForm::updateCommandStates() {
  bool anyPeak = false;
  bool anyEmpty = false;
  for (const QTableWidgetSelectionRange& range : grid_->selectedRanges()) {
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
      for (int col = range.leftColumn(); col <= range.rightColumn(); ++col) {
        const CalcGridLayout::Cell& cell = layout_.At(r, col);
        if (cell.kind != Kind::PeakValue) continue;
        if (peakOf(static_cast<std::size_t>(cell.curve), static_cast<std::size_t>(cell.element))) {
          anyPeak = true;
        } else {
          anyEmpty = true;
        }
      }
    }
  }
  const CalcGridLayout::Cell& current = layout_.At(grid_->currentRow(), grid_->currentColumn());
  const bool currentPeak =
      current.kind == Kind::PeakValue &&
      peakOf(static_cast<std::size_t>(current.curve), static_cast<std::size_t>(current.element)) != nullptr;
  auto enable = [this](const char* name, bool on) {
    if (QAction* a = host_.action(name)) a->setEnabled(on);
  };
  enable("AddCellActn", anyEmpty);
  enable("RemoveCellActn", anyPeak);
  enable("AddPeakActn", currentPeak);
  enable("CopyCalcGridToClipBrdActn", !grid_->selectedRanges().isEmpty());
  enable("PasteClpBrdToGridActn", !QApplication::clipboard()->text().isEmpty());
  if (selectedPeakName()) enable("RenamePeakActn", true);
}

}  // namespace velmora
