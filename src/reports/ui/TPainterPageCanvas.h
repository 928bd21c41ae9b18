#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

#include "IPageCanvas.h"

class QPagedPaintDevice;

namespace velmora {

// A page canvas over a painter: either on a paged device (a printer or a
// PDF file), where every page after the first is started by the device, or
// on preview page images (white, with a black one-pixel frame) kept in
// memory. Fonts are set in device pixels from their point size and the
// canvas resolution, so measuring and drawing agree on every device.
class TPainterPageCanvas : public IPageCanvas {
 public:
  using ChartDrawer = std::function<void(QPainter& painter, int chart, const QRect& target)>;

  // On a paged device whose painter is already active.
  TPainterPageCanvas(QPainter& painter, QPagedPaintDevice& device, const QFont& font, double dpi);
  // On preview page images of `pageSize` pixels at `dpi`.
  TPainterPageCanvas(QSize pageSize, const QFont& font, double dpi);
  ~TPainterPageCanvas() override;

  void setChartDrawer(ChartDrawer drawer) { chartDrawer_ = std::move(drawer); }
  // The preview pages drawn so far (the painter on the last one ends first).
  std::vector<QImage> takePages();

  void BeginPage() override;
  void SetFontSize(int points) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawFrame(int x, int y, int width, int height) override;
  void DrawChart(int chart, int x, int y, int width, int height) override;

 private:
  QPainter& painter();

  QPainter* external_ = nullptr;
  QPagedPaintDevice* device_ = nullptr;
  QPainter own_;
  std::vector<QImage> pages_;
  QSize pageSize_;
  QFont font_;
  double dpi_ = 96.0;
  int pages_started_ = 0;
  ChartDrawer chartDrawer_;
};

}  // namespace velmora
