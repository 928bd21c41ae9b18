#include "ControlChartPlot.h"

#include <qcustomplot.h>

#include <QDateTime>
#include <algorithm>
#include <cmath>

#include "ChartPicture.h"
#include "LabelPlacer.h"
#include "Numbers.h"
#include "WestgardRules.h"

namespace velmora {

namespace {

const QColor kResults(40, 70, 120);
const QColor kTarget(30, 130, 60);
const QColor kWarning(220, 140, 0);
const QColor kAction(200, 30, 30);
const QColor kSimulated(150, 60, 170);
// Only the points that reject a run are labelled when more would break.
constexpr std::size_t kMaxLabels = 60;

// The limits in one precision: s to two significant digits.
QString Limit(double v, double sd) {
  const int decimals = sd > 0.0 ? std::clamp(1 - static_cast<int>(std::floor(std::log10(sd))), 0, 8) : 2;
  return QString::fromStdString(FormatDecimals(v, decimals));
}

// Dates under the points: the ticks are point numbers, labelled with the
// day of that point (local time).
class DateTicker : public QCPAxisTicker {
 public:
  explicit DateTicker(std::vector<std::int64_t> times) : times_(std::move(times)) {}

 protected:
  double getTickStep(const QCPRange& range) override {
    return std::max(1.0, std::ceil(QCPAxisTicker::getTickStep(range)));
  }
  QString getTickLabel(double tick, const QLocale&, QChar, int) override {
    const long index = std::lround(tick) - 1;
    if (std::fabs(tick - std::round(tick)) > 1e-9 || index < 0 || index >= static_cast<long>(times_.size()))
      return QString();
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(times_[static_cast<std::size_t>(index)]).toLocalTime();
    // The chart's own locale is the C one (numbers); dates read as the user's.
    return QLocale().toString(when.date(), QLocale::ShortFormat);
  }

 private:
  std::vector<std::int64_t> times_;
};

}  // namespace

ControlChartPlot::ControlChartPlot(QCustomPlot* plot, QObject* parent) : QObject(parent), plot_(plot) {
  connect(plot_, &QCustomPlot::afterLayout, this, &ControlChartPlot::placeLabels);
  plot_->legend->setVisible(true);
  plot_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);
  if (plot_->plotLayout()->rowCount() == 1) {
    plot_->plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(plot_, QString(), QFont(plot_->font().family(), 11, QFont::Bold));
    title->setObjectName(QStringLiteral("ControlChartTitle"));
    plot_->plotLayout()->addElement(0, 0, title);
  }
}

void ControlChartPlot::clearItems() {
  plot_->clearItems();
  plot_->clearGraphs();
  labels_.clear();
  leaders_.clear();
  labelPoints_.clear();
  limitTexts_.clear();
  badge_ = nullptr;
  results_ = warnings_ = rejects_ = simulated_ = nullptr;
}

void ControlChartPlot::Clear() {
  clearItems();
  chart_ = ControlChart{};
  shown_ = false;
  Retranslate();
  plot_->replot();
}

