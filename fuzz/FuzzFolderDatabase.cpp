#include <cstddef>
#include <cstdint>
#include <vector>

#include "FolderDatabase.h"
#include "FormatError.h"
#include "TNodeForest.h"
#include "TVAStruct.h"

// Reads a folder database curve file image into a record and writes it back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  velmora::TVAStruct record;
  try {
    velmora::FolderDatabase::ReadCurveFile(record, bytes);
  } catch (const velmora::EFormatError&) {
  }
  (void)velmora::FolderDatabase::CurveFileBytes(record);
  std::string name(reinterpret_cast<const char*>(data), size < 24 ? size : 24);
  (void)velmora::FolderDatabase::CanonicalCurveNumber(name);
  try {
    (void)velmora::FolderDatabase::CurveNumber(name);
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
