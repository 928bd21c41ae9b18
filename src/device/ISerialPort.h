#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace velmora {

// A serial line as the device component needs it: 19200 baud, 8 data bits,
// no parity, one stop bit, no flow control, DTR and RTS inactive. Received
// bytes are handed over in chunks, as they arrive, on a thread of the
// port's own.
class ISerialPort {
 public:
  using ReceiveHandler = std::function<void(std::span<const std::uint8_t> chunk)>;
  using LostHandler = std::function<void(const std::string& reason)>;

  virtual ~ISerialPort() = default;
  // Opens the port by name; on failure returns false and leaves the
  // reason in `error` (English, from the platform).
  virtual bool open(const std::string& name, std::string& error) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // The name given to the last open().
  virtual std::string name() const = 0;
  // Writes the bytes; returns how many were written (0 on failure).
  virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
  // Set before open(); called on the port's thread.
  virtual void setReceiveHandler(ReceiveHandler handler) = 0;
  // Set before open(); called once per open, on the port's thread, when the
  // line goes away while open (hang-up, unplugged adapter, I/O error), with
  // the platform's reason. The port counts as closed from then on; open()
  // again once the line is back. Ports that cannot lose their line ignore it.
  virtual void setLostHandler(LostHandler handler) { (void)handler; }
};

}  // namespace velmora
