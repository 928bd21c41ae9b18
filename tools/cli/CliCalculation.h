#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "TCalculator.h"
#include "TConcCalculation.h"
#include "TCustomMethod.h"
#include "TNodeForest.h"

namespace velmora {

class JsonWriter;
class TCalibrationsDB;
class TVAStruct;

// The concentration calculation of one document as velmora-cli runs it:
// the document loaded, every root node shown, the custom methods and (for
// "By calibration") the calibrations of the data folder, the method chosen
// or taken from the curves, and the results computed. The calc and report
// commands share it, so both give the same results for a document.
class CliCalculation {
 public:
  CliCalculation();
  ~CliCalculation();
  CliCalculation(const CliCalculation&) = delete;
  CliCalculation& operator=(const CliCalculation&) = delete;

  // Loads `file` and computes. Returns 0, or the exit status after one
  // line on `err` (1: the input cannot be used). `command` prefixes the
  // messages ("calc", "report").
  int Run(const std::string& command, const std::string& file, bool haveMethod, int method, const std::string& dataDir,
          std::ostream& err);

  TNodeForest& forest() { return forest_; }
  TConcCalculation& calc() { return calc_; }
  const std::vector<TVAStruct*>& curves() const { return curves_; }
  int method() const { return method_; }
  // The calibrations database opened for "By calibration", or null.
  TCalibrationsDB* calibrations() const { return calibrations_.get(); }

  // A concentration unit as text, "mg/dm3" ("?" for an unset unit).
  static std::string UnitText(std::int32_t top, std::int32_t bottom);
  // Names the units of the results as the calculation window shows them:
  // "ResUnitTop", "ResUnitBottom", "RecalcUnitTop", "RecalcUnitBottom"
  // (indices into the unit list, -1 unset), "CellUnit" (the unit of
  // CellResult) and "SampleUnit" (of SampleResult: the sample units, or
  // "cm2/s" for the diffusion coefficients of the calibration-curve method).
  static void WriteUnits(JsonWriter& json, int method, int calibrationType, std::int32_t resTop, std::int32_t resBottom,
                         std::int32_t recalcTop, std::int32_t recalcBottom);

 private:
  TNodeForest forest_;
  TCustomMethodArr customMethods_;
  TCalculator calculator_;
  TConcCalculation calc_;
  std::unique_ptr<TCalibrationsDB> calibrations_;
  std::vector<TVAStruct*> curves_;
  int method_ = 0;
};

}  // namespace velmora
