#include <cstddef>
#include <cstdint>
#include <span>

#include "FormatError.h"
#include "TSingleCalibration.h"

// Reads a calibration data file, writes it back and reads a signal on it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::TSingleCalibration c;
  try {
    c.ReadFile(std::span<const std::uint8_t>(data, size));
  } catch (const velmora::EFormatError&) {
  }
  (void)c.FileBytes();
  (void)c.Concentration(1.0, 4, 2);
  (void)c.ConcentrationUncertainty(1.0, 1, 4, 2);
  (void)c.ReadHeaderData(std::span<const std::uint8_t>(data, size));
  return 0;
}
