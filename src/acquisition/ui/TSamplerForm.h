#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Message.h"
#include "SamplerMethod.h"
#include "SamplerTray.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;

namespace velmora {

class DeviceLink;
class RecordDeviceActions;
class TAutoSampler;
class TTavrelDevice;

// The "Autosampler setup" window: the methods to run, the number of
// samples, the loops, the stirrer and the manual control of the tray, and
// the tray itself, laid out for the batch from the checked methods. It
// holds the program set that analyses the whole batch; "Run" starts it
// through the main window's command.
class TSamplerForm : public QDialog {
  Q_OBJECT
 public:
  static constexpr int HelpContext = 12;

  explicit TSamplerForm(DeviceLink& link, QWidget* parent = nullptr);
  ~TSamplerForm() override;

  // --- wiring ---------------------------------------------------------------
  // The methods that can run on the autosampler (those with cells), read
  // again whenever the window is shown outside a run.
  void setMethodSource(std::function<std::vector<SamplerMethod>()> source) { methodSource_ = std::move(source); }
  // "Run" executes `run`, or `reset` while the analyzer is off line;
  // "&Stop" executes `stop`; the main window's start command `start`
  // decides with the tray whether "Run" is enabled.
  void setActions(QAction* run, QAction* reset, QAction* stop, QAction* start);
  // "Modify": edits the set in the record-parameters editor; returns the
  // edited set, or nothing when the edit was dropped.
  void setProgramEditor(std::function<std::optional<TVAProgramsArray>(const TVAProgramsArray&)> editor) {
    editor_ = std::move(editor);
  }

  // --- the batch --------------------------------------------------------------
  SamplerTray& tray() { return tray_; }
  TAutoSampler& trayView() const { return *trayView_; }
  // Reloads the methods and lays the tray out (also done when shown).
  void reloadMethods();
  // The set of the batch, built now when none is held.
  TVAProgramsArray programs();
  int loopsCount() const;
  // Shows the run's loop count without announcing it.
  void setLoopsCount(int count);
  // Checks the method at `index` of the list ("Select methods:").
  void checkMethod(int index, bool checked);
  void setSamplesCount(int count);

  // --- the run ---------------------------------------------------------------
  // A run started or ended: the tray, the method list, the sample count
  // and the stirrer group are locked during it.
  void setRecording(bool on);
  bool recording() const { return recording_; }
  // The tray position reported by the analyzer (0-based).
  void setPosition(int position);
  void setProgress(int value, int maximum);
  void setStatusText(const QString& text);
  // Re-evaluates "Run" and the device-dependent controls.
  void updateControls();

  // Controls, for the host, tests and the screenshot tour.
  QListWidget* methodList() const { return methodList_; }
  QSpinBox* samplesBox() const { return samplesBox_; }
  QSlider* samplesTrack() const { return samplesTrack_; }
  QSpinBox* loopsBox() const { return loopsBox_; }
  QComboBox* mixerModeList() const { return mixerMode_; }
  QSpinBox* speedBox() const { return speedBox_; }
  QComboBox* activeCellList() const { return activeCell_; }
  QPushButton* runButton() const { return runButton_; }
  QPushButton* stopButton() const { return stopButton_; }
  QPushButton* modifyButton() const { return modifyButton_; }
  QProgressBar* progressBar() const { return progress_; }
  QLabel* statusLabel() const { return status_; }
  QLabel* rebuiltLabel() const { return rebuilt_; }
  QLabel* problemsLabel() const { return problems_; }
  QCheckBox* use3in1Box() const { return use3in1_; }
  QPushButton* helpButton() const { return helpButton_; }

 signals:
  // "Loops count" changed.
  void loopsCountChanged(int count);
  // "Help" with the window's help context (without a receiver the window
  // explains itself in a message box).
  void helpRequested(int context);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildUi();
  void retranslateUi();
  void fillMethodList();
  // After every change of the layout: the tray view, the rebuilt label,
  // the capacity and "Run".
  void afterLayout();
  void applyStirrer();
  void onRun();
  void onModify();
  template <typename F>
  void deviceCommand(F&& command);
  // A hand command to the autosampler, run on the link's worker.
  void samplerCommand(const Message& status, std::function<void(TTavrelDevice&)> command);

  DeviceLink& link_;
  std::unique_ptr<RecordDeviceActions> device_;
  SamplerTray tray_;
  std::function<std::vector<SamplerMethod>()> methodSource_;
  std::function<std::optional<TVAProgramsArray>(const TVAProgramsArray&)> editor_;
  QPointer<QAction> run_, reset_, stop_, start_;
  bool recording_ = false;
  bool filling_ = false;

  TAutoSampler* trayView_ = nullptr;
  QLabel* methodsLabel_ = nullptr;
  QListWidget* methodList_ = nullptr;
  QLabel* samplesLabel_ = nullptr;
  QSpinBox* samplesBox_ = nullptr;
  QSlider* samplesTrack_ = nullptr;
  QLabel* loopsLabel_ = nullptr;
  QSpinBox* loopsBox_ = nullptr;
  QGroupBox* stirrerGroup_ = nullptr;
  QLabel* mixerLabel_ = nullptr;
  QComboBox* mixerMode_ = nullptr;
  QLabel* speedLabel_ = nullptr;
  QSpinBox* speedBox_ = nullptr;
  QGroupBox* manualGroup_ = nullptr;
  QLabel* activeCellLabel_ = nullptr;
  QComboBox* activeCell_ = nullptr;
  QPushButton* upButton_ = nullptr;
  QPushButton* downButton_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* stopButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QPushButton* modifyButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QCheckBox* use3in1_ = nullptr;
  QLabel* rebuilt_ = nullptr;
  QLabel* problems_ = nullptr;
};

}  // namespace velmora
