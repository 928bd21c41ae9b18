#include "CliCalculation.h"

#include <exception>
#include <ostream>

#include "CalcMethods.h"
#include "CliDocument.h"
#include "ConcUnits.h"
#include "CustomCalcFile.h"
#include "JsonWriter.h"
#include "TCalibrationsDB.h"
#include "TVAStruct.h"

namespace velmora {

CliCalculation::CliCalculation() = default;

CliCalculation::~CliCalculation() = default;

int CliCalculation::Run(const std::string& command, const std::string& file, bool haveMethod, int method,
                        const std::string& dataDir, std::ostream& err) {
  method_ = method;
  CliDocument::UsePeakValues();
  try {
    CliDocument::Load(forest_, file);
    CustomCalcFile::Load(CliDocument::DataDir(dataDir), customMethods_);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
    return 1;
  }

  curves_ = CliDocument::DisplayedCurves(forest_);
  calc_.SetCurves(curves_);
  calc_.SetCustomMethods(&customMethods_);
  calc_.SetMethodEvaluator([this](const TCustomMethod& m) { return calculator_.EvaluateMethodValue(m); });
  // "By calibration" reads the active calibrations of the data folder.
  if (method_ == CalcMethods::kByCalibration || (!haveMethod && !curves_.empty() && !curves_.front()->HasCustomMethod &&
                                                 curves_.front()->CalculationMethod == CalcMethods::kByCalibration)) {
    calibrations_ = std::make_unique<TCalibrationsDB>(CliDocument::DataDir(dataDir) / TCalibrationsDB::kFolderName);
    calc_.SetCalibrations(calibrations_.get());
  }
  const std::string prefix = "velmora-cli " + command + ": ";
  if (!haveMethod) {
    if (curves_.empty()) {
      err << prefix << file << " holds no curves\n";
      return 1;
    }
    // The method the curves carry, taken as the calculation window takes it.
    switch (calc_.TakeMethodFromCurves()) {
      case TConcCalculation::MethodSource::Taken:
        method_ = calc_.Method();
        break;
      case TConcCalculation::MethodSource::CustomDiffers:
        err << prefix << "the curves carry different custom methods; choose one with --method\n";
        return 1;
      case TConcCalculation::MethodSource::Mixed:
        err << prefix << "the curves carry different calculation methods; choose one with --method\n";
        return 1;
      case TConcCalculation::MethodSource::Unsupported:
        err << prefix << "the curves carry method " << curves_.front()->CalculationMethod
            << ", which this version does not know\n";
        return 1;
    }
  }
  if (!calc_.SelectMethod(method_) || method_ < 0) {
    err << prefix << "method " << method_ << " is not available\n";
    return 1;
  }
  // The abscissa of the calibration-curve method is the curves' own.
  calc_.TakeCalibrationTypeFromCurves();
  calc_.Recalculate();
  if (calibrations_)
    for (const Message& problem : calibrations_->TakeProblems()) err << problem.format() << "\n";
  return 0;
}

std::string CliCalculation::UnitText(std::int32_t top, std::int32_t bottom) {
  auto plain = [](std::int32_t unit) {
    std::string text = ConcUnits::Caption(unit);
    std::erase(text, '^');
    return text;
  };
  return plain(top) + "/" + plain(bottom);
}

void CliCalculation::WriteUnits(JsonWriter& json, int method, int calibrationType, std::int32_t resTop,
                                std::int32_t resBottom, std::int32_t recalcTop, std::int32_t recalcBottom) {
  json.field("ResUnitTop", static_cast<int>(resTop));
  json.field("ResUnitBottom", static_cast<int>(resBottom));
  json.field("RecalcUnitTop", static_cast<int>(recalcTop));
  json.field("RecalcUnitBottom", static_cast<int>(recalcBottom));
  json.field("CellUnit", UnitText(resTop, resBottom));
  const bool diffusion =
      method == CalcMethods::kCalibrationCurve &&
      (calibrationType == CalcMethods::kAbscissaSweepRate || calibrationType == CalcMethods::kAbscissaAngularFrequency);
  json.field("SampleUnit", diffusion ? std::string("cm2/s") : UnitText(recalcTop, recalcBottom));
}

}  // namespace velmora
