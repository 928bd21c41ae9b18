#pragma once

#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "TConcCalculation.h"

class QCheckBox;
class QCustomPlot;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

namespace velmora {

class TCalcChart;
class TCalcSeriePlot;
class TCalculator;
class TPluginsManager;
class TVAStruct;

// The "Calculation statistics" window: the calculation chart of the
// calculation table (the regression each element's result is read from,
// exactly as the table computed it), a legend to hide elements, the
// equations of the lines and the "Labels" / "Linear trends" options below
// the chart. It floats; the calculation window can dock it.
class TStatForm : public QWidget {
  Q_OBJECT
 public:
  explicit TStatForm(TPluginsManager& hub, QWidget* parent = nullptr);
  ~TStatForm() override;

  // The curves shown in the main window, in list order; used with the
  // window's own calculation while no calculation window hands in its own.
  void setCurveSource(std::function<std::vector<TVAStruct*>()> source) { curveSource_ = std::move(source); }
  // The calculation whose table is charted (not owned); null uses the
  // window's own one over the curve source.
  void setCalculation(TConcCalculation* calculation) { external_ = calculation; }
  TConcCalculation& calculation() { return external_ ? *external_ : own_; }

  // Rebuilds the legend and every series from the calculation.
  void Refresh();

  // For the windows and tests: the series shown, in element order.
  int serieCount() const;
  const TCalcSeriePlot& plot(int index) const;
  const TCalcChart& calcChart() const { return *calcChart_; }
  QListWidget* legend() const { return legend_; }
  QPlainTextEdit* equations() const { return equations_; }
  QCustomPlot* chart() const { return chart_; }
  QCheckBox* labelsBox() const { return labels_; }
  QCheckBox* trendsBox() const { return trends_; }

 signals:
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void LegendItemChanged(QListWidgetItem* item);
  void fitLegendHeight();

  std::unique_ptr<TCalculator> calculator_;
  TConcCalculation own_;
  TConcCalculation* external_ = nullptr;
  std::function<std::vector<TVAStruct*>()> curveSource_;
  QSet<QString> unticked_;
  bool refilling_ = false;

  QListWidget* legend_ = nullptr;
  QCheckBox* showEquations_ = nullptr;
  QPlainTextEdit* equations_ = nullptr;
  QCheckBox* labels_ = nullptr;
  QCheckBox* trends_ = nullptr;
  QCustomPlot* chart_ = nullptr;
  std::unique_ptr<TCalcChart> calcChart_;
};

}  // namespace velmora
