#include "TPar_Tbl.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "UiText.h"

namespace velmora {

namespace {

constexpr const char* kColumnTitles[ProgramTable::kColumns] = {
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Prog/Step"),      QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Clean/t"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Electrolysis/t"), QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Rate"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Start"),          QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "End"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Range"),          QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Conjunction"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Modulation u/f"), QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Stirrer"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Retention, mV"),  QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Type"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Cell"),           QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Cycle"),
    QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Prep 1/t"),       QT_TRANSLATE_NOOP("velmora::TPar_Tbl", "Prep 2/t"),
};

}  // namespace

TPar_Tbl::TPar_Tbl(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("Par_Tbl"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  orderLabel_ = new QLabel(this);
  orderLabel_->setObjectName(QStringLiteral("OrderLabel"));
  layout->addWidget(orderLabel_);
  grid_ = new QTableWidget(0, ProgramTable::kColumns, this);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setAlternatingRowColors(true);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(grid_);
  connect(grid_, &QWidget::customContextMenuRequested, this, [this] {
    setOrder(order_ == ProgramTable::Order::ByPrograms ? ProgramTable::Order::BySteps
                                                       : ProgramTable::Order::ByPrograms);
  });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    const auto [program, step] = stepAt(row);
    if (program >= 0) emit stepChosen(program, step);
  });
  resize(900, 300);
  retranslateUi();
}

void TPar_Tbl::Fill(const TVAProgramsArray& programs) {
  programs_ = programs;
  refill();
}

void TPar_Tbl::setOrder(ProgramTable::Order order) {
  if (order_ == order) return;
  order_ = order;
  retranslateUi();
}

std::pair<int, int> TPar_Tbl::stepAt(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return {-1, -1};
  const auto& r = rows_[static_cast<std::size_t>(row)];
  return {r.program, r.step};
}

void TPar_Tbl::refill() {
  rows_ = ProgramTable::Build(programs_, order_);
  grid_->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    for (int c = 0; c < ProgramTable::kColumns; ++c) {
      auto* item = new QTableWidgetItem(UiText::message(rows_[static_cast<std::size_t>(r)].cells[c]));
      item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(r, c, item);
    }
  }
  grid_->resizeColumnsToContents();
}

void TPar_Tbl::retranslateUi() {
  setWindowTitle(tr("Program"));
  orderLabel_->setText(order_ == ProgramTable::Order::ByPrograms ? tr("Sort by programs") : tr("Sort by steps"));
  orderLabel_->setToolTip(tr("Right mouse button: change the order. Double click: edit the step."));
  QStringList titles;
  for (const char* t : kColumnTitles) titles << tr(t);
  grid_->setHorizontalHeaderLabels(titles);
  refill();
}

void TPar_Tbl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

}  // namespace velmora
