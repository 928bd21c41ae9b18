#include "ProgramFiles.h"

#include <algorithm>
#include <array>
#include <string>
#include <system_error>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "FileHeader.h"
#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

bool isFile(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

EFormatError invalidCount(const char* what, std::int64_t count) {
  return EFormatError(Message(msg::ProgramCountInvalid, {what, std::to_string(count)}));
}

}  // namespace

// --- ".prg" -----------------------------------------------------------------

std::optional<TSingleProgramArray> ProgramFiles::ReadSingleProgram(const std::filesystem::path& file) {
  if (!isFile(file)) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = FileIo::readAll(file, kMaxFileSize);
  } catch (const EFormatError&) {
    return std::nullopt;  // cannot be opened: ignored
  }
  return DecodeSingleProgram(bytes);
}

void ProgramFiles::WriteSingleProgram(const std::filesystem::path& file, const TSingleProgramArray& program) {
  FileIo::writeAtomically(file, EncodeSingleProgram(program));
}

TSingleProgramArray ProgramFiles::DecodeSingleProgram(std::span<const std::uint8_t> bytes) {
  BinaryReader in(bytes);
  const std::int32_t count = in.i32();
  if (count < 0) throw invalidCount("the step count", count);
  in.requireElements(static_cast<std::uint64_t>(count), ProgramStep::kHeadSize, "the step count");
  TSingleProgramArray program(static_cast<std::size_t>(count));
  for (ProgramStep& step : program) step.SetBytes(0, in.bytes(ProgramStep::kHeadSize));
  return program;
}

std::vector<std::uint8_t> ProgramFiles::EncodeSingleProgram(const TSingleProgramArray& program) {
  BinaryWriter out;
  out.reserve(4 + program.size() * ProgramStep::kHeadSize);
  out.i32(static_cast<std::int32_t>(program.size()));
  for (const ProgramStep& step : program) out.bytes(step.Head());
  return out.take();
}

// --- ".car" -----------------------------------------------------------------

ProgramFiles::ProgramSet ProgramFiles::ReadMultiProgram(const std::filesystem::path& file) {
  return DecodeMultiProgram(FileIo::readAll(file, kMaxFileSize), file.filename().string());
}

void ProgramFiles::WriteMultiProgram(const std::filesystem::path& file, const TVAProgramsArray& programs,
                                     std::int32_t current) {
  FileIo::writeAtomically(file, EncodeMultiProgram(programs, current));
}

ProgramFiles::ProgramSet ProgramFiles::DecodeMultiProgram(std::span<const std::uint8_t> bytes,
                                                          const std::string& fileName) {
  if (bytes.size() != kCarFileSize)
    throw EFormatError(
        Message(msg::ProgramCarWrongSize, {fileName, std::to_string(bytes.size()), std::to_string(kCarFileSize)}));
  BinaryReader in(bytes);
  in.seek(kCarCountsOffset);
  std::array<std::int32_t, kCarPrograms> stepCounts{};
  for (std::int32_t& count : stepCounts) count = in.i32();
  ProgramSet set;
  set.Current = in.i32();
  const std::int32_t programCount = in.i32();
  if (programCount < 0 || static_cast<std::size_t>(programCount) > kCarPrograms)
    throw invalidCount("the program count", programCount);

  set.Programs.resize(static_cast<std::size_t>(programCount));
  for (std::size_t p = 0; p < set.Programs.size(); ++p) {
    const std::int32_t count = stepCounts[p];
    if (count < 0 || static_cast<std::size_t>(count) > kCarSteps) throw invalidCount("a step count", count);
    TSingleProgramArray& program = set.Programs[p];
    program.resize(static_cast<std::size_t>(count));
    for (std::size_t s = 0; s < program.size(); ++s) {
      const std::size_t slot = s * kCarPrograms + p;
      ProgramStep& step = program[s];
      in.seek(slot * ProgramStep::kHeadSize);
      step.SetBytes(0, in.bytes(ProgramStep::kHeadSize));
      in.seek(kCarExtraOffset + slot * ProgramStep::kExtraSize);
      step.SetBytes(ProgramStep::kExtraOffset, in.bytes(ProgramStep::kExtraSize));
      step.SetStirrerSpeed(kCarStirrerSpeed);
      step.SetCompensation(0);
    }
  }
  // Empty programs at the end go, unless every program is empty.
  std::size_t keep = set.Programs.size();
  while (keep > 0 && set.Programs[keep - 1].empty()) --keep;
  if (keep > 0) set.Programs.resize(keep);
  return set;
}

std::vector<std::uint8_t> ProgramFiles::EncodeMultiProgram(const TVAProgramsArray& programs, std::int32_t current) {
  bool fits = programs.size() <= kCarPrograms;
  for (const TSingleProgramArray& program : programs) fits = fits && program.size() <= kCarSteps;
  if (!fits)
    throw EFormatError(Message(msg::ProgramCarTooLarge, {std::to_string(kCarPrograms), std::to_string(kCarSteps)}));

  std::vector<std::uint8_t> image(kCarFileSize, 0);
  for (std::size_t p = 0; p < programs.size(); ++p) {
    for (std::size_t s = 0; s < programs[p].size(); ++s) {
      const std::size_t slot = s * kCarPrograms + p;
      const ProgramStep& step = programs[p][s];
      std::copy_n(step.Raw.begin(), ProgramStep::kHeadSize,
                  image.begin() + static_cast<std::ptrdiff_t>(slot * ProgramStep::kHeadSize));
      std::copy_n(step.Raw.begin() + ProgramStep::kExtraOffset, ProgramStep::kExtraSize,
                  image.begin() + static_cast<std::ptrdiff_t>(kCarExtraOffset + slot * ProgramStep::kExtraSize));
    }
  }
  BinaryWriter tail;
  for (std::size_t p = 0; p < kCarPrograms; ++p)
    tail.i32(p < programs.size() ? static_cast<std::int32_t>(programs[p].size()) : 0);
  tail.i32(current);
  tail.i32(static_cast<std::int32_t>(programs.size()));
  std::copy(tail.data().begin(), tail.data().end(), image.begin() + static_cast<std::ptrdiff_t>(kCarCountsOffset));
  return image;
}

// --- ".vap" -----------------------------------------------------------------

std::optional<ProgramFiles::ProgramSet> ProgramFiles::ReadProgramSet(const std::filesystem::path& file) {
  if (!isFile(file)) return std::nullopt;
  return DecodeProgramSet(FileIo::readAll(file, kMaxFileSize));
}

void ProgramFiles::WriteProgramSet(const std::filesystem::path& file, const TVAProgramsArray& programs,
                                   std::int32_t current) {
  FileIo::writeAtomically(file, EncodeProgramSet(programs, current));
}

std::optional<ProgramFiles::ProgramSet> ProgramFiles::DecodeProgramSet(std::span<const std::uint8_t> bytes) {
  BinaryReader in(bytes);
  if (!FileHeader::read(in, kVapTypeCode)) return std::nullopt;
  ProgramSetBlock::Result block = ProgramSetBlock::Read(in);
  return ProgramSet{std::move(block.Programs), block.Trailing, block.UnreadData};
}

std::vector<std::uint8_t> ProgramFiles::EncodeProgramSet(const TVAProgramsArray& programs, std::int32_t current) {
  BinaryWriter out;
  FileHeader::write(out, kVapTypeCode);
  ProgramSetBlock::Write(out, programs, current);
  return out.take();
}

}  // namespace velmora
