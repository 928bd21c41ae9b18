#pragma once

#include <QObject>
#include <memory>

class QSpinBox;

namespace velmora {

class IFileDialogs;
class MainWindow;
class Settings;
class TOldStyleRecordForm;

// Hosts the "Record parameters" window in the main window: "&Record
// parameters" shows and hides it, its toolbar carries the main window's
// mixer, start and stop commands, and the recording receiver takes its
// programs, run options and current step at every start and shows each
// running step in it.
class RecordParametersHost : public QObject {
  Q_OBJECT
 public:
  RecordParametersHost(MainWindow& window, Settings& settings);
  ~RecordParametersHost() override;

  TOldStyleRecordForm& form() const { return *form_; }
  void setRecording(bool on);
  // Keeps the main window's "Smoothing filter value" and the window's
  // "Input filter" equal, both ways.
  void linkFilterBox(QSpinBox* filterBox);

 private:
  void toggle();

  MainWindow& window_;
  Settings& settings_;
  std::unique_ptr<IFileDialogs> dialogs_;
  TOldStyleRecordForm* form_ = nullptr;
};

}  // namespace velmora
