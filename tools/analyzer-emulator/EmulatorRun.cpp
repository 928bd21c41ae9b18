#include "EmulatorRun.h"

#include <algorithm>
#include <cmath>

#include "DeviceUnits.h"
#include "LinkFrame.h"

namespace velmora {

namespace {

constexpr double kRangeFactor[] = {0.0001, 0.001, 0.01, 0.1, 1, 0.00001, 0.0001, 0.001, 0.01, 0.1};

bool isTimeMode(int mode) { return mode >= 1 && mode <= 3; }

}  // namespace

EmulatorRun::EmulatorRun(const EmulatorStep& step, const Context& context, std::int64_t startMs)
    : step_(step), context_(context), model_(context.seed) {
  // Conditioning stages, then the electrolysis with its rest period.
  std::int64_t t = startMs;
  const std::int64_t rest = std::max(0, step.delayAfterMixing) * 1000LL;
  const int times[] = {step.cleaningTime, step.preparation1Time, step.preparation2Time};
  const int codes[] = {3, 5, 6};
  int lastTimed = -1;
  for (int i = 0; i < 3; ++i)
    if (times[i] > 0) lastTimed = i;
  for (int i = 0; i < 3; ++i) {
    if (times[i] <= 0) continue;
    std::int64_t d = times[i] * 1000LL;
    if (i == lastTimed && step.electrolysisTime <= 0) d += rest;
    stages_.push_back({codes[i], t, t + d});
    t += d;
  }
  if (step.electrolysisTime > 0 || (lastTimed < 0 && rest > 0)) {
    const std::int64_t d = std::max(0, step.electrolysisTime) * 1000LL + rest;
    stages_.push_back({1, t, t + d});
    t += d;
  }
  measureStart_ = t;

  // The sweeps of the measurement.
  const double start = toMv(step.sweepStart);
  const double end = toMv(step.sweepEnd);
  if (isTimeMode(step.timeMode)) {
    const int points = std::clamp(step.sweepEnd, 0, 4000);
    const std::int64_t interval = std::max(1, step.sweepRate);
    sweeps_.push_back({start, start, true, 1.0, t, t + points * interval, points});
    t += points * interval;
  } else if (step.sweepStart != step.sweepEnd) {
    const double rate = std::max(1.0, std::fabs(toMv(step.sweepRate)));
    double seconds = std::fabs(end - start) / rate;
    if (step.timeMode == 4) seconds /= 1000.0;
    const std::int64_t duration = std::max<std::int64_t>(1, std::llround(seconds * 1000.0));
    const int points = std::clamp(static_cast<int>(std::fabs(end - start) / 2.0), 2, 2000);
    auto add = [&](double from, double to, bool recorded, double share) {
      sweeps_.push_back({from, to, recorded, share, t, t + duration, points});
      t += duration;
    };
    if (!step.cycle) {
      add(start, end, true, 1.0);
    } else {
      double share = 1.0;
      const int total = step.skipCycles + step.cycleCount;
      for (int c = 0; c < total; ++c) {
        const bool recorded = c >= step.skipCycles;
        add(start, end, recorded, share);
        share *= 0.3;
        if (step.cycleType == 1) add(end, start, recorded, share);
      }
    }
  }
  if (t > measureStart_) stages_.push_back({2, measureStart_, t});
  endMs_ = t;
  if ((context.bufferOverflow || context.mercuryJetGap) && t > measureStart_) {
    failAt_ = measureStart_ + (t - measureStart_) * 3 / 10;
    failStageWanted_ = context.bufferOverflow ? 4 : 7;
  }
  lastPotential_ = toDeviceUnits(start);
}

double EmulatorRun::toMv(int deviceUnits) const {
  return DeviceUnits::FromDeviceUnits(context_.deviceType, context_.calibration.KDac, deviceUnits);
}

std::int16_t EmulatorRun::toDeviceUnits(double mv) const {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(
      DeviceUnits::ToDeviceUnits(context_.deviceType, context_.calibration.KDac, mv), -32768, 32767));
}

