#include "AnalyzerEmulator.h"

#include <algorithm>
#include <cmath>

#include "DeviceProtocol.h"
#include "DeviceUnits.h"
#include "LinkFrame.h"

namespace velmora {

using namespace protocol;

namespace {

// How long the analyzer takes for the slow operations, protocol ms.
constexpr std::int64_t kResetDelay = 300;
constexpr std::int64_t kSamplerMoveDelay = 1500;
constexpr std::int64_t kElectrodeDelay = 800;

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
    : clock_(clock), config_(std::move(config)), random_(static_cast<std::uint32_t>(config_.seed)) {
  stirrerType_ = std::max(0, config_.addOnType);
  stirrerSpeed_ = config_.mixerSpeed;
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
      // A damaged command is ignored, as the analyzer does.
      if (result == FrameAssembler::Result::Frame) handleFrame(frame, now);
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
  std::vector<std::uint8_t> frame = LinkFrame::build(code, payload);
  if (config_.faults.corruptAll || config_.faults.corrupt.count(code)) frame.back() ^= 0x5A;
  // Answers leave in order: a quick answer never overtakes a slow one.
  std::int64_t due = now + delayMs;
  if (!delayed_.empty()) due = std::max(due, delayed_.back().due);
  delayed_.push_back({due, std::move(frame)});
}

void AnalyzerEmulator::releaseDue(std::int64_t now) {
  while (!delayed_.empty() && delayed_.front().due <= now) {
    std::vector<std::uint8_t> frame = std::move(delayed_.front().frame);
    delayed_.pop_front();
    if (!config_.faults.splitFrames) {
      ready_.push_back(std::move(frame));
      continue;
    }
    // Line noise before the frame, then the frame in small pieces.
    ready_.push_back({0x00, 0x13});
    std::size_t pos = 0;
    while (pos < frame.size()) {
      const std::size_t n = std::min<std::size_t>(frame.size() - pos, 1 + random_() % 5);
      ready_.emplace_back(frame.begin() + static_cast<std::ptrdiff_t>(pos),
                          frame.begin() + static_cast<std::ptrdiff_t>(pos + n));
      pos += n;
    }
  }
}

void AnalyzerEmulator::advanceRun(std::int64_t now) {
  if (!run_) return;
  run_->advance(now, data_);
  if (data_.size() > DataBufferSize && !overflowed_) {
    overflowed_ = true;
    data_.resize(DataBufferSize);
    run_->fail(StageOverflow);
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
  const std::uint8_t code = frame[3];
  const std::span<const std::uint8_t> p = frame.subspan(4, frame.size() - 5);
  auto arg = [&](std::size_t i) -> int { return i < p.size() ? p[i] : 0; };
  auto arg16 = [&](std::size_t i) -> int { return i + 1 < p.size() ? LinkFrame::readInt16BE(&p[i]) : 0; };
  switch (code) {
    case COM_RESET: {
      run_.reset();
      data_.clear();
      overflowed_ = false;
      motorOn_ = false;
      delayed_.clear();
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
      if (p.size() < 1 + 2 * StepWordCount) return;  // malformed: no answer
      EmulatorStep::Words words{};
      for (std::size_t i = 0; i < StepWordCount; ++i) words[i] = static_cast<std::uint16_t>(arg16(1 + 2 * i));
      steps_[p[0]] = EmulatorStep::decode(words);
      answer(code, {}, now);
      break;
    }
    case COM_START: {
      auto it = steps_.find(0);
      if (it != steps_.end()) {
        EmulatorRun::Context context;
        context.deviceType = config_.deviceType;
        context.calibration = config_.calibration;
        context.cell = sample_.cellConcentrations();
        context.bufferOverflow = config_.faults.bufferOverflow;
        context.mercuryJetGap = config_.faults.mercuryJetGap;
        context.seed = config_.seed + static_cast<std::uint64_t>(++runCount_);
        data_.clear();
        overflowed_ = false;
        run_ = std::make_unique<EmulatorRun>(it->second, context, now);
      }
      answer(code, {}, now);
      break;
    }
    case COM_READ_DATA: {
      advanceRun(now);
      std::size_t n = std::min(data_.size(), MaxDataPerAnswer);
      n -= n % 4;
      if (n == 0) n = std::min<std::size_t>(data_.size(), 4);
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
    case COM_SET_RANGE:
      range_ = std::clamp(arg(0), 0, 4);
      answer(code, {}, now);
      break;
    case COM_SET_ELECTROD:
    case COM_WRITE_EEPROM:
      if (code == COM_WRITE_EEPROM && p.size() >= 1 + EepromImageSize)
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
      if (p.size() >= 4) {
        config_.calibration.Precise = p[0];
        config_.calibration.Gain = p[1];
        config_.calibration.Offset = p[2];
        config_.calibration.Coarse = p[3];
      }
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
      if (sub == SamplerMove && arg(1) >= 1 && arg(1) <= 15) {
        delay = kSamplerMoveDelay * (1 + std::abs(arg(1) - 1 - samplerPosition_)) / 4;
        samplerPosition_ = arg(1) - 1;
      } else if (sub == SamplerElectrodeUp || sub == SamplerElectrodeDown) {
        electrodeDown_ = sub == SamplerElectrodeDown;
        delay = kElectrodeDelay;
      } else if (sub == SamplerStirrerSpeed) {
        stirrerSpeed_ = arg(1) * 10;
      }
      answer(code, {static_cast<std::uint8_t>(sub), static_cast<std::uint8_t>(samplerPosition_)}, now, delay);
      break;
    }
    default:
      break;  // unknown commands are ignored
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

bool AnalyzerEmulator::electrodeDown() const {
  std::lock_guard lock(mutex_);
  return electrodeDown_;
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
