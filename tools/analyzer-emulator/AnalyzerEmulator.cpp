#include "AnalyzerEmulator.h"

#include <algorithm>
#include <cmath>

#include "DeviceProtocol.h"
#include "DeviceUnits.h"
#include "EmulatorCommandRules.h"
#include "LinkFrame.h"

namespace velmora {

using namespace protocol;

namespace {

// How long the analyzer takes for the slow operations, protocol ms.
constexpr std::int64_t kResetDelay = 300;
// The tray turns by one cell in 400 ms, the shorter way round, and takes
// 600 ms to settle; the electrode takes 1.2 s to go up or down.
constexpr std::int64_t kSamplerSettleDelay = 600;
constexpr std::int64_t kSamplerCellDelay = 400;
constexpr std::int64_t kElectrodeDelay = 1200;
constexpr int kTrayCells = 15;
// The position byte of a move answer that lost its position.
constexpr std::uint8_t kNoPosition = 0xFF;
// The reference of the 3-in-1 electrode reads about -480 mV; a step held at
// the opposite potential recovers the electrode.
constexpr double kRecoveryPotentialMv = 480.0;
constexpr std::size_t kRefusalsKept = 100;

std::vector<std::uint8_t> word(int value) {
  std::vector<std::uint8_t> w(2);
  LinkFrame::writeWordBE(w.data(), value);
  return w;
}

}  // namespace

TCalibrationBlock AnalyzerEmulator::defaultCalibration() {
  TCalibrationBlock b;
  b.DacAdc = 1520;
  b.Dac2 = -37;
  b.Coarse = 128;
  b.Precise = 97;
  b.Zero = {12, -8, 5, 3, -2, 7};
  b.Coeff = {32900, 32610, 32768, 33012, 32550, 32840};
  b.Gain = 140;
  b.Offset = 200;
  b.KDac = 10042;
  return b;
}

AnalyzerEmulator::AnalyzerEmulator(IClock& clock, Config config)
    : clock_(clock),
      config_(std::move(config)),
      random_(static_cast<std::uint32_t>(config_.seed)),
      cellOperator_(config_.recipe),
      cellSequence_(config_.cellSequence) {
  stirrerType_ = std::max(0, config_.addOnType);
  stirrerSpeed_ = config_.mixerSpeed;
  line_.setPaced(config_.realtime);
}

void AnalyzerEmulator::setOutput(Output output) {
  std::lock_guard lock(mutex_);
  output_ = std::move(output);
}

void AnalyzerEmulator::flush(Chunks& chunks) {
  Output output;
  {
    std::lock_guard lock(mutex_);
    output = output_;
  }
  if (!output) return;
  for (const auto& c : chunks) output(c);
}

void AnalyzerEmulator::receive(std::span<const std::uint8_t> bytes) {
  Chunks chunks;
  {
    std::lock_guard lock(mutex_);
    const std::int64_t now = clock_.nowMs();
    advanceRun(now);
    assembler_.feed(bytes, [&](FrameAssembler::Result result, std::span<const std::uint8_t> frame) {
      if (result == FrameAssembler::Result::Frame)
        handleFrame(frame, now);
      else
        refuse(result == FrameAssembler::Result::CheckError ? "wrong check byte" : "LEN beyond the buffer");
    });
    releaseDue(now);
    chunks.swap(ready_);
  }
  flush(chunks);
}

void AnalyzerEmulator::tick() {
  Chunks chunks;
  {
    std::lock_guard lock(mutex_);
    const std::int64_t now = clock_.nowMs();
    advanceRun(now);
    releaseDue(now);
    chunks.swap(ready_);
  }
  flush(chunks);
}

void AnalyzerEmulator::answer(std::uint8_t code, std::vector<std::uint8_t> payload, std::int64_t now,
                              std::int64_t delayMs) {
  if (config_.faults.silent.count(code)) return;
  report(code, std::move(payload), now + delayMs);
}

void AnalyzerEmulator::report(std::uint8_t code, std::vector<std::uint8_t> payload, std::int64_t at) {
  std::vector<std::uint8_t> frame = LinkFrame::build(code, payload);
  if (config_.faults.corruptAll || config_.faults.corrupt.count(code)) frame.back() ^= 0x5A;
  // Line noise before the frame.
  if (config_.faults.splitFrames) frame.insert(frame.begin(), {0x00, 0x13});
  line_.send(std::move(frame), at);
}

void AnalyzerEmulator::releaseDue(std::int64_t now) {
  for (auto& bytes : line_.release(now)) {
    if (!config_.faults.splitFrames) {
      ready_.push_back(std::move(bytes));
      continue;
    }
    // The bytes arrive in small pieces.
    std::size_t pos = 0;
    while (pos < bytes.size()) {
      const std::size_t n = std::min<std::size_t>(bytes.size() - pos, 1 + random_() % 5);
      ready_.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                          bytes.begin() + static_cast<std::ptrdiff_t>(pos + n));
      pos += n;
    }
  }
}

