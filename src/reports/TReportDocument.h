#pragma once

#include <functional>
#include <string>
#include <vector>

#include "TPrintBlock.h"

namespace velmora {

class TReportRec;

// What the "Report" print-out holds (the check boxes of the print window).
struct TReportPrintOptions {
  bool CalculationChart = true;
  double CalculationChartMm = 80.0;
  bool Diagram = true;
  double DiagramMm = 80.0;
  bool ResultsTable = true;
  bool InitialDataTable = true;
  bool DatabaseNumbers = true;
  bool Comments = true;
  bool MeasurementType = true;
  bool RecordParameters = true;
  bool ResultCalculationData = true;
  bool Notes = true;
};

// A chart of the printed report: the curves of an experiment ("Diagram")
// or its calculation chart (the regression, or the calibration lines of
// the method "By calibration" with the sample's reading).
struct TReportChartRef {
  enum class Kind { Curves, Calculation };
  Kind ChartKind = Kind::Curves;
  std::size_t Experiment = 0;
};

// The printed report as page-layout blocks: the print window and the
// command line lay the same report out from the same blocks. Chart number
// i + 1 of the blocks is Charts[i].
struct TReportDocument {
  TPrintDocument Blocks;
  std::vector<TReportChartRef> Charts;

  using TTranslate = std::function<std::string(const char*)>;
  // `date` is the printed "Report date"; the report's table is rebuilt
  // (which refreshes its means and limits). Nothing for an empty report.
  static TReportDocument Build(TReportRec& report, const TReportPrintOptions& options, const std::string& date,
                               const TTranslate& translate = {});
  // The results table: the captions above the table rows.
  static TTextTable ResultsTable(TReportRec& report);
  static std::vector<std::string> NoteLines(const TTranslate& translate = {});
};

}  // namespace velmora
