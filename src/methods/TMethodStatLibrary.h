#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "IMethodStatLibrary.h"

namespace velmora {

class TMethodsLibrary;

// The methods library as the statistics database sees it: the statistics
// of the loaded methods under their statistics names in the current
// language, and "Update methods stat", which writes an edited record into
// the library's method files that use it.
class TMethodStatLibrary final : public IMethodStatLibrary {
 public:
  // `languageId` gives the current user-interface language when asked.
  TMethodStatLibrary(const TMethodsLibrary& library, std::function<std::int32_t()> languageId)
      : library_(library), languageId_(std::move(languageId)) {}

  // Whether the statistics database knows a record name; a "Statistics"
  // script command is corrected only when its record's name is known.
  // Without it, only records named like the updated one are corrected.
  std::function<bool(const std::string& name)> KnownName;

  std::vector<TMethodStat> MethodStatistics() const override;
  // Reads every "*.mtd" file of the library folder; a method whose
  // statistics name (in the current language) is `name` gets `record` as
  // its statistics and in its script commands, and is written back. Stops
  // at the first method that cannot be read ("error on method load!") or
  // corrected ("error on method script correction!").
  bool UpdateMethodStatistics(const std::string& name, const TMethodStat& record, Message& problem) override;

 private:
  const TMethodsLibrary& library_;
  std::function<std::int32_t()> languageId_;
};

}  // namespace velmora
