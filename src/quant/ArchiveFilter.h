#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ArchiveRow.h"

namespace velmora {

// Which archived results to fetch: every given field must match exactly;
// From and To bound the time (both inclusive). Results come oldest first
// (by time, then by id), at most Limit of them when Limit is above 0.
struct ArchiveFilter {
  std::optional<std::string> Sample;
  std::optional<std::string> Control;
  std::optional<std::string> Element;
  std::optional<std::int32_t> Method;
  std::optional<std::string> Operator;
  std::optional<std::int64_t> FromMs;
  std::optional<std::int64_t> ToMs;
  // Only control results (Control not empty), or only sample results.
  enum class Kind { Any, Samples, Controls };
  Kind Only = Kind::Any;
  std::size_t Limit = 0;
  // Newest first instead.
  bool NewestFirst = false;

  // A bound parameter of the WHERE clause: text or integer.
  struct Param {
    std::optional<std::string> Text;
    std::int64_t Integer = 0;
  };
  // The WHERE clause (empty when nothing is filtered) with "?" places, and
  // the values for them in order; no value is ever put into the text.
  std::string Where(std::vector<Param>& params) const;
  // The same test on a row in memory.
  bool Matches(const ArchiveRow& row) const;
};

}  // namespace velmora
