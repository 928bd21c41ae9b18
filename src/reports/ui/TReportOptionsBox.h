#pragma once

#include <QGroupBox>
#include <map>

#include "TPrintChart.h"
#include "TReportDocument.h"
#include "UiTextBinder.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace velmora {

// The print window's group "Report": what a printed report holds and how
// its curve charts look (axes, grid, legend, peaks, fixed or automatic
// scales). Every change emits changed().
class TReportOptionsBox : public QGroupBox {
  Q_OBJECT
 public:
  explicit TReportOptionsBox(QWidget* parent = nullptr);

  TReportPrintOptions printOptions() const;
  // The chart options with the print font and size.
  TPrintChart::Options chartOptions(const QFont& font, int fontSize) const;
  bool blackAndWhite() const;

  // A check box by its caption's object name ("Diagram", "Peaks", ...).
  QCheckBox* box(const QString& name) const;
  void setScales(const QString& xMin, const QString& xMax, const QString& yMin, const QString& yMax, bool autoScale);

 signals:
  void changed();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QCheckBox* add(const QString& name, const char* caption);

  std::map<QString, QCheckBox*> boxes_;
  QSpinBox* calcHeight_ = nullptr;
  QSpinBox* diagramHeight_ = nullptr;
  QLineEdit* xMin_ = nullptr;
  QLineEdit* xMax_ = nullptr;
  QLineEdit* yMin_ = nullptr;
  QLineEdit* yMax_ = nullptr;
  UiTextBinder text_{"velmora::TReportOptionsBox"};
};

}  // namespace velmora
