#include "SerialPortFactory.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include "AnalyzerEmulator.h"
#include "EmulatorSerialPort.h"
#include "SerialPortQt.h"

namespace velmora {

bool SerialPortFactory::isEmulatorName(const std::string& name) {
  return QString::fromStdString(name).trimmed().compare(QLatin1String(EmulatorName), Qt::CaseInsensitive) == 0;
}

bool SerialPortFactory::portExists(const std::string& name) {
  const QString n = QString::fromStdString(name).trimmed();
  if (n.isEmpty()) return false;
  // A device path (or a link to one, as the emulator program makes).
  if (n.startsWith(QLatin1Char('/'))) return QFileInfo::exists(n);
  const auto ports = QSerialPortInfo::availablePorts();
  for (const auto& info : ports)
    if (info.portName().compare(n, Qt::CaseInsensitive) == 0 || info.systemLocation() == n) return true;
  return false;
}

SerialPortFactory::Port SerialPortFactory::create(const std::string& configuredName, IClock& emulatorClock,
                                                  const EmulatorSetup& setup) {
  Port result;
  if (isEmulatorName(configuredName)) {
    AnalyzerEmulator::Config config;
    config.autosampler = setup.autosampler;
    result.emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, config);
    result.port = std::make_unique<EmulatorSerialPort>(result.emulator);
    result.name = EmulatorName;
    return result;
  }
  result.port = std::make_unique<SerialPortQt>();
  result.name = QString::fromStdString(configuredName).trimmed().toStdString();
  return result;
}

std::vector<FirstStartPort::Present> SerialPortFactory::presentPorts() {
  std::vector<FirstStartPort::Present> out;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    FirstStartPort::Present p;
#ifdef Q_OS_WIN
    p.name = info.portName().toStdString();
#else
    p.name = info.systemLocation().toStdString();
    p.altName = info.portName().toStdString();
#endif
    // USB serial adapters (and analyzers with a USB port) carry a vendor id.
    p.usbAdapter = info.hasVendorIdentifier();
    out.push_back(std::move(p));
  }
  return out;
}

}  // namespace velmora
