#include "PeaksHost.h"

#include "TMWizForm.h"

#include <QAction>

#include "CalcHost.h"
#include "CalcTypeCycle.h"
#include "ColorValue.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Options.h"
#include "TArrayDataStruct.h"
#include "TCalcForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TPeaksController.h"
#include "ThumbnailPainter.h"

namespace velmora {

PeaksHost::PeaksHost(MainWindow& window, TPluginsManager& hub) : QObject(&window), window_(window) {
  // Peak values are computed wherever a curve's peaks are read.
  TPeakValueEvaluator::Install();
  for (const char* name : TPeaksController::commandActions()) window.actions().adopt(name);
  controller_ = new TPeaksController(*this, hub, this);
}

PeaksHost::~PeaksHost() = default;

void PeaksHost::applySettings(const Options& options) {
  SetCurrentCalcType(options.peakCalcType >= 0 && options.peakCalcType <= 7 ? options.peakCalcType : 1);
  peaksColor_ = options.peaksColor;
  crossPeaksColor_ = options.crossPeaksColor;
  captionColor_ = options.peakCaptionColor;
  controller_->refresh();
}

void PeaksHost::storeSettings(Options& options) const { options.peakCalcType = CurrentCalcType(); }

TTableContentArr& PeaksHost::DisplayedCurves() { return window_.DisplayedCurves(); }
IUndoRecorder& PeaksHost::undoRecorder() { return window_.forest().Undo(); }
IMessageSink& PeaksHost::messageSink() { return window_.messageSink(); }
QCustomPlot* PeaksHost::mainChart() { return window_.chartView().chart(); }
QDockWidget* PeaksHost::peaksDock() { return window_.peaksDock(); }
QWidget* PeaksHost::window() { return &window_; }
QAction* PeaksHost::action(const char* name) { return window_.action(name); }

QString PeaksHost::curveName(const TArrayDataStruct* curve) {
  if (curve == nullptr || curve->Node == nullptr) return QString();
  QString name = QString::fromStdString(curve->Node->Name);
  name.remove(u'^');
  return name;
}

void PeaksHost::curvesEdited() {
  window_.setModified(true);
  window_.chartView().scheduleRedraw();
  // The calculations follow the peaks.
  window_.calculations().form().RecalculateIfShown();
}

void PeaksHost::checksChanged() { window_.chartView().scheduleRedraw(); }
void PeaksHost::redrawChart() { window_.chartView().scheduleRedraw(); }
bool PeaksHost::blackAndWhite() { return window_.chartView().blackAndWhite(); }
QColor PeaksHost::peaksColor() { return ColorValue::toQColor(peaksColor_); }
QColor PeaksHost::crossPeaksColor() { return ColorValue::toQColor(crossPeaksColor_); }
QColor PeaksHost::peakCaptionColor() { return ColorValue::toQColor(captionColor_); }

QColor PeaksHost::curveColor(int colorIndex) {
  if (blackAndWhite()) return Qt::black;
  return ThumbnailPainter::rowColor(static_cast<std::size_t>(std::max(0, colorIndex)));
}

// While the measurement wizard is shown, the search names and delimits the
// peaks by the run's predefined peaks.
bool PeaksHost::wizardShown() {
  const auto* wizard = window_.findChild<TMWizForm*>();
  return wizard != nullptr && wizard->isVisible();
}

TPredefPeaks PeaksHost::wizardPredefinedPeaks() {
  const auto* wizard = window_.findChild<TMWizForm*>();
  return wizard != nullptr ? wizard->predefinedPeaks() : TPredefPeaks{};
}

}  // namespace velmora
