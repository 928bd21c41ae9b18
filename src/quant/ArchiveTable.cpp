#include "ArchiveTable.h"

#include <charconv>

#include "ArchiveTime.h"
#include "FileIo.h"
#include "Numbers.h"

namespace velmora {

namespace {

void PutText(std::string& out, const std::string& text) {
  const bool formula = !text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@' ||
                                         text[0] == '\t' || text[0] == '\r');
  const bool quote = formula || text.find_first_of(",\"\r\n") != std::string::npos;
  if (!quote) {
    out += text;
    return;
  }
  out += '"';
  if (formula) out += '\'';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

const std::vector<std::string>& ArchiveTable::Headers() {
  static const std::vector<std::string> headers = {"Id",       "Sample",         "Control", "Element",  "Value",
                                                   "Unit",     "Uncertainty",    "Lod",     "Method",   "Calibration",
                                                   "Document", "DocumentSha256", "Curves",  "Operator", "Workstation",
                                                   "Time",     "Simulated"};
  return headers;
}

std::vector<ArchiveTable::Cell> ArchiveTable::Cells(const ArchiveRow& r) {
  auto optional = [](const auto& v) -> Cell {
    if (!v) return std::monostate{};
    using T = std::decay_t<decltype(*v)>;
    if constexpr (std::is_same_v<T, double>)
      return *v;
    else
      return static_cast<std::int64_t>(*v);
  };
  return {r.Id,
          r.Sample,
          r.Control,
          r.Element,
          r.Value,
          r.Unit,
          optional(r.Uncertainty),
          optional(r.Lod),
          optional(r.Method),
          r.Calibration,
          r.Document,
          r.DocumentSha256,
          r.Curves,
          r.Operator,
          r.Workstation,
          ArchiveTime::Format(r.TimeMs),
          static_cast<std::int64_t>(r.Simulated ? 1 : 0)};
}

std::string ArchiveTable::Csv(const std::vector<ArchiveRow>& rows) {
  std::string out;
  const auto& headers = Headers();
  for (std::size_t i = 0; i < headers.size(); ++i) out += (i ? "," : "") + headers[i];
  out += "\r\n";
  for (const ArchiveRow& row : rows) {
    const std::vector<Cell> cells = Cells(row);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) out += ',';
      const Cell& c = cells[i];
      if (const auto* text = std::get_if<std::string>(&c)) {
        PutText(out, *text);
      } else if (const auto* number = std::get_if<double>(&c)) {
        out += FormatShortest(*number);
      } else if (const auto* integer = std::get_if<std::int64_t>(&c)) {
        char buffer[24];
        out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, *integer).ptr);
      }
    }
    out += "\r\n";
  }
  return out;
}

void ArchiveTable::WriteCsv(const std::filesystem::path& file, const std::vector<ArchiveRow>& rows) {
  FileIo::writeAtomically(file, Csv(rows));
}

void ArchiveTable::WriteXlsx(const std::filesystem::path& file, const std::vector<ArchiveRow>& rows) {
  std::vector<std::vector<Cell>> cells;
  cells.reserve(rows.size());
  for (const ArchiveRow& r : rows) cells.push_back(Cells(r));
  TableWorkbook::Write(file, "Results", Headers(), cells);
}

}  // namespace velmora
