#include "standin/vlload/sample_desktop.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_path_safety.h"

namespace tessera::standin {

namespace {
constexpr int kCaptionBand = 40;
constexpr int kTaskBarHeight = 30;
constexpr const char* kAnimatedSection = "Buttons";
}

SampleDesktop::SampleDesktop(PreviewModule& preview, QWidget* parent) : QWidget(parent), preview_(preview) {
  setMouseTracking(true);
  setMinimumSize(640, 480);
  connect(&animation_, &AnimationPlayer::frameChanged, this, [this] { update(controlsArea()); });
  connect(&titleBar_, &TitleBarDriver::changed, this, [this] { update(); });
}

void SampleDesktop::showAppliedSkin() {
  const std::string uis = ReadSetting(settings::SkinSet);
  preview_.loadSkin(uis);
  skinName_ = QString::fromStdString(ReadSetting(settings::SkinSet2));
  wallpaper_ = QImage();
  const std::string wallpaper = profile::ReadString("Personality", "Wallpaper", "", uis);
  if (!wallpaper.empty() && IsSafeRelativePath(wallpaper)) {
    const std::string skinsFolder(paths::parentFolder(paths::parentFolder(uis)));
    wallpaper_.load(QString::fromStdString(paths::resolve(paths::join(skinsFolder, wallpaper))));
  }
  wallpaperStyle_ = static_cast<int>(profile::GetInt("Personality", "WallpaperStyle", 0, uis));
  animation_.setSettings(ReadAnimationSettings(uis, kAnimatedSection));
  titleBar_.setSkin(uis);
  if (overControls_) animation_.enter();
  setWindowTitle(skinName_.isEmpty() ? QStringLiteral("Velarium") : QStringLiteral("Velarium - %1").arg(skinName_));
  update();
}

QRect SampleDesktop::inactiveWindow() const {
  return QRect(width() / 2, 30, width() / 2 - 30, height() / 2);
}

QRect SampleDesktop::activeWindow() const {
  if (titleBar_.maximised()) return QRect(0, 0, width(), std::max(1, height() - kTaskBarHeight));
  return QRect(40, 60, width() * 3 / 5, height() * 3 / 5);
}

VlRect SampleDesktop::activeWindowRect() const {
  const QRect r = activeWindow();
  return VlRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

QRect SampleDesktop::controlsArea() const {
  const QRect w = activeWindow();
  return QRect(w.left() + 30, w.top() + 70, w.width() - 60, std::max(0, w.height() - 110));
}

void SampleDesktop::paintEvent(QPaintEvent*) {
  QImage canvas(size(), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(SkinColour(preview_.library(), 1));
  if (!wallpaper_.isNull()) {
    QPainter p(&canvas);
    if (wallpaperStyle_ == 2) {
      p.drawImage(canvas.rect(), wallpaper_);
    } else if (wallpaperStyle_ == 1) {
      p.drawTiledPixmap(canvas.rect(), QPixmap::fromImage(wallpaper_));
    } else {
      QRect placed = wallpaper_.rect();
      placed.moveCenter(canvas.rect().center());
      p.drawImage(placed.topLeft(), wallpaper_);
    }
  }
  const PreviewLibrary& preview = preview_.library();
  const auto rect = [](const QRect& r) { return VlRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; };
  const std::string title = skinName_.toStdString();
  preview.DrawWindowFrameOwn2(canvas, rect(inactiveWindow()), 1, "Notepad");
  // The skin's own title-bar buttons follow the mouse one by one; standard frame buttons show the
  // caption's state.
  VlFrameLook look = titleBar_.look(0, true);
  if (titleBar_.hotButton() < 0) look.style = (look.style & ~(0xff << 8)) | (captionState_ << 8);
  preview.DrawWindowFrameLook(canvas, activeWindowRect(), look, title.empty() ? "Velarium" : title);
  // An animation frame n is the strip's frame n, shown by state n + 1; pressing shows the press.
  const bool pressed = overControls_ && controlState_ == 2;
  const int pushButtonState = animation_.frame() >= 0 && !pressed ? animation_.frame() + 1 : controlState_;
  preview.DrawPreview(canvas, rect(controlsArea()), 1, pushButtonState);
  preview.DrawTaskBar(canvas, 0, 0, canvas.width(), canvas.height());
  QPainter(this).drawImage(0, 0, canvas);
}

void SampleDesktop::updateHover(const QPoint& position, bool pressed) {
  const int button = preview_.library().TitleBarButtonAt(activeWindowRect(), titleBar_.look(0, true), position.x(),
                                                         position.y());
  titleBar_.track(button, pressed);
  const QRect caption(activeWindow().left(), activeWindow().top(), activeWindow().width(), kCaptionBand);
  // Skins with their own buttons change only the one under the mouse.
  const int captionState = titleBar_.buttonCount() == 0 && caption.contains(position) ? (pressed ? 3 : 2) : 1;
  // Push buttons: frame 3 is the mouse-over look, frame 2 the pressed one.
  const bool overControls = controlsArea().contains(position);
  const int controlState = overControls ? (pressed ? 2 : 3) : 1;
  if (overControls != overControls_) {
    overControls_ = overControls;
    if (overControls) {
      animation_.enter();
    } else {
      animation_.leave();
    }
  }
  if (captionState != captionState_ || controlState != controlState_) {
    captionState_ = captionState;
    controlState_ = controlState;
    update();
  }
}

void SampleDesktop::mouseMoveEvent(QMouseEvent* event) {
  updateHover(event->position().toPoint(), event->buttons() & Qt::LeftButton);
}

void SampleDesktop::mousePressEvent(QMouseEvent* event) {
  updateHover(event->position().toPoint(), true);
  pressedButton_ = titleBar_.hotButton();
}

void SampleDesktop::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressedButton_;
  pressedButton_ = -1;
  updateHover(event->position().toPoint(), false);
  // A click is a press and a release on the same button.
  if (pressed >= 0 && pressed == titleBar_.hotButton()) {
    titleBar_.click(pressed);
    updateHover(event->position().toPoint(), false);
  }
}

void SampleDesktop::leaveEvent(QEvent*) { updateHover(QPoint(-1, -1), false); }

}  // namespace tessera::standin