void ControlChartPlot::Show(const ControlChart& chart) {
  clearItems();
  chart_ = chart;
  shown_ = true;
  const ControlLimits& l = chart.Limits;
  const std::size_t n = chart.Points.size();

  QVector<double> xs, ys, wx, wy, rx, ry, sx, sy;
  std::vector<std::int64_t> times;
  xs.reserve(static_cast<int>(n));
  ys.reserve(static_cast<int>(n));
  double low = l.Action(-1), high = l.Action(1);
  for (std::size_t i = 0; i < n; ++i) {
    const ControlChart::Point& p = chart.Points[i];
    const double x = static_cast<double>(i + 1);
    xs << x;
    ys << p.Value;
    times.push_back(p.TimeMs);
    low = std::min(low, p.Value);
    high = std::max(high, p.Value);
    if (WestgardRules::Rejects(p.Rules)) {
      rx << x;
      ry << p.Value;
    } else if (p.Rules != 0) {
      wx << x;
      wy << p.Value;
    }
    if (p.Simulated) {
      sx << x;
      sy << p.Value;
    }
  }

  // Hundreds of points: smoothing every mark costs more than it shows, and a
  // one-pixel line is drawn directly where a wider one is stroked into a
  // polygon of every segment and filled.
  const bool smooth = n <= 300;
  results_ = plot_->addGraph();
  results_->setPen(QPen(kResults, smooth ? 1.2 : 1.0));
  results_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, kResults, Qt::white, n > 200 ? 4 : 6));
  results_->setData(xs, ys, true);
  results_->setAntialiased(smooth);
  results_->setAntialiasedScatters(smooth);
  warnings_ = plot_->addGraph();
  warnings_->setLineStyle(QCPGraph::lsNone);
  warnings_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(kAction, 2), Qt::white, 9));
  warnings_->setData(wx, wy, true);
  rejects_ = plot_->addGraph();
  rejects_->setLineStyle(QCPGraph::lsNone);
  rejects_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(kAction, 1.5), kAction, 9));
  rejects_->setData(rx, ry, true);
  simulated_ = plot_->addGraph();
  simulated_->setLineStyle(QCPGraph::lsNone);
  simulated_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, QPen(kSimulated, 1.2), Qt::NoBrush, 15));
  simulated_->setData(sx, sy, true);
  if (sx.isEmpty()) simulated_->removeFromLegend();
  if (wx.isEmpty()) warnings_->removeFromLegend();
  if (rx.isEmpty()) rejects_->removeFromLegend();

  // The centre line and the limits, each named at the right end.
  struct Line {
    double y;
    QColor color;
    Qt::PenStyle style;
    const char* name;
  };
  const Line lines[] = {{l.Action(1), kAction, Qt::DashLine, "+3s"},
                        {l.Warning(1), kWarning, Qt::DashLine, "+2s"},
                        {l.Target, kTarget, Qt::SolidLine, ""},
                        {l.Warning(-1), kWarning, Qt::DashLine, "−2s"},
                        {l.Action(-1), kAction, Qt::DashLine, "−3s"}};
  for (const Line& line : lines) {
    auto* item = new QCPItemStraightLine(plot_);
    item->setPen(QPen(line.color, 1.2, line.style));
    item->point1->setCoords(0, line.y);
    item->point2->setCoords(1, line.y);
    item->setLayer(QStringLiteral("grid"));
    auto* text = new QCPItemText(plot_);
    text->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
    text->position->setTypeY(QCPItemPosition::ptPlotCoords);
    text->position->setCoords(1.0, line.y);
    text->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
    text->setColor(line.color);
    text->setClipToAxisRect(true);
    // The centre line is named in Retranslate.
    if (*line.name) text->setText(QString::fromUtf8(line.name) + QStringLiteral(" = ") + Limit(line.y, l.Sd));
    limitTexts_.push_back(text);
  }

  // The rule names of the points that break one.
  std::size_t breaking = chart.Breaking();
  const bool onlyRejecting = breaking > kMaxLabels;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t rules = chart.Points[i].Rules;
    if (rules == 0 || (onlyRejecting && !WestgardRules::Rejects(rules))) continue;
    QStringList names;
    for (const std::string& name : WestgardRules::Names(rules)) names << QString::fromStdString(name);
    auto* label = new QCPItemText(plot_);
    label->setText(names.join(QStringLiteral(", ")));
    label->setColor(kAction);
    label->setPadding(QMargins(2, 0, 2, 0));
    label->setBrush(QBrush(QColor(255, 255, 255, 220)));
    label->position->setType(QCPItemPosition::ptAbsolute);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setClipToAxisRect(true);
    labels_.push_back(label);
    labelPoints_.push_back(i);
    auto* leader = new QCPItemLine(plot_);
    leader->setPen(QPen(QColor(200, 30, 30, 140), 0.8));
    leader->start->setType(QCPItemPosition::ptAbsolute);
    leader->end->setType(QCPItemPosition::ptAbsolute);
    leader->setVisible(false);
    leaders_.push_back(leader);
  }

  if (!sx.isEmpty()) {
    badge_ = new QCPItemText(plot_);
    badge_->position->setType(QCPItemPosition::ptAxisRectRatio);
    badge_->position->setCoords(0.99, 0.02);
    badge_->setPositionAlignment(Qt::AlignRight | Qt::AlignTop);
    badge_->setColor(kSimulated);
    badge_->setPen(QPen(kSimulated));
    badge_->setBrush(QBrush(QColor(255, 255, 255, 230)));
    badge_->setPadding(QMargins(6, 3, 6, 3));
  }

  plot_->xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new DateTicker(std::move(times))));
  plot_->xAxis->setRange(0.5, std::max<double>(static_cast<double>(n), 1.0) + 0.5);
  const double margin = (high - low) * 0.08;
  plot_->yAxis->setRange(low - margin, high + margin);
  Retranslate();
}

