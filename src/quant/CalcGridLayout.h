#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

// What a cell of the calculation table shows and how it may be edited, for
// every method and abscissa type. Holds no texts: the window turns each
// kind into its caption or value. No windows, so the layout is testable on
// its own.
class CalcGridLayout {
 public:
  enum class Kind : std::uint8_t {
    Empty,
    CurveMark,          // column 0 of a curve row: the colour square or the check box
    CurveName,          // column 1 of a curve row: the node name
    RoleHeader,         // "Measurment type"
    Role,               // the curve's role caption, changed through a drop-down
    ElementHeader,      // "%s, %s": element name and unit word
    AddCaption,         // "C(Add)," with the result units
    InCellCaption,      // method 5: "In cell (C_x_)," with the result units
    AddConc,            // the element's added concentration
    CellResultCaption,  // "Result in cell (C_x_), %s/%s"
    CellResult,         // the element's result in the cell
    SampleCaption,      // "In sample (X)," with the sample units
    SampleResult,       // the element's result in the sample
    PeakValue,          // a curve's peak value of the element, "-" without one
    ConcHeader,         // method 4, type 0: "C(%s)"
    ConcUnits,          // method 4, type 0: the element's units (row 1 of a concentration column)
    GridValue,          // method 4, type 0: a curve's calibration concentration
    AbscissaHeader,     // method 4: the record parameter (or sweep rate, stirrer frequency) heading
    AbscissaValue,      // method 4: the curve's value of it
    RootHeader,         // method 4, types 1 and 2: "Sweep rate^1/2^", "Angular frequency^1/2^"
    RootValue,          // its square root
    DiffusionCaption,   // "Diffusion coefficient, cm^2^/s"
    Diffusion,          // an element's diffusion coefficient
  };

  // How a selected cell is edited.
  enum class Editor : std::uint8_t { None, Text, RoleList, ResultUnits, SampleUnits, ElementUnits };

  struct Cell {
    Kind kind = Kind::Empty;
    Editor editor = Editor::None;
    int curve = -1;    // the curve row's index in the shown curves
    int element = -1;  // the element's index in the calculation table
  };

  // Lays the grid out. `holds(curve, element)` tells whether a curve holds a
  // peak of the element (method 4, type 0: which concentration cells edit).
  template <typename Holds>
  void Build(int method, int calibrationType, std::size_t curves, std::size_t elements, Holds holds) {
    Lay(method, calibrationType, curves, elements);
    if (method == kCalibrationCurveMethod && calibrationType == 0) {
      for (std::size_t c = 0; c < curves; ++c)
        for (std::size_t e = 0; e < elements; ++e)
          if (!holds(c, e))
            Mutable(FirstDataRow() + static_cast<int>(c), 2 + static_cast<int>(e)).editor = Editor::None;
    }
  }

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  int FirstDataRow() const { return firstDataRow_; }
  int FirstElementColumn() const { return firstElementColumn_; }
  // -1 where the layout has no such row.
  int CellResultRow() const { return cellResultRow_; }
  int SampleResultRow() const { return sampleResultRow_; }
  // Rows that hold two stacked unit lists and are drawn taller.
  bool IsUnitRow(int row) const;

  const Cell& At(int row, int column) const;
  // The table row of a curve, -1 outside.
  int RowOfCurve(std::size_t curve) const;
  // The element column of an element, -1 outside.
  int ColumnOfElement(std::size_t element) const;
  // The fill handle applies to a selection starting here.
  bool InPeakBlock(int row, int column) const {
    return row >= firstDataRow_ && column >= firstElementColumn_ && row < rows_ && column < columns_;
  }

 private:
  static constexpr int kCalibrationCurveMethod = 4;
  void Lay(int method, int calibrationType, std::size_t curves, std::size_t elements);
  Cell& Mutable(int row, int column);
  void Resize(int rows, int columns);

  int rows_ = 0;
  int columns_ = 0;
  int firstDataRow_ = 0;
  int firstElementColumn_ = 0;
  int cellResultRow_ = -1;
  int sampleResultRow_ = -1;
  std::vector<int> unitRows_;
  std::vector<Cell> cells_;
};

}  // namespace velmora
