#pragma once

#include <QString>

namespace velmora {

class MainWindow;

// The screenshot tour's pictures of the "Program update" window and the
// assembly assistant.
class UpdateTourShots {
 public:
  // "program-update.png": a newer release offered by a catalogue served on
  // the loopback interface, with its notes, part of the installer received.
  static int programUpdate(MainWindow& window, const QString& folder);
  // "assembly-assistant-start.png" and "assembly-assistant.png" (the RDE
  // set-up at its last step).
  static int assemblyAssistant(MainWindow& window, const QString& folder);
};

}  // namespace velmora
