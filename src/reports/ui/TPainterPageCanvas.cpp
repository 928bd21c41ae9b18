#include "TPainterPageCanvas.h"

#include <QPagedPaintDevice>
#include <cmath>

#include "CaptionPainter.h"

namespace velmora {

TPainterPageCanvas::TPainterPageCanvas(QPainter& painter, QPagedPaintDevice& device, const QFont& font, double dpi)
    : external_(&painter), device_(&device), font_(font), dpi_(dpi) {}

TPainterPageCanvas::TPainterPageCanvas(QSize pageSize, const QFont& font, double dpi)
    : pageSize_(pageSize), font_(font), dpi_(dpi) {}

TPainterPageCanvas::~TPainterPageCanvas() {
  if (own_.isActive()) own_.end();
}

QPainter& TPainterPageCanvas::painter() { return external_ ? *external_ : own_; }

std::vector<QImage> TPainterPageCanvas::takePages() {
  if (own_.isActive()) own_.end();
  return std::move(pages_);
}

void TPainterPageCanvas::BeginPage() {
  ++pages_started_;
  if (external_) {
    if (pages_started_ > 1) device_->newPage();
  } else {
    if (own_.isActive()) own_.end();
    QImage page(pageSize_, QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(dpi_ / 0.0254));
    page.setDotsPerMeterX(dpm);
    page.setDotsPerMeterY(dpm);
    page.fill(Qt::white);
    pages_.push_back(std::move(page));
    own_.begin(&pages_.back());
    own_.setPen(Qt::black);
    own_.drawRect(0, 0, pageSize_.width() - 1, pageSize_.height() - 1);
    own_.setRenderHint(QPainter::Antialiasing, true);
    own_.setRenderHint(QPainter::TextAntialiasing, true);
  }
  painter().setFont(font_);
  painter().setPen(Qt::black);
}

void TPainterPageCanvas::SetFontSize(int points) {
  QFont f = font_;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi_ / 72.0))));
  font_ = f;
  if (painter().isActive()) painter().setFont(font_);
}

int TPainterPageCanvas::TextWidth(const std::string& text) {
  return CaptionPainter::CaptionWidth(font_, QString::fromStdString(text));
}

int TPainterPageCanvas::TextHeight(const std::string&) { return QFontMetrics(font_).height(); }

void TPainterPageCanvas::DrawText(int x, int y, const std::string& text) {
  QPainter& p = painter();
  p.setFont(font_);
  p.setPen(Qt::black);
  const QString t = QString::fromStdString(text);
  const QRect clip(x, y, CaptionPainter::CaptionWidth(font_, t) + 2, QFontMetrics(font_).height() * 2);
  CaptionPainter::DrawCaption(p, clip, x, y, t);
}

void TPainterPageCanvas::DrawFrame(int x, int y, int width, int height) {
  QPainter& p = painter();
  p.save();
  QPen pen(Qt::black);
  pen.setWidthF(std::max(1.0, dpi_ / 150.0));
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(x, y, width - 1, height - 1));
  p.restore();
}

void TPainterPageCanvas::DrawChart(int chart, int x, int y, int width, int height) {
  if (!chartDrawer_) return;
  QPainter& p = painter();
  p.save();
  chartDrawer_(p, chart, QRect(x, y, width, height));
  p.restore();
}

}  // namespace velmora
