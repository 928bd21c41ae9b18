#pragma once

#include <QColor>
#include <QRectF>
#include <memory>
#include <vector>

#include "TDataPoint.h"

class QPainter;

namespace velmora {

class TArrayDataStruct;

// The peaks of a thumbnail: the bands drawn before its curves and the
// measurement marks drawn after them. The peak layer of the application
// supplies it; a thumbnail without one shows the curves alone.
class IThumbnailPeaks {
 public:
  struct Curve {
    const TArrayDataStruct* Record = nullptr;
    const TDataArr* Points = nullptr;  // displayed points, as the thumbnail draws them
    QColor Color;
  };

  // The curve area in pixels and the data ranges it shows.
  struct Plot {
    QRectF Area;
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
    QColor Peaks;       // bands whose curves agree on the borders
    QColor CrossPeaks;  // bands whose borders differ
  };

  // The peaks of one picture, measured once and drawn in two passes.
  class Drawing {
   public:
    virtual ~Drawing() = default;
    virtual void drawBands(QPainter& painter) const = 0;
    virtual void drawMarks(QPainter& painter) const = 0;
  };

  virtual ~IThumbnailPeaks() = default;

  // The drawing of the curves' peaks; null when no curve holds a peak.
  virtual std::unique_ptr<Drawing> prepare(const Plot& plot, const std::vector<Curve>& curves) const = 0;
};

}  // namespace velmora
