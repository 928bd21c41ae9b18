#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

// A spreadsheet workbook (.xlsx) holding one table: a header row in bold,
// then one row per record; text cells are written as text (never as
// formulas), numbers as numbers, empty cells stay empty.
class TableWorkbook {
 public:
  using Cell = std::variant<std::monostate, std::string, double, std::int64_t>;

  // Writes the workbook atomically (a temporary file beside `file`, renamed
  // over it). Throws EFormatError when it cannot be written or the table
  // does not fit a worksheet.
  static void Write(const std::filesystem::path& file, std::string_view sheetName,
                    const std::vector<std::string>& headers, const std::vector<std::vector<Cell>>& rows);
};

}  // namespace velmora
