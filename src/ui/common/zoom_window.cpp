#include "ui/common/zoom_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "core/platform/settings.h"
#include "ui/app/window_placement.h"
#include "ui/common/global_hot_key.h"

namespace tessera::ui {

namespace {

QPointer<ZoomWindow>& openWindow() {
  static QPointer<ZoomWindow> window;
  return window;
}

ZoomSources& configuredSources() {
  static ZoomSources sources;
  return sources;
}

bool screenClosedToPrograms() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The part of `area` the screen under it holds, read from the display.
ScreenPicture grabScreen(const QRect& area) {
  QScreen* screen = QGuiApplication::screenAt(area.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect geometry = screen->geometry();
  const QRect part = area.intersected(geometry);
  if (part.isEmpty()) return {{}, area.topLeft()};
  const QPixmap pixmap =
      screen->grabWindow(0, part.x() - geometry.x(), part.y() - geometry.y(), part.width(), part.height());
  return {pixmap.toImage(), part.topLeft()};
}

// What this program's own windows show of `area`, for a desktop that keeps the screen to itself.
ScreenPicture grabOwnWindows(const QRect& area, const QWidget* except) {
  QImage image(area.size(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  image.fill(Qt::black);
  QPainter painter(&image);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window == except || window->isAncestorOf(except)) continue;
    const QRect inside(window->mapToGlobal(QPoint(0, 0)), window->size());
    const QRect part = inside.intersected(area);
    if (part.isEmpty()) continue;
    painter.drawPixmap(part.topLeft() - area.topLeft(), window->grab(part.translated(-inside.topLeft())));
  }
  return {image, area.topLeft()};
}

}  // namespace

ZoomWindow::ZoomWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus), sources_(configuredSources()) {
  setWindowTitle(QStringLiteral("Zoom Window"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_QuitOnClose, false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(130, kButtonRow + 80);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  auto* group = new QButtonGroup(this);
  for (int factor : {2, 4, 8}) {
    auto* button = new QPushButton(QStringLiteral("%1x").arg(factor), this);
    button->setFixedHeight(kButtonRow);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    group->addButton(button, factor);
    factorButtons_ << button;
    row->addWidget(button);
  }
  row->addStretch(1);
  layout->addLayout(row);
  limitation_ = new QLabel(this);
  limitation_->setAutoFillBackground(true);
  layout->addWidget(limitation_);
  layout->addStretch(1);
  connect(group, &QButtonGroup::idClicked, this, &ZoomWindow::setFactor);

  if (!sources_.cursor) sources_.cursor = [] { return QCursor::pos(); };
  if (!sources_.screen) {
    screenUnreadable_ = screenClosedToPrograms();
    sources_.screen = [this](const QRect& area) {
      if (!screenUnreadable_) {
        ScreenPicture picture = grabScreen(area);
        if (!picture.image.isNull() || !QRect(picture.origin, area.size()).intersects(area)) return picture;
        // The display refused: from now on only our own windows are shown, and the window says so.
        screenUnreadable_ = true;
        limitation_->setText(limitation());
        limitation_->setVisible(true);
      }
      return grabOwnWindows(area, this);
    };
  }
  hotKey_ = new GlobalHotKey(this);
  connect(hotKey_, &GlobalHotKey::activated, this, &ZoomWindow::toggleLock);
  limitation_->setText(limitation());
  limitation_->setVisible(!limitation_->text().isEmpty());

  factor_ = ZoomFactorFor(ReadSettingInt(settings::ZoomV));
  if (QAbstractButton* button = group->button(factor_)) button->setChecked(true);

  fast_ = new QTimer(this);
  fast_->setInterval(35);
  connect(fast_, &QTimer::timeout, this, [this] { tick(ZoomTimer::Fast); });
  slow_ = new QTimer(this);
  slow_->setInterval(500);
  connect(slow_, &QTimer::timeout, this, [this] { tick(ZoomTimer::Slow); });
}

ZoomWindow::~ZoomWindow() = default;

ZoomWindow* ZoomWindow::instance() { return openWindow(); }

void ZoomWindow::setSources(ZoomSources sources) { configuredSources() = std::move(sources); }

QRect ZoomWindow::viewRect() const {
  const int top = kButtonRow + (limitation_->isVisible() ? limitation_->sizeHint().height() : 0);
  return QRect(0, top, width(), std::max(0, height() - top));
}

QString ZoomWindow::limitation() const {
  const bool keyLimited = hotKey_ && !hotKey_->isDesktopWide();
  if (screenUnreadable_ && keyLimited)
    return QStringLiteral("This desktop keeps its screen and keys from programs: Tessera's windows only, F2 in them.");
  if (screenUnreadable_) return QStringLiteral("This desktop keeps its screen from programs: Tessera's windows only.");
  if (keyLimited) return QStringLiteral("F2 locks while a Tessera window has the focus.");
  return {};
}

void ZoomWindow::setFactor(int factor) {
  factor_ = ZoomFactorFor(ZoomVFor(factor));
  WriteSetting(settings::ZoomV, ZoomVFor(factor_));
  for (QPushButton* button : factorButtons_) button->setChecked(button->text() == QStringLiteral("%1x").arg(factor_));
  refresh(stateNow());
}

void ZoomWindow::toggleLock() {
  if (!locked_) lockedPoint_ = sources_.cursor();
  locked_ = !locked_;
  refresh(stateNow());
}

ZoomPaintState ZoomWindow::stateNow() const {
  const QPoint mouse = sources_.cursor();
  return {mouse, locked_ ? lockedPoint_ : mouse, locked_, factor_, viewRect().size()};
}

void ZoomWindow::tick(ZoomTimer timer) {
  const ZoomPaintState now = stateNow();
  const bool overWindow = frameGeometry().contains(now.mouse);
  const QRect view = viewRect();
  const bool overView = QRect(mapToGlobal(view.topLeft()), view.size()).contains(now.mouse);
  if (ZoomTickRepaints(timer, shown_, now, overWindow, overView)) refresh(now);
}

void ZoomWindow::refresh(const ZoomPaintState& state) {
  picture_ = readScreen(ZoomSourceRect(state.point, state.view, state.factor));
  shown_ = state;
  update();
}

ScreenPicture ZoomWindow::readScreen(const QRect& area) const {
  ++const_cast<ZoomWindow*>(this)->screenReads_;
  return sources_.screen(area);
}

void ZoomWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect view = viewRect();
  painter.fillRect(QRect(0, 0, width(), view.top()), palette().window());
  if (!shown_) {
    painter.fillRect(view, Qt::black);
    return;
  }
  PaintMagnified(painter, view, picture_, shown_->point, shown_->factor);

  const std::optional<QRgb> colour = PixelAt(picture_, shown_->point);
  const ZoomBoxes boxes = ZoomBoxesFor(view.width());
  QColor fill = palette().color(QPalette::ToolTipBase);
  fill.setAlpha(220);
  painter.setPen(palette().color(QPalette::ToolTipText));
  const auto box = [&](const QRect& rect, const QString& text) {
    const QRect at = rect.translated(view.topLeft());
    painter.fillRect(at, fill);
    painter.drawText(at, Qt::AlignCenter, text);
  };
  box(boxes.decimal, colour ? DecimalColourText(*colour) : QStringLiteral("-"));
  box(boxes.lock, LockText(locked_));
  box(boxes.hex, colour ? HexColourText(*colour) : QStringLiteral("-"));
}

void ZoomWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  storePlacement();
}

void ZoomWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  storePlacement();
  if (shown_) refresh(stateNow());
}

