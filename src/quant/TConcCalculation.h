#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "TCalcElement.h"
#include "TCalcSerie.h"
#include "TCalibrationCurves.h"
#include "TCustomMethod.h"

namespace velmora {

class ICalibrationLookup;
class TVAStruct;

// The common parameters of the used curves: -1 marks a missing or
// disagreeing value.
struct TConcParams {
  std::array<double, 10> Volumes{};
  std::int32_t ResUnitTop = -1;
  std::int32_t ResUnitBottom = -1;
  std::int32_t RecalcUnitTop = -1;
  std::int32_t RecalcUnitBottom = -1;
  std::array<double, 5> CalcCoefficients{};
};

// The concentration calculation over the displayed curves: the table of
// elements, the choice of curves, the common parameters, the requirements of
// the method and the results in the cell and in the sample. Holds no
// document data of its own: everything is read from, and every edit written
// into, the displayed curves (rows of the calculation window, in list
// order). No windows: a calculation window shows Elements(), the check
// boxes, Params() and RequirementsMet() and calls the edit operations.
class TConcCalculation {
 public:
  // Evaluates a custom method whose variables carry their values; a failed
  // evaluation (failed check, division by zero) gives no result.
  using TMethodEvaluator = std::function<TCustomMethodValue(const TCustomMethod&)>;

  // Physical constants of the diffusion coefficients.
  static constexpr double kGasConstant = 8.3144621;
  static constexpr double kFaraday = 96485.339924;

  TConcCalculation();

  // --- Inputs ---
  // The displayed curves, in list order (not owned). Run Recalculate after.
  void SetCurves(std::vector<TVAStruct*> curves);
  const std::vector<TVAStruct*>& Curves() const { return curves_; }
  // The process-wide list of custom methods (not owned; may be null).
  void SetCustomMethods(TCustomMethodArr* methods) { customMethods_ = methods; }
  // Custom methods are evaluated through this function; without one they
  // give -1.
  void SetMethodEvaluator(TMethodEvaluator evaluator) { evaluator_ = std::move(evaluator); }
  // The calibrations database for method 5 (not owned; null answers none).
  void SetCalibrations(const ICalibrationLookup* lookup) { calibrations_ = lookup; }
  const ICalibrationLookup& Calibrations() const;
  // The "Include zero point" option of the calibration-curve method.
  void SetIncludeZeroPoint(bool on) { includeZeroPoint_ = on; }
  bool IncludeZeroPoint() const { return includeZeroPoint_; }
  // The peak calculation type the on-the-fly calibrations carry.
  void SetCurrentCalcType(std::int32_t calcType) { currentCalcType_ = calcType; }
  std::int32_t CurrentCalcType() const { return currentCalcType_; }
  // The calibration the calibration-curve method builds on the fly for an
  // element: the shown curves, the element's units, "Include zero point"
  // and the current peak calculation type.
  TCalibrationCurves OnTheFlyCalibration(std::size_t element) const;
  // Reads the peak values this calculation computed (a curve's first peak of
  // the name), so that a chart plots exactly what the results come from.
  bool PeakValue(const TVAStruct& curve, const std::string& name, double& value) const;

  // --- Method ---
  enum class MethodSource { Taken, Mixed, Unsupported, CustomDiffers };
  // Takes the method from the curves: mixed methods give -1 (Mixed), a
  // stored number above 5 gives -1 (Unsupported, which the window reports);
  // equal custom methods are found (or appended) in the custom method list;
  // curves carrying different custom methods leave the method as it was
  // (CustomDiffers).
  MethodSource TakeMethodFromCurves();
  // The abscissa type shared by the curves, -1 when they differ.
  void TakeCalibrationTypeFromCurves();
  int Method() const { return method_; }
  // Selects the method without touching the curves; a custom number beyond
  // the list is ignored (returns false).
  bool SelectMethod(int method);
  // Selects the method and writes it into every displayed curve.
  bool SetMethod(int method);
  // The custom method of a number, or null.
  const TCustomMethod* CustomMethod(int method) const;
  int CalibrationType() const { return calibrationType_; }
  // Stores the abscissa type and writes it into every displayed curve.
  void SetCalibrationType(int type);

  // --- Full refresh and results ---
  // Rebuilds the table, takes the units, decides the check boxes (all
  // unticked) and computes the results. The method stays as selected.
  void Recalculate();
  // Recomputes the used curves, the common parameters and the results
  // without rebuilding the table.
  void UpdateResults();
  bool IsRecalculating() const { return recalculating_; }

  const TElementsArr& Elements() const { return elements_; }
  const TConcParams& Params() const { return params_; }
  bool RequirementsMet() const { return requirementsMet_; }

  // The regression an element's result is read from, exactly as the table
  // used it: the used curves' signals at the method's abscissa, the line
  // the method computed and the concentration the table shows. Standard
  // additions: the least-squares fit off the concentration axis; one
  // addition: the sample and its addition with the signal referred to the
  // cell volume before the addition; three additions: the corrected
  // additions and their averaged line, read at the sample's signal;
  // comparative: the line through the blank and the reference, read at the
  // sample's signal; by calibration: the active calibration's stored line,
  // read at the sample's signal less the blank's; calibration curve: the
  // calibration built on the fly. Empty when the method draws no line
  // (custom methods, mixed abscissa types) or its requirements fail.
  const TCalcSerie& Regression(std::size_t element) const;
  // What the regressions' signal axis shows.
  enum class SignalKind {
    Measured,           // the peak values
    ReferredToCell,     // one addition: signal × (Vc + V1)/Vc for the addition
    LessDilutedSample,  // three additions: signal less the diluted sample's share
    LessBlank,          // by calibration: the sample's signal less the blank's
  };
  SignalKind RegressionSignal() const;

