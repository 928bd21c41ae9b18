#pragma once

#include <cstdint>
#include <vector>

#include "ProgramStep.h"

namespace velmora {

// One voltammetric program: its steps in order.
class TSingleProgramArray : public std::vector<ProgramStep> {
 public:
  using std::vector<ProgramStep>::vector;

  // Voltammograms that one pass of the program records.
  std::int64_t VoltammogramCount() const;
};

}  // namespace velmora
