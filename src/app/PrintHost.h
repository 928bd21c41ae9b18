#pragma once

#include <QObject>
#include <vector>

#include "TSingleCalibration.h"

namespace velmora {

class MainWindow;

// Hosts the print window in the main window: "Print" (Ctrl+P) opens it
// modally on the main chart, with the window's caption as the job title.
class PrintHost : public QObject {
  Q_OBJECT
 public:
  explicit PrintHost(MainWindow& window);

  // Opens the print window and returns when it closes.
  void ReportActnExecute();
  // "Print" of the calibrations: the print window on "Calibration" with
  // `calibrations` (none: those of the calculation window's "Calibration
  // curve" calculation).
  void PrintCalibrationActnExecute(std::vector<TSingleCalibration> calibrations);

  // "Report" chosen on an empty report and the user wants it filled: shows
  // the calculation window, adds its calculation and turns to "Report".
  void AddCalculationToReport();

  // With the "Calibration curve" method: the calculation's calibrations,
  // one per element, as "Save calibration" would store them; else none.
  std::vector<TSingleCalibration> CalculationCalibrations();

 private:
  MainWindow& window_;
};

}  // namespace velmora
