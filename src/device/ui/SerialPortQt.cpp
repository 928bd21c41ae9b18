#include "SerialPortQt.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QSerialPort>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace velmora {

Q_LOGGING_CATEGORY(lcSerial, "velmora.device.serial")

SerialPortQt::SerialPortQt() {
  thread_.setObjectName(QStringLiteral("Serial port"));
  context_ = new QObject;
  context_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
  thread_.start();
}

SerialPortQt::~SerialPortQt() {
  close();
  thread_.quit();
  thread_.wait();
}

template <typename F>
void SerialPortQt::onPortThread(F&& f) {
  if (QThread::currentThread() == &thread_) {
    f();
    return;
  }
  // The blocking call orders the two threads through Qt's own primitives,
  // which the thread sanitizer does not see. The mutex states the same order
  // in standard terms: what the caller set up before the call happens before
  // f, and what f wrote happens before the caller reads it afterwards.
  std::mutex handOver;
  { std::lock_guard lock(handOver); }
  QMetaObject::invokeMethod(
      context_,
      [&] {
        std::lock_guard lock(handOver);
        f();
      },
      Qt::BlockingQueuedConnection);
  std::lock_guard lock(handOver);
}

bool SerialPortQt::open(const std::string& name, std::string& error) {
  bool ok = false;
  onPortThread([&] {
    if (!port_) {
      port_ = new QSerialPort(context_);
      QObject::connect(port_, &QSerialPort::readyRead, context_, [this] { deliver(); });
      QObject::connect(port_, &QSerialPort::errorOccurred, context_, [this](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::ResourceError) return;
#ifdef Q_OS_UNIX
        // A read that found nothing after all ("Resource temporarily
        // unavailable", a busy machine) is reported the same way: a line
        // whose descriptor is still sound is kept, and reading resumes.
        pollfd p{static_cast<int>(port_->handle()), 0, 0};
        if (p.fd >= 0 && ::poll(&p, 1, 0) >= 0 && !(p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
          qCDebug(lcSerial) << "transient read error on" << port_->portName() << port_->errorString();
          port_->clearError();
          QMetaObject::invokeMethod(
              context_, [this] { deliver(); }, Qt::QueuedConnection);
          return;
        }
#endif
        // The device went away (unplugged adapter): stop using it and say so.
        loseLine(port_->errorString());
      });
      // A hang-up of an idle line reaches no read or write: look for it.
      watch_ = new QTimer(context_);
      watch_->setInterval(250);
      QObject::connect(watch_, &QTimer::timeout, context_, [this] {
#ifdef Q_OS_UNIX
        pollfd p{static_cast<int>(port_->handle()), 0, 0};
        if (p.fd >= 0 && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
          loseLine(QStringLiteral("hang-up"));
#endif
      });
    }
    if (port_->isOpen()) port_->close();
    port_->setPortName(QString::fromStdString(name));
    port_->setBaudRate(QSerialPort::Baud19200);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(2048);
    if (!port_->open(QIODevice::ReadWrite)) {
      error = port_->errorString().toStdString();
      return;
    }
#ifdef Q_OS_UNIX
    // Drop the modem lines the driver raised on opening at once, and keep
    // them low when the port closes.
    if (const int fd = static_cast<int>(port_->handle()); fd >= 0) {
      int bits = TIOCM_DTR | TIOCM_RTS;
      ::ioctl(fd, TIOCMBIC, &bits);
      termios tio{};
      if (::tcgetattr(fd, &tio) == 0) {
        tio.c_cflag &= ~static_cast<tcflag_t>(HUPCL);
        ::tcsetattr(fd, TCSANOW, &tio);
      }
    }
#endif
    // Pseudo-terminals have no modem lines; failing to drop them is harmless.
    if (!port_->setDataTerminalReady(false) || !port_->setRequestToSend(false))
      qCDebug(lcSerial) << "cannot clear DTR/RTS on" << port_->portName();
    port_->clearError();
    ok = true;
    open_ = true;
    watch_->start();
  });
  if (ok) {
    std::lock_guard lock(mutex_);
    name_ = name;
  }
  if (!ok) open_ = false;
  return ok;
}

void SerialPortQt::close() {
  if (!thread_.isRunning()) return;
  onPortThread([&] {
    if (watch_) watch_->stop();
    if (port_ && port_->isOpen()) port_->close();
  });
  open_ = false;
}

std::string SerialPortQt::name() const {
  std::lock_guard lock(mutex_);
  return name_;
}

std::size_t SerialPortQt::write(std::span<const std::uint8_t> bytes) {
  if (!open_) return 0;
  qint64 written = 0;
  onPortThread([&] {
    if (!port_ || !port_->isOpen()) return;
    written = port_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written > 0) port_->waitForBytesWritten(100);
  });
  return written > 0 ? static_cast<std::size_t>(written) : 0;
}

void SerialPortQt::setReceiveHandler(ReceiveHandler handler) {
  std::lock_guard lock(mutex_);
  handler_ = std::move(handler);
}

void SerialPortQt::setLostHandler(LostHandler handler) {
  std::lock_guard lock(mutex_);
  lostHandler_ = std::move(handler);
}

void SerialPortQt::loseLine(const QString& reason) {
  if (!open_) return;
  qCWarning(lcSerial) << "serial port lost:" << reason;
  open_ = false;
  watch_->stop();
  port_->close();
  lose(reason.toStdString());
}

void SerialPortQt::lose(const std::string& reason) {
  LostHandler handler;
  {
    std::lock_guard lock(mutex_);
    handler = lostHandler_;
  }
  if (handler) handler(reason);
}

void SerialPortQt::deliver() {
  if (!port_ || !port_->isOpen()) return;
  const QByteArray data = port_->readAll();
  if (data.isEmpty()) return;
  ReceiveHandler handler;
  {
    std::lock_guard lock(mutex_);
    handler = handler_;
  }
  if (handler)
    handler(std::span(reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())));
}

}  // namespace velmora
