#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <functional>
#include <vector>

#include "TDataPoint.h"
#include "TElementPeak.h"
#include "TPeakRecord.h"

namespace velmora {

// What the peak drawing of a chart shows: the peak table, the curves drawn
// with their displayed points and fresh peaks, and the switches.
struct TPeakDrawing {
  struct Curve {
    TDataArr Points;
    TPeaks Peaks;
    QColor Color;
  };
  bool Visible = false;    // bands and labels at all
  bool Plain = false;      // black-and-white: white bands
  bool EachBorder = true;  // the black border lines of every curve's peaks
  bool Labels = false;     // names (and geometry) after the curves
  QColor PeaksColor;       // a band whose curves agree on the borders
  QColor CrossPeaksColor;  // a band whose BordersDiffer is set
  QColor CaptionColor;
  TElementsPeaksArr Table;
  std::vector<Curve> Curves;
};

// The flat peak drawing of a QCustomPlot chart. In the Bands role it sits on
// a layer below the grid and fills one band per table row over its
// potential range (one pixel inside the plot's height), then draws a black
// line at every curve's begin and end point; in the Marks role it sits
// above the curves and draws the measurement marks of every curve's peaks
// with the rows' names and, for a single curve, the values.
class TPeakBandsLayer : public QCPLayerable {
  Q_OBJECT
 public:
  enum class Role { Bands, Marks };
  using Source = std::function<const TPeakDrawing&()>;

  TPeakBandsLayer(QCustomPlot* chart, Role role, Source source);

  // The layer names the two roles use (created on demand).
  static constexpr const char* kBandsLayer = "peakBands";
  static constexpr const char* kMarksLayer = "peakMarks";

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
  void draw(QCPPainter* painter) override;
  QRect clipRect() const override;

 private:
  void drawBands(QCPPainter* painter, const TPeakDrawing& d);
  void drawMarks(QCPPainter* painter, const TPeakDrawing& d);

  Role role_;
  Source source_;
};

}  // namespace velmora
