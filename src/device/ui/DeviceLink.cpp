#include "DeviceLink.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include "EDeviceError.h"
#include "ScaledClock.h"
#include "UiText.h"

namespace velmora {

namespace {
enum Kind { KindError, KindWarning, KindInformation };
}

DeviceLink::DeviceLink(IMessageSink& uiSink, QObject* parent)
    : DeviceLink(uiSink, ScaledClock::realTime(), ScaledClock::realTime(), parent) {}

DeviceLink::DeviceLink(IMessageSink& uiSink, IClock& clock, IClock& emulatorClock, QObject* parent)
    : QObject(parent), uiSink_(&uiSink), clock_(clock), emulatorClock_(emulatorClock) {
  device_ = std::make_unique<TTavrelDevice>(static_cast<IMessageSink&>(*this), clock_);
  device_->OnStatusChange = [this] {
    QMetaObject::invokeMethod(
        this,
        [this] {
          noteActive();
          emit statusChanged();
        },
        Qt::QueuedConnection);
  };
  device_->OnReset = [this] {
    QMetaObject::invokeMethod(
        this,
        [this] {
          noteActive();
          emit resetDone();
        },
        Qt::QueuedConnection);
  };
  device_->OnSamplerPositionChange = [this](int position) {
    QMetaObject::invokeMethod(
        this, [this, position] { emit samplerPositionChanged(position); }, Qt::QueuedConnection);
  };
  // A command issued from this thread lets queued work run while it waits,
  // but never the user's input.
  device_->ProcessMessages = [this] {
    if (QThread::currentThread() == thread()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}

DeviceLink::~DeviceLink() {
  // A command still running gives up at once and its worker is joined; the
  // device then closes the port and joins its reset threads.
  device_->Stop();
  commands_.joinAll();
  device_.reset();
  port_.port.reset();
}

void DeviceLink::configure(const std::string& portName, bool useNew3in1, int asInitTimeout) {
  device_->SetUseNew3in1(useNew3in1);
  device_->SetASInitTimeout(asInitTimeout);
  // Settings applied again with the same port keep the link as it is.
  if (port_.port && portName == configuredName_) return;
  configuredName_ = portName;
  device_->SetPort(nullptr);
  if (port_.port) port_.port->close();
  port_ = SerialPortFactory::create(portName, emulatorClock_, emulatorSetup_);
  device_->SetPort(port_.port.get());
  device_->SetPortName(port_.name);
  emit portChanged();
}

bool DeviceLink::openPort() {
  try {
    device_->OpenPort();
    return true;
  } catch (const EDeviceError& e) {
    showError(e.message());
    return false;
  }
}

void DeviceLink::openPortLater(int ms, std::function<bool()> ready, bool quiet) {
  QTimer::singleShot(ms, this, [this, ready = std::move(ready), quiet]() mutable {
    if (ready && !ready()) {
      openPortLater(200, std::move(ready), quiet);
      return;
    }
    if (!quiet) {
      openPort();
      return;
    }
    try {
      device_->OpenPort();
    } catch (const EDeviceError&) {
      // Not asked for: the analyzer's commands say it when they are used.
    }
  });
}

void DeviceLink::reset() {
  try {
    device_->ResetDevice();
  } catch (const EDeviceError& e) {
    showError(e.message());
    emit resetDone();
  }
}

void DeviceLink::showError(const Message& message) {
  uiSink_->error(message);
  emit messageShown(UiText::message(message));
}

QString DeviceLink::statusText() const {
  return UiText::message(commandRunning_ ? commandStatus_ : device_->StatusAsText());
}

bool DeviceLink::runCommand(const Message& status, std::function<void(TTavrelDevice&)> command) {
  if (commandRunning_) return false;
  commandRunning_ = true;
  commandStatus_ = status;
  emit commandChanged(true);
  TTavrelDevice* device = device_.get();
  commands_.start([this, device, command = std::move(command)] {
    try {
      command(*device);
    } catch (const EDeviceError& e) {
      post(e.message(), KindError);
    } catch (const std::exception&) {
      // Nothing else is raised by the device's commands; the worker ends
      // cleanly whatever happens.
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
          commandRunning_ = false;
          emit commandChanged(false);
        },
        Qt::QueuedConnection);
  });
  return true;
}

DeviceLink::LinkState DeviceLink::linkState() const {
  const ISerialPort* port = device_->Port();
  return {device_->PortName(), port != nullptr && port->isOpen(), device_->Active()};
}

void DeviceLink::restoreLinkState(const LinkState& state) {
  if (device_->Port() == nullptr || device_->PortName() != state.portName) return;
  if (state.open && !device_->Port()->isOpen()) openPort();
  if (state.active && !device_->Active() && !device_->Resetting()) reset();
}

void DeviceLink::noteActive() {
  const bool now = device_->Active();
  if (now == lastActive_) return;
  lastActive_ = now;
  emit connectedChanged(now);
}

void DeviceLink::post(const Message& message, int kind) {
  QMetaObject::invokeMethod(
      this,
      [this, message, kind] {
        if (kind == KindError)
          uiSink_->error(message);
        else if (kind == KindWarning)
          uiSink_->warning(message);
        else
          uiSink_->information(message);
        emit messageShown(UiText::message(message));
      },
      Qt::QueuedConnection);
}

void DeviceLink::error(const Message& message) { post(message, KindError); }
void DeviceLink::warning(const Message& message) { post(message, KindWarning); }
void DeviceLink::information(const Message& message) { post(message, KindInformation); }
// The device never asks; nobody could answer from its threads.
Answer DeviceLink::askYesNo(const Message&) { return Answer::No; }
Answer DeviceLink::askYesNoCancel(const Message&) { return Answer::Cancel; }

}  // namespace velmora
