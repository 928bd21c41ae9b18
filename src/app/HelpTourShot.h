#pragma once

#include <QString>

namespace velmora {

class MainWindow;

// The screenshot tour's pictures of the help window: "help.png" (the English
// help opened at the record parameters window's context) and "help-rus.png" (the Russian
// help at the same context).
class HelpTourShot {
 public:
  static int run(MainWindow& window, const QString& folder);
};

}  // namespace velmora
