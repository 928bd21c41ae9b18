#pragma once

#include <QString>

namespace velmora {

class MainWindow;

// The measurement wizard's pages for the screenshot tour: a replayed
// (simulated, and marked so) analysis of lead by standard additions.
class WizardScreenshot {
 public:
  // Writes wizard-0-welcome.png .. wizard-5-report.png; returns how many.
  static int run(MainWindow& window, const QString& folder);
};

}  // namespace velmora
