#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "IMethodStatLibrary.h"
#include "TMethod.h"

namespace velmora {

// The statistics database's view of the methods library: the statistics of
// the loaded methods, and "Update methods stat", which writes an edited
// record into the method files of the library folder that use it.
class MethodStatLibrary final : public IMethodStatLibrary {
 public:
  // `methods` are the loaded methods (not owned); `libraryFolder` holds the
  // "*.mtd" files that an update rewrites.
  MethodStatLibrary(const TMethods& methods, std::filesystem::path libraryFolder)
      : methods_(methods), folder_(std::move(libraryFolder)) {}

  // The user-interface language whose method names are the statistics
  // names (0: English).
  void SetLanguageId(std::int32_t languageId) { languageId_ = languageId; }
  void SetLibraryFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  // Tells whether a statistics name is in the database: the "Statistics"
  // commands of a method script that name a known record are updated too.
  std::function<bool(const std::string&)> KnownStatistics;

  std::vector<TMethodStat> MethodStatistics() const override;
  bool UpdateMethodStatistics(const std::string& name, const TMethodStat& record, Message& problem) override;

 private:
  const TMethods& methods_;
  std::filesystem::path folder_;
  std::int32_t languageId_ = 0;
};

}  // namespace velmora
