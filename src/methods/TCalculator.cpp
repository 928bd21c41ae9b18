#include "TCalculator.h"

#include <array>
#include <string>

#include "FormulaText.h"
#include "Messages.h"

namespace velmora {

namespace {

struct BuiltinDef {
  const char* name;
  const char* comment;
};

constexpr std::array<BuiltinDef, TCalculator::kBuiltinCount> kBuiltins = {{
    {"IB", msg::CalcVarIB},
    {"I0", msg::CalcVarI0},
    {"I1", msg::CalcVarI1},
    {"I2", msg::CalcVarI2},
    {"I3", msg::CalcVarI3},
    {"IR", msg::CalcVarIR},
    {"C1", msg::CalcVarC1},
    {"C2", msg::CalcVarC2},
    {"C3", msg::CalcVarC3},
    {"VAL", msg::CalcVarVAL},
    {"D", msg::CalcVarD},
    {"M", msg::CalcVarM},
    {"VM", msg::CalcVarVM},
    {"VC", msg::CalcVarVC},
    {"V1", msg::CalcVarV1},
    {"V2", msg::CalcVarV2},
    {"V3", msg::CalcVarV3},
    {"VR", msg::CalcVarVR},
}};

TVarsArr& builtinTable() {
  static TVarsArr table = [] {
    TVarsArr vars;
    for (const BuiltinDef& def : kBuiltins) vars.push_back({def.name, def.comment, 0.0});
    return vars;
  }();
  return table;
}

bool isDelimiter(char c) { return c == '(' || c == ')' || c == '*' || c == '+' || c == '-' || c == '/'; }

constexpr std::size_t kNone = std::string_view::npos;

bool isOperator(char c) { return c == '*' || c == '+' || c == '-' || c == '/'; }

// The last of `ops` in [b, e) that stands outside all parentheses. With
// `signs`, a + or - that directly follows another operator (blanks aside)
// is the sign of the operand after it, not a place to split: 2*-3 is -6.
std::size_t lastOutside(std::string_view text, std::size_t b, std::size_t e, char op1, char op2, bool signs) {
  std::size_t found = kNone;
  long depth = 0;
  char previous = 0;  // last non-blank character
  for (std::size_t i = b; i < e; ++i) {
    const char c = text[i];
    if (c == '(')
      ++depth;
    else if (c == ')')
      --depth;
    else if (depth == 0 && (c == op1 || c == op2) && !(signs && isOperator(previous)))
      found = i;
    if (c != ' ' && c != '\t') previous = c;
  }
  return found;
}

// The ")" that closes the "(" at `open`, searched before `e`.
std::size_t matchingClose(std::string_view text, std::size_t open, std::size_t e) {
  long depth = 0;
  for (std::size_t i = open; i < e; ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')') {
      if (--depth == 0) return i;
    }
  }
  return kNone;
}

}  // namespace

TCalculator::TCalculator() : vars_(builtinTable()) {}

const TVarsArr& TCalculator::BuiltinVars() { return builtinTable(); }

int TCalculator::FindBuiltinVar(std::string_view name) {
  const TVarsArr& table = builtinTable();
  name = FormulaText::Trim(name);
  for (std::size_t i = 0; i < table.size(); ++i)
    if (FormulaText::SameName(table[i].Name, name)) return static_cast<int>(i);
  return -1;
}

void TCalculator::ReloadBuiltinComments(const std::function<std::string(const char*)>& translate) {
  TVarsArr& table = builtinTable();
  for (std::size_t i = 0; i < kBuiltins.size(); ++i)
    table[i].Comment =
        FormulaText::Cut(translate ? translate(kBuiltins[i].comment) : std::string(kBuiltins[i].comment));
}

void TCalculator::ResetVars() { vars_ = builtinTable(); }

void TCalculator::AddVar() { vars_.push_back(TCalcVar{}); }

void TCalculator::DeleteVar(std::size_t index) {
  if (vars_.size() <= kBuiltinCount || index >= vars_.size()) return;
  vars_.erase(vars_.begin() + static_cast<std::ptrdiff_t>(index));
}

int TCalculator::FindVar(std::string_view name) const {
  name = FormulaText::Trim(name);
  for (std::size_t i = 0; i < vars_.size(); ++i)
    if (FormulaText::SameName(FormulaText::Trim(vars_[i].Name), name)) return static_cast<int>(i);
  return -1;
}

void TCalculator::addError(const char* message, std::string token) {
  errors_.push_back(TCalcError{std::move(token), message});
}

void TCalculator::use(std::size_t index) {
  const auto value = static_cast<std::int32_t>(index);
  for (std::int32_t u : used_)
    if (u == value) return;
  used_.push_back(value);
}

bool TCalculator::Check(std::string_view formula) {
  errors_.clear();
  for (std::size_t k = kBuiltinCount; k < vars_.size(); ++k) {
    const std::string_view name = FormulaText::Trim(vars_[k].Name);
    if (name.empty()) {
      addError(msg::CalcEmptyVariableName, std::to_string(k + 1));
      continue;
    }
    if (FormulaText::ToNumber(name)) addError(msg::CalcNameOnlyDigits, std::to_string(k + 1));
    for (std::size_t j = 0; j < k; ++j)
      if (FormulaText::SameName(FormulaText::Trim(vars_[j].Name), name))
        addError(msg::CalcDuplicateVariableName, std::string(name));
  }
  if (!errors_.empty()) return false;

  used_.clear();
  const std::string text = FormulaText::Cut(formula);
  std::size_t start = 0;
  auto judge = [&](std::size_t end) {
    const std::string_view token = FormulaText::Trim(std::string_view(text).substr(start, end - start));
    if (token.empty() || FormulaText::ToNumber(token)) return;
    const int index = FindVar(token);
    if (index >= 0)
      use(static_cast<std::size_t>(index));
    else
      addError(msg::CalcUnknownVariable, std::string(token));
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isDelimiter(text[i])) continue;
    judge(i);
    start = i + 1;
  }
  judge(text.size());
  return errors_.empty();
}

