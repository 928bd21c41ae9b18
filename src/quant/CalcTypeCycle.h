#pragma once

#include <span>

#include "TElementPeak.h"

namespace velmora {

// The calculation type picked last by the user from the toolbar or menu;
// starts as 1 (by square). Process-wide, used from the user-interface
// thread only.
int CurrentCalcType();
void SetCurrentCalcType(int calcType);

// The type after `calcType` when the "Change peak calculation type" button
// is clicked: 0, 1, 2, 7, 3, 4, 5, 6 and round to 0. An unknown or mixed
// (-1) type continues with 0.
int NextCalcType(int calcType);

// The baseline type after `baselineType`: 0 and 1 alternate.
int NextBaselineType(int baselineType);

// The calculation type in force: the table's common CalcType when every row
// carries the same one (-1 when that is "mixed"), otherwise `current`.
int ShownCalcType(std::span<const TElementPeak> table, int current);

// The baseline type in force, by the same rule.
int ShownBaselineType(std::span<const TElementPeak> table, int current);

// The type stored for a new peak: -1 (mixed) becomes 1.
int StoredCalcType(int calcType);

}  // namespace velmora
