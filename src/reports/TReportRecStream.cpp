// The report file: tagged blocks, the experiments with their curves and
// calibrations first, then the units, the elements and the statistics.

#include <algorithm>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FormatError.h"
#include "Messages.h"
#include "TReportRec.h"
#include "TVAStruct.h"
#include "VAStructStream.h"

namespace velmora {

namespace {

enum Tag : std::int32_t {
  TagTitle = 1,
  TagExperiment = 2,
  TagComment = 3,
  TagUnits = 4,
  TagVolumes = 5,
  TagElement = 6,
  TagMean = 8,
  TagDelta = 9,
  TagResults = 10,
  TagCurve = 12,
  TagPeakCalcType = 13,
  TagRecalcUnits = 14,
  TagVariables = 15,
  TagCalcMethod = 16,
  TagCalibration = 17,
  TagStatistics = 18,
  TagCellValues = 19,
  TagNote = 20,  // one note of the experiment, UTF-8 text
};

constexpr std::size_t kMaxVolumes = 5;

void TextChunk(ChunkWriter& chunks, std::int32_t tag, const std::string& text) {
  BinaryWriter w;
  w.shortString(text, 255);
  chunks.chunk(tag, w.data());
}

void ValuesChunk(ChunkWriter& chunks, std::int32_t tag, const std::vector<double>& values) {
  BinaryWriter w;
  w.i32(static_cast<std::int32_t>(values.size()));
  for (double v : values) w.f64(v);
  chunks.chunk(tag, w.data());
}

[[noreturn]] void OutOfPlace(std::int32_t tag) {
  throw EFormatError(Message(msg::ReportBlockOutOfPlace, {std::to_string(tag)}));
}

void Expect(const Chunk& chunk, std::size_t size) {
  if (chunk.body.size() < size)
    throw EFormatError(Message(msg::RecordBlockSize,
                               {std::to_string(chunk.tag), std::to_string(chunk.body.size()), std::to_string(size)}));
}

std::int32_t Count(Chunk& chunk, std::size_t elementSize, std::size_t max) {
  Expect(chunk, 4);
  const std::int32_t k = chunk.body.i32();
  if (k < 0 || static_cast<std::size_t>(k) > max ||
      static_cast<std::uint64_t>(k) * elementSize > chunk.body.remaining())
    throw EFormatError(Message(msg::ReportCountMismatch,
                               {std::to_string(chunk.tag), std::to_string(k), std::to_string(chunk.body.size())}));
  return k;
}

std::vector<double> ReadValues(Chunk& chunk, std::size_t max) {
  const std::int32_t k = Count(chunk, 8, max);
  std::vector<double> values(static_cast<std::size_t>(k));
  for (double& v : values) v = chunk.body.f64();
  return values;
}

}  // namespace

void TReportRec::SaveToStream(BinaryWriter& out) {
  ChunkWriter chunks(out);
  TextChunk(chunks, TagTitle, Title);
  for (const TExpRec& e : Experiments) {
    TextChunk(chunks, TagExperiment, e.Name);
    TextChunk(chunks, TagComment, e.Comment);
    chunks.int32Chunk(TagCalcMethod, e.CalcMethod);
    BinaryWriter units;
    units.i32(e.RecalcUnitTop);
    units.i32(e.RecalcUnitBottom);
    chunks.chunk(TagRecalcUnits, units.data());
    if (VariablesMode) {
      BinaryWriter vars;
      vars.i32(static_cast<std::int32_t>(e.Vars.size()));
      for (const TCalcVar& v : e.Vars) WriteCalcVar(vars, v);
      chunks.chunk(TagVariables, vars.data());
    } else {
      ValuesChunk(chunks, TagVolumes,
                  {e.AliquotVolume, e.CellVolume, e.DilutionFactor, e.SampleMass, e.PreparedVolume});
    }
    for (const auto& c : e.Curves) {
      if (!c) continue;
      BinaryWriter curve;
      VAStructStream::SaveToStream(*c, curve);
      chunks.chunk(TagCurve, curve.data());
    }
    chunks.int32Chunk(TagPeakCalcType, e.PeakCalcType);
    for (const TSingleCalibration& cal : e.Calibrations) chunks.chunk(TagCalibration, cal.FileBytes());
    for (const std::string& note : e.Notes)
      chunks.chunk(TagNote, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(note.data()),
                                                          std::min(note.size(), kMaxNoteBytes)));
  }
  BinaryWriter units;
  units.i32(UnitTop);
  units.i32(UnitBottom);
  units.i32(NativeUnitTop);
  units.i32(NativeUnitBottom);
  chunks.chunk(TagUnits, units.data());
  for (const TReportElementRec& el : Elements) {
    TextChunk(chunks, TagElement, el.Name);
    chunks.doubleChunk(TagMean, el.Mean);
    chunks.int32Chunk(TagDelta, el.Delta);
    ValuesChunk(chunks, TagResults, el.Results);
    ValuesChunk(chunks, TagCellValues, el.CellValues);
  }
  chunks.chunk(TagStatistics, TMethodStat::Bytes(Statistics));
  Saved = true;
}

