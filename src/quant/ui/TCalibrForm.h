#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "TPeakBandsLayer.h"

class QCustomPlot;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace velmora {

class IMessageSink;
class TCalcSeriePlot;
class TCalibrationsDB;
struct TSingleCalibration;

// The "Calibrations" window: the elements of the calibrations database and
// their calibrations by date, the standards' curves of the selected
// calibration with their peak bands, and the calibration lines (the
// checked calibrations and the selected one) with the equation and the
// figures of merit of a single drawn line. "Set active" and "Remove" act on
// the selected calibration.
class TCalibrForm : public QWidget {
  Q_OBJECT
 public:
  TCalibrForm(TCalibrationsDB& db, IMessageSink& sink, QWidget* parent = nullptr);
  ~TCalibrForm() override;

  // Rebuilds the element list from the database (after a save elsewhere).
  void Refill();
  // Selects an element / a calibration of the selected element by index.
  void selectElement(int index);
  void selectCalibration(int index);
  int selectedElement() const;
  int selectedCalibration() const;
  // "Set active" and "Remove" ("Remove selected?" first).
  void SetActiveExecute();
  void RemoveExecute();
  bool canRemove() const { return selectedCalibration() >= 0; }

  // For the tests and the screenshots.
  QListWidget* elementList() const { return elements_; }
  QListWidget* calibrationList() const { return calibrations_; }
  QCustomPlot* curvesChart() const { return curvesChart_; }
  QCustomPlot* lineChart() const { return lineChart_; }
  QString equationText() const;
  QString figuresText() const;
  int drawnCount() const { return static_cast<int>(plots_.size()); }

 signals:
  void visibilityChanged(bool visible);
  // A calibration was removed or made active.
  void databaseChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();
  void retextCalibrations();
  void fillCalibrations();
  void drawLines();
  // The line chart's axis titles with their units.
  void lineTitles();
  int lineCalcType_ = -1;  // the calculation type of the drawn lines, -1 none or mixed
  void drawCurves();
  void problems();
  QString itemText(const TSingleCalibration& c, bool active) const;

  TCalibrationsDB& db_;
  IMessageSink& sink_;
  bool filling_ = false;

  QLabel* elementsLabel_ = nullptr;
  QLabel* calibrationsLabel_ = nullptr;
  QListWidget* elements_ = nullptr;
  QListWidget* calibrations_ = nullptr;
  QPushButton* setActive_ = nullptr;
  QPushButton* remove_ = nullptr;
  QCustomPlot* curvesChart_ = nullptr;
  QCustomPlot* lineChart_ = nullptr;
  QLabel* equation_ = nullptr;
  QLabel* figures_ = nullptr;
  std::vector<std::unique_ptr<TCalcSeriePlot>> plots_;
  TPeakDrawing drawing_;
  TPeakBandsLayer* bands_ = nullptr;
  TPeakBandsLayer* marks_ = nullptr;
};

}  // namespace velmora
