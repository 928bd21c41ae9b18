#include "TWizQualityGates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "Messages.h"
#include "Numbers.h"
#include "Options.h"
#include "PeakFormat.h"
#include "PeakSearch.h"
#include "TCalcElement.h"
#include "TCalcSerie.h"
#include "TMethod.h"
#include "TMethodStat.h"
#include "TNode.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr int kRoleBackground = 0;
constexpr int kRoleSample = 1;
constexpr int kRoleAddition1 = 2;
constexpr int kRoleAddition3 = 4;
constexpr int kMethodStandardAdditions = 1;

struct Context {
  const TWizQualityGates::Input& In;
  TPredefPeaks Peaks;
  int CalcMethod = -1;
  bool HasStatistics = false;
};

int RoleOf(const TNode* pass) {
  for (TVAStruct* c : TWizQualityGates::PassCurves(pass)) return c->Params.MeasurementType();
  return -1;
}

// "Parallel sample 1 of 2, Added standard 1[, Repeat 2]": the captions
// below the run's root.
std::string Location(const TNode* node, const TNode* root) {
  std::string text;
  for (const TNode* n = node; n && n != root; n = n->Parent) text = text.empty() ? n->Name : n->Name + ", " + text;
  return text;
}

bool ValueOf(const Context& cx, TVAStruct& curve, const std::string& name, double& value) {
  if (cx.In.PeakValue) return cx.In.PeakValue(curve, name, value);
  return TCalcSerie::PeakValueOf(curve, name, value);
}

// Mean value of a peak over the curves of a pass; false when none holds it.
bool PassMean(const Context& cx, const TNode* pass, const std::string& name, double& mean) {
  double sum = 0.0;
  int count = 0;
  for (TVAStruct* c : TWizQualityGates::PassCurves(pass)) {
    double v = 0.0;
    if (ValueOf(cx, *c, name, v)) {
      sum += v;
      ++count;
    }
  }
  if (count == 0) return false;
  mean = sum / count;
  return true;
}

std::string Percent(double value) { return FormatDecimals(value, 1); }

// A volume rounded up to two significant digits.
std::string SuggestedVolume(double ml) {
  const double scale = std::pow(10.0, std::floor(std::log10(ml)) - 1.0);
  return FormatShortest(std::ceil(ml / scale - 1e-9) * scale);
}

// The span of a curve's points whose potentials lie within [left, right].
bool WindowSpan(const TDataArr& points, double left, double right, int& l, int& r) {
  l = -1;
  r = -1;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (points[i].X < left || points[i].X > right) continue;
    if (l < 0) l = static_cast<int>(i);
    r = static_cast<int>(i);
  }
  return l >= 0;
}

// The overload message of a peak over points l..r, or none.
std::vector<Message> Overload(const Context& cx, TVAStruct& curve, const std::string& where, const std::string& name,
                              int l, int r) {
  const TDataArr& d = curve.Data;
  if (d.empty()) return {};
  const int last = static_cast<int>(d.size()) - 1;
  l = std::clamp(l, 0, last);
  r = std::clamp(r, 0, last);
  if (l > r) std::swap(l, r);
  if (curve.Params.HasStepSettings()) {
    const double full = OverloadThreshold(curve.Params.ValuesRange(), curve.Params.Modulation() != 0);
    if (IsOverloaded(d, l, r, full)) return {Message(msg::GatePeakOverloaded, {where, name, FormatPeakValue(full)})};
  }
  if (TWizQualityGates::FlatTop(curve, l, r, cx.In.Thresholds.FlatTopPoints)) {
    double top = d[static_cast<std::size_t>(l)].Y;
    for (int i = l; i <= r; ++i) top = std::max(top, d[static_cast<std::size_t>(i)].Y);
    return {Message(msg::GatePeakFlatTop, {where, name, FormatPeakValue(top)})};
  }
  return {};
}

