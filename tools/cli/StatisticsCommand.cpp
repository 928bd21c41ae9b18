#include <exception>
#include <ostream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "JsonWriter.h"
#include "TStatDB.h"

namespace velmora {

namespace {

constexpr const char* kUsage = "statistics list [--data-dir DIR]";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli statistics: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

int RunStatistics(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.front() != "list") return Usage(err, "missing list");
  std::string dataDir;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--data-dir" && i + 1 < args.size()) {
      dataDir = args[++i];
    } else {
      return Usage(err, "unexpected argument '" + args[i] + "'");
    }
  }
  try {
    TStatDB db(CliDocument::DataDir(dataDir) / TStatDB::kFolderName);
    for (const Message& problem : db.LoadAll()) err << problem.format() << "\n";
    JsonWriter json;
    json.beginObject().key("Records").beginArray();
    for (const TMethodStat& r : db.Records()) {
      json.beginObject();
      json.field("Name", r.Name);
      json.field("FileName", r.FileName);
      json.field("ResTop", static_cast<int>(r.ResTop));
      json.field("ResBottom", static_cast<int>(r.ResBottom));
      json.field("CellConc", static_cast<int>(r.CellConc));
      json.key("Elements").beginArray();
      for (const TElementStatistics& e : r.Elements) {
        json.beginObject().field("Name", e.Name).key("Ranges").beginArray();
        for (const TStatRange& range : e.Ranges) {
          json.beginObject();
          json.field("LowerBound", range.LowerBound);
          json.field("UpperBound", range.UpperBound);
          json.field("Reproducibility", range.Reproducibility);
          json.field("CriticalDifference", range.CriticalDifference);
          json.field("Delta", static_cast<int>(range.Delta));
          json.endObject();
        }
        json.endArray().endObject();
      }
      json.endArray().endObject();
    }
    json.endArray().endObject();
    out << json.str() << "\n";
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

CliCommand StatisticsCommand() {
  return {"statistics", kUsage,
          "The statistics records of the Statistics folder of the data folder, with their elements and ranges.",
          RunStatistics};
}

}  // namespace velmora
