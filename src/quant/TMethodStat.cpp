#include "TMethodStat.h"

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "ConcUnits.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

enum Tag : std::int32_t { TagName = 1, TagUnits = 2, TagElement = 3, TagRange = 4, TagCellConc = 5 };

// No real record holds more elements or ranges; a stream that claims more
// is damage, not data.
constexpr std::size_t kMaxElements = 10000;
constexpr std::size_t kMaxRanges = 100000;

void Expect(const Chunk& chunk, std::size_t size) {
  if (chunk.body.size() < size)
    throw EFormatError(Message(msg::RecordBlockSize,
                               {std::to_string(chunk.tag), std::to_string(chunk.body.size()), std::to_string(size)}));
}

}  // namespace

void TMethodStat::Write(const TMethodStat& record, BinaryWriter& out) {
  ChunkWriter chunks(out);
  BinaryWriter name;
  name.shortString(record.Name, 255);
  chunks.chunk(TagName, name.data());
  BinaryWriter units;
  units.i32(record.ResTop);
  units.i32(record.ResBottom);
  chunks.chunk(TagUnits, units.data());
  for (const TElementStatistics& element : record.Elements) {
    BinaryWriter el;
    el.shortString(element.Name, 255);
    chunks.chunk(TagElement, el.data());
    for (const TStatRange& r : element.Ranges) {
      BinaryWriter range;
      range.f64(r.LowerBound);
      range.f64(r.UpperBound);
      range.f64(r.Reproducibility);
      range.f64(r.CriticalDifference);
      range.i32(r.Delta);
      chunks.chunk(TagRange, range.data());
    }
  }
  chunks.int32Chunk(TagCellConc, record.CellConc);
}

std::vector<std::uint8_t> TMethodStat::Bytes(const TMethodStat& record) {
  BinaryWriter out;
  Write(record, out);
  return out.take();
}

TMethodStat TMethodStat::Read(BinaryReader& in) {
  TMethodStat record;
  std::size_t ranges = 0;
  ChunkReader chunks(in);
  Chunk chunk;
  while (chunks.next(chunk)) {
    switch (chunk.tag) {
      case TagName:
        record.Name = chunk.body.shortString(255);
        break;
      case TagUnits:
        Expect(chunk, 8);
        record.ResTop = chunk.body.i32();
        record.ResBottom = chunk.body.i32();
        break;
      case TagElement:
        if (record.Elements.size() >= kMaxElements)
          throw EFormatError(Message(msg::RecordBlockSize, {"3", std::to_string(record.Elements.size()), "-"}));
        record.Elements.push_back({chunk.body.shortString(255), {}});
        break;
      case TagRange: {
        if (record.Elements.empty()) break;
        Expect(chunk, TStatRange::kSize);
        if (++ranges > kMaxRanges)
          throw EFormatError(Message(msg::RecordBlockSize, {"4", std::to_string(ranges), "-"}));
        TStatRange r;
        r.LowerBound = chunk.body.f64();
        r.UpperBound = chunk.body.f64();
        r.Reproducibility = chunk.body.f64();
        r.CriticalDifference = chunk.body.f64();
        r.Delta = chunk.body.i32();
        record.Elements.back().Ranges.push_back(r);
        break;
      }
      case TagCellConc:
        Expect(chunk, 4);
        record.CellConc = chunk.body.i32();
        break;
      default:
        chunks.skip(chunk);
        break;
    }
  }
  return record;
}

TMethodStat TMethodStat::Read(std::span<const std::uint8_t> bytes) {
  BinaryReader in(bytes);
  return Read(in);
}

// 1. Every field starts at -1. 2. A record without a name, or without the
// element, gives that. 3. The value goes into the record's units. 4. The
// first range holding it strictly inside its bounds is the answer. 5. A
// value outside every range gets the span from the first range's lower to
// the last range's upper bound, in base units, so that the report can tell
// "below the limit of determination" from "above the maximum".
TStatRange TMethodStat::FindRange(const TMethodStat& statistics, const std::string& element, double value) {
  TStatRange result;
  if (statistics.Name.empty()) return result;
  const TElementStatistics* found = nullptr;
  for (const TElementStatistics& e : statistics.Elements) {
    if (e.Name == element) {
      found = &e;
      break;
    }
  }
  // An element without ranges has no bounds to report either.
  if (!found || found->Ranges.empty()) return result;
  const double v = ConcUnits::FromBaseUnits(statistics.ResTop, statistics.ResBottom, value);
  if (v != -1.0) {
    for (const TStatRange& r : found->Ranges)
      if (r.LowerBound < v && v < r.UpperBound) return r;
  }
  result.LowerBound = ConcUnits::ToBaseUnits(statistics.ResTop, statistics.ResBottom, found->Ranges.front().LowerBound);
  result.UpperBound = ConcUnits::ToBaseUnits(statistics.ResTop, statistics.ResBottom, found->Ranges.back().UpperBound);
  return result;
}

}  // namespace velmora
