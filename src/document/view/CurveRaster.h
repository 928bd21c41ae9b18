#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <span>
#include <vector>

namespace velmora {

// Draws long polylines straight into a 32-bit premultiplied image, much
// faster than a general path stroker: each line of a curve is a capsule of
// the pen's width whose pixels take the coverage of their centre's distance
// to it (antialiased), or a one-pixel line (aliased). The pixels of one
// curve take the largest coverage any of its segments gives them and are
// blended once, so joins are neither darker nor lighter than the line. The
// curves are blended in order (the later on top); an aliased line in an
// opaque colour needs no blending and writes its pixels straight away. The
// image is shared out between the cores, in row stripes, or in columns when
// every line is aliased; every pixel is drawn by one thread from the same
// strokes in the same order, so the picture does not depend on how many
// there are.
class CurveRaster {
 public:
  struct Stroke {
    // A non-finite point breaks the line. Image pixel = (point - Origin) * Scale.
    const QPointF* Points = nullptr;
    std::size_t Count = 0;
    QPointF Origin;
    double Scale = 1.0;
    QColor Color;
    double Width = 1.0;  // in image pixels; aliased lines up to 1.5 are one pixel wide
    bool Antialiased = true;
  };

  // `image` must be Format_ARGB32_Premultiplied; only rows and columns
  // inside `clip` change.
  static void Draw(QImage& image, const QRect& clip, std::span<const Stroke> strokes, unsigned threads = 0);
};

}  // namespace velmora
