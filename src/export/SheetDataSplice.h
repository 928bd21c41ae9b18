#pragma once

#include <atomic>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "TDataPoint.h"

namespace velmora {

// The data rows of a chart workbook, written fast: the spreadsheet library
// writes the workbook with the title row only, then the worksheet's rows of
// points (3, 4, ...; series b in the columns 2b + 2 and 2b + 3) are put into
// its worksheet part, formatted exactly as the library formats numbers
// ("%.16G") and compressed on every core in pieces that join into one
// stream. The result is the workbook the library writes cell by cell, byte
// for byte once unpacked.
class SheetDataSplice {
 public:
  // The worksheet's "dimension" reference for title cells (non-empty titles
  // in row 2) and the series' points: "B2:GY4001", a single cell "B2", or
  // "A1" for an empty sheet.
  static std::string Dimension(std::span<const std::string> titles, std::span<const TDataArr* const> series);

  // A number as the library writes it.
  static void AppendNumber(std::string& out, double value);

  // Rewrites `workbook` (the library's output with the title row only) in
  // place. False, with the file untouched, when it is not laid out as
  // expected (the caller then writes the cells through the library), or
  // when `cancel` became true.
  static bool Splice(const std::filesystem::path& workbook, std::span<const std::string> titles,
                     std::span<const TDataArr* const> series, const std::atomic<bool>* cancel = nullptr);
};

}  // namespace velmora
