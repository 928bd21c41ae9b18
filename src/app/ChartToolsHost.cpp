#include "ChartToolsHost.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

#include "LanguageChangeWatch.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PeaksHost.h"
#include "TArrayDataStruct.h"
#include "TNodeForest.h"
#include "TPeaksController.h"
#include "ThumbnailPainter.h"
#include "UiText.h"

namespace velmora {

namespace {

const char* const kFieldHints[2] = {QT_TRANSLATE_NOOP("velmora::ChartToolsHost", "Horizontal axis minimum value"),
                                    QT_TRANSLATE_NOOP("velmora::ChartToolsHost", "Vertical axis minimum value")};

}  // namespace

ChartToolsHost::ChartToolsHost(MainWindow& window) : QObject(&window), window_(window) {
  for (const char* name : {"UnzoomActn", "Show3DActn", "Show3DCurvesActn"}) window.actions().adopt(name);
  QCustomPlot* chart = window.chartView().chart();

  // The scale fields.
  scaleBar_ = window.addToolBar(QString());
  scaleBar_->setObjectName(QStringLiteral("ScaleToolBar"));
  scaleBar_->setMovable(false);
  static const char* const kInitial[4] = {"-2000", "2000", "-2000", "2000"};
  for (int tag = 0; tag < 4; ++tag) {
    if (tag % 2 == 0) {
      auto* label = new QLabel(scaleBar_);
      label->setObjectName(QStringLiteral("ScaleAxis%1").arg(tag / 2));
      scaleBar_->addWidget(label);
    }
    auto* field = new QLineEdit(QString::fromLatin1(kInitial[tag]), scaleBar_);
    field->setObjectName(QStringLiteral("ScaleEdit%1").arg(tag));
    field->setFixedWidth(72);
    connect(field, &QLineEdit::textEdited, this, [this, tag](const QString& text) { scaleFieldEdited(tag, text); });
    scaleBar_->addWidget(field);
    fields_[tag] = field;
  }

  // The 3-D view and its track bars.
  layer3d_ = new Chart3DLayer(
      chart,
      [this] {
        std::vector<Chart3DLayer::Curve> out;
        const bool bw = window_.chartView().blackAndWhite();
        for (const TTableContent& c : window_.DisplayedCurves()) {
          if (!c.Curve || !c.Shown) continue;
          out.push_back({c.Curve->DisplayData(),
                         bw ? QColor(Qt::black) : ThumbnailPainter::rowColor(static_cast<std::size_t>(c.ColorIndex))});
        }
        return out;
      },
      [this]() -> const TPeakDrawing& { return window_.peaks().controller().drawing(); });
  barOf3D_ = new QToolBar(&window);
  barOf3D_->setObjectName(QStringLiteral("View3DToolBar"));
  barOf3D_->setMovable(false);
  window.addToolBar(Qt::RightToolBarArea, barOf3D_);
  auto makeBar = [this](const QString& caption, const QString& hint, int low, int high, int value) {
    auto* box = new QWidget(barOf3D_);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* label = new QLabel(caption, box);
    label->setObjectName(QStringLiteral("Caption") + caption);
    label->setAlignment(Qt::AlignHCenter);
    auto* slider = new QSlider(Qt::Vertical, box);
    slider->setRange(low, high);
    slider->setValue(value);
    slider->setToolTip(hint);
    slider->setMinimumHeight(160);
    layout->addWidget(label);
    layout->addWidget(slider, 1, Qt::AlignHCenter);
    barOf3D_->addWidget(box);
    return slider;
  };
  zoomBar_ = makeBar(QStringLiteral("Zoom3D"), QString(), 1, 500, 100);
  depthBar_ = makeBar(QStringLiteral("Depth3D"), QString(), 1, 30, 30);
  zoomBar_->setObjectName(QStringLiteral("Zoom3DBar"));
  depthBar_->setObjectName(QStringLiteral("Depth3DBar"));
  // The tool bars' texts, again after every language change.
  auto retranslate = [this] {
    scaleBar_->setWindowTitle(tr("Scale"));
    for (int axis = 0; axis < 2; ++axis) {
      if (auto* label = scaleBar_->findChild<QLabel*>(QStringLiteral("ScaleAxis%1").arg(axis)))
        label->setText(axis == 0 ? tr(" X ") : tr("  Y "));
      fields_[2 * axis]->setToolTip(tr(kFieldHints[axis]));
      fields_[2 * axis + 1]->setToolTip(tr(kFieldHints[axis]));
    }
    barOf3D_->setWindowTitle(tr("3D"));
    if (auto* label = barOf3D_->findChild<QLabel*>(QStringLiteral("CaptionZoom3D"))) label->setText(tr("Zoom, %"));
    if (auto* label = barOf3D_->findChild<QLabel*>(QStringLiteral("CaptionDepth3D"))) label->setText(tr("3D, %"));
    zoomBar_->setToolTip(tr("Chart zoom"));
    depthBar_->setToolTip(tr("3D %"));
  };
  retranslate();
  new LanguageChangeWatch(scaleBar_, retranslate);
  connect(zoomBar_, &QSlider::valueChanged, this, [this](int v) {
    if (showing_) return;
    view_.Zoom = v;
    layer3d_->setSettings(view_);
    window_.chartView().chart()->replot(QCustomPlot::rpQueuedReplot);
  });
  connect(depthBar_, &QSlider::valueChanged, this, [this](int v) {
    if (showing_) return;
    view_.Depth = v;
    layer3d_->setSettings(view_);
    window_.chartView().chart()->replot(QCustomPlot::rpQueuedReplot);
  });
  barOf3D_->hide();
  // The two 3-D drawings are offered in the 3-D view alone.
  window.action("ShowEachBorderActn")->setVisible(false);
  window.action("Show3DCurvesActn")->setVisible(false);

  // Zoom: the chart's dragged rectangle and wheel; bounds follow every drawing.
  chart->setSelectionRectMode(QCP::srmZoom);
  chart->setInteraction(QCP::iRangeZoom, true);
  chart->selectionRect()->setPen(QPen(QColor(0x30, 0x60, 0xa0), 1, Qt::DashLine));
  chart->selectionRect()->setBrush(QColor(0x30, 0x60, 0xa0, 30));
  connect(chart->selectionRect(), &QCPSelectionRect::accepted, this, [this] { zoomChanged(); });
  connect(chart, &QCustomPlot::mouseWheel, this, [this] {
    if (chartInteractive()) zoomChanged();
  });
  connect(chart, &QCustomPlot::afterReplot, this, [this] {
    if (!zoomed()) rememberHome();
    showBounds();
  });
  connect(chart, &QCustomPlot::mouseMove, this, [this](QMouseEvent* e) { mouseMoved(e); });
  chart_ = chart;
  chart->installEventFilter(this);

  connect(window.action("UnzoomActn"), &QAction::triggered, this, [this] { undoZoom(); });
  connect(window.action("Show3DActn"), &QAction::toggled, this, [this](bool on) { setView3D(on); });
  for (const char* name : {"ShowEachBorderActn", "Show3DCurvesActn"}) {
    connect(window.action(name), &QAction::toggled, this, [this] {
      layer3d_->setShowBorders(window_.action("ShowEachBorderActn")->isChecked());
      layer3d_->setShowLinks(window_.action("Show3DCurvesActn")->isChecked());
      window_.chartView().scheduleRedraw();
    });
  }
  connect(window.action("SetPeakBordersActn"), &QAction::toggled, this, [this] { applyZoomMode(); });
}

bool ChartToolsHost::chartInteractive() const {
  const QAction* marking = window_.action("SetPeakBordersActn");
  return !view3D() && !(marking && marking->isChecked());
}

void ChartToolsHost::applyZoomMode() {
  QCustomPlot* chart = window_.chartView().chart();
  const bool on = chartInteractive();
  chart->setSelectionRectMode(on ? QCP::srmZoom : QCP::srmNone);
  chart->setInteraction(QCP::iRangeZoom, on);
}

// --- Zoom ---------------------------------------------------------------------------

bool ChartToolsHost::zoomed() const { return window_.chartView().zoomed(); }

void ChartToolsHost::rememberHome() {
  QCustomPlot* chart = window_.chartView().chart();
  home_ = std::make_pair(chart->xAxis->range(), chart->yAxis->range());
}

void ChartToolsHost::zoomChanged() {
  if (!zoomed() && !home_) rememberHome();
  window_.chartView().setZoomed(true);
  showBounds();
}

void ChartToolsHost::zoomTo(const QRect& pixels) {
  if (!chartInteractive()) return;
  if (!zoomed()) rememberHome();
  window_.chartView().chart()->axisRect()->zoom(QRectF(pixels));
  zoomChanged();
  window_.chartView().chart()->replot();
}

void ChartToolsHost::undoZoom() {
  MainChartView& view = window_.chartView();
  if (!view.zoomed()) return;
  view.setZoomed(false);
  if (home_) {
    view.chart()->xAxis->setRange(home_->first);
    view.chart()->yAxis->setRange(home_->second);
  }
  view.redrawNow();
  showBounds();
}

void ChartToolsHost::scrolled() {
  // Scrolling leaves the automatic axes.
  QAction* fit = window_.action("FitImageActn");
  if (fit->isChecked()) {
    fit->setChecked(false);
    window_.chartView().setFitImage(false);
  }
  showBounds();
}

// --- Scale fields -------------------------------------------------------------------

void ChartToolsHost::showBounds() {
  QCustomPlot* chart = window_.chartView().chart();
  const double bounds[4] = {chart->xAxis->range().lower, chart->xAxis->range().upper, chart->yAxis->range().lower,
                            chart->yAxis->range().upper};
  for (int tag = 0; tag < 4; ++tag) {
    QLineEdit* f = fields_[tag];
    if (f->hasFocus()) continue;
    const QSignalBlocker quiet(f);
    f->setText(QStringLiteral("%1").arg(bounds[tag], 5, 'f', 2));
  }
}

void ChartToolsHost::scaleFieldEdited(int tag, const QString& text) {
  if (tag < 0 || tag > 3) return;
  std::string typed = UiText::toStd(text);
  std::optional<double> value = ParseDecimal(typed, '.');
  if (!value) {
    // A comma is taken as the decimal separator (and a point as the comma).
    for (char& c : typed) c = c == ',' ? '.' : c == '.' ? ',' : c;
    value = ParseDecimal(typed, '.');
  }
  if (!value) return;
  QAction* fit = window_.action("FitImageActn");
  fit->setChecked(false);
  MainChartView& view = window_.chartView();
  view.setFitImage(false);
  QCPAxis* axis = tag < 2 ? view.chart()->xAxis : view.chart()->yAxis;
  QCPRange r = axis->range();
  if (tag % 2 == 0) {
    r.lower = *value;
  } else {
    r.upper = *value;
  }
  // QCustomPlot keeps ranges ordered: a bound typed past the other swaps them.
  axis->setRange(r);
  view.chart()->replot();
}

// --- Read-out -------------------------------------------------------------------------

QString ChartToolsHost::readOut(const QPoint& pixel) const {
  QCustomPlot* chart = window_.chartView().chart();
  // Each value to the resolution of one pixel, with its axis's unit (the
  // part of the axis title after the comma).
  auto value = [](const QCPAxis* axis, int at) {
    const double v = axis->pixelToCoord(at);
    const double step = std::abs(axis->pixelToCoord(at + 1) - v);
    const QString title = axis->label();
    const int comma = title.lastIndexOf(QStringLiteral(", "));
    const QString unit = comma < 0 ? QString() : title.mid(comma + 2);
    return UiText::fromStd(NumberFormat::WithUnit(NumberFormat::AtResolution(v, step), UiText::toStd(unit)));
  };
  return QStringLiteral("E=%1  I=%2").arg(value(chart->xAxis, pixel.x()), value(chart->yAxis, pixel.y()));
}

void ChartToolsHost::mouseMoved(QMouseEvent* event) {
  QLabel* panel = window_.statusPanel(3);
  if (window_.forest().FocusedNode == nullptr || window_.DisplayedCurves().empty()) {
    panel->clear();
    return;
  }
  if (!view3D()) panel->setText(readOut(event->pos()));
}

// --- 3-D view ---------------------------------------------------------------------------

void ChartToolsHost::setView3D(bool on) {
  QAction* marking = window_.action("SetPeakBordersActn");
  QAction* action = window_.action("Show3DActn");
  if (action->isChecked() != on) {
    const QSignalBlocker quiet(action);
    action->setChecked(on);
  }
  if (on) {
    view_ = layer3d_->settings();
    showing_ = true;
    zoomBar_->setValue(view_.Zoom);
    depthBar_->setValue(view_.Depth);
    showing_ = false;
    if (marking && marking->isChecked()) marking->setChecked(false);
    if (marking) marking->setEnabled(false);
  } else if (marking) {
    marking->setEnabled(true);
  }
  barOf3D_->setVisible(on);
  window_.action("ShowEachBorderActn")->setVisible(on);
  window_.action("Show3DCurvesActn")->setVisible(on);
  layer3d_->setShowBorders(window_.action("ShowEachBorderActn")->isChecked());
  layer3d_->setShowLinks(window_.action("Show3DCurvesActn")->isChecked());
  layer3d_->setSettings(view_);
  layer3d_->setOn(on);
  applyZoomMode();
  window_.chartView().redrawNow();
}

void ChartToolsHost::beginTurn(int x, int y) {
  turnFrom_ = QPoint(x, y);
  turnRotation_ = view_.Rotation;
  turnElevation_ = view_.Elevation;
  turning_ = true;
}

void ChartToolsHost::turnTo(int x, int y) {
  if (!turning_) return;
  // Whole steps of five pixels; the division truncates towards zero.
  const int r = turnRotation_ - (turnFrom_.x() - x) / 5;
  const int e = turnElevation_ + (turnFrom_.y() - y) / 5;
  if (r >= 270 && r <= 360) view_.Rotation = r;
  if (e < 270 || e > 360) return;  // the view stays as it is
  view_.Elevation = e;
  layer3d_->setSettings(view_);
  window_.chartView().chart()->replot(QCustomPlot::rpQueuedReplot);
}

bool ChartToolsHost::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
  if (chart_.isNull() || watched != chart_.data()) return false;
  auto* me = static_cast<QMouseEvent*>(event);
  const QPoint pos = me->position().toPoint();
  if (view3D()) {
    if (type == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) beginTurn(pos.x(), pos.y());
    if (type == QEvent::MouseMove && (me->buttons() & Qt::LeftButton)) turnTo(pos.x(), pos.y());
    if (type == QEvent::MouseButtonRelease) turning_ = false;
    return false;
  }
  // Scrolling with the right button.
  if (!chartInteractive()) return false;
  QCustomPlot* chart = window_.chartView().chart();
  if (type == QEvent::MouseButtonPress && me->button() == Qt::RightButton) {
    scrollFrom_ = pos;
  } else if (type == QEvent::MouseMove && scrollFrom_ && (me->buttons() & Qt::RightButton)) {
    const double dx = chart->xAxis->pixelToCoord(scrollFrom_->x()) - chart->xAxis->pixelToCoord(pos.x());
    const double dy = chart->yAxis->pixelToCoord(scrollFrom_->y()) - chart->yAxis->pixelToCoord(pos.y());
    chart->xAxis->moveRange(dx);
    chart->yAxis->moveRange(dy);
    scrollFrom_ = pos;
    scrolled();
    chart->replot(QCustomPlot::rpQueuedReplot);
  } else if (type == QEvent::MouseButtonRelease && me->button() == Qt::RightButton) {
    scrollFrom_.reset();
  }
  return false;
}

}  // namespace velmora