// Found and not overloaded, on every replicate.
void CheckPeaks(const Context& cx, const TNode* pass, std::vector<Message>& out) {
  const std::vector<TVAStruct*> curves = TWizQualityGates::PassCurves(pass);
  for (const TPredefPeak& peak : cx.Peaks) {
    for (TVAStruct* c : curves) {
      const TNode* node = c->Node ? c->Node : pass;
      const std::string where = Location(node, cx.In.RunRoot);
      const std::int32_t index = c->FindPeak(peak.Name);
      double value = 0.0;
      if (index >= 0 && ValueOf(cx, *c, peak.Name, value)) {
        const TPeakRecord& p = c->Peaks[static_cast<std::size_t>(index)];
        const auto found = Overload(cx, *c, where, peak.Name, p.BeginIndex, p.EndIndex);
        out.insert(out.end(), found.begin(), found.end());
        continue;
      }
      // The peak search passes over an overloaded peak: look at its window.
      int l = 0, r = 0;
      std::vector<Message> found;
      if (WindowSpan(c->Data, peak.LeftBorder, peak.RightBorder, l, r))
        found = Overload(cx, *c, where, peak.Name, l, r);
      if (found.empty())
        found.push_back(Message(msg::GatePeakMissing,
                                {where, peak.Name, FormatShortest(peak.LeftBorder), FormatShortest(peak.RightBorder)}));
      out.insert(out.end(), found.begin(), found.end());
    }
  }
}

// The limit (a share of the mean) of the spread of `count` replicates of
// an element, from the statistics record; -1 when it gives none.
double StatisticsLimit(const Context& cx, const std::string& element, int count) {
  if (!cx.HasStatistics) return -1.0;
  const TMethodStat& s = *cx.In.Statistics;
  auto limitOf = [count](const TStatRange& range) {
    return count == 2 ? range.Reproducibility : range.CriticalDifference;
  };
  const auto conc = cx.In.Concentrations.find(element);
  if (conc != cx.In.Concentrations.end()) {
    const TStatRange range = TMethodStat::FindRange(s, element, conc->second);
    if (range.Reproducibility != -1.0) return limitOf(range) > 0.0 ? limitOf(range) : -1.0;
  }
  // No concentration yet, or one outside the ranges: the widest limit.
  double widest = -1.0;
  for (const TElementStatistics& e : s.Elements) {
    if (e.Name != element) continue;
    for (const TStatRange& range : e.Ranges) widest = std::max(widest, limitOf(range));
  }
  return widest > 0.0 ? widest : -1.0;
}

void CheckReplicates(const Context& cx, const TNode* pass, std::vector<Message>& out) {
  const std::vector<TVAStruct*> curves = TWizQualityGates::PassCurves(pass);
  if (curves.size() < 2) return;
  const std::string where = Location(pass, cx.In.RunRoot);
  for (const TPredefPeak& peak : cx.Peaks) {
    std::vector<double> values;
    for (TVAStruct* c : curves) {
      double v = 0.0;
      if (ValueOf(cx, *c, peak.Name, v)) values.push_back(v);
    }
    if (values.size() < 2) continue;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    double mean = 0.0;
    for (double v : values) mean += v;
    mean /= static_cast<double>(values.size());
    if (!(mean > 0.0)) continue;
    const double spread = (*hi - *lo) / mean;
    const double fromStatistics = StatisticsLimit(cx, peak.Name, static_cast<int>(values.size()));
    if (fromStatistics > 0.0) {
      if (spread > fromStatistics)
        out.push_back(Message(msg::GateSpreadStatistics, {where, peak.Name, Percent(spread * 100.0),
                                                          cx.In.Statistics->Name, Percent(fromStatistics * 100.0)}));
    } else if (spread * 100.0 > cx.In.Thresholds.ReplicateSpread) {
      out.push_back(Message(msg::GateSpreadSettings,
                            {where, peak.Name, Percent(spread * 100.0), Percent(cx.In.Thresholds.ReplicateSpread)}));
    }
  }
}

// The pass of a role in the same parallel sample, the latest before
// `before` (or anywhere when null).
const TNode* PassOfRole(const TNode* group, int role, const TNode* before) {
  const TNode* found = nullptr;
  for (const TNode* n = group ? group->FirstChild : nullptr; n && n != before; n = n->NextSibling)
    if (RoleOf(n) == role) found = n;
  return found;
}

