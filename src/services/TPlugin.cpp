#include "TPlugin.h"

namespace velmora {

bool TPlugin::empty() const {
  return !OnSelectionDone && !OnSelectionChange && !OnChartDrawn && !OnChartMouseMove && !OnChartMouseDown &&
         !OnChartMouseUp && !OnLanguageChange;
}

}  // namespace velmora
