#include "standin/programs/single_instance.h"

#include <QLocalSocket>

#include "core/app/test_skin.h"
#include "core/platform/environment.h"

namespace tessera::standin {

namespace {
constexpr int kTimeoutMs = 500;

QByteArray line(std::string_view word) { return QByteArray(word.data(), static_cast<qsizetype>(word.size())) + '\n'; }
bool is(const QByteArray& request, std::string_view word) {
  return request.trimmed() == QByteArray(word.data(), static_cast<qsizetype>(word.size()));
}
}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(QString::fromStdString(ProgramServerName(key.toStdString(), GetSkinsFolderFresh()))) {}

bool SingleInstance::handOverToRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write(line(kActivateRequest));
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
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequests(socket); });
      readRequests(socket);
    }
  });
}

void SingleInstance::readRequests(QLocalSocket* socket) {
  while (socket->canReadLine()) {
    const QByteArray request = socket->readLine();
    if (is(request, kActivateRequest)) {
      emit activated();
    } else if (is(request, kCloseRequest)) {
      // Stop listening first: a tester started right after the answer becomes the running copy.
      server_.close();
      socket->write(line(kClosedReply));
      socket->flush();
      socket->waitForBytesWritten(kTimeoutMs);
      emit closeRequested();
      return;
    }
  }
}

}  // namespace tessera::standin
