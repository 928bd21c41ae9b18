#include "ArchiveRows.h"

#include <cmath>
#include <filesystem>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "DateTime.h"
#include "TConcCalculation.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

std::string TwoDigits(int v) {
  return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10);
}

// The factor from the cell result to the sample result (the recalculation
// is linear in the cell concentration); 0 when there is none.
double SampleFactor(const TCalcElement& e) {
  if (!(e.CellResult > 0.0) || !(e.SampleResult > 0.0)) return 0.0;
  const double f = e.SampleResult / e.CellResult;
  return std::isfinite(f) ? f : 0.0;
}

}  // namespace

std::string ArchiveRows::PlainCaption(const std::string& caption) {
  std::string out;
  bool superscript = false;
  for (char c : caption) {
    if (c == '^') {
      superscript = !superscript;
      continue;
    }
    if (superscript && c == '2') {
      out += "\xC2\xB2";
    } else if (superscript && c == '3') {
      out += "\xC2\xB3";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ArchiveRows::UnitText(std::int32_t top, std::int32_t bottom) {
  return PlainCaption(std::string(ConcUnits::Caption(top)) + "/" + ConcUnits::Caption(bottom));
}

bool ArchiveRows::Simulated(std::span<TVAStruct* const> curves) {
  const std::string mark = TRecordPlacement::SimulatedMark;
  for (const TVAStruct* c : curves)
    if (c && c->Params.Comments().rfind(mark, 0) == 0) return true;
  return false;
}

std::string ArchiveRows::CalibrationText(const TSingleCalibration& c) {
  if (c.Name.empty()) return {};
  std::string text = c.Name;
  if (c.Stamp > 0.0) {
    const DateTime::Parts p = DateTime::split(c.Stamp);
    text += " " + std::to_string(p.year) + "-" + TwoDigits(p.month) + "-" + TwoDigits(p.day) + " " + TwoDigits(p.hour) +
            ":" + TwoDigits(p.minute);
  }
  if (!c.Title.empty()) text += " \"" + c.Title + "\"";
  if (!c.FileName.empty()) text += " (" + std::filesystem::path(c.FileName).filename().string() + ")";
  return text;
}

std::vector<ArchiveRow> ArchiveRows::FromCalculation(const TConcCalculation& calc, const Origin& origin,
                                                     const CalibrationSource& calibrations) {
  std::vector<ArchiveRow> rows;
  const int method = calc.Method();
  if (method < 0 || !calc.RequirementsMet()) return rows;
  const TConcParams& params = calc.Params();
  const std::string unit = method == CalcMethods::kCalibrationCurve
                               ? PlainCaption("cm^2^/s")
                               : UnitText(params.RecalcUnitTop, params.RecalcUnitBottom);
  const std::vector<TVAStruct*>& used = calc.UsedCurves().empty() ? calc.Curves() : calc.UsedCurves();
  const bool simulated = Simulated(used);
  std::string curves;
  for (const TVAStruct* c : used)
    if (c && !c->DatabaseName.empty()) curves += (curves.empty() ? "" : ", ") + c->DatabaseName;
  for (const TCalcElement& e : calc.Elements()) {
    if (!(e.SampleResult > 0.0) || !std::isfinite(e.SampleResult)) continue;
    ArchiveRow row;
    row.Sample = origin.Control.empty() ? origin.Sample : std::string();
    row.Control = origin.Control;
    row.Element = e.Name;
    row.Value = e.SampleResult;
    row.Unit = unit;
    row.Method = method;
    row.Document = origin.Document;
    row.DocumentSha256 = origin.DocumentSha256;
    row.Curves = curves;
    row.Operator = origin.Operator;
    row.Workstation = origin.Workstation;
    row.TimeMs = origin.TimeMs;
    row.Simulated = simulated;
    const double factor = SampleFactor(e);
    if (e.Uncertainty > 0.0 && factor > 0.0) row.Uncertainty = e.Uncertainty * factor;
    if (method == CalcMethods::kByCalibration && calibrations) {
      const TSingleCalibration c = calibrations(e.Name);
      row.Calibration = CalibrationText(c);
      const double lod = c.Name.empty() ? -1.0 : c.Figures().Lod();
      // The limit is read on the line's axis, in the cell; it goes to the
      // sample as the result does.
      const double cellLod =
          lod > 0.0 ? ConcUnits::Convert(TSingleCalibration::kLineUnitTop, TSingleCalibration::kLineUnitBottom,
                                         params.ResUnitTop, params.ResUnitBottom, lod)
                    : -1.0;
      if (cellLod > 0.0 && factor > 0.0 && std::isfinite(cellLod * factor)) row.Lod = cellLod * factor;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace velmora
