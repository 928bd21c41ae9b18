#include "TPeaksSelectionForm.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDockWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "IPeaksHost.h"
#include "PeakFormat.h"
#include "TPluginsManager.h"

namespace velmora {

namespace {

constexpr int kStripWidth = 22;

QString potentialText(double mV) {
  // Right-aligned in eight places, with "." whatever the C locale.
  return QStringLiteral("%1").arg(mV, 8, 'f', 1);
}

}  // namespace

TPeaksSelectionForm::TPeaksSelectionForm(IPeaksHost& host, TPluginsManager& hub, QWidget* parent)
    : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("PeaksSelectionForm"));
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  strip_ = new QLabel(this);
  strip_->setObjectName(QStringLiteral("PeaksStrip"));
  strip_->setFixedWidth(kStripWidth);
  strip_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  strip_->setStyleSheet(QStringLiteral("QLabel { background: #e8ecf1; border-left: 1px solid #b8c0cc; }"));
  strip_->hide();
  outer->addWidget(strip_);

  content_ = new QWidget(this);
  auto* layout = new QVBoxLayout(content_);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* split = new QSplitter(Qt::Vertical, content_);
  auto* top = new QWidget(split);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  curvesCaption_ = new QLabel(top);
  curves_ = new QListWidget(top);
  curves_->setObjectName(QStringLiteral("CurveList"));
  selectAll_ = new QPushButton(top);
  selectAll_->setObjectName(QStringLiteral("SelectAllButton"));
  topLayout->addWidget(curvesCaption_);
  topLayout->addWidget(curves_);
  topLayout->addWidget(selectAll_);
  grid_ = new QTableWidget(0, 4, split);
  grid_->setObjectName(QStringLiteral("PeaksGrid"));
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(20);
  grid_->horizontalHeader()->setStretchLastSection(true);
  split->addWidget(top);
  split->addWidget(grid_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 2);
  layout->addWidget(split);
  outer->addWidget(content_);

  connect(curves_, &QListWidget::itemChanged, this, &TPeaksSelectionForm::onItemChanged);
  connect(selectAll_, &QPushButton::clicked, this, &TPeaksSelectionForm::selectAll);
  connect(grid_, &QTableWidget::itemSelectionChanged, this, &TPeaksSelectionForm::selectedPeakChanged);

  // The hub outlives the windows: handlers check that the form still lives.
  TPlugin& plugin = hub.Register();
  const QPointer<TPeaksSelectionForm> self(this);
  plugin.OnSelectionDone = [self](void*) {
    if (!self) return;
    self->rebuildCurveList();
    emit self->curvesRebuilt();
  };
  plugin.OnChartDrawn = [self](void*) {
    if (self) emit self->chartDrawn();
  };
  plugin.OnLanguageChange = [self] {
    if (self) self->retranslate();
  };

  collapseTimer_.setInterval(100);
  connect(&collapseTimer_, &QTimer::timeout, this, &TPeaksSelectionForm::checkCollapse);
  collapseTimer_.start();
  retranslate();
}

void TPeaksSelectionForm::retranslate() {
  setWindowTitle(tr("Peaks"));
  curvesCaption_->setText(tr("Curves"));
  selectAll_->setText(tr("Select All"));
  grid_->setHorizontalHeaderLabels({tr("Peak"), tr("Value"), tr("Begin"), tr("End")});
  // The strip's caption runs bottom to top.
  const QString caption = tr("Peaks");
  QFont font = strip_->font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  const int length = metrics.horizontalAdvance(caption) + 12;
  QPixmap picture(kStripWidth, length);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setFont(font);
  p.setPen(QColor(0x30, 0x38, 0x48));
  p.translate(kStripWidth / 2.0 + metrics.ascent() / 2.0 - 1, length - 6);
  p.rotate(-90);
  p.drawText(0, 0, caption);
  p.end();
  strip_->setPixmap(picture);
}

void TPeaksSelectionForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslate();
    emit retranslated();
  }
  QWidget::changeEvent(event);
}

void TPeaksSelectionForm::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyToClipboard();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

// --- Curves -----------------------------------------------------------------------

