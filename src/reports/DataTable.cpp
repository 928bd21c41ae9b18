#include "DataTable.h"

#include <algorithm>

#include "PeakFormat.h"
#include "PeakMarkGeometry.h"
#include "PeakValue.h"

namespace velmora {

TTextTable BuildDataTable(const std::vector<TDataTableCurve>& curves, const TDataTableOptions& options) {
  std::vector<std::string> elements;
  for (const TDataTableCurve& c : curves) {
    if (!c.Peaks) continue;
    for (const TPeakRecord& p : *c.Peaks) {
      if (std::find(elements.begin(), elements.end(), p.Name) == elements.end()) elements.push_back(p.Name);
    }
  }
  TTextTable t;
  std::vector<std::string> header;
  if (options.DatabaseNumbers) header.push_back(options.DatabaseCaption);
  if (options.Comments) header.push_back(options.CommentsCaption);
  if (options.MeasurementType) header.push_back(options.TypeCaption);
  t.MinWidthText.assign(header.size(), std::string());
  for (const std::string& e : elements) {
    header.push_back(e + ", " + options.UnitWord);
    t.MinWidthText.push_back("0.0000");
  }
  t.Rows.push_back(std::move(header));
  for (const TDataTableCurve& c : curves) {
    std::vector<std::string> row;
    if (options.DatabaseNumbers) row.push_back(c.DatabaseName);
    if (options.Comments) row.push_back(c.Comment);
    if (options.MeasurementType) row.push_back(c.TypeName);
    for (const std::string& e : elements) {
      const TPeakRecord* p = c.Peaks ? FindPeakByName(*c.Peaks, e) : nullptr;
      if (!p) {
        row.emplace_back("-");
        continue;
      }
      double value = p->PeakValue;
      if (p->CalcType != options.CalcType && c.Points) {
        // Measured the experiment's way for the table; the curve keeps its own type.
        TPeakRecord copy = *p;
        copy.CalcType = options.CalcType;
        value = CalcPeakValue(*c.Points, nullptr, copy);
      }
      row.push_back(FormatPeakValue(value));
    }
    t.Rows.push_back(std::move(row));
  }
  return t;
}

}  // namespace velmora
