#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

class TNode;
class TNodeForest;

// Curves exported by other instruments as CSV or text tables: an optional
// UTF-8 byte-order mark, header lines (column names, perhaps a units row
// under them), comma, semicolon, tab or blank separators (trailing ones
// allowed), decimal points or commas, and any number of columns. Units come
// from the header: potentials in V or mV (also "V vs. RHE") are converted
// to mV, currents in A, mA, µA, nA or pA to µA; a current density keeps its
// numbers and its unit is noted on the curve; a column without a unit is
// taken as it stands. A table the reader cannot understand is refused with
// EFormatError naming the line.
class InstrumentTextImport {
 public:
  enum class Quantity { None, Potential, Current, CurrentDensity, Other };

  struct Unit {
    Quantity Kind = Quantity::None;
    std::string Text;     // as written in the header ("V vs. RHE", "µA/cm²")
    double Factor = 1.0;  // to mV or µA; 1 for densities and unknown units
  };

  struct Column {
    std::string Name;  // the header's name, or empty
    Unit ColumnUnit;
    std::vector<double> Values;
  };

  struct Table {
    std::vector<Column> Columns;
    char Separator = ' ';  // ' ' for blank runs
    bool DecimalComma = false;
    std::size_t HeaderLines = 0;
  };

  // Upper bounds against hostile files.
  static constexpr std::size_t kMaxColumns = 256;
  static constexpr std::size_t kMaxHeaderLines = 64;
  static constexpr std::size_t kMaxLineLength = 1 << 16;

  // Reads a whole table. Throws EFormatError naming the line that cannot be
  // read, or when no line holds two numbers.
  static Table Parse(std::string_view text);

  // The unit of a column from its name ("E / V", "Current (A)",
  // "Potential, mV") or from a units row entry ("mV", "µA/cm2").
  static Unit UnitOfName(std::string_view name);
  static Unit UnitOfText(std::string_view text);

  // True when the text is no plain two-column file but looks like a table
  // of another instrument: a byte-order mark, a header line, a separator
  // other than blanks, or more than two columns in its first line.
  static bool IsInstrumentTable(std::string_view text);
  // The same for the beginning of a file; false when it cannot be read.
  static bool IsInstrumentFile(const std::filesystem::path& file);

  // The columns to use when the user does not choose: the only two, or the
  // first potential column and the first current (or density) column.
  static std::optional<std::pair<std::size_t, std::size_t>> GuessColumns(const Table& table);

  // The points of two columns with their units converted (potential in mV,
  // current in µA). Throws EFormatError when a column index is out of range.
  static TDataArr Points(const Table& table, std::size_t xColumn, std::size_t yColumn);
  // The note kept on the curve when Y is not a current in µA ("Current
  // density, µA/cm^2^"), else empty.
  static std::string UnitNote(const Table& table, std::size_t yColumn);

  // Asked when the table has more than two columns: the X and Y columns
  // (from 0), or nothing to cancel the file.
  using ColumnChooser =
      std::function<std::optional<std::pair<std::size_t, std::size_t>>(const Table&, const std::string& fileName)>;

  // Appends a root node after the last root node holding the chosen
  // columns, named and dated as a plain text import. Throws EFormatError
  // (nothing is added) when the file cannot be read or no columns are
  // chosen; returns null when the chooser cancelled.
  static TNode* ImportFile(TNodeForest& forest, const std::filesystem::path& file, const ColumnChooser& chooser);
  // The same with fixed columns (from 0); nullopt takes the guess or fails
  // when more than two columns need a choice.
  static TNode* ImportWithColumns(TNodeForest& forest, const std::filesystem::path& file,
                                  std::optional<std::pair<std::size_t, std::size_t>> columns);
};

}  // namespace velmora
