#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <exception>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>

#include "CliCalculation.h"
#include "CliCommands.h"
#include "CliDocument.h"
#include "GuiApplication.h"
#include "JsonWriter.h"
#include "Numbers.h"
#include "TCalibrationsDB.h"
#include "TReportExperiment.h"
#include "TReportPrinter.h"
#include "TReportRec.h"
#include "TStatDB.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "report IN.tvx... [--method N] [--statistics NAME] [--data-dir DIR] [--title TEXT] -o OUT.pdf [--json]";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli report: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

// The peak calculation type of the experiment: the rows' common type, else
// the default (height).
std::int32_t CommonCalcType(const TConcCalculation& calc) {
  std::int32_t type = -1;
  for (const TCalcElement& e : calc.Elements()) {
    if (e.CalcType < 0) continue;
    if (type >= 0 && type != e.CalcType) return 1;
    type = e.CalcType;
  }
  return type >= 0 ? type : 1;
}

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  bool haveMethod = false;
  int method = 0;
  std::string statistics, dataDir, title, output;
  bool haveTitle = false;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
      continue;
    }
    if (a == "--method" || a == "--statistics" || a == "--data-dir" || a == "--title" || a == "-o") {
      if (i + 1 >= args.size()) return Usage(err, "missing value after " + a);
      const std::string& v = args[++i];
      if (a == "--method") {
        const auto n = ParseInteger(v);
        if (!n || *n < 0 || *n > 1000000) return Usage(err, "bad method number '" + v + "'");
        method = static_cast<int>(*n);
        haveMethod = true;
      } else if (a == "--statistics") {
        statistics = v;
      } else if (a == "--data-dir") {
        dataDir = v;
      } else if (a == "--title") {
        title = v;
        haveTitle = true;
      } else {
        output = v;
      }
      continue;
    }
    if (a.rfind("--", 0) == 0) return Usage(err, "unexpected argument '" + a + "'");
    files.push_back(a);
  }
  if (files.empty()) return Usage(err, "missing IN.tvx");
  if (output.empty()) return Usage(err, "missing -o OUT.pdf");

  TReportRec report;
  report.Title = haveTitle ? title : std::string("Report");
  if (!statistics.empty()) {
    TStatDB db(CliDocument::DataDir(dataDir) / TStatDB::kFolderName);
    db.LoadAll();
    const int index = db.IndexOfName(statistics);
    if (index < 0) {
      err << "velmora-cli report: no statistics record named '" << statistics << "'\n";
      return 1;
    }
    report.SetStatistics(db.Records()[static_cast<std::size_t>(index)]);
  }

  // Every document is read and calculated before anything is written, so a
  // bad input leaves no PDF behind. Each experiment's results are listed as
  // calc gives them (CellResult in the cell units, SampleResult in the
  // sample units), not as the report keeps them (base units).
  struct ListedResult {
    std::string Name;
    double CellResult = -1.0;
    double SampleResult = -1.0;
  };
  std::vector<std::vector<ListedResult>> listed;
  for (const std::string& file : files) {
    CliCalculation run;
    std::ostringstream problems;
    if (run.Run("report", file, haveMethod, method, dataDir, problems) != 0) {
      err << "velmora-cli report: " << file << " cannot be used: " << problems.str();
      return 1;
    }
    std::error_code ec;
    const fs::path full = fs::absolute(file, ec);
    TCalibrationsDB* calibrations = run.calibrations();
    auto experiment = TReportExperiment::FromCalculation(
        run.calc(), ec ? file : full.string(), CommonCalcType(run.calc()), [calibrations](const std::string& name) {
          return calibrations ? calibrations->GetActiveCalibration(name) : TSingleCalibration{};
        });
    if (!experiment || !TReportExperiment::CanAdd(run.calc(), report)) {
      err << "velmora-cli report: " << file << " gives no result that fits the report\n";
      return 1;
    }
    report.AddExperiment(*experiment);
    std::vector<ListedResult>& rows = listed.emplace_back();
    for (const TExpElementResult& r : experiment->ElementResults) {
      for (const TCalcElement& e : run.calc().Elements())
        if (e.Name == r.Name) rows.push_back({e.Name, e.CellResult, e.SampleResult});
    }
  }

  EnsureGuiApplication();
  TReportPrinter::Settings settings;
  settings.Date = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString();
  settings.Chart.Font = settings.Font;
  settings.Chart.FontSize = settings.Page.BaseFontSize;
  const int pages = TReportPrinter::WritePdf(report, settings, QString::fromStdString(output));
  if (pages <= 0) {
    err << "velmora-cli report: cannot write " << output << "\n";
    return 1;
  }

  if (json) {
    JsonWriter w;
    w.beginObject();
    w.key("Experiments").beginArray();
    for (std::size_t i = 0; i < report.Experiments.size(); ++i) {
      const TExpRec& e = report.Experiments[i];
      w.beginObject();
      w.field("Name", e.Name);
      CliCalculation::WriteUnits(w, e.CalcMethod, -1, e.ResUnitTop, e.ResUnitBottom, e.RecalcUnitTop,
                                 e.RecalcUnitBottom);
      w.key("Elements").beginArray();
      for (const ListedResult& r : i < listed.size() ? listed[i] : std::vector<ListedResult>{}) {
        w.beginObject();
        w.field("Name", r.Name);
        w.field("CellResult", r.CellResult);
        w.field("SampleResult", r.SampleResult);
        w.endObject();
      }
      w.endArray();
      w.endObject();
    }
    w.endArray();
    // The means and spreads are in the report's units.
    const std::string unit = CliCalculation::UnitText(report.UnitTop, report.UnitBottom);
    w.key("Elements").beginArray();
    for (const TReportElementRec& el : report.Elements) {
      w.beginObject();
      w.field("Name", el.Name);
      w.field("Mean", el.Mean);
      w.field("Spread", el.Spread);
      w.field("Limit", el.Limit);
      w.field("Verdict", std::string(VerdictName(el.Verdict)));
      w.field("UnitTop", static_cast<int>(report.UnitTop));
      w.field("UnitBottom", static_cast<int>(report.UnitBottom));
      w.field("Unit", unit);
      w.endObject();
    }
    w.endArray();
    w.field("UnitTop", static_cast<int>(report.UnitTop));
    w.field("UnitBottom", static_cast<int>(report.UnitBottom));
    w.field("Unit", unit);
    w.field("Pages", pages);
    w.endObject();
    out << w.str() << "\n";
  } else {
    out << "{\"Pages\": " << pages << "}\n";
  }
  return 0;
}

}  // namespace

CliCommand ReportCommand() {
  return {"report", kUsage,
          "Adds each document as an experiment of a report (its calculation as calc gives it, with the same "
          "method), judges the results against the statistics record NAME of the data folder, and writes the "
          "printed report as an A4 PDF. --json lists the experiments' results as calc gives them, with their units, "
          "and each element's mean, spread, limit and verdict in the report's units.",
          RunReport};
}

}  // namespace velmora
