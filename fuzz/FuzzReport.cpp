#include <cstddef>
#include <cstdint>
#include <span>

#include "FormatError.h"
#include "TReportRec.h"

// Reads a report file, builds its table and writes it back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::TReportRec report;
  try {
    report.LoadFromBytes(std::span<const std::uint8_t>(data, size));
  } catch (const velmora::EFormatError&) {
  }
  (void)report.BuildTable();
  (void)report.BuildProperties();
  (void)report.Bytes();
  return 0;
}
