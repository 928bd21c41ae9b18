#include "VAStructStream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>
#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FormatError.h"
#include "Messages.h"
#include "OldPeakEntry.h"
#include "StreamText.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TUndoSuspendGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// A count read from a block: negative counts and counts whose elements
// cannot fit in what remains are damage.
std::size_t ReadCount(BinaryReader& in, std::size_t elementSize, const char* what) {
  const std::int32_t n = in.i32();
  if (n < 0)
    throw EFormatError(Message(msg::DataCountTooLarge, {what, std::to_string(n), std::to_string(in.remaining())}));
  in.requireElements(static_cast<std::uint64_t>(n), elementSize, what);
  return static_cast<std::size_t>(n);
}

// A little-endian double at `p`.
double DoubleAt(const std::uint8_t* p) {
  std::uint64_t v = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&v, p, sizeof v);
  } else {
    for (int i = 0; i < 8; ++i) v |= std::uint64_t{p[i]} << (8 * i);
  }
  return std::bit_cast<double>(v);
}

void WritePeakInts(ChunkWriter& cw, std::int32_t tag, const TPeaks& peaks, std::int32_t TPeakRecord::*field) {
  cw.begin(tag);
  for (const TPeakRecord& p : peaks) cw.out().i32(p.*field);
  cw.end();
}

}  // namespace

void VAStructStream::CheckRecordCount(std::size_t records, std::size_t bytes) {
  // One record is allowed whatever the size, as a short hand-made file holds.
  if (records > std::max<std::size_t>(1, bytes / kMinRecordBytes))
    throw EFormatError(Message(msg::RecordsOutOfProportion, {std::to_string(bytes), std::to_string(records)}));
}

std::int32_t VAStructStream::NormalizedStirrerSpeed(std::int32_t speed) {
  return (speed < 0 || speed > 2000) ? -1 : speed;
}

std::int32_t VAStructStream::NormalizedStirrerType(std::int32_t type) { return (type < 0 || type > 4) ? -1 : type; }

void VAStructStream::SaveToStream(const TVAStruct& r, BinaryWriter& out) {
  ChunkWriter cw(out);
  BinaryWriter& w = out;

  // Point-array level: the points and the shift of a curve of its own. A
  // group's points, and those of an averaged column (a detached record bound
  // to the group's node), are recomputed from the children after loading.
  const bool ownCurve = r.Node == nullptr || (r.Detached == 0 && r.Node->FirstChild == nullptr);
  if (ownCurve) {
    cw.doubleChunk(TagXShift, r.XShift);
    cw.begin(TagPoints);
    // Grow geometrically: reserving the exact size per record would copy
    // the whole document image once per curve.
    const std::size_t needed = w.size() + 4 + 16 * r.Data.size() + 4096;
    if (needed > w.data().capacity()) w.reserve(std::max(needed, 2 * w.data().capacity()));
    w.i32(static_cast<std::int32_t>(r.Data.size()));
    for (const TDataPoint& p : r.Data) {
      w.f64(p.X);
      w.f64(p.Y);
    }
    cw.end();
  }
  cw.int32Chunk(TagNodeType, r.NodeType);
  cw.int32Chunk(TagVisible, r.Visible != 0 ? 1 : 0);

  // Record level.
  cw.begin(TagDatabaseName);
  w.shortString(r.DatabaseName, TVAStruct::kDatabaseNameCapacity);
  cw.end();
  cw.begin(TagDateAndParams);
  w.f64(r.RecordDate);
  r.Params.WriteTo(w);
  cw.end();
  cw.doubleChunk(TagOwnVolume, r.OwnVolume);
  cw.begin(TagResultUnits);
  w.i32(r.ResUnitTop);
  w.i32(r.ResUnitBottom);
  cw.end();
  cw.begin(TagRecalcUnits);
  w.i32(r.RecalcUnitTop);
  w.i32(r.RecalcUnitBottom);
  cw.end();
  cw.begin(TagVariables);
  w.i32(static_cast<std::int32_t>(r.Variables.size()));
  for (const TCalcVar& v : r.Variables) WriteCalcVar(w, v);
  cw.end();

  if (r.NodeType == 2) {
    cw.begin(TagAveragedColumns);
    w.i32(static_cast<std::int32_t>(r.AveragedColumns.size()));
    for (const auto& column : r.AveragedColumns) {
      const std::size_t sizeAt = w.size();
      w.i32(0);
      if (const auto* va = dynamic_cast<const TVAStruct*>(column.get())) SaveToStream(*va, w);
      w.patchI32(sizeAt, static_cast<std::int32_t>(w.size() - sizeAt - 4));
    }
    cw.end();
  } else {
    cw.begin(TagPeaks);
    w.i32(static_cast<std::int32_t>(r.Peaks.size()));
    for (const TPeakRecord& p : r.Peaks) p.WriteTo(w, kPeakImageSize);
    cw.end();
    WritePeakInts(cw, TagPeakCalcTypes, r.Peaks, &TPeakRecord::CalcType);
    WritePeakInts(cw, TagPeakBaselineTypes, r.Peaks, &TPeakRecord::BaselineType);
    cw.begin(TagPeakGridValues);
    for (const TPeakRecord& p : r.Peaks) w.f64(p.GridValue);
    cw.end();
    cw.begin(TagPeakUnits);
    for (const TPeakRecord& p : r.Peaks) {
      w.i32(p.UnitTop);
      w.i32(p.UnitBottom);
    }
    cw.end();
  }

  cw.begin(TagVolumes);
  w.i32(TVAStruct::kVolumeCount);
  for (double v : r.Volumes) w.f64(v);
  cw.end();
  cw.begin(TagCalcCoefficients);
  for (double c : r.CalcCoefficients) w.f64(c);
  cw.end();
  cw.int32Chunk(TagCalibrationType, r.CalibrationType);
  cw.begin(TagStepExtra);
  r.StepExtra.WriteTo(w);
  cw.end();
  // The stirrer values are written as every reader takes them, so that a
  // file read and written again comes out the same.
  cw.begin(TagStirrer);
  w.i32(NormalizedStirrerType(r.StirrerType));
  w.i32(NormalizedStirrerSpeed(r.StirrerSpeed));
  w.u8(r.Compensation);
  cw.end();
  cw.int32Chunk(TagFilterValue, r.FilterValue);
  cw.int32Chunk(TagCalculationMethod, r.CalculationMethod);
  cw.byteChunk(TagHasCustomMethod, r.HasCustomMethod);
  cw.begin(TagCustomMethod);
  WriteMethod(w, r.CustomMethod);
  cw.end();
}

