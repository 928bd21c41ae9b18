#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "FormulaText.h"
#include "Messages.h"
#include "TCalculator.h"

using namespace velmora;

namespace {

double eval(TCalculator& calc, const std::string& formula) {
  EXPECT_TRUE(calc.Check(formula)) << formula;
  return calc.Evaluate(formula);
}

std::string firstError(const TCalculator& calc) { return calc.Errors().empty() ? "" : calc.Errors().front().text(); }

}  // namespace

TEST(Calculator, BuiltinTableHasEighteenVariablesInOrder) {
  TCalculator calc;
  ASSERT_EQ(calc.Vars().size(), 18u);
  EXPECT_EQ(calc.Vars()[0].Name, "IB");
  EXPECT_EQ(calc.Vars()[0].Comment, "Supporting electrolyte current");
  EXPECT_EQ(calc.Vars()[9].Name, "VAL");
  EXPECT_EQ(calc.Vars()[9].Comment, "Aliquot volume, cm^3^");
  EXPECT_EQ(calc.Vars()[17].Name, "VR");
  for (const TCalcVar& v : calc.Vars()) EXPECT_EQ(v.Value, 0.0);
  EXPECT_EQ(TCalculator::FindBuiltinVar("val"), 9);
  EXPECT_EQ(TCalculator::FindBuiltinVar("k"), -1);

  TCalculator::ReloadBuiltinComments([](const char* text) { return std::string("[") + text + "]"; });
  EXPECT_EQ(TCalculator::BuiltinVars()[1].Comment, "[Analyte current]");
  TCalculator fresh;
  EXPECT_EQ(fresh.Vars()[1].Comment, "[Analyte current]");
  TCalculator::ReloadBuiltinComments();
  EXPECT_EQ(TCalculator::BuiltinVars()[1].Comment, "Analyte current");
}

TEST(Calculator, PrecedenceGroupingAndSigns) {
  TCalculator calc;
  EXPECT_EQ(eval(calc, ""), 0.0);
  EXPECT_TRUE(calc.Errors().empty());
  EXPECT_EQ(eval(calc, "-5"), -5.0);
  EXPECT_EQ(eval(calc, "10-2-3"), 5.0);
  EXPECT_EQ(eval(calc, "8/2/2"), 2.0);
  EXPECT_EQ(eval(calc, "2*(3+4)"), 14.0);
  EXPECT_EQ(eval(calc, "(1+2)*(3+4)"), 21.0);
  EXPECT_EQ(eval(calc, "12/3*2"), 8.0);
  EXPECT_EQ(eval(calc, "2+3*4-6/2"), 11.0);
  EXPECT_EQ(eval(calc, "((((7))))"), 7.0);
  EXPECT_EQ(eval(calc, "1e3"), 1000.0);
  EXPECT_EQ(eval(calc, "1.5E2+.5"), 150.5);
  // A sign is an empty left operand; after another operator it belongs to
  // the operand that follows.
  EXPECT_EQ(eval(calc, "-2*3"), -6.0);
  EXPECT_EQ(eval(calc, "+4"), 4.0);
  EXPECT_EQ(eval(calc, "2*-3"), -6.0);
  EXPECT_EQ(eval(calc, "2*-3+1"), -5.0);
  EXPECT_EQ(eval(calc, "6/-2/3"), -1.0);
  EXPECT_EQ(eval(calc, "10--2"), 12.0);
  EXPECT_EQ(eval(calc, "2*--3"), 6.0);
  EXPECT_EQ(eval(calc, "2 * - 3"), -6.0);
  EXPECT_EQ(eval(calc, "-(2+3)*2"), -10.0);
  // Blanks around operands and groups are ignored.
  EXPECT_EQ(eval(calc, " 2 * ( 3 + 4 ) "), 14.0);
  EXPECT_TRUE(calc.Errors().empty());
}

TEST(Calculator, VariablesAreFoundWithoutRegardToCaseAndRecordedOnceInOrder) {
  TCalculator calc;
  calc.Vars()[1].Value = 4.0;  // I0
  calc.Vars()[0].Value = 1.0;  // IB
  calc.AddVar();
  calc.Vars()[18] = {"Коэф", "", 0.5};
  EXPECT_EQ(eval(calc, "i0+ib*I0-коэф"), 7.5);
  EXPECT_EQ(calc.Used(), (TIntArr{1, 0, 18}));
  ASSERT_TRUE(calc.Check("ib+I0+IB"));
  EXPECT_EQ(calc.Used(), (TIntArr{0, 1}));
  EXPECT_EQ(calc.FindVar("КОЭФ"), 18);
  EXPECT_EQ(calc.FindVar("nothing"), -1);
}

