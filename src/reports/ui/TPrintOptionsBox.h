#pragma once

#include <QGroupBox>
#include <QString>

#include "CalibrationDocument.h"
#include "TPrintChart.h"
#include "TReportDocument.h"
#include "UiTextBinder.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace velmora {

// The "Report" group of the print window: what the report and calibration
// pages hold ("Calculation chart" and "Diagram" with their heights, the
// tables, axes, grid, legend, peaks, equation, notes) and the "Scales" of
// the curve charts ("Auto", or X and Y from min to max). Every change is
// announced by changed(). The window keeps one box for the report and one
// for the current chart and the calibrations, so that each print-out keeps
// its own choices.
class TPrintOptionsBox : public QGroupBox {
  Q_OBJECT
 public:
  enum class Mode { CurrentChart, Report, Calibration };

  explicit TPrintOptionsBox(QWidget* parent = nullptr);

  // "Calibration" hides "Measurement type", "Result calculation data ",
  // "Results table" and "Notes" and shows "Equation"; the other choices
  // the reverse.
  void setMode(Mode mode);

  TCalibrationPrintOptions calibrationOptions() const;
  TReportPrintOptions reportOptions() const;
  // The curve charts' axes, grid, legend, peaks and scales (the fields of
  // the chart options this box owns).
  void applyTo(TPrintChart::Options& options) const;

  // The scales as the main window shows them.
  void setScales(bool autoScale, const QString& xMin, const QString& xMax, const QString& yMin, const QString& yMax);

  QCheckBox* box(const char* objectName) const;

 signals:
  void changed();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QCheckBox* check(const char* text, const char* name);
  QSpinBox* height(const char* name);
  QLineEdit* scale(const char* name, const QString& value);
  void updateScales();

  QSpinBox* calcChartHeight_ = nullptr;
  QSpinBox* diagramHeight_ = nullptr;
  QCheckBox* auto_ = nullptr;
  QLineEdit* xMin_ = nullptr;
  QLineEdit* xMax_ = nullptr;
  QLineEdit* yMin_ = nullptr;
  QLineEdit* yMax_ = nullptr;
  UiTextBinder text_{"velmora::TPrintOptionsBox"};
};

}  // namespace velmora
