#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

// One archived result: a concentration of one element in a sample or in a
// control solution, with what is needed to judge and retrace it (its
// uncertainty, the method, the calibration, the document it was computed
// from and a digest of that document's bytes, who and where, and when).
struct ArchiveRow {
  std::int64_t Id = 0;  // given by the archive; 0 before it is stored
  std::string Sample;   // empty for a control result
  std::string Control;  // the control solution's name; empty for a sample
  std::string Element;
  double Value = 0.0;
  std::string Unit;                    // "mg/dm³"
  std::optional<double> Uncertainty;   // expanded, coverage factor 2, in Unit
  std::optional<double> Lod;           // limit of detection, in Unit
  std::optional<std::int32_t> Method;  // the calculation method; none for a value typed by hand
  std::string Calibration;             // the calibration used, when the method reads one
  std::string Document;                // full path of the source document
  std::string DocumentSha256;          // 64 lower-case hex digits; empty when the bytes are unknown
  std::string Curves;                  // the curves used, by their names in the document ("12, 13")
  std::string Operator;
  std::string Workstation;
  std::int64_t TimeMs = 0;  // UTC, milliseconds since 1970-01-01
  bool Simulated = false;   // computed from emulator curves

  bool IsControl() const { return !Control.empty(); }

  friend bool operator==(const ArchiveRow&, const ArchiveRow&) = default;
};

}  // namespace velmora