void AnalyzerEmulator::refuse(const std::string& reason) {
  ++refused_;
  refusals_.push_back(reason);
  if (refusals_.size() > kRefusalsKept) refusals_.pop_front();
}

void AnalyzerEmulator::advanceRun(std::int64_t now) {
  if (!run_) return;
  run_->advance(now, data_);
  if (data_.size() > DataBufferSize && !overflowed_) {
    overflowed_ = true;
    data_.resize(DataBufferSize);
    run_->fail(StageOverflow);
  }
  if (!completionReported_ && run_->failedStage() == 0 && now >= run_->endMs()) {
    // The analyzer reports the parameters of the step it has completed.
    completionReported_ = true;
    const EmulatorStep::Words words = run_->step().encode();
    std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(run_->step().index)};
    for (const std::uint16_t w : words) {
      payload.push_back(static_cast<std::uint8_t>(w >> 8));
      payload.push_back(static_cast<std::uint8_t>(w & 0xFF));
    }
    payload.push_back(0);
    report(COM_READ_PARAM_ARRAY, std::move(payload), run_->endMs());
  }
}

int AnalyzerEmulator::statusByte(std::int64_t now) {
  advanceRun(now);
  int stage = run_ ? run_->stage(now) : StageIdle;
  if (!data_.empty()) stage |= StatusDataReady;
  return stage;
}

void AnalyzerEmulator::handleFrame(std::span<const std::uint8_t> frame, std::int64_t now) {
  ++commands_;
  if (config_.logFrames) received_.emplace_back(frame.begin(), frame.end());
  const std::uint8_t code = frame[3];
  const std::span<const std::uint8_t> p = frame.subspan(4, frame.size() - 5);
  std::string reason;
  if (!EmulatorCommandRules::accepts(code, p, reason)) {
    refuse(reason);
    return;
  }
  execute(code, p, now);
}

void AnalyzerEmulator::startStep(const EmulatorStep& step, std::int64_t now) {
  // Before a recorded step the operator fills the cell as its measurement
  // type asks.
  if (step.sweepStart != step.sweepEnd) {
    int type = -1;
    if (measurementSource_)
      type = measurementSource_();
    else if (!cellSequence_.empty())
      type = cellSequence_[sequencePos_++ % cellSequence_.size()];
    if (type >= 0) {
      sample_ = cellOperator_.cellFor(type, sample_);
      lastFilledFor_ = type;
    }
  }
  EmulatorRun::Context context;
  context.deviceType = config_.deviceType;
  context.calibration = config_.calibration;
  context.cell = sample_.cellConcentrations();
  context.bufferOverflow = config_.faults.bufferOverflow;
  context.mercuryJetGap = config_.faults.mercuryJetGap;
  context.seed = config_.seed + static_cast<std::uint64_t>(++runCount_);
  data_.clear();
  overflowed_ = false;
  completionReported_ = false;
  run_ = std::make_unique<EmulatorRun>(step, context, now);
  answer(COM_START, {}, now);
  // A step held at the potential opposite to the 3-in-1 reference recovers
  // that electrode; the analyzer says so on its own.
  const double held = DeviceUnits::FromDeviceUnits(config_.deviceType, config_.calibration.KDac, step.sweepStart);
  if (config_.supports3in1 && step.sweepStart == step.sweepEnd && step.electrolysisPotential == step.sweepStart &&
      std::fabs(held - kRecoveryPotentialMv) <= 10.0)
    report(COM_VOSST_EL, {}, now);
}

