#include "CalcMethods.h"

#include "Messages.h"

namespace velmora {

const char* CalcMethods::Name(int method) {
  static const char* const names[kBuiltinCount] = {msg::MethodOneAddition,      msg::MethodStandardAdditions,
                                                   msg::MethodThreeAdditionsHg, msg::MethodComparative,
                                                   msg::MethodCalibrationCurve, msg::MethodByCalibration};
  return IsBuiltin(method) ? names[method] : nullptr;
}

std::array<bool, CalcMethods::kRoleCount> CalcMethods::ChoiceRoles(int method) {
  switch (method) {
    case kOneAddition:
      return {true, true, true, false, false, false};
    case kStandardAdditions:
    case kCalibrationCurve:
      return {};
    case kThreeAdditionsHg:
      return {true, true, true, true, true, false};
    case kComparative:
      return {true, true, false, false, false, true};
    case kByCalibration:
      return {true, true, false, false, false, false};
    default:
      return {true, true, true, true, true, true};
  }
}

const char* CalcMethods::AbscissaCaption(int type) {
  static const char* const captions[kAbscissaCount] = {
      msg::AbscissaConcentration,         msg::AbscissaSweepRateRoot,         msg::AbscissaAngularFrequencyRoot,
      msg::AbscissaCleaningPotential,     msg::AbscissaCleaningTime,          msg::AbscissaPreparation1Potential,
      msg::AbscissaPreparation1Time,      msg::AbscissaPreparation2Potential, msg::AbscissaPreparation2Time,
      msg::AbscissaElectrolysisPotential, msg::AbscissaElectrolysisTime,      msg::AbscissaDelayAfterMixing,
      msg::AbscissaModulationAmplitude,   msg::AbscissaModulationFrequency};
  return type >= 0 && type < kAbscissaCount ? captions[type] : nullptr;
}

}  // namespace velmora
