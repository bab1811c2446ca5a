#include "standin/uitest/tester_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/platform/environment.h"
#include "core/platform/files.h"
#include "standin/programs/tester_skin.h"

namespace tessera::standin {

namespace {
constexpr int kColumns = 3;
constexpr int kRows = 3;
constexpr int kTitleHeight = 18;
constexpr int kStripHeight = 70;
constexpr int kTitleBarHeight = 84;
const char* const kPushButtonStates[] = {"Normal", "Pressed", "Mouse over", "Disabled", "Default"};
// The panel whose push buttons animate.
constexpr int kAnimatedPanel = 0;
constexpr const char* kAnimatedSection = "Buttons";

VlRect toVl(const QRect& r) { return VlRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
}  // namespace

TesterWindow::TesterWindow(PreviewModule& preview, QWidget* parent) : QDialog(parent), preview_(preview) {
  setWindowTitle(QStringLiteral("Skin Tester - Velarium must be running"));
  setMouseTracking(true);
  setMinimumSize(900, 760);
  panels_ = {
      {QStringLiteral("Push buttons"), {1}, 3, 2},
      {QStringLiteral("Check boxes and radio buttons"), {2, 4, 3}, 2, 3},
      {QStringLiteral("Scroll bars"), {5}, 8, 8},
      {QStringLiteral("Progress bars"), {6}, 1, 1},
      {QStringLiteral("Tabs"), {11, 12}, 2, 3},
      {QStringLiteral("Combo boxes and edit boxes"), {29}, 2, 3},
      {QStringLiteral("Sliders"), {31}, 2, 3},
      {QStringLiteral("Menus"), {14, 15, 17}, 2, 2},
      {QStringLiteral("List header"), {8, 7, 13}, 2, 3},
  };
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { reloadSkin(); });
  connect(&animation_, &AnimationPlayer::frameChanged, this, [this] { update(panelRect(kAnimatedPanel)); });
  connect(&titleBar_, &TitleBarDriver::changed, this, [this] { update(titleBarRect()); });
}

void TesterWindow::reloadSkin() {
  const std::string path = TesterSkinPath(GetSkinsFolderFresh());
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!path.empty() && files::isFile(path)) watcher_.addPath(QString::fromStdString(path));
  preview_.loadSkin(path);
  preview_.library().LoadUpSection(path, "Buttons", 5);
  animation_.setSettings(ReadAnimationSettings(path, kAnimatedSection));
  titleBar_.setSkin(path);
  if (hotPanel_ == kAnimatedPanel) animation_.enter();
  update();
}

QRect TesterWindow::panelRect(std::size_t index) const {
  const int w = width() / kColumns;
  const int h = (height() - kStripHeight - kTitleBarHeight) / kRows;
  const int column = static_cast<int>(index) % kColumns;
  const int row = static_cast<int>(index) / kColumns;
  return QRect(column * w + 4, kTitleBarHeight + row * h + 4, w - 8, h - 8);
}

QRect TesterWindow::titleBarRect() const { return QRect(4, kTitleHeight + 4, width() - 8, kTitleBarHeight - kTitleHeight - 8); }

VlRect TesterWindow::titleBarVlRect() const { return toVl(titleBarRect()); }

QRect TesterWindow::stateStripRect() const { return QRect(4, height() - kStripHeight, width() - 8, kStripHeight - 4); }

void TesterWindow::paintEvent(QPaintEvent*) {
  QImage canvas(size(), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(SkinColour(preview_.library(), 15));
  const PreviewLibrary& preview = preview_.library();
  QPainter painter(&canvas);
  painter.setPen(SkinColour(preview_.library(), 18));
  painter.drawText(QRect(4, 2, width() - 8, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   titleBar_.maximised() ? QStringLiteral("Title bar (maximized)") : QStringLiteral("Title bar"));
  painter.end();
  preview.DrawWindowFrameLook(canvas, titleBarVlRect(), titleBar_.look(0, false), "Skin Tester");
  painter.begin(&canvas);
  painter.setPen(SkinColour(preview_.library(), 18));
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    const Panel& panel = panels_[i];
    const QRect rect = panelRect(i);
    painter.drawText(QRect(rect.left(), rect.top(), rect.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     panel.title);
    const QRect area = rect.adjusted(0, kTitleHeight, 0, 0);
    const bool hot = static_cast<int>(i) == hotPanel_;
    int state = hot ? (pressed_ ? panel.pressedState : panel.mouseState) : 1;
    if (panel.kinds.front() == 5) state = 8;  // scroll bars: all parts
    // An animation frame n is the strip's frame n, shown by state n + 1.
    const bool pressedHere = hot && pressed_;
    if (static_cast<int>(i) == kAnimatedPanel && animation_.frame() >= 0 && !pressedHere) state = animation_.frame() + 1;
    painter.end();
    for (int kind : panel.kinds) preview.DrawPreview(canvas, toVl(area), kind, state);
    painter.begin(&canvas);
    painter.setPen(SkinColour(preview_.library(), 18));
  }
  // Every state of the push buttons.
  const QRect strip = stateStripRect();
  const int cell = strip.width() / 5;
  for (int state = 1; state <= 5; ++state) {
    const QRect r(strip.left() + (state - 1) * cell, strip.top(), cell - 4, strip.height());
    painter.drawText(QRect(r.left(), r.top(), r.width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(kPushButtonStates[state - 1]));
    painter.end();
    preview.RenderSection(canvas, toVl(QRect(r.left(), r.top() + kTitleHeight + 4, std::min(r.width(), 100), 26)), state, 0);
    painter.begin(&canvas);
    painter.setPen(SkinColour(preview_.library(), 18));
  }
  painter.end();
  QPainter(this).drawImage(0, 0, canvas);
}

void TesterWindow::track(const QPoint& position, bool pressed) {
  titleBar_.track(preview_.library().TitleBarButtonAt(titleBarVlRect(), titleBar_.look(0, false), position.x(),
                                                      position.y()),
                  pressed);
  int hot = -1;
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    if (panelRect(i).contains(position)) hot = static_cast<int>(i);
  }
  if (hot != hotPanel_ || pressed != pressed_) {
    if (hot != hotPanel_ && hotPanel_ == kAnimatedPanel) animation_.leave();
    if (hot != hotPanel_ && hot == kAnimatedPanel) animation_.enter();
    hotPanel_ = hot;
    pressed_ = pressed;
    update();
  }
}

void TesterWindow::mouseMoveEvent(QMouseEvent* event) {
  track(event->position().toPoint(), event->buttons() & Qt::LeftButton);
}

void TesterWindow::mousePressEvent(QMouseEvent* event) {
  track(event->position().toPoint(), true);
  pressedButton_ = titleBar_.hotButton();
}

void TesterWindow::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressedButton_;
  pressedButton_ = -1;
  track(event->position().toPoint(), false);
  if (pressed >= 0 && pressed == titleBar_.hotButton()) {
    titleBar_.click(pressed);
    track(event->position().toPoint(), false);
  }
}

void TesterWindow::leaveEvent(QEvent*) { track(QPoint(-1, -1), false); }

}  // namespace tessera::standin
