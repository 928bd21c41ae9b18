#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "TOptionsForm.h"

namespace velmora {

class IMessageSink;
class MainWindow;
class OptionsDeviceHost;
class Settings;

// The main window's "Settings..." command: owns the Options dialog (created
// once, shown on demand), fills it from the settings and applies what OK
// returns to the thumbnail view, the peak colours and the main chart.
class OptionsController : public QObject {
  Q_OBJECT
 public:
  OptionsController(MainWindow& window, Settings& settings);
  ~OptionsController() override;

  TOptionsForm& form() const { return *form_; }
  // Fills the dialog and shows it modally; tag 1 opens it on "Ports" with
  // the page tree disabled. Returns whether OK closed it.
  bool execute(int tag = 0);
  // Fills the dialog from the current settings (execute does it first).
  void prepare(int tag = 0);
  // Takes over what OK applies and shows it in the main window.
  void applyAccepted();

 private:
  MainWindow& window_;
  Settings& settings_;
  std::unique_ptr<OptionsDeviceHost> host_;
  std::unique_ptr<IMessageSink> sink_;
  QPointer<TOptionsForm> form_;
};

}  // namespace velmora