void AnalyzerEmulator::execute(std::uint8_t code, std::span<const std::uint8_t> p, std::int64_t now) {
  auto arg = [&](std::size_t i) -> int { return i < p.size() ? p[i] : 0; };
  auto arg16 = [&](std::size_t i) -> int { return i + 1 < p.size() ? LinkFrame::readInt16BE(&p[i]) : 0; };
  switch (code) {
    case COM_RESET: {
      run_.reset();
      data_.clear();
      overflowed_ = false;
      motorOn_ = false;
      trayJammed_ = false;
      completionReported_ = false;
      line_.clear();
      const std::uint8_t flag = config_.faults.notCalibrated ? 0x00 : ResetCalibrated;
      if (config_.deviceType == 0)
        answer(code, {flag}, now, kResetDelay);
      else if (config_.addOnType < 0)
        answer(code, {flag, 0}, now, kResetDelay);
      else
        answer(code,
               {flag, static_cast<std::uint8_t>(config_.addOnType),
                static_cast<std::uint8_t>(std::min(255, stirrerSpeed_ / 10)), 0},
               now, kResetDelay);
      break;
    }
    case COM_STATUS:
      answer(code, {static_cast<std::uint8_t>(statusByte(now))}, now);
      break;
    case COM_WRITE_PARAM_ARRAY: {
      EmulatorStep::Words words{};
      for (std::size_t i = 0; i < StepWordCount; ++i) words[i] = static_cast<std::uint16_t>(arg16(1 + 2 * i));
      steps_[p[0]] = EmulatorStep::decode(words);
      answer(code, {}, now);
      break;
    }
    case COM_START: {
      auto it = steps_.find(p[0]);
      if (it == steps_.end()) {
        refuse("start of a step that was never loaded");
        return;
      }
      startStep(it->second, now);
      break;
    }
    case COM_READ_DATA: {
      advanceRun(now);
      std::size_t n = std::min(data_.size(), MaxDataPerAnswer);
      n -= n % 4;
      std::vector<std::uint8_t> payload{static_cast<std::uint8_t>((n / 4) & 0xFF)};
      payload.insert(payload.end(), data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(n));
      data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(n));
      answer(code, std::move(payload), now);
      break;
    }
    case COM_READ_PARAM: {
      const int value = run_ ? run_->parameter(arg(0), now) : 0;
      answer(code,
             {static_cast<std::uint8_t>(arg(0)), static_cast<std::uint8_t>(value & 0xFF),
              static_cast<std::uint8_t>((value >> 8) & 0xFF)},
             now);
      break;
    }
    case COM_SET_DAC:
      if (arg(0) == 1) dacValue_ = arg16(1);
      answer(code, {}, now);
      break;
    case COM_READ_DAC: {
      std::vector<std::uint8_t> payload = word(config_.calibration.DacAdc);
      const std::vector<std::uint8_t> second = word(config_.calibration.Dac2);
      payload.insert(payload.end(), second.begin(), second.end());
      answer(code, std::move(payload), now);
      break;
    }
    case COM_SET_RANGE:
      range_ = std::clamp(arg(0), 0, 4);
      answer(code, {}, now);
      break;
    case COM_SET_ELECTROD:
    case COM_WRITE_EEPROM:
      if (code == COM_WRITE_EEPROM)
        config_.calibration.assignImage(std::span<const std::uint8_t, EepromImageSize>(p.data() + 1, EepromImageSize));
      answer(code, {}, now);
      break;
    case COM_READ_EEPROM: {
      const auto image = config_.calibration.toImage();
      std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(EepromImageSize)};
      payload.insert(payload.end(), image.begin(), image.end());
      answer(code, std::move(payload), now);
      break;
    }
    case COM_SET_RESISTOR:
      config_.calibration.Precise = p[0];
      config_.calibration.Gain = p[1];
      config_.calibration.Offset = p[2];
      config_.calibration.Coarse = p[3];
      break;  // the analyzer does not answer
    case COM_READ_RESISTOR:
      answer(code,
             {config_.calibration.Precise, config_.calibration.Gain, config_.calibration.Offset,
              config_.calibration.Coarse},
             now);
      break;
    case COM_READ_NOMER: {
      const auto n = static_cast<std::uint32_t>(config_.serialNumber);
      answer(code,
             {0x22, static_cast<std::uint8_t>(n & 0xFF), static_cast<std::uint8_t>((n >> 8) & 0xFF),
              static_cast<std::uint8_t>((n >> 16) & 0xFF), static_cast<std::uint8_t>(n >> 24)},
             now);
      break;
    }
    case COM_READ_ADC:
    case COM_READ_ADC_MODUL: {
      const int mode = code == COM_READ_ADC ? arg(0) : 1;
      int value = 0;
      if (mode == 2) {
        // The 3-in-1 electrode's reference: about -480 mV.
        value = 480 + static_cast<int>(random_() % 3) - 1;
      } else {
        // The calibration bench: the DAC potential across the reference
        // resistor of the selected range.
        const int range = code == COM_READ_ADC ? range_ : 5;
        const double mv = DeviceUnits::FromDeviceUnits(config_.deviceType, config_.calibration.KDac,
                                                       code == COM_READ_ADC ? dacValue_ : arg16(1));
        const double counts = mv / DeviceUnits::DefaultBenchResistance[range] * DeviceUnits::CalibrationScale[range];
        const double coeff = config_.calibration.Coeff[range] == 0 ? 32768.0 : config_.calibration.Coeff[range];
        const double c = counts * 32768.0 / coeff + (static_cast<int>(random_() % 3) - 1);
        const double raw = config_.deviceType != 0 ? c + config_.calibration.Zero[range]
                                                   : 2048.0 - config_.calibration.Zero[range] - c;
        value = static_cast<int>(std::clamp(std::lround(raw), -32768L, 32767L));
      }
      std::vector<std::uint8_t> payload = word(value);
      payload.push_back(static_cast<std::uint8_t>(mode));
      answer(code, std::move(payload), now);
      break;
    }
    case COM_MOTOR:
      motorOn_ = (arg(0) & 1) != 0;
      answer(code, {}, now);
      break;
    case COM_SET_STIRRER:
      stirrerType_ = arg(0);
      stirrerSpeed_ = arg(1) * 10;
      answer(code, {}, now);
      break;
    case COM_VER_DATA:
      answer(code, std::vector<std::uint8_t>(config_.version.begin(), config_.version.end()), now);
      break;
    case COM_READ_3IN1:
      if (config_.supports3in1) answer(code, word(1000), now);
      break;
    case COM_ZAMPLER_C: {
      if (!config_.autosampler) break;  // nothing relays the command
      const int sub = arg(0);
      std::int64_t delay = 0;
      std::uint8_t position = static_cast<std::uint8_t>(samplerPosition_);
      if (sub == SamplerMove) {
        const int target = arg(1);
        // A jammed tray answers no move until the analyzer is reset.
        if (trayJammed_ || config_.faults.trayJam.count(target)) {
          trayJammed_ = true;
          break;
        }
        const int way = std::abs(target - 1 - samplerPosition_);
        delay = kSamplerSettleDelay + kSamplerCellDelay * std::min(way, kTrayCells - way);
        samplerPosition_ = target - 1;
        position =
            config_.faults.noCellAnswer.count(target) ? kNoPosition : static_cast<std::uint8_t>(samplerPosition_);
      } else if (sub == SamplerElectrodeUp || sub == SamplerElectrodeDown) {
        electrodeDown_ = sub == SamplerElectrodeDown;
        delay = kElectrodeDelay;
      } else if (sub == SamplerStirrerSpeed) {
        stirrerSpeed_ = arg(1) * 10;
      }
      answer(code, {static_cast<std::uint8_t>(sub), position}, now, delay);
      break;
    }
    default:
      break;
  }
}

