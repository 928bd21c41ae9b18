#pragma once

#include <QObject>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "TSingleCalibration.h"

namespace velmora {

class MainWindow;
class Settings;
class TCalibrForm;
class TCalibrationsDB;
class TConcCalculation;
class TVAStruct;

// Hosts the calibrations database ("Calibrations" in the data folder) and
// the "Calibrations" window in the main window: "Calibrations" shows and
// hides the window, "Remove calibration" removes the calibration selected
// in it, and the calculation chart reads "By calibration" from the
// database.
class CalibrationsHost : public QObject {
  Q_OBJECT
 public:
  CalibrationsHost(MainWindow& window, Settings& settings);
  ~CalibrationsHost() override;

  TCalibrationsDB& database() const { return *db_; }
  TCalibrForm& form() const { return *form_; }
  // Binds the database to "Calibrations" in `dataFolder` (the data folder
  // moved at start-up) and loads what lies there.
  void openIn(const std::filesystem::path& dataFolder);

  // "Save calibration" for a calculation window: one calibration per
  // element of `calc`, a calibration-curve calculation (method 4) that has
  // been recalculated, with the points of `checkedCurves` (the curves
  // ticked in the main window's list, in list order). Shows a failure in
  // an error box; returns what was saved.
  std::vector<TSingleCalibration> saveCalibration(const TConcCalculation& calc,
                                                  std::span<TVAStruct* const> checkedCurves);

 private:
  void updateActions();
  // The calibration shown in the window (when it is open and one is chosen).
  std::vector<TSingleCalibration> chosenCalibrations() const;

  MainWindow& window_;
  std::unique_ptr<TCalibrationsDB> db_;
  TCalibrForm* form_ = nullptr;
};

}  // namespace velmora