void ControlChartPlot::Retranslate() {
  auto* title = plot_->findChild<QCPTextElement*>(QStringLiteral("ControlChartTitle"));
  if (title)
    title->setText(shown_ ? tr("Control chart: %1, %2")
                                .arg(QString::fromStdString(chart_.Control), QString::fromStdString(chart_.Element))
                          : tr("Control chart"));
  plot_->xAxis->setLabel(tr("Date of the result"));
  plot_->yAxis->setLabel(
      shown_ ? QStringLiteral("%1, %2").arg(QString::fromStdString(chart_.Element), QString::fromStdString(chart_.Unit))
             : QString());
  if (results_) results_->setName(tr("Results"));
  if (warnings_) warnings_->setName(tr("Warning (1-2s)"));
  if (rejects_) rejects_->setName(tr("Rule broken"));
  if (simulated_) simulated_->setName(tr("Simulated (emulator)"));
  if (badge_) badge_->setText(tr("Includes simulated results"));
  if (limitTexts_.size() == 5)
    limitTexts_[2]->setText(tr("Target") + QStringLiteral(" = ") + Limit(chart_.Limits.Target, chart_.Limits.Sd));
}

void ControlChartPlot::placeLabels() {
  if (labels_.empty()) return;
  const QRect r = plot_->axisRect()->rect();
  LabelPlacer placer(TLabelBox{double(r.left()), double(r.top()), double(r.right()), double(r.bottom())});
  // The legend, the badge and the limit names are obstacles; so are the
  // marks of the labelled points.
  const QRect legend = plot_->legend->outerRect();
  if (plot_->legend->visible())
    placer.AddObstacle({double(legend.left()), double(legend.top()), double(legend.right()), double(legend.bottom())});
  QFontMetrics metrics(labels_.front()->font());
  for (QCPItemText* t : limitTexts_) {
    const double y = plot_->yAxis->coordToPixel(t->position->coords().y());
    const double w = metrics.horizontalAdvance(t->text()) + 4;
    placer.AddObstacle({r.right() - w, y - metrics.height(), double(r.right()), y});
  }
  if (badge_) {
    const double w = metrics.horizontalAdvance(badge_->text()) + 14;
    placer.AddObstacle({r.right() - r.width() * 0.01 - w, r.top() + r.height() * 0.02, double(r.right()),
                        r.top() + r.height() * 0.02 + metrics.height() + 8});
  }
  for (std::size_t k = 0; k < labelPoints_.size(); ++k) {
    const ControlChart::Point& p = chart_.Points[labelPoints_[k]];
    placer.AddPoint(plot_->xAxis->coordToPixel(double(labelPoints_[k] + 1)), plot_->yAxis->coordToPixel(p.Value), 5);
  }
  // Rejections first: they matter most.
  std::vector<std::size_t> order(labels_.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return WestgardRules::Rejects(chart_.Points[labelPoints_[a]].Rules) &&
           !WestgardRules::Rejects(chart_.Points[labelPoints_[b]].Rules);
  });
  for (std::size_t k : order) {
    QCPItemText* label = labels_[k];
    const std::size_t i = labelPoints_[k];
    const double x = plot_->xAxis->coordToPixel(double(i + 1));
    const double y = plot_->yAxis->coordToPixel(chart_.Points[i].Value);
    const double w = metrics.horizontalAdvance(label->text()) + 4, h = metrics.height();
    const TLabelPlacement place = placer.PlaceAtPoint(x, y, 5, w, h, label->text().toStdString());
    const bool shown = place.PlacementKind != TLabelPlacement::Kind::Dropped;
    label->setVisible(shown);
    label->position->setCoords(place.Box.Left, place.Box.Top);
    leaders_[k]->setVisible(place.PlacementKind == TLabelPlacement::Kind::Leader);
    leaders_[k]->start->setCoords(place.LeaderX1, place.LeaderY1);
    leaders_[k]->end->setCoords(place.LeaderX2, place.LeaderY2);
  }
}

void ControlChartPlot::SavePng(const ControlChart& chart, const QString& file, int width, int height) {
  QCustomPlot plot;
  plot.resize(width, height);
  ControlChartPlot drawing(&plot);
  drawing.Show(chart);
  ChartPicture::Save(&plot, file, ChartPicture::Format::Png, width, height);
}

}  // namespace velmora
