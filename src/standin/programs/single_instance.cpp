#include "standin/programs/single_instance.h"

#include <QLocalSocket>
#include <unistd.h>

namespace tessera::standin {

namespace {
constexpr int kTimeoutMs = 500;
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(QStringLiteral("tessera-%1-%2").arg(key).arg(::getuid())) {}

bool SingleInstance::handOverToRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write("activate\n");
  socket.waitForBytesWritten(kTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::listen() {
  // A copy that crashed leaves its socket behind; nothing answers on it any more.
  QLocalServer::removeServer(name_);
  server_.listen(name_);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      emit activated();
    }
  });
}

}  // namespace tessera::standin
