#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "FormLayout.h"
#include "Message.h"
#include "ProgramEditModel.h"
#include "StepForm.h"
#include "TMethod.h"

class QAction;

namespace velmora {

class DeviceLink;
class IFileDialogs;
class IMessageSink;
class RecordDeviceActions;
class RecordFormWidgets;
class Settings;
class TPar_Tbl;
class TTavrelDevice;

// The "Record parameters" window: a stay-on-top tool window where the
// operator writes the voltammetric programs that a recording runs, one step
// at a time, with the run options (loops, current limit, shut-down) and the
// commands that act on the analyzer at once. Its companion is the "Program"
// table. The program set is kept between sessions in the data folder.
class TOldStyleRecordForm : public QWidget {
  Q_OBJECT
 public:
  // `sink` shows errors of files; device errors go through the link.
  TOldStyleRecordForm(DeviceLink& link, Settings& settings, IFileDialogs& dialogs, IMessageSink& sink,
                      QWidget* parent = nullptr);
  ~TOldStyleRecordForm() override;

  // --- the editor's interface --------------------------------------------------
  // Stores the shown step, makes (program, step) current (a step outside the
  // program becomes 0) and shows it.
  void SelectStep(int program, int step);
  // Stores the shown step and returns a copy of the program set.
  TVAProgramsArray GetPrograms();
  // Replaces the set and selects program 0, step 0.
  void SetPrograms(const TVAProgramsArray& programs);
  void StoreStep();
  // `followFilter`: the shared filter setting takes the step's value (not
  // when the window is only refreshed, so the stored setting survives start-up).
  void ShowStep(bool followFilter = true);
  int CurrentProgram() const { return model_.CurrentProgram(); }
  int CurrentStep() const { return model_.CurrentStep(); }
  bool MethodEditMode() const { return model_.MethodEditMode; }
  void SetMethodEditMode(bool on);
  bool CompactView() const { return model_.CompactView; }
  void SetCompactView(bool on);
  const ProgramEditModel& model() const { return model_; }

  // Run options read at the start of a recording.
  int LoopsCount() const;
  bool CurrentRestriction() const;
  double MaxCurrent() const;
  bool ShutDown() const;
  bool CurrentControl() const;

  // Writes the window's settings ("VAProgram.sve" in the data folder: the
  // method with its program set); false (and nothing shown) when that fails.
  bool SaveProgramSet();

  // --- the method ------------------------------------------------------------------
  // Takes a copy of the method and shows its program set. The set counts as
  // the method's own unless the method marks it custom; then the compact
  // view follows the method's "Hide unused controls". A method of one
  // program of one step names that step with its title.
  void LoadMethod(const TMethod& method);
  // No method: its programs and texts are emptied; the shown set stays and
  // counts as custom.
  void ClearMethod();
  const TMethod& Method() const { return method_; }
  bool FromMethod() const { return model_.FromMethod; }
  // The method as the window stores it: a custom set is copied into it and
  // marked custom.
  TMethod StoredMethod() const;
  // How a modal edit shows the window.
  struct ModalEdit {
    // The tool bar's commands (start, stop, the stirrer, the autosampler)
    // stay live; off where the set belongs to a run of another window,
    // whose curves only that window may record.
    bool toolBar = true;
    // Only the groups each step uses are shown.
    bool compactView = false;
  };
  // Opens the window modally in method-edit mode on `programs` and returns
  // the set as the operator leaves it on closing the window. The window's
  // own set, method, mode and place come back afterwards.
  TVAProgramsArray EditProgramsModally(const TVAProgramsArray& programs, const ModalEdit& how);
  TVAProgramsArray EditProgramsModally(const TVAProgramsArray& programs) {
    return EditProgramsModally(programs, ModalEdit{});
  }
  // The language whose method title the caption shows (0: English).
  std::int32_t languageId() const;

  // --- wiring ---------------------------------------------------------------------
  // The main window's commands on the toolbar: mixer on/off, start, start
  // from the current step and stop (any may be null).
  void setToolBarActions(QAction* mixer, QAction* start, QAction* startFromCurrent, QAction* stop);
  // Tells whether the stirrer is running (the main window's mixer command).
  void setMixerRunning(std::function<bool()> running) { mixerRunning_ = std::move(running); }
  // A recording started or ended: the analyzer commands wait for its end.
  void setRecording(bool on);
  // Shows the shared smoothing filter setting changed elsewhere (the main
  // window's "Smoothing filter value"); the step takes it when stored.
  void setInputFilter(int value);
  TPar_Tbl* table() const { return table_; }
  RecordFormWidgets& widgets() const { return *ui_; }

 signals:
  // "Loops count" changed (the run reads it again at start).
  void loopsCountChanged(int count);
  // The shared smoothing filter setting changed ("Input filter").
  void inputFilterChanged(int value);
  // The window was hidden (ends a modal program edit).
  void hidden();

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void connectControls();
  void retranslateUi();
  void updateTitle();
  StepForm readForm() const;
  void writeForm(const StepForm& form);
  StepForm::Environment environment() const;
  void applyLayout();
  void updateNavigation();
  void readDevice();
  void refreshDevice();
  void onStepFieldEdited();
  // Runs an edit of the set: stores the shown step first, shows the current
  // step after.
  void edit(const std::function<void()>& change);
  void openFile();
  void saveFile();
  void toggleTable();
  void refreshTable();
  void onMixerModeChosen(int index);
  void onSpeedChosen(int speed);
  void onSamplerCellChosen(int index);
  void onElectrode(bool down);
  template <typename F>
  void deviceCommand(F&& command);
  // A hand command to the autosampler, run on the link's worker.
  void samplerCommand(const Message& status, std::function<void(TTavrelDevice&)> command);

  QPointer<DeviceLink> link_;  // the main window's; it may go first at exit
  Settings& settings_;
  IFileDialogs& dialogs_;
  IMessageSink& sink_;
  std::unique_ptr<RecordFormWidgets> ui_;
  std::unique_ptr<RecordDeviceActions> device_;
  TPar_Tbl* table_ = nullptr;
  ProgramEditModel model_;
  StepForm shown_;
  bool updating_ = false;   // the window is writing its controls
  bool selecting_ = false;  // inside SelectStep
  bool recording_ = false;
  bool addOnFitted_ = false;  // as the analyzer last reported
  bool samplerPresent_ = false;
  bool modalEdit_ = false;  // a method's programs are edited for another window
  TMethod method_;
  std::function<bool()> mixerRunning_;
};

}  // namespace velmora