void TPeaksSelectionForm::rebuildCurveList() {
  TTableContentArr& displayed = host_.DisplayedCurves();
  std::vector<const TArrayDataStruct*> now;
  now.reserve(displayed.size());
  for (const TTableContent& c : displayed) now.push_back(c.Curve);
  // The same records keep their marks; otherwise every curve starts checked.
  const bool same = now == listed_;
  std::vector<bool> marks;
  for (int i = 0; same && i < curves_->count(); ++i) marks.push_back(curves_->item(i)->checkState() == Qt::Checked);
  filling_ = true;
  curves_->clear();
  for (std::size_t i = 0; i < displayed.size(); ++i) {
    auto* item = new QListWidgetItem(host_.curveName(displayed[i].Curve), curves_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    const bool checked = same && i < marks.size() ? marks[i] : true;
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
  listed_ = std::move(now);
  bool differs = false;
  for (std::size_t i = 0; i < displayed.size(); ++i) {
    const std::uint8_t shown = curves_->item(static_cast<int>(i))->checkState() == Qt::Checked ? 1 : 0;
    if (displayed[i].Shown != shown) differs = true;
  }
  if (differs) writeBack();
}

void TPeaksSelectionForm::onItemChanged(QListWidgetItem*) {
  if (filling_) return;
  writeBack();
}

void TPeaksSelectionForm::writeBack() {
  TTableContentArr& displayed = host_.DisplayedCurves();
  const int n = std::min<int>(curves_->count(), static_cast<int>(displayed.size()));
  for (int i = 0; i < n; ++i) {
    displayed[static_cast<std::size_t>(i)].Shown = curves_->item(i)->checkState() == Qt::Checked ? 1 : 0;
  }
  host_.checksChanged();
  emit checksChanged();
}

void TPeaksSelectionForm::selectAll() {
  filling_ = true;
  for (int i = 0; i < curves_->count(); ++i) curves_->item(i)->setCheckState(Qt::Checked);
  filling_ = false;
  writeBack();
}

// --- Grid -------------------------------------------------------------------------

void TPeaksSelectionForm::showTable(const TElementsPeaksArr& table) {
  std::string selected;
  const bool hadSelection = selectedPeak(selected);
  table_ = table;
  const QSignalBlocker block(grid_);
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const TElementPeak& row = table[i];
    const int r = static_cast<int>(i);
    grid_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.Name)));
    grid_->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(FormatPeakValue(row.PeakValue))));
    grid_->setItem(r, 2, new QTableWidgetItem(potentialText(row.BeginPotential)));
    grid_->setItem(r, 3, new QTableWidgetItem(potentialText(row.EndPotential)));
    for (int c = 1; c < 4; ++c) grid_->item(r, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (hadSelection) selectPeak(selected);
}

bool TPeaksSelectionForm::selectedPeak(std::string& name) const {
  const QList<QTableWidgetItem*> items = grid_->selectedItems();
  if (items.isEmpty()) return false;
  const int row = items.front()->row();
  if (row < 0 || static_cast<std::size_t>(row) >= table_.size()) return false;
  name = table_[static_cast<std::size_t>(row)].Name;
  return true;
}

void TPeaksSelectionForm::selectPeak(const std::string& name) {
  for (std::size_t i = 0; i < table_.size(); ++i) {
    if (table_[i].Name == name) {
      grid_->selectRow(static_cast<int>(i));
      return;
    }
  }
  grid_->clearSelection();
}

QString TPeaksSelectionForm::gridText() const {
  QStringList lines;
  QStringList header;
  for (int c = 0; c < grid_->columnCount(); ++c) header << grid_->horizontalHeaderItem(c)->text();
  lines << header.join(u'\t');
  for (int r = 0; r < grid_->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid_->columnCount(); ++c) {
      const QTableWidgetItem* item = grid_->item(r, c);
      cells << (item ? item->text().trimmed() : QString());
    }
    lines << cells.join(u'\t');
  }
  return lines.join(u'\n') + u'\n';
}

void TPeaksSelectionForm::copyToClipboard() const { QApplication::clipboard()->setText(gridText()); }

// --- Collapsing -------------------------------------------------------------------

bool TPeaksSelectionForm::docked() const {
  auto* dock = qobject_cast<QDockWidget*>(parentWidget());
  return dock && !dock->isFloating() && dock->isVisible();
}

void TPeaksSelectionForm::setAutoCollapse(bool on) {
  autoCollapse_ = on;
  if (!on && collapsed_) expand();
}

void TPeaksSelectionForm::collapse() {
  if (collapsed_) return;
  collapsed_ = true;
  if (width() > kStripWidth * 2) expandedWidth_ = width();
  content_->hide();
  strip_->show();
  setMaximumWidth(kStripWidth);
}

void TPeaksSelectionForm::expand() {
  if (!collapsed_) return;
  collapsed_ = false;
  strip_->hide();
  content_->show();
  setMaximumWidth(QWIDGETSIZE_MAX);
  auto* dock = qobject_cast<QDockWidget*>(parentWidget());
  auto* main = dock ? qobject_cast<QMainWindow*>(dock->parentWidget()) : nullptr;
  if (main) main->resizeDocks({dock}, {expandedWidth_}, Qt::Horizontal);
}

void TPeaksSelectionForm::checkCollapse() {
  if (!docked()) {
    if (collapsed_) expand();
    return;
  }
  if (!autoCollapse_ || QApplication::activePopupWidget() || QApplication::mouseButtons() != Qt::NoButton) return;
  const bool over = rect().contains(mapFromGlobal(QCursor::pos()));
  if (over) entered_ = true;
  if (collapsed_ && over) {
    expand();
  } else if (!collapsed_ && !over && entered_) {
    entered_ = false;
    collapse();
  }
}

}  // namespace velmora
