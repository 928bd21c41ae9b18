#include "TImagePreviewBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "CaptionPainter.h"
#include "ColorValue.h"
#include "Options.h"
#include "SimulatedBadge.h"
#include "TArrayDataStruct.h"
#include "TRecordPlacement.h"
#include "ThumbnailPainter.h"

namespace velmora {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

TImagePreviewBox::TImagePreviewBox(QWidget* parent)
    : QAbstractScrollArea(parent), forest_(std::make_unique<TNodeForest>()) {
  setObjectName(QStringLiteral("Tree"));
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);
  QFont f = font();
  f.setPixelSize(11);
  setFont(f);
  connectHooks();
}

TImagePreviewBox::~TImagePreviewBox() {
  // The forest's hooks point back at this view: cut them before the nodes go.
  TNodeForest& f = *forest_;
  f.OnNodeSelectionChange = nullptr;
  f.OnRename = nullptr;
  f.OnCollapse = f.OnExpand = f.OnMoveDown = f.OnMoveUp = nullptr;
  f.OnTreeChange = nullptr;
  f.OnSelectedRepaint = nullptr;
  f.OnNodeRepaint = nullptr;
  f.OnDecorationsChange = nullptr;
  f.OnSeriesRefill = nullptr;
  f.OnPaintingChange = nullptr;
  f.OnScrollIntoView = nullptr;
}

void TImagePreviewBox::connectHooks() {
  TNodeForest& f = *forest_;
  f.OnNodeSelectionChange = [this] {
    // Selections set by program (SelectNode, SetSelection) scroll too.
    if (forest_->Painting) ScrollIntoView();
    viewport()->update();
    emit selectionChanged();
  };
  f.OnRename = [this](TNode* node, const std::string& name) {
    viewport()->update();
    emit nodeRenamed(node, qs(name));
  };
  f.OnCollapse = [this](TNode* node) {
    invalidateLayout();
    emit nodeCollapsed(node);
  };
  f.OnExpand = [this](TNode* node) {
    invalidateLayout();
    emit nodeExpanded(node);
  };
  f.OnMoveUp = [this](TNode* node) {
    invalidateLayout();
    emit nodeMovedUp(node);
  };
  f.OnMoveDown = [this](TNode* node) {
    invalidateLayout();
    emit nodeMovedDown(node);
  };
  f.OnTreeChange = [this] {
    if (forest_->Count() < knownNodeCount_) dropAllThumbnails();
    knownNodeCount_ = forest_->Count();
    invalidateLayout();
    emit treeChanged();
  };
  f.OnSelectedRepaint = [this](bool) { viewport()->update(); };
  f.OnNodeRepaint = [this](TNode* node, bool) {
    dropThumbnail(node);
    viewport()->update();
  };
  f.OnDecorationsChange = [this](TNode* node) {
    viewport()->update();
    emit decorationsChanged(node);
  };
  f.OnSeriesRefill = [this](TArrayDataStruct* record) { emit seriesRefill(record); };
  f.OnPaintingChange = [this](bool enabled) {
    // A document cleared while painting was suspended reported no tree change.
    if (forest_->Count() < knownNodeCount_) dropAllThumbnails();
    knownNodeCount_ = forest_->Count();
    invalidateLayout();
    emit paintingChanged(enabled);
  };
  f.OnScrollIntoView = [this](TNode*) { ScrollIntoView(); };
}

// --- Settings ---------------------------------------------------------------

QColor TImagePreviewBox::selectColor() const {
  return params_.selectColor.isValid() ? params_.selectColor : palette().color(QPalette::Highlight);
}

