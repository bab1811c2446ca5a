#pragma once
// One running copy of a program: a second start hands its request to the running copy and ends.
// The running copy also takes a "close" request (the editor's "Test skin" closes the tester this
// way before it starts a new one).
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace tessera::standin {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` names the program; the server name is made unique per user and skins folder.
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);

  // True when another copy runs and took the request; this copy should end.
  bool handOverToRunningCopy();
  // Becomes the running copy: later starts emit `activated`, close requests `closeRequested`.
  void listen();
  const QString& serverName() const { return name_; }

 signals:
  void activated();
  // Emitted after the server has stopped listening and the requester has been answered; the
  // program should close its window and quit.
  void closeRequested();

 private:
  void readRequests(QLocalSocket* socket);

  QString name_;
  QLocalServer server_;
};

}  // namespace tessera::standin
