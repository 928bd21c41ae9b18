#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <vector>

#include "TPageLayout.h"
#include "TPainterPageCanvas.h"

class QCustomPlot;
class QPrinter;

namespace velmora {

// Renders a laid-out document on a printer (or PDF) or on preview images,
// drawing its charts through one chart drawer.
class TPrintRenderer {
 public:
  // The page setup of `printer`: its whole paper in device pixels at its
  // resolution, with the given margins and font size.
  static TPageSetup PrinterSetup(const QPrinter& printer, const TPageSetup& margins);

  // Prints every page; returns the number of pages (0 when the printer
  // could not be started).
  static int Print(QPrinter& printer, const TPrintDocument& document, const TPageSetup& setup, const QFont& font,
                   const TPainterPageCanvas::ChartDrawer& charts);

  // The preview images of the document laid out on `setup`'s page.
  static std::vector<QImage> Preview(const TPrintDocument& document, const TPageSetup& setup, const QFont& font,
                                     const TPainterPageCanvas::ChartDrawer& charts);

  // Draws a chart as a vector picture of `renderSize` stretched into
  // `target` (the chart keeps its own layout; fonts and lines scale with it).
  static void DrawChart(QPainter& painter, QCustomPlot& chart, QSize renderSize, const QRect& target);
};

}  // namespace velmora
