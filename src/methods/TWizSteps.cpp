#include "TWizSteps.h"

#include <algorithm>
#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"
#include "ProgramSetBlock.h"

namespace velmora {

namespace {

constexpr std::size_t kStringField = 256;  // a string[255] field: length byte and 255 bytes
constexpr std::size_t kStringCapacity = kStringField - 1;

std::int32_t ReadCount(BinaryReader& in, const char* what) {
  const std::int32_t count = in.i32();
  if (count < 0) throw EFormatError(Message(msg::MethodCountInvalid, {what, std::to_string(count)}));
  return count;
}

// A string field of `size` stored bytes (a length byte and size - 1
// characters); the characters beyond 255 are passed over.
std::string ReadStringField(BinaryReader& in, std::size_t size) {
  BinaryReader field = in.sub(size);
  if (size == 0) return {};
  return field.shortString(std::min(size - 1, kStringCapacity));
}

void WriteStringField(BinaryWriter& out, const std::string& text) { out.shortString(text, kStringCapacity); }

void WritePayload(BinaryWriter& out, const ValueRecord& step) {
  switch (step.Type) {
    case kStepStageName:
      out.i32(static_cast<std::int32_t>(step.Names.size()));
      for (const TLocalizedName& name : step.Names) {
        out.i32(name.LanguageId);
        out.i32(static_cast<std::int32_t>(kStringField));
        WriteStringField(out, name.Name);
      }
      break;
    case kStepCalcTable:
      out.i32(static_cast<std::int32_t>(kCalcTableSize));
      for (double v : step.CalcTable) out.f64(v);
      break;
    case kStepConcUnits:
      for (std::int32_t u : step.Units) out.i32(u);
      break;
    case kStepPredefPeaks:
      out.i32(static_cast<std::int32_t>(step.Peaks.size()));
      for (const TPredefPeak& peak : step.Peaks) peak.WriteTo(out);
      break;
    case kStepProgram: {
      BinaryWriter programs;
      WriteProgramList(programs, step.Programs);
      out.i32(static_cast<std::int32_t>(programs.size()));
      out.bytes(programs.data());
      break;
    }
    case kStepSupportingElectrolyte:
      out.i32(static_cast<std::int32_t>(kStringField));
      WriteStringField(out, step.Text);
      break;
    case kStepStatistics:
      if (!step.Statistics) {
        out.i32(0);
      } else {
        const std::vector<std::uint8_t> bytes = TMethodStat::Bytes(*step.Statistics);
        out.i32(static_cast<std::int32_t>(bytes.size()));
        out.bytes(bytes);
      }
      break;
    case kStepCustomEquation: {
      BinaryWriter equation;
      WriteMethod(equation, step.Equation);
      out.i32(static_cast<std::int32_t>(equation.size()));
      out.bytes(equation.data());
      break;
    }
    case kStepDummyData:
      out.i32(step.Dummy.MeasurementType);
      out.i32(static_cast<std::int32_t>(step.Dummy.Points.size() * 16));
      for (const TDataPoint& p : step.Dummy.Points) {
        out.f64(p.X);
        out.f64(p.Y);
      }
      break;
    case kStepActivation:
      WriteStringField(out, step.Activation.Name);
      out.f64(step.Activation.Volume);
      break;
    default:
      if (ValueRecord::HasIntValue(step.Type)) out.i32(step.Value);
      break;
  }
}

void ReadPayload(BinaryReader& in, ValueRecord& step, TReadBudget& budget, bool& unread) {
  switch (step.Type) {
    case kStepStageName: {
      const std::int32_t count = ReadCount(in, "the stage name count");
      in.requireElements(static_cast<std::uint64_t>(count), 8, "the stage name count");
      TReadBudget::Take(budget.Strings, static_cast<std::uint64_t>(count), TReadBudget::kMaxStrings, "texts");
      step.Names.reserve(static_cast<std::size_t>(count));
      for (std::int32_t i = 0; i < count; ++i) {
        TLocalizedName name;
        name.LanguageId = in.i32();
        const std::int32_t size = ReadCount(in, "a stage name");
        name.Name = ReadStringField(in, static_cast<std::size_t>(size));
        step.Names.push_back(std::move(name));
      }
      break;
    }
    case kStepCalcTable: {
      const std::int32_t count = ReadCount(in, "the calculations table");
      in.requireElements(static_cast<std::uint64_t>(count), 8, "the calculations table");
      for (std::int32_t i = 0; i < count; ++i) {
        const double v = in.f64();
        if (static_cast<std::size_t>(i) < kCalcTableSize) step.CalcTable[static_cast<std::size_t>(i)] = v;
      }
      break;
    }
    case kStepConcUnits:
      for (std::int32_t& u : step.Units) u = in.i32();
      break;
    case kStepPredefPeaks: {
      const std::int32_t count = ReadCount(in, "the predefined peak count");
      in.requireElements(static_cast<std::uint64_t>(count), TPredefPeak::kSize, "the predefined peak count");
      step.Peaks.resize(static_cast<std::size_t>(count));
      for (TPredefPeak& peak : step.Peaks) peak.ReadFrom(in);
      break;
    }
    case kStepProgram: {
      const std::int32_t size = ReadCount(in, "the program list size");
      BinaryReader list = in.sub(static_cast<std::size_t>(size));
      if (size > 0) step.Programs = ReadProgramList(list, budget, &unread);
      break;
    }
    case kStepSupportingElectrolyte: {
      const std::int32_t size = ReadCount(in, "the supporting electrolyte");
      step.Text = ReadStringField(in, static_cast<std::size_t>(size));
      break;
    }
    case kStepStatistics: {
      const std::int32_t size = in.i32();
      if (size < 1) break;  // custom statistics
      BinaryReader record = in.sub(static_cast<std::size_t>(size));
      step.Statistics = TMethodStat::Read(record);
      break;
    }
    case kStepCustomEquation: {
      const std::int32_t size = ReadCount(in, "the custom equation size");
      BinaryReader record = in.sub(static_cast<std::size_t>(size));
      bool unreadEquation = false;
      ReadMethod(record, step.Equation, &unreadEquation);
      unread = unread || unreadEquation;
      break;
    }
    case kStepDummyData: {
      step.Dummy.MeasurementType = in.i32();
      const std::int32_t size = ReadCount(in, "the data size");
      BinaryReader points = in.sub(static_cast<std::size_t>(size));
      step.Dummy.Points.resize(static_cast<std::size_t>(size) / 16);
      for (TDataPoint& p : step.Dummy.Points) {
        p.X = points.f64();
        p.Y = points.f64();
      }
      break;
    }
    case kStepActivation:
      step.Activation.Name = ReadStringField(in, kStringField);
      step.Activation.Volume = in.f64();
      break;
    default:
      if (ValueRecord::HasIntValue(step.Type)) step.Value = in.i32();
      break;
  }
}

}  // namespace

void TReadBudget::Take(std::size_t& left, std::uint64_t count, std::size_t limit, const char* what) {
  if (count > left) throw EFormatError(Message(msg::MethodDataTooLarge, {what, std::to_string(limit)}));
  left -= static_cast<std::size_t>(count);
}

void WriteProgramList(BinaryWriter& out, const TVAProgramsArray& programs) { ProgramSetBlock::Write(out, programs, 0); }

TVAProgramsArray ReadProgramList(BinaryReader& in, TReadBudget& budget, bool* unreadData) {
  // The counts are checked against the budget before the block allocates.
  const std::size_t start = in.pos();
  const std::int32_t programCount = ReadCount(in, "the program count");
  in.requireElements(static_cast<std::uint64_t>(programCount), 4, "the program count");
  std::uint64_t steps = static_cast<std::uint64_t>(programCount);
  for (std::int32_t p = 0; p < programCount; ++p) steps += static_cast<std::uint64_t>(ReadCount(in, "a step count"));
  TReadBudget::Take(budget.Steps, steps, TReadBudget::kMaxSteps, "program steps");
  in.seek(start);
  ProgramSetBlock::Result result = ProgramSetBlock::Read(in);
  if (unreadData != nullptr && result.UnreadData) *unreadData = true;
  return std::move(result.Programs);
}

void TWizSteps::Write(BinaryWriter& out, const TWizSteps& script) {
  BinaryWriter payload;
  for (const ValueRecord& step : script) {
    payload.clear();
    WritePayload(payload, step);
    out.u32(step.Type);
    out.i32(static_cast<std::int32_t>(payload.size()));
    out.bytes(payload.data());
  }
}

std::vector<std::uint8_t> TWizSteps::Bytes(const TWizSteps& script) {
  BinaryWriter out;
  Write(out, script);
  return out.take();
}

TWizSteps TWizSteps::Read(BinaryReader& in, bool* unreadData) {
  TReadBudget budget;
  return Read(in, budget, unreadData);
}

TWizSteps TWizSteps::Read(BinaryReader& in, TReadBudget& budget, bool* unreadData) {
  TWizSteps script;
  bool unread = false;
  ChunkReader chunks(in);
  Chunk chunk;
  while (chunks.next(chunk)) {
    TReadBudget::Take(budget.Commands, 1, TReadBudget::kMaxCommands, "script commands");
    ValueRecord step = ValueRecord::Make(static_cast<std::uint32_t>(chunk.tag));
    step.Names.clear();
    if (ValueRecord::KnownType(step.Type)) {
      ReadPayload(chunk.body, step, budget, unread);
    } else {
      chunks.skip(chunk);
    }
    script.push_back(std::move(step));
  }
  if (unreadData != nullptr) *unreadData = unread || chunks.unreadData();
  return script;
}

std::optional<TWizSteps> TWizSteps::Decode(std::span<const std::uint8_t> bytes, bool* unreadData) {
  BinaryReader in(bytes);
  if (!FileHeader::read(in, kTypeCode)) return std::nullopt;
  return Read(in, unreadData);
}

std::vector<std::uint8_t> TWizSteps::Encode(const TWizSteps& script) {
  BinaryWriter out;
  FileHeader::write(out, kTypeCode);
  Write(out, script);
  return out.take();
}

std::optional<TWizSteps> TWizSteps::ReadFile(const std::filesystem::path& file, bool* unreadData) {
  return Decode(FileIo::readAll(file, kMaxFileSize), unreadData);
}

void TWizSteps::WriteFile(const std::filesystem::path& file, const TWizSteps& script) {
  FileIo::writeAtomically(file, Encode(script));
}

bool TWizSteps::Contains(std::uint32_t type) const {
  return std::any_of(begin(), end(), [type](const ValueRecord& r) { return r.Type == type; });
}

}  // namespace velmora
