#include "TCalibrationList.h"

namespace velmora {

const TSingleCalibration* TCalibrationList::Find(const std::string& name) const {
  for (const TSingleCalibration& c : calibrations_)
    if (c.Name == name) return &c;
  return nullptr;
}

double TCalibrationList::ConcentrationFromCalibration(const std::string& name, std::int32_t unitTop,
                                                      std::int32_t unitBottom, double signal) const {
  const TSingleCalibration* c = Find(name);
  return c ? c->Concentration(signal, unitTop, unitBottom) : -1.0;
}

double TCalibrationList::CalibrationUncertainty(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                                double signal, int replicates) const {
  const TSingleCalibration* c = Find(name);
  return c ? c->ConcentrationUncertainty(signal, replicates, unitTop, unitBottom) : -1.0;
}

bool TCalibrationList::ActiveCalibration(const std::string& name, TCalibrationCurves& out) const {
  const TSingleCalibration* c = Find(name);
  if (!c) return false;
  out = c->AsCurves();
  return true;
}

bool TCalibrationList::ActiveLine(const std::string& name, std::int32_t unitTop, std::int32_t unitBottom,
                                  TCalibrationLine& out) const {
  const TSingleCalibration* c = Find(name);
  return c && c->LineIn(unitTop, unitBottom, out);
}

}  // namespace velmora
