#include "AssemblyPlan.h"

#include <algorithm>
#include <set>

#include "Messages.h"

namespace velmora {

namespace {

// Picture numbers below 10 are written with a leading zero.
std::string frameName(const char* folder, int number) {
  std::string n = std::to_string(number);
  if (number < 10) n = "0" + n;
  return std::string(folder) + "/" + n + AssemblyPlan::Extension;
}

}  // namespace

void AssemblyPlan::appendFrames(const char* folder, int fromNumber, int toNumber) {
  for (int n = fromNumber; n <= toNumber; ++n) frames_.push_back({frameName(folder, n), FrameMs});
}

void AssemblyPlan::markKeyFrames(int base, std::initializer_list<int> keys) {
  for (int k : keys) frames_[static_cast<std::size_t>(base + k)].duration = KeyFrameMs;
}

// Each sequence returns the index of its first frame.
int AssemblyPlan::appendAnalyzer() {
  const int base = static_cast<int>(frames_.size());
  appendFrames("Analyzer", 1, 26);
  markKeyFrames(base, {8, 20, 25});
  return base;
}

int AssemblyPlan::appendRde() {
  const int base = static_cast<int>(frames_.size());
  appendFrames("RDE", 1, 37);
  markKeyFrames(base, {6, 10, 20, 32, 33, 34, 36});
  steps_.push_back({base + 0, base + 6, msg::AssemblyRdeScrew, false});
  steps_.push_back({base + 7, base + 10, msg::AssemblyWorkingTip, false});
  steps_.push_back({base + 11, base + 20, msg::AssemblyRdePlatform, false});
  steps_.push_back({base + 21, base + 32, msg::AssemblyRdeElectrodes, false});
  steps_.push_back({base + 33, base + 36, msg::AssemblyRdeCell, false});
  return base;
}

int AssemblyPlan::appendStirrer() {
  const int base = static_cast<int>(frames_.size());
  appendFrames("Stirrer", 1, 54);
  markKeyFrames(base, {16, 29, 37, 47, 48, 49, 50, 53});
  steps_.push_back({base + 0, base + 16, msg::AssemblyStirrerClips, false});
  steps_.push_back({base + 17, base + 29, msg::AssemblyStirrerPower, false});
  steps_.push_back({base + 30, base + 37, msg::AssemblyStirrerWorking, false});
  steps_.push_back({base + 38, base + 47, msg::AssemblyStirrerElectrodes, false});
  steps_.push_back({base + 48, base + 53, msg::AssemblyStirrerCell, false});
  return base;
}

int AssemblyPlan::appendAutosampler() {
  const int base = static_cast<int>(frames_.size());
  appendFrames("Autosampler", 1, 10);
  appendFrames("Analyzer", 1, 9);
  appendFrames("Autosampler", 11, 15);
  appendFrames("Autosampler", 16, 20);
  appendFrames("Analyzer", 22, 26);
  markKeyFrames(base, {9, 18, 23, 28, 33});
  steps_.push_back({base + 0, base + 9, msg::AssemblySamplerPower, false});
  steps_.push_back({base + 10, base + 18, msg::AssemblyAnalyzerBack, false});
  steps_.push_back({base + 19, base + 23, msg::AssemblySamplerElectrode, false});
  steps_.push_back({base + 24, base + 28, msg::AssemblySamplerJack, false});
  steps_.push_back({base + 29, base + 33, msg::AssemblyAnalyzerPower, false});
  steps_.push_back({base + 33, base + 33, nullptr, true});
  return base;
}

AssemblyPlan AssemblyPlan::Build(int setup) {
  AssemblyPlan p;
  if (setup == Autosampler) {
    p.appendAutosampler();
    return p;
  }
  if (setup == Rde) {
    p.appendRde();
  } else if (setup == Stirrer) {
    p.appendStirrer();
  } else if (setup != Analyzer) {
    return p;
  }
  // The analyzer's own steps follow the accessory's.
  const int a = p.appendAnalyzer();
  p.steps_.push_back({a + 0, a + 8, msg::AssemblyAnalyzerBack, false});
  p.steps_.push_back({a + 9, a + 20, msg::AssemblyAnalyzerFront, false});
  p.steps_.push_back({a + 21, a + 25, msg::AssemblyAnalyzerPower, false});
  p.steps_.push_back({a + 25, a + 25, nullptr, true});
  return p;
}

std::vector<std::string> AssemblyPlan::files() const {
  std::vector<std::string> out;
  std::set<std::string> seen;
  for (const Frame& f : frames_)
    if (seen.insert(f.file).second) out.push_back(f.file);
  return out;
}

}  // namespace velmora
