#include "PropertiesWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ExportHost.h"
#include "Messages.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

PropertiesWindow::PropertiesWindow(TNodeForest& forest, TPluginsManager& hub, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), forest_(forest) {
  setObjectName(QStringLiteral("PropertiesForm"));
  setMinimumSize(150, 150);
  resize(300, 380);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  grid_ = new QTableWidget(this);
  grid_->setObjectName(QStringLiteral("PropertiesGrid"));
  grid_->setColumnCount(2);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setAlternatingRowColors(true);
  grid_->setWordWrap(false);
  layout->addWidget(grid_);
  grid_->installEventFilter(this);

  // Subscriptions outlive windows (the hub never removes them): the
  // handlers check that this window still exists.
  TPlugin& plugin = hub.Register();
  QPointer<PropertiesWindow> self(this);
  plugin.OnSelectionDone = [self](void*) {
    if (self && self->isVisible()) self->refresh();
  };
  plugin.OnLanguageChange = [self] {
    if (self) self->retranslate();
  };
  retranslate();
}

void PropertiesWindow::retranslate() {
  setWindowTitle(tr("Properties"));
  grid_->setHorizontalHeaderLabels({UiText::message(msg::PropHeaderProperty), UiText::message(msg::PropHeaderValue)});
}

void PropertiesWindow::refresh() {
  TNode* node = forest_.FocusedNode;
  TVAStruct* record = node ? node->VA() : nullptr;
  if (!node) {
    close();
    return;
  }
  TPropertyRows rows = record ? record->PropertyRows() : TPropertyRows{};
  // The rows open with their own "Property" / "Value" heading (the print-out
  // uses it); here the grid's header shows it.
  if (!rows.empty()) rows.erase(rows.begin());
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const TPropertyRow& r = rows[static_cast<std::size_t>(i)];
    auto* p = new QTableWidgetItem(UiText::message(r.Property));
    auto* v = new QTableWidgetItem(UiText::message(r.Value));
    v->setToolTip(v->text());
    grid_->setItem(i, 0, p);
    grid_->setItem(i, 1, v);
  }
  grid_->resizeRowsToContents();
  fitColumns();
}

void PropertiesWindow::fitColumns() {
  const int w = std::max(0, grid_->viewport()->width() - 2);
  grid_->setColumnWidth(0, w / 2);
  grid_->setColumnWidth(1, w - w / 2);
}

// The selected cells as every grid of the program copies them: tabs between
// cells, each row ended by a carriage return.
QString PropertiesWindow::selectedText() const { return ExportHost::selectionText(grid_); }

bool PropertiesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(selectedText());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void PropertiesWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitColumns();
}

void PropertiesWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
  emit visibilityChanged(true);
}

void PropertiesWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

void PropertiesWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

}  // namespace velmora
