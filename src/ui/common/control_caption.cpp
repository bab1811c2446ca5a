#include "ui/common/control_caption.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace tessera::ui {

namespace {

// "&Top margin :" -> "Top margin"
QString plain(QString text) {
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  while (text.endsWith(QLatin1Char(':'))) text = text.chopped(1).trimmed();
  return text;
}

QString labelText(const QWidget* widget) {
  const auto* label = qobject_cast<const QLabel*>(widget);
  return label ? plain(label->text()) : QString();
}

// The layout, at any depth below `root`, that holds `widget` itself.
QLayout* layoutHolding(QLayout* root, const QWidget* widget) {
  if (!root) return nullptr;
  for (int i = 0; i < root->count(); ++i) {
    QLayoutItem* item = root->itemAt(i);
    if (item->widget() == widget) return root;
    if (QLayout* found = layoutHolding(item->layout(), widget)) return found;
  }
  return nullptr;
}

QString captionInLayout(QLayout* layout, const QWidget* widget) {
  if (auto* form = qobject_cast<QFormLayout*>(layout)) return labelText(form->labelForField(const_cast<QWidget*>(widget)));
  const int index = layout->indexOf(widget);
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    for (int before = column - 1; before >= 0; --before) {
      if (QLayoutItem* item = grid->itemAtPosition(row, before)) {
        if (const QString text = labelText(item->widget()); !text.isEmpty()) return text;
      }
    }
    return {};
  }
  if (qobject_cast<QBoxLayout*>(layout)) {
    // Only the widget right before the control (spacings skipped) is its label, and only when it
    // is not another control's label.
    for (int before = index - 1; before >= 0; --before) {
      const QWidget* previous = layout->itemAt(before)->widget();
      if (!previous) continue;
      const auto* label = qobject_cast<const QLabel*>(previous);
      return label && (!label->buddy() || label->buddy() == widget) ? labelText(label) : QString();
    }
  }
  return {};
}

}  // namespace

QString ControlCaption(const QWidget* control, const QWidget* window) {
  for (const QWidget* widget = control; widget && widget != window; widget = widget->parentWidget()) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty()) {
      return plain(button->text());
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->buddy() == widget) return plain(label->text());
    }
    const QWidget* parent = widget->parentWidget();
    if (QLayout* layout = parent ? layoutHolding(parent->layout(), widget) : nullptr) {
      if (const QString text = captionInLayout(layout, widget); !text.isEmpty()) return text;
    }
  }
  return {};
}

}  // namespace tessera::ui
