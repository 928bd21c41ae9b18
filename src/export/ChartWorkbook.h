#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

// A spreadsheet workbook (.xlsx) with the series of a chart: one worksheet
// named after the document; series b (from 0) has its title in row 2,
// column 2b + 2 and its points below from row 3, X in column 2b + 2 and Y
// in column 2b + 3 (rows and columns counted from 1); a scatter chart with
// straight lines and no markers shows every series.
class ChartWorkbook {
 public:
  struct Series {
    std::string Title;
    TDataArr Points;
  };

  // A worksheet name the spreadsheet accepts: the characters [ ] : * ? / and
  // the backslash become "_", a leading or trailing apostrophe goes, at most 31
  // characters (whole UTF-8 sequences), "Sheet1" when nothing is left.
  static std::string SheetName(std::string_view documentName);

  // How the points get into the worksheet: spliced in after the library
  // wrote the rest (SheetDataSplice, on every core), or cell by cell
  // through the library. The files unpack to the same worksheet.
  enum class Cells { Spliced, ThroughLibrary };

  // Writes the workbook atomically (made in a fresh private folder beside
  // `file`, then renamed over it; a planted link is never written through).
  // Throws EFormatError when it cannot be written. A chart needs at least
  // one series: without any, the worksheet is written alone. When `cancel`
  // becomes true the work stops, `file` stays as it was and the result is
  // false.
  static bool Write(const std::filesystem::path& file, std::string_view documentName, const std::vector<Series>& series,
                    const std::atomic<bool>* cancel = nullptr, Cells cells = Cells::Spliced);
};

}  // namespace velmora
