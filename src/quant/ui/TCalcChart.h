#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QCustomPlot;
class QCPItemText;

namespace velmora {

class TCalcSeriePlot;
class TConcCalculation;

// The calculation chart of a calculation, on screen and in print: one
// regression series per element, copied from the calculation that filled
// the table (so the chart draws exactly its points, lines and results), the
// axis titles with their units, the ranges, the marks laid out so that they
// stay legible at every size, and above the plot the read-out of the
// concentrations found, each in its element's colour. When the calculation
// draws no line, the plot says why.
class TCalcChart : public QObject {
  Q_OBJECT
 public:
  struct Options {
    bool Labels = true;  // the points' values
    bool Trends = true;  // the lines and the result marks
    // Whether an element is drawn; all are when empty.
    std::function<bool(std::size_t element)> Shown;
    // An element's colour; the colour cycle when empty.
    std::function<QColor(std::size_t element)> Color;
    // The left axis title; the signal and its unit when empty.
    std::function<QString()> LeftTitle;
    QFont Font;  // of the marks and the read-out; the chart's when unset
  };

  explicit TCalcChart(QCustomPlot* chart, QObject* parent = nullptr);
  ~TCalcChart() override;

  // Fills the series from `calc`, sets titles, formats and ranges (no
  // replot). The marks are laid out whenever the chart lays itself out.
  void Fill(const TConcCalculation& calc, const Options& options);
  // Lays out the marks at the chart's current geometry.
  void Arrange();

  int serieCount() const { return static_cast<int>(plots_.size()); }
  const TCalcSeriePlot& plot(int index) const { return *plots_[static_cast<std::size_t>(index)]; }
  // The lines of the read-out, as shown ("C(Pb) = 0.0812 mg/dm³").
  QStringList readout() const;
  // Why nothing is drawn; empty while something is.
  QString emptyReason() const;

  // The bottom axis title of a calculation, in the caption markup.
  static QString BottomTitle(const TConcCalculation& calc);

 private:
  class Readout;
  void setRanges();
  QString leftTitle(const TConcCalculation& calc) const;

  QCustomPlot* chart_ = nullptr;
  std::vector<std::unique_ptr<TCalcSeriePlot>> plots_;
  Readout* readout_ = nullptr;
  QCPItemText* empty_ = nullptr;
  QFont font_;
  bool arranging_ = false;
};

}  // namespace velmora
