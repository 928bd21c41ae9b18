#include "DemoDocument.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "DateTime.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

struct Element {
  double potential;  // mV
  double height;     // µA per unit concentration
  double width;      // mV
};

constexpr Element kElements[] = {{-930, 0.9, 28}, {-620, 0.55, 22}, {-420, 0.75, 24}, {-180, 0.45, 34}};

TDataArr stripping(std::mt19937& rng, double concentration, double drift, int points = 1300) {
  std::normal_distribution<double> noise(0.0, 0.006);
  TDataArr out;
  out.reserve(static_cast<std::size_t>(points));
  const double start = -1200.0;
  const double end = 100.0;
  for (int i = 0; i < points; ++i) {
    const double e = start + (end - start) * i / (points - 1);
    double y = 0.08 + 0.00012 * (e - start) + 0.03 * std::exp((e - end) / 90.0);
    for (std::size_t k = 0; k < std::size(kElements); ++k) {
      const Element& el = kElements[k];
      const double c = concentration * (1.0 + 0.25 * static_cast<double>(k)) * (1.0 + drift);
      y += el.height * c * std::exp(-std::pow((e - el.potential) / el.width, 2.0));
    }
    out.push_back({e, y + noise(rng)});
  }
  return out;
}

TNode* addLeaf(TNodeForest& forest, TNode* parent, int number, int measurementType, const std::string& comment,
               TDataArr points, double date) {
  TNode* node = parent ? forest.AddChild(parent) : forest.AddNode(forest.LastRoot(), nullptr);
  auto record = std::make_unique<TVAStruct>(node);
  TVAStruct* r = record.get();
  r->Params.SetSweepRate(60);
  r->Params.SetSweepStart(-1200);
  r->Params.SetSweepEnd(100);
  r->Params.SetElectrolysisPotential(-1300);
  r->Params.SetElectrolysisTime(60);
  r->Params.SetCleaningPotential(150);
  r->Params.SetCleaningTime(10);
  r->Params.SetValuesRange(2);
  r->Params.SetConjunctionType(1);
  r->Params.SetStirrer(1);
  r->Params.SetDelayAfterMixing(5);
  r->Params.SetModulation(1);
  r->Params.SetModulationAmplitude(20);
  r->Params.SetModulationFrequency(25);
  r->Params.SetComments(comment);
  r->Params.SetMeasurementType(measurementType);
  r->FilterValue = 2;
  r->RecordDate = date;
  char db[32];
  std::snprintf(db, sizeof db, "%08d.dbd", number);
  std::string name(db);
  for (std::size_t i = 0; i + 1 < 8 && name[i] == '0'; ++i) name[i] = '_';
  r->DatabaseName = name;
  node->SetRecord(std::move(record));
  node->SetNameSilently(comment);
  r->SetData(points);
  return node;
}

TNode* addGroup(TNodeForest& forest, TNode* parent, const std::string& name, std::int32_t nodeType) {
  TNode* node = parent ? forest.AddChild(parent) : forest.AddNode(forest.LastRoot(), nullptr);
  auto record = std::make_unique<TVAStruct>(node);
  record->NodeType = nodeType;
  node->SetRecord(std::move(record));
  node->SetNameSilently(name);
  return node;
}

}  // namespace

void DemoDocument::build(TNodeForest& forest, int samples, int replicates) {
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> drift(-0.04, 0.04);
  TPaintingGuard guard(forest);
  double date = DateTime::now() - 0.2;
  int number = 1;
  static const char* kSteps[] = {"Background", "Sample", "Sample + addition 1", "Sample + addition 2"};
  static const double kLevels[] = {0.02, 0.35, 0.7, 1.05};
  for (int s = 0; s < samples; ++s) {
    TNode* sample = addGroup(forest, nullptr, "Sample " + std::to_string(s + 1), 1);
    for (int step = 0; step < 4; ++step) {
      TNode* group = addGroup(forest, sample, kSteps[step], 0);
      const double level = kLevels[step] * (1.0 + 0.3 * s);
      for (int k = 0; k < replicates; ++k) {
        date += 95.0 / 86400.0;
        addLeaf(forest, group, number++, step, kSteps[step], stripping(rng, level, drift(rng)), date);
      }
    }
    if (s > 0) sample->Fold();
  }
}

void DemoDocument::buildFlat(TNodeForest& forest, int count, int points) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> level(0.1, 1.2);
  TPaintingGuard guard(forest);
  double date = DateTime::now() - 1.0;
  for (int i = 0; i < count; ++i) {
    date += 90.0 / 86400.0;
    addLeaf(forest, nullptr, i + 1, 1, "Curve " + std::to_string(i + 1), stripping(rng, level(rng), 0.0, points), date);
  }
}

}  // namespace velmora
