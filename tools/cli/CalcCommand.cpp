#include <ostream>

#include "CalcMethods.h"
#include "CliCalculation.h"
#include "CliCommands.h"
#include "JsonWriter.h"
#include "Numbers.h"
#include "TCalcError.h"
#include "TConcCalculation.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr const char* kUsage = "calc FILE [--method N] [--use I,J,...] [--data-dir DIR]";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli calc: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

bool ParseUse(const std::string& text, std::vector<std::size_t>& rows) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const auto value = ParseInteger(item);
    if (!value || *value < 0) return false;
    rows.push_back(static_cast<std::size_t>(*value));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string file;
  bool haveMethod = false;
  int method = 0;
  bool haveUse = false;
  std::vector<std::size_t> use;
  std::string dataDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data-dir") {
      if (i + 1 >= args.size()) return Usage(err, "missing value after " + a);
      dataDir = args[++i];
      continue;
    }
    if (a == "--method" || a == "--use") {
      if (i + 1 >= args.size()) return Usage(err, "missing value after " + a);
      const std::string& v = args[++i];
      if (a == "--method") {
        const auto n = ParseInteger(v);
        if (!n || *n < 0 || *n > 1000000) return Usage(err, "bad method number '" + v + "'");
        method = static_cast<int>(*n);
        haveMethod = true;
      } else {
        if (!ParseUse(v, use)) return Usage(err, "bad curve positions '" + v + "'");
        haveUse = true;
      }
    } else if (a.rfind("--", 0) == 0 || !file.empty()) {
      return Usage(err, "unexpected argument '" + a + "'");
    } else {
      file = a;
    }
  }
  if (file.empty()) return Usage(err, "missing FILE");

  CliCalculation run;
  if (const int status = run.Run("calc", file, haveMethod, method, dataDir, err); status != 0) return status;
  method = run.method();
  TConcCalculation& calc = run.calc();
  const std::vector<TVAStruct*>& curves = run.curves();
  if (haveUse) {
    for (std::size_t row : use) {
      if (row >= curves.size()) {
        err << "velmora-cli calc: curve position " << row << " is beyond the " << curves.size() << " curves\n";
        return 1;
      }
    }
    if (calc.CheckBoxesOffered()) {
      for (std::size_t row : use) calc.SetRowChecked(row, true);
    }
  }

  JsonWriter json;
  json.beginObject();
  json.field("Method", method);
  if (method == CalcMethods::kCalibrationCurve) json.field("CalibrationType", calc.CalibrationType());
  json.field("RequirementsMet", calc.RequirementsMet());
  const TConcParams& units = calc.Params();
  CliCalculation::WriteUnits(json, method, calc.CalibrationType(), units.ResUnitTop, units.ResUnitBottom,
                             units.RecalcUnitTop, units.RecalcUnitBottom);
  json.key("Elements").beginArray();
  for (const TCalcElement& e : calc.Elements()) {
    json.beginObject();
    json.field("Name", e.Name);
    json.field("AddConc", e.AddConc);
    json.field("CellResult", e.CellResult);
    json.field("SampleResult", e.SampleResult);
    json.field("UnitTop", static_cast<int>(e.UnitTop));
    json.field("UnitBottom", static_cast<int>(e.UnitBottom));
    json.field("CalcType", static_cast<int>(e.CalcType));
    if (e.Failure) json.field("Failure", TCalcError{e.FailureToken, e.Failure}.text());
    json.field("Uncertainty", e.Uncertainty);
    json.endObject();
  }
  json.endArray();
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

}  // namespace

CliCommand CalcCommand() {
  return {"calc", kUsage,
          "Loads a document as dump does, shows every root node and computes the concentrations with method N "
          "(default: the first curve's; 6 + i is custom method i of the CustomCalc file in the data folder, "
          "which VELMORA_DATA_FOLDER overrides). --use ticks the check boxes of the curves at those 0-based "
          "positions.",
          RunCalc};
}

}  // namespace velmora
