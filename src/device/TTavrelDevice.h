#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "AnswerEvent.h"
#include "BackgroundThreads.h"
#include "DeviceProtocol.h"
#include "FrameAssembler.h"
#include "IClock.h"
#include "ISerialPort.h"
#include "Message.h"
#include "MessageSink.h"
#include "TCalibrationBlock.h"

namespace velmora {

// The one component that talks to the analyzer: it frames and checks every
// byte on the line, issues commands and waits for their answers, runs the
// reset handshake, keeps the calibration data and converts units.
//
// Threads: commands may be issued from any thread and are serialised by a
// re-entrant lock per exchange; received chunks arrive on the port's own
// thread; the reset handshake runs on short-lived background threads.
// OnStatusChange, OnSamplerPositionChange and OnReset are raised on the
// thread that detects the condition (the port's, a reset thread's or the
// caller's); receivers that touch windows marshal the call themselves.
// Messages go to the sink from those threads as well.
class TTavrelDevice {
 public:
  using TNotifyEvent = std::function<void()>;
  using TSamplerNotifyEvent = std::function<void(int position)>;

  // Answer events: one per answer group, manual reset.
  enum class AnswerGroup {
    None = -1,
    WriteParamArray,
    ReadParam,
    Reset,
    Status,
    Start,
    ReadData,
    Adc,  // COM_SET_DAC, COM_SET_RANGE, COM_SET_ELECTROD, COM_READ_ADC, COM_READ_ADC_MODUL
    ReadDac,
    Resistor,
    WriteEeprom,
    ReadEeprom,
    Nomer,
    Motor,  // COM_MOTOR, COM_SET_STIRRER
    Version,
    Sampler,
    Read3in1,
    Count
  };

  explicit TTavrelDevice(IMessageSink& sink, IClock& clock);
  ~TTavrelDevice();
  // Makes every waiting command give up at once and every later one do
  // nothing, so that threads using the device can be joined before it goes
  // (the destructor begins with it).
  void Stop();
  TTavrelDevice(const TTavrelDevice&) = delete;
  TTavrelDevice& operator=(const TTavrelDevice&) = delete;

  // The serial port (not owned; it must outlive the device or be detached
  // with SetPort(nullptr)). Its receive handler is pointed at ReceiveBytes.
  // Swapping waits for a frame being written; the previous port is closed.
  void SetPort(ISerialPort* port);
  ISerialPort* Port() const { return port_; }
  void SetPortName(std::string name);
  std::string PortName() const;
  // Opens the port by its name when it is closed; throws EDeviceError.
  void OpenPort();

  // Events; assign before the port is opened.
  TNotifyEvent OnReset;
  TNotifyEvent OnStatusChange;
  TSamplerNotifyEvent OnSamplerPositionChange;
  // Called after each frame is written, to let a UI thread process pending
  // messages (the window side installs it; may be empty).
  std::function<void()> ProcessMessages;

  // --- link -----------------------------------------------------------------
  // Builds a frame of `code` and `payload` and writes it, under the
  // frame-send lock; throws EDeviceError("Output error") when nothing was written.
  void SendFrame(std::uint8_t code, std::span<const std::uint8_t> payload);
  // Issues a command and waits for its answer event (no wait when `group`
  // is None or `timeoutMs` is 0). On a time-out outside a reset the link
  // goes off line and the sink shows "No responce from device. Command №%d".
  // Returns whether the answer came.
  bool SendAndWait(std::uint8_t code, std::span<const std::uint8_t> payload, int timeoutMs, AnswerGroup group);
  // Every received chunk, in order (the port's thread).
  void ReceiveBytes(std::span<const std::uint8_t> chunk);
  void ClearLinkState();
  // Starts the reset handshake; throws EDeviceError when there is no port or
  // it cannot be opened (the link is off line then as well). Every reset
  // begins a new link generation: commands issued before it give up at once
  // and never act on the link afterwards.
  void ResetDevice();
  void SetActive(bool active);
  // The serial line went away (the port's thread, or a failed write): the
  // link goes off line, a run in progress ends, waiting commands give up,
  // and the sink shows which port was lost. Once per opening of the port.
  void PortLost(const std::string& reason);
  // True from a loss of the line until the port is opened again.
  bool PortWasLost() const { return portLost_; }
  // How many resets were started; a run that sees it change was ended by a reset.
  std::uint64_t ResetCount() const { return resetCount_; }