void CheckAddition(const Context& cx, const TNode* pass, std::vector<Message>& out) {
  const int role = RoleOf(pass);
  if (role < kRoleAddition1 || role > kRoleAddition3 || cx.CalcMethod < 0 || cx.CalcMethod > 2) return;
  const TNode* group = pass->Parent;
  const TNode* sample = PassOfRole(group, kRoleSample, pass);
  const TNode* previous = PassOfRole(group, role - 1, pass);
  if (!sample || !previous) return;
  const TNode* background = PassOfRole(group, kRoleBackground, pass);
  const std::vector<TVAStruct*> curves = TWizQualityGates::PassCurves(pass);
  const double volume = curves.empty() ? 0.0 : curves.front()->Volumes[static_cast<std::size_t>(4 + role)];
  const std::string where = Location(pass, cx.In.RunRoot);
  const TWizGateThresholds& t = cx.In.Thresholds;
  for (const TPredefPeak& peak : cx.Peaks) {
    double now = 0.0, before = 0.0, i0 = 0.0, ib = 0.0;
    if (!PassMean(cx, pass, peak.Name, now) || !PassMean(cx, previous, peak.Name, before) ||
        !PassMean(cx, sample, peak.Name, i0))
      continue;  // a missing peak is reported as such
    if (background && PassMean(cx, background, peak.Name, ib) && ib < i0) i0 -= ib;
    if (!(i0 > 0.0)) continue;
    const double rise = (now - before) / i0 * 100.0;
    if (rise <= 0.0) {
      out.push_back(Message(msg::GateAdditionNoRise, {where, peak.Name}));
    } else if (rise < t.MinAdditionRise) {
      const double target = std::max(t.TargetAdditionRise, t.MinAdditionRise);
      if (volume > 0.0)
        out.push_back(Message(msg::GateAdditionSmall, {where, peak.Name, Percent(rise), Percent(t.MinAdditionRise),
                                                       SuggestedVolume(volume * target / rise)}));
      else
        out.push_back(
            Message(msg::GateAdditionSmallNoVolume, {where, peak.Name, Percent(rise), Percent(t.MinAdditionRise)}));
    }
  }
}

void CheckRegression(const Context& cx, const TNode* pass, std::vector<Message>& out) {
  if (cx.CalcMethod != kMethodStandardAdditions || !pass->Parent) return;
  std::vector<TVAStruct*> curves;
  std::set<int> levels;
  for (const TNode* n = pass->Parent->FirstChild; n; n = n->NextSibling) {
    const int role = RoleOf(n);
    if (role < kRoleBackground || role > kRoleAddition3) continue;
    for (TVAStruct* c : TWizQualityGates::PassCurves(n)) curves.push_back(c);
    if (role != kRoleBackground) levels.insert(role);
    if (n == pass) break;
  }
  if (levels.size() < 3) return;
  const std::string where = Location(pass->Parent, cx.In.RunRoot);
  for (const TPredefPeak& peak : cx.Peaks) {
    TCalcElement element;
    element.Name = peak.Name;
    // The standard's concentration the curves carry, else the method's.
    element.AddConc = peak.AdditionConc;
    for (TVAStruct* c : curves) {
      const std::int32_t i = c->FindPeak(peak.Name);
      if (i >= 0 && c->Peaks[static_cast<std::size_t>(i)].AdditionConc > 0.0) {
        element.AddConc = c->Peaks[static_cast<std::size_t>(i)].AdditionConc;
        break;
      }
    }
    if (!(element.AddConc > 0.0)) continue;
    TCalcSerie serie;
    if (cx.In.PeakValue) serie.ValueSource = cx.In.PeakValue;
    serie.FillAdditions(curves, element);
    std::set<double> xs;
    for (const TDataPoint& p : serie.Points) xs.insert(p.X);
    if (xs.size() < 3) continue;
    // The series keeps the fit quality, the correlation coefficient |r|.
    const double r2 = serie.R2 * serie.R2;
    if (r2 < cx.In.Thresholds.MinR2)
      out.push_back(
          Message(msg::GateLowR2, {where, peak.Name, FormatDecimals(r2, 4), FormatShortest(cx.In.Thresholds.MinR2)}));
  }
}

Context MakeContext(const TWizQualityGates::Input& input) {
  Context cx{input, input.Peaks, input.CalcMethod, false};
  if (cx.Peaks.empty() && input.Method) {
    for (const ValueRecord& r : input.Method->Script)
      if (r.Type == kStepPredefPeaks) cx.Peaks = r.Peaks;
  }
  if (cx.CalcMethod < 0 && input.Method) cx.CalcMethod = input.Method->CalcMethod;
  cx.HasStatistics = input.Statistics && !input.Statistics->Name.empty();
  return cx;
}

