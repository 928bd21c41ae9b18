#include "CalibrationSaver.h"

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "TCalcSerie.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "TVAStruct.h"

namespace velmora {

TSingleCalibration BuildCalibration(const TConcCalculation& calc, std::size_t row,
                                    std::span<TVAStruct* const> checkedCurves, double stamp) {
  const TCalcElement& element = calc.Elements().at(row);
  TSingleCalibration c;
  c.Name = element.Name;
  c.Stamp = stamp;
  c.CalcType = element.CalcType;
  c.IncludeZeroPoint = calc.IncludeZeroPoint() ? 1 : 0;
  // Standards in one unit keep it; mixed ones go onto the line's axis.
  const bool sameUnits = ConcUnits::IsValid(element.UnitTop) && ConcUnits::IsValid(element.UnitBottom);
  c.UnitTop = sameUnits ? element.UnitTop : TSingleCalibration::kLineUnitTop;
  c.UnitBottom = sameUnits ? element.UnitBottom : TSingleCalibration::kLineUnitBottom;

  TCalibrationCurves onTheFly;
  onTheFly.Name = element.Name;
  onTheFly.IncludeZeroPoint = c.IncludeZeroPoint;
  onTheFly.UnitTop = element.UnitTop;
  onTheFly.UnitBottom = element.UnitBottom;
  onTheFly.CalcType = element.CalcType;
  onTheFly.Curves = calc.Curves();
  TCalcSerie serie;
  serie.FillCalibration(onTheFly, TSingleCalibration::kLineUnitTop, CalcMethods::kAbscissaConcentration,
                        TSingleCalibration::kLineUnitBottom);
  c.Intercept = serie.Intercept;
  // Standards that all give one signal leave rounding noise as the slope:
  // no line to read concentrations from.
  c.Slope = TRegressionFigures::NegligibleSlope(serie.Points, serie.Slope) ? 0.0 : serie.Slope;
  c.R2 = serie.R2;

  if (c.IncludeZeroPoint) c.Points.push_back({0.0, 0.0});
  for (TVAStruct* curve : checkedCurves) {
    const std::int32_t index = curve->FindPeak(element.Name);
    if (index < 0) continue;
    const TPeakRecord peak = curve->GetPeak(index);
    if (peak.GridValue == -1.0) continue;
    const double x = ConcUnits::Convert(peak.UnitTop, peak.UnitBottom, c.UnitTop, c.UnitBottom, peak.GridValue);
    if (x == -1.0) continue;
    c.Points.push_back({x, peak.PeakValue});
    c.Curves.emplace_back(curve, [](TVAStruct*) {});  // not owned: the database keeps its own copies
  }
  c.Loaded = true;
  return c;
}

std::vector<TSingleCalibration> SaveCalibrations(const TConcCalculation& calc,
                                                 std::span<TVAStruct* const> checkedCurves, TCalibrationsDB& db,
                                                 double stamp) {
  std::vector<TSingleCalibration> saved;
  for (std::size_t row = 0; row < calc.Elements().size(); ++row)
    saved.push_back(db.AddCalibration(BuildCalibration(calc, row, checkedCurves, stamp)));
  return saved;
}

}  // namespace velmora