  static AnswerGroup GroupOf(std::uint8_t code);

  // --- state ----------------------------------------------------------------
  bool Active() const { return active_; }
  bool Resetting() const { return resetting_; }
  bool Recording() const { return recording_; }
  void SetRecording(bool recording) { recording_ = recording; }
  int DeviceStatus() const { return deviceStatus_; }
  int DeviceType() const { return deviceType_; }
  int AddOnType() const { return addOnType_; }
  int MixerSpeed() const { return mixerSpeed_; }
  bool AutoSamplerEnabled() const { return autoSamplerEnabled_; }
  int CellNumber() const { return cellNumber_; }
  bool AllowNew3in1() const { return allowNew3in1_; }
  bool UseNew3in1() const { return useNew3in1_; }
  void SetUseNew3in1(bool use) { useNew3in1_ = use; }
  std::int32_t NomberKlb() const { return nomberKlb_; }
  std::int32_t TOUCH_MEMORY() const { return nomberKlb_; }
  std::int32_t LastParam() const { return lastParam_; }
  std::int32_t VspAdc() const { return vspAdc_; }
  std::int32_t VspDivisor() const { return vspDivisor_; }
  double Corect_data_Clb() const { return corectDataClb_; }
  double ActualVoltage() const { return actualVoltage_; }
  void SetActualVoltage(double v) { actualVoltage_ = v; }
  int InputFilter() const { return inputFilter_; }
  void SetInputFilter(int f) { inputFilter_ = f; }
  bool CurrentControl() const { return currentControl_; }
  void SetCurrentControl(bool on) { currentControl_ = on; }
  int ASInitTimeout() const { return asInitTimeout_; }
  void SetASInitTimeout(int ms) { asInitTimeout_ = ms; }
  std::int64_t FramesSent() const { return framesSent_; }

  TCalibrationBlock CalibrationBlock() const;
  // 255 - Offset; setting v stores Offset := 255 - v (nothing is sent).
  std::uint8_t Resistor() const;
  void SetResistor(std::uint8_t value);

  // The firmware version as last read ("-" when unknown), without asking.
  std::string VersionText() const;
  // Reads the version from the analyzer (COM_VER_DATA, 1000 ms, silent).
  std::string ReadVersion();
  std::string Version() { return ReadVersion(); }
  Message Description() const;
  Message StatusAsText() const;
  static Message StatusText(int status, bool recording);

  // --- commands ---------------------------------------------------------------
  void SetMixerOnOff(bool on);
  // Throws EDeviceError for speeds that do not fit the wire (2560 rpm and more).
  void SetMixerSpeed(int speed);
  // Stores the speed the next stirrer command carries, without sending it.
  void StoreMixerSpeed(int speed) { mixerSpeed_ = speed; }
  void SetAddOnType(int type);
  void ReadCalibration();
  void WriteCalibration(const TCalibrationBlock& block);
  void ReadResistors();
  void WriteResistors(std::uint8_t precise, std::uint8_t gain, std::uint8_t offset, std::uint8_t coarse);
  void ReadSerialNumber();
  void SetDac(std::uint8_t channel, std::int16_t value);
  void SetRange(std::uint8_t index);
  void SetElectrode(std::uint8_t on);
  void ReadAdc(std::uint8_t mode);
  void ReadAdcModulated(std::int16_t potential);
  void MeasureCalibrationCurrent();
  // The reference potential, mV (0 when the analyzer gave no divisor).
  int VSP();
  void ReadStatus();
  void ReadParam(std::uint8_t index);
  // Loads one encoded program step (27 words) at `index`.
  void WriteStepWords(std::uint8_t index, const std::array<std::uint16_t, protocol::StepWordCount>& words);
  // Starts the step loaded at index 0.
  void StartStep();
  // COM_READ_DATA: the data bytes of the answer (after its first byte).
  std::vector<std::uint8_t> ReadDataBytes();

