#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class TVAStruct;

// What a calibration line is fitted from: the standards' curves of one
// element and how their points are read. The calculation builds one on the
// fly for the calibration-curve method; the calibrations database hands out
// its stored calibrations in this shape for drawing. Curves are not owned.
struct TCalibrationCurves {
  std::string Name;  // the element (peak) name
  std::uint8_t IncludeZeroPoint = 0;
  std::int32_t UnitTop = -1;  // units of the standards' concentrations
  std::int32_t UnitBottom = -1;
  std::int32_t CalcType = -1;  // peak calculation type of the standards
  std::vector<TVAStruct*> Curves;
};

}  // namespace velmora
