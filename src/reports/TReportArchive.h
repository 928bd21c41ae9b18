#pragma once

#include <vector>

#include "ArchiveRows.h"
#include "TReportRec.h"

namespace velmora {

// The archive rows of a report: one per experiment and element with a
// result, in the report's display units, each with its experiment's
// document, method, calibration and curves. `origin` gives the sample (or
// control) name, the operator, the workstation and the time; the document
// of each row is its experiment's, and `digest` gives the SHA-256 of a
// document's bytes (empty when unknown).
class TReportArchive {
 public:
  using Digest = std::function<std::string(const std::string& path)>;
  static std::vector<ArchiveRow> Rows(const TReportRec& report, const ArchiveRows::Origin& origin,
                                      const Digest& digest = {});
};

}  // namespace velmora
