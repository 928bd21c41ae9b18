#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "BackgroundThreads.h"
#include "MessageSink.h"
#include "SerialPortFactory.h"
#include "TTavrelDevice.h"

namespace velmora {

class IClock;

// The main window's link to the analyzer: owns the device component and its
// serial port (real or emulated, by the configured name), and turns the
// device's events, raised on the port's and the reset threads, into signals
// on the thread of this object (the UI thread). Messages from the device are
// shown through the window's sink, on this thread as well.
class DeviceLink : public QObject, private IMessageSink {
  Q_OBJECT
 public:
  // `uiSink` shows messages; it is only called on this object's thread.
  // `clock` paces the protocol (real time in the workstation).
  explicit DeviceLink(IMessageSink& uiSink, QObject* parent = nullptr);
  DeviceLink(IMessageSink& uiSink, IClock& clock, IClock& emulatorClock, QObject* parent = nullptr);
  ~DeviceLink() override;

  // Chooses the port for the configured name; a different name closes the
  // port opened before (the link goes off line), the same name keeps it.
  // Only the name "emulator" chooses the built-in emulator.
  void configure(const std::string& portName, bool useNew3in1, int asInitTimeout);
  // What the built-in emulator carries (an autosampler); used when
  // configure() next builds the emulator, i.e. on a change of port.
  void setEmulatorSetup(const SerialPortFactory::EmulatorSetup& setup) { emulatorSetup_ = setup; }
  // Opens the port; failures are shown and reported as false.
  bool openPort();
  // Opens the port after `ms` milliseconds (the workstation waits a second
  // after start-up). While `ready` says no (a document is still loading and
  // lets events through), the opening waits: a failure to open must not put
  // a message box in the middle of the load. A `quiet` opening (the one at
  // start-up, which nobody asked for) shows no failure: the link stays off
  // line until the user resets the analyzer.
  void openPortLater(int ms = 1000, std::function<bool()> ready = {}, bool quiet = false);
  // Starts the reset handshake; failures are shown.
  void reset();

  TTavrelDevice& device() { return *device_; }
  // The clock that paces the protocol; recordings over this link use it too.
  IClock& clock() const { return clock_; }
  bool emulated() const { return port_.emulated(); }
  // The built-in emulator when the port is emulated, else null.
  AnalyzerEmulator* emulator() const { return port_.emulator.get(); }
  QString portName() const { return QString::fromStdString(port_.name); }
  bool active() const { return device_->Active(); }
  bool resetting() const { return device_->Resetting(); }
  // Where messages go from now on (only called on this object's thread).
  void setMessageSink(IMessageSink& sink) { uiSink_ = &sink; }
  // Shows an error raised to a command of this thread.
  void showError(const Message& message);
  // StatusAsText, translated; while a command runs (runCommand), what it does.
  QString statusText() const;

  // Runs `command` on a worker thread of the link, as recordings run on
  // theirs, so that the window keeps answering while the analyzer works (a
  // tray move or the electrode takes up to 20 s). `status` says what is
  // going on meanwhile (statusText). One command at a time: false, and
  // nothing done, while one runs. Errors are shown on this thread.
  bool runCommand(const Message& status, std::function<void(TTavrelDevice&)> command);
  bool commandRunning() const { return commandRunning_; }

  // What the language switch keeps: the port's name, whether it is open and
  // whether the analyzer is active.
  struct LinkState {
    std::string portName;
    bool open = false;
    bool active = false;
  };
  LinkState linkState() const;
  // Brings the link back to `state` where it drifted: the port of that name
  // is opened again and an analyzer that was active is reset into activity.
  // A link that kept its state is left alone (no new handshake).
  void restoreLinkState(const LinkState& state);

 signals:
  void statusChanged();
  void resetDone();
  void connectedChanged(bool active);
  void samplerPositionChanged(int position);
  // configure() chose another port (real or emulated).
  void portChanged();
  // Every message the device showed, translated (after the sink showed it).
  void messageShown(const QString& text);
  // A command of runCommand started or ended.
  void commandChanged(bool running);

 private:
  void error(const Message& message) override;
  void warning(const Message& message) override;
  void information(const Message& message) override;
  Answer askYesNo(const Message& message) override;
  Answer askYesNoCancel(const Message& message) override;
  void post(const Message& message, int kind);
  void noteActive();

  IMessageSink* uiSink_;
  IClock& clock_;
  IClock& emulatorClock_;
  SerialPortFactory::Port port_;
  std::string configuredName_;
  SerialPortFactory::EmulatorSetup emulatorSetup_;
  std::unique_ptr<TTavrelDevice> device_;
  bool lastActive_ = false;
  bool commandRunning_ = false;
  Message commandStatus_;
  // The worker of runCommand; joined before the device goes.
  BackgroundThreads commands_;
};

}  // namespace velmora
