#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "TCalcError.h"
#include "TCalcVar.h"
#include "TCustomMethod.h"

namespace velmora {

using TErrArr = std::vector<TCalcError>;
using TIntArr = std::vector<std::int32_t>;

// Checks and evaluates user formulas: numbers, variables, + - * / and
// parentheses. The variable table starts with the 18 built-in variables
// (IB, I0, ... VR) that the concentration calculation fills; user variables
// follow. Findings go to Errors, never to exceptions.
class TCalculator {
 public:
  static constexpr std::size_t kBuiltinCount = 18;

  TCalculator();

  // Replaces the table by a fresh copy of the built-in variables.
  void ResetVars();
  // Appends an empty user variable.
  void AddVar();
  // Removes the variable at `index`; does nothing while the table holds no
  // more than the built-in variables, or for an index out of range.
  void DeleteVar(std::size_t index);
  // The first variable named `name` (without regard to case), or -1.
  int FindVar(std::string_view name) const;

  // True when the user variables are valid and the formula (cut to 255
  // characters) refers only to numbers and known variables. Fills Errors
  // and Used. Parenthesis balance is not checked here.
  bool Check(std::string_view formula);

  // The value of a formula (cut to 255 characters); appends to Errors and
  // Used. A division by zero counts as 0 and is recorded. An operand that
  // is neither a number nor a known variable (possible only with unbalanced
  // parentheses) is recorded and makes the result -1.0, the value that
  // marks a missing result.
  double Evaluate(std::string_view formula);

  // When Check(formula) succeeds, stores the formula and copies of the used
  // variables (in order of first use) into `method`; otherwise leaves it
  // untouched.
  void BuildMethod(std::string_view formula, TCustomMethod& method);

  // Loads the method's variables as the table and evaluates its formula;
  // -1.0 when the formula fails its check.
  double EvaluateMethod(const TCustomMethod& method);
  // EvaluateMethod with its outcome: the first error met (a failed check,
  // a division by zero, an unknown operand) makes it a failure.
  TCustomMethodValue EvaluateMethodValue(const TCustomMethod& method);

  TVarsArr& Vars() { return vars_; }
  const TVarsArr& Vars() const { return vars_; }
  const TErrArr& Errors() const { return errors_; }
  const TIntArr& Used() const { return used_; }

  // The process-wide table of the built-in variables (value 0 each).
  static const TVarsArr& BuiltinVars();
  // Index of `name` among the built-in variables alone, or -1.
  static int FindBuiltinVar(std::string_view name);
  // Reloads the built-in comments in the current language: `translate`
  // receives each catalogue text and returns its translation. Without a
  // function the English texts come back.
  static void ReloadBuiltinComments(const std::function<std::string(const char*)>& translate = {});

 private:
  void addError(const char* message, std::string token);
  void use(std::size_t index);
  double evaluateText(std::string_view text);

  TErrArr errors_;
  TIntArr used_;
  TVarsArr vars_;
};

}  // namespace velmora
