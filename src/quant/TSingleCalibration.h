#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ICalibrationLookup.h"
#include "TCalibrationCurves.h"
#include "TDataPoint.h"
#include "TRegressionFigures.h"

namespace velmora {

class TVAStruct;

// One saved calibration of one element: the straight line signal =
// Intercept + Slope·C fitted on standards, the calibration points and the
// standards' curves (free-standing copies that keep only this element's
// peak, shared between copies of the record).
//
// Intercept and Slope always refer to the concentration axis in mg/dm³,
// the axis the line is fitted on; UnitTop/UnitBottom are the units the
// standards were entered in, and Points hold their concentrations in those
// units.
struct TSingleCalibration {
  // The units of the concentration axis of Intercept and Slope: mg/dm³.
  static constexpr std::int32_t kLineUnitTop = 5;
  static constexpr std::int32_t kLineUnitBottom = 2;
  // The summary kept in the record folder's index: CalcType and R2.
  static constexpr std::size_t kHeaderDataSize = 12;

  std::string Name;
  double Stamp = 0.0;
  std::int32_t CalcType = -1;
  std::int32_t UnitTop = -1;
  std::int32_t UnitBottom = -1;
  std::uint8_t IncludeZeroPoint = 0;
  double Intercept = 0.0;
  double Slope = 0.0;
  double R2 = 0.0;
  TDataArr Points;  // (concentration in UnitTop/UnitBottom, signal); (0, 0) first with IncludeZeroPoint
  std::vector<std::shared_ptr<TVAStruct>> Curves;
  std::string FileName;
  // An optional label given when saving (an extra block of the data file
  // that other readers skip); empty when none was given.
  std::string Title;
  // The data file has been read (or the record was built in memory).
  bool Loaded = false;

  // The calibration points on the line's axis (mg/dm³); empty when the
  // standards' units are not set.
  TDataArr LinePoints() const;
  // s(y/x), the limits of detection and quantification and the reading
  // uncertainty, all on the line's axis.
  TRegressionFigures Figures() const;
  // The concentration of `signal` in unitTop/unitBottom; -1 for a missing
  // unit or a line that gives none (zero slope).
  double Concentration(double signal, std::int32_t unitTop, std::int32_t unitBottom) const;
  // The standard uncertainty of that concentration for the mean of
  // `replicates` readings, in the same units; -1 when not computable.
  double ConcentrationUncertainty(double signal, int replicates, std::int32_t unitTop, std::int32_t unitBottom) const;
  // The line and its points on the concentration axis in unitTop/unitBottom;
  // false for a missing unit.
  bool LineIn(std::int32_t unitTop, std::int32_t unitBottom, TCalibrationLine& out) const;
  // The drawing shape: the standards' curves (not owned) and how to read them.
  TCalibrationCurves AsCurves() const;

  // The data file: tagged blocks, the standards' curves in the curve record
  // stream. Read throws EFormatError for damaged or hostile data.
  std::vector<std::uint8_t> FileBytes() const;
  void ReadFile(std::span<const std::uint8_t> bytes);
  // The 12-byte index summary and its reader (false when too short).
  std::vector<std::uint8_t> HeaderData() const;
  bool ReadHeaderData(std::span<const std::uint8_t> data);
};

}  // namespace velmora
