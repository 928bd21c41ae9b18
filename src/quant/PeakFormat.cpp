#include "PeakFormat.h"

#include "Messages.h"
#include "NumberFormat.h"

namespace velmora {

std::string FormatFixed(double value, int precision, int decimals) {
  return NumberFormat::Fixed(value, precision, decimals);
}

std::string FormatPeakValue(double value) { return NumberFormat::Peak(value); }

const char* CalcTypeReportName(int calcType) {
  switch (calcType) {
    case 0:
      return msg::CalcNameByHeight;
    case 1:
      return msg::CalcNameBySquare;
    case 2:
      return msg::CalcNameByAbsHeight;
    case 3:
      return msg::CalcNameByAbsHeightTwoLines;
    case 4:
      return msg::CalcNameIntersection;
    case 5:
      return msg::CalcNamePotDiff;
    case 6:
      return msg::CalcNameLinSlope;
    case 7:
      return msg::CalcNameByAbsHeightLine;
    default:
      return nullptr;
  }
}

const char* CalcTypeUnit(int calcType) {
  switch (calcType) {
    case 0:
    case 2:
    case 3:
    case 7:
      return msg::UnitMicroAmpere;
    case 1:
      return msg::UnitMicroAmpereMillivolt;
    case 4:
    case 5:
    case 6:
      return msg::UnitMillivolt;
    default:
      return nullptr;
  }
}

const char* BaselineTypeName(int baselineType) {
  switch (baselineType) {
    case 0:
      return msg::BaselineLinear;
    case 1:
      return msg::BaselineSpline;
    default:
      return nullptr;
  }
}

}  // namespace velmora
