#pragma once
// The client end of a local (Unix-domain) stream socket that speaks in lines: enough to send a
// running program one request and read its answer. The server is a QLocalServer listening on a
// plain name, so the socket is "<temporary folder>/<name>". Plain POSIX: it spares the editor the
// network module at start-up. Every wait is bounded; nothing blocks when no server listens.
#include <optional>
#include <string>
#include <string_view>

namespace tessera {

// The socket file a QLocalServer listening on `serverName` uses (a name starting with "/" is
// already a path).
std::string LocalServerPath(std::string_view serverName);

class LocalSocketClient {
 public:
  LocalSocketClient() = default;
  ~LocalSocketClient();
  LocalSocketClient(const LocalSocketClient&) = delete;
  LocalSocketClient& operator=(const LocalSocketClient&) = delete;

  // False when no server listens on the name (a stale socket file included) or it does not
  // accept within the time.
  bool connectTo(std::string_view serverName, int timeoutMs);
  // Sends `line` and a line feed; false when the connection is gone or the time runs out.
  bool writeLine(std::string_view line, int timeoutMs);
  // The next line, without its line feed; nothing when the server closed the connection, or sent
  // no whole line within the time.
  std::optional<std::string> readLine(int timeoutMs);
  // Waits until the server closes its end (whatever it still sends is dropped); false on timeout.
  bool waitForClosed(int timeoutMs);
  bool isConnected() const { return fd_ >= 0; }

 private:
  // Waits for `events` on the socket until `deadline` (milliseconds of a steady clock).
  bool waitFor(short events, long long deadline) const;
  // Reads what is there into the buffer; false when the server closed or the socket failed.
  bool fill();
  void close();

  int fd_ = -1;
  std::string buffer_;
};

}  // namespace tessera
