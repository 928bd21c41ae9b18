#pragma once

#include <string>
#include <vector>

#include "Message.h"
#include "TMethodStat.h"

namespace velmora {

// The analysis methods library as the statistics see it: the statistics
// embedded in its methods, and the write-back of an edited record into the
// method files that use it.
class IMethodStatLibrary {
 public:
  virtual ~IMethodStatLibrary() = default;
  // The statistics of every method that holds at least one element, each
  // named by the method's name in the current language, in library order.
  virtual std::vector<TMethodStat> MethodStatistics() const = 0;
  // Writes `record` into every method whose statistics name is `name`
  // (and into their "Statistics" script commands). Returns false and
  // fills `problem` when a method cannot be read or corrected; the files
  // already written stay written.
  virtual bool UpdateMethodStatistics(const std::string& name, const TMethodStat& record, Message& problem) = 0;
};

}  // namespace velmora
