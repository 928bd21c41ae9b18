// Report experiments as the calculation window adds them, for the tests
// of the report and of its page.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "TReportRec.h"
#include "TVAStruct.h"

namespace velmora::test {

// A curve on a background of tens of µA with one peak per name.
inline std::shared_ptr<TVAStruct> Curve(int role, const std::vector<std::string>& peaks) {
  auto c = std::make_shared<TVAStruct>(nullptr);
  TDataArr points;
  for (int i = 0; i <= 200; ++i) points.push_back({-1200.0 + 7.0 * i, 30.0 + 0.01 * i});
  c->Data = points;
  c->Params.SetMeasurementType(role);
  std::int32_t at = 20;
  for (const std::string& p : peaks) {
    c->AddPeak(p, 1, at, at + 30);
    at += 50;
  }
  return c;
}

// An experiment with sample results in the units given and cell results
// (base units) equal to the sample's in µg/dm³.
inline TExpRec Experiment(const std::vector<std::pair<std::string, double>>& results, int top = 4, int bottom = 2) {
  TExpRec e;
  e.Name = "/data/sample.tvx";
  e.ResUnitTop = 4;
  e.ResUnitBottom = 2;
  e.RecalcUnitTop = top;
  e.RecalcUnitBottom = bottom;
  e.AliquotVolume = 10;
  e.CellVolume = 10;
  e.DilutionFactor = 1;
  e.CalcMethod = 1;
  std::vector<std::string> names;
  for (const auto& [name, value] : results) {
    e.ElementResults.push_back({name, value, value == -1.0 ? -1.0 : value * 1e-6});
    names.push_back(name);
  }
  e.Curves = {Curve(1, names), Curve(2, names)};
  return e;
}

}  // namespace velmora::test
