#include "TableWorkbook.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <system_error>

#include "ChartWorkbook.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxRows = 1048576;
constexpr std::size_t kMaxColumns = 16384;
constexpr std::size_t kMaxCellText = 32767;

[[noreturn]] void Fail(const fs::path& file, std::string_view reason) {
  throw EFormatError(Message(msg::CannotCreateFile, {file.string(), std::string(reason)}));
}

struct Guard {
  lxw_workbook* book = nullptr;
  fs::path temp;
  ~Guard() {
    if (book != nullptr) workbook_close(book);
    std::error_code ec;
    if (!temp.empty()) fs::remove(temp, ec);
  }
};

}  // namespace

void TableWorkbook::Write(const fs::path& file, std::string_view sheetName, const std::vector<std::string>& headers,
                          const std::vector<std::vector<Cell>>& rows) {
  if (rows.size() + 1 > kMaxRows) Fail(file, "too many rows");
  if (headers.size() > kMaxColumns) Fail(file, "too many columns");
  const std::string sheet = ChartWorkbook::SheetName(sheetName);
  Guard guard;
  // A name of our own beside the file, reserved before the library writes
  // there, and short enough for any file name.
  ::close(FileIo::createTemporaryBeside(file, guard.temp));
  std::string tmpdir = file.has_parent_path() ? file.parent_path().string() : std::string(".");
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = tmpdir.data();
  guard.book = workbook_new_opt(guard.temp.c_str(), &options);
  if (guard.book == nullptr) Fail(file, "the workbook cannot be created");
  lxw_worksheet* ws = workbook_add_worksheet(guard.book, sheet.c_str());
  if (ws == nullptr) Fail(file, "invalid worksheet name");
  lxw_format* bold = workbook_add_format(guard.book);
  format_set_bold(bold);

  // Column widths from the longest text seen (in characters, roughly).
  std::vector<std::size_t> widths(headers.size(), 8);
  for (std::size_t c = 0; c < headers.size(); ++c) widths[c] = std::max(widths[c], headers[c].size() + 2);
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      if (const auto* text = std::get_if<std::string>(&row[c]))
        widths[c] = std::max(widths[c], std::min<std::size_t>(text->size() + 2, 60));
  for (std::size_t c = 0; c < widths.size(); ++c)
    worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), static_cast<double>(widths[c]),
                         nullptr);

  for (std::size_t c = 0; c < headers.size(); ++c)
    worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), headers[c].c_str(), bold);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const auto row = static_cast<lxw_row_t>(r + 1);
    for (std::size_t c = 0; c < rows[r].size() && c < kMaxColumns; ++c) {
      const auto col = static_cast<lxw_col_t>(c);
      const Cell& cell = rows[r][c];
      if (const auto* text = std::get_if<std::string>(&cell)) {
        if (text->empty()) continue;
        const std::string clipped = text->size() > kMaxCellText ? text->substr(0, kMaxCellText) : *text;
        worksheet_write_string(ws, row, col, clipped.c_str(), nullptr);
      } else if (const auto* number = std::get_if<double>(&cell)) {
        worksheet_write_number(ws, row, col, *number, nullptr);
      } else if (const auto* integer = std::get_if<std::int64_t>(&cell)) {
        worksheet_write_number(ws, row, col, static_cast<double>(*integer), nullptr);
      }
    }
  }

  lxw_workbook* book = guard.book;
  guard.book = nullptr;
  const lxw_error result = workbook_close(book);
  if (result != LXW_NO_ERROR) Fail(file, lxw_strerror(result));
  std::error_code ec;
  fs::rename(guard.temp, file, ec);
  if (ec) Fail(file, ec.message());
  guard.temp.clear();
}

}  // namespace velmora
