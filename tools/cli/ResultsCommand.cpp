#include <QApplication>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "ArchiveFilter.h"
#include "ArchiveProvenance.h"
#include "ArchiveRows.h"
#include "ArchiveTable.h"
#include "ArchiveTime.h"
#include "CliCalculation.h"
#include "CliCommands.h"
#include "CliDocument.h"
#include "ControlChart.h"
#include "ControlChartPlot.h"
#include "EArchiveError.h"
#include "FormatError.h"
#include "GuiApplication.h"
#include "IniFile.h"
#include "JsonWriter.h"
#include "Numbers.h"
#include "Options.h"
#include "SqlResultsArchive.h"
#include "TCalibrationsDB.h"
#include "WestgardRules.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "results add DOC.tvx... [--method N] [--sample NAME | --control NAME] [--operator NAME] | "
    "results add-value (--sample NAME | --control NAME) --element E --value V --unit U [--uncertainty U] [--lod L] "
    "[--method N] [--operator NAME] [--time ISO] [--document FILE] | "
    "results query [FILTERS] | results export --format csv|xlsx -o OUT [FILTERS] | "
    "results chart --control C --element E [--target T --sd S] -o CHART.png [--json]; "
    "FILTERS: [--sample S] [--control C] [--element E] [--method N] [--operator NAME] [--from ISO] [--to ISO]; "
    "every form takes [--data-dir DIR | --db URL]";

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

