#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FirstStartPort.h"
#include "ISerialPort.h"

namespace velmora {

class AnalyzerEmulator;
class IClock;

// Chooses the serial port for the configured name (settings key "Port" /
// "Name"): only the name "emulator" (any case) gives the built-in analyzer
// emulator, whose curves are simulated; anything else is a real serial
// port, which refuses to open when no such port is there.
class SerialPortFactory {
 public:
  struct Port {
    std::unique_ptr<ISerialPort> port;
    std::string name;                            // the name to open
    std::shared_ptr<AnalyzerEmulator> emulator;  // set when emulated
    bool emulated() const { return emulator != nullptr; }
  };

  static constexpr const char* EmulatorName = "emulator";

  // What the built-in emulator carries besides the analyzer.
  struct EmulatorSetup {
    bool autosampler = false;
  };

  static bool isEmulatorName(const std::string& name);
  // True when a serial port of that name (or device path) exists here.
  static bool portExists(const std::string& name);
  // The emulator runs on `emulatorClock` (real time for the workstation).
  static Port create(const std::string& configuredName, IClock& emulatorClock, const EmulatorSetup& setup);
  static Port create(const std::string& configuredName, IClock& emulatorClock) {
    return create(configuredName, emulatorClock, EmulatorSetup{});
  }
  // The serial ports of this computer, named as the settings name them.
  static std::vector<FirstStartPort::Present> presentPorts();
  // The port on a first start (no settings file yet), from presentPorts().
  static FirstStartPort::Result firstStartPort(const std::string& configured) {
    return FirstStartPort::Choose(configured, presentPorts());
  }
};

}  // namespace velmora
