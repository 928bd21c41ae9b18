#include "CliDocument.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "BinaryReader.h"
#include "DataFolder.h"
#include "DocumentFile.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FolderDatabase.h"
#include "FormatError.h"
#include "InstrumentTextImport.h"
#include "JsonWriter.h"
#include "Messages.h"
#include "Numbers.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"
#include "TextImport.h"

#if __has_include("TPeakValueEvaluator.h")
#include "TPeakValueEvaluator.h"
#define VELMORA_CLI_PEAK_VALUES 1
#endif

namespace velmora {

namespace fs = std::filesystem;

namespace {

std::string UpperExtension(const fs::path& file) {
  std::string ext = file.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext;
}

void WritePoints(JsonWriter& json, const TDataArr& points) {
  json.beginArray();
  for (const TDataPoint& p : points) json.beginArray().value(p.X).value(p.Y).endArray();
  json.endArray();
}

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
  static const char* digits = "0123456789abcdef";
  std::string text;
  text.reserve(count * 2);
  for (std::size_t i = 0; i < count; ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
  }
  return text;
}

void WriteParams(JsonWriter& j, const TVAParams& p) {
  j.beginObject();
  j.field("SweepRate", p.SweepRate());
  j.field("SweepStart", p.SweepStart());
  j.field("SweepEnd", p.SweepEnd());
  j.field("ElectrolysisPotential", p.ElectrolysisPotential());
  j.field("ElectrolysisTime", p.ElectrolysisTime());
  j.field("CleaningPotential", p.CleaningPotential());
  j.field("CleaningTime", p.CleaningTime());
  j.field("Preparation1Potential", p.Preparation1Potential());
  j.field("Preparation1Time", p.Preparation1Time());
  j.field("Preparation2Potential", p.Preparation2Potential());
  j.field("Preparation2Time", p.Preparation2Time());
  j.field("Cycle", int{p.Cycle()});
  j.field("CycleCount", p.CycleCount());
  j.field("CycleType", p.CycleType());
  j.field("Reserved53", p.Reserved53());
  j.field("Stirrer", int{p.Stirrer()});
  j.field("DelayAfterMixing", p.DelayAfterMixing());
  j.field("ValuesRange", p.ValuesRange());
  j.field("ConjunctionType", p.ConjunctionType());
  j.field("Modulation", int{p.Modulation()});
  j.field("ModulationAmplitude", p.ModulationAmplitude());
  j.field("ModulationFrequency", p.ModulationFrequency());
  j.field("Retention", int{p.Retention()});
  j.field("RetentionPotential", p.RetentionPotential());
  j.field("Comments", p.Comments());
  j.field("MeasurementType", p.MeasurementType());
  j.field("TimeMode", p.TimeMode());
  j.field("SkipCycles", p.SkipCycles());
  j.field("Reserved225", Hex(p.Raw.data() + TVAParams::oReserved225, TVAParams::kSize - TVAParams::oReserved225));
  j.endObject();
}

void WritePeak(JsonWriter& j, const TPeakRecord& p) {
  j.beginObject();
  j.field("Name", p.Name);
  j.field("BeginIndex", p.BeginIndex);
  j.field("EndIndex", p.EndIndex);
  j.field("PeakValue", p.PeakValue);
  j.field("CalcType", p.CalcType);
  j.field("BaselineType", p.BaselineType);
  j.field("AdditionConc", p.AdditionConc);
  j.field("GridValue", p.GridValue);
  j.field("UnitTop", p.UnitTop);
  j.field("UnitBottom", p.UnitBottom);
  j.field("MarkIndex1", p.MarkIndex1);
  j.field("MarkIndex2", p.MarkIndex2);
  j.field("MarkX1", p.MarkX1);
  j.field("MarkX2", p.MarkX2);
  j.field("MarkY1", p.MarkY1);
  j.field("MarkY2", p.MarkY2);
  j.field("ChosenLine", int{p.ChosenLine});
  j.endObject();
}

}  // namespace

void CliDocument::UsePeakValues() {
#ifdef VELMORA_CLI_PEAK_VALUES
  // The same peak values as the workstation's.
  TPeakValueEvaluator::Install();
#endif
}

bool CliDocument::Load(TNodeForest& forest, const fs::path& file,
                       std::optional<std::pair<std::size_t, std::size_t>> columns,
                       FolderDatabase::TCurveFiles* curves) {
  std::error_code ec;
  if (!fs::exists(file, ec)) throw EFormatError(Message(msg::FileNotFound));
  const std::string ext = UpperExtension(file);
  if (ext == ".TVX") {
    const FileIo::Bytes bytes = FileIo::readBytes(file);
    BinaryReader header(bytes.span());
    if (!FileHeader::read(header, DocumentFile::TypeCode))
      throw EFormatError(Message(msg::NotADocumentFile, {file.string()}));
    return DocumentFile::LoadDocumentBytes(forest, bytes.span()) != 0;
  }
  if (ext == ".MBD") {
    FolderDatabase::LoadFolderDatabase(forest, file, curves);
    return false;
  }
  TPaintingGuard painting(forest);
  if (columns || InstrumentTextImport::IsInstrumentFile(file)) {
    InstrumentTextImport::ImportWithColumns(forest, file, columns);
    return false;
  }
  TextImport::ImportText(forest, file, LocaleDecimalSeparator());
  return false;
}

