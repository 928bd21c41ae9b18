#include "PseudoTerminalHost.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

namespace velmora {

PseudoTerminalHost::PseudoTerminalHost(std::shared_ptr<AnalyzerEmulator> emulator) : emulator_(std::move(emulator)) {}

PseudoTerminalHost::~PseudoTerminalHost() { stop(); }

bool PseudoTerminalHost::start(const std::filesystem::path& link, std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    stop();
    return false;
  }
  char name[256] = {};
  if (ptsname_r(master_, name, sizeof name) != 0) {
    error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
    stop();
    return false;
  }
  slaveName_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    error = std::string("cannot open ") + name + ": " + std::strerror(errno);
    stop();
    return false;
  }
  termios tio{};
  if (tcgetattr(slave_, &tio) == 0) {
    cfmakeraw(&tio);
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    tcsetattr(slave_, TCSANOW, &tio);
  }
  std::error_code ec;
  if (std::filesystem::is_symlink(link, ec) || !std::filesystem::exists(link, ec)) {
    std::filesystem::remove(link, ec);
  } else {
    error = link.string() + " exists and is not a link";
    stop();
    return false;
  }
  std::filesystem::create_symlink(slaveName_, link, ec);
  if (ec) {
    error = "cannot create the link " + link.string() + ": " + ec.message();
    stop();
    return false;
  }
  link_ = link;
  stop_ = false;
  thread_ = std::thread([this] { serve(); });
  return true;
}

void PseudoTerminalHost::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  emulator_->setOutput(nullptr);
  if (!link_.empty()) {
    std::error_code ec;
    std::filesystem::remove(link_, ec);
    link_.clear();
  }
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

void PseudoTerminalHost::serve() {
  const int fd = master_;
  emulator_->setOutput([fd](std::span<const std::uint8_t> chunk) {
    std::size_t done = 0;
    while (done < chunk.size()) {
      const ssize_t n = ::write(fd, chunk.data() + done, chunk.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;
      done += static_cast<std::size_t>(n);
    }
    // Let split pieces arrive as separate chunks at the other side.
    if (chunk.size() < 8) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  });
  std::vector<std::uint8_t> buffer(4096);
  while (!stop_) {
    pollfd pfd{fd, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, 3);
    if (ready > 0 && (pfd.revents & POLLIN)) {
      const ssize_t n = ::read(fd, buffer.data(), buffer.size());
      if (n > 0) emulator_->receive(std::span(buffer.data(), static_cast<std::size_t>(n)));
    } else if (ready > 0 && (pfd.revents & (POLLHUP | POLLERR))) {
      // No client at the moment; wait for the next one.
      std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    emulator_->tick();
  }
}

}  // namespace velmora
