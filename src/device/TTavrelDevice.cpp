#include "TTavrelDevice.h"

#include <string>

#include "DeviceUnits.h"
#include "EDeviceError.h"
#include "LinkFrame.h"
#include "Messages.h"

// The link half of the device component: frames, the send-and-wait
// exchange, the receiver with its dispatch table, and the reset handshake.
// Commands and conversions are in TTavrelDeviceCommands.cpp.

namespace velmora {

using namespace protocol;

TTavrelDevice::TTavrelDevice(IMessageSink& sink, IClock& clock) : sink_(sink), clock_(clock) {}

void TTavrelDevice::Stop() {
  stopping_ = true;
  { std::lock_guard lock(stopMutex_); }
  stopCv_.notify_all();
  for (auto& e : events_) e.set();
  ++epoch_;
  WakeWaiters();
}

TTavrelDevice::~TTavrelDevice() {
  Stop();
  if (ISerialPort* port = port_.load()) {
    port->close();
    port->setReceiveHandler(nullptr);
    port->setLostHandler(nullptr);
  }
  threads_.joinAll();
}

void TTavrelDevice::SetPort(ISerialPort* port) {
  std::lock_guard lock(frameSendLock_);
  if (ISerialPort* old = port_.load(); old && old != port) {
    old->close();
    old->setReceiveHandler(nullptr);
    old->setLostHandler(nullptr);
  }
  port_ = port;
  if (port) {
    port->setReceiveHandler([this](std::span<const std::uint8_t> chunk) { ReceiveBytes(chunk); });
    port->setLostHandler([this, port](const std::string& reason) {
      // A port swapped out meanwhile no longer speaks for the link.
      if (port_.load() == port) PortLost(reason);
    });
  }
}

void TTavrelDevice::SetPortName(std::string name) {
  std::lock_guard lock(fieldsMutex_);
  portName_ = std::move(name);
}

std::string TTavrelDevice::PortName() const {
  std::lock_guard lock(fieldsMutex_);
  return portName_;
}

void TTavrelDevice::OpenPort() {
  ISerialPort* port = port_.load();
  if (!port) throw EDeviceError(Message(msg::ComPortNotSpecified));
  if (port->isOpen()) return;
  const std::string name = PortName();
  std::string error;
  if (!port->open(name, error)) throw EDeviceError(Message(msg::PortOpenFailed, {name, error}));
  portLost_ = false;
}

void TTavrelDevice::WakeWaiters() {
  for (auto& e : events_) e.wake();
  { std::lock_guard lock(stopMutex_); }
  stopCv_.notify_all();
}

void TTavrelDevice::PortLost(const std::string& reason) {
  if (stopping_ || portLost_.exchange(true)) return;
  ++epoch_;
  ClearLinkState();
  resetting_ = false;
  WakeWaiters();
  ReportError(Message(msg::PortLost, {PortName(), reason}));
  Raise(OnStatusChange);
}

bool TTavrelDevice::Pause(std::int64_t ms) {
  std::unique_lock lock(stopMutex_);
  return !stopCv_.wait_for(lock, clock_.realDuration(ms), [this] { return stopping_.load(); });
}

void TTavrelDevice::Raise(const TNotifyEvent& handler) {
  if (!handler || stopping_) return;
  try {
    handler();
  } catch (...) {
    // A receiver's failure must not break the link.
  }
}

void TTavrelDevice::ReportError(const Message& message) {
  if (stopping_) return;
  sink_.error(message);
}

void TTavrelDevice::SendFrame(std::uint8_t code, std::span<const std::uint8_t> payload) {
  bool written = false;
  bool lost = false;
  {
    std::lock_guard lock(frameSendLock_);
    if (payload.size() + 5 > txBuffer_.size()) throw EDeviceError(Message(msg::OutputError));
    for (std::size_t i = 0; i < payload.size(); ++i) txBuffer_[4 + i] = payload[i];
    const std::size_t size = LinkFrame::complete(txBuffer_.data(), txBuffer_.size(), code, payload.size() + 1);
    ISerialPort* port = port_.load();
    const bool wasOpen = port && port->isOpen();
    written = wasOpen && port->write(std::span(txBuffer_.data(), size)) != 0;
    // An open port that takes nothing has lost its line.
    lost = wasOpen && !written;
    if (written) {
      Pause(50);
      ++framesSent_;
    }
  }
  if (lost) PortLost(Message(msg::OutputError).format());
  if (!written) throw EDeviceError(Message(msg::OutputError));
  if (ProcessMessages) ProcessMessages();
}

bool TTavrelDevice::Exchange(std::uint8_t code, std::span<const std::uint8_t> payload, int timeoutMs, AnswerGroup group,
                             bool report) {
  // The epoch this command was issued in: a reset or a lost line after it
  // ends the command, which then never touches the link again.
  const std::uint64_t epoch = epoch_;
  auto stale = [this, epoch] { return stopping_ || epoch_ != epoch; };
  std::lock_guard lock(sendAndWaitLock_);
  if (stale()) return false;
  Pause(50);
  if (group != AnswerGroup::None) event(group).clear();
  SendFrame(code, payload);
  Pause(50);
  if (group == AnswerGroup::None || timeoutMs <= 0) return true;
  const bool answered = event(group).waitUnless(clock_.realDuration(timeoutMs), stale);
  if (stale()) return false;
  if (answered) return true;
  if (report && !resetting_) {
    ClearLinkState();
    Raise(OnStatusChange);
    ReportError(Message(msg::NoResponseCommand, {std::to_string(code)}));
  }
  return false;
}

bool TTavrelDevice::SendAndWait(std::uint8_t code, std::span<const std::uint8_t> payload, int timeoutMs,
                                AnswerGroup group) {
  return Exchange(code, payload, timeoutMs, group, true);
}

void TTavrelDevice::ClearLinkState() {
  recording_ = false;
  closeFrame_ = true;
  active_ = false;
  allowNew3in1_ = false;
  deviceStatus_ = -1;
  std::lock_guard lock(fieldsMutex_);
  version_.assign(1, '-');
  dataAnswer_.clear();
}

TTavrelDevice::AnswerGroup TTavrelDevice::GroupOf(std::uint8_t code) {
  switch (code) {
    case COM_WRITE_PARAM_ARRAY:
      return AnswerGroup::WriteParamArray;
    case COM_READ_PARAM:
      return AnswerGroup::ReadParam;
    case COM_RESET:
      return AnswerGroup::Reset;
    case COM_STATUS:
      return AnswerGroup::Status;
    case COM_START:
      return AnswerGroup::Start;
    case COM_READ_DATA:
      return AnswerGroup::ReadData;
    case COM_SET_DAC:
    case COM_SET_RANGE:
    case COM_SET_ELECTROD:
    case COM_READ_ADC:
    case COM_READ_ADC_MODUL:
      return AnswerGroup::Adc;
    case COM_READ_DAC:
      return AnswerGroup::ReadDac;
    case COM_READ_RESISTOR:
      return AnswerGroup::Resistor;
    case COM_WRITE_EEPROM:
      return AnswerGroup::WriteEeprom;
    case COM_READ_EEPROM:
      return AnswerGroup::ReadEeprom;
    case COM_READ_NOMER:
      return AnswerGroup::Nomer;
    case COM_MOTOR:
    case COM_SET_STIRRER:
      return AnswerGroup::Motor;
    case COM_VER_DATA:
      return AnswerGroup::Version;
    case COM_ZAMPLER_C:
      return AnswerGroup::Sampler;
    case COM_READ_3IN1:
      return AnswerGroup::Read3in1;
    default:
      return AnswerGroup::None;
  }
}

void TTavrelDevice::ReceiveBytes(std::span<const std::uint8_t> chunk) {
  if (closeFrame_.exchange(false)) assembler_.close();
  assembler_.feed(chunk, [this](FrameAssembler::Result result, std::span<const std::uint8_t> frame) {
    if (result == FrameAssembler::Result::Frame) {
      Dispatch(frame);
      return;
    }
    // A damaged frame (bad check byte, or a length that cannot be right).
    if (resetting_) return;
    active_ = false;
    allowNew3in1_ = false;
    ReportError(Message(msg::ErrorCrc));
  });
}

void TTavrelDevice::Dispatch(std::span<const std::uint8_t> rx) {
  const std::size_t len = LinkFrame::lenOf(rx);
  const std::uint8_t code = rx[3];
  // Payload bytes available: rx[4 .. len + 2]. Answers too short for their
  // fields are ignored, so the waiting command times out instead of using
  // stale bytes.
  auto has = [len](std::size_t lastIndex) { return lastIndex <= len + 2; };
  const AnswerGroup group = GroupOf(code);
  switch (code) {
    case COM_WRITE_PARAM_ARRAY:
    case COM_START:
    case COM_SET_DAC:
    case COM_SET_RANGE:
    case COM_SET_ELECTROD:
    case COM_MOTOR:
    case COM_SET_STIRRER:
    case COM_WRITE_EEPROM:
      break;
    case COM_READ_DATA: {
      std::lock_guard lock(fieldsMutex_);
      if (len >= 2)
        dataAnswer_.assign(rx.begin() + 5, rx.begin() + static_cast<std::ptrdiff_t>(len + 3));
      else
        dataAnswer_.clear();
      break;
    }
    case COM_READ_PARAM:
      if (!has(6)) return;
      lastParam_ = static_cast<std::int16_t>(static_cast<std::uint16_t>(rx[5] | (rx[6] << 8)));
      break;
    case COM_RESET:
      if (!has(4)) return;
      DispatchReset(rx, len);
      return;
    case COM_STATUS:
      if (!has(4)) return;
      deviceStatus_ = rx[4];
      event(group).set();
      if ((rx[4] & StatusDataReady) == 0) Raise(OnStatusChange);
      return;
    case COM_READ_DAC: {
      if (!has(7)) return;
      std::lock_guard lock(fieldsMutex_);
      calibration_.DacAdc = LinkFrame::readInt16BE(&rx[4]);
      calibration_.Dac2 = LinkFrame::readInt16BE(&rx[6]);
      break;
    }
    case COM_READ_RESISTOR: {
      if (!has(7)) return;
      std::lock_guard lock(fieldsMutex_);
      calibration_.Precise = rx[4];
      calibration_.Gain = rx[5];
      calibration_.Offset = rx[6];
      calibration_.Coarse = rx[7];
      break;
    }
    case COM_READ_EEPROM: {
      if (!has(5 + EepromImageSize - 1)) return;
      std::lock_guard lock(fieldsMutex_);
      calibration_.assignImage(std::span<const std::uint8_t, EepromImageSize>(rx.data() + 5, EepromImageSize));
      break;
    }
    case COM_READ_NOMER:
      if (!has(8)) return;
      nomberKlb_ = static_cast<std::int32_t>(
          static_cast<std::uint32_t>(rx[5]) | (static_cast<std::uint32_t>(rx[6]) << 8) |
          (static_cast<std::uint32_t>(rx[7]) << 16) | (static_cast<std::uint32_t>(rx[8]) << 24));
      break;
    case COM_READ_ADC:
    case COM_READ_ADC_MODUL: {
      if (!has(6)) return;
      const int v = LinkFrame::readInt16BE(&rx[4]);
      if (rx[6] == 2) {
        vspAdc_ = v;
      } else {
        corectDataClb_ = CalibrationCurrent(v);
      }
      break;
    }
    case COM_VER_DATA: {
      std::lock_guard lock(fieldsMutex_);
      version_.assign(rx.begin() + 4, rx.begin() + static_cast<std::ptrdiff_t>(len + 3));
      break;
    }
    case COM_VOSST_EL:
      deviceStatus_ = Stage3in1Recovering;
      Raise(OnStatusChange);
      return;
    case COM_ZAMPLER_C: {
      if (!has(5)) return;
      const int previous = cellNumber_;
      if (rx[5] < 16) cellNumber_ = rx[5];
      Pause(100);
      event(group).set();
      const int position = cellNumber_;
      if (position != previous && OnSamplerPositionChange && !stopping_) {
        try {
          OnSamplerPositionChange(position);
        } catch (...) {
        }
      }
      return;
    }
    case COM_READ_3IN1:
      if (!has(5)) return;
      vspDivisor_ = LinkFrame::readInt16BE(&rx[4]);
      break;
    default:
      return;
  }
  event(group).set();
}

void TTavrelDevice::DispatchReset(std::span<const std::uint8_t> rx, std::size_t len) {
  if (rx[4] == ResetCalibrated) {
    if (len < 3) {
      deviceType_ = 0;
      addOnType_ = -1;
    } else {
      deviceType_ = 1;
      if (len >= 5) {
        addOnType_ = rx[5];
        mixerSpeed_ = rx[6] * 10;
      } else {
        addOnType_ = -1;
      }
    }
    resetCalibrated_ = true;
    // The reset routine, waiting for this event, runs the follow-up.
    event(AnswerGroup::Reset).set();
    return;
  }
  resetCalibrated_ = false;
  event(AnswerGroup::Reset).set();
  ReportError(Message(msg::DeviceNotCalibrated));
  active_ = false;
  allowNew3in1_ = false;
  resetting_ = false;
  Raise(OnReset);
}

void TTavrelDevice::SetActive(bool active) {
  if (active)
    ResetDevice();
  else
    active_ = false;
}

void TTavrelDevice::ResetDevice() {
  std::lock_guard lock(resetStartLock_);
  struct StatusOnExit {
    TTavrelDevice* device;
    ~StatusOnExit() { device->Raise(device->OnStatusChange); }
  } statusOnExit{this};
  if (!port_) throw EDeviceError(Message(msg::ComPortNotSpecified));
  // A new link generation: whatever still waits from before gives up now.
  ++resetCount_;
  const std::uint64_t epoch = ++epoch_;
  WakeWaiters();
  try {
    OpenPort();
  } catch (const EDeviceError&) {
    // No port, no link: a run that was going is over as well.
    ClearLinkState();
    resetting_ = false;
    throw;
  }
  portLost_ = false;
  ClearLinkState();
  resetting_ = true;
  resetCalibrated_ = false;
  event(AnswerGroup::Reset).clear();
  threads_.start([this, epoch] { ResetRoutine(epoch); });
}

void TTavrelDevice::ResetRoutine(std::uint64_t epoch) {
  std::lock_guard lock(resetThreadLock_);
  // A later reset (or a lost line) owns the link from then on.
  auto superseded = [this, epoch] { return stopping_ || epoch_ != epoch; };
  if (superseded()) return;
  // Forget the add-on and the autosampler before the reset goes out: a quick
  // answer may arrive while the frame is still being sent, and the add-on it
  // reports must not be wiped afterwards.
  addOnType_ = -1;
  autoSamplerEnabled_ = false;
  closeFrame_ = true;
  try {
    SendFrame(COM_RESET, {});
  } catch (const EDeviceError& e) {
    if (superseded()) return;
    ReportError(e.message());
    resetting_ = false;
    Raise(OnReset);
    return;
  }
  if (!Pause(1000) || superseded()) return;
  ClearLinkState();
  const bool answered = event(AnswerGroup::Reset).waitUnless(clock_.realDuration(3000), superseded);
  if (superseded()) return;
  if (!answered) {
    ReportError(Message(msg::NoResponseOnReset));
    resetting_ = false;
    Raise(OnReset);
    return;
  }
  // An answer without the calibrated flag was handled by the receiver.
  if (!resetCalibrated_) return;
  try {
    if (!FollowUpRoutine(epoch)) return;
  } catch (const EDeviceError& e) {
    if (superseded()) return;
    ClearLinkState();
    resetting_ = false;
    ReportError(e.message());
    Raise(OnStatusChange);
  }
  Raise(OnReset);
}

bool TTavrelDevice::FollowUpRoutine(std::uint64_t epoch) {
  auto superseded = [this, epoch] { return stopping_ || epoch_ != epoch; };
  // The calibration, the resistor registers and the serial number are
  // needed to convert readings: without them the link must not go on line.
  const std::uint8_t eeprom[] = {static_cast<std::uint8_t>(EepromImageSize)};
  const std::uint8_t nomer[] = {0x22, 0, 0};
  struct Essential {
    std::uint8_t code;
    std::span<const std::uint8_t> payload;
    int timeout;
  };
  const Essential essentials[] = {
      {COM_READ_EEPROM, eeprom, 3000}, {COM_READ_RESISTOR, {}, 2000}, {COM_READ_NOMER, nomer, 3000}};
  for (const auto& e : essentials) {
    if (!Exchange(e.code, e.payload, e.timeout, GroupOf(e.code), false)) {
      if (superseded()) return false;
      ClearLinkState();
      resetting_ = false;
      ReportError(Message(msg::NoResponseCommand, {std::to_string(e.code)}));
      Raise(OnStatusChange);
      Raise(OnReset);
      return false;
    }
  }
  DetectSampler();
  Query3in1();
  if (superseded()) return false;
  active_ = true;
  resetting_ = false;
  Pause(100);
  ReadStatus();
  return !superseded();
}

}  // namespace velmora
