#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "TCustomMethod.h"

namespace velmora {

class TConcCalculation;

// The rows of the calculation parameter list for a method: which volumes,
// physical constants or user variables are asked for, under which caption
// and hint, and whether each entry is usable. No windows.
class CalcParamList {
 public:
  enum class Source : std::uint8_t { Volume, Coefficient, UserVariable };

  struct Row {
    Source source = Source::Volume;
    int index = 0;             // volume or coefficient index
    std::string name;          // user variable name
    const char* caption = "";  // catalogue caption (empty for a user variable)
    std::string ownCaption;    // a user variable's comment, or its name
    const char* hint = "";     // catalogue hint
    double value = -1.0;       // as last shown or entered; -1 is shown as "?"
    bool error = false;        // the entry is not a positive number
  };

  // Builds the rows for the calculation's method, abscissa type, sample
  // unit and shown roles, with the values the curves share.
  void Build(const TConcCalculation& calc);
  // Re-reads the values from the calculation without changing the rows.
  void ReadValues(const TConcCalculation& calc);

  const std::vector<Row>& Rows() const { return rows_; }
  std::vector<Row>& Rows() { return rows_; }
  bool Empty() const { return rows_.empty(); }
  // The list is shown for methods 0-3, 5, custom methods and method 4 with
  // abscissa types 1 and 2.
  static bool Shown(int method, int calibrationType);

  // Error flags from the typed texts (one per row, read with ReadNumber and
  // the default -1): a value not above 0 is an error; method 4 has none.
  void SetErrors(int method, const std::vector<std::string>& texts);
  bool AnyError() const;

 private:
  std::vector<Row> rows_;
};

}  // namespace velmora