// Every check of one pass; the regression only when asked.
void JudgeOne(const Context& cx, const TNode* pass, bool regression, std::vector<Message>& out) {
  const int role = RoleOf(pass);
  if (role <= kRoleBackground) return;
  CheckPeaks(cx, pass, out);
  CheckReplicates(cx, pass, out);
  CheckAddition(cx, pass, out);
  if (regression) CheckRegression(cx, pass, out);
}

}  // namespace

TWizGateThresholds TWizGateThresholds::FromOptions(const Options& options) {
  TWizGateThresholds t;
  t.MinAdditionRise = options.wizMinAdditionRise;
  t.TargetAdditionRise = options.wizTargetAdditionRise;
  t.MinR2 = options.wizMinR2;
  t.ReplicateSpread = options.wizReplicateSpread;
  t.FlatTopPoints = std::max(2, options.wizFlatTopPoints);
  return t;
}

std::vector<TVAStruct*> TWizQualityGates::PassCurves(const TNode* pass) {
  std::vector<TVAStruct*> curves;
  if (!pass) return curves;
  if (!pass->HasChildren()) {
    if (TVAStruct* va = pass->VA(); va && !va->Data.empty()) curves.push_back(va);
    return curves;
  }
  // Every voltammogram below the pass: a repeated pass of several loops
  // holds its recordings as groups of their own.
  std::vector<const TNode*> pending{pass->FirstChild};
  while (!pending.empty()) {
    const TNode* n = pending.back();
    pending.pop_back();
    if (n == nullptr) continue;
    pending.push_back(n->NextSibling);
    if (n->HasChildren())
      pending.push_back(n->FirstChild);
    else if (TVAStruct* va = n->VA(); va && !va->Data.empty())
      curves.push_back(va);
  }
  return curves;
}

std::vector<TNode*> TWizQualityGates::Passes(const TNode* runRoot) {
  std::vector<TNode*> passes;
  if (!runRoot) return passes;
  for (TNode* group = runRoot->FirstChild; group; group = group->NextSibling)
    for (TNode* pass = group->FirstChild; pass; pass = pass->NextSibling) passes.push_back(pass);
  return passes;
}

bool TWizQualityGates::FlatTop(const TVAStruct& curve, int l, int r, int minPoints) {
  const TDataArr& d = curve.Data;
  if (d.empty() || minPoints < 2) return false;
  const int last = static_cast<int>(d.size()) - 1;
  l = std::clamp(l, 0, last);
  r = std::clamp(r, 0, last);
  if (l > r) std::swap(l, r);
  double extreme = -std::numeric_limits<double>::infinity();
  for (const TDataPoint& p : d) extreme = std::max(extreme, p.Y);
  // Equal to the curve's highest current, to a part in a million of the
  // curve's current span (the converter's step is far coarser).
  double lowest = extreme;
  for (const TDataPoint& p : d) lowest = std::min(lowest, p.Y);
  const double tolerance = std::max(1e-12, (extreme - lowest) * 1e-6);
  int run = 0;
  for (int i = l; i <= r; ++i) {
    run = std::fabs(d[static_cast<std::size_t>(i)].Y - extreme) <= tolerance ? run + 1 : 0;
    if (run >= minPoints) return true;
  }
  return false;
}

std::vector<Message> TWizQualityGates::JudgePass(const Input& input) {
  std::vector<Message> out;
  const Context cx = MakeContext(input);
  TNode* pass = input.Pass;
  // A replicate stands for its pass.
  while (pass && pass->Parent && pass->Parent->Parent && pass->Parent->Parent != input.RunRoot) pass = pass->Parent;
  if (!pass) {
    const std::vector<TNode*> all = Passes(input.RunRoot);
    if (!all.empty()) pass = all.back();
  }
  if (!pass) return out;
  JudgeOne(cx, pass, true, out);
  if (out.empty()) out.push_back(Message(msg::GateAllWell, {Location(pass, input.RunRoot)}));
  return out;
}

std::vector<Message> TWizQualityGates::JudgeRun(const Input& input) {
  std::vector<Message> out;
  const Context cx = MakeContext(input);
  for (TNode* pass : Passes(input.RunRoot))
    if (!input.ParallelSample || pass->Parent == input.ParallelSample)
      JudgeOne(cx, pass, pass->NextSibling == nullptr, out);
  const TNode* judged = input.ParallelSample ? input.ParallelSample : input.RunRoot;
  if (out.empty() && judged) out.push_back(Message(msg::GateAllWell, {judged->Name}));
  return out;
}

}  // namespace velmora
