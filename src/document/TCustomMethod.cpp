#include "TCustomMethod.h"

#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

// A string[255] block. The writer always stores 256 bytes; a shorter block
// from a damaged file gives what fits in it.
std::string readTextBlock(BinaryReader& body) {
  if (body.size() >= TCustomMethod::kTextCapacity + 1) return body.shortString(TCustomMethod::kTextCapacity);
  if (body.size() == 0) return {};
  return body.shortString(body.size() - 1);
}

}  // namespace

void WriteMethod(BinaryWriter& out, const TCustomMethod& method) {
  ChunkWriter chunks(out);
  chunks.begin(kMethodTagName);
  out.shortString(method.Name, TCustomMethod::kTextCapacity);
  chunks.end();
  chunks.begin(kMethodTagFormula);
  out.shortString(method.Formula, TCustomMethod::kTextCapacity);
  chunks.end();
  chunks.begin(kMethodTagUnits);
  out.i32(method.ResultUnitTop);
  out.i32(method.ResultUnitBottom);
  chunks.end();
  chunks.begin(kMethodTagVars);
  out.i32(static_cast<std::int32_t>(method.Vars.size()));
  for (const TCalcVar& var : method.Vars) WriteCalcVar(out, var);
  chunks.end();
}

void ReadMethod(BinaryReader& in, TCustomMethod& method, bool* unreadData) {
  method = TCustomMethod{};
  ChunkReader chunks(in);
  Chunk chunk;
  while (chunks.next(chunk)) {
    switch (chunk.tag) {
      case kMethodTagName:
        method.Name = readTextBlock(chunk.body);
        break;
      case kMethodTagFormula:
        method.Formula = readTextBlock(chunk.body);
        break;
      case kMethodTagUnits:
        method.ResultUnitTop = chunk.body.i32();
        method.ResultUnitBottom = chunk.body.i32();
        break;
      case kMethodTagVars: {
        const std::int32_t count = chunk.body.i32();
        if (count < 0)
          throw EFormatError(Message(msg::DataCountTooLarge, {"a variable count", std::to_string(count),
                                                              std::to_string(chunk.body.remaining())}));
        chunk.body.requireElements(static_cast<std::uint64_t>(count), TCalcVar::kRecordSize, "a variable count");
        method.Vars.clear();
        method.Vars.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) method.Vars.push_back(ReadCalcVar(chunk.body));
        break;
      }
      default:
        chunks.skip(chunk);
        break;
    }
  }
  if (unreadData) *unreadData = chunks.unreadData();
}

}  // namespace velmora
