#include "ModelingWindow.h"

#include <qcustomplot.h>

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <optional>

#include "Numbers.h"
#include "TPluginsManager.h"
#include "UiText.h"

namespace velmora {

namespace {

constexpr int kColumns = 4;  // peak, potential, height, width
constexpr int kCurvePoints = 400;

std::optional<double> Number(const QTableWidgetItem* item) {
  if (item == nullptr) return std::nullopt;
  const std::string text = UiText::toStd(item->text().trimmed());
  if (text.empty()) return std::nullopt;
  const double value = ReadNumber(text, std::numeric_limits<double>::quiet_NaN());
  if (std::isnan(value)) return std::nullopt;
  return value;
}

bool Blank(const QTableWidgetItem* item) { return item == nullptr || item->text().trimmed().isEmpty(); }

}  // namespace

ModelingWindow::ModelingWindow(TPluginsManager& hub, QAction* toggle, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("ModelingForm"));
  setMinimumSize(240, 240);
  resize(460, 420);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* split = new QSplitter(Qt::Vertical, this);
  grid_ = new QTableWidget(1, kColumns, split);
  grid_->setObjectName(QStringLiteral("ModelingGrid"));
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  chart_ = new QCustomPlot(split);
  chart_->setObjectName(QStringLiteral("ModelingChart"));
  chart_->setMinimumHeight(140);
  chart_->addGraph();
  chart_->graph(0)->setPen(QPen(QColor(0x20, 0x60, 0xb0), 1.5));
  split->addWidget(grid_);
  split->addWidget(chart_);
  layout->addWidget(split, 1);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  layout->addWidget(note_);

  connect(grid_, &QTableWidget::cellChanged, this, [this](int row, int) {
    if (!filling_) cellEdited(row);
  });
  if (toggle) {
    toggle->setCheckable(true);
    connect(toggle, &QAction::toggled, this, [this](bool on) { setVisible(on); });
    connect(this, &ModelingWindow::visibilityChanged, toggle, [toggle](bool visible) {
      if (toggle->isChecked() != visible) toggle->setChecked(visible);
    });
  }
  // Subscriptions outlive windows: the handler checks that this one stands.
  TPlugin& plugin = hub.Register();
  QPointer<ModelingWindow> self(this);
  plugin.OnLanguageChange = [self] {
    if (self) self->retranslate();
  };
  retranslate();
  redraw();
}

void ModelingWindow::retranslate() {
  setWindowTitle(tr("Modeling"));
  grid_->setHorizontalHeaderLabels({tr("Peak"), tr("Potential"), tr("Height"), tr("Width")});
  chart_->xAxis->setLabel(tr("Potential, mV"));
  chart_->yAxis->setLabel(tr("Current, µA"));
  note_->setText(
      tr("A model: the sum of Gaussian peaks, each as high as \"Height\" (µA) at \"Potential\" (mV) and "
         "\"Width\" (mV) wide at half height. It is not a measurement and stays out of the document."));
  chart_->replot();
}

std::vector<TModelPeak> ModelingWindow::peaks() const {
  std::vector<TModelPeak> out;
  for (int row = 0; row < grid_->rowCount(); ++row) {
    const auto potential = Number(grid_->item(row, 1));
    const auto height = Number(grid_->item(row, 2));
    const auto width = Number(grid_->item(row, 3));
    if (!potential || !height || !width) continue;
    const QTableWidgetItem* name = grid_->item(row, 0);
    out.push_back({name ? UiText::toStd(name->text()) : std::string(), *potential, *height, *width});
  }
  return out;
}

void ModelingWindow::cellEdited(int row) {
  filling_ = true;
  // A typed number that is none is framed in red and left as typed.
  for (int column = 1; column < kColumns; ++column) {
    QTableWidgetItem* item = grid_->item(row, column);
    if (item == nullptr) continue;
    const bool wrong = !Blank(item) && !Number(item);
    item->setBackground(wrong ? QBrush(QColor(0xff, 0xd0, 0xd0)) : QBrush());
  }
  // The last row is always empty, ready for the next peak.
  const int last = grid_->rowCount() - 1;
  bool lastUsed = false;
  for (int column = 0; column < kColumns; ++column) lastUsed = lastUsed || !Blank(grid_->item(last, column));
  if (lastUsed) grid_->insertRow(grid_->rowCount());
  filling_ = false;
  redraw();
}

void ModelingWindow::redraw() {
  const std::vector<TModelPeak> model = peaks();
  double from = 0.0, to = 0.0;
  QVector<double> x, y;
  if (SignalModel::Range(model, from, to)) {
    for (const TDataPoint& p : SignalModel::Curve(model, from, to, kCurvePoints)) {
      x << p.X;
      y << p.Y;
    }
  }
  chart_->graph(0)->setData(x, y, true);
  if (!x.isEmpty()) {
    chart_->rescaleAxes();
    chart_->yAxis->scaleRange(1.1, chart_->yAxis->range().center());
  }
  chart_->replot();
}

void ModelingWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit visibilityChanged(true);
}

void ModelingWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

void ModelingWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

}  // namespace velmora
