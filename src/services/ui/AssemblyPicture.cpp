#include "AssemblyPicture.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace velmora {

namespace {

// Picture files are small drawings; anything larger is not one of them.
constexpr qint64 kMaxPictureBytes = 4 * 1024 * 1024;

}  // namespace

AssemblyPicture::AssemblyPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AssemblyPicture"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap AssemblyPicture::render(const QString& file, const QSize& size) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxPictureBytes) return {};
  QSvgRenderer renderer(f.readAll());
  if (!renderer.isValid()) return {};
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // Scaled to fit, centred, keeping the drawing's proportions.
  QSizeF drawn = renderer.viewBoxF().size();
  if (drawn.isEmpty()) drawn = renderer.defaultSize();
  drawn.scale(QSizeF(size), Qt::KeepAspectRatio);
  const QRectF target(QPointF((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2), drawn);
  renderer.render(&p, target);
  return pixmap;
}

bool AssemblyPicture::load(const QString& file) {
  const QPixmap pixmap = render(file, size());
  if (pixmap.isNull()) return false;
  frame_ = pixmap;
  message_.clear();
  update();
  return true;
}

void AssemblyPicture::showMessage(const QString& text) {
  frame_ = QPixmap();
  message_ = text;
  update();
}

void AssemblyPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!frame_.isNull()) {
    p.drawPixmap(rect().center() - QPoint(frame_.width() / 2, frame_.height() / 2), frame_);
  } else if (!message_.isEmpty()) {
    p.setPen(Qt::darkRed);
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, message_);
  }
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AssemblyPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && leftClicked) leftClicked();
  if (event->button() == Qt::RightButton && rightClicked) rightClicked();
  QWidget::mousePressEvent(event);
}

}  // namespace velmora
