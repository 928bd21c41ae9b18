#pragma once

#include <QWidget>

#include "UiTextBinder.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class IMessageSink;
class IOptionsDeviceHost;

// The "Ports" page: the analyzer's serial port (switched at once), the
// "Test" button that resets the analyzer and shows what it reported, and
// the three-in-one electrode choice (applied at once).
class OptionsPortsPage : public QWidget {
  Q_OBJECT
 public:
  OptionsPortsPage(IOptionsDeviceHost* host, IMessageSink& sink, QWidget* parent = nullptr);

  // Lists the ports again and shows the link's state without asking the
  // analyzer anything.
  void load();
  // Shows what the analyzer reported at its last reset (reads the firmware
  // version from it while it is on line).
  void showDevice(bool askVersion);
  // Chooses a port: closes the one in use and opens `name`.
  void choosePort(const QString& name);
  // "Test": resets the analyzer and then shows its state.
  void test();
  bool testing() const { return testing_; }

  QComboBox* portBox() const { return port_; }
  QPushButton* testButton() const { return test_; }
  QLabel* statusLabel() const { return status_; }
  QLabel* versionLabel() const { return version_; }
  QLabel* samplerLabel() const { return sampler_; }
  QLabel* notesLabel() const { return notes_; }
  QCheckBox* new3in1Box() const { return new3in1_; }

 signals:
  // A reset started by "Test" has ended and the page shows its result.
  void testFinished();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void fillPorts();
  QString displayName(const std::string& name) const;
  void selectCurrent();

  IOptionsDeviceHost* host_;
  IMessageSink& sink_;
  UiTextBinder text_{"TOptionsForm"};
  QComboBox* port_ = nullptr;
  QPushButton* test_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* sampler_ = nullptr;
  QLabel* notes_ = nullptr;
  QCheckBox* new3in1_ = nullptr;
  QLabel* instructions_ = nullptr;
  bool testing_ = false;
  bool askedVersion_ = false;
};

}  // namespace velmora
