#include <algorithm>

#include "IWizardPages.h"
#include "MessageSink.h"
#include "Messages.h"
#include "TWizInterpreter.h"

// The wizard's moves through the script: Back outside and inside the
// measurement cycle, the two cycle jumps, and the program changes of the
// program input page.

namespace velmora {

int TWizInterpreter::FindCycleBegin(int from) const {
  for (int i = std::min(from, CommandCount() - 1); i >= 0; --i) {
    if (method_.Script[static_cast<std::size_t>(i)].Type == kStepBeginCycle) return i;
  }
  return -1;
}

bool TWizInterpreter::CycleWaits(int begin, int end) const {
  for (int i = std::max(begin, 0); i <= end && i < CommandCount(); ++i) {
    if (method_.Script[static_cast<std::size_t>(i)].Type == kStepWait) return true;
  }
  return false;
}

void TWizInterpreter::BackToPreviousWait() {
  if (finished_ || settings_.ProgramCounter < 0) return;
  int wait = std::min(settings_.ProgramCounter, CommandCount()) - 1;
  while (wait >= 0 && method_.Script[static_cast<std::size_t>(wait)].Type != kStepWait) --wait;
  if (wait < 0) {
    Reset();
    pages_.ShowWelcome();
    return;
  }
  // The page of that wait is shown again; the commands before it are not
  // performed a second time.
  for (int i = wait - 1; i >= 0; --i) {
    const ValueRecord& command = method_.Script[static_cast<std::size_t>(i)];
    if (command.Type == kStepActivePage) {
      pages_.ShowPage(command.Value);
      break;
    }
  }
  settings_.ProgramCounter = wait;
  Run();
}

bool TWizInterpreter::JumpToCycleBegin() {
  if (finished_) return false;
  const int begin = FindCycleBegin(settings_.ProgramCounter);
  if (begin < 0) return false;
  settings_.ProgramCounter = begin;
  Run();
  return true;
}

bool TWizInterpreter::JumpToCycleEnd() {
  if (finished_ || settings_.ProgramCounter < 0) return false;
  int end = settings_.ProgramCounter;
  while (end < CommandCount() && method_.Script[static_cast<std::size_t>(end)].Type != kStepEndCycle) ++end;
  if (end >= CommandCount()) return false;
  int page = end - 1;
  while (page >= 0 && method_.Script[static_cast<std::size_t>(page)].Type != kStepActivePage) --page;
  if (page < 0) return false;
  settings_.ProgramCounter = page;
  Run();
  return true;
}

bool TWizInterpreter::CanSkipControlPass() const {
  return settings_.CycleCounter == -1 && settings_.ControlSolutionOption == 2;
}

void TWizInterpreter::SkipControlPass() {
  if (!CanSkipControlPass()) return;
  TWizRunSettings& s = settings_;
  s.ControlSolutionOption = 0;
  ++s.CycleCounter;
  ++s.MeasurementType;
  s.RepetitionCount = 0;
  JumpToCycleBegin();
}

bool TWizInterpreter::CanStepBack() const {
  const TWizRunSettings& s = settings_;
  return s.CycleCounter > 0 || (s.CycleCounter == 0 && s.RepetitionCount > 0);
}

void TWizInterpreter::StepBack() {
  if (!CanStepBack()) return;
  TWizRunSettings& s = settings_;
  if (s.RepetitionCount == 0) {
    --s.CycleCounter;
    --s.MeasurementType;
    --s.PassCount;
  }
  s.RepetitionCount = 0;
  JumpToCycleEnd();
}

void TWizInterpreter::RepeatPass() {
  ++settings_.RepetitionCount;
  JumpToCycleBegin();
}

void TWizInterpreter::BackFromReport() {
  TWizRunSettings& s = settings_;
  int end = std::min(s.ProgramCounter, CommandCount() - 1);
  while (end >= 0 && method_.Script[static_cast<std::size_t>(end)].Type != kStepEndCycle) --end;
  if (end < 0) return;
  --s.CompletedSamples;
  --s.CycleCounter;
  --s.MeasurementType;
  --s.PassCount;
  s.ProgramCounter = end;
  JumpToCycleEnd();
}

bool TWizInterpreter::CanChangePrograms() const {
  const TWizRunSettings& s = settings_;
  const int firstPassLimit = s.ActivationMode ? 1 : (s.ControlSolutionOption > 0 ? 0 : 1);
  return s.ControlsVisibility < 2 && s.RepetitionCount == 0 && s.CycleCounter < firstPassLimit;
}

void TWizInterpreter::ChangePrograms(const TVAProgramsArray& programs) {
  settings_.Programs = programs;
  const int counter = settings_.ProgramCounter;
  auto edit = std::find_if(programEdits_.begin(), programEdits_.end(),
                           [counter](const ProgramEdit& e) { return e.Counter == counter; });
  if (edit != programEdits_.end()) {
    edit->Programs = programs;
  } else {
    programEdits_.push_back({counter, programs});
  }
  pages_.ProgramsChanged();
}

void TWizInterpreter::ResetPrograms() {
  settings_.Programs = settings_.DefaultPrograms;
  const int counter = settings_.ProgramCounter;
  std::erase_if(programEdits_, [counter](const ProgramEdit& e) { return e.Counter == counter; });
  pages_.ProgramsChanged();
}

void TWizInterpreter::RecordingInterrupted() {
  settings_.RecordingInProgress = false;
  JumpToCycleBegin();
  sink_.error(msg::MeasurementProgramInterrupted);
}

}  // namespace velmora
