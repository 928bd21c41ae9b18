#include "VirtualOperator.h"

#include <cctype>

namespace velmora {

namespace {

bool same(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

}  // namespace

SampleModel VirtualOperator::cellFor(int measurementType, const SampleModel& current) const {
  if (measurementType < Background || measurementType > Reference) return current;
  SampleModel cell;
  cell.fillSupportingElectrolyte(recipe_.electrolyteMl, recipe_.electrolyteImpurities);
  // One addition is one portion of the mixed standard (mg/L = 1000 µg/L).
  SampleModel::Concentrations standard{};
  for (int e = 0; e < SampleModel::ElementCount; ++e) standard[e] = recipe_.standard[e] * 1000.0;
  auto addStandard = [&] { cell.addSample(recipe_.additionMl, standard); };
  if (measurementType == Reference) {
    addStandard();
    return cell;
  }
  if (measurementType >= Sample) cell.addSample(recipe_.sampleMl, recipe_.sample);
  for (int k = Addition1; k <= measurementType; ++k) addStandard();
  return cell;
}

std::optional<int> VirtualOperator::typeOf(std::string_view name) {
  struct Name {
    const char* text;
    int type;
  };
  static constexpr Name names[] = {{"background", Background}, {"electrolyte", Background}, {"sample", Sample},
                                   {"add1", Addition1},        {"add2", Addition2},         {"add3", Addition3},
                                   {"reference", Reference}};
  for (const Name& n : names)
    if (same(name, n.text)) return n.type;
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '5') return name[0] - '0';
  return std::nullopt;
}

std::vector<int> VirtualOperator::parseSequence(std::string_view text, std::string& error) {
  std::vector<int> sequence;
  while (!text.empty()) {
    const auto comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    const std::optional<int> type = typeOf(item);
    if (!type) {
      error = "not a measurement type: " + std::string(item);
      return {};
    }
    sequence.push_back(*type);
  }
  if (sequence.empty()) error = "an empty cell sequence";
  return sequence;
}

}  // namespace velmora
