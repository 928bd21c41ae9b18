#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "Chart3DLayer.h"

class QAction;
class QLineEdit;
class QMouseEvent;
class QSlider;
class QToolBar;
class QWheelEvent;

namespace velmora {

class MainWindow;

// The main chart's tools: zoom by a dragged rectangle and by the wheel,
// "Undo zoom", scrolling with the right button, the four scale fields, the
// "E=... I=..." read-out under the pointer and the three-dimensional view
// with its track bars and rotation by dragging.
class ChartToolsHost : public QObject {
  Q_OBJECT
 public:
  explicit ChartToolsHost(MainWindow& window);

  // The scale field of `tag` (0 X minimum, 1 X maximum, 2 Y minimum, 3 Y
  // maximum).
  QLineEdit* scaleField(int tag) const { return fields_[tag]; }
  // A text typed into a scale field: sets the bound when it is a number
  // (a comma taken as the decimal separator).
  void scaleFieldEdited(int tag, const QString& text);
  // Shows the axis bounds in the fields that do not have the focus.
  void showBounds();

  bool zoomed() const;
  void undoZoom();
  // A zoom to the pixel rectangle (as a dragged rectangle does).
  void zoomTo(const QRect& pixels);

  // --- Read-out ---
  QString readOut(const QPoint& pixel) const;

  // --- 3-D view ---
  void setView3D(bool on);
  bool view3D() const { return layer3d_->isOn(); }
  Chart3DLayer& layer3d() const { return *layer3d_; }
  // The drag of the 3-D view: press at (x, y), then a move to (x, y).
  void beginTurn(int x, int y);
  void turnTo(int x, int y);
  QSlider* zoomBar() const { return zoomBar_; }
  QSlider* depthBar() const { return depthBar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void rememberHome();
  void zoomChanged();
  void scrolled();
  void applyZoomMode();
  // Zoom and scrolling work: neither the 3-D view nor "Peaks marking" is on.
  bool chartInteractive() const;
  void mouseMoved(QMouseEvent* event);

  MainWindow& window_;
  // The chart whose mouse this host watches; compared without asking the
  // main window, which may already be going when the last events come.
  QPointer<QObject> chart_;
  QToolBar* scaleBar_ = nullptr;
  QToolBar* barOf3D_ = nullptr;
  QLineEdit* fields_[4] = {};
  QSlider* zoomBar_ = nullptr;
  QSlider* depthBar_ = nullptr;
  Chart3DLayer* layer3d_ = nullptr;
  bool showing_ = false;
  // Axis ranges before the first zoom.
  std::optional<std::pair<QCPRange, QCPRange>> home_;
  // Scrolling with the right button.
  std::optional<QPoint> scrollFrom_;
  // Turning the 3-D view.
  QPoint turnFrom_;
  int turnRotation_ = 0, turnElevation_ = 0;
  bool turning_ = false;
  Chart3DLayer::Settings view_;
};

}  // namespace velmora
