#include "ui/app/preview_view.h"

#include <QPainter>

#include "core/app/category_preview.h"
#include "core/app/preview_engine.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/interface_pictures.h"

namespace tessera::ui {

namespace {

VlRect ToVlRect(const QRect& r) { return VlRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

// The task bar drawn at half size and enlarged, so its parts can be made out.
void DrawMagnifiedTaskBar(QImage& canvas, const VlRect& rect) {
  const int width = (rect.right - rect.left) / 2;
  const int height = (rect.bottom - rect.top) / 2;
  if (width <= 0 || height <= 0) return;
  const qreal ratio = canvas.devicePixelRatio();
  QImage band(QSize(width, height) * ratio, QImage::Format_ARGB32_Premultiplied);
  band.fill(Qt::transparent);
  band.setDevicePixelRatio(ratio);
  Preview().DrawTaskBar(band, 0, 0, width, height);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(rect.left, rect.top, 2 * width, 2 * height), band);
}

}  // namespace

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(320, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PreviewView::setCategoryKind(int kind) {
  kind_ = kind;
  update();
}

QRect PreviewView::previewWindowRect() const { return rect(); }

QImage PreviewView::render(QSize size, qreal ratio) const {
  // Drawn at device resolution, laid out in logical units: the library enlarges the skin's
  // pictures once and draws text sharp.
  QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
  canvas.setDevicePixelRatio(ratio);
  const SkinSession& session = Session();
  if (!session.isOpen()) {
    canvas.fill(InterfacePictures::interfaceColour());
    return canvas;
  }
  const ColorRef desktop = session.desktopColour;
  canvas.fill(QColor(RedOf(desktop), GreenOf(desktop), BlueOf(desktop)));
  const std::string title = ReadSkinString("TitlebarSkin", "SkinName", session.skinName, session.mainFile);
  for (const CategoryPreviewCall& call : CategoryPreviewCalls(kind_, size)) {
    const VlRect rect = ToVlRect(call.rect);
    switch (call.step) {
      case CategoryPreviewStep::ActiveWindow: Preview().DrawWindowFrameOwn2(canvas, rect, 0, title); break;
      case CategoryPreviewStep::InactiveWindow: Preview().DrawWindowFrameOwn2(canvas, rect, 1, title); break;
      case CategoryPreviewStep::Kind: Preview().DrawPreview(canvas, rect, call.kind, call.state); break;
      case CategoryPreviewStep::TaskBar:
        Preview().DrawTaskBar(canvas, rect.left, rect.top, rect.right, rect.bottom);
        break;
      case CategoryPreviewStep::MagnifiedTaskBar: DrawMagnifiedTaskBar(canvas, rect); break;
    }
  }
  return canvas;
}

void PreviewView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render(size(), devicePixelRatioF()));
}

}  // namespace tessera::ui
