#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

class TTavrelDevice;

// What the Options dialog needs from the workstation's analyzer link: the
// device component, the serial ports and the "Reset device" command.
class IOptionsDeviceHost {
 public:
  virtual ~IOptionsDeviceHost() = default;

  virtual TTavrelDevice& device() = 0;
  // The serial ports present on this computer, plus the built-in emulator.
  virtual std::vector<std::string> availablePorts() const = 0;
  // The name of the port in use ("emulator" for the built-in emulator).
  virtual std::string currentPort() const = 0;
  // Closes the port in use and opens `name` at once; false when it cannot
  // be opened (the caller tells the user).
  virtual bool switchPort(const std::string& name) = 0;
  // Runs the workstation's "Reset device"; `done` is called on the UI
  // thread once the handshake has ended, well or badly.
  virtual void resetDevice(std::function<void()> done) = 0;
  // The operator's three-in-one choice, applied at once.
  virtual void setUseNew3in1(bool use) = 0;
};

}  // namespace velmora