  // Autosampler (only while AutoSamplerEnabled for moves and the electrode).
  // SamplerCommand returns whether the autosampler answered; SamplerMoveTo
  // whether it answered and reports the tray at `cell` (1..15).
  bool DetectSampler();
  bool SamplerCommand(std::uint8_t subCommand);
  bool SamplerMoveTo(int cell);
  bool SetElectrodeDown(bool down);
  // Raises the electrode after a fault, also while the link is off line
  // after a time-out (not after a reset or a lost line); shows nothing when
  // the autosampler does not answer. Returns whether it answered.
  bool RaiseElectrodeAfterFault();
  bool Query3in1();

  // --- conversions ----------------------------------------------------------
  std::int64_t ToDeviceUnits(double v) const;
  double FromDeviceUnits(double w) const;
  // Also leaves the raw value in LastRawCurrent.
  double CalibrationCurrent(int v);

 private:
  AnswerEvent& event(AnswerGroup group) { return events_[static_cast<std::size_t>(group)]; }
  bool Exchange(std::uint8_t code, std::span<const std::uint8_t> payload, int timeoutMs, AnswerGroup group,
                bool report);
  void Dispatch(std::span<const std::uint8_t> rx);
  void DispatchReset(std::span<const std::uint8_t> rx, std::size_t len);
  void ResetRoutine(std::uint64_t epoch);
  bool FollowUpRoutine(std::uint64_t epoch);
  // Wakes every command waiting for an answer, to look at the link epoch.
  void WakeWaiters();
  void Raise(const TNotifyEvent& handler);
  void ReportError(const Message& message);
  // Sleeps `ms` of protocol time; returns early (false) when the device is stopping.
  bool Pause(std::int64_t ms);

  IMessageSink& sink_;
  IClock& clock_;
  std::atomic<ISerialPort*> port_{nullptr};

  std::atomic<bool> active_{false};
  std::atomic<bool> resetting_{false};
  std::atomic<bool> recording_{false};
  std::atomic<int> deviceStatus_{-1};
  std::atomic<int> deviceType_{-1};
  std::atomic<int> addOnType_{-1};
  std::atomic<int> mixerSpeed_{0};
  std::atomic<bool> autoSamplerEnabled_{false};
  std::atomic<int> cellNumber_{-1};
  std::atomic<bool> allowNew3in1_{false};
  std::atomic<bool> useNew3in1_{false};
  std::atomic<std::int32_t> nomberKlb_{0};
  std::atomic<std::int32_t> lastParam_{0};
  std::atomic<std::int32_t> vspAdc_{0};
  std::atomic<std::int32_t> vspDivisor_{0};
  std::atomic<double> corectDataClb_{0.0};
  std::atomic<double> actualVoltage_{0.0};
  std::atomic<int> inputFilter_{0};
  std::atomic<bool> currentControl_{false};
  std::atomic<int> asInitTimeout_{3000};
  std::atomic<std::int64_t> framesSent_{0};
  std::atomic<bool> resetCalibrated_{false};
  std::atomic<bool> closeFrame_{false};
  std::atomic<bool> stopping_{false};
  // Changes at every reset and at a loss of the line; a command waits only
  // while the epoch it started in lasts.
  std::atomic<std::uint64_t> epoch_{0};
  std::atomic<std::uint64_t> resetCount_{0};
  std::atomic<bool> portLost_{false};

  mutable std::mutex fieldsMutex_;  // calibration block, version, data answer, port name
  TCalibrationBlock calibration_;
  std::string version_ = "-";
  std::string portName_;
  std::vector<std::uint8_t> dataAnswer_;

  std::array<AnswerEvent, static_cast<std::size_t>(AnswerGroup::Count)> events_;
  FrameAssembler assembler_;  // the port's thread only
  std::array<std::uint8_t, protocol::BufferSize> txBuffer_{};

  std::mutex resetStartLock_;
  std::mutex frameSendLock_;
  std::recursive_mutex sendAndWaitLock_;
  std::mutex resetThreadLock_;

  std::mutex stopMutex_;
  std::condition_variable stopCv_;
  BackgroundThreads threads_;
};

}  // namespace velmora
