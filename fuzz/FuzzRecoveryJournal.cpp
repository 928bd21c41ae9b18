#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "BinaryWriter.h"
#include "DocumentFile.h"
#include "FileHeader.h"
#include "FormatError.h"
#include "FuzzInput.h"
#include "TNodeForest.h"
#include "TRecoveryJournal.h"
#include "TVAStruct.h"

using velmora::TRecoveryJournal;

namespace {

void Replay(std::span<const std::uint8_t> journal) {
  try {
    const TRecoveryJournal::Contents contents = TRecoveryJournal::Decode(journal);
    velmora::TNodeForest forest;
    TRecoveryJournal::Restore(contents, forest);
    (void)velmora::DocumentFile::DocumentBytes(forest);
  } catch (const velmora::EFormatError&) {
  }
}

}  // namespace

// Reads a recovery journal as found after a crash and puts its curves into
// a document. The input is read as a journal as it stands, and again as the
// payloads of entries (parts joined by the separator) framed with their
// marker, size and a correct checksum, so that the fuzzer reaches the
// entries' contents past the checksum.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Replay(std::span<const std::uint8_t>(data, size));

  velmora::BinaryWriter framed;
  velmora::FileHeader::write(framed, TRecoveryJournal::TypeCode);
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::string_view part : velmora::fuzz::Split(input, "\xFE\xED\xFA\xCE")) {
    const std::span<const std::uint8_t> payload(reinterpret_cast<const std::uint8_t*>(part.data()), part.size());
    framed.u32(TRecoveryJournal::EntryMarker);
    framed.u32(static_cast<std::uint32_t>(payload.size()));
    framed.bytes(payload);
    framed.u32(TRecoveryJournal::Crc32(payload));
  }
  Replay(framed.data());
  return 0;
}
