#include "ui/app/preview_view.h"

#include <QImage>
#include <QPainter>

#include "core/app/preview_engine.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/interface_pictures.h"
#include "ui/app/message_prompt.h"

namespace tessera::ui {

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(320, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PreviewView::setAlternative(bool alternative) {
  alternative_ = alternative;
  update();
}

QRect PreviewView::previewWindowRect() const {
  const int margin = qMax(12, width() / 16);
  const int taskbar = qMax(30, height() / 14);
  return QRect(margin, margin, width() - 2 * margin, height() - 2 * margin - taskbar);
}

void PreviewView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const SkinSession& session = Session();
  if (!session.isOpen()) {
    painter.fillRect(rect(), InterfacePictures::interfaceColour());
    return;
  }
  // Drawn at device resolution so that the skin's pictures are not scaled twice.
  const qreal ratio = devicePixelRatioF();
  QImage canvas(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  const ColorRef desktop = session.desktopColour;
  canvas.fill(QColor(RedOf(desktop), GreenOf(desktop), BlueOf(desktop)));
  const QRect window = previewWindowRect();
  const auto scaled = [ratio](int v) { return static_cast<int>(v * ratio); };
  const VlRect windowRect{scaled(window.left()), scaled(window.top()), scaled(window.right()), scaled(window.bottom())};
  const std::string title = ReadSkinString("TitlebarSkin", "SkinName", session.skinName, session.mainFile);
  if (alternative_) {
    Preview().DrawWindowFrameOwn(canvas, windowRect, 1, title);
  } else {
    Preview().DrawWindowFrameOwn2(canvas, windowRect, 0, title);
  }
  const int taskbarTop = scaled(window.bottom() + qMax(12, width() / 16) / 2);
  Preview().DrawTaskBar(canvas, 0, taskbarTop, canvas.width(), canvas.height());
  canvas.setDevicePixelRatio(ratio);
  painter.drawImage(0, 0, canvas);
}

}  // namespace tessera::ui