void AnalyzerEmulator::fillSupportingElectrolyte(double volumeMl, const SampleModel::Concentrations& impurities) {
  std::lock_guard lock(mutex_);
  sample_.fillSupportingElectrolyte(volumeMl, impurities);
}

void AnalyzerEmulator::addSample(double volumeMl, const SampleModel::Concentrations& concentrations) {
  std::lock_guard lock(mutex_);
  sample_.addSample(volumeMl, concentrations);
}

void AnalyzerEmulator::addStandard(SampleModel::Element element, double volumeMl, double concentrationMgL) {
  std::lock_guard lock(mutex_);
  sample_.addStandard(element, volumeMl, concentrationMgL);
}

SampleModel AnalyzerEmulator::sample() const {
  std::lock_guard lock(mutex_);
  return sample_;
}

int AnalyzerEmulator::status() {
  std::lock_guard lock(mutex_);
  return statusByte(clock_.nowMs());
}

TCalibrationBlock AnalyzerEmulator::calibration() const {
  std::lock_guard lock(mutex_);
  return config_.calibration;
}

bool AnalyzerEmulator::motorOn() const {
  std::lock_guard lock(mutex_);
  return motorOn_;
}

int AnalyzerEmulator::stirrerType() const {
  std::lock_guard lock(mutex_);
  return stirrerType_;
}

