#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// The built-in calculation methods and the abscissa types of the
// calibration-curve method. Numbers from 6 on denote custom methods.
class CalcMethods {
 public:
  static constexpr int kNone = -1;
  static constexpr int kOneAddition = 0;
  static constexpr int kStandardAdditions = 1;
  static constexpr int kThreeAdditionsHg = 2;
  static constexpr int kComparative = 3;
  static constexpr int kCalibrationCurve = 4;
  static constexpr int kByCalibration = 5;
  static constexpr int kBuiltinCount = 6;
  static constexpr int kFirstCustom = 6;

  // Roles of the curves (`MeasurementType`).
  static constexpr int kRoleCount = 6;
  static constexpr int kRoleBackground = 0;
  static constexpr int kRoleAnalyte = 1;
  static constexpr int kRoleReference = 5;

  // Abscissa types of the calibration curve.
  static constexpr int kAbscissaCount = 14;
  static constexpr int kAbscissaConcentration = 0;
  static constexpr int kAbscissaSweepRate = 1;
  static constexpr int kAbscissaAngularFrequency = 2;

  static bool IsBuiltin(int method) { return method >= 0 && method < kBuiltinCount; }
  static bool IsCustom(int method) { return method >= kFirstCustom; }
  // The catalogue name of a built-in method; nullptr otherwise.
  static const char* Name(int method);
  // The roles whose repetition makes the method offer row check boxes
  // (custom methods and "no method": all six; methods 1 and 4: none).
  static std::array<bool, kRoleCount> ChoiceRoles(int method);
  // The catalogue caption of an abscissa type; nullptr outside 0..13.
  static const char* AbscissaCaption(int type);
};

}  // namespace velmora
