#include "window_size_watch.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QWidget>

#include "ui/app/window_placement.h"

namespace tessera::ui::crawl {

namespace {

// Room for the title bar above a window, as the first placement leaves it.
constexpr int kTitleBar = 24;
// A number field may grow to this many times its own width, not across the page.
constexpr int kFieldGrowth = 2;

QString describe(const QWidget* window) {
  return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle());
}

// Where a control sits: the classes of the widgets around it, up to its window.
QString placeOf(const QWidget* control) {
  QStringList classes;
  for (const QWidget* w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
    const QString name = QString::fromLatin1(w->metaObject()->className());
    if (name.startsWith(QLatin1String("tessera::"))) classes.prepend(name.section(QLatin1String("::"), -1));
  }
  return classes.join(QLatin1Char('/'));
}

QString text(QSize size) { return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()); }

}  // namespace

WindowSizeWatch::WindowSizeWatch() { qApp->installEventFilter(this); }

WindowSizeWatch::~WindowSizeWatch() { qApp->removeEventFilter(this); }

bool WindowSizeWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  // Menus, tool tips and pop-up lists size themselves to their items.
  if (!window->isWindow() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip ||
      qobject_cast<QMenu*>(window)) {
    return false;
  }
  ++seen_;
  const QRect screen = AvailableScreenAreas().value(0);
  const QSize room = screen.size() - QSize(0, kTitleBar);
  const QSize size = window->size();
  const QSize wanted = window->sizeHint().expandedTo(window->minimumSizeHint()).boundedTo(room);
  if (size.width() > room.width() || size.height() > room.height()) {
    note(QStringLiteral("%1 opens at %2, larger than the screen's %3").arg(describe(window), text(size), text(room)));
  } else if (size.width() < wanted.width() || size.height() < wanted.height()) {
    note(QStringLiteral("%1 opens at %2, smaller than its content's %3").arg(describe(window), text(size), text(wanted)));
  }
  checkFields(*window);
  return false;
}

void WindowSizeWatch::checkFields(const QWidget& area) {
  const QWidget* window = area.window();
  for (const QAbstractSpinBox* field : area.findChildren<QAbstractSpinBox*>()) {
    if (!field->isVisibleTo(window)) continue;
    const int own = field->sizeHint().width();
    if (field->width() <= kFieldGrowth * own) continue;
    note(QStringLiteral("%1: a number field in %2 is %3 wide for a content of %4")
             .arg(describe(window), placeOf(field))
             .arg(field->width())
             .arg(own));
  }
}

void WindowSizeWatch::note(const QString& misfit) {
  if (noted_.contains(misfit)) return;
  noted_.insert(misfit);
  misfits_ << misfit;
}

}  // namespace tessera::ui::crawl
