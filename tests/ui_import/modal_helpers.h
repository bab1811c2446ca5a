#pragma once
// Answers the modal windows a dialog opens from inside its own event loop.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace tessera::ui::testing {

// Runs `answer` on the next modal window that opens (polling, so it also finds windows opened
// several steps later), at most `attempts` times 20 ms.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int attempts = 250) {
  auto* poll = new QTimer;
  poll->setInterval(20);
  auto left = std::make_shared<int>(attempts);
  QObject::connect(poll, &QTimer::timeout, [poll, left, answer = std::move(answer)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal || --*left <= 0) {
      poll->stop();
      poll->deleteLater();
      if (modal) answer(modal);
    }
  });
  poll->start();
}

}  // namespace tessera::ui::testing
