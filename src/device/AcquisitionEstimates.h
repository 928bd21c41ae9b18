#pragma once

#include <cstdint>

#include "TVAProgramsArray.h"

namespace velmora {

// Counts and time estimates of an acquisition run over a program set:
// how many nodes and voltammograms a run from a given position will make,
// and how long the rest of the run and the running stage will take.
class AcquisitionEstimates {
 public:
  struct Counts {
    std::int32_t NodesToCreate = 0;        // sweep steps (SweepStart != SweepEnd)
    std::int32_t VAgrammsCount = 0;        // voltammograms the run will record
    std::int32_t ProgramsWithVAGrams = 0;  // programs holding a sweep step
  };

  // Walks the set from (program, step) to the end, later programs from
  // their first step.
  static Counts CountCurves(const TVAProgramsArray& programs, int program, int step);
  // Sweep steps of `program` from `step` to its end; 0 past the end.
  static std::int32_t NodesInCurrentProgram(const TVAProgramsArray& programs, int program, int step);
  // Seconds left of one pass of the set from the current step on.
  static std::int64_t ProgramTimeLeft(const TVAProgramsArray& programs, int program, int step);
  // Seconds the stage given by the low four bits of `deviceStatus` takes
  // for `step`.
  static std::int64_t StageTimeLeft(const ProgramStep& step, int deviceStatus);
  // Voltammograms between two cycle groups: 2 * CycleCount for a "Full"
  // cycle, CycleCount for "Half"; AdvanceCycle wraps after it.
  static std::int32_t CycleLimit(const ProgramStep& step);
  // ProgramStepCycle after one more voltammogram of `step`.
  static std::int32_t AdvanceCycle(const ProgramStep& step, std::int32_t cycle);
};

}  // namespace velmora
