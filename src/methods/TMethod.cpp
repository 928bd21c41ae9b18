#include "TMethod.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "Messages.h"

namespace velmora {

const char* TMethodCell::KindName(std::int32_t kind) {
  switch (kind) {
    case kCellService:
      return msg::CellKindService;
    case kCellSupportingElectrolyte:
      return msg::MeasTypeSupportingElectrolyte;
    case kCellAnalyte:
      return msg::MeasTypeAnalyte;
    case kCellAddedStandard1:
      return msg::MeasTypeAddedStandard1;
    case kCellAddedStandard2:
      return msg::MeasTypeAddedStandard2;
    case kCellAddedStandard3:
      return msg::MeasTypeAddedStandard3;
    case kCellReference:
      return msg::MeasTypeReference;
    default:
      return msg::StepUnknown;
  }
}

void TMethod::RebuildCells() {
  TMethodCells cells;
  for (const TSingleProgramArray& program : Programs) {
    for (const ProgramStep& step : program) {
      const std::int32_t number = step.SamplerCell();
      if (number == 0) continue;
      const bool listed =
          std::any_of(cells.begin(), cells.end(), [&](const TMethodCell& c) { return c.CellNumber == number; });
      if (listed) continue;
      auto old = std::find_if(Cells.begin(), Cells.end(), [&](const TMethodCell& c) { return c.CellNumber == number; });
      cells.push_back(old != Cells.end() ? *old : TMethodCell{number, number, kCellService});
    }
  }
  // Descriptions follow their cells by number.
  for (TLocalizedMethod& entry : Localized) {
    std::vector<std::string> descriptions(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
      for (std::size_t j = 0; j < Cells.size() && j < entry.CellDescriptions.size(); ++j) {
        if (Cells[j].CellNumber == cells[i].CellNumber) descriptions[i] = entry.CellDescriptions[j];
      }
    }
    entry.CellDescriptions = std::move(descriptions);
  }
  Cells = std::move(cells);
}

void TMethod::ShapeLanguages() {
  for (TLocalizedMethod& entry : Localized) {
    entry.StepComments.resize(Programs.size());
    for (std::size_t p = 0; p < Programs.size(); ++p) entry.StepComments[p].resize(Programs[p].size());
    entry.CellDescriptions.resize(Cells.size());
  }
}

void TMethod::SyncLanguages() {
  for (TLocalizedMethod& entry : Localized) {
    entry.StepComments.assign(Programs.size(), {});
    for (std::size_t p = 0; p < Programs.size(); ++p) {
      for (const ProgramStep& step : Programs[p]) entry.StepComments[p].push_back(step.Comments());
    }
    entry.CellDescriptions.resize(Cells.size());
  }
}

void TMethod::AddDefaultLanguages(const std::string& englishName, const std::string& russianName) {
  Localized.clear();
  TLocalizedMethod english;
  english.LanguageId = kLanguageEnglish;
  english.Title = englishName;
  TLocalizedMethod russian;
  russian.LanguageId = kLanguageRussian;
  russian.Title = russianName;
  Localized.push_back(std::move(english));
  Localized.push_back(std::move(russian));
  ShapeLanguages();
}

bool TMethod::RemoveStep(std::size_t program, std::size_t step) {
  if (program >= Programs.size() || step >= Programs[program].size()) return false;
  Programs[program].erase(Programs[program].begin() + static_cast<std::ptrdiff_t>(step));
  for (TLocalizedMethod& entry : Localized) {
    if (program < entry.StepComments.size() && step < entry.StepComments[program].size())
      entry.StepComments[program].erase(entry.StepComments[program].begin() + static_cast<std::ptrdiff_t>(step));
  }
  RebuildCells();
  return true;
}

const TLocalizedMethod* TMethod::Localization(std::int32_t languageId) const {
  if (languageId == 0) languageId = kLanguageEnglish;
  for (const TLocalizedMethod& entry : Localized)
    if (entry.LanguageId == languageId) return &entry;
  return nullptr;
}

TLocalizedMethod* TMethod::Localization(std::int32_t languageId) {
  return const_cast<TLocalizedMethod*>(std::as_const(*this).Localization(languageId));
}

const TLocalizedMethod* TMethod::DisplayLocalization(std::int32_t languageId) const {
  if (const TLocalizedMethod* own = Localization(languageId)) return own;
  return Localized.empty() ? nullptr : &Localized.front();
}

std::string TMethod::Caption(std::int32_t languageId) const {
  const TLocalizedMethod* entry = DisplayLocalization(languageId);
  if (entry != nullptr && !entry->Title.empty()) return entry->Title;
  return std::filesystem::path(FileName).stem().string();
}

}  // namespace velmora
