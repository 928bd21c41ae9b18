#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "TCustomMethod.h"
#include "TMethod.h"
#include "TWizRunSettings.h"

namespace velmora {

class IMessageSink;
class IWizardPages;
class IWizardRecording;
class TMethodsLibrary;
class TVAStruct;

// A stage of the wizard's "Analysis stages" tree: the stage-name command it
// shows and the stage it hangs under (-1 for a top-level stage). Stages
// inside a measurement cycle hang under the stage named before the cycle.
struct TWizStage {
  std::size_t Command = 0;
  int Parent = -1;

  friend bool operator==(const TWizStage&, const TWizStage&) = default;
};

// The measurement wizard's script interpreter: it runs the script of the
// chosen method over the run settings, stops on every "Wait for user
// input", and takes the wizard's Next and Back, the end of every recording
// and the end of the script. The wizard window and the main window are
// reached through IWizardPages and IWizardRecording.
class TWizInterpreter {
 public:
  // A saved program edit: the programs the user set with "Change" while the
  // script stood at `Counter`.
  struct ProgramEdit {
    int Counter = 0;
    TVAProgramsArray Programs;
  };

  TWizInterpreter(IWizardPages& pages, IWizardRecording& recording, IMessageSink& sink);

  // The user-interface language (the method's entry of this language gets
  // the program's comment as its title, command 10).
  void SetLanguageId(std::int32_t languageId) { languageId_ = languageId; }
  // The option "AskMethodChange" (null: never ask); Cancel in the question
  // at the end of the script turns it off.
  void SetAskMethodChange(bool* option) { askMethodChange_ = option; }
  // Where a changed method is saved under a new name (null: not saved),
  // with the custom equations its calculation method may name.
  void SetMethodsLibrary(TMethodsLibrary* library, const TCustomMethodArr* customMethods = nullptr) {
    library_ = library;
    customMethods_ = customMethods;
  }

  // --- The run ----------------------------------------------------------------
  // The method chosen on the welcome page: a copy becomes the run's method,
  // the run settings start anew, the counter goes to 0 and the script runs.
  void Start(const TMethod& method);
  // Back to the welcome page: the run settings start anew (counter -1).
  void Reset();
  // "Next": the counter moves to the next command and the script runs.
  void Next();
  // Performs commands from the counter until a wait or the end.
  void Run();

  // "Back" outside the measurement cycle: to the previous wait (which stops
  // the run at once), or to the welcome page when there is none.
  void BackToPreviousWait();
  // The jump back to the cycle begin: the counter moves back to the nearest
  // "Begin measurement cycle" and the script runs. False (nothing done)
  // when there is none.
  bool JumpToCycleBegin();
  // The jump to the cycle end: forward to the next "End measurement cycle",
  // back to the nearest "Switch page" before it, and run. False (nothing
  // done) when either is missing.
  bool JumpToCycleEnd();

  // --- The wizard's Back inside the cycle ----------------------------------------
  // Program input, control-solution pass: "Skip", when the control solution
  // is optional.
  bool CanSkipControlPass() const;
  void SkipControlPass();
  // Program input, other passes: "Back" to the previous pass's chart (or to
  // the chart of this pass when it was repeated).
  bool CanStepBack() const;
  void StepBack();
  // Chart: "Repeat" records the pass again.
  void RepeatPass();
  // Report: "Back" to the last pass's chart.
  void BackFromReport();

  // --- Program changes on the program input page ---------------------------------
  bool CanChangePrograms() const;
  // "Change": the edited set becomes the run's programs and the saved edit
  // of the current counter.
  void ChangePrograms(const TVAProgramsArray& programs);
  // "Reset to default": the programs of the last "Set VA program" command.
  void ResetPrograms();

  // --- Hand-overs from the main window ------------------------------------------
  // A recording started by "Start record" has finished (in simulation: the
  // replay, after Next). The curves of the main window's current curve
  // table take the run's calculation settings and the peak search; so do
  // `recorded`, the voltammograms of the recording just made when it holds
  // several (the replicates the wizard's checks judge one by one). Then the
  // script goes on (Next), or in simulation the page is shown again.
  // Returns the curves that were changed.
  std::vector<TVAStruct*> RecordingFinished(std::span<TVAStruct* const> curves,
                                            std::span<TVAStruct* const> recorded = {});
  // The device fell off line during a recording: the pass can be repeated.
  void RecordingInterrupted();

  // --- Edits by the wizard's pages -------------------------------------------------
  // Applies an edit of the run settings made by the user (sample data,
  // parallel samples, repetitions...); a real change is remembered for the
  // question at the end of the script.
  template <typename Edit>
  void EditSettings(Edit&& edit) {
    TWizRunSettings before = settings_;
    std::forward<Edit>(edit)(settings_);
    if (!(before == settings_)) userChanged_ = true;
  }

  // The program input page names the role of the pass it shows (0 control
  // solution or activation, 1 sample, k + 1 the k-th addition, 5 the
  // reference); not a change of the method.
  void SetPassMeasurementType(int type) { settings_.MeasurementType = type; }

  // --- State --------------------------------------------------------------------
  const TWizRunSettings& Settings() const { return settings_; }
  const TMethod& Method() const { return method_; }
  const TWizSteps& Script() const { return method_.Script; }
  const std::vector<ProgramEdit>& ProgramEdits() const { return programEdits_; }
  bool UserChanged() const { return userChanged_; }
  bool Finished() const { return finished_; }
  // The command at the counter, or null.
  const ValueRecord* CurrentCommand() const;
  // The stage marked in the stage tree: the n-th stage name (0-based), n
  // counting the stage names at or before the counter; -1 for none.
  int CurrentStage() const;

  // The wizard's stage tree of a script.
  static std::vector<TWizStage> StageTree(const TWizSteps& script);
  // The running method's script rebuilt from the run: one command per
  // command, filled with the run's values.
  TWizSteps RunScript() const;
  // Whether the cycle is complete after an end of cycle, by calculation
  // method (methods 4, custom and none never complete by themselves).
  static bool CycleComplete(std::int32_t calcMethod, int cycleCounter, int additionsCount);
  // The calculation table as a curve keeps it: value 0 becomes the sample
  // volume in the cell, value 0 ÷ (value 4 ÷ value 5).
  static TCalcTable CurveVolumes(const TCalcTable& table);

 private:
  void Perform(const ValueRecord& command);
  // Returns true when the command moved the counter itself.
  bool EndCycle();
  void BeginCycle();
  void SetPrograms(const TVAProgramsArray& programs);
  void ApplyToCurves(std::span<TVAStruct* const> curves, std::span<TVAStruct* const> recorded) const;
  void FinishScript();
  bool SaveChangedMethod();
  // The first "Begin measurement cycle" at or before `from`, or -1.
  int FindCycleBegin(int from) const;
  // Whether the cycle between `begin` and `end` holds a wait.
  bool CycleWaits(int begin, int end) const;
  int CommandCount() const { return static_cast<int>(method_.Script.size()); }

  IWizardPages& pages_;
  IWizardRecording& recording_;
  IMessageSink& sink_;
  std::int32_t languageId_ = kLanguageEnglish;
  bool* askMethodChange_ = nullptr;
  TMethodsLibrary* library_ = nullptr;
  const TCustomMethodArr* customMethods_ = nullptr;

  TMethod method_;
  TWizRunSettings settings_;
  std::vector<ProgramEdit> programEdits_;
  bool userChanged_ = false;
  bool finished_ = false;
  bool running_ = false;
  bool redirected_ = false;  // the counter was moved while commands ran
  int lastMarkedStage_ = -2;
};

}  // namespace velmora
