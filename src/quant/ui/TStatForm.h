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

class TCalcSeriePlot;
class TCalculator;
class TPluginsManager;
class TVAStruct;

// The "Calculation statistics" window: one regression series per element of
// the calculation table (standard additions, calibration curve or reading on
// the active calibration, by method), a legend to hide elements, the
// equations of the lines and the "Labels" / "Linear trends" options. It
// floats; the calculation window can dock it.
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
  int serieCount() const { return static_cast<int>(plots_.size()); }
  const TCalcSeriePlot& plot(int index) const { return *plots_[static_cast<std::size_t>(index)]; }
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
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void fillSeries(TConcCalculation& calc, const std::vector<TVAStruct*>& curves);
  QString bottomTitle(const TConcCalculation& calc) const;
  void setRanges();
  void LegendItemChanged(QListWidgetItem* item);

  std::unique_ptr<TCalculator> calculator_;
  TConcCalculation own_;
  TConcCalculation* external_ = nullptr;
  std::function<std::vector<TVAStruct*>()> curveSource_;
  std::vector<std::unique_ptr<TCalcSeriePlot>> plots_;
  QSet<QString> unticked_;
  bool refilling_ = false;

  QListWidget* legend_ = nullptr;
  QCheckBox* showEquations_ = nullptr;
  QPlainTextEdit* equations_ = nullptr;
  QCheckBox* labels_ = nullptr;
  QCheckBox* trends_ = nullptr;
  QCustomPlot* chart_ = nullptr;
};

}  // namespace velmora
