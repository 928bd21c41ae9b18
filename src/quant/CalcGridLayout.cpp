#include "CalcGridLayout.h"

#include <algorithm>

#include "CalcMethods.h"

namespace velmora {

namespace {

const CalcGridLayout::Cell kNoCell{};

}  // namespace

void CalcGridLayout::Resize(int rows, int columns) {
  rows_ = rows;
  columns_ = columns;
  cells_.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), Cell{});
  unitRows_.clear();
  cellResultRow_ = -1;
  sampleResultRow_ = -1;
  firstDataRow_ = 0;
  firstElementColumn_ = 0;
}

CalcGridLayout::Cell& CalcGridLayout::Mutable(int row, int column) {
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column)];
}

const CalcGridLayout::Cell& CalcGridLayout::At(int row, int column) const {
  if (row < 0 || column < 0 || row >= rows_ || column >= columns_) return kNoCell;
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column)];
}

bool CalcGridLayout::IsUnitRow(int row) const {
  return std::find(unitRows_.begin(), unitRows_.end(), row) != unitRows_.end();
}

int CalcGridLayout::RowOfCurve(std::size_t curve) const {
  const int row = firstDataRow_ + static_cast<int>(curve);
  return firstDataRow_ > 0 && row < rows_ ? row : -1;
}

int CalcGridLayout::ColumnOfElement(std::size_t element) const {
  const int column = firstElementColumn_ + static_cast<int>(element);
  return firstElementColumn_ > 0 && column < columns_ ? column : -1;
}

void CalcGridLayout::Lay(int method, int calibrationType, std::size_t curveCount, std::size_t elementCount) {
  const int curves = static_cast<int>(curveCount);
  const int elements = static_cast<int>(elementCount);
  auto curveRows = [&](int first, Editor nameEditor) {
    for (int c = 0; c < curves; ++c) {
      Mutable(first + c, 0) = {Kind::CurveMark, Editor::None, c, -1};
      Mutable(first + c, 1) = {Kind::CurveName, nameEditor, c, -1};
      for (int e = 0; e < elements; ++e)
        Mutable(first + c, firstElementColumn_ + e) = {Kind::PeakValue, Editor::None, c, e};
    }
  };
  auto elementHeaders = [&] {
    for (int e = 0; e < elements; ++e) Mutable(0, firstElementColumn_ + e) = {Kind::ElementHeader, Editor::None, -1, e};
  };

  if (method == CalcMethods::kCalibrationCurve) {
    if (calibrationType < 0 || calibrationType >= CalcMethods::kAbscissaCount) {
      Resize(2, 2);
      return;
    }
    if (calibrationType == CalcMethods::kAbscissaConcentration) {
      Resize(2 + curves, 2 + 2 * elements);
      firstDataRow_ = 2;
      firstElementColumn_ = 2 + elements;
      unitRows_ = {1};
      for (int e = 0; e < elements; ++e) {
        Mutable(0, 2 + e) = {Kind::ConcHeader, Editor::None, -1, e};
        Mutable(1, 2 + e) = {Kind::ConcUnits, Editor::ElementUnits, -1, e};
        for (int c = 0; c < curves; ++c) Mutable(firstDataRow_ + c, 2 + e) = {Kind::GridValue, Editor::Text, c, e};
      }
    } else if (calibrationType == CalcMethods::kAbscissaSweepRate ||
               calibrationType == CalcMethods::kAbscissaAngularFrequency) {
      Resize(3 + curves, 4 + elements);
      firstDataRow_ = 3;
      firstElementColumn_ = 4;
      sampleResultRow_ = 2;
      Mutable(0, 2) = {Kind::AbscissaHeader, Editor::None, -1, -1};
      Mutable(0, 3) = {Kind::RootHeader, Editor::None, -1, -1};
      Mutable(2, 3) = {Kind::DiffusionCaption, Editor::None, -1, -1};
      for (int e = 0; e < elements; ++e) Mutable(2, 4 + e) = {Kind::Diffusion, Editor::None, -1, e};
      for (int c = 0; c < curves; ++c) {
        Mutable(firstDataRow_ + c, 2) = {Kind::AbscissaValue, Editor::None, c, -1};
        Mutable(firstDataRow_ + c, 3) = {Kind::RootValue, Editor::None, c, -1};
      }
    } else {
      Resize(2 + curves, 3 + elements);
      firstDataRow_ = 2;
      firstElementColumn_ = 3;
      Mutable(0, 2) = {Kind::AbscissaHeader, Editor::None, -1, -1};
      for (int c = 0; c < curves; ++c) Mutable(firstDataRow_ + c, 2) = {Kind::AbscissaValue, Editor::None, c, -1};
    }
    elementHeaders();
    curveRows(firstDataRow_, Editor::Text);
    return;
  }

  if (method < 0) {
    Resize(2, 2);
    return;
  }
  const bool custom = CalcMethods::IsCustom(method);
  const bool byCalibration = method == CalcMethods::kByCalibration;
  firstElementColumn_ = 3;
  const int sampleRow = byCalibration ? 2 : 3;
  const int firstData = sampleRow + 1;
  Resize(firstData + curves, 3 + elements);
  firstDataRow_ = firstData;
  firstElementColumn_ = 3;
  sampleResultRow_ = sampleRow;
  cellResultRow_ = byCalibration ? 1 : custom ? -1 : 2;
  unitRows_ = {1, sampleRow};

  Mutable(0, 2) = {Kind::RoleHeader, Editor::None, -1, -1};
  elementHeaders();
  if (byCalibration) {
    Mutable(1, 2) = {Kind::InCellCaption, Editor::ResultUnits, -1, -1};
    for (int e = 0; e < elements; ++e) Mutable(1, 3 + e) = {Kind::CellResult, Editor::None, -1, e};
  } else {
    Mutable(1, 2) = {Kind::AddCaption, custom ? Editor::None : Editor::ResultUnits, -1, -1};
    for (int e = 0; e < elements; ++e) Mutable(1, 3 + e) = {Kind::AddConc, Editor::Text, -1, e};
    if (!custom) {
      Mutable(2, 2) = {Kind::CellResultCaption, Editor::None, -1, -1};
      for (int e = 0; e < elements; ++e) Mutable(2, 3 + e) = {Kind::CellResult, Editor::None, -1, e};
    }
  }
  Mutable(sampleRow, 2) = {Kind::SampleCaption, custom ? Editor::None : Editor::SampleUnits, -1, -1};
  for (int e = 0; e < elements; ++e) Mutable(sampleRow, 3 + e) = {Kind::SampleResult, Editor::None, -1, e};
  curveRows(firstDataRow_, Editor::Text);
  for (int c = 0; c < curves; ++c) Mutable(firstDataRow_ + c, 2) = {Kind::Role, Editor::RoleList, c, -1};
}

}  // namespace velmora
