#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TArrayDataStruct.h"
#include "TCalcVar.h"
#include "TCustomMethod.h"
#include "TPeakRecord.h"
#include "TPropertyRow.h"
#include "TStepExtra.h"
#include "TVAParams.h"

namespace velmora {

class IPeakEvaluator;

// The voltammetric curve record every node of a document carries: record
// parameters, peaks, volumes, variables and calculation settings.
class TVAStruct : public TArrayDataStruct {
 public:
  static constexpr std::size_t kDatabaseNameCapacity = 255;
  static constexpr int kVolumeCount = 10;
  static constexpr int kMeasurementTypeCount = 6;

  explicit TVAStruct(TNode* node = nullptr);
  ~TVAStruct() override;

  TVAParams Params;
  TStepExtra StepExtra;
  std::int32_t StirrerType = -1;   // 0..3, -1 unknown
  std::int32_t StirrerSpeed = -1;  // rpm, -1 unknown
  std::uint8_t Compensation = 0;
  std::int32_t FilterValue = -1;  // -1 none
  std::int32_t CalculationMethod = 0;
  std::int32_t CalibrationType = 0;
  std::uint8_t HasCustomMethod = 0;
  TCustomMethod CustomMethod;
  double RecordDate = 0.0;  // days since 1899-12-30
  std::string DatabaseName;
  TPeaks Peaks;
  TVarsArr Variables;
  std::array<double, 5> CalcCoefficients{1.0, 0.0, 0.0, 298.0, 0.01};
  // Colours (0xRRGGBB) of the curves the thumbnail draws, one per row; runtime.
  std::vector<std::uint32_t> SeriesColors;
  double OwnVolume = 0.0;
  double RuntimeVolume = 0.0;  // the runtime double after OwnVolume
  std::array<double, kVolumeCount> Volumes{};
  std::int32_t ResUnitTop = -1;
  std::int32_t ResUnitBottom = -1;
  std::int32_t RecalcUnitTop = -1;
  std::int32_t RecalcUnitBottom = -1;

  // --- Virtual operations ---
  std::unique_ptr<TBasicDataStruct> GetSelfType() const override;
  // Params, StepExtra, stirrer and compensation, the peaks with fresh
  // values, DatabaseName and RecordDate.
  void CopyParamsTo(TBasicDataStruct& target) const override;

  // --- Peaks ---
  std::int32_t FindPeak(const std::string& name) const;
  // Copies the named peak into `out`; an all-zero record when absent.
  bool CopyPeak(const std::string& name, TPeakRecord& out) const;
  void DeletePeak(const std::string& name);
  // Type -1 is stored as 1.
  void AddPeak(const std::string& name, std::int32_t calcType, std::int32_t beginIndex, std::int32_t endIndex);
  void SetPeaks(TPeaks peaks);
  // Indexes are clamped to the displayed points; out-of-range `index` does
  // nothing.
  void SetPeak(std::int32_t index, const TPeakRecord& peak);
  // `index` -1 applies to every peak.
  void SetPeakCalcType(std::int32_t index, std::int32_t calcType);
  void SetPeakBaselineType(std::int32_t index, std::int32_t baselineType);
  void SetAdditionConc(const std::string& name, double value);
  void RenamePeak(const std::string& oldName, const std::string& newName);
  // Every peak with a fresh value.
  const TPeaks& GetPeaks();
  // One peak with a fresh value; an all-zero record for a bad index.
  TPeakRecord GetPeak(std::int32_t index);
  // Recomputes the peaks whose value is not valid.
  void RefreshPeakValues();

  // --- Variables ---
  std::int32_t FindVariable(const std::string& name) const;
  TCalcVar GetVariable(const std::string& name) const;
  void SetVariable(const TCalcVar& var);

  void SetCalcCoefficients(const std::array<double, 5>& coefficients);
  void SetCalcCoefficients(double c0, double c1, double c2, double c3, double c4);

  // --- Texts ---
  TPropertyRows PropertyRows() const;
  // A node-less copy for reports and calibrations; its peaks own no series.
  std::unique_ptr<TVAStruct> FreeStandingCopy() const;
  // The volume of the solution of measurement type `type`, -1 when out of
  // range.
  double VolumeOf(std::int32_t measurementType) const;

  static const char* MeasurementTypeCaption(std::int32_t type);
  static const char* VolumeCaption(std::int32_t index);
  static const char* ValuesRangeCaption(std::int32_t range);
  static const char* ConjunctionTypeCaption(std::int32_t type);
  static const char* StirrerTypeCaption(std::int32_t type);
  // Case-insensitive comparison of variable names.
  static bool SameName(const std::string& a, const std::string& b);

  // Process-wide peak value calculation; not owned.
  static void SetPeakEvaluator(const IPeakEvaluator* evaluator);

 protected:
  void AfterCollect() override;

 private:
  void PeaksChanged();
  void EvaluatePeak(TPeakRecord& peak) const;
};

}  // namespace velmora
