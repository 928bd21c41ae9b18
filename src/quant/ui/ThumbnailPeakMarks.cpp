#include "ThumbnailPeakMarks.h"

#include <QPainter>
#include <span>

#include "PeakTable.h"
#include "TPeakPainter.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

class PeakDrawing : public IThumbnailPeaks::Drawing {
 public:
  PeakDrawing(const IThumbnailPeaks::Plot& plot, const std::vector<IThumbnailPeaks::Curve>& curves) {
    for (const IThumbnailPeaks::Curve& c : curves) {
      // Reading the peaks brings their values up to date, as every chart does.
      auto* va = dynamic_cast<TVAStruct*>(const_cast<TArrayDataStruct*>(c.Record));
      if (!va || va->Peaks.empty() || !c.Points) continue;
      peaks_.push_back(va->GetPeaks());
      points_.push_back(c.Points);
      curveColors_.push_back(c.Color);
    }
    if (peaks_.empty()) return;
    std::vector<TPeakTableCurve> tableCurves;
    for (std::size_t i = 0; i < peaks_.size(); ++i) {
      tableCurves.push_back({points_[i], &peaks_[i]});
      curves_.push_back({points_[i], &peaks_[i], curveColors_[i], {}});
    }
    table_ = BuildPeakTable(std::span<const TPeakTableCurve>(tableCurves));
    const QRectF area = plot.Area;
    const double minX = plot.MinX, maxX = plot.MaxX, minY = plot.MinY, maxY = plot.MaxY;
    const double sx = (maxX > minX) ? area.width() / (maxX - minX) : 0.0;
    const double sy = (maxY > minY) ? area.height() / (maxY - minY) : 0.0;
    frame_.Plot = area;
    frame_.Axes = {minX, maxX, minY, maxY};
    frame_.Map = [=](double x, double y) {
      return QPointF(sx > 0 ? area.left() + (x - minX) * sx : area.center().x(),
                     sy > 0 ? area.bottom() - (y - minY) * sy : area.center().y());
    };
    colors_.Peaks = plot.Peaks;
    colors_.CrossPeaks = plot.CrossPeaks;
  }

  bool empty() const { return table_.empty(); }

  void drawBands(QPainter& painter) const override {
    TPeakPainter::DrawPeakBands(painter, frame_, false, colors_, table_, curves_);
  }
  void drawMarks(QPainter& painter) const override {
    TPeakPainter::DrawPeakMarks(painter, frame_, table_, true, colors_, curves_, false);
  }

 private:
  std::vector<TPeaks> peaks_;
  std::vector<const TDataArr*> points_;
  std::vector<QColor> curveColors_;
  std::vector<TPeakPainter::Curve> curves_;
  TElementsPeaksArr table_;
  TPeakPainter::Frame frame_;
  TPeakPainter::Colors colors_;
};

}  // namespace

const ThumbnailPeakMarks& ThumbnailPeakMarks::instance() {
  static const ThumbnailPeakMarks marks;
  return marks;
}

std::unique_ptr<IThumbnailPeaks::Drawing> ThumbnailPeakMarks::prepare(const Plot& plot,
                                                                      const std::vector<Curve>& curves) const {
  auto drawing = std::make_unique<PeakDrawing>(plot, curves);
  if (drawing->empty()) return nullptr;
  return drawing;
}

}  // namespace velmora
