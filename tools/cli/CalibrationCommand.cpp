#include <exception>
#include <filesystem>
#include <ostream>

#include "CalcMethods.h"
#include "CalibrationSaver.h"
#include "CliCommands.h"
#include "CliDocument.h"
#include "DateTime.h"
#include "JsonWriter.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "TNodeForest.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr const char* kUsage = "calibration (save IN.tvx [--title TEXT] | list) [--data-dir DIR]";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli calibration: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

// The figures of one calibration; Slope, Intercept, Lod and Loq on the
// concentration axis in mg/dm³.
void WriteFigures(JsonWriter& json, const TSingleCalibration& c) {
  const TRegressionFigures figures = c.Figures();
  json.field("Slope", c.Slope);
  json.field("Intercept", c.Intercept);
  json.field("R2", c.R2);
  json.field("Points", static_cast<int>(c.Points.size()));
  json.field("Lod", figures.Lod());
  json.field("Loq", figures.Loq());
  json.field("Syx", figures.Syx);
  json.field("UnitTop", static_cast<int>(c.UnitTop));
  json.field("UnitBottom", static_cast<int>(c.UnitBottom));
}

void ReportProblems(TCalibrationsDB& db, std::ostream& err) {
  for (const Message& problem : db.TakeProblems()) err << problem.format() << "\n";
}

int RunSave(const std::string& file, const std::string& title, const std::string& dataDir, std::ostream& out,
            std::ostream& err) {
  CliDocument::UsePeakValues();
  TNodeForest forest;
  try {
    CliDocument::Load(forest, file);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  const std::vector<TVAStruct*> curves = CliDocument::DisplayedCurves(forest);
  if (curves.empty()) {
    err << "velmora-cli calibration: " << file << " holds no curves\n";
    return 1;
  }
  TConcCalculation calc;
  calc.SetCurves(curves);
  calc.SelectMethod(CalcMethods::kCalibrationCurve);
  calc.Recalculate();
  if (calc.Elements().empty()) {
    err << "velmora-cli calibration: " << file << " holds no named peaks\n";
    return 1;
  }
  std::vector<TSingleCalibration> saved;
  try {
    TCalibrationsDB db(CliDocument::DataDir(dataDir) / TCalibrationsDB::kFolderName);
    ReportProblems(db, err);
    for (std::size_t row = 0; row < calc.Elements().size(); ++row) {
      TSingleCalibration c = BuildCalibration(calc, row, curves, DateTime::now());
      c.Title = title;
      saved.push_back(db.AddCalibration(std::move(c)));
    }
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  JsonWriter json;
  json.beginObject().key("Saved").beginArray();
  for (const TSingleCalibration& c : saved) {
    json.beginObject();
    json.field("Element", c.Name);
    json.field("Title", c.Title.empty() ? c.Name : c.Title);
    WriteFigures(json, c);
    json.endObject();
  }
  json.endArray().endObject();
  out << json.str() << "\n";
  return 0;
}

int RunList(const std::string& dataDir, std::ostream& out, std::ostream& err) {
  try {
    TCalibrationsDB db(CliDocument::DataDir(dataDir) / TCalibrationsDB::kFolderName);
    JsonWriter json;
    json.beginObject().key("Elements").beginArray();
    for (std::size_t e = 0; e < db.Elements().size(); ++e) {
      const TCalibrationCollection& element = db.Elements()[e];
      json.beginObject();
      json.field("Name", element.Name);
      json.key("Calibrations").beginArray();
      for (std::size_t i = 0; i < element.Calibrations.size(); ++i) {
        const TSingleCalibration* c = db.Calibration(e, i);
        json.beginObject();
        json.field("Title", c->Title.empty() ? c->Name : c->Title);
        json.field("Active", static_cast<std::int32_t>(i) == element.Active);
        json.field("Stamp", c->Stamp);
        WriteFigures(json, *c);
        json.endObject();
      }
      json.endArray().endObject();
    }
    json.endArray().endObject();
    ReportProblems(db, err);
    out << json.str() << "\n";
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

int RunCalibration(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, "missing save or list");
  const std::string& verb = args.front();
  std::string file, title, dataDir;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data-dir" || a == "--title") {
      if (i + 1 >= args.size()) return Usage(err, "missing value after " + a);
      (a == "--data-dir" ? dataDir : title) = args[++i];
    } else if (a.rfind("--", 0) == 0 || !file.empty() || verb != "save") {
      return Usage(err, "unexpected argument '" + a + "'");
    } else {
      file = a;
    }
  }
  if (verb == "list") {
    if (!title.empty()) return Usage(err, "--title belongs to save");
    return RunList(dataDir, out, err);
  }
  if (verb != "save") return Usage(err, "unknown verb '" + verb + "'");
  if (file.empty()) return Usage(err, "missing IN");
  return RunSave(file, title, dataDir, out, err);
}

}  // namespace

CliCommand CalibrationCommand() {
  return {"calibration", kUsage,
          "save: keeps one calibration per element of a calibration-curve calculation over the document's curves "
          "(\"Save calibration\") in the Calibrations folder of the data folder; list: every element with its "
          "calibrations, the active one marked. Slope, Intercept, Lod and Loq refer to concentrations in mg/dm3.",
          RunCalibration};
}

}  // namespace velmora
