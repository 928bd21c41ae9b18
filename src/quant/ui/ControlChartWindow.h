#pragma once

#include <QWidget>
#include <optional>

#include "ControlChart.h"

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolBar;

namespace velmora {

class ControlChartPlot;
class IResultsArchive;

// "Control chart": the Shewhart chart of one control solution and one
// element from the archive, with limits entered or estimated from the first
// 20 results, the points that break a Westgard rule listed beside it, and
// the chart exported to a picture or printed.
class ControlChartWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ControlChartWindow(IResultsArchive* archive, QWidget* parent = nullptr);

  void setArchive(IResultsArchive* archive);
  // Shows the chart of a control and an element (refilling the lists).
  void showChart(const QString& control, const QString& element);
  // Redraws from the archive with the limits as chosen.
  void refresh();

  ControlChartPlot& drawing() const { return *drawing_; }
  QCustomPlot* plot() const { return plot_; }
  QComboBox* controlList() const { return control_; }
  QComboBox* elementList() const { return element_; }
  QCheckBox* estimateBox() const { return estimate_; }
  QLineEdit* targetEdit() const { return target_; }
  QLineEdit* sdEdit() const { return sd_; }
  QTableWidget* breaches() const { return breaches_; }
  QLabel* status() const { return status_; }
  const std::optional<ControlChart>& chart() const { return chart_; }

  // Saves the chart (PNG, BMP, SVG or PDF by the extension); false and a
  // message box when it cannot.
  bool exportTo(const QString& file);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void fillElements();
  void fillBreaches();
  void exportChart();
  void printChart();

  IResultsArchive* archive_;
  QToolBar* toolBar_;
  QAction* exportAction_;
  QAction* printAction_;
  QComboBox* control_;
  QComboBox* element_;
  QCheckBox* estimate_;
  QLineEdit* target_;
  QLineEdit* sd_;
  QLabel* controlLabel_;
  QLabel* elementLabel_;
  QLabel* targetLabel_;
  QLabel* sdLabel_;
  QCustomPlot* plot_;
  ControlChartPlot* drawing_;
  QTableWidget* breaches_;
  QLabel* status_;
  std::optional<ControlChart> chart_;
  bool filling_ = false;
};

}  // namespace velmora
