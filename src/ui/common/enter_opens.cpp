#include "ui/common/enter_opens.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>

namespace tessera::ui {

namespace {

class EnterFilter final : public QObject {
 public:
  EnterFilter(QAbstractItemView* view, std::function<void(const QModelIndex&)> open)
      : QObject(view), view_(view), open_(std::move(open)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != view_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    // Enter with a real modifier (Alt+Enter and the like) is left to whoever else handles it. The
    // keypad flag and the keyboard layout group are no such modifiers: X reports the group switch
    // on every key while a second layout is active, and QDialog's default button then ignores
    // Return (it only tolerates extra modifiers on the keypad's Enter).
    constexpr Qt::KeyboardModifiers kNotModifiers = Qt::KeypadModifier | Qt::GroupSwitchModifier;
    if ((key->modifiers() & ~kNotModifiers) != Qt::NoModifier) return false;
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return false;
    open_(current);
    return true;
  }

 private:
  QAbstractItemView* view_;
  std::function<void(const QModelIndex&)> open_;
};

}  // namespace

void OpenOnEnter(QAbstractItemView* view, std::function<void(const QModelIndex&)> open) {
  view->installEventFilter(new EnterFilter(view, std::move(open)));
}

}  // namespace tessera::ui
