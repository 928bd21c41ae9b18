#include <string>

#include "DeviceUnits.h"
#include "EDeviceError.h"
#include "LinkFrame.h"
#include "Messages.h"
#include "Numbers.h"
#include "TTavrelDevice.h"

// The command half of the device component: getters, setters, calibration,
// autosampler and conversions.

namespace velmora {

using namespace protocol;

namespace {

std::uint8_t speedByte(int speed) {
  if (speed < 0 || speed / 10 > 255) throw EDeviceError(Message(msg::MixerSpeedTooHigh, {std::to_string(speed)}));
  return static_cast<std::uint8_t>(speed / 10);
}

}  // namespace

TCalibrationBlock TTavrelDevice::CalibrationBlock() const {
  std::lock_guard lock(fieldsMutex_);
  return calibration_;
}

std::uint8_t TTavrelDevice::Resistor() const {
  std::lock_guard lock(fieldsMutex_);
  return static_cast<std::uint8_t>(255 - calibration_.Offset);
}

void TTavrelDevice::SetResistor(std::uint8_t value) {
  std::lock_guard lock(fieldsMutex_);
  calibration_.Offset = static_cast<std::uint8_t>(255 - value);
}

std::string TTavrelDevice::VersionText() const {
  std::lock_guard lock(fieldsMutex_);
  return version_;
}

std::string TTavrelDevice::ReadVersion() {
  if (!Exchange(COM_VER_DATA, {}, 1000, AnswerGroup::Version, false)) {
    std::lock_guard lock(fieldsMutex_);
    version_.assign(1, '-');
    return version_;
  }
  return VersionText();
}

Message TTavrelDevice::Description() const {
  return Message(allowNew3in1_ ? msg::New3in1Allowed : msg::New3in1Impossible);
}

Message TTavrelDevice::StatusText(int status, bool recording) {
  if (status == -1) return Message("");
  const int stage = status & StageMask;
  switch (stage) {
    case StageIdle:
      return Message(recording ? msg::StageComplete : msg::ReadyForMeasurement);
    case StageElectrolysis:
      return Message(msg::StageElectrolysis);
    case StageMeasurement:
      return Message(msg::StageMeasurement);
    case StageCleaning:
      return Message(msg::StageCleaning);
    case StageOverflow:
      return Message(msg::CircularBufferOverflow);
    case StagePreparation1:
      return Message(msg::StagePreparation1);
    case StagePreparation2:
      return Message(msg::StagePreparation2);
    case StageMercuryGap:
      return Message(msg::MercuryJetGap);
    case Stage3in1Recovering:
      return Message(msg::Electrode3in1Recovering);
    case 15:
      return Message("");
    default:
      return Message(msg::StatusNumber, {std::to_string(stage)});
  }
}

Message TTavrelDevice::StatusAsText() const { return StatusText(deviceStatus_, recording_); }

void TTavrelDevice::SetMixerOnOff(bool on) {
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(on ? 1 : 0)};
  SendAndWait(COM_MOTOR, payload, 3000, AnswerGroup::Motor);
}

void TTavrelDevice::SetMixerSpeed(int speed) {
  if (addOnType_ == -1) return;
  const std::uint8_t value = speedByte(speed);
  if (autoSamplerEnabled_ && addOnType_ < 2) {
    const std::uint8_t payload[] = {SamplerStirrerSpeed, value};
    SendAndWait(COM_ZAMPLER_C, payload, 3000, AnswerGroup::Sampler);
  } else {
    const std::uint8_t payload[] = {static_cast<std::uint8_t>(addOnType_.load()), value};
    SendAndWait(COM_SET_STIRRER, payload, 3000, AnswerGroup::Motor);
  }
  mixerSpeed_ = speed;
}

void TTavrelDevice::SetAddOnType(int type) {
  addOnType_ = type;
  if (type != -1) {
    const std::uint8_t payload[] = {static_cast<std::uint8_t>(type), speedByte(mixerSpeed_)};
    SendAndWait(COM_SET_STIRRER, payload, 3000, AnswerGroup::Motor);
  }
  SetMixerSpeed(mixerSpeed_);
}

