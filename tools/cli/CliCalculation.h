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
