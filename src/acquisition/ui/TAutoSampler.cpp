#include "TAutoSampler.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPolygonF>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Messages.h"
#include "TSamplerCell.h"
#include "TVAStruct.h"
#include "UiText.h"

namespace velmora {

namespace {

QString catalogue(const char* text) { return QCoreApplication::translate("Messages", text); }

}  // namespace

TAutoSampler::TAutoSampler(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AutoSampler"));
  setMinimumSize(360, 360);
  for (int i = 0; i < SamplerTray::CellCount; ++i) {
    auto* cell = new TSamplerCell(i, this);
    connect(cell, &TSamplerCell::activated, this, [this](int index) {
      if (!locked_) setActiveCell(index);
    });
    connect(cell, &TSamplerCell::exchangeRequested, this, [this](int from, int to) {
      if (locked_ || !tray_) return;
      tray_->ExchangeCells(from, to);
      activeCell_ = to;
      refresh();
      emit cellsExchanged(from, to);
    });
    cells_[static_cast<std::size_t>(i)] = cell;
  }

  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("ActiveCellPanel"));
  panel_->setFrameShape(QFrame::StyledPanel);
  panel_->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(panel_);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(3);
  title_ = new QLabel(panel_);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  layout->addWidget(title_);
  auto* form = new QFormLayout;
  form->setContentsMargins(0, 0, 0, 0);
  form->setVerticalSpacing(3);
  typeLabel_ = new QLabel(panel_);
  typeList_ = new QComboBox(panel_);
  typeList_->setObjectName(QStringLiteral("CellTypeList"));
  form->addRow(typeLabel_, typeList_);
  sampleLabel_ = new QLabel(panel_);
  sampleList_ = new QComboBox(panel_);
  sampleList_->setObjectName(QStringLiteral("SampleList"));
  form->addRow(sampleLabel_, sampleList_);
  commentsLabel_ = new QLabel(panel_);
  comments_ = new QLineEdit(panel_);
  comments_->setObjectName(QStringLiteral("CommentsEdit"));
  form->addRow(commentsLabel_, comments_);
  layout->addLayout(form);
  methodsLabel_ = new QLabel(panel_);
  layout->addWidget(methodsLabel_);
  methods_ = new QListWidget(panel_);
  methods_->setObjectName(QStringLiteral("CellMethodsList"));
  layout->addWidget(methods_, 1);
  hint_ = new QLabel(panel_);
  hint_->setObjectName(QStringLiteral("CellHint"));
  hint_->setWordWrap(true);
  hint_->setStyleSheet(QStringLiteral("color: #a04000;"));
  hint_->hide();
  layout->addWidget(hint_);
  panel_->hide();

  connect(typeList_, &QComboBox::activated, this, [this](int index) {
    if (filling_ || !tray_ || activeCell_ < 0 || locked_) return;
    tray_->SetCellType(activeCell_, index);
    refresh();
    emit trayEdited();
  });
  connect(sampleList_, &QComboBox::activated, this, [this](int index) {
    if (filling_ || !tray_ || activeCell_ < 0 || locked_) return;
    tray_->SetCellSample(activeCell_, index);
    refresh();
    emit trayEdited();
  });
  connect(comments_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (filling_ || !tray_ || activeCell_ < 0 || locked_) return;
    tray_->SetCellComment(activeCell_, UiText::toStd(text));
    cells_[static_cast<std::size_t>(activeCell_)]->setCell(tray_->At(activeCell_));
    emit trayEdited();
  });
  connect(methods_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { onMethodItemChanged(item); });
  retranslateUi();
}

void TAutoSampler::setTray(SamplerTray* tray) {
  tray_ = tray;
  activeCell_ = -1;
  refresh();
}

int TAutoSampler::CellWidth() const { return std::min(width(), height()) / 6; }

void TAutoSampler::setPosition(int position) {
  if (position < 0 || position >= SamplerTray::CellCount) position = 0;
  position_ = position;
  placeCells();
  update();
}

void TAutoSampler::setLocked(bool locked) {
  locked_ = locked;
  panel_->setEnabled(!locked);
}

void TAutoSampler::setActiveCell(int index) {
  if (index < -1 || index >= SamplerTray::CellCount) index = -1;
  if (index == activeCell_) return;
  activeCell_ = index;
  hint_->hide();
  for (int i = 0; i < SamplerTray::CellCount; ++i) cells_[static_cast<std::size_t>(i)]->setActive(i == activeCell_);
  showPanel();
  update();
}

void TAutoSampler::refresh() {
  for (int i = 0; i < SamplerTray::CellCount; ++i) {
    TSamplerCell* cell = cells_[static_cast<std::size_t>(i)];
    cell->setCell(tray_ ? tray_->At(i) : SamplerTray::Cell());
    cell->setActive(i == activeCell_);
  }
  showPanel();
  update();
}