void TTavrelDevice::ReadCalibration() {
  const std::uint8_t payload[] = {static_cast<std::uint8_t>(EepromImageSize)};
  SendAndWait(COM_READ_EEPROM, payload, 3000, AnswerGroup::ReadEeprom);
}

void TTavrelDevice::WriteCalibration(const TCalibrationBlock& block) {
  TCalibrationBlock::Image image;
  {
    std::lock_guard lock(fieldsMutex_);
    calibration_ = block;
    image = calibration_.toImage();
  }
  std::array<std::uint8_t, EepromImageSize + 1> payload{};
  payload[0] = static_cast<std::uint8_t>(EepromImageSize);
  for (std::size_t i = 0; i < image.size(); ++i) payload[i + 1] = image[i];
  SendAndWait(COM_WRITE_EEPROM, payload, 2000, AnswerGroup::WriteEeprom);
}

void TTavrelDevice::ReadResistors() { SendAndWait(COM_READ_RESISTOR, {}, 2000, AnswerGroup::Resistor); }

void TTavrelDevice::WriteResistors(std::uint8_t precise, std::uint8_t gain, std::uint8_t offset, std::uint8_t coarse) {
  const std::uint8_t payload[] = {precise, gain, offset, coarse};
  SendAndWait(COM_SET_RESISTOR, payload, 0, AnswerGroup::None);
  Pause(100);
  std::lock_guard lock(fieldsMutex_);
  calibration_.Precise = precise;
  calibration_.Gain = gain;
  calibration_.Offset = offset;
  calibration_.Coarse = coarse;
}

void TTavrelDevice::ReadSerialNumber() {
  const std::uint8_t payload[] = {0x22, 0, 0};
  SendAndWait(COM_READ_NOMER, payload, 3000, AnswerGroup::Nomer);
}

void TTavrelDevice::SetDac(std::uint8_t channel, std::int16_t value) {
  std::uint8_t payload[3] = {channel, 0, 0};
  LinkFrame::writeWordBE(&payload[1], value);
  SendAndWait(COM_SET_DAC, payload, 3000, AnswerGroup::Adc);
}

void TTavrelDevice::SetRange(std::uint8_t index) {
  const std::uint8_t payload[] = {index};
  SendAndWait(COM_SET_RANGE, payload, 3000, AnswerGroup::Adc);
}

void TTavrelDevice::SetElectrode(std::uint8_t on) {
  const std::uint8_t payload[] = {on};
  SendAndWait(COM_SET_ELECTROD, payload, 3000, AnswerGroup::Adc);
}

void TTavrelDevice::ReadAdc(std::uint8_t mode) {
  const std::uint8_t payload[] = {mode};
  SendAndWait(COM_READ_ADC, payload, 3000, AnswerGroup::Adc);
}

void TTavrelDevice::ReadAdcModulated(std::int16_t potential) {
  std::uint8_t payload[3] = {1, 0, 0};
  LinkFrame::writeWordBE(&payload[1], potential);
  SendAndWait(COM_READ_ADC_MODUL, payload, 3000, AnswerGroup::Adc);
}

void TTavrelDevice::MeasureCalibrationCurrent() {
  const TCalibrationBlock block = CalibrationBlock();
  const auto potential = static_cast<std::int16_t>(ToDeviceUnits(block.BenchPotential));
  SetDac(1, potential);
  SetElectrode(1);
  SetRange(static_cast<std::uint8_t>(block.BenchRange < 4 ? block.BenchRange : 4));
  if (block.BenchRange > 4)
    ReadAdcModulated(potential);
  else
    ReadAdc(0);
}

int TTavrelDevice::VSP() {
  for (int i = 0; i < 3; ++i) ReadAdc(2);
  const std::int32_t divisor = vspDivisor_;
  if (divisor == 0) return 0;
  return static_cast<int>(-RoundHalfEven(static_cast<double>(vspAdc_) * 1000.0 / divisor));
}

void TTavrelDevice::ReadStatus() {
  const std::uint8_t payload[] = {0};
  SendAndWait(COM_STATUS, payload, 3000, AnswerGroup::Status);
}

