#include "PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmora {

PosixSerialPort::~PosixSerialPort() { close(); }

bool PosixSerialPort::open(const std::string& name, std::string& error) {
  std::lock_guard life(lifecycle_);
  if (fd_ >= 0 && !lost_) return true;
  // A line lost before is released first.
  closeLocked();
  const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  // Opening raises DTR and RTS on most drivers: drop them at once (a
  // pseudo-terminal has no modem lines, so a failure here is no fault).
  int bits = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIC, &bits);
  auto refuse = [&] {
    error = std::strerror(errno);
    ::close(fd);
    return false;
  };
  // Only a terminal has line settings: anything else is no serial port.
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return refuse();
  ::cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | HUPCL);
  tio.c_cflag |= CS8;
#ifdef CRTSCTS
  tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, B19200) != 0 || ::cfsetospeed(&tio, B19200) != 0) return refuse();
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) return refuse();
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return refuse();
  wakeRead_ = pipeFds[0];
  wakeWrite_ = pipeFds[1];
  {
    std::lock_guard lock(mutex_);
    name_ = name;
  }
  stop_ = false;
  lost_ = false;
  fd_ = fd;
  reader_ = std::thread([this] { readLoop(); });
  return true;
}

void PosixSerialPort::close() {
  std::lock_guard life(lifecycle_);
  closeLocked();
}

void PosixSerialPort::closeLocked() {
  if (fd_ < 0) return;
  stop_ = true;
  const std::uint8_t wake = 1;
  [[maybe_unused]] const auto ignored = ::write(wakeWrite_, &wake, 1);
  if (reader_.joinable()) reader_.join();
  ::close(fd_.exchange(-1));
  ::close(wakeRead_);
  ::close(wakeWrite_);
  wakeRead_ = wakeWrite_ = -1;
}

bool PosixSerialPort::isOpen() const { return fd_ >= 0 && !lost_; }

std::string PosixSerialPort::name() const {
  std::lock_guard lock(mutex_);
  return name_;
}

std::size_t PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
  const int fd = fd_;
  if (fd < 0 || lost_) return 0;
  std::size_t done = 0;
  int idle = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      idle = 0;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && ++idle < 200) {
      pollfd p{fd, POLLOUT, 0};
      ::poll(&p, 1, 10);
      continue;
    }
    break;
  }
  return done;
}

void PosixSerialPort::setReceiveHandler(ReceiveHandler handler) {
  std::lock_guard lock(mutex_);
  handler_ = std::move(handler);
}

void PosixSerialPort::setLostHandler(LostHandler handler) {
  std::lock_guard lock(mutex_);
  lostHandler_ = std::move(handler);
}

void PosixSerialPort::lose(const std::string& reason) {
  if (lost_.exchange(true)) return;
  LostHandler handler;
  {
    std::lock_guard lock(mutex_);
    handler = lostHandler_;
  }
  if (handler) handler(reason);
}

void PosixSerialPort::readLoop() {
  std::uint8_t buffer[2048];
  while (!stop_) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, 200);
    if (ready < 0 && errno != EINTR) {
      lose(std::strerror(errno));
      return;
    }
    if (ready <= 0 || stop_) continue;
    const short events = fds[0].revents;
    if (events & POLLNVAL) {
      lose(std::strerror(EBADF));
      return;
    }
    if (events & (POLLIN | POLLHUP | POLLERR)) {
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n > 0) {
        ReceiveHandler handler;
        {
          std::lock_guard lock(mutex_);
          handler = handler_;
        }
        if (handler) handler(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)));
        continue;
      }
      if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) && !(events & (POLLHUP | POLLERR)))
        continue;
      // End of file, a hang-up or an I/O error (an unplugged adapter, the
      // other end of a pseudo-terminal closed): the line is gone.
      lose(n < 0 ? std::strerror(errno) : std::string("hang-up"));
      return;
    }
  }
}

}  // namespace velmora
