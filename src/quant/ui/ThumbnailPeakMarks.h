#pragma once

#include "IThumbnailPeaks.h"

namespace velmora {

// The peaks on the document's thumbnails as one group chart shows them: the
// bands of the peak table of all curves, every curve's borders, and the
// measurement marks without labels.
class ThumbnailPeakMarks : public IThumbnailPeaks {
 public:
  // The one drawer the thumbnail views share.
  static const ThumbnailPeakMarks& instance();

  std::unique_ptr<Drawing> prepare(const Plot& plot, const std::vector<Curve>& curves) const override;
};

}  // namespace velmora
