#pragma once

#include <span>
#include <vector>

#include "TSingleCalibration.h"

namespace velmora {

class TCalibrationsDB;
class TConcCalculation;
class TVAStruct;

// "Save calibration": one calibration per row of a calibration-curve
// calculation (method 4), in table order, each added to `db`.
//
// The line is the row's line on the calculation chart: signal against the
// standards' concentrations in mg/dm³ over the calculation's shown curves
// (the concentration abscissa, whatever abscissa the chart shows, since a
// calibration turns signals into concentrations). The points are the
// standards among `checkedCurves` (the curves ticked in the main window's
// list, in list order) holding the element's peak with a concentration
// set, after (0, 0) when the calculation includes the zero point.
// Standards entered in differing units are stored in mg/dm³.
//
// Call it with a calculation that has been recalculated with method 4.
// Throws EFormatError when a calibration cannot be written; those saved
// before stay saved. Returns the calibrations as stored.
std::vector<TSingleCalibration> SaveCalibrations(const TConcCalculation& calc,
                                                 std::span<TVAStruct* const> checkedCurves, TCalibrationsDB& db,
                                                 double stamp);

// The calibration of one row, built but not stored.
TSingleCalibration BuildCalibration(const TConcCalculation& calc, std::size_t row,
                                    std::span<TVAStruct* const> checkedCurves, double stamp);

}  // namespace velmora