int AnalyzerEmulator::stirrerSpeed() const {
  std::lock_guard lock(mutex_);
  return stirrerSpeed_;
}

int AnalyzerEmulator::samplerPosition() const {
  std::lock_guard lock(mutex_);
  return samplerPosition_;
}

bool AnalyzerEmulator::trayJammed() const {
  std::lock_guard lock(mutex_);
  return trayJammed_;
}

bool AnalyzerEmulator::electrodeDown() const {
  std::lock_guard lock(mutex_);
  return electrodeDown_;
}

void AnalyzerEmulator::setMeasurementSource(MeasurementSource source) {
  std::lock_guard lock(mutex_);
  measurementSource_ = std::move(source);
}

void AnalyzerEmulator::setCellSequence(std::vector<int> sequence) {
  std::lock_guard lock(mutex_);
  cellSequence_ = std::move(sequence);
  sequencePos_ = 0;
}

int AnalyzerEmulator::lastFilledFor() const {
  std::lock_guard lock(mutex_);
  return lastFilledFor_;
}

std::int64_t AnalyzerEmulator::refusedFrames() const {
  std::lock_guard lock(mutex_);
  return refused_;
}

std::vector<std::string> AnalyzerEmulator::refusals() const {
  std::lock_guard lock(mutex_);
  return {refusals_.begin(), refusals_.end()};
}

std::vector<std::vector<std::uint8_t>> AnalyzerEmulator::receivedFrames() const {
  std::lock_guard lock(mutex_);
  return received_;
}

void AnalyzerEmulator::clearReceivedFrames() {
  std::lock_guard lock(mutex_);
  received_.clear();
}

std::int64_t AnalyzerEmulator::commandsReceived() const {
  std::lock_guard lock(mutex_);
  return commands_;
}

void AnalyzerEmulator::setFaults(const EmulatorFaults& faults) {
  std::lock_guard lock(mutex_);
  config_.faults = faults;
}

}  // namespace velmora
