#include "CalibrationDocument.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ConcUnits.h"
#include "DataTable.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Numbers.h"
#include "PeakFormat.h"
#include "PeakValue.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// A figure of merit with four significant digits and its unit, "?" when
// it cannot be computed (the Calibrations window shows them so).
std::string Figure(double value, const std::string& unit) {
  if (value < 0.0 || !std::isfinite(value)) return "?";
  return NumberFormat::UnicodeText(NumberFormat::WithUnit(NumberFormat::Significant(value, 4), unit));
}

// The record parameters of a curve as a two-column table.
TTextTable ParametersTable(const TVAStruct& curve, const TCalibrationPrintTexts& texts) {
  TTextTable t;
  for (const TPropertyRow& row : curve.PropertyRows())
    t.Rows.push_back({texts.Translate(row.Property), texts.Translate(row.Value)});
  return t;
}

// The standards' values of the calibration's element, measured by its
// calculation type (each peak's own type when the standards were mixed).
TTextTable StandardsTable(const TSingleCalibration& c, const TCalibrationPrintOptions& o,
                          const TCalibrationPrintTexts& texts) {
  std::vector<TDataArr> points;
  std::vector<TPeaks> peaks;
  points.reserve(c.Curves.size());
  peaks.reserve(c.Curves.size());
  const int tableType = c.CalcType >= 0 ? c.CalcType : CalcByHeight;
  for (const auto& curve : c.Curves) {
    if (!curve) continue;
    points.push_back(curve->DisplayData());
    TPeaks own;
    for (const TPeakRecord& p : curve->GetPeaks()) {
      if (p.Name != c.Name) continue;
      TPeakRecord copy = p;
      if (c.CalcType >= 0 && copy.CalcType != c.CalcType) {
        copy.CalcType = c.CalcType;
        CalcPeakValue(points.back(), nullptr, copy);
      }
      // Values are final here: the table takes them as they stand.
      copy.CalcType = tableType;
      own.push_back(copy);
    }
    peaks.push_back(std::move(own));
  }
  std::vector<TDataTableCurve> rows;
  std::size_t k = 0;
  for (const auto& curve : c.Curves) {
    if (!curve) continue;
    rows.push_back({curve->DatabaseName, curve->Params.Comments(), std::string(), &points[k], &peaks[k]});
    ++k;
  }
  TDataTableOptions options;
  options.DatabaseNumbers = o.DatabaseNumbers;
  options.Comments = o.Comments;
  options.MeasurementType = false;
  options.CalcType = tableType;
  options.DatabaseCaption = texts.Translate(Message(msg::PrintCalibrationDatabaseNumber));
  options.CommentsCaption = texts.Translate(Message(msg::PrintCalibrationComments));
  const char* unit = c.CalcType >= 0 ? CalcTypeUnit(c.CalcType) : nullptr;
  options.UnitWord = unit ? texts.Translate(Message(unit)) : std::string();
  return BuildDataTable(rows, options);
}

}  // namespace

int CalibrationDiagramChart(std::size_t calibration) { return 1 + 2 * static_cast<int>(calibration); }
int CalibrationLineChart(std::size_t calibration) { return 2 + 2 * static_cast<int>(calibration); }

bool DecodeCalibrationChart(int chart, std::size_t& calibration, bool& lineChart) {
  if (chart < 1) return false;
  calibration = static_cast<std::size_t>((chart - 1) / 2);
  lineChart = (chart - 1) % 2 == 1;
  return true;
}

std::string WithoutCarets(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '^'), text.end());
  return text;
}