// The options of a results command line: flags and values by name, and the
// plain arguments in order.
struct Args {
  std::map<std::string, std::string> values;
  std::vector<std::string> flags;
  std::vector<std::string> plain;
  bool has(const std::string& name) const { return values.count(name) != 0; }
  std::optional<std::string> get(const std::string& name) const {
    const auto it = values.find(name);
    return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool flag(const std::string& name) const { return std::find(flags.begin(), flags.end(), name) != flags.end(); }
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Args Parse(const std::vector<std::string>& args, std::size_t from, const std::vector<std::string>& valued,
           const std::vector<std::string>& flags) {
  Args parsed;
  for (std::size_t i = from; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (std::find(valued.begin(), valued.end(), a) != valued.end()) {
      if (i + 1 >= args.size()) throw UsageError("missing value after " + a);
      if (parsed.has(a)) throw UsageError(a + " is given twice");
      parsed.values[a] = args[++i];
    } else if (std::find(flags.begin(), flags.end(), a) != flags.end()) {
      parsed.flags.push_back(a);
    } else if (a.rfind("-", 0) == 0 && a.size() > 1) {
      throw UsageError("unexpected argument '" + a + "'");
    } else {
      parsed.plain.push_back(a);
    }
  }
  return parsed;
}

double Number(const Args& a, const std::string& name) {
  const auto text = a.get(name);
  const auto value = text ? ParseDecimal(*text) : std::nullopt;
  if (!value || !std::isfinite(*value)) throw UsageError("bad number after " + name + ": '" + text.value_or("") + "'");
  return *value;
}

std::optional<std::int32_t> MethodOf(const Args& a) {
  const auto text = a.get("--method");
  if (!text) return std::nullopt;
  const auto n = ParseInteger(*text);
  if (!n || *n < 0 || *n > 1000000) throw UsageError("bad method number '" + *text + "'");
  return static_cast<std::int32_t>(*n);
}

// --from and --to; a date alone in --to takes in that whole day.
void TimeBounds(const Args& a, ArchiveFilter& filter) {
  if (const auto from = a.get("--from")) {
    filter.FromMs = ArchiveTime::Parse(*from);
    if (!filter.FromMs) throw UsageError("bad time after --from: '" + *from + "' (ISO 8601, e.g. 2025-03-01T08:00Z)");
  }
  if (const auto to = a.get("--to")) {
    filter.ToMs = ArchiveTime::Parse(*to);
    if (!filter.ToMs) throw UsageError("bad time after --to: '" + *to + "' (ISO 8601, e.g. 2025-03-31)");
    if (ArchiveTime::IsDateOnly(*to)) *filter.ToMs += 86400000 - 1;
  }
}

ArchiveFilter FilterOf(const Args& a) {
  ArchiveFilter f;
  f.Sample = a.get("--sample");
  f.Control = a.get("--control");
  f.Element = a.get("--element");
  f.Operator = a.get("--operator");
  f.Method = MethodOf(a);
  TimeBounds(a, f);
  return f;
}

const std::vector<std::string> kWhere = {"--data-dir", "--db"};
const std::vector<std::string> kFilters = {"--sample",   "--control", "--element", "--method",
                                           "--operator", "--from",    "--to"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The archive named by --db, else by the settings of the data folder, else
// Results.sqlite in the data folder.
std::unique_ptr<SqlResultsArchive> OpenArchive(const Args& a) {
  if (a.has("--db") && a.has("--data-dir")) throw UsageError("give --data-dir or --db, not both");
  const fs::path dataDir = CliDocument::DataDir(a.get("--data-dir").value_or(""));
  std::string setting = a.get("--db").value_or("");
  if (setting.empty()) {
    IniFile ini;
    if (ini.load(dataDir / "Options.ini")) {
      Options options;
      options.read(ini);
      setting = options.archiveDatabase;
    }
  }
  return std::make_unique<SqlResultsArchive>(SqlResultsArchive::AddressFor(setting, dataDir));
}

void WriteRow(JsonWriter& json, const ArchiveRow& r) {
  json.beginObject();
  json.field("Id", static_cast<std::int64_t>(r.Id));
  json.field("Sample", r.Sample);
  json.field("Control", r.Control);
  json.field("Element", r.Element);
  json.field("Value", r.Value);
  json.field("Unit", r.Unit);
  json.key("Uncertainty");
  r.Uncertainty ? json.value(*r.Uncertainty) : json.null();
  json.key("Lod");
  r.Lod ? json.value(*r.Lod) : json.null();
  json.key("Method");
  r.Method ? json.value(*r.Method) : json.null();
  json.field("Calibration", r.Calibration);
  json.field("Document", r.Document);
  json.key("DocumentSha256");
  r.DocumentSha256.empty() ? json.null() : json.value(r.DocumentSha256);
  json.field("Curves", r.Curves);
  json.field("Operator", r.Operator);
  json.field("Workstation", r.Workstation);
  json.field("Time", ArchiveTime::Format(r.TimeMs));
  json.field("Simulated", r.Simulated);
  json.endObject();
}

void WriteRows(std::ostream& out, const char* name, const std::vector<ArchiveRow>& rows) {
  JsonWriter json(out);
  json.beginObject();
  json.key(name).beginArray();
  for (const ArchiveRow& r : rows) WriteRow(json, r);
  json.endArray();
  json.endObject();
  json.flush();
  out << "\n";
}

void SampleOrControl(const Args& a, ArchiveRows::Origin& origin, bool required) {
  if (a.has("--sample") && a.has("--control")) throw UsageError("give --sample or --control, not both");
  if (required && !a.has("--sample") && !a.has("--control"))
    throw UsageError("missing --sample NAME or --control NAME");
  origin.Sample = a.get("--sample").value_or("");
  origin.Control = a.get("--control").value_or("");
  if (a.has("--sample") && origin.Sample.empty()) throw UsageError("the sample name is empty");
  if (a.has("--control") && origin.Control.empty()) throw UsageError("the control name is empty");
}

std::string Absolute(const std::string& file) {
  std::error_code ec;
  const fs::path full = fs::absolute(file, ec);
  return ec ? file : full.lexically_normal().string();
}

int Add(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Args a = Parse(args, 1, Join({"--method", "--sample", "--control", "--operator"}, kWhere), {"--json"});
  if (a.plain.empty()) throw UsageError("missing DOC.tvx");
  ArchiveRows::Origin origin;
  SampleOrControl(a, origin, false);
  const std::optional<std::int32_t> method = MethodOf(a);
  origin.Operator = a.get("--operator").value_or(ArchiveProvenance::OperatorName());
  origin.Workstation = ArchiveProvenance::Workstation();
  origin.TimeMs = ArchiveTime::NowMs();
  // Every document is calculated before anything is written: one that
  // cannot be used leaves the archive untouched.
  std::vector<ArchiveRow> rows;
  for (const std::string& file : a.plain) {
    CliCalculation run;
    std::ostringstream problems;
    if (run.Run("results", file, method.has_value(), method.value_or(0), a.get("--data-dir").value_or(""), problems) !=
        0) {
      err << "velmora-cli results: " << file << " cannot be used: " << problems.str();
      return kFailure;
    }
    ArchiveRows::Origin o = origin;
    if (o.Sample.empty() && o.Control.empty()) o.Sample = fs::path(file).stem().string();
    o.Document = Absolute(file);
    o.DocumentSha256 = ArchiveProvenance::FileSha256(file);
    TCalibrationsDB* calibrations = run.calibrations();
    auto found = ArchiveRows::FromCalculation(run.calc(), o, [calibrations](const std::string& name) {
      return calibrations ? calibrations->GetActiveCalibration(name) : TSingleCalibration{};
    });
    if (found.empty()) {
      err << "velmora-cli results: " << file << " gives no sample result with method " << run.method() << "\n";
      return kFailure;
    }
    rows.insert(rows.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
  }
  OpenArchive(a)->Add(rows);
  WriteRows(out, "Added", rows);
  return 0;
}

int AddValue(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  const Args a = Parse(args, 1,
                       Join({"--sample", "--control", "--element", "--value", "--unit", "--uncertainty", "--lod",
                             "--method", "--operator", "--time", "--document"},
                            kWhere),
                       {"--json"});
  if (!a.plain.empty()) throw UsageError("unexpected argument '" + a.plain.front() + "'");
  ArchiveRows::Origin origin;
  SampleOrControl(a, origin, true);
  for (const char* required : {"--element", "--value", "--unit"})
    if (!a.has(required)) throw UsageError(std::string("missing ") + required);
  ArchiveRow row;
  row.Sample = origin.Sample;
  row.Control = origin.Control;
  row.Element = *a.get("--element");
  if (row.Element.empty()) throw UsageError("the element name is empty");
  row.Value = Number(a, "--value");
  row.Unit = *a.get("--unit");
  if (a.has("--uncertainty")) row.Uncertainty = Number(a, "--uncertainty");
  if (a.has("--lod")) row.Lod = Number(a, "--lod");
  if ((row.Uncertainty && *row.Uncertainty < 0.0) || (row.Lod && *row.Lod < 0.0))
    throw UsageError("an uncertainty or a limit of detection is never negative");
  row.Method = MethodOf(a);
  row.Operator = a.get("--operator").value_or(ArchiveProvenance::OperatorName());
  row.Workstation = ArchiveProvenance::Workstation();
  row.TimeMs = ArchiveTime::NowMs();
  if (const auto time = a.get("--time")) {
    const auto ms = ArchiveTime::Parse(*time);
    if (!ms) throw UsageError("bad time after --time: '" + *time + "'");
    row.TimeMs = *ms;
  }
  if (const auto document = a.get("--document")) {
    row.Document = Absolute(*document);
    row.DocumentSha256 = ArchiveProvenance::FileSha256(*document);
  }
  std::vector<ArchiveRow> rows{row};
  OpenArchive(a)->Add(rows);
  WriteRows(out, "Added", rows);
  return 0;
}

int QueryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  const Args a = Parse(args, 1, Join(kFilters, kWhere), {"--json"});
  if (!a.plain.empty()) throw UsageError("unexpected argument '" + a.plain.front() + "'");
  const ArchiveFilter filter = FilterOf(a);
  WriteRows(out, "Results", OpenArchive(a)->Query(filter));
  return 0;
}

int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  const Args a = Parse(args, 1, Join(Join(kFilters, kWhere), {"--format", "-o"}), {"--json"});
  if (!a.plain.empty()) throw UsageError("unexpected argument '" + a.plain.front() + "'");
  if (!a.has("-o")) throw UsageError("missing -o OUT");
  const std::string output = *a.get("-o");
  std::string format = a.get("--format").value_or("");
  if (format.empty()) {
    const std::string ext = fs::path(output).extension().string();
    format = ext == ".xlsx" ? "xlsx" : ext == ".csv" ? "csv" : "";
  }
  if (format != "csv" && format != "xlsx") throw UsageError("--format must be csv or xlsx");
  const ArchiveFilter filter = FilterOf(a);
  const std::vector<ArchiveRow> rows = OpenArchive(a)->Query(filter);
  if (format == "csv") {
    ArchiveTable::WriteCsv(output, rows);
  } else {
    ArchiveTable::WriteXlsx(output, rows);
  }
  JsonWriter json;
  json.beginObject();
  json.field("Exported", static_cast<std::int64_t>(rows.size()));
  json.field("File", output);
  json.field("Format", format);
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

int Chart(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Args a =
      Parse(args, 1,
            Join(kWhere, {"--control", "--element", "--target", "--sd", "-o", "--from", "--to", "--width", "--height"}),
            {"--json"});
  if (!a.plain.empty()) throw UsageError("unexpected argument '" + a.plain.front() + "'");
  for (const char* required : {"--control", "--element", "-o"})
    if (!a.has(required)) throw UsageError(std::string("missing ") + required);
  if (a.has("--target") != a.has("--sd")) throw UsageError("give --target and --sd together");
  std::optional<ControlLimits> entered;
  if (a.has("--target")) {
    entered = ControlLimits{Number(a, "--target"), Number(a, "--sd"), 0};
    if (!entered->Usable()) throw UsageError("--sd must be above 0");
  }
  int width = 1000, height = 600;
  for (auto [name, target] : {std::pair{"--width", &width}, std::pair{"--height", &height}})
    if (const auto text = a.get(name)) {
      const auto n = ParseInteger(*text);
      if (!n || *n < 100 || *n > 10000) throw UsageError(std::string("bad size after ") + name);
      *target = static_cast<int>(*n);
    }
  ArchiveFilter filter;
  filter.Control = a.get("--control");
  filter.Element = a.get("--element");
  TimeBounds(a, filter);
  std::vector<ArchiveRow> rows = OpenArchive(a)->Query(filter);
  if (rows.empty()) {
    err << "velmora-cli results: no results of the control '" << *filter.Control << "' for " << *filter.Element << "\n";
    return kFailure;
  }
  const auto chart = ControlChart::Of(std::move(rows), entered);
  if (!chart) {
    err << "velmora-cli results: the limits cannot be estimated from these results (at least two that differ are "
           "needed); give --target and --sd\n";
    return kFailure;
  }
  ControlChartPlot::SavePng(*chart, QString::fromStdString(*a.get("-o")), width, height);

  JsonWriter json;
  json.beginObject();
  json.field("Control", chart->Control);
  json.field("Element", chart->Element);
  json.field("Unit", chart->Unit);
  json.field("Target", chart->Limits.Target);
  json.field("Sd", chart->Limits.Sd);
  json.field("FromResults", static_cast<std::int64_t>(chart->Limits.FromResults));
  json.field("OtherUnits", static_cast<std::int64_t>(chart->OtherUnits));
  json.key("Points").beginArray();
  for (const ControlChart::Point& p : chart->Points) {
    json.beginObject();
    json.field("Id", static_cast<std::int64_t>(p.Id));
    json.field("Time", ArchiveTime::Format(p.TimeMs));
    json.field("Value", p.Value);
    json.field("Z", p.Z);
    json.key("Rules").beginArray();
    for (const std::string& rule : WestgardRules::Names(p.Rules)) json.value(rule);
    json.endArray();
    json.field("Simulated", p.Simulated);
    json.endObject();
  }
  json.endArray();
  json.field("File", *a.get("-o"));
  json.endObject();
  out << json.str() << "\n";
  return 0;
}

int RunResults(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string sub = args.empty() ? std::string() : args.front();
  // Qt loads the database drivers as plugins, and the chart draws with
  // widgets: one widget application serves every form.
  EnsureGuiApplication();
  try {
    if (sub == "add") return Add(args, out, err);
    if (sub == "add-value") return AddValue(args, out, err);
    if (sub == "query") return QueryCommand(args, out, err);
    if (sub == "export") return Export(args, out, err);
    if (sub == "chart") return Chart(args, out, err);
    throw UsageError(sub.empty() ? "missing add, add-value, query, export or chart" : "unknown form '" + sub + "'");
  } catch (const UsageError& e) {
    err << "velmora-cli results: " << e.what() << "; usage: velmora-cli " << kUsage << "\n";
    return kUsageError;
  } catch (const EArchiveError& e) {
    err << "velmora-cli results: " << e.what() << "\n";
    return kFailure;
  } catch (const EFormatError& e) {
    err << "velmora-cli results: " << e.what() << "\n";
    return kFailure;
  } catch (const std::exception& e) {
    err << "velmora-cli results: " << e.what() << "\n";
    return kFailure;
  }
}

}  // namespace

CliCommand ResultsCommand() {
  return {"results", kUsage,
          "The results archive (Results.sqlite in the data folder, the server the settings name, or --db "
          "postgresql://user@host:port/db). add computes each document as calc does and archives one row per element "
          "with a sample result, as a sample (default: the file name) or a control; add-value archives a value typed "
          "by hand; query lists results oldest first; export writes them as CSV or a workbook; chart draws the "
          "control chart of a control and an element with its Westgard rules (limits from the first 20 results "
          "unless --target and --sd are given). Times are UTC, ISO 8601.",
          RunResults};
}

}  // namespace velmora
