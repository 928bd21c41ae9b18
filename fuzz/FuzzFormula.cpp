#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FormulaText.h"
#include "FuzzInput.h"
#include "TCalculator.h"
#include "TCustomMethod.h"

// Checks and evaluates a formula as the equation editor and the
// calculation do. The input's lines before the last define user variables
// ("name=value", the value as typed); the last line is the formula.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto lines = velmora::fuzz::Split(input, "\n");
  velmora::TCalculator calculator;
  for (std::size_t i = 0; i + 1 < lines.size() && i < 64; ++i) {
    const std::string_view line = lines[i];
    const std::size_t eq = line.find('=');
    calculator.AddVar();
    velmora::TCalcVar& var = calculator.Vars().back();
    var.Name = velmora::FormulaText::Cut(line.substr(0, eq));
    if (eq != std::string_view::npos) var.Value = velmora::FormulaText::ToNumber(line.substr(eq + 1)).value_or(0.0);
  }
  const std::string_view formula = lines.back();
  (void)calculator.Check(formula);
  (void)calculator.Evaluate(formula);
  velmora::TCustomMethod method;
  calculator.BuildMethod(formula, method);
  (void)calculator.EvaluateMethodValue(method);
  (void)velmora::FormulaText::ToNumber(formula);
  (void)velmora::FormulaText::SameName(formula, lines.front());
  return 0;
}
