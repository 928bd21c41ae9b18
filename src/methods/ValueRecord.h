#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TCustomMethod.h"
#include "TDataPoint.h"
#include "TMethodStat.h"
#include "TPredefPeak.h"
#include "TVAProgramsArray.h"

namespace velmora {

// The command types of a method script. The type is stored as an unsigned
// 32-bit number; types above kStepLastKnown read from a file stay in the
// script without data.
enum TWizStepType : std::uint32_t {
  kStepWait = 0,                    // wait for user input
  kStepStageName = 1,               // TLocalizedName list
  kStepActivePage = 2,              // int32 page number
  kStepConjunctionType = 3,         // int32 0..2
  kStepElectrodeType = 4,           // int32 -1..5
  kStepBeginCycle = 5,              // begin of measurement cycle
  kStepCalcMethod = 6,              // int32 0..5
  kStepCalcTable = 7,               // ten doubles
  kStepConcUnits = 8,               // four unit indices
  kStepPredefPeaks = 9,             // TPredefPeaks
  kStepProgram = 10,                // TVAProgramsArray
  kStepLoopsCount = 11,             // int32
  kStepEndCycle = 12,               // end of measurement cycle
  kStepStirrerType = 13,            // int32 0..3
  kStepSupportingElectrolyte = 14,  // string[255]
  kStepControlsVisibility = 15,     // int32 0..2
  kStepStatistics = 16,             // TMethodStat or none (custom statistics)
  kStepCustomEquation = 17,         // TCustomMethod
  kStepStartRecord = 18,            // start record
  kStepControlSolution = 19,        // int32 0..2
  kStepSimulation = 20,             // simulation script flag
  kStepDummyData = 21,              // TDummyData
  kStepParallelSamples = 22,        // int32
  kStepActivation = 23,             // TActivationData
};
inline constexpr std::uint32_t kStepLastKnown = kStepActivation;
inline constexpr std::size_t kStepTypeCount = kStepLastKnown + 1;

// The name of a stage in one user-interface language.
struct TLocalizedName {
  static constexpr std::size_t kNameCapacity = 255;
  std::int32_t LanguageId = 0;  // 1033 English, 1049 Russian
  std::string Name;             // UTF-8 here, string[255] on disk

  friend bool operator==(const TLocalizedName&, const TLocalizedName&) = default;
};
using TLocalizedNames = std::vector<TLocalizedName>;

// Recorded points that a simulation script replays for one measurement type.
struct TDummyData {
  std::int32_t MeasurementType = 0;  // 0..5, see TMethodCell kinds
  TDataArr Points;

  friend bool operator==(const TDummyData&, const TDummyData&) = default;
};

// The solution and volume of an activation cycle.
struct TActivationData {
  static constexpr std::size_t kNameCapacity = 255;
  std::string Name;
  double Volume = 0.0;  // ml

  friend bool operator==(const TActivationData&, const TActivationData&) = default;
};

// Indices of the calculations table (command 7).
enum TCalcTableIndex : std::size_t {
  kTableSampleVolume = 0,       // volume of sample taken for analyte preparation, cm³
  kTableDilution = 1,           // preliminary dilution of sample
  kTableAshingMass = 2,         // mass of sample taken for ashing, g
  kTableAshSolutionVolume = 3,  // volume of solution after dissolving of ash, cm³
  kTableAnalyteVolume = 4,      // volume of analyte prepared, cm³
  kTableAnalyteInCell = 5,      // volume of analyte poured into the cell, cm³
  kTableAddition1 = 6,
  kTableAddition2 = 7,
  kTableAddition3 = 8,
  kTableReference = 9,
};
inline constexpr std::size_t kCalcTableSize = 10;
using TCalcTable = std::array<double, kCalcTableSize>;

// Concentration units of command 8: additions numerator and denominator,
// result numerator and denominator, indices into the unit list or -1.
using TConcUnitsSet = std::array<std::int32_t, 4>;

// One command of a method script: its type and the data of that type. Only
// the fields of the command's type are meaningful (and streamed); the
// others keep their defaults.
struct ValueRecord {
  std::uint32_t Type = kStepWait;

  TLocalizedNames Names;                  // 1
  std::int32_t Value = 0;                 // 2, 3, 4, 6, 11, 13, 15, 19, 22
  TCalcTable CalcTable{};                 // 7
  TConcUnitsSet Units{-1, -1, -1, -1};    // 8
  TPredefPeaks Peaks;                     // 9
  TVAProgramsArray Programs;              // 10
  std::string Text;                       // 14 (string[255])
  std::optional<TMethodStat> Statistics;  // 16: none for custom statistics
  TCustomMethod Equation;                 // 17
  TDummyData Dummy;                       // 21
  TActivationData Activation;             // 23

  // A command of `type` with the data the script editor gives a new one
  // (stage names: 1033 and 1049 with empty names).
  static ValueRecord Make(std::uint32_t type);
  static ValueRecord Wait() { return Make(kStepWait); }
  static ValueRecord StageName(const std::string& english, const std::string& russian);
  static ValueRecord IntValue(std::uint32_t type, std::int32_t value);
  static ValueRecord WithPrograms(const TVAProgramsArray& programs);

  // True for the types this build knows (0..23).
  static bool KnownType(std::uint32_t type) { return type <= kStepLastKnown; }
  // True for the types whose data is one int32.
  static bool HasIntValue(std::uint32_t type);
  // The editor action name of a type ("Wait for user input", ...), a
  // catalogue text; "?" for unknown types.
  static const char* ActionName(std::uint32_t type);
  // A short stable name of a type for JSON and logs ("Wait", "StageName",
  // ...); "Unknown" for unknown types.
  static const char* KindName(std::uint32_t type);

  // The stage name for `languageId` (0, the user's default, reads English),
  // empty when there is none.
  std::string NameFor(std::int32_t languageId) const;

  friend bool operator==(const ValueRecord& a, const ValueRecord& b);
};

// Translates a catalogue text into the user-interface language (windows
// pass QCoreApplication::translate("Messages", ...)); identity when empty.
using TTextTranslator = std::function<std::string(const char*)>;

// The description of a command in the stage tree, in the language of
// `translate`, cut to 255 bytes (never inside a UTF-8 character). Stage
// names use the entry of `languageId`, "New stage" when it is empty.
std::string DescribeStep(const ValueRecord& step, std::int32_t languageId, const TTextTranslator& translate = {});

}  // namespace velmora
