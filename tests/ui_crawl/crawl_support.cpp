#include "crawl_support.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace tessera::ui::crawl {

ModalAnswer::ModalAnswer(const QMetaObject& expected, std::function<void(QWidget*)> answer)
    : expected_(expected), answer_(std::move(answer)) {
  qApp->installEventFilter(this);
}

ModalAnswer::~ModalAnswer() { qApp->removeEventFilter(this); }

bool ModalAnswer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || answered_ || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  if (!window->isWindow() || window->windowModality() != Qt::ApplicationModal) return false;
  if (window->metaObject()->inherits(&expected_)) {
    answered_ = true;
    QTimer::singleShot(0, window, [this, window] { answer_(window); });
    return false;
  }
  ADD_FAILURE() << "expected a modal " << expected_.className() << ", found " << window->metaObject()->className()
                << " \"" << window->windowTitle().toStdString() << "\"";
  if (auto* dialog = qobject_cast<QDialog*>(window)) QTimer::singleShot(0, dialog, &QDialog::reject);
  return false;
}

CloseBy NthClose(int n) {
  switch (n % 3) {
    case 0: return CloseBy::Ok;
    case 1: return CloseBy::Cancel;
    default: return CloseBy::Escape;
  }
}

const char* CloseName(CloseBy how) {
  switch (how) {
    case CloseBy::Ok: return "OK";
    case CloseBy::Cancel: return "Cancel";
    default: return "Escape";
  }
}

namespace {

// The button that answers a dialog with OK (its button box's OK, else "OK", "Close" or its default
// button) or Cancel (its button box's Cancel, else "Cancel" or "Close").
QPushButton* findButton(QDialog& dialog, CloseBy how) {
  const auto role = how == CloseBy::Ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
  for (auto* box : dialog.findChildren<QDialogButtonBox*>())
    if (QPushButton* button = box->button(role); button && button->isVisible()) return button;
  const auto buttons = dialog.findChildren<QPushButton*>();
  auto captioned = [&](const QString& caption) -> QPushButton* {
    for (auto* button : buttons)
      if (button->text().remove(QLatin1Char('&')) == caption && button->isVisible()) return button;
    return nullptr;
  };
  if (how == CloseBy::Cancel) {
    if (QPushButton* button = captioned(QStringLiteral("Cancel"))) return button;
    return captioned(QStringLiteral("Close"));
  }
  if (QPushButton* button = captioned(QStringLiteral("OK"))) return button;
  if (QPushButton* button = captioned(QStringLiteral("Close"))) return button;
  for (auto* button : buttons)
    if (button->isDefault() && button->isVisible() && button->isEnabled()) return button;
  return nullptr;
}

bool editable(QWidget* widget) {
  if (!widget->isEnabled() || !widget->isVisible()) return false;
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    // The text field inside a spin box or an editable combo box is edited through its owner.
    QWidget* owner = line->parentWidget();
    if (qobject_cast<QAbstractSpinBox*>(owner) || qobject_cast<QComboBox*>(owner)) return false;
    return !line->isReadOnly();
  }
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) return !spin->isReadOnly();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->count() > 1;
  return qobject_cast<QCheckBox*>(widget) || qobject_cast<QSlider*>(widget);
}

}  // namespace

bool CloseDialog(QDialog& dialog, CloseBy how) {
  if (how == CloseBy::Escape) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &dialog) target = &dialog;
    QTest::keyClick(target, Qt::Key_Escape);
    return true;
  }
  if (QPushButton* button = findButton(dialog, how)) {
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
  }
  if (how == CloseBy::Cancel) {
    // No Cancel button: the window's close button.
    dialog.close();
    return true;
  }
  return false;
}

std::string EditFirstControl(QWidget& page) {
  for (QWidget* widget : page.findChildren<QWidget*>()) {
    if (!editable(widget)) continue;
    widget->setFocus(Qt::TabFocusReason);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
      QTest::keyClick(spin, Qt::Key_Up);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      QTest::keyClicks(line, QStringLiteral("7"));
      emit line->editingFinished();
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      box->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      // As the arrow keys do: the next item, or the one before at the end of the list.
      QTest::keyClick(combo, combo->currentIndex() + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
      slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    return widget->metaObject()->className();
  }
  return {};
}

void DrainEvents() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

QSet<QWidget*> TopLevels() {
  DrainEvents();
  QSet<QWidget*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) windows.insert(widget);
  return windows;
}

}  // namespace tessera::ui::crawl
