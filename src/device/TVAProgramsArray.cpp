#include "TVAProgramsArray.h"

namespace velmora {

TVAProgramsArray TVAProgramsArray::Default() { return TVAProgramsArray{TSingleProgramArray{ProgramStep::Default()}}; }

std::int64_t TVAProgramsArray::VoltammogramCount() const {
  std::int64_t count = 0;
  for (const TSingleProgramArray& program : *this) count += program.VoltammogramCount();
  return count;
}

std::size_t TVAProgramsArray::StepCount() const {
  std::size_t count = 0;
  for (const TSingleProgramArray& program : *this) count += program.size();
  return count;
}

}  // namespace velmora