void TImagePreviewBox::loadSettings(const Options& o) {
  params_.picWidth = std::clamp(o.picWidth, 16, 2000);
  params_.picHeight = std::clamp(o.picHeight, 12, 2000);
  params_.fields = std::clamp(o.fields, 0, 200);
  params_.imageMargin = std::clamp(o.imageMargin, 0, 200);
  params_.selectColor = (static_cast<std::uint32_t>(o.selectColor) & 0xFF000000u) == 0xFF000000u
                            ? QColor()
                            : ColorValue::toQColor(o.selectColor);
  params_.dataColor = ColorValue::toQColor(o.dataColor);
  params_.nodeBackColor = ColorValue::toQColor(o.nodeBackColor);
  params_.nodeBorderColor = ColorValue::toQColor(o.nodeBorderColor);
  params_.peaksColor = ColorValue::toQColor(o.peaksColor);
  params_.crossPeaksColor = ColorValue::toQColor(o.crossPeaksColor);
  RepaintAll();
}

void TImagePreviewBox::saveSettings(Options& o) const {
  o.picWidth = params_.picWidth;
  o.picHeight = params_.picHeight;
  o.fields = params_.fields;
  o.imageMargin = params_.imageMargin;
  // The system highlight stays a reference to the system colour.
  o.selectColor = params_.selectColor.isValid() ? ColorValue::fromQColor(params_.selectColor) : -16777203;
  o.dataColor = ColorValue::fromQColor(params_.dataColor);
  o.nodeBackColor = ColorValue::fromQColor(params_.nodeBackColor);
  o.nodeBorderColor = ColorValue::fromQColor(params_.nodeBorderColor);
}

void TImagePreviewBox::SetColor(int kind, const QColor& value) {
  switch (kind) {
    case 0:
      params_.selectColor = value;
      break;
    case 1:
      params_.dataColor = value;
      break;
    case 2:
      params_.nodeBackColor = value;
      break;
    case 3:
      params_.nodeBorderColor = value;
      break;
    default:
      return;
  }
  if (forest_->Painting) RepaintAll();
}

void TImagePreviewBox::SetSpacing(int kind, int value) {
  value = std::clamp(value, 0, 200);
  if (kind == 0) {
    params_.indent = value;
  } else if (kind == 1) {
    params_.imageMargin = value;
  } else {
    return;
  }
  invalidateLayout();
}

void TImagePreviewBox::SetPictureParam(int kind, int value) {
  switch (kind) {
    case 0:
      params_.picWidth = std::clamp(value, 16, 2000);
      break;
    case 1:
      params_.picHeight = std::clamp(value, 12, 2000);
      break;
    case 2:
      params_.fields = std::clamp(value, 0, 200);
      break;
    default:
      return;
  }
  invalidateLayout();
  if (forest_->Painting) RepaintAll();
}

void TImagePreviewBox::SetShowCaptions(bool on) {
  forest_->ShowCaptions = on ? 1 : 0;
  viewport()->update();
}

void TImagePreviewBox::setPeaks(const IThumbnailPeaks* peaks) {
  peaks_ = peaks;
  RepaintAll();
}

// --- Layout -----------------------------------------------------------------

void TImagePreviewBox::invalidateLayout() {
  layoutDirty_ = true;
  viewport()->update();
  updateScrollBars();
}

void TImagePreviewBox::ensureLayout() const {
  if (!layoutDirty_) return;
  layoutDirty_ = false;
  rows_.clear();
  rowIndex_.assign(forest_->Count(), -1);
  contentWidth_ = 0;
  const int spacing = params_.imageMargin;
  // Depth first over the shown nodes: a folded node hides its subtree.
  std::vector<std::pair<TNode*, int>> stack;
  for (TNode* r = forest_->LastRoot(); r; r = r->PrevSibling) stack.emplace_back(r, 0);
  while (!stack.empty()) {
    auto [node, depth] = stack.back();
    stack.pop_back();
    const int x = spacing + depth * params_.indent;
    const int y = spacing + static_cast<int>(rows_.size()) * rowPitch();
    if (node->Id >= 0 && static_cast<std::size_t>(node->Id) < rowIndex_.size()) {
      rowIndex_[static_cast<std::size_t>(node->Id)] = static_cast<int>(rows_.size());
    }
    rows_.push_back({node, x, y});
    contentWidth_ = std::max(contentWidth_, x + params_.picWidth + spacing);
    if (!node->Folded && node->FirstChild) {
      for (TNode* c = node->LastChild(); c; c = c->PrevSibling) stack.emplace_back(c, depth + 1);
    }
  }
  updateScrollBars();
}

