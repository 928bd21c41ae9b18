#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>

#include "Message.h"
#include "TPrintBlock.h"
#include "TSingleCalibration.h"

namespace velmora {

class TVAStruct;

// What the print window's "Calibration" choice prints of each calibration.
struct TCalibrationPrintOptions {
  bool RecordParameters = true;  // the record parameters of its first curve
  bool Diagram = true;           // the standards' curves
  bool InitialDataTable = true;  // the standards' peak values
  bool CalcChart = true;         // the calibration line
  bool Equation = true;          // R², the line and its figures of merit
  bool DatabaseNumbers = true;   // columns of the data table
  bool Comments = true;
  double DiagramHeightMm = 80.0;
  double CalcChartHeightMm = 80.0;
};

// Texts the window hands in: the catalogue translated into the selected
// language, the date of the report and the calibrations' stamps as dates.
struct TCalibrationPrintTexts {
  std::function<std::string(const Message&)> Translate = [](const Message& m) { return m.format(); };
  std::string ReportDate;
  std::function<std::string(double stamp)> StampText = [](double) { return std::string(); };
};

// The chart numbers of a calibration document: the curve chart and the
// calibration chart of calibration i. The main chart keeps number 0.
int CalibrationDiagramChart(std::size_t calibration);
int CalibrationLineChart(std::size_t calibration);
// The calibration and kind of a chart number; false for other numbers.
bool DecodeCalibrationChart(int chart, std::size_t& calibration, bool& lineChart);

// The pages of the calibrations: the title and the report date, then per
// calibration its element and date and, by the options, the record
// parameters, the curve chart, the data table (without the measurement
// type), the calibration chart and the equation lines with s(y/x), LOD and
// LOQ. Nothing per calibration when every one of those options is off;
// nothing at all without calibrations.
TPrintDocument BuildCalibrationDocument(std::span<const TSingleCalibration> calibrations,
                                        const TCalibrationPrintOptions& options, const TCalibrationPrintTexts& texts);

// The legend title of a standard's curve on the curve chart: its
// concentration of `element` and that peak's units ("0.5 mg/dm3"); the
// element name alone when the curve holds no such peak.
std::string CalibrationCurveTitle(const TVAStruct& curve, const std::string& element);

// The titles of a calibration chart: the series "Pb R2=0.9987", the
// concentration axis in mg/dm³ (the axis the stored line refers to) and
// the signal axis by the calculation type ("µA", "µA*mV" or none).
struct TCalibrationChartTitles {
  std::string Series;
  std::string Bottom;
  std::string Left;
};
TCalibrationChartTitles CalibrationChartTitles(const TSingleCalibration& calibration, double r2,
                                               const std::function<std::string(const Message&)>& translate);

// Caption markup carets removed, for chart titles that do not use it.
std::string WithoutCarets(std::string text);

}  // namespace velmora
