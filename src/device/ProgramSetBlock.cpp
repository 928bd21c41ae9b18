#include "ProgramSetBlock.h"

#include <algorithm>
#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

constexpr std::size_t kHeadEnd = ProgramStep::kHeadSize;      // 244
constexpr std::size_t kExtraEnd = ProgramStep::kAddOnOffset;  // 256
constexpr std::size_t kAddOnEnd = ProgramStep::oFilterValue;  // 265
constexpr std::size_t kStepEnd = ProgramStep::kSize;          // 269
// A step that holds nothing but its closing block.
constexpr std::size_t kSmallestStep = 8;

void writeRange(ChunkWriter& chunks, std::int32_t tag, const ProgramStep& step, std::size_t from, std::size_t to) {
  chunks.chunk(tag, std::span<const std::uint8_t>(step.Raw).subspan(from, to - from));
}

std::int32_t readCount(BinaryReader& in, const char* what) {
  const std::int32_t count = in.i32();
  if (count < 0) throw EFormatError(Message(msg::ProgramCountInvalid, {what, std::to_string(count)}));
  return count;
}

}  // namespace

void ProgramSetBlock::Write(BinaryWriter& out, const TVAProgramsArray& programs, std::int32_t trailing) {
  ChunkWriter chunks(out);
  out.i32(static_cast<std::int32_t>(programs.size()));
  for (const TSingleProgramArray& program : programs) out.i32(static_cast<std::int32_t>(program.size()));
  for (const TSingleProgramArray& program : programs) {
    for (const ProgramStep& step : program) {
      writeRange(chunks, kTagHead, step, 0, kHeadEnd);
      writeRange(chunks, kTagExtra, step, kHeadEnd, kExtraEnd);
      writeRange(chunks, kTagAddOn, step, kExtraEnd, kAddOnEnd);
      writeRange(chunks, kTagFilter, step, kAddOnEnd, kStepEnd);
      chunks.emptyChunk(kTagEnd);
    }
  }
  out.i32(trailing);
}

ProgramSetBlock::Result ProgramSetBlock::Read(BinaryReader& in) {
  Result result;
  const std::int32_t programCount = readCount(in, "the program count");
  in.requireElements(static_cast<std::uint64_t>(programCount), 4, "the program count");
  std::vector<std::int32_t> stepCounts(static_cast<std::size_t>(programCount));
  std::uint64_t totalSteps = 0;
  for (std::int32_t& count : stepCounts) {
    count = readCount(in, "a step count");
    totalSteps += static_cast<std::uint64_t>(count);
  }
  // Every written step ends with its 8-byte closing block.
  in.requireElements(totalSteps, kSmallestStep, "the step counts");

  ProgramStep work;
  result.Programs.reserve(stepCounts.size());
  for (const std::int32_t stepCount : stepCounts) {
    TSingleProgramArray program;
    program.reserve(static_cast<std::size_t>(stepCount));
    for (std::int32_t s = 0; s < stepCount; ++s) {
      work.SetFilterValue(0);
      ChunkReader chunks(in);
      Chunk chunk;
      while (chunks.next(chunk)) {
        if (chunk.tag == kTagEnd) break;
        std::size_t from = 0;
        std::size_t to = 0;
        switch (chunk.tag) {
          case kTagHead:
            from = 0, to = kHeadEnd;
            break;
          case kTagExtra:
            from = kHeadEnd, to = kExtraEnd;
            break;
          case kTagAddOn:
            from = kExtraEnd, to = kAddOnEnd;
            break;
          case kTagFilter:
            from = kAddOnEnd, to = kStepEnd;
            break;
          default:
            chunks.skip(chunk);
            continue;
        }
        const std::size_t count = std::min(chunk.body.size(), to - from);
        work.SetBytes(from, chunk.body.bytes(count));
      }
      result.UnreadData = result.UnreadData || chunks.unreadData();
      program.push_back(work);
    }
    result.Programs.push_back(std::move(program));
  }
  result.Trailing = in.i32();
  return result;
}

}  // namespace velmora
