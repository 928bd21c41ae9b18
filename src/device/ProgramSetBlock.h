#pragma once

#include <cstdint>

#include "TVAProgramsArray.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;

// The program-set block shared by ".vap" files, method files and method
// scripts: the program count, the step count of each program, every step as
// tagged blocks (1: bytes 0..243, 2: 244..255, 3: 256..264, 4: 265..268,
// then tag 0 size 0), and a trailing int32 that each file uses for its own
// purpose (the editor's current program in ".vap" files).
class ProgramSetBlock {
 public:
  enum StepTag : std::int32_t { kTagEnd = 0, kTagHead = 1, kTagExtra = 2, kTagAddOn = 3, kTagFilter = 4 };

  static void Write(BinaryWriter& out, const TVAProgramsArray& programs, std::int32_t trailing);

  struct Result {
    TVAProgramsArray Programs;
    std::int32_t Trailing = 0;
    bool UnreadData = false;  // blocks of unknown tags were skipped
  };

  // Reads a block written by Write. Steps are read through one work area:
  // before each step only FilterValue is reset, so a step that lacks a block
  // keeps those bytes from the step before it. A block larger than its byte
  // range fills the range and the rest is passed over. Counts are checked
  // against the data before anything is allocated; damaged or truncated
  // data throws EFormatError.
  static Result Read(BinaryReader& in);
};

}  // namespace velmora
