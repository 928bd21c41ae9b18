#include "TVAParams.h"

#include <algorithm>
#include <string>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "Cp1251.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {
void CheckField(std::size_t offset, std::size_t size) {
  if (offset > TVAParams::kSize || size > TVAParams::kSize - offset) {
    throw EFormatError(
        Message(msg::DataTruncated, {"record parameters", std::to_string(offset), std::to_string(size),
                                     std::to_string(TVAParams::kSize - std::min(offset, TVAParams::kSize))}));
  }
}
}  // namespace

void TVAParams::ReadFrom(BinaryReader& in) {
  in.require(kSize, "record parameters");
  in.bytesInto(Raw);
}

void TVAParams::WriteTo(BinaryWriter& out) const { out.bytes(Raw); }

bool TVAParams::HasStepSettings() const {
  return std::any_of(Raw.begin(), Raw.begin() + oComments, [](std::uint8_t b) { return b != 0; });
}

std::int32_t TVAParams::GetInt(std::size_t offset) const {
  CheckField(offset, 4);
  const std::uint32_t v = static_cast<std::uint32_t>(Raw[offset]) | (static_cast<std::uint32_t>(Raw[offset + 1]) << 8) |
                          (static_cast<std::uint32_t>(Raw[offset + 2]) << 16) |
                          (static_cast<std::uint32_t>(Raw[offset + 3]) << 24);
  return static_cast<std::int32_t>(v);
}

void TVAParams::SetInt(std::size_t offset, std::int32_t value) {
  CheckField(offset, 4);
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) Raw[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint8_t TVAParams::GetByte(std::size_t offset) const {
  CheckField(offset, 1);
  return Raw[offset];
}

void TVAParams::SetByte(std::size_t offset, std::uint8_t value) {
  CheckField(offset, 1);
  Raw[offset] = value;
}

std::string TVAParams::Comments() const {
  const std::size_t length = std::min<std::size_t>(Raw[oComments], kCommentsCapacity);
  return Cp1251::toUtf8(std::span<const std::uint8_t>(Raw.data() + oComments + 1, length));
}

void TVAParams::SetComments(const std::string& utf8) {
  std::vector<std::uint8_t> bytes = Cp1251::fromUtf8(utf8);
  if (bytes.size() > kCommentsCapacity) bytes.resize(kCommentsCapacity);
  Raw[oComments] = static_cast<std::uint8_t>(bytes.size());
  std::fill(Raw.begin() + oComments + 1, Raw.begin() + oComments + 1 + kCommentsCapacity, 0);
  std::copy(bytes.begin(), bytes.end(), Raw.begin() + oComments + 1);
}

}  // namespace velmora
