#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "ControlChart.h"

class QCustomPlot;
class QCPGraph;
class QCPItemText;
class QCPItemLine;

namespace velmora {

// Draws a control chart on a QCustomPlot: the results in time order (dates
// under the points), the target line, the warning (±2s) and action (±3s)
// limits, points that break a rule in red (hollow for the 1-2s warning
// alone, filled for a rule that rejects the run) with the rules' names
// placed clear of each other, and simulated results ringed, with a badge.
class ControlChartPlot : public QObject {
  Q_OBJECT
 public:
  explicit ControlChartPlot(QCustomPlot* plot, QObject* parent = nullptr);

  void Show(const ControlChart& chart);
  void Clear();
  // Texts follow the language in force.
  void Retranslate();
  QCustomPlot* plot() const { return plot_; }
  const ControlChart& chart() const { return chart_; }
  // The rule labels as last placed (visible ones), for the tests.
  std::vector<QCPItemText*> ruleLabels() const { return labels_; }

  // The chart drawn alone into a PNG file of width × height pixels (a
  // widget application must exist). Throws EFormatError.
  static void SavePng(const ControlChart& chart, const QString& file, int width, int height);

 private:
  void placeLabels();
  void clearItems();

  QCustomPlot* plot_;
  ControlChart chart_;
  bool shown_ = false;
  QCPGraph* results_ = nullptr;
  QCPGraph* warnings_ = nullptr;
  QCPGraph* rejects_ = nullptr;
  QCPGraph* simulated_ = nullptr;
  std::vector<QCPItemText*> labels_;
  std::vector<QCPItemLine*> leaders_;
  std::vector<std::size_t> labelPoints_;
  std::vector<QCPItemText*> limitTexts_;
  QCPItemText* badge_ = nullptr;
};

}  // namespace velmora
