#pragma once

#include <optional>
#include <string>

namespace velmora {

// What the script interpreter asks of the measurement wizard's window.
// The window implements it; tests record the calls.
class IWizardPages {
 public:
  // Page numbers the script switches to.
  enum Page { kWelcome = 0, kCellAssembly = 1, kProgramInput = 2, kRecordingStatus = 3, kChart = 4, kReport = 5 };
  static constexpr int kHelpContextBase = 70;  // a page's help context is page + 70

  virtual ~IWizardPages() = default;

  // Shows the page (any number the script holds; the window ignores pages
  // it does not have) and sets the help context to page + 70.
  virtual void ShowPage(int page) = 0;
  // The counter went back before the script's first wait: the welcome page
  // is shown again (the run settings are already reset).
  virtual void ShowWelcome() = 0;
  // The state of the "Record control solution voltammogram" box when the
  // measurement cycle is entered.
  virtual bool RecordControlSolutionChecked() = 0;
  // The run's programs were replaced: the program display follows.
  virtual void ProgramsChanged() = 0;
  // The stage tree marks stage `stage` (0-based among the script's stage
  // names; -1 marks none).
  virtual void MarkStage(int stage) = 0;
  // The current measurement node is forgotten: the next recording opens a
  // new pass group (a new parallel sample, or after an activation).
  virtual void ForgetMeasurementNode() = 0;
  // A recording of the run has been handed over (its curves have the run's
  // settings): the measurement node's thumbnail is redrawn.
  virtual void RefreshMeasurementNode() = 0;
  // A replayed recording was handed over in simulation: the active page is
  // shown again (the script itself does not move on).
  virtual void RepeatPageShow() = 0;
  // The name under which a changed method is saved; nullopt when the user
  // cancels. `proposal` is the method's title.
  virtual std::optional<std::string> AskMethodName(const std::string& proposal) = 0;
  // A method was saved under a new name in the "Methods" record folder:
  // the method list is reloaded.
  virtual void MethodSaved(const std::string& file) = 0;
  // The script has run to its end: the wizard closes.
  virtual void ScriptFinished() = 0;
};

}  // namespace velmora