void TImagePreviewBox::updateScrollBars() const {
  if (layoutDirty_) return;  // ensureLayout calls back
  const int contentHeight = params_.imageMargin + static_cast<int>(rows_.size()) * rowPitch();
  const QSize vp = viewport()->size();
  QScrollBar* v = verticalScrollBar();
  v->setRange(0, std::max(0, contentHeight - vp.height()));
  v->setPageStep(std::max(1, vp.height()));
  v->setSingleStep(std::max(1, rowPitch() / 3));
  QScrollBar* h = horizontalScrollBar();
  h->setRange(0, std::max(0, contentWidth_ - vp.width()));
  h->setPageStep(std::max(1, vp.width()));
  h->setSingleStep(std::max(1, params_.indent));
}

int TImagePreviewBox::rowCount() const {
  ensureLayout();
  return static_cast<int>(rows_.size());
}

const TImagePreviewBox::Row* TImagePreviewBox::rowOf(const TNode* node) const {
  ensureLayout();
  if (!node || node->Id < 0 || static_cast<std::size_t>(node->Id) >= rowIndex_.size()) return nullptr;
  const int i = rowIndex_[static_cast<std::size_t>(node->Id)];
  if (i < 0 || rows_[static_cast<std::size_t>(i)].node != node) return nullptr;
  return &rows_[static_cast<std::size_t>(i)];
}

QRect TImagePreviewBox::contentRect(const Row& row) const {
  return QRect(row.x - horizontalScrollBar()->value(), row.y - verticalScrollBar()->value(), params_.picWidth,
               params_.picHeight);
}

QRect TImagePreviewBox::nodeRect(const TNode* node) const {
  const Row* row = rowOf(node);
  return row ? contentRect(*row) : QRect();
}

TNode* TImagePreviewBox::nodeAt(const QPoint& pos) const {
  ensureLayout();
  const int y = pos.y() + verticalScrollBar()->value() - params_.imageMargin;
  if (y < 0 || rows_.empty()) return nullptr;
  const auto i = static_cast<std::size_t>(y / rowPitch());
  if (i >= rows_.size()) return nullptr;
  const Row& row = rows_[i];
  return contentRect(row).contains(pos) ? row.node : nullptr;
}

std::vector<TNode*> TImagePreviewBox::visibleRows() const {
  ensureLayout();
  std::vector<TNode*> out;
  const int top = verticalScrollBar()->value();
  const int bottom = top + viewport()->height();
  const int first = std::max(0, (top - params_.imageMargin) / rowPitch());
  for (auto i = static_cast<std::size_t>(first); i < rows_.size() && rows_[i].y < bottom; ++i) {
    if (rows_[i].y + params_.picHeight > top) out.push_back(rows_[i].node);
  }
  return out;
}

// --- Painting ---------------------------------------------------------------

const QPixmap& TImagePreviewBox::thumbnail(const TNode* node) const {
  auto it = cache_.find(node);
  if (it == cache_.end()) {
    ThumbnailPainter::Style style;
    style.width = params_.picWidth;
    style.height = params_.picHeight;
    style.margins = params_.fields;
    style.background = params_.nodeBackColor;
    style.border = params_.nodeBorderColor;
    style.peaksColor = params_.peaksColor;
    style.crossPeaksColor = params_.crossPeaksColor;
    style.peaks = peaks_;
    it = cache_.insert(node, ThumbnailPainter::paint(*node, style, devicePixelRatioF()));
  }
  return it.value();
}

void TImagePreviewBox::dropThumbnail(const TNode* node) { cache_.remove(node); }

void TImagePreviewBox::dropAllThumbnails() { cache_.clear(); }

void TImagePreviewBox::RepaintAll() {
  dropAllThumbnails();
  viewport()->update();
}

void TImagePreviewBox::Clear() {
  cancelRename();
  dropAllThumbnails();
  forest_->Clear();
  knownNodeCount_ = 0;
  invalidateLayout();
}

