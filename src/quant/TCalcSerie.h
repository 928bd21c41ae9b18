#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "TDataPoint.h"

namespace velmora {

class TVAStruct;
struct TCalcElement;
struct TCalibrationCurves;

// One element's regression on the calculation chart: the data points, the
// fitted straight line, the auxiliary level lines and the mark of the
// concentration found. Pure data and numerics; a chart view draws the four
// point lists (Points, Line, LevelLine, ResultMark) in Color.
class TCalcSerie {
 public:
  // Reads a curve's value of a named peak; false when it holds none.
  using TValueSource = std::function<bool(TVAStruct& curve, const std::string& name, double& value)>;

  TDataArr Points;      // ascending x; their marks show when Labels is on
  TDataArr Line;        // the fitted line
  TDataArr LevelLine;   // background level, or the reading of a sample
  TDataArr ResultMark;  // the point marking the concentration; its mark shows x
  double Intercept = 0.0;
  double Slope = 0.0;
  double R2 = 0.0;
  double Offset = 0.0;   // signal of the supporting electrolyte
  double Result = -1.0;  // the concentration read from the fit; -1 after Reset
  // How Result is read: false, where the line meets the background level
  // (Offset) at x = -Result (standard additions); true, where the line
  // reaches ReadSignal at x = Result (a sample read on a line).
  bool Reading = false;
  double ReadSignal = 0.0;
  std::uint32_t Color = 0;              // 0xRRGGBB
  std::string Title;                    // the element name
  std::array<double, 5> CellVolumes{};  // Vc, V1, V2, V3, Vr of the curves
  std::uint8_t ShowTrend = 1;
  std::uint8_t Labels = 1;
  // Where the fillings read peak values; PeakValueOf when empty. The
  // calculation hands in the values it has already computed.
  TValueSource ValueSource;

  // Clears the four lists, Offset := 0, Result := -1.
  void Reset();
  void SetColor(std::uint32_t color) { Color = color; }
  void SetTitle(const std::string& title) { Title = title; }
  void SetLabels(bool on) { Labels = on ? 1 : 0; }
  // Stores the flag and refits.
  void SetShowTrend(bool on);
  // Stores Offset; a non-zero one is drawn as a level line across the
  // line's (trend on) or the points' x range, zero clears the level line.
  void SetOffset(double value);

  // Adds a point, keeping Points in ascending x (equal x in arrival order).
  void AddPoint(double x, double y);

  // The least-squares line through Points and its drawing. Fewer than two
  // distinct x: coefficients and Result 0, nothing drawn.
  void Fit();
  // A line given by its coefficients (a calculation that is no
  // least-squares fit, or a stored calibration) and its drawing over the
  // points; R2 is that line's fit quality on the points unless given.
  void SetLine(double intercept, double slope, double r2 = -1.0);
  // Reads `signal` on the line: Result := the x where the line reaches it,
  // drawn as a level line across to that x and down to the axis, with the
  // result mark there (trend on). A horizontal line reads nothing
  // (Result -1).
  void ReadAt(double signal);
  // For a copy shown with "Linear trends" off: the line and the result mark
  // go, the level lines span the points; Result stays.
  void HideTrend();

  // The standard-additions regression of `element` over `curves` (the shown
  // curves in list order): signal against the concentration added to the
  // cell. Curves whose cell or addition volumes differ leave the series
  // empty with Result 0.
  void FillAdditions(std::span<TVAStruct* const> curves, const TCalcElement& element);

  // The calibration line of `calibration`: signal against the abscissa of
  // `abscissaType` (0..13); type 0 plots the standards' concentrations in
  // `unitTop`/`unitBottom`.
  void FillCalibration(const TCalibrationCurves& calibration, std::int32_t unitTop, int abscissaType,
                       std::int32_t unitBottom);

  // The reading of the analyte (role 1) curves' signal, less the
  // background's (role 0), on the line filled before (ReadAt).
  void DrawReading(std::span<TVAStruct* const> curves, const std::string& element);

  // 0 smallest x, 1 largest x, 2 smallest y, 3 largest y of Points; 0
  // without points.
  double Extent(int which) const;

  // The x of a curve for the abscissa type (sweep rate, record parameter,
  // ...); false when the curve gives none (a stirrer below 1 rpm). Types 1
  // and 2 also scale the signal to amperes through `signalScale`.
  static bool AbscissaOf(const TVAStruct& curve, int abscissaType, double& x, double& signalScale);
  // The fresh peak value of `name` in the curve; false when it holds no
  // such peak.
  static bool PeakValueOf(TVAStruct& curve, const std::string& name, double& value);

 private:
  void ClearFit();
  void DrawLine();
  bool ValueOf(TVAStruct& curve, const std::string& name, double& value) const;
};

}  // namespace velmora
