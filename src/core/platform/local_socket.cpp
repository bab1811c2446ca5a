#include "core/platform/local_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace tessera {

namespace {

long long nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string LocalServerPath(std::string_view serverName) {
  if (!serverName.empty() && serverName.front() == '/') return std::string(serverName);
  return QDir::tempPath().toStdString() + "/" + std::string(serverName);
}

LocalSocketClient::~LocalSocketClient() { close(); }

void LocalSocketClient::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  buffer_.clear();
}

bool LocalSocketClient::waitFor(short events, long long deadline) const {
  for (;;) {
    const long long left = deadline - nowMs();
    if (left < 0) return false;
    pollfd entry{fd_, events, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(left));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return false;
  }
}

bool LocalSocketClient::connectTo(std::string_view serverName, int timeoutMs) {
  close();
  const std::string path = LocalServerPath(serverName);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

  fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return false;
  // A local connect only waits while the server's backlog is full; the send timeout bounds that.
  const timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  ::setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
  const int result = ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
  // Anything else means nobody listens (a stale socket file included) or the time ran out.
  if (result != 0 || ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK) != 0) {
    close();
    return false;
  }
  return true;
}

bool LocalSocketClient::writeLine(std::string_view line, int timeoutMs) {
  if (fd_ < 0) return false;
  const std::string data = std::string(line) + '\n';
  const long long deadline = nowMs() + timeoutMs;
  std::size_t sent = 0;
  while (sent < data.size()) {
    const ssize_t n = ::send(fd_, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      if (!waitFor(POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

bool LocalSocketClient::fill() {
  char chunk[512];
  for (;;) {
    const ssize_t n = ::recv(fd_, chunk, sizeof(chunk), 0);
    if (n > 0) {
      buffer_.append(chunk, static_cast<std::size_t>(n));
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
    return false;  // closed by the server, or failed
  }
}

std::optional<std::string> LocalSocketClient::readLine(int timeoutMs) {
  const long long deadline = nowMs() + timeoutMs;
  while (fd_ >= 0) {
    if (const std::size_t end = buffer_.find('\n'); end != std::string::npos) {
      std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      return line;
    }
    if (!waitFor(POLLIN, deadline)) return std::nullopt;
    if (!fill()) {
      close();
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool LocalSocketClient::waitForClosed(int timeoutMs) {
  const long long deadline = nowMs() + timeoutMs;
  while (fd_ >= 0) {
    if (!waitFor(POLLIN, deadline)) return false;
    buffer_.clear();
    if (!fill()) close();
  }
  return true;
}

}  // namespace tessera
