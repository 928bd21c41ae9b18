#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "Message.h"
#include "TCalcVar.h"
#include "TMethodStat.h"
#include "TPrintBlock.h"
#include "TSingleCalibration.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;
class TVAStruct;

// How the last table build judged an element's spread.
enum class TReportVerdict {
  None,          // no statistics, fewer than two results, or no result
  Within,        // spread within the allowed limit
  Exceeds,       // spread beyond the allowed limit
  BelowLimit,    // mean below the limit of determination
  AboveMaximum,  // mean above the maximum detectable concentration
  NotFound,      // the statistics record has no such element
  Incompatible,  // units of report and statistics are of different kinds
  CellUnknown,   // statistics of cell concentrations, none known
};

// "Within", "Exceeds", "BelowLimit", "AboveMaximum", "NotFound",
// "Incompatible", "CellUnknown" or "None".
const char* VerdictName(TReportVerdict verdict);

// One element of a report: per experiment its concentration in the sample
// (Results) and in the cell (CellValues), base units, -1 when missing.
struct TReportElementRec {
  std::string Name;
  double Limit = -1.0;     // r of the last table build; -1 none (not stored)
  double Mean = -1.0;      // X_med in the display units of the last table build; -1 none
  double CellMean = -1.0;  // mean cell concentration, base units (not stored)
  std::int32_t Delta = 0;  // δ in whole percent; 0 none
  double Spread = -1.0;    // X_max - X_min of the last table build (display units); -1 none (not stored)
  TReportVerdict Verdict = TReportVerdict::None;  // of the last table build (not stored)
  std::vector<double> CellValues;
  std::vector<double> Results;
};

using TReportElementArr = std::vector<TReportElementRec>;

// One element's result as the calculation handed it in.
struct TExpElementResult {
  std::string Name;
  double SampleResult = -1.0;  // in the experiment's sample-result units
  double CellResult = -1.0;    // already in base units
};

// One experiment of a report: the calculation of one document.
struct TExpRec {
  std::string Name;     // full path of the document
  std::string Comment;  // "Sample n" when added; the column caption in print
  std::int32_t ResUnitTop = -1;
  std::int32_t ResUnitBottom = -1;
  std::int32_t RecalcUnitTop = -1;
  std::int32_t RecalcUnitBottom = -1;
  std::int32_t PeakCalcType = 1;
  double AliquotVolume = 0.0;
  double CellVolume = 0.0;
  double DilutionFactor = 0.0;
  double SampleMass = 0.0;
  double PreparedVolume = 0.0;
  TVarsArr Vars;
  std::vector<TExpElementResult> ElementResults;  // not stored
  // The curves the calculation used. In a report: free-standing detached
  // copies owned by the report.
  std::vector<std::shared_ptr<TVAStruct>> Curves;
  std::int32_t CalcMethod = 0;
  // Method "By calibration": the active calibration of every element.
  std::vector<TSingleCalibration> Calibrations;
  // Notes on the recordings (the measurement wizard's checks), as shown.
  std::vector<std::string> Notes;
};

using TExpRecArr = std::vector<TExpRec>;

// The current report: experiments added from the calculation window, the
// results of every element over them, their mean and spread judged against
// a statistics record, and the report file.
class TReportRec {
 public:
  // Texts of the catalogue are passed through this (the windows translate).
  using TTranslate = std::function<std::string(const char*)>;

  // Limits no real report reaches; a file that claims more is damaged.
  static constexpr std::size_t kMaxExperiments = 10000;
  static constexpr std::size_t kMaxElements = 10000;
  static constexpr std::size_t kMaxCurves = 100000;
  static constexpr std::size_t kMaxVars = 10000;

  TReportRec();
  ~TReportRec();
  TReportRec(const TReportRec&) = delete;
  TReportRec& operator=(const TReportRec&) = delete;

  std::string Title;
  TReportElementArr Elements;
  TExpRecArr Experiments;
  std::int32_t UnitTop = -1;
  std::int32_t UnitBottom = -1;
  std::int32_t NativeUnitTop = -1;
  std::int32_t NativeUnitBottom = -1;
  bool Saved = false;
  bool VariablesMode = false;
  TMethodStat Statistics;

  std::function<void(TReportRec&)> OnChange;
  std::function<void(TReportRec&)> OnUnitsChange;
  TTranslate Translate;

  bool Empty() const { return Elements.empty(); }
  void Clear();
  void AddExperiment(const TExpRec& experiment);
  // The unit of entry `index` of the report page's list: mass units when
  // the current unit is one, otherwise volume units.
  void SetUnitTop(int index);
  void SetUnitBottom(int index);
  void SetStatistics(const TMethodStat& record);
  void RemoveElement(int index);
  std::string GetComment(std::size_t experiment) const;
  void SetComment(std::size_t experiment, const std::string& text);
  std::string GetName(std::size_t experiment) const;
  // Replaces an experiment's notes with the messages, translated and filled
  // in; each is cut to kMaxNoteBytes.
  void SetNotes(std::size_t experiment, const std::vector<Message>& notes);
  static constexpr std::size_t kMaxNoteBytes = 4096;
  static constexpr std::size_t kMaxNotes = 1000;
  int FindElement(const std::string& name) const;
  bool HasStatistics() const { return !Statistics.Name.empty(); }

  // The seven column captions (caption markup).
  std::vector<std::string> BuildHeaders() const;
  // Seven columns, one row per element and experiment; updates Limit,
  // Mean, CellMean and (with statistics) Delta of every element.
  std::vector<std::vector<std::string>> BuildTable();
  std::vector<std::string> BuildErrorColumn() const;
  // The experiments' parameters: column 0 the properties, then one column
  // per experiment captioned with its comment.
  TTextTable BuildProperties() const;

  // The report file. Load clears first; throws EFormatError for a damaged
  // file, keeping what was read before the damage.
  void SaveToStream(BinaryWriter& out);
  std::vector<std::uint8_t> Bytes();
  void LoadFromStream(BinaryReader& in);
  void LoadFromBytes(std::span<const std::uint8_t> bytes);

 private:
  std::string tr(const char* text) const;
  std::string unitCaption(std::int32_t unit) const;
  void changed();
  void buildElementRows(TReportElementRec& e, std::size_t& row, std::vector<std::vector<std::string>>& cols);
};

}  // namespace velmora
