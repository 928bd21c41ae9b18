#include "TCalcGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

#include "CaptionPainter.h"

namespace velmora {

namespace {

using Kind = CalcGridLayout::Kind;

bool IsCaptionKind(Kind kind) {
  switch (kind) {
    case Kind::RoleHeader:
    case Kind::ElementHeader:
    case Kind::CellResultCaption:
    case Kind::ConcHeader:
    case Kind::AbscissaHeader:
    case Kind::RootHeader:
    case Kind::DiffusionCaption:
      return true;
    default:
      return false;
  }
}

bool IsUnitKind(Kind kind) {
  return kind == Kind::AddCaption || kind == Kind::InCellCaption || kind == Kind::SampleCaption ||
         kind == Kind::ConcUnits;
}

// Paints each cell by its kind.
class CalcGridDelegate : public QStyledItemDelegate {
 public:
  explicit CalcGridDelegate(TCalcGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const CalcGridLayout* layout = grid_->layoutModel();
    const CalcGridLayout::Cell cell = layout ? layout->At(index.row(), index.column()) : CalcGridLayout::Cell{};
    const QRect r = option.rect;
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const bool fixed = index.row() == 0 || index.column() < 2 || IsCaptionKind(cell.kind) || IsUnitKind(cell.kind) ||
                       cell.kind == Kind::Role;
    p->save();
    p->fillRect(r, selected ? QColor(204, 224, 255) : fixed ? QColor(240, 240, 240) : QColor(Qt::white));
    p->setPen(QColor(208, 208, 208));
    p->drawLine(r.topRight(), r.bottomRight());
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->setPen(option.palette.color(QPalette::Text));
    p->setFont(option.font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const int lineHeight = QFontMetrics(option.font).height();

    if (cell.kind == Kind::CurveMark) {
      if (index.data(Qt::CheckStateRole).isValid()) {
        QStyleOptionViewItem box = option;
        initStyleOption(&box, index);
        box.text.clear();
        box.backgroundBrush = Qt::NoBrush;
        box.state &= ~QStyle::State_Selected;
        const QWidget* w = option.widget;
        w->style()->drawControl(QStyle::CE_ItemViewItem, &box, p, w);
      } else {
        const QColor color = index.data(TCalcGrid::kColorRole).value<QColor>();
        const int side = std::min(r.width(), r.height()) - 8;
        const QRect square(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
        p->fillRect(square, color);
      }
    } else if (IsUnitKind(cell.kind)) {
      // Caption at the left, a fraction of the two units at the right.
      const int y = r.top() + (r.height() - lineHeight) / 2;
      CaptionPainter::DrawCaption(*p, r, r.left() + 3, y, text);
      const QString top = index.data(TCalcGrid::kUnitTopRole).toString();
      const QString bottom = index.data(TCalcGrid::kUnitBottomRole).toString();
      if (!top.isNull() || !bottom.isNull()) {
        const int lineStart = r.left() + 3 + CaptionPainter::CaptionWidth(option.font, text) + 4;
        const int mid = r.top() + r.height() / 2;
        p->drawLine(lineStart, mid, r.right() - 2, mid);
        const int topWidth = CaptionPainter::CaptionWidth(option.font, top);
        const int bottomWidth = CaptionPainter::CaptionWidth(option.font, bottom);
        CaptionPainter::DrawCaption(*p, r, r.right() - 4 - topWidth, mid - lineHeight - 1, top);
        CaptionPainter::DrawCaption(*p, r, r.right() - 4 - bottomWidth, mid + 2, bottom);
      }
    } else if (!text.isEmpty()) {
      const int y = r.top() + (r.height() - lineHeight) / 2;
      const bool right = cell.kind == Kind::PeakValue || cell.kind == Kind::AddConc || cell.kind == Kind::CellResult ||
                         cell.kind == Kind::SampleResult || cell.kind == Kind::GridValue ||
                         cell.kind == Kind::AbscissaValue || cell.kind == Kind::RootValue ||
                         cell.kind == Kind::Diffusion;
      if (cell.kind == Kind::CellResult || cell.kind == Kind::SampleResult || cell.kind == Kind::Diffusion) {
        QFont bold = option.font;
        bold.setBold(true);
        p->setFont(bold);
      }
      const int width = CaptionPainter::CaptionWidth(*p, text);
      const int x = right ? std::max(r.left() + 3, r.right() - 4 - width) : r.left() + 3;
      CaptionPainter::DrawCaption(*p, r.adjusted(1, 0, -1, 0), x, y, text);
    }
    if (index.data(TCalcGrid::kRedFrameRole).toBool()) {
      p->setPen(QPen(Qt::red, 1));
      p->setBrush(Qt::NoBrush);
      p->drawRect(r.adjusted(1, 1, -2, -2));
    }
    p->restore();
  }

 private:
  TCalcGrid* grid_;
};

}  // namespace

TCalcGrid::TCalcGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("PeaksStringGrid"));
  setItemDelegate(new CalcGridDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setShowGrid(false);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setMouseTracking(true);
  setWordWrap(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

bool TCalcGrid::blockRange(QTableWidgetSelectionRange& range) const {
  const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (ranges.size() != 1 || !layout_) return false;
  range = ranges.front();
  return layout_->InPeakBlock(range.topRow(), range.leftColumn());
}

QRect TCalcGrid::rangeRect(const QTableWidgetSelectionRange& range) const {
  const QRect first = visualRect(model()->index(range.topRow(), range.leftColumn()));
  const QRect last = visualRect(model()->index(range.bottomRow(), range.rightColumn()));
  return first.united(last);
}

void TCalcGrid::paintEvent(QPaintEvent* event) {
  QTableWidget::paintEvent(event);
  handle_ = QRect();
  QTableWidgetSelectionRange range;
  if (!blockRange(range)) return;
  const QRect block = rangeRect(range);
  if (!block.isValid()) return;
  QPainter p(viewport());
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(block.adjusted(1, 1, -1, -1));
  handle_ = QRect(block.right() - 3, block.bottom() - 3, 7, 7);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::black);
  p.drawRect(handle_.adjusted(0, 0, -1, -1));
}

void TCalcGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && handle_.contains(event->position().toPoint())) {
    QTableWidgetSelectionRange range;
    if (blockRange(range)) {
      dragging_ = true;
      dragStart_ = range;
      dragRow_ = range.bottomRow();
      event->accept();
      return;
    }
  }
  QTableWidget::mousePressEvent(event);
}

void TCalcGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (dragging_) {
    // While the handle is dragged the block only grows or shrinks in rows.
    int row = rowAt(pos.y());
    if (row < 0) row = pos.y() < 0 ? 0 : rowCount() - 1;
    row = std::max(row, layout_ ? layout_->FirstDataRow() : 0);
    if (row != dragRow_) {
      dragRow_ = row;
      clearSelection();
      const int top = std::min(dragStart_.topRow(), row);
      const int bottom = std::max(dragStart_.bottomRow(), row);
      setRangeSelected(QTableWidgetSelectionRange(top, dragStart_.leftColumn(), bottom, dragStart_.rightColumn()),
                       true);
      viewport()->update();
    }
    event->accept();
    return;
  }
  const bool over = handle_.contains(pos);
  if (over != overHandle_) {
    overHandle_ = over;
    if (over) {
      viewport()->setCursor(Qt::CrossCursor);
      const QString hint = tr("Drag this fill handle to copy peaks borders");
      viewport()->setToolTip(hint);
      emit hintChanged(hint);
    } else {
      viewport()->unsetCursor();
      viewport()->setToolTip(QString());
      emit hintChanged(QString());
    }
  }
  QTableWidget::mouseMoveEvent(event);
}

void TCalcGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_) {
    QTableWidget::mouseReleaseEvent(event);
    return;
  }
  dragging_ = false;
  event->accept();
  const int top = dragStart_.topRow();
  const int bottom = dragStart_.bottomRow();
  if (dragRow_ > bottom) {
    emit fillRequested(top, bottom, dragStart_.leftColumn(), dragStart_.rightColumn(), bottom + 1, dragRow_);
  } else if (dragRow_ < top) {
    emit fillRequested(top, bottom, dragStart_.leftColumn(), dragStart_.rightColumn(), dragRow_, top - 1);
  }
}

void TCalcGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    emit copyRequested();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    emit pasteRequested();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

QString TCalcGrid::selectionText() const {
  const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (ranges.isEmpty()) return QString();
  const QTableWidgetSelectionRange& range = ranges.front();
  QString text;
  for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
    for (int c = range.leftColumn(); c <= range.rightColumn(); ++c) {
      if (c > range.leftColumn()) text += QLatin1Char('\t');
      const QTableWidgetItem* it = item(r, c);
      if (it) text += it->text();
    }
    text += QLatin1Char('\r');
  }
  return text;
}

}  // namespace velmora
