#include <exception>
#include <optional>
#include <ostream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "FileIo.h"
#include "FormatError.h"
#include "JsonReader.h"
#include "JsonWriter.h"
#include "Messages.h"
#include "Numbers.h"
#include "RecordPeaks.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr const char* kUsage = "peaks IN OUT [--predefined FILE.json] [--invert N] [--calc-type T] [--baseline B]";

int Usage(std::ostream& err, const std::string& problem) {
  err << "velmora-cli peaks: " << problem << "; usage: " << kUsage << "\n";
  return 2;
}

std::optional<int> IntArgument(const std::string& text, int low, int high) {
  const std::optional<double> v = ParseDecimal(text, '.');
  if (!v || *v != static_cast<double>(static_cast<int>(*v))) return std::nullopt;
  const int i = static_cast<int>(*v);
  if (i < low || i > high) return std::nullopt;
  return i;
}

// [{"Name", "LeftBorder", "MiddleBorder", "RightBorder", "AdditionConc", "CalcType"}, ...]
TPredefPeaks ReadPredefinedPeaks(const std::filesystem::path& file) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file, JsonReader::kMaxFileSize);
  const JsonValue root = JsonReader::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (root.kind != JsonValue::Kind::Array) throw EFormatError(Message(msg::PredefPeaksNotList));
  TPredefPeaks peaks;
  for (std::size_t i = 0; i < root.items.size(); ++i) {
    const JsonValue& item = root.items[i];
    if (item.kind != JsonValue::Kind::Object) throw EFormatError(Message(msg::PredefPeaksNotList));
    auto bad = [i](const char* field) {
      return EFormatError(Message(msg::PredefPeakBadField, {std::to_string(i + 1), field}));
    };
    TPredefPeak p;
    const JsonValue* name = item.field("Name");
    if (!name || name->kind != JsonValue::Kind::String || name->text.empty() ||
        name->text.size() > TPredefPeak::kNameCapacity) {
      throw bad("Name");
    }
    p.Name = name->text;
    auto number = [&](const char* field, double& out) {
      const JsonValue* v = item.field(field);
      if (!v) return;  // absent: 0
      if (v->kind != JsonValue::Kind::Number) throw bad(field);
      out = v->number;
    };
    number("LeftBorder", p.LeftBorder);
    number("MiddleBorder", p.MiddleBorder);
    number("RightBorder", p.RightBorder);
    number("AdditionConc", p.AdditionConc);
    double calcType = 0;
    number("CalcType", calcType);
    if (calcType < 0 || calcType > 7 || calcType != static_cast<double>(static_cast<int>(calcType))) {
      throw bad("CalcType");
    }
    p.CalcType = static_cast<int>(calcType);
    peaks.push_back(std::move(p));
  }
  return peaks;
}

// The curves the main window would show with every root node selected.
std::vector<TVAStruct*> RootCurves(TNodeForest& forest) {
  std::vector<TVAStruct*> curves;
  for (TNode* n = forest.FirstRoot(); n != nullptr; n = n->NextSibling) {
    TArrayDataStruct* record = n->ArrayRecord();
    if (!record) continue;
    TStructCollection rows = record->Curves;
    if (rows.empty() && !record->IsGroup() && !record->Data.empty()) rows = {{record}};
    for (const auto& row : rows) {
      for (TArrayDataStruct* c : row) {
        if (auto* va = dynamic_cast<TVAStruct*>(c)) curves.push_back(va);
      }
    }
  }
  return curves;
}

int RunPeaks(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  std::string predefinedFile;
  std::optional<int> invert;
  int calcType = 1;
  int baseline = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--predefined" || a == "--invert" || a == "--calc-type" || a == "--baseline") {
      if (!hasValue) return Usage(err, "missing value after " + a);
      const std::string& v = args[++i];
      if (a == "--predefined") {
        predefinedFile = v;
      } else if (a == "--invert") {
        invert = IntArgument(v, -1000000, 1000000);
        if (!invert) return Usage(err, "--invert takes an integer");
      } else if (a == "--calc-type") {
        const std::optional<int> t = IntArgument(v, 0, 7);
        if (!t) return Usage(err, "--calc-type takes a calculation type from 0 to 7");
        calcType = *t;
      } else {
        const std::optional<int> b = IntArgument(v, 0, 1);
        if (!b) return Usage(err, "--baseline takes 0 (linear) or 1 (polynomial)");
        baseline = *b;
      }
    } else if (a.rfind("--", 0) == 0 || files.size() == 2) {
      return Usage(err, "unexpected argument '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return Usage(err, "IN and OUT are required");
  if (!CliDocument::CanSave(files[1])) return Usage(err, "OUT must be a .tvx document or a .mbd database");

  TPeakValueEvaluator::Install();
  TNodeForest forest;
  FolderDatabase::TCurveFiles databaseCurves;
  try {
    TPredefPeaks predefined;
    if (!predefinedFile.empty()) predefined = ReadPredefinedPeaks(predefinedFile);
    CliDocument::Load(forest, files[0], std::nullopt, &databaseCurves);
    // As the main window's search: the predefined list's first MiddleBorder
    // says whether to search upside down, unless given.
    const int invertFlag = invert ? *invert : PredefInvertFlag(predefined);
    const std::vector<TVAStruct*> curves = RootCurves(forest);
    for (TVAStruct* c : curves) {
      const std::vector<TFoundPeak> found = AutoSearchPeaks(*c, invertFlag, predefined, calcType);
      // The search measures over the straight baseline; --baseline asks
      // for another one on the found peaks, in so many words.
      if (baseline != 0)
        for (const TFoundPeak& p : found) c->SetPeakBaselineType(c->FindPeak(p.Name), baseline);
    }
    CliDocument::Save(forest, files[1], &databaseCurves);

    const TElementsPeaksArr table = BuildPeakTable(std::span<TVAStruct* const>(curves));
    JsonWriter json;
    json.beginObject().key("PeakTable").beginArray();
    for (const TElementPeak& row : table) {
      json.beginObject()
          .field("Name", row.Name)
          .field("InCurves", row.InCurves != 0)
          .field("BordersDiffer", row.BordersDiffer != 0)
          .field("PeakValue", row.PeakValue)
          .field("BeginPotential", row.BeginPotential)
          .field("EndPotential", row.EndPotential)
          .field("CalcType", row.CalcType)
          .field("BaselineType", row.BaselineType)
          .endObject();
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

CliCommand PeaksCommand() {
  return {"peaks", kUsage,
          "Loads a document, searches the peaks of every curve of its root nodes, saves the result and prints the "
          "peak table.",
          RunPeaks};
}

}  // namespace velmora