void TImagePreviewBox::paintRow(QPainter& p, const Row& row, const QRect& r) const {
  const TNode* node = row.node;
  p.drawPixmap(r.topLeft(), thumbnail(node));
  const int w = params_.picWidth;
  const int h = params_.picHeight;
  p.save();
  p.translate(r.topLeft());
  p.setPen(params_.nodeBorderColor);
  p.setBrush(params_.nodeBackColor);
  // Simulated curves carry a badge; the caption keeps its room for the
  // name, shortened in the middle so that its distinguishing end stays.
  if (TRecordPlacement::IsSimulated(*node)) SimulatedBadge::paint(p, QPoint(w - 4, 3));
  const std::string name = TRecordPlacement::WithoutSimulatedMark(node->Name);
  if (forest_->ShowCaptions && !name.empty()) {
    const int room = w - 3 - 14;
    const QString caption = CaptionPainter::ElideCaption(p.font(), qs(name), room);
    const int cw = CaptionPainter::CaptionWidth(p, caption);
    const int th = QFontMetrics(p.font()).height();
    const int left = cw > room ? 14 : w - cw - 3;
    const QRect box(QPoint(left, h - 3 - th), QPoint(w - 3 - 1, h - 2 - 1));
    p.fillRect(box, params_.nodeBackColor);
    CaptionPainter::DrawCaption(p, box, left, h - 3 - th, caption);
  }
  if (node->HasChildren()) {
    p.drawRect(3, 3, 9, 9);
    p.drawLine(5, 7, 9, 7);
    if (node->Folded) p.drawLine(7, 5, 7, 9);
  }
  if (node->Parent) {
    p.drawRect(3, h - 12, 9, 9);
    if (node->Checked) {
      QPen pen(params_.nodeBorderColor, 1.4);
      p.setPen(pen);
      p.setRenderHint(QPainter::Antialiasing, true);
      p.drawPolyline(QPolygonF() << QPointF(5, h - 9) << QPointF(6.5, h - 6) << QPointF(10, h - 10.5));
      p.setRenderHint(QPainter::Antialiasing, false);
    }
  }
  if (forest_->IsSelected(node)) {
    const QColor sel = selectColor();
    p.setPen(sel);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawRect(1, 1, w - 3, h - 3);
  }
  if (node == forest_->FocusedNode && hasFocus()) {
    QPen pen(selectColor(), 1, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(2, 2, w - 5, h - 5);
  }
  p.restore();
}

void TImagePreviewBox::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  p.fillRect(event->rect(), palette().color(QPalette::Base));
  if (!forest_->Painting) return;  // a bulk operation is rearranging the forest
  ensureLayout();
  p.setFont(font());
  const QRect clip = event->rect();
  const int top = verticalScrollBar()->value() + clip.top();
  const int bottom = verticalScrollBar()->value() + clip.bottom();
  const int first = std::max(0, (top - params_.imageMargin - params_.picHeight) / rowPitch());
  for (auto i = static_cast<std::size_t>(first); i < rows_.size() && rows_[i].y <= bottom; ++i) {
    const QRect r = contentRect(rows_[i]);
    if (r.intersects(clip)) paintRow(p, rows_[i], r);
  }
  // Cached pictures of rows far out of sight are dropped now and then.
  if (cache_.size() > 4096) {
    cache_.clear();
  }
}

void TImagePreviewBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void TImagePreviewBox::scrollContentsBy(int, int) {
  if (editor_ && editor_->isVisible() && renaming_) {
    const QRect r = nodeRect(renaming_);
    editor_->move(r.left(), r.bottom() - 3 - editor_->height() + 1);
  }
  viewport()->update();
}