void TTavrelDevice::ReadParam(std::uint8_t index) {
  const std::uint8_t payload[] = {index};
  SendAndWait(COM_READ_PARAM, payload, 3000, AnswerGroup::ReadParam);
}

void TTavrelDevice::WriteStepWords(std::uint8_t index, const std::array<std::uint16_t, StepWordCount>& words) {
  std::array<std::uint8_t, 2 + 2 * StepWordCount> payload{};
  payload[0] = index;
  for (std::size_t i = 0; i < words.size(); ++i) LinkFrame::writeWordBE(&payload[1 + 2 * i], words[i]);
  SendAndWait(COM_WRITE_PARAM_ARRAY, payload, 3000, AnswerGroup::WriteParamArray);
}

void TTavrelDevice::StartStep() {
  const std::uint8_t payload[] = {0x00, 0x01};
  SendAndWait(COM_START, payload, 3000, AnswerGroup::Start);
}

std::vector<std::uint8_t> TTavrelDevice::ReadDataBytes() {
  {
    std::lock_guard lock(fieldsMutex_);
    dataAnswer_.clear();
  }
  if (!SendAndWait(COM_READ_DATA, {}, 3000, AnswerGroup::ReadData)) return {};
  std::lock_guard lock(fieldsMutex_);
  return std::move(dataAnswer_);
}

bool TTavrelDevice::DetectSampler() {
  const std::uint8_t payload[] = {SamplerPresence};
  if (Exchange(COM_ZAMPLER_C, payload, asInitTimeout_, AnswerGroup::Sampler, false)) {
    autoSamplerEnabled_ = true;
    Pause(100);
    SetAddOnType(0);
    return true;
  }
  autoSamplerEnabled_ = false;
  return false;
}

bool TTavrelDevice::SamplerCommand(std::uint8_t subCommand) {
  if (!autoSamplerEnabled_) return false;
  const std::uint8_t payload[] = {subCommand};
  const bool answered = SendAndWait(COM_ZAMPLER_C, payload, 20000, AnswerGroup::Sampler);
  Pause(100);
  return answered;
}

bool TTavrelDevice::SamplerMoveTo(int cell) {
  if (!autoSamplerEnabled_ || cell < 1 || cell > 15) return false;
  const std::uint8_t payload[] = {SamplerMove, static_cast<std::uint8_t>(cell)};
  const bool answered = SendAndWait(COM_ZAMPLER_C, payload, 20000, AnswerGroup::Sampler);
  Pause(100);
  // An answer without a valid position leaves CellNumber where it was.
  return answered && cellNumber_ == cell - 1;
}

bool TTavrelDevice::SetElectrodeDown(bool down) {
  return SamplerCommand(down ? SamplerElectrodeDown : SamplerElectrodeUp);
}

bool TTavrelDevice::RaiseElectrodeAfterFault() {
  if (!autoSamplerEnabled_) return false;
  const std::uint8_t payload[] = {SamplerElectrodeUp};
  const bool answered = Exchange(COM_ZAMPLER_C, payload, 20000, AnswerGroup::Sampler, false);
  Pause(100);
  return answered;
}

bool TTavrelDevice::Query3in1() {
  const bool answered = Exchange(COM_READ_3IN1, {}, 1000, AnswerGroup::Read3in1, false);
  allowNew3in1_ = answered;
  return answered;
}

std::int64_t TTavrelDevice::ToDeviceUnits(double v) const {
  std::lock_guard lock(fieldsMutex_);
  return DeviceUnits::ToDeviceUnits(deviceType_, calibration_.KDac, v);
}

double TTavrelDevice::FromDeviceUnits(double w) const {
  std::lock_guard lock(fieldsMutex_);
  return DeviceUnits::FromDeviceUnits(deviceType_, calibration_.KDac, w);
}

double TTavrelDevice::CalibrationCurrent(int v) {
  std::lock_guard lock(fieldsMutex_);
  const auto reading = DeviceUnits::CalibrationCurrent(deviceType_, calibration_, v);
  calibration_.LastRawCurrent = reading.rawCurrent;
  return reading.current;
}

}  // namespace velmora
