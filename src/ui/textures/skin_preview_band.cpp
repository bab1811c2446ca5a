#include "ui/textures/skin_preview_band.h"

#include <QPainter>

#include "core/app/preview_engine.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera::ui {

namespace {

constexpr int kStartMenuKind = 18;

// The library's rectangles end one past their last pixel.
VlRect vl(const QRect& r) { return VlRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace

SkinPreviewBand::SkinPreviewBand(Content content, QWidget* parent) : QWidget(parent), content_(content) {
  setMinimumHeight(180);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAccessibleName(QStringLiteral("Skin preview"));
}

QRect SkinPreviewBand::inactiveWindowRect() const {
  return QRect(12, 10, std::max(60, width() * 11 / 20), std::max(40, height() - 24));
}

QRect SkinPreviewBand::activeWindowRect() const {
  const QRect back = inactiveWindowRect();
  return QRect(back.left() + width() / 3, back.top() + 14, back.width(), back.height());
}

QImage SkinPreviewBand::render() const {
  QImage canvas(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  const SkinSession& session = Session();
  const ColorRef desktop = session.desktopColour;
  canvas.fill(session.isOpen() ? QColor(RedOf(desktop), GreenOf(desktop), BlueOf(desktop)) : QColor(Qt::gray));
  if (!session.isOpen()) return canvas;
  if (content_ == Content::SampleWindows) {
    const std::string title = ReadSkinString("TitlebarSkin", "SkinName", session.skinName, session.mainFile);
    Preview().DrawWindowFrameOwn2(canvas, vl(inactiveWindowRect()), 1, "Notepad");
    Preview().DrawWindowFrameOwn2(canvas, vl(activeWindowRect()), 0, title);
  } else {
    // The start menu stands on the taskbar at the left, as when it is open.
    const QRect menu(0, 0, std::min(320, canvas.width() / 2), std::max(1, canvas.height() - 30));
    Preview().DrawPreview(canvas, vl(menu), kStartMenuKind, 1, "StartMenu.Texture");
    Preview().DrawTaskBar(canvas, 0, 0, canvas.width(), canvas.height());
  }
  return canvas;
}

void SkinPreviewBand::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

}  // namespace tessera::ui
