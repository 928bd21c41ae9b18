#pragma once

#include <QObject>

namespace velmora {

class MainWindow;
class Settings;
class TMWizForm;

// "Measurement wizard...": opens the wizard window modally. The window is
// made once, on its first use, and lives as long as the main window.
class WizardHost : public QObject {
  Q_OBJECT
 public:
  WizardHost(MainWindow& window, Settings& settings);

  // The wizard window (made on first use).
  TMWizForm& form();
  // Opens the window modally and returns when it closes.
  void ShowWizActnExecute();

 private:
  MainWindow& window_;
  Settings& settings_;
  TMWizForm* form_ = nullptr;
};

}  // namespace velmora
