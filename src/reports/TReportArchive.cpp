#include "TReportArchive.h"

#include <cmath>

#include "ConcUnits.h"
#include "TVAStruct.h"

namespace velmora {

std::vector<ArchiveRow> TReportArchive::Rows(const TReportRec& report, const ArchiveRows::Origin& origin,
                                             const Digest& digest) {
  std::vector<ArchiveRow> rows;
  const std::string unit = ArchiveRows::UnitText(report.UnitTop, report.UnitBottom);
  for (std::size_t x = 0; x < report.Experiments.size(); ++x) {
    const TExpRec& experiment = report.Experiments[x];
    std::vector<TVAStruct*> curves;
    std::string names;
    for (const auto& c : experiment.Curves) {
      curves.push_back(c.get());
      if (c && !c->DatabaseName.empty()) names += (names.empty() ? "" : ", ") + c->DatabaseName;
    }
    const bool simulated = ArchiveRows::Simulated(curves);
    const std::string sha = digest ? digest(experiment.Name) : std::string();
    for (const TReportElementRec& element : report.Elements) {
      if (x >= element.Results.size()) continue;
      const double value = ConcUnits::FromBaseUnits(report.UnitTop, report.UnitBottom, element.Results[x]);
      if (!(element.Results[x] > 0.0) || !(value > 0.0) || !std::isfinite(value)) continue;
      ArchiveRow row;
      row.Sample = origin.Control.empty() ? origin.Sample : std::string();
      row.Control = origin.Control;
      row.Element = element.Name;
      row.Value = value;
      row.Unit = unit;
      row.Method = experiment.CalcMethod;
      for (const TSingleCalibration& c : experiment.Calibrations)
        if (c.Name == element.Name) row.Calibration = ArchiveRows::CalibrationText(c);
      row.Document = experiment.Name;
      row.DocumentSha256 = sha;
      row.Curves = names;
      row.Operator = origin.Operator;
      row.Workstation = origin.Workstation;
      row.TimeMs = origin.TimeMs;
      row.Simulated = simulated;
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

}  // namespace velmora
