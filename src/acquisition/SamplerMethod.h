#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TVAProgramsArray.h"

namespace velmora {

// One logical autosampler cell of a method: the cell number its program
// steps carry in SamplerCell, the tray cell assigned to it for a batch, its
// kind (-1 a service cell, 0..5 a measurement type) and its description in
// the current language (a service cell is found on the tray by it).
struct SamplerMethodCell {
  std::int32_t CellNumber = 0;
  std::int32_t SamplerPosition = 0;
  std::int32_t CellKind = -1;
  std::string Description;
};

// What the autosampler needs of an analysis method: its name in the
// current language, its calculation method, its supporting electrolyte,
// its programs and its cells.
struct SamplerMethod {
  std::string Name;
  std::int32_t CalcMethod = -1;
  std::string SupportingElectrolyte;
  TVAProgramsArray Programs;
  std::vector<SamplerMethodCell> Cells;

  // The method cell whose CellNumber is `cellNumber`, or null.
  const SamplerMethodCell* CellOf(std::int32_t cellNumber) const {
    for (const SamplerMethodCell& c : Cells)
      if (c.CellNumber == cellNumber) return &c;
    return nullptr;
  }
};

}  // namespace velmora
