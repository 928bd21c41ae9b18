#include "ProgramTable.h"

#include <algorithm>
#include <string>

#include "Messages.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// A cell of plain text: the template "%s" carries it untranslated.
Message plain(std::string text) { return Message("%s", {std::move(text)}); }
Message number(std::int64_t value) { return plain(std::to_string(value)); }
Message pair(std::int64_t a, std::int64_t b) { return plain(std::to_string(a) + "/" + std::to_string(b)); }
Message caption(const char* text) { return text && *text ? Message(text) : plain(std::string()); }

}  // namespace

ProgramTable::Row ProgramTable::RowOf(const ProgramStep& s, std::int32_t programIndex, std::int32_t index) {
  Row row;
  row.program = programIndex;
  row.step = index;
  auto& c = row.cells;
  const Message none(msg::ProgramTableNoValue);
  c[0] = pair(programIndex + 1, index + 1);
  c[1] = pair(s.CleaningPotential(), s.CleaningTime());
  c[2] = pair(s.ElectrolysisPotential(), s.ElectrolysisTime());
  c[3] = number(s.SweepRate());
  c[4] = number(s.SweepStart());
  c[5] = number(s.SweepEnd());
  c[6] = caption(TVAStruct::ValuesRangeCaption(s.ValuesRange()));
  c[7] = plain(std::to_string(std::int64_t{s.ConjunctionType()} + 2) + "x");
  c[8] = s.Modulation() ? pair(s.ModulationAmplitude(), s.ModulationFrequency()) : none;
  c[9] = s.Stirrer() ? number(s.DelayAfterMixing()) : none;
  c[10] = s.Retention() ? number(s.RetentionPotential()) : none;
  c[11] = caption(TVAStruct::MeasurementTypeCaption(s.MeasurementType()));
  if (s.SamplerCell() > 0) {
    std::string cell = std::to_string(s.SamplerCell()) + " ";
    if (s.ElectrodeDown()) cell += "\u2193";
    if (s.ElectrodeUp()) cell += "\u2191";
    c[12] = plain(cell);
  } else {
    c[12] = none;
  }
  c[13] = s.Cycle() ? pair(s.CycleCount(), s.SkipCycles()) : none;
  c[14] = pair(s.Preparation1Potential(), s.Preparation1Time());
  c[15] = pair(s.Preparation2Potential(), s.Preparation2Time());
  return row;
}

std::vector<ProgramTable::Row> ProgramTable::Build(const TVAProgramsArray& programs, Order order) {
  std::vector<Row> rows;
  rows.reserve(programs.StepCount());
  if (order == Order::ByPrograms) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      for (std::size_t s = 0; s < programs[p].size(); ++s) {
        rows.push_back(RowOf(programs[p][s], static_cast<std::int32_t>(p), static_cast<std::int32_t>(s)));
      }
    }
    return rows;
  }
  std::size_t longest = 0;
  for (const auto& p : programs) longest = std::max(longest, p.size());
  for (std::size_t s = 0; s < longest; ++s) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      if (s < programs[p].size()) {
        rows.push_back(RowOf(programs[p][s], static_cast<std::int32_t>(p), static_cast<std::int32_t>(s)));
      }
    }
  }
  return rows;
}

}  // namespace velmora
