#include "CustomCalcFile.h"

#include <system_error>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "ChunkReader.h"
#include "ChunkWriter.h"
#include "FileIo.h"

namespace velmora {

std::vector<std::uint8_t> CustomCalcFile::Encode(const TCustomMethodArr& methods) {
  BinaryWriter out;
  ChunkWriter chunks(out);
  for (const TCustomMethod& method : methods) {
    chunks.begin(kMethodTag);
    WriteMethod(out, method);
    chunks.end();
  }
  return out.take();
}

TCustomMethodArr CustomCalcFile::Decode(std::span<const std::uint8_t> bytes, bool* unreadData) {
  TCustomMethodArr methods;
  BinaryReader in(bytes);
  ChunkReader chunks(in);
  Chunk chunk;
  bool unread = false;
  while (chunks.next(chunk)) {
    if (chunk.tag != kMethodTag) {
      chunks.skip(chunk);
      continue;
    }
    TCustomMethod method;
    bool inner = false;
    ReadMethod(chunk.body, method, &inner);
    unread = unread || inner;
    methods.push_back(std::move(method));
  }
  if (unreadData) *unreadData = unread || chunks.unreadData();
  return methods;
}

bool CustomCalcFile::Load(const std::filesystem::path& dataFolder, TCustomMethodArr& methods, bool* unreadData) {
  const std::filesystem::path path = PathIn(dataFolder);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const std::vector<std::uint8_t> bytes = FileIo::readAll(path, kMaxFileSize);
  methods = Decode(bytes, unreadData);
  return true;
}

void CustomCalcFile::Save(const std::filesystem::path& dataFolder, const TCustomMethodArr& methods) {
  FileIo::writeAtomically(PathIn(dataFolder), Encode(methods));
}

}  // namespace velmora
