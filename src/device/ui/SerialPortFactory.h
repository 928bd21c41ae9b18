#pragma once

#include <memory>
#include <string>

#include "ISerialPort.h"

namespace velmora {

class AnalyzerEmulator;
class IClock;

// Chooses the serial port for the configured name (settings key "Port" /
// "Name"): "emulator" (any case), an empty name, or a name that no serial
// port of this system carries gives the built-in analyzer emulator;
// anything else is opened as a real serial port.
class SerialPortFactory {
 public:
  struct Port {
    std::unique_ptr<ISerialPort> port;
    std::string name;                            // the name to open
    std::shared_ptr<AnalyzerEmulator> emulator;  // set when emulated
    bool emulated() const { return emulator != nullptr; }
  };

  static constexpr const char* EmulatorName = "emulator";

  static bool isEmulatorName(const std::string& name);
  // True when a serial port of that name (or device path) exists here.
  static bool portExists(const std::string& name);
  // The emulator runs on `emulatorClock` (real time for the workstation).
  static Port create(const std::string& configuredName, IClock& emulatorClock);
};

}  // namespace velmora
