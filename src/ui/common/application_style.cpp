#include "ui/common/application_style.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>

namespace tessera::ui {

namespace {

// Two chevrons pointing right (or down), in the button text colour of the palette.
QPixmap chevrons(int size, bool vertical, const QColor& colour) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, size / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const double s = size;
  QPainterPath path;
  for (const double start : {0.25, 0.5}) {
    path.moveTo(start * s, 0.3 * s);
    path.lineTo((start + 0.2) * s, 0.5 * s);
    path.lineTo(start * s, 0.7 * s);
  }
  if (vertical) painter.setTransform(QTransform(0, 1, 1, 0, 0, 0));  // mirrored on the diagonal
  painter.drawPath(path);
  return pixmap;
}

}  // namespace

ApplicationStyle::ApplicationStyle(QStyle* base) : QProxyStyle(base) {}

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
    const QPalette palette = option ? option->palette : widget ? widget->palette() : QApplication::palette();
    const QColor colour = palette.color(QPalette::ButtonText);
    const bool vertical = icon == SP_ToolBarVerticalExtensionButton;
    QIcon drawn;
    for (const int size : {16, 32}) drawn.addPixmap(chevrons(size, vertical, colour));
    return drawn;
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

QString StyleName() {
  const QStyle* style = QApplication::style();
  if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  return style ? style->name() : QString();
}

}  // namespace tessera::ui