std::int16_t EmulatorRun::rawCurrent(double microAmps) const {
  const bool modulated = step_.modulation && step_.timeMode != 5;
  const int range = std::clamp(step_.valuesRange, 0, 4);
  const double counts = microAmps / kRangeFactor[modulated ? range + 5 : range];
  const int r = step_.modulation ? 5 : range;
  const double coeff = context_.calibration.Coeff[r] == 0 ? 32768.0 : context_.calibration.Coeff[r];
  const double c = (step_.modulation && step_.timeMode == 5) ? counts : counts * 32768.0 / coeff;
  double raw = 0.0;
  if (context_.deviceType != 0)
    raw = c + context_.calibration.Zero[r];
  else
    raw = 2048.0 - context_.calibration.Zero[r] - c;
  // The ADC saturates; 10000 and above would read as the end marker.
  return static_cast<std::int16_t>(std::clamp(std::lround(raw), -9999L, 9999L));
}

void EmulatorRun::push(std::vector<std::uint8_t>& out, std::int16_t w1, std::int16_t w2) {
  std::uint8_t bytes[4];
  LinkFrame::writeWordBE(bytes, w1);
  LinkFrame::writeWordBE(bytes + 2, w2);
  out.insert(out.end(), bytes, bytes + 4);
}

void EmulatorRun::pushSample(std::vector<std::uint8_t>& out, const Sweep& sweep, int k) {
  if (isTimeMode(step_.timeMode)) {
    const double seconds = std::max(0, k) * std::max(1, step_.sweepRate) / 1000.0;
    const double i = model_.current(sweep.fromMv, true) + 0.5 * std::exp(-seconds / 2.0);
    lastPotential_ = std::max(0, k);
    push(out, static_cast<std::int16_t>(lastPotential_), rawCurrent(i));
    return;
  }
  const int index = std::max(0, k);
  const double e = sweep.fromMv + (sweep.toMv - sweep.fromMv) * index / std::max(1, sweep.points - 1);
  lastPotential_ = toDeviceUnits(e);
  push(out, static_cast<std::int16_t>(lastPotential_), rawCurrent(model_.current(e, sweep.toMv > sweep.fromMv)));
}

void EmulatorRun::advance(std::int64_t nowMs, std::vector<std::uint8_t>& out) {
  if (failedStage_ != 0) return;
  if (failAt_ >= 0 && nowMs >= failAt_) {
    nowMs = failAt_;
  }
  while (sweepIndex_ < sweeps_.size()) {
    Sweep& sweep = sweeps_[sweepIndex_];
    if (nowMs < sweep.start) break;
    if (nextSample_ == -2) {
      VoltammogramModel::Conditions c;
      c.electrolysisPotentialMv = toMv(step_.electrolysisPotential);
      c.electrolysisTimeS = step_.electrolysisTime;
      c.rateMvS = std::fabs(toMv(step_.sweepRate));
      c.modulated = step_.modulation;
      c.amplitudeMv = toMv(step_.modulationAmplitude);
      c.stirred = step_.stirrer;
      c.depositShare = sweep.depositShare;
      model_.prepare(c, context_.cell);
    }
    const std::int64_t span = sweep.end - sweep.start;
    // Samples due by now: index k is taken at start + span * k / points.
    while (nextSample_ < sweep.points) {
      const int k = std::max(0, nextSample_);
      const std::int64_t due = sweep.start + span * k / std::max(1, sweep.points);
      if (due > nowMs) break;
      if (sweep.recorded) pushSample(out, sweep, nextSample_);
      ++nextSample_;
    }
    if (nextSample_ < sweep.points || nowMs < sweep.end) break;
    if (sweep.recorded) {
      push(out, static_cast<std::int16_t>(lastPotential_), static_cast<std::int16_t>(protocol::EndMarker));
      ++completedSweeps_;
    }
    ++sweepIndex_;
    nextSample_ = -2;
  }
  if (failAt_ >= 0 && nowMs >= failAt_) failedStage_ = failStageWanted_;
}

int EmulatorRun::stage(std::int64_t nowMs) const {
  if (failedStage_ != 0) return failedStage_;
  for (const auto& s : stages_)
    if (nowMs >= s.start && nowMs < s.end) return s.code;
  return 0;
}

int EmulatorRun::parameter(int index, std::int64_t nowMs) const {
  if (index == 1) return lastPotential_;
  const int wanted = index == 4 ? 1 : index == 6 ? 3 : index == 8 ? 5 : index == 10 ? 6 : -1;
  for (const auto& s : stages_)
    if (s.code == wanted && nowMs >= s.start && nowMs < s.end) return static_cast<int>((s.end - nowMs + 999) / 1000);
  return 0;
}

}  // namespace velmora
