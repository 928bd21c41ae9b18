#include "AcquisitionEstimates.h"

#include <cmath>
#include <cstdlib>

#include "DeviceProtocol.h"
#include "Numbers.h"

namespace velmora {

namespace {

bool IsSweep(const ProgramStep& s) { return s.SweepStart() != s.SweepEnd(); }

}  // namespace

AcquisitionEstimates::Counts AcquisitionEstimates::CountCurves(const TVAProgramsArray& programs, int program,
                                                               int step) {
  Counts c;
  if (program < 0) program = 0;
  for (std::size_t p = static_cast<std::size_t>(program); p < programs.size(); ++p) {
    bool any = false;
    const std::size_t first = (static_cast<int>(p) == program && step > 0) ? static_cast<std::size_t>(step) : 0;
    for (std::size_t s = first; s < programs[p].size(); ++s) {
      const ProgramStep& st = programs[p][s];
      if (!IsSweep(st)) continue;
      any = true;
      ++c.NodesToCreate;
      if (st.Cycle())
        c.VAgrammsCount += (st.CycleType() + 1) * st.CycleCount();
      else
        c.VAgrammsCount += 1;
    }
    if (any) ++c.ProgramsWithVAGrams;
  }
  return c;
}

std::int32_t AcquisitionEstimates::NodesInCurrentProgram(const TVAProgramsArray& programs, int program, int step) {
  if (program < 0 || static_cast<std::size_t>(program) >= programs.size() || step < 0) return 0;
  const TSingleProgramArray& p = programs[static_cast<std::size_t>(program)];
  std::int32_t n = 0;
  for (std::size_t s = static_cast<std::size_t>(step); s < p.size(); ++s)
    if (IsSweep(p[s])) ++n;
  return n;
}

std::int64_t AcquisitionEstimates::ProgramTimeLeft(const TVAProgramsArray& programs, int program, int step) {
  std::int64_t whole = 0;
  double scan = 0.0;
  double t = 0.0;  // the scan time of a step at rate 0 is that of the step before
  if (program < 0) program = 0;
  for (std::size_t p = static_cast<std::size_t>(program); p < programs.size(); ++p) {
    const std::size_t first = (static_cast<int>(p) == program && step > 0) ? static_cast<std::size_t>(step) : 0;
    for (std::size_t s = first; s < programs[p].size(); ++s) {
      const ProgramStep& st = programs[p][s];
      const std::int64_t stages =
          std::int64_t{st.CleaningTime()} + st.Preparation1Time() + st.Preparation2Time() + st.ElectrolysisTime();
      whole += stages;
      const bool anyStage = st.CleaningTime() != 0 || st.Preparation1Time() != 0 || st.Preparation2Time() != 0 ||
                            st.ElectrolysisTime() != 0;
      if (st.Stirrer() && anyStage) whole += st.DelayAfterMixing();
      const int mode = st.TimeMode();
      if (mode == 0 || mode == 4) {
        if (st.SweepRate() != 0) {
          t = std::fabs(static_cast<double>(st.SweepStart()) - st.SweepEnd()) / st.SweepRate();
          if (mode == 4) t /= 1000.0;
        }
        if (st.Cycle()) {
          const double k = st.CycleType() + 1.0;
          if (st.SkipCycles() > 0) scan += std::ceil(t * k * st.SkipCycles());
          if (st.CycleCount() > 0) scan += std::ceil(t * k * st.CycleCount());
        } else {
          scan += std::ceil(t);
        }
      } else if (mode >= 1 && mode <= 3) {
        if (st.SweepRate() != 0)
          scan +=
              static_cast<double>(RoundHalfEven(st.SweepRate() * (static_cast<double>(st.SweepEnd()) - 1) / 1000.0));
      }
    }
  }
  return whole + RoundHalfEven(scan);
}

std::int64_t AcquisitionEstimates::StageTimeLeft(const ProgramStep& st, int deviceStatus) {
  if (deviceStatus < 0) return 0;
  const std::int64_t delay = st.DelayAfterMixing();
  switch (deviceStatus & protocol::StageMask) {
    case protocol::StageElectrolysis:
      return std::int64_t{st.ElectrolysisTime()} + delay;
    case protocol::StageCleaning: {
      std::int64_t v = st.CleaningTime();
      if (delay > 0 && st.Preparation1Time() == 0 && st.Preparation2Time() == 0 && st.ElectrolysisTime() == 0)
        v += delay;
      return v;
    }
    case protocol::StagePreparation1: {
      std::int64_t v = st.Preparation1Time();
      if (delay > 0 && st.Preparation2Time() == 0 && st.ElectrolysisTime() == 0) v += delay;
      return v;
    }
    case protocol::StagePreparation2: {
      std::int64_t v = st.Preparation2Time();
      if (delay > 0 && st.ElectrolysisTime() == 0) v += delay;
      return v;
    }
    case protocol::StageMeasurement: {
      const int mode = st.TimeMode();
      if (mode == 0 || mode == 4) {
        if (st.SweepRate() == 0) return 0;
        // t is one sweep; a full cycle is two of them.
        const double k = st.CycleType() + 1.0;
        double t = std::fabs(static_cast<double>(st.SweepStart()) - st.SweepEnd()) / st.SweepRate();
        if (mode == 4) t /= 1000.0;
        if (!st.Cycle()) return static_cast<std::int64_t>(std::ceil(t));
        std::int64_t v = 0;
        if (st.SkipCycles() > 0) v += static_cast<std::int64_t>(std::ceil(k * st.SkipCycles() * t));
        if (st.CycleCount() > 0) v += static_cast<std::int64_t>(std::ceil(k * st.CycleCount() * t));
        return v;
      }
      if (mode >= 1 && mode <= 3)
        return RoundHalfEven(st.SweepRate() * (static_cast<double>(st.SweepEnd()) - 1) / 1000.0);
      return 0;
    }
    default:
      return 0;
  }
}

std::int32_t AcquisitionEstimates::CycleLimit(const ProgramStep& step) {
  return step.CycleType() == 1 ? 2 * step.CycleCount() : step.CycleCount();
}

std::int32_t AcquisitionEstimates::AdvanceCycle(const ProgramStep& step, std::int32_t cycle) {
  if (!step.Cycle()) return 0;
  return cycle >= CycleLimit(step) ? 0 : cycle + 1;
}

}  // namespace velmora
