#pragma once

#include <QPointer>

#include "IOptionsDeviceHost.h"

class QAction;

namespace velmora {

class DeviceLink;
struct Options;

// The Options dialog's view of the workstation's analyzer link: port
// changes and the three-in-one choice go to the link and into the settings
// at once; "Test" runs the "Reset device" action (or the link's reset).
class OptionsDeviceHost final : public IOptionsDeviceHost {
 public:
  OptionsDeviceHost(DeviceLink& link, Options& options, QAction* resetAction = nullptr);

  TTavrelDevice& device() override;
  std::vector<std::string> availablePorts() const override;
  std::string currentPort() const override;
  bool switchPort(const std::string& name) override;
  void resetDevice(std::function<void()> done) override;
  void setUseNew3in1(bool use) override;

 private:
  DeviceLink& link_;
  Options& options_;
  QPointer<QAction> reset_;
};

}  // namespace velmora