bool CliDocument::CanSave(const fs::path& file) {
  const std::string ext = UpperExtension(file);
  return ext == ".TVX" || ext == ".MBD";
}

void CliDocument::Save(TNodeForest& forest, const fs::path& file, FolderDatabase::TCurveFiles* curves) {
  if (UpperExtension(file) == ".MBD")
    FolderDatabase::SaveFolderDatabase(forest, file, nullptr, curves);
  else
    DocumentFile::SaveDocument(forest, file);
}

void CliDocument::WriteRecord(JsonWriter& j, TVAStruct& r) {
  j.beginObject();
  j.key("Data");
  WritePoints(j, r.Data);
  j.key("Display");
  WritePoints(j, r.DisplayPoints());
  j.field("XShift", r.XShift);
  j.field("Visible", r.Visible != 0);
  j.field("DatabaseName", r.DatabaseName);
  j.field("RecordDate", r.RecordDate);
  j.key("Params");
  WriteParams(j, r.Params);
  j.key("StepExtra").beginObject();
  j.field("ElectrodeDown", int{r.StepExtra.ElectrodeDown});
  j.field("SamplerCell", r.StepExtra.SamplerCell);
  j.field("ElectrodeUp", int{r.StepExtra.ElectrodeUp});
  j.endObject();
  j.field("StirrerType", r.StirrerType);
  j.field("StirrerSpeed", r.StirrerSpeed);
  j.field("Compensation", int{r.Compensation});
  j.field("FilterValue", r.FilterValue);
  j.field("CalculationMethod", r.CalculationMethod);
  j.field("CalibrationType", r.CalibrationType);
  j.field("HasCustomMethod", r.HasCustomMethod != 0);
  j.field("OwnVolume", r.OwnVolume);
  j.key("Volumes").beginArray();
  for (double v : r.Volumes) j.value(v);
  j.endArray();
  j.field("ResUnitTop", r.ResUnitTop);
  j.field("ResUnitBottom", r.ResUnitBottom);
  j.field("RecalcUnitTop", r.RecalcUnitTop);
  j.field("RecalcUnitBottom", r.RecalcUnitBottom);
  j.key("CalcCoefficients").beginArray();
  for (double c : r.CalcCoefficients) j.value(c);
  j.endArray();
  j.key("Variables").beginArray();
  for (const TCalcVar& v : r.Variables)
    j.beginObject().field("Name", v.Name).field("Comment", v.Comment).field("Value", v.Value).endObject();
  j.endArray();
  j.key("Peaks").beginArray();
  for (const TPeakRecord& p : r.GetPeaks()) WritePeak(j, p);
  j.endArray();
  if (r.NodeType == 2) {
    j.key("AveragedColumns").beginArray();
    for (const auto& column : r.AveragedColumns) {
      if (auto* va = dynamic_cast<TVAStruct*>(column.get())) WriteRecord(j, *va);
    }
    j.endArray();
  }
  j.endObject();
}

void CliDocument::WriteNode(JsonWriter& j, TNode& node) {
  j.beginObject();
  j.field("Id", node.Id);
  j.field("Name", node.Name);
  j.field("Checked", node.Checked != 0);
  j.field("Folded", node.Folded != 0);
  const TArrayDataStruct* array = node.ArrayRecord();
  j.field("NodeType", array != nullptr ? array->NodeType : 1);
  j.key("Record");
  if (TVAStruct* va = node.VA())
    WriteRecord(j, *va);
  else
    j.null();
  j.key("Children").beginArray();
  for (TNode* child = node.FirstChild; child != nullptr; child = child->NextSibling) WriteNode(j, *child);
  j.endArray();
  j.endObject();
}

void CliDocument::WriteForest(JsonWriter& j, TNodeForest& forest, bool unreadData) {
  j.beginObject();
  j.field("UnreadData", unreadData);
  j.key("Nodes").beginArray();
  for (TNode* n = forest.FirstRoot(); n != nullptr; n = n->NextSibling) WriteNode(j, *n);
  j.endArray();
  j.endObject();
}

std::vector<TVAStruct*> CliDocument::DisplayedCurves(TNodeForest& forest) {
  std::vector<TVAStruct*> curves;
  for (TNode* node = forest.FirstRoot(); node; node = node->NextSibling) {
    TArrayDataStruct* record = node->ArrayRecord();
    if (!record) continue;
    TStructCollection rows = record->Curves;
    if (rows.empty() && !record->IsGroup() && !record->Data.empty()) rows = {{record}};
    for (const auto& row : rows) {
      for (TArrayDataStruct* curve : row) {
        if (auto* va = dynamic_cast<TVAStruct*>(curve)) curves.push_back(va);
      }
    }
  }
  return curves;
}

fs::path CliDocument::DataDir(const std::string& chosen) {
  if (!chosen.empty()) return fs::path(chosen);
  // VELMORA_DATA_FOLDER overrides the workstation's choice (tests, or a
  // workstation installed elsewhere).
  if (const char* forced = std::getenv("VELMORA_DATA_FOLDER"); forced && *forced) return fs::path(forced);
  std::error_code ec;
  fs::path program = fs::read_symlink("/proc/self/exe", ec).parent_path();
  fs::path home = std::getenv("HOME") ? fs::path(std::getenv("HOME")) : fs::current_path(ec);
  fs::path documents = fs::is_directory(home / "Documents", ec) ? home / "Documents" : home;
  return DataFolder::determine(program, documents);
}

}  // namespace velmora
