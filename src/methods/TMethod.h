#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TCustomMethod.h"
#include "TMethodStat.h"
#include "TVAProgramsArray.h"
#include "TWizSteps.h"

namespace velmora {

// Windows language identifiers of the user-interface languages.
inline constexpr std::int32_t kLanguageEnglish = 1033;
inline constexpr std::int32_t kLanguageRussian = 1049;

// Kinds of an autosampler cell: -1 a service cell, 0..5 the measurement
// types (supporting electrolyte, analyte, added standards 1..3, reference).
enum TCellKind : std::int32_t {
  kCellService = -1,
  kCellSupportingElectrolyte = 0,
  kCellAnalyte = 1,
  kCellAddedStandard1 = 2,
  kCellAddedStandard2 = 3,
  kCellAddedStandard3 = 4,
  kCellReference = 5,
};

// One autosampler cell that the method's programs use.
struct TMethodCell {
  std::int32_t CellNumber = 0;       // the cell number program steps refer to
  std::int32_t SamplerPosition = 0;  // the autosampler position; CellNumber when read
  std::int32_t CellKind = kCellService;

  // The catalogue name of a kind ("Service cell", "Analyte", ...); "?"
  // outside -1..5.
  static const char* KindName(std::int32_t kind);

  friend bool operator==(const TMethodCell&, const TMethodCell&) = default;
};
using TMethodCells = std::vector<TMethodCell>;

// The texts of a method in one user-interface language.
struct TLocalizedMethod {
  std::int32_t LanguageId = kLanguageEnglish;
  std::string SubMenu;                                 // submenu of "Methods" holding the item; empty for none
  std::string Title;                                   // caption of the menu item and the record-parameters window
  std::vector<std::vector<std::string>> StepComments;  // per program, per step
  std::vector<std::string> CellDescriptions;           // per entry of Cells
  std::string MethodName;                              // the statistics name

  friend bool operator==(const TLocalizedMethod&, const TLocalizedMethod&) = default;
};
using TLocalizedMethods = std::vector<TLocalizedMethod>;

// An analysis method: programs, autosampler cells, calculation method,
// statistics, supporting electrolyte, texts per language and the script
// that drives the measurement wizard.
struct TMethod {
  static constexpr std::size_t kTextCapacity = 255;  // string[255] fields

  bool HideUnused = false;
  // 0..5 built-in, 6 + i the custom equation i of the process-wide list,
  // -1 after reading a file that embeds its custom equation.
  std::int32_t CalcMethod = 0;
  std::string SupportingElectrolyte;
  TVAProgramsArray Programs;
  TMethodCells Cells;
  TLocalizedMethods Localized;
  bool CustomPrograms = false;
  TCustomMethod CustomEquation;
  TMethodStat Statistics;
  TWizSteps Script;
  std::string FileName;  // where the method was read from; not stored

  // Lists each distinct non-zero cell number of the program steps, in order
  // of first appearance. Kinds (and sampler positions) of cells already
  // listed are kept, new cells are service cells; every language entry's
  // CellDescriptions are resized to match.
  void RebuildCells();
  // Shapes every language entry's StepComments like Programs (one empty
  // text for each new step; existing texts are kept where they still fit).
  void ShapeLanguages();
  // The "Add" of the methods editor: every entry's step comments become
  // the steps' own comments and its cell descriptions follow the cells.
  void SyncLanguages();
  // The entries of a new method: 1033 and 1049, titled with the languages'
  // native names.
  void AddDefaultLanguages(const std::string& englishName = "English",
                           const std::string& russianName = "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9");
  // Removes a program step (and its translations in every language), then
  // drops the cells no step uses any more. Out-of-range positions are
  // ignored; returns whether a step was removed.
  bool RemoveStep(std::size_t program, std::size_t step);

  // The entry whose LanguageId equals `languageId` (1033 when 0), or null.
  const TLocalizedMethod* Localization(std::int32_t languageId) const;
  TLocalizedMethod* Localization(std::int32_t languageId);
  // The entry for menus and titles: the language's own, else the first
  // entry, else null.
  const TLocalizedMethod* DisplayLocalization(std::int32_t languageId) const;
  // The menu caption: the display entry's Title; when that is empty or
  // there is no entry, the file name without folder and extension.
  std::string Caption(std::int32_t languageId) const;

  // Methods with autosampler cells belong to the autosampler window.
  bool UsesSampler() const { return !Cells.empty(); }
  // Methods whose script holds a "Simulation script" command.
  bool IsSimulation() const { return Script.Contains(kStepSimulation); }

  // Empties every field (FileName too).
  void Clear() { *this = TMethod{}; }

  friend bool operator==(const TMethod&, const TMethod&) = default;
};

// The loaded methods in load order.
using TMethods = std::vector<TMethod>;

}  // namespace velmora