int VAStructStream::LoadFromStream(TVAStruct& record, BinaryReader& in, int nesting) {
  if (nesting > kMaxNesting) throw EFormatError(Message(msg::NestingTooDeep, {std::to_string(kMaxNesting)}));
  ReadArrayLevel(record, in);
  TNodeForest* forest = record.Forest();
  TUndoSuspendGuard undoGuard(forest != nullptr ? &forest->Undo() : nullptr);
  return ReadRecordLevel(record, in, nesting);
}

bool VAStructStream::ReadArrayLevel(TArrayDataStruct& record, BinaryReader& in) {
  ChunkReader chunks(in);
  Chunk c;
  while (chunks.next(c)) {
    BinaryReader& b = c.body;
    switch (c.tag) {
      case TagPoints: {
        const std::size_t n = ReadCount(b, 16, "the point count");
        // One bounds check for the block, then the doubles field by field.
        const std::span<const std::uint8_t> raw = b.bytes(16 * n);
        TDataArr points;
        points.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
          points.push_back({DoubleAt(raw.data() + 16 * i), DoubleAt(raw.data() + 16 * i + 8)});
        record.SetData(std::move(points));
        break;
      }
      case TagNodeType:
        record.SetNodeType(b.i32());
        break;
      case TagXShift:
        record.XShift = b.f64();
        record.InvalidateCaches();
        break;
      case TagVisible: {
        const std::int32_t v = b.i32();
        if (v >= 0) record.Visible = v == 1 ? 1 : 0;
        break;
      }
      default:
        in.seek(c.offset);  // the record level goes on from this block
        return true;
    }
  }
  return false;
}

