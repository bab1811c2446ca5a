#pragma once
// What the interface crawl shares: answering one modal dialog of an expected type, making one
// edit on the first editable control of a page, and closing an editor in one of three ways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace tessera::ui::crawl {

// Answers the next application-modal window, which must be a `T`: create before the code that
// runs its exec and keep until it has returned. It watches for the window being shown and answers
// from a zero timer, which fires once the window's own event loop runs. Any other modal dialog
// fails the test and is rejected, so that a wrong dialog ends the test instead of hanging it.
class ModalAnswer : public QObject {
 public:
  ModalAnswer(const QMetaObject& expected, std::function<void(QWidget*)> answer);
  ~ModalAnswer() override;
  bool answered() const { return answered_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QMetaObject& expected_;
  std::function<void(QWidget*)> answer_;
  bool answered_ = false;
};

template <typename T>
std::unique_ptr<ModalAnswer> AnswerNextModal(std::function<void(T*)> answer) {
  return std::make_unique<ModalAnswer>(T::staticMetaObject,
                                       [answer = std::move(answer)](QWidget* window) { answer(static_cast<T*>(window)); });
}

// How an editor is closed right after its last edit.
enum class CloseBy { Ok, Cancel, Escape };
CloseBy NthClose(int n);
const char* CloseName(CloseBy how);

// Closes a dialog with its OK button (or its default or "Close" button), its Cancel button (or its
// "Close" button, else the window's close button) or the Escape key. False when it had no OK.
bool CloseDialog(QDialog& dialog, CloseBy how);

// Makes one edit on the first enabled, visible, editable control of `page`: steps a spin box or
// a slider up, types a character into a line edit and finishes it, toggles a check box, or moves
// a combo box to its next item. Returns the control's class name, empty when there is none.
std::string EditFirstControl(QWidget& page);

// Runs deleteLater requests and the events queued behind them.
void DrainEvents();

// The application's top-level widgets now, after pending deletions.
QSet<QWidget*> TopLevels();

}  // namespace tessera::ui::crawl
