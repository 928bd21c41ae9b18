#pragma once

#include <cstdint>
#include <vector>

#include "TSingleProgramArray.h"

namespace velmora {

// The program set of a run: its programs in order.
class TVAProgramsArray : public std::vector<TSingleProgramArray> {
 public:
  using std::vector<TSingleProgramArray>::vector;

  // The set of a new editor: one program of one default step.
  static TVAProgramsArray Default();

  // Voltammograms that one pass of the whole set records.
  std::int64_t VoltammogramCount() const;
  // Steps over all programs.
  std::size_t StepCount() const;
};

}  // namespace velmora