void TAutoSampler::placeCells() {
  const int d = CellWidth();
  const QPointF centre(width() / 2.0, height() / 2.0);
  const double radius = std::min(width(), height()) / 2.0 - d / 2.0 - 4.0;
  const double step = 2.0 * std::numbers::pi / SamplerTray::CellCount;
  for (int i = 0; i < SamplerTray::CellCount; ++i) {
    // Clockwise by number; the cell under the electrode at the left.
    const double angle = (i - position_) * step + std::numbers::pi;
    const QPointF c = centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
    TSamplerCell* cell = cells_[static_cast<std::size_t>(i)];
    cell->setGeometry(int(std::lround(c.x() - d / 2.0)), int(std::lround(c.y() - d / 2.0)), d, d);
    cell->setUnderElectrode(i == position_);
  }
  // The active cell's panel fills the middle of the ring.
  const double inner = radius - d / 2.0 - 6.0;
  const int side = std::max(120, int(inner * 1.42));
  panel_->setGeometry(int(centre.x() - side / 2.0), int(centre.y() - side / 2.0), side, side);
}

void TAutoSampler::resizeEvent(QResizeEvent* event) {
  placeCells();
  QWidget::resizeEvent(event);
}

void TAutoSampler::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int d = CellWidth();
  const QPointF centre(width() / 2.0, height() / 2.0);
  const double outer = std::min(width(), height()) / 2.0 - 1.0;
  // The tray: a disc with a rim.
  p.setPen(QPen(QColor(0xa0, 0xa8, 0xb0), 1.5));
  p.setBrush(QColor(0xe4, 0xe9, 0xee));
  p.drawEllipse(centre, outer, outer);
  p.setBrush(QColor(0xf6, 0xf8, 0xfa));
  const double innerRim = outer - d - 8.0;
  p.drawEllipse(centre, innerRim, innerRim);
  // The electrode stands at the left, over the cell at the tray's position.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x40, 0x40, 0x40));
  const QPointF tip(centre.x() - outer + 2.0, centre.y());
  const QPolygonF arrow({tip, tip + QPointF(-10, -7), tip + QPointF(-10, 7)});
  if (tip.x() > 12) p.drawPolygon(arrow);
  if (activeCell_ < 0) {
    p.setPen(QColor(0x60, 0x60, 0x60));
    const QRectF box(centre.x() - innerRim * 0.7, centre.y() - 30, innerRim * 1.4, 60);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, tr("Select cell draging mouse over it."));
  }
}

void TAutoSampler::showPanel() {
  if (activeCell_ < 0 || !tray_) {
    panel_->hide();
    return;
  }
  const SamplerTray::Cell& cell = tray_->At(activeCell_);
  filling_ = true;
  title_->setText(tr("Cell %1").arg(activeCell_ + 1));
  typeList_->clear();
  if (cell.Service()) {
    typeList_->addItem(catalogue(msg::SamplerServiceCell));
    typeList_->setCurrentIndex(0);
  } else if (cell.SampleCell()) {
    for (int t = 0; t < 6; ++t) typeList_->addItem(catalogue(TVAStruct::MeasurementTypeCaption(t)));
    typeList_->setCurrentIndex(cell.MeasurementType());
  }
  typeList_->setEnabled(cell.SampleCell());
  sampleList_->clear();
  for (int s = 1; s <= std::max(1, tray_->SamplesMaxCount()); ++s) sampleList_->addItem(QString::number(s));
  sampleList_->setCurrentIndex(cell.SampleCell() ? cell.Sample : -1);
  sampleList_->setEnabled(cell.SampleCell());
  comments_->setText(UiText::fromStd(cell.Comment));
  comments_->setReadOnly(!cell.SampleCell());
  methods_->clear();
  for (const SamplerTray::CellMethod& m : cell.Methods) {
    auto* item = new QListWidgetItem(UiText::fromStd(m.Name), methods_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(m.Checked ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
  panel_->show();
  panel_->raise();
}

void TAutoSampler::onMethodItemChanged(QListWidgetItem* item) {
  if (filling_ || !tray_ || activeCell_ < 0 || locked_) return;
  const int k = methods_->row(item);
  const bool unchecked =
      tray_->CheckCellMethod(activeCell_, static_cast<std::size_t>(k), item->checkState() == Qt::Checked);
  // Show the outcome: other methods may have been unchecked.
  const SamplerTray::Cell& cell = tray_->At(activeCell_);
  filling_ = true;
  for (int i = 0; i < methods_->count() && i < static_cast<int>(cell.Methods.size()); ++i)
    methods_->item(i)->setCheckState(cell.Methods[static_cast<std::size_t>(i)].Checked ? Qt::Checked : Qt::Unchecked);
  filling_ = false;
  cells_[static_cast<std::size_t>(activeCell_)]->setCell(cell);
  hint_->setText(tr("Incompatible by supporting electrolyte methods were automatically unchecked"));
  hint_->setVisible(unchecked);
  emit trayEdited();
}

void TAutoSampler::retranslateUi() {
  typeLabel_->setText(tr("Cell type"));
  sampleLabel_->setText(tr("Sample"));
  commentsLabel_->setText(tr("Comments"));
  comments_->setPlaceholderText(tr("Enter comments here"));
  methodsLabel_->setText(tr("Methods:"));
  showPanel();
  update();
}

void TAutoSampler::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QWidget::changeEvent(event);
}

}  // namespace velmora
