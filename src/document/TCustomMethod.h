#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TCalcVar.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;

// One user-defined calculation method: a checked formula with copies of the
// variables it uses, and the unit of its result (indices into the unit list,
// -1 for none).
struct TCustomMethod {
  static constexpr std::size_t kTextCapacity = 255;

  std::string Name;     // title in lists of calculation methods
  std::string Formula;  // the formula as typed
  TVarsArr Vars;        // the variables the formula uses, in order of first use
  std::int32_t ResultUnitTop = -1;
  std::int32_t ResultUnitBottom = -1;

  friend bool operator==(const TCustomMethod&, const TCustomMethod&) = default;
};

// The outcome of evaluating a custom method: its value, or the failure the
// calculator met (a catalogue message and the offending text), in which
// case the value is not a result.
struct TCustomMethodValue {
  double Value = -1.0;
  const char* Failure = nullptr;  // a text of the catalogue, null on success
  std::string Token;

  TCustomMethodValue() = default;
  TCustomMethodValue(double value) : Value(value) {}  // NOLINT: a plain value is a success
  bool Failed() const { return Failure != nullptr; }
};

// The process-wide list type; calculation-method number 6 + i is entry i.
using TCustomMethodArr = std::vector<TCustomMethod>;

// Block tags of the custom method record.
enum CustomMethodTag : std::int32_t {
  kMethodTagName = 1,
  kMethodTagFormula = 2,
  kMethodTagUnits = 3,
  kMethodTagVars = 4,
};

// Writes the record as tagged blocks 1 (Name, 256 bytes), 2 (Formula, 256),
// 3 (units, 8) and 4 (count and 520-byte variables).
void WriteMethod(BinaryWriter& out, const TCustomMethod& method);

// Reads a record written by WriteMethod from the whole of `in` (to its end).
// The method is reset first, so absent blocks leave empty fields. Blocks
// with other tags are skipped by their size; `unreadData`, when given, is
// set to whether that happened. Throws EFormatError for damaged data.
void ReadMethod(BinaryReader& in, TCustomMethod& method, bool* unreadData = nullptr);

}  // namespace velmora
