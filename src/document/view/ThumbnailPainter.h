#pragma once

#include <QColor>
#include <QPixmap>
#include <array>

#include "IThumbnailPeaks.h"

namespace velmora {

class TNode;
class TArrayDataStruct;

// Draws a node's curves into a thumbnail picture: background, the peak
// bands, the curves of every row in the colour cycle, the peaks' measurement
// marks, and a one-pixel frame; the peaks only when the style names their
// drawer. The decorations (caption, fold and check boxes, selection) are
// drawn over it by the view.
class ThumbnailPainter {
 public:
  struct Style {
    int width = 100;
    int height = 75;
    int margins = 5;
    QColor background = Qt::white;
    QColor border = Qt::black;
    QColor peaksColor = QColor(0xbc, 0xce, 0xfe);       // bands whose curves agree on the borders
    QColor crossPeaksColor = QColor(0xc0, 0xdc, 0xc0);  // bands whose borders differ
    const IThumbnailPeaks* peaks = nullptr;             // the peaks' bands and marks; none when null
  };

  // The eight-colour cycle of the curves, by row.
  static const std::array<QColor, 8>& colorCycle();
  static QColor rowColor(std::size_t row) { return colorCycle()[row % 8]; }

  // A picture of the node's curves at `devicePixelRatio`.
  static QPixmap paint(const TNode& node, const Style& style, qreal devicePixelRatio = 1.0);
};

}  // namespace velmora
