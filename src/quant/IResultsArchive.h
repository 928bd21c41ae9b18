#pragma once

#include <string>
#include <vector>

#include "ArchiveFilter.h"
#include "ArchiveRow.h"

namespace velmora {

// The results archive as the windows, the wizard and the command line see
// it. Every operation throws EArchiveError when the database fails.
class IResultsArchive {
 public:
  enum class Column { Sample, Control, Element, Operator };

  virtual ~IResultsArchive() = default;
  // Stores the rows in one transaction, all or none, and gives each its Id.
  virtual void Add(std::vector<ArchiveRow>& rows) = 0;
  virtual std::vector<ArchiveRow> Query(const ArchiveFilter& filter) = 0;
  // The different non-empty values of a column, sorted.
  virtual std::vector<std::string> Distinct(Column column) = 0;
  // Where the archive is, for messages and captions (never a password).
  virtual std::string Location() const = 0;
};

}  // namespace velmora