int VAStructStream::ReadRecordLevel(TVAStruct& r, BinaryReader& in, int nesting) {
  int result = 0;
  ChunkReader chunks(in);
  Chunk c;
  while (chunks.next(c)) {
    BinaryReader& b = c.body;
    switch (c.tag) {
      case TagDatabaseName:
        r.DatabaseName = StreamText::ReadShortString(b, TVAStruct::kDatabaseNameCapacity);
        break;
      case TagDateAndParams:
        r.RecordDate = b.f64();
        r.Params.ReadFrom(b);
        break;
      case TagResultUnits:
        r.ResUnitTop = b.i32();
        r.ResUnitBottom = b.i32();
        break;
      case TagRecalcUnits:
        r.RecalcUnitTop = b.i32();
        r.RecalcUnitBottom = b.i32();
        break;
      case TagVariables: {
        const std::size_t n = ReadCount(b, TCalcVar::kRecordSize, "the variable count");
        TVarsArr vars;
        vars.reserve(n);
        for (std::size_t i = 0; i < n; ++i) vars.push_back(ReadCalcVar(b));
        r.Variables = std::move(vars);
        break;
      }
      case TagStepExtra:
        r.StepExtra.ReadFrom(b);
        break;
      case TagFilterValue:
        r.FilterValue = b.i32();
        break;
      case TagCalculationMethod:
        r.CalculationMethod = b.i32();
        break;
      case TagHasCustomMethod:
        r.HasCustomMethod = b.u8();
        break;
      case TagCustomMethod: {
        bool unread = false;
        ReadMethod(b, r.CustomMethod, &unread);
        if (unread) result = 1;
        break;
      }
      case TagCalcCoefficients:
        for (double& v : r.CalcCoefficients) v = b.f64();
        break;
      case TagCalibrationType:
        r.CalibrationType = b.i32();
        break;
      case TagStirrer:
        r.StirrerType = b.i32();
        r.StirrerSpeed = b.i32();
        r.Compensation = b.u8();
        r.StirrerSpeed = NormalizedStirrerSpeed(r.StirrerSpeed);
        r.StirrerType = NormalizedStirrerType(r.StirrerType);
        break;
      case TagOwnVolume: {
        r.OwnVolume = b.f64();
        std::int32_t type = r.Params.MeasurementType();
        if (type > 9) {
          type = 0;
          r.Params.SetMeasurementType(0);
        }
        // Only the six kinds of solution have a volume slot; older kinds
        // (and damaged negative values) keep just OwnVolume.
        if (type >= 0 && type < TVAStruct::kMeasurementTypeCount) r.Volumes[type + 4] = r.OwnVolume;
        break;
      }
      case TagVolumes: {
        const std::size_t n = ReadCount(b, 8, "the volume count");
        for (std::size_t i = 0; i < n; ++i) {
          const double v = b.f64();
          if (i < r.Volumes.size()) r.Volumes[i] = v;
        }
        break;
      }
      case TagPeaks: {
        const std::size_t n = ReadCount(b, kPeakImageSize, "the peak count");
        TPeaks peaks;
        peaks.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
          TPeakRecord p = TPeakRecord::Zero();
          p.ReadFrom(b, kPeakImageSize);
          p.ValueValid = 0;
          p.UnitTop = -1;
          p.UnitBottom = -1;
          p.CalcType = 1;
          p.BaselineType = 0;
          peaks.push_back(std::move(p));
        }
        r.Peaks = std::move(peaks);
        break;
      }
      case TagPeakCalcTypes:
      case TagPeakBaselineTypes: {
        const std::size_t n = std::min(r.Peaks.size(), b.remaining() / 4);
        for (std::size_t i = 0; i < n; ++i) {
          const std::int32_t v = b.i32();
          if (c.tag == TagPeakCalcTypes)
            r.Peaks[i].CalcType = v;
          else
            r.Peaks[i].BaselineType = v;
        }
        break;
      }
      case TagPeakGridValues: {
        const std::size_t n = std::min(r.Peaks.size(), b.remaining() / 8);
        for (std::size_t i = 0; i < n; ++i) r.Peaks[i].GridValue = b.f64();
        break;
      }
      case TagPeakUnits: {
        const std::size_t n = std::min(r.Peaks.size(), b.remaining() / 8);
        for (std::size_t i = 0; i < n; ++i) {
          r.Peaks[i].UnitTop = b.i32();
          r.Peaks[i].UnitBottom = b.i32();
        }
        break;
      }
      case TagPeaks279: {
        const std::size_t n = ReadCount(b, kOldPeakImageSize, "the peak count");
        TPeaks peaks;
        peaks.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
          TPeakRecord p = TPeakRecord::Zero();
          p.ReadFrom(b, kOldPeakImageSize);
          p.ValueValid = 0;
          p.AdditionConc = 0.0;
          p.UnitTop = -1;
          p.UnitBottom = -1;
          p.CalcType = 1;
          peaks.push_back(std::move(p));
        }
        r.Peaks = std::move(peaks);
        break;
      }
      case TagOldPeaks: {
        const std::size_t n = ReadCount(b, OldPeakEntry::kSize, "the peak count");
        TPeaks peaks;
        peaks.reserve(n);
        for (std::size_t i = 0; i < n; ++i) peaks.push_back(OldPeakEntry::Read(b).ToPeak(1));
        r.Peaks = std::move(peaks);
        break;
      }
      case TagOldParamsAndPeaks: {
        r.RecordDate = b.f64();
        r.Params.ReadFrom(b);
        TPeaks peaks;
        for (int i = 0; i < OldPeakEntry::kFixedCount && b.remaining() >= OldPeakEntry::kSize; ++i) {
          OldPeakEntry e = OldPeakEntry::Read(b);
          if (e.Name.empty()) break;
          peaks.push_back(e.ToPeak(0));
        }
        r.SetPeaks(std::move(peaks));
        break;
      }
      case TagAveragedColumns: {
        // Every column is a whole record stream of its own.
        const std::size_t m = ReadCount(b, 4, "the column count");
        CheckRecordCount(m, b.remaining());
        std::vector<std::unique_ptr<TArrayDataStruct>> columns;
        for (std::size_t i = 0; i < m; ++i) {
          const std::size_t size = ReadCount(b, 1, "a column record");
          BinaryReader nested = b.sub(size);
          auto column = std::make_unique<TVAStruct>(r.Node);
          column->Detached = 1;
          if (LoadFromStream(*column, nested, nesting + 1) != 0) result = 1;
          columns.push_back(std::move(column));
        }
        r.AveragedColumns = std::move(columns);
        break;
      }
      default:
        chunks.skip(c);
        result = 1;
        break;
    }
  }
  return result;
}

}  // namespace velmora
