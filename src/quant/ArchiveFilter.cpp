#include "ArchiveFilter.h"

namespace velmora {

std::string ArchiveFilter::Where(std::vector<Param>& params) const {
  std::string where;
  auto add = [&](const char* condition) {
    where += where.empty() ? " WHERE " : " AND ";
    where += condition;
  };
  auto text = [&](const char* condition, const std::optional<std::string>& value) {
    if (!value) return;
    add(condition);
    params.push_back({*value, 0});
  };
  auto integer = [&](const char* condition, std::optional<std::int64_t> value) {
    if (!value) return;
    add(condition);
    params.push_back({std::nullopt, *value});
  };
  text("sample = ?", Sample);
  text("control = ?", Control);
  text("element = ?", Element);
  integer("method = ?", Method ? std::optional<std::int64_t>(*Method) : std::nullopt);
  text("operator_name = ?", Operator);
  integer("time_ms >= ?", FromMs);
  integer("time_ms <= ?", ToMs);
  if (Only == Kind::Samples) add("control = ''");
  if (Only == Kind::Controls) add("control <> ''");
  return where;
}

bool ArchiveFilter::Matches(const ArchiveRow& row) const {
  if (Sample && row.Sample != *Sample) return false;
  if (Control && row.Control != *Control) return false;
  if (Element && row.Element != *Element) return false;
  if (Method && row.Method != Method) return false;
  if (Operator && row.Operator != *Operator) return false;
  if (FromMs && row.TimeMs < *FromMs) return false;
  if (ToMs && row.TimeMs > *ToMs) return false;
  if (Only == Kind::Samples && row.IsControl()) return false;
  if (Only == Kind::Controls && !row.IsControl()) return false;
  return true;
}

}  // namespace velmora