TPrintDocument BuildCalibrationDocument(std::span<const TSingleCalibration> calibrations,
                                        const TCalibrationPrintOptions& o, const TCalibrationPrintTexts& texts) {
  TPrintDocument doc;
  if (calibrations.empty()) return doc;
  const auto& tr = texts.Translate;
  doc.push_back(TPrintBlock::Heading(tr(Message(msg::PrintCalibrationCurve)), true));
  doc.push_back(TPrintBlock::TextLine(tr(Message(msg::PrintCalibrationReportDate, {texts.ReportDate})), 0, true));
  // The equation lines count as a part of their own: ticking only them
  // prints every calibration's element, date and line.
  if (!(o.RecordParameters || o.Diagram || o.InitialDataTable || o.CalcChart || o.Equation)) return doc;
  for (std::size_t i = 0; i < calibrations.size(); ++i) {
    const TSingleCalibration& c = calibrations[i];
    doc.push_back(TPrintBlock::Heading(tr(Message(msg::PrintCalibrationElement, {c.Name})), true));
    doc.push_back(TPrintBlock::TextLine(tr(Message(msg::PrintCalibrationDate, {texts.StampText(c.Stamp)})), 0, true));
    const TVAStruct* first = c.Curves.empty() ? nullptr : c.Curves.front().get();
    if (o.RecordParameters && first) {
      TTextTable params = ParametersTable(*first, texts);
      if (!params.Rows.empty()) doc.push_back(TPrintBlock::TableOf(std::move(params)));
    }
    if (o.Diagram && !c.Curves.empty())
      doc.push_back(TPrintBlock::ChartOf(CalibrationDiagramChart(i), o.DiagramHeightMm));
    if (o.InitialDataTable && !c.Curves.empty()) doc.push_back(TPrintBlock::TableOf(StandardsTable(c, o, texts)));
    if (o.CalcChart) {
      doc.push_back(TPrintBlock::CalcChartOf(tr(Message(msg::PrintCalibrationCalcChart)), CalibrationLineChart(i),
                                             o.CalcChartHeightMm));
    }
    if (o.Equation) {
      doc.push_back(TPrintBlock::TextLine(tr(Message(msg::PrintCalibrationR2, {c.Name, FormatDecimals(c.R2, 4)}))));
      doc.push_back(TPrintBlock::TextLine(tr(
          Message(msg::PrintCalibrationLine, {c.Name, FormatDecimals(c.Intercept, 5), FormatDecimals(c.Slope, 5)}))));
      const TRegressionFigures f = c.Figures();
      // s(y/x) in the signal's unit, the limits on the line's axis.
      const char* signal = CalcTypeUnit(c.CalcType);
      const std::string concentration = tr(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitTop))) + "/" +
                                        tr(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitBottom)));
      doc.push_back(TPrintBlock::TextLine(
          tr(Message(msg::PrintCalibrationFigures,
                     {Figure(f.Syx, signal ? tr(Message(signal)) : std::string()), Figure(f.Lod(), concentration),
                      Figure(f.Loq(), concentration), std::to_string(f.N)}))));
    }
  }
  return doc;
}

std::string CalibrationCurveTitle(const TVAStruct& curve, const std::string& element) {
  const std::int32_t index = curve.FindPeak(element);
  if (index < 0) return element;
  const TPeakRecord& p = curve.Peaks[static_cast<std::size_t>(index)];
  return WithoutCarets(Message::substitute(
      "%s %s/%s", {NumberFormat::Exact(p.GridValue), ConcUnits::Caption(p.UnitTop), ConcUnits::Caption(p.UnitBottom)}));
}

TCalibrationChartTitles CalibrationChartTitles(const TSingleCalibration& c, double r2,
                                               const std::function<std::string(const Message&)>& translate) {
  TCalibrationChartTitles t;
  t.Series = translate(Message(msg::PrintCalibrationSeries, {c.Name, FormatDecimals(r2, 4)}));
  t.Bottom =
      WithoutCarets(translate(Message(msg::PrintCalibrationConcentration,
                                      {translate(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitTop))),
                                       translate(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitBottom)))})));
  if (c.CalcType == CalcByHeight || c.CalcType == CalcByMinMax) {
    t.Left = translate(Message(msg::UnitMicroAmpere));
  } else if (c.CalcType == CalcBySquare) {
    t.Left = translate(Message(msg::UnitMicroAmpereMillivolt));
  }
  return t;
}

}  // namespace velmora