double TCalculator::Evaluate(std::string_view formula) {
  const std::string text = FormulaText::Cut(formula);
  return evaluateText(text);
}

// The formula is split recursively in meaning: at the last + or - outside
// parentheses, else at the last * or /, else into the first parenthesised
// group, else it is an operand. The recursion runs on an explicit stack so
// that no text, however deeply nested, can exhaust the call stack.
double TCalculator::evaluateText(std::string_view text) {
  enum Stage { kFresh, kFirstOperand, kSecondOperand, kGroup };
  struct Frame {
    std::size_t b;
    std::size_t e;
    Stage stage = kFresh;
    std::size_t split = 0;
    char op = 0;
    double first = 0.0;
  };

  bool unknownMet = false;
  double ret = 0.0;
  std::vector<Frame> stack;
  stack.reserve(16);
  stack.push_back(Frame{0, text.size()});

  while (!stack.empty()) {
    const std::size_t top = stack.size() - 1;
    Frame f = stack[top];
    switch (f.stage) {
      case kFresh: {
        while (f.b < f.e && (text[f.b] == ' ' || text[f.b] == '\t')) ++f.b;
        while (f.e > f.b && (text[f.e - 1] == ' ' || text[f.e - 1] == '\t')) --f.e;
        stack[top] = f;
        if (f.b == f.e) {  // an empty operand is 0: this gives a leading sign its meaning
          ret = 0.0;
          stack.pop_back();
          break;
        }
        std::size_t p = lastOutside(text, f.b, f.e, '+', '-', true);
        if (p == kNone) p = lastOutside(text, f.b, f.e, '*', '/', false);
        if (p != kNone) {
          stack[top].op = text[p];
          stack[top].split = p;
          stack[top].stage = kFirstOperand;
          // A divisor is evaluated before its dividend.
          if (text[p] == '/')
            stack.push_back(Frame{p + 1, f.e});
          else
            stack.push_back(Frame{f.b, p});
          break;
        }
        const std::size_t open = text.substr(0, f.e).find('(', f.b);
        if (open != kNone) {
          const std::size_t close = matchingClose(text, open, f.e);
          if (close != kNone) {
            // From the second character up to the matching ")": strips one
            // pair of outer parentheses; what follows the ")" is ignored.
            stack[top].stage = kGroup;
            stack.push_back(Frame{f.b + 1, close});
            break;
          }
        }
        const std::string_view operand = text.substr(f.b, f.e - f.b);
        stack.pop_back();
        if (const auto number = FormulaText::ToNumber(operand)) {
          ret = *number;
        } else if (const int index = FindVar(operand); index >= 0) {
          use(static_cast<std::size_t>(index));
          ret = vars_[static_cast<std::size_t>(index)].Value;
        } else {
          addError(msg::CalcUnknownVariable, std::string(operand));
          unknownMet = true;
          ret = 0.0;
        }
        break;
      }
      case kFirstOperand:
        if (f.op == '/' && ret == 0.0) {
          addError(msg::CalcDivisionByZero,
                   std::string(FormulaText::Trim(text.substr(f.split + 1, f.e - f.split - 1))));
          ret = 0.0;
          stack.pop_back();
          break;
        }
        stack[top].first = ret;
        stack[top].stage = kSecondOperand;
        if (f.op == '/')
          stack.push_back(Frame{f.b, f.split});
        else
          stack.push_back(Frame{f.split + 1, f.e});
        break;
      case kSecondOperand:
        switch (f.op) {
          case '+':
            ret = f.first + ret;
            break;
          case '-':
            ret = f.first - ret;
            break;
          case '*':
            ret = f.first * ret;
            break;
          default:
            ret = ret / f.first;
            break;  // `first` holds the divisor
        }
        stack.pop_back();
        break;
      case kGroup:
        stack.pop_back();
        break;
    }
  }
  return unknownMet ? -1.0 : ret;
}

void TCalculator::BuildMethod(std::string_view formula, TCustomMethod& method) {
  if (!Check(formula)) return;
  method.Formula = FormulaText::Cut(formula);
  method.Vars.clear();
  for (std::int32_t index : used_) method.Vars.push_back(vars_[static_cast<std::size_t>(index)]);
}

double TCalculator::EvaluateMethod(const TCustomMethod& method) {
  vars_ = method.Vars;
  if (!Check(method.Formula)) return -1.0;
  return Evaluate(method.Formula);
}

TCustomMethodValue TCalculator::EvaluateMethodValue(const TCustomMethod& method) {
  TCustomMethodValue out(EvaluateMethod(method));
  if (!errors_.empty()) {
    out.Value = -1.0;
    out.Failure = errors_.front().Message;
    out.Token = errors_.front().Token;
  }
  return out;
}

}  // namespace velmora