void ZoomWindow::restorePlacement() {
  QSize size(std::max(minimumWidth(), ReadSettingInt(settings::ZoomWidth)),
             std::max(minimumHeight(), ReadSettingInt(settings::ZoomHeight)));
  // Before any size is stored the window opens wide enough for its magnification buttons; a
  // stored size is kept as the user left it.
  const SettingKey& width = settings::ZoomWidth;
  if (ReadSetting(width.section, width.key, "", width.file).empty()) size = FirstSize(size, sizeHint(), AvailableScreenAreas());
  const QRect wanted(QPoint(ReadSettingInt(settings::ZoomX), ReadSettingInt(settings::ZoomY)), size);
  const QRect placed = FitOntoScreens(wanted, AvailableScreenAreas());
  move(placed.topLeft());
  resize(placed.size());
}

void ZoomWindow::storePlacement() {
  // Only moves after opening count: restoring the placement must not rewrite it.
  if (!placed_) return;
  WriteSetting(settings::ZoomX, pos().x());
  WriteSetting(settings::ZoomY, pos().y());
  WriteSetting(settings::ZoomWidth, width());
  WriteSetting(settings::ZoomHeight, height());
}

ZoomWindow* ShowZoomWindow(QWidget* opener) {
  QWidget* owner = opener ? opener->window() : nullptr;
  ZoomWindow* window = openWindow();
  if (window && window->parentWidget() != owner) {
    // A window opened from another editor follows the one asking now, where it stays usable.
    const QPoint at = window->pos();
    window->placed_ = false;
    window->setParent(owner, window->windowFlags());
    window->move(at);
  }
  if (!window) {
    window = new ZoomWindow(owner);
    openWindow() = window;
    window->restorePlacement();
  }
  window->show();
  window->raise();
  window->placed_ = true;
  window->fast_->start();
  window->slow_->start();
  if (!window->shown_) window->refresh(window->stateNow());
  return window;
}

}  // namespace tessera::ui
