#pragma once
// Driving modal dialogs from interface tests without polling and without deadlines.
//
// WhenModal<T>(action) expects the next modal window to be a T. When a modal window is shown,
// the oldest waiter of its type takes it, and `action` runs from inside the dialog's own event
// loop as soon as that loop starts. A modal window that no waiter expects, while one waits or
// while a NoModalExpected lives, fails the test and is rejected at once, so the test never hangs
// on it; the waiter's action never sees it. A waiter whose dialog never came fails the test when
// its handle goes out of scope.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessera::ui::testing {

namespace detail {

struct ModalWaiter {
  std::string typeName;
  std::function<bool(QWidget*)> matches;
  std::function<void(QWidget*)> action;
  bool seen = false;
  bool cancelled = false;
};

// Sees every window that is shown and hands modal ones to their waiters.
class ModalWatch final : public QObject {
 public:
  static ModalWatch& instance() {
    static ModalWatch* watch = [] {
      auto* created = new ModalWatch;
      qApp->installEventFilter(created);
      return created;
    }();
    return *watch;
  }

  void add(std::shared_ptr<ModalWaiter> waiter) { waiters_.push_back(std::move(waiter)); }
  void remove(const std::shared_ptr<ModalWaiter>& waiter) { std::erase(waiters_, waiter); }
  int forbidding = 0;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::Show || !object->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(object);
    if (!window->isWindow() || !window->isModal()) return false;
    for (auto it = waiters_.begin(); it != waiters_.end(); ++it) {
      if (!(*it)->matches(window)) continue;
      std::shared_ptr<ModalWaiter> waiter = *it;
      waiters_.erase(it);
      waiter->seen = true;
      // Queued: it runs once the dialog's exec() has entered its event loop.
      QTimer::singleShot(0, window, [waiter, shown = QPointer<QWidget>(window)] {
        if (shown && !waiter->cancelled) waiter->action(shown);
      });
      return false;
    }
    if (waiters_.empty() && forbidding == 0) return false;
    std::string expected;
    for (const auto& waiter : waiters_) expected += (expected.empty() ? "" : ", ") + waiter->typeName;
    ADD_FAILURE() << "unexpected modal " << window->metaObject()->className() << " \""
                  << window->windowTitle().toStdString() << "\""
                  << (expected.empty() ? std::string(" where none may open") : " while waiting for " + expected);
    QTimer::singleShot(0, window, [shown = QPointer<QWidget>(window)] {
      if (auto* dialog = qobject_cast<QDialog*>(shown)) {
        dialog->reject();
      } else if (shown) {
        shown->close();
      }
    });
    return false;
  }

 private:
  std::vector<std::shared_ptr<ModalWaiter>> waiters_;
};

}  // namespace detail

// The handle of one expected dialog; the test fails if it is destroyed before the dialog came.
class [[nodiscard]] ExpectedModal {
 public:
  explicit ExpectedModal(std::shared_ptr<detail::ModalWaiter> waiter) : waiter_(std::move(waiter)) {}
  ExpectedModal(ExpectedModal&& other) noexcept = default;
  ExpectedModal& operator=(ExpectedModal&& other) noexcept {
    finish();
    waiter_ = std::move(other.waiter_);
    return *this;
  }
  ~ExpectedModal() { finish(); }

  bool seen() const { return waiter_ && waiter_->seen; }

 private:
  void finish() {
    if (!waiter_) return;
    waiter_->cancelled = true;
    if (!waiter_->seen) {
      detail::ModalWatch::instance().remove(waiter_);
      ADD_FAILURE() << "no modal " << waiter_->typeName << " opened";
    }
    waiter_.reset();
  }

  std::shared_ptr<detail::ModalWaiter> waiter_;
};

// Runs `action` on the next modal window of type T, from inside its event loop.
template <typename T>
ExpectedModal WhenModal(std::function<void(T*)> action) {
  auto waiter = std::make_shared<detail::ModalWaiter>();
  waiter->typeName = T::staticMetaObject.className();
  waiter->matches = [](QWidget* window) { return qobject_cast<T*>(window) != nullptr; };
  waiter->action = [action = std::move(action)](QWidget* window) { action(qobject_cast<T*>(window)); };
  detail::ModalWatch::instance().add(waiter);
  return ExpectedModal(std::move(waiter));
}

// While it lives, any modal window fails the test (and is closed so that the test goes on).
class NoModalExpected {
 public:
  NoModalExpected() { ++detail::ModalWatch::instance().forbidding; }
  ~NoModalExpected() { --detail::ModalWatch::instance().forbidding; }
  NoModalExpected(const NoModalExpected&) = delete;
  NoModalExpected& operator=(const NoModalExpected&) = delete;
};

// What a message box showed.
struct CaughtMessage {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool shown = false;
  // Last, so that the waiter goes before the fields it fills.
  std::optional<ExpectedModal> expected;
};

// Records the next message box and closes it with its first button.
inline std::unique_ptr<CaughtMessage> CatchNextMessage() {
  auto caught = std::make_unique<CaughtMessage>();
  caught->expected = WhenModal<QMessageBox>([shown = caught.get()](QMessageBox* box) {
    shown->text = box->text();
    shown->caption = box->windowTitle();
    shown->icon = box->icon();
    shown->shown = true;
    box->buttons().first()->click();
  });
  return caught;
}

}  // namespace tessera::ui::testing