TEST(Calculator, CheckReportsUnknownNamesAndBadUserVariables) {
  TCalculator calc;
  EXPECT_FALSE(calc.Check("I0*X2+1e-3"));
  ASSERT_EQ(calc.Errors().size(), 2u);
  EXPECT_EQ(calc.Errors()[0].text(), "Unknown variable 'X2'");
  EXPECT_EQ(calc.Errors()[1].text(), "Unknown variable '1e'");

  calc.AddVar();  // row 19: empty name
  calc.AddVar();
  calc.Vars()[19].Name = "12";
  calc.AddVar();
  calc.Vars()[20].Name = "1.5";
  calc.AddVar();
  calc.Vars()[21].Name = "val";
  calc.AddVar();
  calc.Vars()[22].Name = "k";
  calc.AddVar();
  calc.Vars()[23].Name = "K";
  calc.AddVar();
  calc.Vars()[24].Name = "k";
  EXPECT_FALSE(calc.Check("1"));
  const TErrArr expected = {{"19", msg::CalcEmptyVariableName},    {"20", msg::CalcNameOnlyDigits},
                            {"21", msg::CalcNameOnlyDigits},       {"val", msg::CalcDuplicateVariableName},
                            {"K", msg::CalcDuplicateVariableName}, {"k", msg::CalcDuplicateVariableName},
                            {"k", msg::CalcDuplicateVariableName}};
  EXPECT_EQ(calc.Errors(), expected);
  EXPECT_EQ(calc.Errors()[1].text(), "The variable name can not consist only of digits '20'");
}

TEST(Calculator, DivisionByZeroCountsAsZeroAndEvaluationGoesOn) {
  TCalculator calc;
  calc.AddVar();
  calc.Vars()[18] = {"X", "", 6.0};
  EXPECT_EQ(eval(calc, "X/0"), 0.0);
  EXPECT_EQ(firstError(calc), "Division by zero '0'");
  EXPECT_EQ(eval(calc, "X/(1-1)"), 0.0);
  EXPECT_EQ(firstError(calc), "Division by zero '(1-1)'");
  EXPECT_EQ(eval(calc, "X/0+X/2"), 3.0);
  ASSERT_EQ(calc.Errors().size(), 1u);
  // The dividend of a failed division is never evaluated.
  ASSERT_TRUE(calc.Check("I0/IB"));
  calc.Evaluate("I0/IB");
  EXPECT_EQ(calc.Used(), (TIntArr{1, 0}));
}

TEST(Calculator, UnbalancedParenthesesPassCheckButFailEvaluation) {
  TCalculator calc;
  EXPECT_TRUE(calc.Check("(2+3"));
  EXPECT_EQ(calc.Evaluate("(2+3"), -1.0);
  EXPECT_EQ(firstError(calc), "Unknown variable '(2+3'");
  // Text after the matching ")" is ignored, as is a missing operator.
  EXPECT_EQ(eval(calc, "(4)5"), 4.0);
  EXPECT_EQ(eval(calc, "()"), 0.0);
  EXPECT_TRUE(calc.Check("2)+(3"));
  calc.Evaluate("2)+(3");
  EXPECT_FALSE(calc.Errors().empty());
}

TEST(Calculator, HostileAndLongFormulasAreSafe) {
  TCalculator calc;
  const std::string open(100000, '(');
  EXPECT_TRUE(calc.Check(open));
  calc.Evaluate(open);  // no matching ")": an unknown operand, no crash
  EXPECT_EQ(calc.Errors().size(), 1u);

  std::string nested = std::string(127, '(') + "1" + std::string(127, ')');
  EXPECT_EQ(eval(calc, nested), 1.0);
  const std::string deep = std::string(50000, '(') + "1" + std::string(50000, ')');
  EXPECT_TRUE(calc.Check(deep));
  calc.Evaluate(deep);  // cut at 255 characters: unbalanced, reported

  // A formula is cut at 255 characters: the 256th term is dropped.
  std::string sum = "1";
  for (int i = 0; i < 200; ++i) sum += "+1";
  EXPECT_EQ(eval(calc, sum), 128.0);

  for (const char* junk :
       {"+", "-", "*", "/", "**", "//", "+-*/", ")(", "1..2", "e5", "1e", "\x01\xff", "inf", "nan"}) {
    calc.Check(junk);
    const double v = calc.Evaluate(junk);
    EXPECT_FALSE(std::isnan(v)) << junk;
  }
  EXPECT_FALSE(calc.Check("inf"));
  EXPECT_FALSE(calc.Check("1e999"));
}

