#pragma once

#include <QString>

namespace velmora {

class MainWindow;

// Saves pictures of the main window in its typical states (both tabs,
// legend, black and white) into a folder; used by scripts/screenshots.
class ScreenshotTour {
 public:
  // Returns the number of pictures written.
  static int run(MainWindow& window, const QString& folder);

 private:
  static int calibrationShots(MainWindow& window, const QString& folder);
};

}  // namespace velmora
