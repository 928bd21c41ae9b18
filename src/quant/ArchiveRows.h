#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ArchiveRow.h"
#include "TSingleCalibration.h"

namespace velmora {

class TConcCalculation;
class TVAStruct;

// The archive rows of a calculation: one per element with a sample result,
// carrying the sample result in the sample units, its expanded uncertainty
// and limit of detection where the calculation knows them, the method and
// the calibration read, and where the result came from.
class ArchiveRows {
 public:
  // What the calculation does not know itself.
  struct Origin {
    std::string Sample;
    std::string Control;
    std::string Document;
    std::string DocumentSha256;
    std::string Operator;
    std::string Workstation;
    std::int64_t TimeMs = 0;
  };
  // The active calibration of an element (an empty Name when none).
  using CalibrationSource = std::function<TSingleCalibration(const std::string& element)>;

  static std::vector<ArchiveRow> FromCalculation(const TConcCalculation& calc, const Origin& origin,
                                                 const CalibrationSource& calibrations = {});

  // "mg/dm³": the captions of a concentration unit pair without markup
  // ("?" for an unset unit).
  static std::string UnitText(std::int32_t top, std::int32_t bottom);
  // A caption with its superscripts written as such ("cm^2^/s" -> "cm²/s").
  static std::string PlainCaption(const std::string& caption);
  // Whether any of the curves was recorded from the analyzer emulator.
  static bool Simulated(std::span<TVAStruct* const> curves);
  // How a calibration is named in the archive: element, date and time it
  // was saved, its title and its data file.
  static std::string CalibrationText(const TSingleCalibration& calibration);
};

}  // namespace velmora
