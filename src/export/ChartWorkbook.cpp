#include "ChartWorkbook.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cstring>
#include <system_error>

#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "PrivateFolder.h"
#include "SheetDataSplice.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxSheetName = 31;  // characters
constexpr lxw_row_t kMaxRows = 1048576;
constexpr lxw_col_t kMaxColumns = 16384;

[[noreturn]] void Fail(const fs::path& file, std::string_view reason) {
  throw EFormatError(Message(msg::CannotCreateFile, {file.string(), std::string(reason)}));
}

// Closes a workbook left open by an error without keeping it, and removes
// the private folder it was made in.
struct WorkbookGuard {
  lxw_workbook* book = nullptr;
  fs::path folder;
  fs::path temp;
  ~WorkbookGuard() {
    if (book != nullptr) {
      // Closing writes the file; it goes with the folder below.
      workbook_close(book);
    }
    if (!folder.empty()) PrivateFolder::Remove(folder);
  }
};

}  // namespace

std::string ChartWorkbook::SheetName(std::string_view documentName) {
  std::string out;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < documentName.size() && characters < kMaxSheetName;) {
    const auto lead = static_cast<unsigned char>(documentName[i]);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 1;
    if (i + length > documentName.size()) break;
    std::string_view ch = documentName.substr(i, length);
    if (length == 1 && std::strchr("[]:*?/\\", ch[0]) != nullptr && ch[0] != '\0') ch = "_";
    if (length == 1 && (lead < 0x20 || lead >= 0x80)) ch = "_";  // control bytes, stray continuation bytes
    out += ch;
    ++characters;
    i += length;
  }
  while (!out.empty() && out.front() == '\'') out.erase(out.begin());
  while (!out.empty() && out.back() == '\'') out.pop_back();
  if (out.empty()) out = "Sheet1";
  return out;
}

namespace {

// The workbook through the library into guard.temp: the title row, the
// points when `cells`, and the chart. False when cancelled.
bool WriteThroughLibrary(WorkbookGuard& guard, const fs::path& file, const std::string& sheetName,
                         const std::vector<ChartWorkbook::Series>& series, std::size_t longest, bool cells,
                         const std::atomic<bool>* cancel) {
  std::string tmpdir = guard.folder.string();
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = tmpdir.data();
  guard.book = workbook_new_opt(guard.temp.c_str(), &options);
  if (guard.book == nullptr) Fail(file, "the workbook cannot be created");
  lxw_worksheet* sheet = workbook_add_worksheet(guard.book, sheetName.c_str());
  if (sheet == nullptr) Fail(file, "invalid worksheet name");

  // Constant-memory mode takes the cells row by row.
  for (std::size_t b = 0; b < series.size(); ++b)
    worksheet_write_string(sheet, 1, static_cast<lxw_col_t>(2 * b + 1), series[b].Title.c_str(), nullptr);
  for (std::size_t i = 0; cells && i < longest; ++i) {
    if (cancel && (i & 1023) == 0 && cancel->load()) return false;
    const auto row = static_cast<lxw_row_t>(i + 2);
    for (std::size_t b = 0; b < series.size(); ++b) {
      const TDataArr& pts = series[b].Points;
      if (i >= pts.size()) continue;
      const auto col = static_cast<lxw_col_t>(2 * b + 1);
      worksheet_write_number(sheet, row, col, pts[i].X, nullptr);
      worksheet_write_number(sheet, row, col + 1, pts[i].Y, nullptr);
    }
  }

  bool anySeries = false;
  for (const ChartWorkbook::Series& s : series) anySeries = anySeries || !s.Points.empty();
  if (anySeries) {
    lxw_chart* chart = workbook_add_chart(guard.book, LXW_CHART_SCATTER_STRAIGHT);
    for (std::size_t b = 0; b < series.size(); ++b) {
      const std::size_t n = series[b].Points.size();
      if (n == 0) continue;
      const auto col = static_cast<lxw_col_t>(2 * b + 1);
      lxw_chart_series* s = chart_add_series(chart, nullptr, nullptr);
      const auto last = static_cast<lxw_row_t>(n + 1);
      chart_series_set_categories(s, sheetName.c_str(), 2, col, last, col);
      chart_series_set_values(s, sheetName.c_str(), 2, col + 1, last, col + 1);
      chart_series_set_name_range(s, sheetName.c_str(), 1, col);
    }
    // At 100, 100 pixels from the sheet's corner, 400 by 400 pixels (the
    // default chart is 480 by 288).
    lxw_chart_options place{};
    place.x_offset = 100;
    place.y_offset = 100;
    place.x_scale = 400.0 / 480.0;
    place.y_scale = 400.0 / 288.0;
    if (worksheet_insert_chart_opt(sheet, 0, 0, chart, &place) != LXW_NO_ERROR) Fail(file, "the chart is refused");
  }

  lxw_workbook* book = guard.book;
  guard.book = nullptr;
  const lxw_error result = workbook_close(book);
  if (result != LXW_NO_ERROR) Fail(file, lxw_strerror(result));
  return true;
}

}  // namespace

bool ChartWorkbook::Write(const fs::path& file, std::string_view documentName, const std::vector<Series>& series,
                          const std::atomic<bool>* cancel, Cells cells) {
  if (series.size() * 2 + 2 > kMaxColumns) Fail(file, "too many series");
  std::size_t longest = 0;
  for (const Series& s : series) longest = std::max(longest, s.Points.size());
  if (longest + 2 > kMaxRows) Fail(file, "too many points");

  const std::string sheetName = SheetName(documentName);
  WorkbookGuard guard;
  // The workbook and the spreadsheet library's own temporary files are made
  // in a fresh private folder beside the target (so that the rename stays on
  // one file system), never under a name another user could foresee, and
  // short enough whatever the length of the file's own name.
  const fs::path parent = file.has_parent_path() ? file.parent_path() : fs::path(".");
  try {
    guard.folder = PrivateFolder::Create(parent, ".workbook-");
  } catch (const EFormatError& e) {
    Fail(file, e.message().args.size() > 1 ? e.message().args[1] : std::string());
  }
  guard.temp = guard.folder / "workbook.xlsx";
  bool written = false;
  if (cells == Cells::Spliced) {
    // The library writes everything but the points, which go in after.
    if (!WriteThroughLibrary(guard, file, sheetName, series, longest, false, cancel)) return false;
    std::vector<std::string> titles;
    std::vector<const TDataArr*> points;
    for (const Series& s : series) {
      titles.push_back(s.Title);
      points.push_back(&s.Points);
    }
    written = SheetDataSplice::Splice(guard.temp, titles, points, cancel);
    if (cancel && cancel->load()) return false;
  }
  // Cell by cell through the library (also when the splice finds the
  // library's output laid out otherwise than it expects).
  if (!written && !WriteThroughLibrary(guard, file, sheetName, series, longest, true, cancel)) return false;
  std::error_code ec;
  fs::rename(guard.temp, file, ec);
  if (ec) Fail(file, ec.message());
  return true;
}

}  // namespace velmora
