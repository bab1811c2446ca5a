#pragma once
// Answers the modal windows a dialog opens from inside its own event loop.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace tessera::ui::testing {

// Runs `answer` on the next modal window that opens and passes `wanted` (polling, so it also
// finds windows opened several steps later), at most `attempts` times 20 ms (generous: a first file dialog opens slowly on a busy machine).
inline void AnswerNextModalWhere(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> answer,
                                 int attempts = 1500) {
  auto* poll = new QTimer;
  poll->setInterval(20);
  auto left = std::make_shared<int>(attempts);
  QObject::connect(poll, &QTimer::timeout, [poll, left, wanted = std::move(wanted), answer = std::move(answer)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !wanted(modal)) modal = nullptr;
    if (modal || --*left <= 0) {
      poll->stop();
      poll->deleteLater();
      if (modal) answer(modal);
    }
  });
  poll->start();
}

inline void AnswerNextModal(std::function<void(QWidget*)> answer) {
  AnswerNextModalWhere([](QWidget*) { return true; }, std::move(answer));
}

}  // namespace tessera::ui::testing