  // --- Choice of curves ---
  // True when some role the method looks at occurs more than once among
  // the displayed curves: each curve row then gets a check box.
  bool CheckBoxesOffered() const { return checkBoxesOffered_; }
  bool RowChecked(std::size_t row) const { return row < checked_.size() && checked_[row]; }
  // Ticks or unticks a curve row's box and updates the results.
  void SetRowChecked(std::size_t row, bool checked);
  // Decides the check boxes again (all unticked), as after a role change.
  void DecideCheckBoxes();
  const std::vector<TVAStruct*>& UsedCurves() const { return used_; }
  int RoleCount(int role) const;
  // The last used curve of the role, or null.
  TVAStruct* RoleCurve(int role) const;

  // --- Edits written into every displayed curve ---
  void SetRole(std::size_t row, std::int32_t role);
  void SetAddConc(std::size_t element, double value);
  void SetVolume(int index, double value);
  void SetCalcCoefficient(int index, double value);
  void SetResultUnits(std::int32_t top, std::int32_t bottom);
  void SetRecalcUnits(std::int32_t top, std::int32_t bottom);
  // The units of a calibration-curve element: stored in its peaks.
  void SetElementUnits(std::size_t element, std::int32_t top, std::int32_t bottom);
  void SetUserVariable(const std::string& name, double value);
  // The value of a user variable shared by the displayed curves, -1 when
  // they differ or none holds it.
  double UserVariable(const std::string& name) const;

  // --- Pieces of the computation, for the windows and the tests ---
  // The volumes, units and coefficients common to `used` / `all` curves.
  static TConcParams CommonParams(const std::vector<TVAStruct*>& used, const std::vector<TVAStruct*>& all);
  // Concentration in the sample from one in the cell (methods 0-3, 5).
  static double RecalcToSample(double cellResult, const TConcParams& params);
  // Method 0; Method 2; Method 3 (cell results before the sign check).
  static double OneAddition(double i0, double i1, double ib, double c, double vc, double v1);
  static double ThreeAdditions(double i0, double i1, double i2, double i3, double ib, double c,
                               const std::array<double, 4>& volumes);
  static double Comparative(double i0, double ir, double ib, double c);
  // The line of method 2: the additions' concentrations in the cell, their
  // signals less the diluted sample's share, and the averages of the three
  // pairwise slopes and intercepts. Defined is false (and the line 0) for
  // non-positive volume sums or concentrations that do not increase.
  struct TThreeAdditionsLine {
    std::array<double, 3> Conc{};
    std::array<double, 3> Signal{};
    double Slope = 0.0;
    double Intercept = 0.0;
    bool Defined = false;
  };
  static TThreeAdditionsLine ThreeAdditionsLine(double i0, double i1, double i2, double i3, double c,
                                                const std::array<double, 4>& volumes);
  // Randles-Sevcik (type 1) and Levich (type 2) diffusion coefficients from
  // a regression slope `e` (already the fallback value when no slope).
  static double RandlesSevcik(double e, const std::array<double, 5>& coefficients);
  static double Levich(double e, const std::array<double, 5>& coefficients);

 private:
  struct PeakCell {
    bool Present = false;
    double Value = 0.0;
  };

  void BuildTable();
  void FillPeakValues();
  void ChooseUsedCurves();
  bool CheckRequirements() const;
  bool CustomRequirements(const TCustomMethod& method) const;
  void ComputeResults();
  void ComputeBuiltin();
  void ComputeCustom(const TCustomMethod& method);
  void ComputeDiffusion();
  void BuildRegressions();
  void BuildRegression(std::size_t element, TCalcSerie& serie) const;
  void SettleRegressions();
  double RoleValue(int role, std::size_t element) const;
  std::size_t IndexOf(const TVAStruct* curve) const;

  std::vector<TVAStruct*> curves_;
  TCustomMethodArr* customMethods_ = nullptr;
  TMethodEvaluator evaluator_;
  const ICalibrationLookup* calibrations_ = nullptr;
  bool includeZeroPoint_ = false;
  std::int32_t currentCalcType_ = 1;

  int method_ = 0;
  int calibrationType_ = 0;
  TElementsArr elements_;
  // peaks_[curve][element]: the curve's value of the element, if any.
  std::vector<std::vector<PeakCell>> peaks_;
  bool checkBoxesOffered_ = false;
  std::vector<bool> checked_;
  std::vector<TVAStruct*> used_;
  std::array<int, 6> roleCount_{};
  std::array<TVAStruct*, 6> roleCurve_{};
  TConcParams params_;
  bool requirementsMet_ = false;
  bool recalculating_ = false;
  std::vector<TCalcSerie> regressions_;
};

}  // namespace velmora