void TImagePreviewBox::ScrollIntoView() {
  const TNode* node = forest_->FocusedNode;
  const Row* row = rowOf(node);
  if (!row) return;
  QScrollBar* v = verticalScrollBar();
  const int pos = v->value();
  const int top = row->y - pos;
  const int spacing = params_.imageMargin;
  const int client = viewport()->height();
  if (top < 0) {
    v->setValue(top + pos - 2 * spacing);
  } else if (top > client - params_.picHeight) {
    v->setValue(top + pos - (client - params_.picHeight - 2 * spacing));
  }
  QScrollBar* hs = horizontalScrollBar();
  const int left = row->x - hs->value();
  if (left < 0 || left + params_.picWidth > viewport()->width()) hs->setValue(row->x - spacing);
}

// --- Input ------------------------------------------------------------------

TShiftState TImagePreviewBox::shiftOf(Qt::KeyboardModifiers mods) {
  TShiftState s = ssNone;
  if (mods & Qt::ShiftModifier) s |= ssShift;
  if (mods & Qt::ControlModifier) s |= ssCtrl;
  return s;
}

void TImagePreviewBox::clickAt(const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                               bool doubleClick) {
  if (!forest_->Painting) return;
  TNode* node = nodeAt(pos);
  if (!node) {
    if (button == Qt::LeftButton && !doubleClick) forest_->SelectNode(nullptr);
    return;
  }
  const QPoint local = pos - nodeRect(node).topLeft();
  const int x = local.x();
  const int y = local.y();
  const int h = params_.picHeight;
  if (button == Qt::LeftButton) {
    const bool inFoldBox = x > 3 && x < 12 && y > 3 && y < 12 && node->HasChildren();
    const bool inCheckBox = x > 3 && x < 12 && y > h - 12 && y < h - 3 && node->Parent;
    if (inFoldBox) {
      node->ToggleFold();
    } else if (inCheckBox) {
      node->SetChecked(!node->Checked);
    } else if (doubleClick) {
      node->ToggleFold();
    } else {
      forest_->ClickNode(node, shiftOf(mods), TSelectButton::Left);
    }
    return;
  }
  if (button == Qt::RightButton) {
    if (!forest_->IsSelected(node)) forest_->ClickNode(node, shiftOf(mods), TSelectButton::Right);
    forest_->PopupTag = node->Id;
    openPopup(viewport()->mapToGlobal(pos));
  }
}

void TImagePreviewBox::mousePressEvent(QMouseEvent* event) {
  if (isRenaming()) commitRename();
  setFocus(Qt::MouseFocusReason);
  clickAt(event->position().toPoint(), event->button(), event->modifiers(), false);
}

void TImagePreviewBox::mouseDoubleClickEvent(QMouseEvent* event) {
  clickAt(event->position().toPoint(), event->button(), event->modifiers(), true);
}

void TImagePreviewBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void TImagePreviewBox::wheelEvent(QWheelEvent* event) {
  QScrollBar* v = verticalScrollBar();
  v->setValue(v->value() - event->angleDelta().y() / 4);
  event->accept();
}

void TImagePreviewBox::openPopup(const QPoint& globalPos) {
  emit popupRequested(globalPos);
  if (popupMenu_) popupMenu_->popup(globalPos);
}

void TImagePreviewBox::moveFocusTo(TNode* node, Qt::KeyboardModifiers mods) {
  if (node) forest_->FocusedNode = node;
  forest_->Select(shiftOf(mods), TSelectButton::Keyboard);
}

