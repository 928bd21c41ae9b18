#include "TPrintRenderer.h"

#include <qcustomplot.h>

#include <QPicture>
#include <QPrinter>

namespace velmora {

TPageSetup TPrintRenderer::PrinterSetup(const QPrinter& printer, const TPageSetup& margins) {
  TPageSetup s = margins;
  const int dpi = printer.resolution();
  const QRect paper = printer.pageLayout().fullRectPixels(dpi);
  s.PageWidth = paper.width();
  s.PageHeight = paper.height();
  s.Dpi = dpi;
  return s;
}

int TPrintRenderer::Print(QPrinter& printer, const TPrintDocument& document, const TPageSetup& setup, const QFont& font,
                          const TPainterPageCanvas::ChartDrawer& charts) {
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  painter.setRenderHint(QPainter::Antialiasing, true);
  TPainterPageCanvas canvas(painter, printer, font, setup.Dpi);
  canvas.setChartDrawer(charts);
  TPageLayout layout(canvas, setup);
  const int pages = layout.Render(document);
  painter.end();
  return pages;
}

std::vector<QImage> TPrintRenderer::Preview(const TPrintDocument& document, const TPageSetup& setup, const QFont& font,
                                            const TPainterPageCanvas::ChartDrawer& charts) {
  TPainterPageCanvas canvas(QSize(setup.PageWidth, setup.PageHeight), font, setup.Dpi);
  canvas.setChartDrawer(charts);
  TPageLayout layout(canvas, setup);
  layout.Render(document);
  return canvas.takePages();
}

void TPrintRenderer::DrawChart(QPainter& painter, QCustomPlot& chart, QSize renderSize, const QRect& target) {
  if (renderSize.isEmpty() || target.isEmpty()) return;
  QPicture picture;
  {
    QCPPainter p(&picture);
    p.setMode(QCPPainter::pmVectorized);
    p.setMode(QCPPainter::pmNoCaching);
    chart.toPainter(&p, renderSize.width(), renderSize.height());
  }
  // A picture replays scaled by the device's resolution over its own; that
  // is taken out so that the picture fills the target exactly.
  double fx = 1.0, fy = 1.0;
  if (const QPaintDevice* device = painter.device()) {
    fx = static_cast<double>(picture.logicalDpiX()) / device->logicalDpiX();
    fy = static_cast<double>(picture.logicalDpiY()) / device->logicalDpiY();
  }
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(fx * target.width() / renderSize.width(), fy * target.height() / renderSize.height());
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

}  // namespace velmora
