#include "TSingleCalibration.h"

#include <cmath>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "ConcUnits.h"
#include "FormatError.h"
#include "Messages.h"
#include "TVAStruct.h"
#include "VAStructStream.h"

namespace velmora {

namespace {

enum Tag : std::int32_t {
  TagName = 1,
  TagStamp = 2,
  TagCalcType = 3,
  TagUnits = 4,
  TagZeroPoint = 5,
  TagLine = 6,
  TagR2 = 7,
  TagPoints = 8,
  TagCurve = 9,
  TagTitle = 10,
};

// More standards than any laboratory measures for one line.
constexpr std::size_t kMaxCurves = 4096;

void Expect(const Chunk& chunk, std::size_t size) {
  if (chunk.body.size() < size)
    throw EFormatError(Message(msg::RecordBlockSize,
                               {std::to_string(chunk.tag), std::to_string(chunk.body.size()), std::to_string(size)}));
}

}  // namespace

TDataArr TSingleCalibration::LinePoints() const {
  TDataArr out;
  out.reserve(Points.size());
  for (const TDataPoint& p : Points) {
    // The zero point is zero in every unit.
    const double x = p.X == 0.0 ? 0.0 : ConcUnits::Convert(UnitTop, UnitBottom, kLineUnitTop, kLineUnitBottom, p.X);
    if (p.X != 0.0 && x == -1.0) return {};
    out.push_back({x, p.Y});
  }
  return out;
}

TRegressionFigures TSingleCalibration::Figures() const {
  const TDataArr points = LinePoints();
  return TRegressionFigures::Of(points, Intercept, Slope);
}

double TSingleCalibration::Concentration(double signal, std::int32_t unitTop, std::int32_t unitBottom) const {
  if (Slope == 0.0 || !std::isfinite(Slope) || !std::isfinite(signal)) return -1.0;
  const double x = (signal - Intercept) / Slope;
  if (!std::isfinite(x)) return -1.0;
  return ConcUnits::Convert(kLineUnitTop, kLineUnitBottom, unitTop, unitBottom, x);
}

double TSingleCalibration::ConcentrationUncertainty(double signal, int replicates, std::int32_t unitTop,
                                                    std::int32_t unitBottom) const {
  const double u = Figures().ReadingUncertainty(signal, replicates);
  if (u < 0.0) return -1.0;
  // A spread converts by the unit factor alone, like a concentration.
  return ConcUnits::Convert(kLineUnitTop, kLineUnitBottom, unitTop, unitBottom, u);
}

bool TSingleCalibration::LineIn(std::int32_t unitTop, std::int32_t unitBottom, TCalibrationLine& out) const {
  // Concentrations convert by one factor from the line's axis.
  const double factor = ConcUnits::Convert(kLineUnitTop, kLineUnitBottom, unitTop, unitBottom, 1.0);
  if (!(factor > 0.0) || !std::isfinite(factor)) return false;
  out = {};
  for (const TDataPoint& p : LinePoints()) out.Points.push_back({p.X * factor, p.Y});
  out.Intercept = Intercept;
  out.Slope = Slope / factor;
  out.R2 = R2;
  return true;
}

TCalibrationCurves TSingleCalibration::AsCurves() const {
  TCalibrationCurves c;
  c.Name = Name;
  c.IncludeZeroPoint = IncludeZeroPoint;
  c.UnitTop = UnitTop;
  c.UnitBottom = UnitBottom;
  c.CalcType = CalcType;
  for (const auto& curve : Curves) c.Curves.push_back(curve.get());
  return c;
}

std::vector<std::uint8_t> TSingleCalibration::FileBytes() const {
  BinaryWriter out;
  ChunkWriter chunks(out);
  BinaryWriter name;
  name.shortString(Name, 255);
  chunks.chunk(TagName, name.data());
  chunks.doubleChunk(TagStamp, Stamp);
  chunks.int32Chunk(TagCalcType, CalcType);
  BinaryWriter units;
  units.i32(UnitTop);
  units.i32(UnitBottom);
  chunks.chunk(TagUnits, units.data());
  chunks.byteChunk(TagZeroPoint, IncludeZeroPoint);
  BinaryWriter line;
  line.f64(Intercept);
  line.f64(Slope);
  chunks.chunk(TagLine, line.data());
  chunks.doubleChunk(TagR2, R2);
  BinaryWriter points;
  points.i32(static_cast<std::int32_t>(Points.size()));
  for (const TDataPoint& p : Points) {
    points.f64(p.X);
    points.f64(p.Y);
  }
  chunks.chunk(TagPoints, points.data());
  if (!Title.empty()) {
    BinaryWriter title;
    title.shortString(Title, 255);
    chunks.chunk(TagTitle, title.data());
  }
  for (const auto& curve : Curves) {
    chunks.begin(TagCurve);
    VAStructStream::SaveToStream(*curve, out);
    chunks.end();
  }
  return out.take();
}

void TSingleCalibration::ReadFile(std::span<const std::uint8_t> bytes) {
  BinaryReader in(bytes);
  ChunkReader chunks(in);
  Chunk chunk;
  Points.clear();
  Curves.clear();
  while (chunks.next(chunk)) {
    switch (chunk.tag) {
      case TagName:
        Name = chunk.body.shortString(255);
        break;
      case TagStamp:
        Expect(chunk, 8);
        Stamp = chunk.body.f64();
        break;
      case TagCalcType:
        Expect(chunk, 4);
        CalcType = chunk.body.i32();
        break;
      case TagUnits:
        Expect(chunk, 8);
        UnitTop = chunk.body.i32();
        UnitBottom = chunk.body.i32();
        break;
      case TagZeroPoint:
        Expect(chunk, 1);
        IncludeZeroPoint = chunk.body.u8();
        break;
      case TagLine:
        Expect(chunk, 16);
        Intercept = chunk.body.f64();
        Slope = chunk.body.f64();
        break;
      case TagR2:
        Expect(chunk, 8);
        R2 = chunk.body.f64();
        break;
      case TagPoints: {
        Expect(chunk, 4);
        const std::int32_t n = chunk.body.i32();
        if (n < 0 || static_cast<std::uint64_t>(n) * 16 > chunk.body.remaining())
          throw EFormatError(Message(msg::RecordPointCount, {std::to_string(n), std::to_string(chunk.body.size())}));
        Points.resize(static_cast<std::size_t>(n));
        for (TDataPoint& p : Points) {
          p.X = chunk.body.f64();
          p.Y = chunk.body.f64();
        }
        break;
      }
      case TagCurve: {
        if (Curves.size() >= kMaxCurves)
          throw EFormatError(Message(msg::RecordBlockSize, {"9", std::to_string(Curves.size()), "-"}));
        VAStructStream::CheckRecordCount(Curves.size() + 1, bytes.size());
        auto curve = std::make_shared<TVAStruct>();
        curve->Detached = 1;
        VAStructStream::LoadFromStream(*curve, chunk.body);
        Curves.push_back(std::move(curve));
        break;
      }
      case TagTitle:
        Title = chunk.body.shortString(255);
        break;
      default:
        chunks.skip(chunk);
        break;
    }
  }
  Loaded = true;
}

std::vector<std::uint8_t> TSingleCalibration::HeaderData() const {
  BinaryWriter out;
  out.i32(CalcType);
  out.f64(R2);
  return out.take();
}

bool TSingleCalibration::ReadHeaderData(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderDataSize) return false;
  BinaryReader in(data);
  CalcType = in.i32();
  R2 = in.f64();
  return true;
}

}  // namespace velmora
