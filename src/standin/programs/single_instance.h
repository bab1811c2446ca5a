#pragma once
// One running copy of a program: a second start hands its request to the running copy and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace tessera::standin {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` names the program; it is made unique per user.
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);

  // True when another copy runs and took the request; this copy should end.
  bool handOverToRunningCopy();
  // Becomes the running copy: later starts emit `activated`.
  void listen();

 signals:
  void activated();

 private:
  QString name_;
  QLocalServer server_;
};

}  // namespace tessera::standin