void TImagePreviewBox::keyPressEvent(QKeyEvent* event) {
  if (!forest_->Painting) return;
  TNodeForest& f = *forest_;
  TNode* focused = f.FocusedNode;
  const Qt::KeyboardModifiers mods = event->modifiers();
  auto firstCreated = [&]() -> TNode* {
    for (const auto& n : f.AllNodes) {
      if (n->InForest()) return n.get();
    }
    return nullptr;
  };
  switch (event->key()) {
    case Qt::Key_Space:
      if (focused && f.Selection.size() == 1) focused->SetChecked(!focused->Checked);
      return;
    case Qt::Key_Home:
      moveFocusTo(focused ? focused->FirstSibling() : f.FirstRoot(), mods);
      return;
    case Qt::Key_End:
      moveFocusTo(focused ? focused->LastSibling() : f.LastRoot(), mods);
      return;
    case Qt::Key_Up: {
      TNode* target = focused ? focused->PrevSibling : nullptr;
      if (!focused) {
        TNode* first = firstCreated();
        target = first ? first->LastSibling() : nullptr;
      }
      moveFocusTo(target, mods);
      return;
    }
    case Qt::Key_Down:
      moveFocusTo(focused ? focused->NextSibling : firstCreated(), mods);
      return;
    case Qt::Key_Left:
      if (focused && focused->HasChildren() && !focused->Folded) {
        focused->Fold();
        moveFocusTo(nullptr, mods);
      } else {
        moveFocusTo(focused ? focused->Parent : nullptr, mods);
      }
      return;
    case Qt::Key_Right:
      if (focused && focused->Folded && focused->HasChildren()) {
        focused->Unfold();
        moveFocusTo(nullptr, mods);
      } else {
        moveFocusTo(focused ? focused->FirstChild : nullptr, mods);
      }
      return;
    case Qt::Key_Menu:
      if (focused) f.PopupTag = focused->Id;
      openPopup(QCursor::pos());
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

bool TImagePreviewBox::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const TNode* node = nodeAt(help->pos());
    // The whole caption (the thumbnail may show it shortened), the hint and
    // the simulated data's note.
    QStringList lines;
    if (node) {
      const std::string name = TRecordPlacement::WithoutSimulatedMark(node->Name);
      if (!name.empty()) lines << CaptionPainter::PlainText(qs(name));
      if (!node->Hint.empty() && node->Hint != node->Name) lines << qs(node->Hint);
      if (TRecordPlacement::IsSimulated(*node)) lines << SimulatedBadge::toolTip();
    }
    if (!lines.isEmpty()) {
      QToolTip::showText(help->globalPos(), lines.join(u'\n'), viewport(), nodeRect(node));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void TImagePreviewBox::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void TImagePreviewBox::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

// --- Renaming ---------------------------------------------------------------

bool TImagePreviewBox::isRenaming() const { return editor_ && editor_->isVisible() && renaming_; }

void TImagePreviewBox::StartRename(TNode* node) {
  if (!node || !node->InForest()) return;
  if (!editor_) {
    editor_ = new QLineEdit(viewport());
    editor_->setObjectName(QStringLiteral("RenameEditor"));
    editor_->setFrame(true);
    editor_->installEventFilter(this);
    editor_->hide();
  }
  if (isRenaming()) commitRename();
  // Make sure the node is shown and in sight.
  for (TNode* a = node->Parent; a; a = a->Parent) {
    if (a->Folded) a->Unfold();
  }
  ScrollIntoView();
  const QRect r = nodeRect(node);
  if (!r.isValid()) return;
  renaming_ = node;
  editor_->setFont(font());
  const int h = editor_->sizeHint().height();
  editor_->setGeometry(r.left(), r.bottom() - 3 - h + 1, r.width(), h);
  editor_->setText(qs(node->Name));
  editor_->selectAll();
  editor_->show();
  editor_->raise();
  editor_->setFocus(Qt::OtherFocusReason);
}

void TImagePreviewBox::commitRename() {
  if (!renaming_ || !editor_) return;
  TNode* node = renaming_;
  renaming_ = nullptr;
  const std::string text = editor_->text().toStdString();
  editor_->hide();
  if (node->InForest() && text != node->Name) {
    node->SetName(text);  // reports the rename through the forest's hook
    viewport()->update();
  }
  setFocus(Qt::OtherFocusReason);
}

void TImagePreviewBox::cancelRename() {
  if (!editor_) return;
  renaming_ = nullptr;
  editor_->hide();
  if (editor_->hasFocus()) setFocus(Qt::OtherFocusReason);
}

bool TImagePreviewBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
          commitRename();
          return true;
        case Qt::Key_Escape:
          cancelRename();
          return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
          commitRename();
          QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
          keyPressEvent(&copy);
          return true;
        }
        default:
          break;
      }
    } else if (event->type() == QEvent::FocusOut) {
      if (renaming_) commitRename();
    }
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace velmora
