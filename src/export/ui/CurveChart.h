#pragma once

#include <QSize>
#include <memory>

#include "IUndoRecorder.h"
#include "TNode.h"

class QCustomPlot;

namespace velmora {

// A voltammogram chart drawn without a window (the command line's
// pictures): the curves of `nodes` with the main chart's series, colours,
// titles, axes and fitted ranges.
class CurveChart {
 public:
  static std::unique_ptr<QCustomPlot> Build(const TNodesArr& nodes, QSize size);
};

}  // namespace velmora
