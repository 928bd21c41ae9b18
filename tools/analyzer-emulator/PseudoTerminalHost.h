#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "AnalyzerEmulator.h"

namespace velmora {

// Serves an analyzer emulator on a pseudo-terminal in raw mode, with a
// symbolic link to its slave side, so that any program can open the link
// as a serial port. The emulator runs on a thread of the host.
class PseudoTerminalHost {
 public:
  explicit PseudoTerminalHost(std::shared_ptr<AnalyzerEmulator> emulator);
  ~PseudoTerminalHost();
  PseudoTerminalHost(const PseudoTerminalHost&) = delete;
  PseudoTerminalHost& operator=(const PseudoTerminalHost&) = delete;

  // Creates the pseudo-terminal and the link (replacing a stale link or an
  // earlier one of ours) and starts serving. Returns false with the reason
  // in `error`.
  bool start(const std::filesystem::path& link, std::string& error);
  // Stops serving, closes the terminal and removes the link.
  void stop();

  const std::string& slaveName() const { return slaveName_; }
  const std::filesystem::path& linkPath() const { return link_; }
  AnalyzerEmulator& emulator() { return *emulator_; }

 private:
  void serve();

  std::shared_ptr<AnalyzerEmulator> emulator_;
  int master_ = -1;
  int slave_ = -1;  // kept open so the line does not hang up between clients
  std::string slaveName_;
  std::filesystem::path link_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace velmora