TEST(Calculator, VariableTableEditing) {
  TCalculator calc;
  calc.DeleteVar(0);
  calc.DeleteVar(17);
  EXPECT_EQ(calc.Vars().size(), 18u);
  calc.AddVar();
  EXPECT_EQ(calc.Vars()[18], TCalcVar{});
  calc.Vars()[18].Name = "a";
  calc.AddVar();
  calc.Vars()[19].Name = "b";
  calc.DeleteVar(99);
  calc.DeleteVar(18);
  ASSERT_EQ(calc.Vars().size(), 19u);
  EXPECT_EQ(calc.Vars()[18].Name, "b");
  calc.ResetVars();
  EXPECT_EQ(calc.Vars().size(), 18u);
}

TEST(Calculator, BuildAndEvaluateMethod) {
  TCalculator calc;
  calc.AddVar();
  calc.Vars()[18] = {"k", "factor", 2.0};
  TCustomMethod method;
  calc.BuildMethod("I0*k/VAL", method);
  EXPECT_EQ(method.Formula, "I0*k/VAL");
  ASSERT_EQ(method.Vars.size(), 3u);
  EXPECT_EQ(method.Vars[0].Name, "I0");
  EXPECT_EQ(method.Vars[0].Comment, "Analyte current");
  EXPECT_EQ(method.Vars[1], (TCalcVar{"k", "factor", 2.0}));
  EXPECT_EQ(method.Vars[2].Name, "VAL");

  TCustomMethod untouched;
  calc.BuildMethod("I0*nope", untouched);
  EXPECT_EQ(untouched, TCustomMethod{});

  method.Vars[0].Value = 3.0;
  method.Vars[2].Value = 0.5;
  TCalculator other;
  EXPECT_EQ(other.EvaluateMethod(method), 12.0);
  method.Formula = "I0*missing";
  EXPECT_EQ(other.EvaluateMethod(method), -1.0);
  EXPECT_EQ(firstError(other), "Unknown variable 'missing'");

  // The outcome tells a computed value from a failure: a zero divisor is
  // recorded, not a result.
  method.Formula = "I0*k/VAL";
  const TCustomMethodValue good = other.EvaluateMethodValue(method);
  EXPECT_FALSE(good.Failed());
  EXPECT_EQ(good.Value, 12.0);
  method.Vars[2].Value = 0.0;
  const TCustomMethodValue zero = other.EvaluateMethodValue(method);
  ASSERT_TRUE(zero.Failed());
  EXPECT_EQ(zero.Value, -1.0);
  EXPECT_STREQ(zero.Failure, "Division by zero");
  EXPECT_EQ(zero.Token, "VAL");
}

TEST(FormulaTextRules, NumbersAndNames) {
  EXPECT_EQ(FormulaText::ToNumber("12"), 12.0);
  EXPECT_EQ(FormulaText::ToNumber(" 2.5 "), 2.5);
  EXPECT_EQ(FormulaText::ToNumber("5."), 5.0);
  EXPECT_EQ(FormulaText::ToNumber("2e2"), 200.0);
  for (const char* bad : {"", ".", "1,5", "1e", "e1", "0x10", "1e+2", "1 2", "inf", "nan", "1e400"})
    EXPECT_FALSE(FormulaText::ToNumber(bad)) << bad;
  EXPECT_TRUE(FormulaText::SameName("Ёлка", "ёЛКА"));
  EXPECT_TRUE(FormulaText::SameName("Val", "vAL"));
  EXPECT_FALSE(FormulaText::SameName("Val", "Va"));
  EXPECT_FALSE(FormulaText::SameName("a\xff", "a\xfe"));
  const std::string cyr(300 * 2, '\xd0');  // not valid UTF-8 on its own; cut stays in bounds
  EXPECT_LE(FormulaText::Cut(cyr).size(), cyr.size());
  std::string word;
  for (int i = 0; i < 300; ++i) word += "ж";
  EXPECT_EQ(FormulaText::Cut(word).size(), 255u * 2);
}
