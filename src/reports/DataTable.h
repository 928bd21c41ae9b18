#pragma once

#include <string>
#include <vector>

#include "TDataPoint.h"
#include "TPeakRecord.h"
#include "TPrintBlock.h"

namespace velmora {

// One curve of a printed data table.
struct TDataTableCurve {
  std::string DatabaseName;
  std::string Comment;
  std::string TypeName;              // the measurement type's name
  const TDataArr* Points = nullptr;  // displayed points
  const TPeaks* Peaks = nullptr;     // with fresh values
};

struct TDataTableOptions {
  bool DatabaseNumbers = true;
  bool Comments = true;
  bool MeasurementType = true;
  int CalcType = 1;  // the experiment's peak calculation type
  // Captions of the columns, in the selected language.
  std::string DatabaseCaption;
  std::string CommentsCaption;
  std::string TypeCaption;
  std::string UnitWord;  // the unit of CalcType's values
};

// The data table of an experiment's curves: the optional columns, then one
// column per element (the peak names in order of first appearance),
// captioned "name, unit". One row per curve; an element cell holds the
// curve's peak value by the experiment's calculation type, or "-" when the
// curve has no such peak. Element columns are at least as wide as "0.0000".
TTextTable BuildDataTable(const std::vector<TDataTableCurve>& curves, const TDataTableOptions& options);

}  // namespace velmora
