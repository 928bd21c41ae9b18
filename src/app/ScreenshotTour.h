#pragma once

#include <QString>

namespace velmora {

class LanguageSwitcher;
class MainWindow;

// Saves pictures of the main window in its typical states (both tabs,
// legend, black and white, peaks, print window) into a folder; used by
// scripts/screenshots.
class ScreenshotTour {
 public:
  // Returns the number of pictures written.
  static int run(MainWindow& window, const QString& folder);
  // Zoom, read-out, 3-D view, subtraction, import preview and timer.
  static int ChartToolsTour(MainWindow& window, const QString& folder);
  // The "Calculations" window with methods 0, 1 and 4 on the first sample,
  // and the equation editor.
  static int calculations(MainWindow& window, const QString& folder);
  // The "Program update" window offering a newer release from a server on
  // the loopback interface, mid-download; the assembly assistant.
  static int updateAndAssembly(MainWindow& window, const QString& folder);
  // A method with its own equation applied, one curve recorded from the
  // built-in emulator and the "Calculations" window showing that method
  // and its result (ScreenshotTourCustomMethod.cpp).
  static int customMethodShot(MainWindow& window, const QString& folder);
  // The "Methods" menu open and the methods editor.
  static int methods(MainWindow& window, const QString& folder);
  // The "Method script editor" on the zinc example method's script.
  static int scriptEditor(MainWindow& window, const QString& folder);
  // The main window, the calculation window and "Options" in Russian, then
  // the language in force before (ScreenshotTourLanguage.cpp).
  static int russianShots(MainWindow& window, LanguageSwitcher& language, const QString& folder);

 private:
  static int peakPictures(MainWindow& window, const QString& folder);
  static int calibrationShots(MainWindow& window, const QString& folder);
  static int startPanelShots(MainWindow& window, const QString& folder);
  // The report page and the print window in "Report" mode (ScreenshotTourReport.cpp).
  static int reportShots(MainWindow& window, const QString& folder);
  // The Results window and a control chart over a private archive
  // (ScreenshotTourResults.cpp).
  static int resultsShots(MainWindow& window, const QString& folder);
};

}  // namespace velmora
