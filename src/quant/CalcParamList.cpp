#include "CalcParamList.h"

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "Messages.h"
#include "Numbers.h"
#include "TConcCalculation.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// Short caption of each volume; the long explanation is its hint.
const char* VolumeShortCaption(int index) {
  static const char* const captions[] = {msg::ConcParamAliquot,        msg::ConcParamDilution, msg::ConcParamSampleMass,
                                         msg::ConcParamPreparedVolume, msg::VolumeBackground,  msg::ConcParamCellVolume,
                                         msg::VolumeAddition1,         msg::VolumeAddition2,   msg::VolumeAddition3,
                                         msg::VolumeReference};
  return index >= 0 && index < TVAStruct::kVolumeCount ? captions[index] : "";
}

const char* CoefficientCaption(int index) {
  static const char* const captions[] = {msg::ConcCoefElectrons, msg::ConcCoefArea, msg::ConcCoefConcentration,
                                         msg::ConcCoefTemperature, msg::ConcCoefViscosity};
  return index >= 0 && index < 5 ? captions[index] : "";
}

// Where a built-in formula variable's row comes from: a volume index, or -1
// for the currents and concentrations, which get no row.
int VolumeOfVariable(const std::string& name) {
  static const struct {
    const char* name;
    int volume;
  } table[] = {{"IB", -1}, {"I0", -1}, {"I1", -1}, {"I2", -1}, {"I3", -1}, {"IR", -1},
               {"C1", -1}, {"C2", -1}, {"C3", -1}, {"VAL", 0}, {"D", 1},   {"M", 2},
               {"VM", 3},  {"VC", 5},  {"V1", 6},  {"V2", 7},  {"V3", 8},  {"VR", 9}};
  for (const auto& entry : table)
    if (TVAStruct::SameName(name, entry.name)) return entry.volume;
  return -2;  // a user variable
}

}  // namespace

bool CalcParamList::Shown(int method, int calibrationType) {
  if (method == CalcMethods::kCalibrationCurve)
    return calibrationType == CalcMethods::kAbscissaSweepRate ||
           calibrationType == CalcMethods::kAbscissaAngularFrequency;
  return method >= 0;
}

void CalcParamList::Build(const TConcCalculation& calc) {
  rows_.clear();
  const int method = calc.Method();
  if (!Shown(method, calc.CalibrationType())) return;
  auto volume = [this](int index) {
    Row row;
    row.source = Source::Volume;
    row.index = index;
    row.caption = VolumeShortCaption(index);
    row.hint = TVAStruct::VolumeCaption(index);
    rows_.push_back(row);
  };
  if (method == CalcMethods::kCalibrationCurve) {
    const int count = calc.CalibrationType() == CalcMethods::kAbscissaAngularFrequency ? 5 : 4;
    for (int k = 0; k < count; ++k) {
      Row row;
      row.source = Source::Coefficient;
      row.index = k;
      row.caption = CoefficientCaption(k);
      row.hint = row.caption;
      rows_.push_back(row);
    }
  } else if (const TCustomMethod* custom = calc.CustomMethod(method)) {
    for (const TCalcVar& var : custom->Vars) {
      const int v = VolumeOfVariable(var.Name);
      if (v == -1) continue;
      if (v >= 0) {
        volume(v);
        continue;
      }
      Row row;
      row.source = Source::UserVariable;
      row.name = var.Name;
      row.ownCaption = var.Comment.empty() ? var.Name : var.Comment;
      rows_.push_back(row);
    }
  } else {
    std::array<bool, CalcMethods::kRoleCount> shown{};
    for (const TVAStruct* c : calc.Curves()) {
      const int role = c->Params.MeasurementType();
      if (role >= 0 && role < CalcMethods::kRoleCount) shown[static_cast<std::size_t>(role)] = true;
    }
    volume(0);
    volume(5);
    switch (method) {
      case CalcMethods::kOneAddition:
        volume(6);
        break;
      case CalcMethods::kStandardAdditions:
        volume(6);
        if (shown[3] || shown[4]) volume(7);
        if (shown[4]) volume(8);
        break;
      case CalcMethods::kThreeAdditionsHg:
        volume(6);
        volume(7);
        volume(8);
        break;
      case CalcMethods::kComparative:
        volume(9);
        break;
      default:
        break;
    }
    volume(1);
    if (ConcUnits::IsMass(calc.Params().RecalcUnitBottom)) {
      volume(2);
      volume(3);
    }
  }
  ReadValues(calc);
}

void CalcParamList::ReadValues(const TConcCalculation& calc) {
  const TConcParams& p = calc.Params();
  std::vector<std::string> texts;
  for (Row& row : rows_) {
    switch (row.source) {
      case Source::Volume:
        row.value = p.Volumes[static_cast<std::size_t>(row.index)];
        break;
      case Source::Coefficient:
        row.value = p.CalcCoefficients[static_cast<std::size_t>(row.index)];
        break;
      case Source::UserVariable:
        row.value = calc.UserVariable(row.name);
        break;
    }
    texts.push_back(row.value == -1.0 ? std::string("?") : FormatShortest(row.value));
  }
  SetErrors(calc.Method(), texts);
}

void CalcParamList::SetErrors(int method, const std::vector<std::string>& texts) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const double v = i < texts.size() ? ReadNumber(texts[i], -1.0) : -1.0;
    rows_[i].error = method != CalcMethods::kCalibrationCurve && !(v > 0);
  }
}

bool CalcParamList::AnyError() const {
  for (const Row& row : rows_)
    if (row.error) return true;
  return false;
}

}  // namespace velmora
