#include "TSamplerCell.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <algorithm>

#include "UiText.h"

namespace velmora {

TSamplerCell::TSamplerCell(int index, QWidget* parent) : QWidget(parent), index_(index) {
  setObjectName(QStringLiteral("SamplerCell%1").arg(index + 1));
  setAcceptDrops(true);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
}

const char* TSamplerCell::mimeType() { return "application/x-velmora-sampler-cell"; }

QColor TSamplerCell::colorOf(int cellType) {
  switch (cellType) {
    case 0:
      return QColor(0x90, 0xc2, 0xee);  // service cell
    case 1:
      return QColor(0xd0, 0xea, 0xfb);  // supporting electrolyte
    case 2:
      return QColor(0x9f, 0xd8, 0xa2);  // analyte
    case 3:
      return QColor(0xff, 0xe0, 0x82);  // added standard 1
    case 4:
      return QColor(0xff, 0xc4, 0x70);  // added standard 2
    case 5:
      return QColor(0xff, 0xa4, 0x86);  // added standard 3
    case 6:
      return QColor(0xd3, 0xa6, 0xe0);  // reference
    default:
      return QColor(0xf2, 0xf2, 0xf2);  // free
  }
}

void TSamplerCell::setCell(const SamplerTray::Cell& cell) {
  cell_ = cell;
  setToolTip(QString::number(index_ + 1) + (cell.Comment.empty() ? QString() : u' ' + Comment()));
  update();
}

QString TSamplerCell::Comment() const { return UiText::fromStd(cell_.Comment); }

void TSamplerCell::setActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  update();
}

void TSamplerCell::setUnderElectrode(bool on) {
  if (underElectrode_ == on) return;
  underElectrode_ = on;
  update();
}

void TSamplerCell::resizeEvent(QResizeEvent* event) {
  // Only the round shape takes the mouse.
  setMask(QRegion(rect(), QRegion::Ellipse));
  QWidget::resizeEvent(event);
}

void TSamplerCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal pen = active_ ? 3.0 : 1.2;
  const QRectF r = QRectF(rect()).adjusted(pen / 2 + 0.5, pen / 2 + 0.5, -pen / 2 - 0.5, -pen / 2 - 0.5);
  QColor fill = colorOf(cell_.CellType);
  p.setBrush(fill);
  p.setPen(QPen(active_ ? QColor(0x1a, 0x4f, 0xa0) : QColor(0x70, 0x70, 0x70), pen));
  p.drawEllipse(r);
  if (underElectrode_) {
    // The electrode's place: a dark ring inside the rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.0, Qt::DashLine));
    p.drawEllipse(r.adjusted(5, 5, -5, -5));
  }

  // The number on top, the caption below it.
  const int d = std::min(width(), height());
  QFont f = font();
  f.setBold(true);
  f.setPixelSize(std::max(9, d / 5));
  p.setFont(f);
  p.setPen(cell_.Free() ? QColor(0x90, 0x90, 0x90) : QColor(0x20, 0x20, 0x20));
  const QRectF numberBox(r.left(), r.top() + d * 0.12, r.width(), d * 0.28);
  p.drawText(numberBox, Qt::AlignCenter, QString::number(index_ + 1));
  if (cell_.Comment.empty()) return;
  QFont small = font();
  small.setPixelSize(std::max(8, d / 8));
  p.setFont(small);
  p.setPen(QColor(0x20, 0x20, 0x20));
  const QRectF textBox(r.left() + d * 0.14, r.top() + d * 0.42, r.width() - d * 0.28, d * 0.36);
  const QString text = QFontMetrics(small).elidedText(Comment(), Qt::ElideRight, int(textBox.width() * 2));
  p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

void TSamplerCell::enterEvent(QEnterEvent* event) {
  emit activated(index_);
  QWidget::enterEvent(event);
}

void TSamplerCell::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    pressPos_ = event->position().toPoint();
    emit activated(index_);
  }
  QWidget::mousePressEvent(event);
}

void TSamplerCell::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
  pressed_ = false;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(mimeType()), QByteArray::number(index_));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  // The drag image: the cell itself.
  QPixmap image = grab();
  drag->setPixmap(image);
  drag->setHotSpot(pressPos_);
  drag->exec(Qt::MoveAction);
}

void TSamplerCell::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(QString::fromLatin1(mimeType()))) event->acceptProposedAction();
}

void TSamplerCell::dropEvent(QDropEvent* event) {
  bool ok = false;
  const int from = event->mimeData()->data(QString::fromLatin1(mimeType())).toInt(&ok);
  if (!ok || from == index_) return;
  event->acceptProposedAction();
  emit exchangeRequested(from, index_);
}

}  // namespace velmora
