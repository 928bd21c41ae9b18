#include "ProgramStep.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "BinaryReader.h"
#include "BinaryWriter.h"

namespace velmora {

namespace {

std::int32_t saturate(std::int64_t v) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

ProgramStep ProgramStep::Default() {
  ProgramStep step;
  step.SetValuesRange(3);
  step.SetConjunctionType(1);
  step.SetStirrerSpeed(1000);
  step.SetFilterValue(2);
  return step;
}

void ProgramStep::ReadFrom(BinaryReader& in) { in.bytesInto(Raw); }

void ProgramStep::WriteTo(BinaryWriter& out) const { out.bytes(Raw); }

std::array<std::uint8_t, ProgramStep::kHeadSize> ProgramStep::HeadBytes() const {
  std::array<std::uint8_t, kHeadSize> head{};
  std::copy_n(Raw.begin(), kHeadSize, head.begin());
  return head;
}

void ProgramStep::SetHead(std::span<const std::uint8_t, kHeadSize> head) { SetBytes(0, head); }

void ProgramStep::SetExtra(std::span<const std::uint8_t, kExtraSize> extra) { SetBytes(kExtraOffset, extra); }

void ProgramStep::SetBytes(std::size_t offset, std::span<const std::uint8_t> bytes) {
  if (offset >= kSize) return;
  const std::size_t count = std::min(bytes.size(), kSize - offset);
  std::copy_n(bytes.begin(), count, Raw.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::int32_t ProgramStep::GetInt(std::size_t offset) const {
  BinaryReader in{std::span<const std::uint8_t>(Raw)};
  in.seek(offset);
  return in.i32();
}

void ProgramStep::SetInt(std::size_t offset, std::int32_t value) {
  BinaryWriter out;
  out.i32(value);
  if (offset + 4 > kSize) throw std::out_of_range("ProgramStep::SetInt");
  SetBytes(offset, out.data());
}

std::string ProgramStep::Comments() const {
  BinaryReader in{std::span<const std::uint8_t>(Raw)};
  in.seek(oComments);
  return in.shortString(kCommentsCapacity);
}

void ProgramStep::SetComments(const std::string& utf8) {
  BinaryWriter out;
  out.shortString(utf8, kCommentsCapacity);
  SetBytes(oComments, out.data());
}

std::int32_t ProgramStep::SweepEndFromDuration(std::int32_t seconds, std::int32_t intervalMs) {
  if (intervalMs == 0) return seconds;
  return saturate(std::int64_t{seconds} * 1000 / intervalMs + 1);
}

std::int32_t ProgramStep::DurationFromSweepEnd(std::int32_t sweepEnd, std::int32_t intervalMs) {
  return saturate((std::int64_t{sweepEnd} - 1) * intervalMs / 1000);
}

std::int64_t ProgramStep::VoltammogramCount() const {
  if (SweepStart() == SweepEnd()) return 0;
  if (!Cycle()) return 1;
  return std::max<std::int64_t>(0, (std::int64_t{CycleType()} + 1) * CycleCount());
}

}  // namespace velmora
