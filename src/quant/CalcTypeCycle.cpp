#include "CalcTypeCycle.h"

#include <array>

namespace velmora {

namespace {

int currentCalcType = 1;

constexpr std::array<int, 8> kCycle = {0, 1, 2, 7, 3, 4, 5, 6};

}  // namespace

int CurrentCalcType() { return currentCalcType; }

void SetCurrentCalcType(int calcType) { currentCalcType = calcType; }

int NextCalcType(int calcType) {
  for (std::size_t i = 0; i < kCycle.size(); ++i) {
    if (kCycle[i] == calcType) return kCycle[(i + 1) % kCycle.size()];
  }
  return kCycle[0];
}

int NextBaselineType(int baselineType) { return baselineType == 0 ? 1 : 0; }

int ShownCalcType(std::span<const TElementPeak> table, int current) {
  if (table.empty()) return current;
  for (const auto& row : table) {
    if (row.CalcType != table.front().CalcType) return current;
  }
  return table.front().CalcType;
}

int ShownBaselineType(std::span<const TElementPeak> table, int current) {
  if (table.empty()) return current;
  for (const auto& row : table) {
    if (row.BaselineType != table.front().BaselineType) return current;
  }
  return table.front().BaselineType;
}

int StoredCalcType(int calcType) { return calcType == -1 ? 1 : calcType; }

}  // namespace velmora
