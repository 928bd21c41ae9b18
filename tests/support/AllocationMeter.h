#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::test {

// Measures the memory a piece of code takes: the most bytes held at once
// through operator new since the meter was made, above what was held then.
// Linking the meter replaces the global operator new and delete of the test
// program with counting ones (all threads count).
class AllocationMeter {
 public:
  AllocationMeter();
  std::size_t Peak() const;

 private:
  std::int64_t base_ = 0;
};

}  // namespace velmora::test
