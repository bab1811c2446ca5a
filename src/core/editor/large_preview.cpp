#include "core/editor/large_preview.h"

#include <QPainter>
#include <algorithm>

#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/editor/preview_background.h"
#include "core/editor/preview_composition.h"
#include "core/engine/vl_abi.h"
#include "core/image/image_file.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

constexpr int kStripGap = 6;

QImage LoadPicture(const std::string& path) {
  if (path.empty()) return {};
  const std::optional<ImageBuffer> picture = LoadImageFile(paths::resolve(path));
  return picture ? ToQImage(*picture) : QImage();
}

// A picture named by a skin key: the value is relative to the skins folder.
QImage SkinPicture(const std::string& section) {
  const std::string value = ReadSkinString(section, "Image", "", Session().mainFile);
  return value.empty() ? QImage() : LoadPicture(paths::join(GetSkinsFolder(), value));
}

std::string SkinTitle() {
  return ReadSkinString("TitlebarSkin", "SkinName", Session().skinName, Session().mainFile);
}

void DrawToolbarStrips(QImage& canvas, const QRect& area) {
  std::vector<QImage> strips;
  for (const char* sample : kToolbarSampleImages) {
    strips.push_back(LoadPicture(paths::join(DataFolder(), std::string("XP/") + sample)));
  }
  for (const char* section : kToolbarIconSections) strips.push_back(SkinPicture(section));
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Strips run down the area and continue in another column when they reach its bottom.
  int x = area.left();
  int y = area.top();
  int columnWidth = 0;
  for (const QImage& strip : strips) {
    if (strip.isNull()) continue;
    QSize size = strip.size();
    if (size.width() > area.width()) size = size.scaled(area.width(), size.height(), Qt::KeepAspectRatio);
    if (y + size.height() > area.bottom() && y > area.top()) {
      x += columnWidth + 3 * kStripGap;
      y = area.top();
      columnWidth = 0;
    }
    if (x >= area.right()) break;
    painter.drawImage(QRect(QPoint(x, y), size), strip);
    y += size.height() + kStripGap;
    columnWidth = std::max(columnWidth, size.width());
  }
}

// Two sample windows: an inactive one behind, and in front the window in the call's look. Only
// the front window's title-bar buttons show the button state; the one behind is not under the mouse.
void DrawWindowFrames(QImage& canvas, const QRect& area, const PreviewCall& call, bool withButtons) {
  const int dx = area.width() / 5;
  const int dy = area.height() / 5;
  const QRect back = area.adjusted(0, 0, -dx, -dy);
  const QRect front = back.translated(dx, dy);
  const auto vl = [](const QRect& r) { return VlRect{r.left(), r.top(), r.right(), r.bottom()}; };
  const std::string title = SkinTitle();
  int frontStyle = (call.frontInactive ? VL_STYLE_INACTIVE : 0) | (call.frontMaximised ? VL_STYLE_MAXIMISED : 0);
  if (withButtons) {
    frontStyle |= std::clamp(call.state, 1, 255) << 8;
    Preview().DrawWindowFrameOwn2(canvas, vl(back), VL_STYLE_INACTIVE, title);
    Preview().DrawWindowFrameOwn2(canvas, vl(front), frontStyle, title);
  } else {
    Preview().DrawWindowFrameOwn(canvas, vl(back), VL_STYLE_INACTIVE, title);
    Preview().DrawWindowFrameOwn(canvas, vl(front), frontStyle, title);
  }
}

}  // namespace

void ComposeLargePreview(QImage& canvas, const LargePreviewRequest& request) {
  FillPreviewBackground(canvas, request.background, request.grey);
  if (!Session().isOpen()) return;
  // Laid out in the canvas's own units; a canvas for a high-resolution screen has more pixels.
  const QRect whole(QPoint(0, 0), canvas.deviceIndependentSize().toSize());
  const int margin = std::max(4, std::min(whole.width(), whole.height()) / 24);
  const QRect area = whole.adjusted(margin, margin, -margin, -margin);
  const VlRect rect{area.left(), area.top(), area.right(), area.bottom()};
  for (const PreviewCall& call : PreviewCallsFor(request.group, request.topLevelSection, request.state, request.buttonState)) {
    switch (call.step) {
      case PreviewStep::Kind:
        Preview().DrawPreview(canvas, rect, call.kind, call.state, request.currentSection);
        break;
      case PreviewStep::WindowFrames: DrawWindowFrames(canvas, area, call, false); break;
      case PreviewStep::WindowFramesButtons: DrawWindowFrames(canvas, area, call, true); break;
      case PreviewStep::ToolbarIcons: DrawToolbarStrips(canvas, area); break;
    }
  }
}

}  // namespace tessera