std::vector<std::uint8_t> TReportRec::Bytes() {
  BinaryWriter out;
  SaveToStream(out);
  return out.take();
}

void TReportRec::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  BinaryReader in(bytes);
  LoadFromStream(in);
}

void TReportRec::LoadFromStream(BinaryReader& in) {
  Clear();
  std::size_t curves = 0;
  // Each element keeps a result and a cell value for every experiment, 16
  // bytes of a report file apiece; a file cannot claim a table (and its
  // padding) far beyond what it holds.
  const std::size_t bytes = in.remaining();
  auto checkTable = [&](std::size_t elements, std::size_t experiments) {
    if (static_cast<std::uint64_t>(elements) * experiments > std::max<std::size_t>(1, bytes / 16))
      throw EFormatError(Message(msg::ReportTableTooLarge,
                                 {std::to_string(elements), std::to_string(experiments), std::to_string(bytes)}));
  };
  // Every element holds one slot per experiment, whatever the file says,
  // so that the table never reads beyond them.
  auto normalize = [this] {
    for (TReportElementRec& el : Elements) {
      el.Results.resize(Experiments.size(), -1.0);
      el.CellValues.resize(Experiments.size(), -1.0);
    }
  };
  try {
    ChunkReader chunks(in);
    Chunk chunk;
    while (chunks.next(chunk)) {
      const std::int32_t tag = chunk.tag;
      const bool experimentTag =
          tag == TagComment || tag == TagVolumes || tag == TagNote || (tag >= TagCurve && tag <= TagCalibration);
      const bool elementTag = tag == TagMean || tag == TagDelta || tag == TagResults || tag == TagCellValues;
      if (experimentTag && Experiments.empty()) OutOfPlace(tag);
      if (elementTag && Elements.empty()) OutOfPlace(tag);
      TExpRec* e = Experiments.empty() ? nullptr : &Experiments.back();
      TReportElementRec* el = Elements.empty() ? nullptr : &Elements.back();
      switch (tag) {
        case TagTitle:
          Title = chunk.body.shortString(255);
          break;
        case TagExperiment: {
          if (Experiments.size() >= kMaxExperiments)
            throw EFormatError(Message(msg::ReportTooMany, {std::to_string(kMaxExperiments), "experiments"}));
          TExpRec x;
          x.Name = chunk.body.shortString(255);
          x.ResUnitTop = 0;
          x.ResUnitBottom = 0;
          checkTable(Elements.size(), Experiments.size() + 1);
          Experiments.push_back(std::move(x));
          break;
        }
        case TagComment:
          e->Comment = chunk.body.shortString(255);
          break;
        case TagCalcMethod:
          Expect(chunk, 4);
          e->CalcMethod = chunk.body.i32();
          break;
        case TagRecalcUnits:
          Expect(chunk, 8);
          e->RecalcUnitTop = chunk.body.i32();
          e->RecalcUnitBottom = chunk.body.i32();
          break;
        case TagVariables: {
          VariablesMode = true;
          const std::int32_t m = Count(chunk, TCalcVar::kRecordSize, kMaxVars);
          e->Vars.clear();
          for (std::int32_t i = 0; i < m; ++i) e->Vars.push_back(ReadCalcVar(chunk.body));
          break;
        }
        case TagVolumes: {
          VariablesMode = false;
          Expect(chunk, 4);
          const std::int32_t k = chunk.body.i32();
          if (k < 0 || static_cast<std::size_t>(k) > kMaxVolumes)
            throw EFormatError(Message(msg::ReportTooManyVolumes, {std::to_string(k)}));
          chunk.body.requireElements(static_cast<std::uint64_t>(k), 8, "volumes");
          double v[kMaxVolumes] = {};
          for (std::int32_t i = 0; i < k; ++i) v[i] = chunk.body.f64();
          e->AliquotVolume = v[0];
          e->CellVolume = v[1];
          e->DilutionFactor = v[2];
          e->SampleMass = v[3];
          e->PreparedVolume = v[4];
          break;
        }
        case TagCurve: {
          if (++curves > kMaxCurves)
            throw EFormatError(Message(msg::ReportTooMany, {std::to_string(kMaxCurves), "curves"}));
          VAStructStream::CheckRecordCount(curves, bytes);
          auto curve = std::make_shared<TVAStruct>(nullptr);
          VAStructStream::LoadFromStream(*curve, chunk.body);
          curve->Detached = 1;
          e->Curves.push_back(std::move(curve));
          break;
        }
        case TagPeakCalcType:
          Expect(chunk, 4);
          e->PeakCalcType = chunk.body.i32();
          break;
        case TagCalibration: {
          if (e->Calibrations.size() >= kMaxElements)
            throw EFormatError(Message(msg::ReportTooMany, {std::to_string(kMaxElements), "calibrations"}));
          TSingleCalibration cal;
          cal.ReadFile(chunk.body.bytes(chunk.body.remaining()));
          cal.Loaded = true;
          for (auto& c : cal.Curves)
            if (c) c->Detached = 1;
          e->Calibrations.push_back(std::move(cal));
          break;
        }
        case TagUnits:
          Expect(chunk, 16);
          UnitTop = chunk.body.i32();
          UnitBottom = chunk.body.i32();
          NativeUnitTop = chunk.body.i32();
          NativeUnitBottom = chunk.body.i32();
          break;
        case TagElement: {
          if (Elements.size() >= kMaxElements)
            throw EFormatError(Message(msg::ReportTooMany, {std::to_string(kMaxElements), "elements"}));
          TReportElementRec x;
          x.Name = chunk.body.shortString(255);
          checkTable(Elements.size() + 1, Experiments.size());
          Elements.push_back(std::move(x));
          break;
        }
        case TagMean:
          Expect(chunk, 8);
          el->Mean = chunk.body.f64();
          break;
        case TagDelta:
          Expect(chunk, 4);
          el->Delta = chunk.body.i32();
          break;
        case TagResults:
          el->Results = ReadValues(chunk, kMaxExperiments);
          break;
        case TagCellValues:
          el->CellValues = ReadValues(chunk, kMaxExperiments);
          break;
        case TagNote: {
          if (e->Notes.size() >= kMaxNotes)
            throw EFormatError(Message(msg::ReportTooMany, {std::to_string(kMaxNotes), "notes"}));
          const auto text = chunk.body.bytes(std::min(chunk.body.remaining(), kMaxNoteBytes));
          e->Notes.emplace_back(text.begin(), text.end());
          break;
        }
        case TagStatistics: {
          BinaryReader body = chunk.body;
          Statistics = TMethodStat::Read(body);
          break;
        }
        default:
          chunks.skip(chunk);
          break;
      }
    }
  } catch (...) {
    normalize();
    changed();
    throw;
  }
  normalize();
  Saved = true;
  changed();
}

}  // namespace velmora
