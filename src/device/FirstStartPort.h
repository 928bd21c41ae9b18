#pragma once

#include <string>
#include <vector>

namespace velmora {

// The analyzer's port on a first start (no settings file yet), chosen from
// the serial ports this computer has. The analyzer is taken to be where it
// can be found: the configured port where it exists, else the one USB
// serial adapter plugged in. A computer without any serial port gets the
// built-in emulator; one whose ports are all of other kinds (the board's
// own "/dev/ttyS0") opens no port, and the user chooses one in the settings.
class FirstStartPort {
 public:
  // One serial port of this computer.
  struct Present {
    std::string name;     // as the settings name it ("/dev/ttyUSB0", "COM3")
    std::string altName;  // the same port by its other name ("ttyUSB0"), may be empty
    bool usbAdapter = false;
  };
  enum class Choice {
    Configured,  // the configured name: it is the emulator or it exists
    Adapter,     // the single USB serial adapter
    Emulator,    // no serial port at all: the built-in emulator
    None,        // nothing that looks like the analyzer: no port is opened
  };
  struct Result {
    Choice choice = Choice::None;
    std::string portName;  // what the settings name from now on
    // Whether the port is opened at start.
    bool open() const { return choice != Choice::None; }
  };

  static Result Choose(const std::string& configured, const std::vector<Present>& present);
};

}  // namespace velmora
