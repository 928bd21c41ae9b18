#pragma once

#include <QObject>

class QMenu;
class QToolButton;

namespace velmora {

class MainWindow;
class Settings;

// The record button of the main tool bar: it runs the record command last
// used ("&Record parameters", "Autosampler" or "Measurement wizard...", the
// settings value RecWizIndex) and offers the other two in its menu.
class RecordButtonHost : public QObject {
  Q_OBJECT
 public:
  // The commands in the order of RecWizIndex.
  static constexpr const char* kCommands[3] = {"RecordWizardActn", "AutosamplerActn", "ShowWizActn"};

  RecordButtonHost(MainWindow& window, Settings& settings);

  // Shows the command the settings name (after they are read).
  void apply();
  QToolButton* button() const { return button_; }

 private:
  void show(int index);

  MainWindow& window_;
  Settings& settings_;
  QToolButton* button_ = nullptr;
  QMenu* menu_ = nullptr;
};

}  // namespace velmora
