#include "OptionsDeviceHost.h"

#include <QAction>
#include <QSerialPortInfo>

#include "DeviceLink.h"
#include "EDeviceError.h"
#include "Options.h"
#include "SerialPortFactory.h"
#include "TTavrelDevice.h"

namespace velmora {

OptionsDeviceHost::OptionsDeviceHost(DeviceLink& link, Options& options, QAction* resetAction)
    : link_(link), options_(options), reset_(resetAction) {}

TTavrelDevice& OptionsDeviceHost::device() { return link_.device(); }

std::vector<std::string> OptionsDeviceHost::availablePorts() const {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names.push_back(info.portName().toStdString());
  names.emplace_back(SerialPortFactory::EmulatorName);
  return names;
}

std::string OptionsDeviceHost::currentPort() const { return link_.portName().toStdString(); }

bool OptionsDeviceHost::switchPort(const std::string& name) {
  // A name no port carries would silently become the emulator: refuse it
  // and keep the port in use.
  if (!SerialPortFactory::isEmulatorName(name) && !SerialPortFactory::portExists(name)) return false;
  link_.configure(name, link_.device().UseNew3in1(), options_.asInitTimeout);
  options_.portName = name;
  // Another port: the analyzer comes on line again only through a reset.
  TTavrelDevice& d = link_.device();
  if (d.Active() || d.DeviceStatus() != -1) {
    d.ClearLinkState();
    if (d.OnStatusChange) d.OnStatusChange();
  }
  try {
    link_.device().OpenPort();
  } catch (const EDeviceError&) {
    return false;
  }
  return true;
}

void OptionsDeviceHost::resetDevice(std::function<void()> done) {
  QObject::connect(
      &link_, &DeviceLink::resetDone, &link_, [done = std::move(done)] { done(); }, Qt::SingleShotConnection);
  // A reset already running reports to `done` as well.
  if (link_.resetting()) return;
  if (reset_ && reset_->isEnabled())
    reset_->trigger();
  else
    link_.reset();
}

void OptionsDeviceHost::setUseNew3in1(bool use) {
  link_.device().SetUseNew3in1(use);
  options_.useNew3in1 = use;
}

}  // namespace velmora
