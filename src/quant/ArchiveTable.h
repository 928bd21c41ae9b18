#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "ArchiveRow.h"
#include "TableWorkbook.h"

namespace velmora {

// Archived results as a table: the columns named as in the command line's
// JSON, one cell per column, and the CSV text of a selection.
class ArchiveTable {
 public:
  // A cell: nothing (an unknown value), text, a number or an integer.
  using Cell = TableWorkbook::Cell;

  // "Id", "Sample", "Control", "Element", "Value", "Unit", "Uncertainty",
  // "Lod", "Method", "Calibration", "Document", "DocumentSha256", "Curves",
  // "Operator", "Workstation", "Time", "Simulated".
  static const std::vector<std::string>& Headers();
  // Time as ISO 8601 UTC text, Simulated as 1 or 0.
  static std::vector<Cell> Cells(const ArchiveRow& row);
  // RFC 4180 text with CRLF line ends: the header line, then one line per
  // row. Numbers in their shortest exact form with "."; a text that a
  // spreadsheet would take for a formula gets a leading apostrophe.
  static std::string Csv(const std::vector<ArchiveRow>& rows);
  // The CSV text or the workbook (sheet "Results") written atomically;
  // throw EFormatError when the file cannot be written.
  static void WriteCsv(const std::filesystem::path& file, const std::vector<ArchiveRow>& rows);
  static void WriteXlsx(const std::filesystem::path& file, const std::vector<ArchiveRow>& rows);
};

}  // namespace velmora
