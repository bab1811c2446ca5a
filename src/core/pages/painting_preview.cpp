#include "core/pages/painting_preview.h"

#include <QPainter>
#include <algorithm>

#include "core/app/preview_engine.h"
#include "core/image/image_file.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/skin/editor_catalogue.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {

QSize pictureSize(const std::string& slotValue) {
  if (slotValue.empty()) return {};
  const auto picture = LoadImageFile(paths::resolve(paths::join(GetSkinsFolder(), slotValue)));
  return picture ? QSize(picture->width(), picture->height()) : QSize();
}

void paintCheckerboard(QPainter& painter, QSize size) {
  for (int y = 0; y < size.height(); y += kGridSquare)
    for (int x = 0; x < size.width(); x += kGridSquare) {
      const bool dark = ((x / kGridSquare) + (y / kGridSquare)) % 2 != 0;
      painter.fillRect(x, y, kGridSquare, kGridSquare, dark ? kGridDark : kGridLight);
    }
}

// A sizing grip: three short diagonals in the bottom-right corner, or a corner line.
void paintCornerMark(QPainter& painter, QSize size, bool edgeGrip) {
  painter.setPen(QPen(kCornerMarkColour, 1));
  const int right = size.width() - 1;
  const int bottom = size.height() - 1;
  if (edgeGrip) {
    const QPoint corner(right, bottom);
    painter.drawLine(QPoint(right, bottom - (kCornerMarkSize - 1)), corner);
    painter.drawLine(corner, QPoint(right - (kCornerMarkSize - 1), bottom));
    return;
  }
  for (int offset = 4; offset <= kCornerMarkSize - 3; offset += 4)
    painter.drawLine(right - offset, bottom, right, bottom - offset);
}

}  // namespace

int PreviewStateForEntry(int entry) { return std::max(0, entry) + 1; }

SectionPictureLayout ReadSectionPictureLayout(std::string_view section, std::string_view catalogueSection) {
  const std::string& mainFile = Session().mainFile;
  std::string slot = ReadSkinString(section, "Image", "", mainFile);
  if (slot.empty()) slot = ReadSkinString(section, "Bitmap", "", mainFile);
  const SectionCatalogue catalogue;
  SectionPictureLayout layout;
  layout.picture = pictureSize(slot);
  const int frames = static_cast<int>(ReadSkinInt(section, "FrameCount", catalogue.imageCount(catalogueSection), mainFile));
  layout.frameCount = std::clamp(frames, 1, kMaxImageCount);
  layout.vertical = catalogue.framesVertical(catalogueSection) || ReadSkinInt(section, "Vert", 0, mainFile) == 1;
  return layout;
}

QSize PreviewBoxSize(const SectionPictureLayout& layout, QSize bound) {
  const int frames = std::max(1, layout.frameCount);
  // No picture (an invalid size) counts as 0 by 0.
  int width = std::max(0, layout.picture.width());
  int height = std::max(0, layout.picture.height());
  if (layout.vertical)
    height /= frames;
  else
    width /= frames;
  return QSize(std::clamp(width + kPreviewBoxPadding, 1, std::max(1, bound.width())),
               std::clamp(height + kPreviewBoxPadding, 1, std::max(1, bound.height())));
}

std::vector<std::string> PreviewStateNames(std::string_view catalogueSection) {
  return StateNames(DataFolder(), SectionCatalogue().stateList(catalogueSection));
}

QImage ComposePaintingPreview(QSize size, const PaintingPreviewOptions& options) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  {
    QPainter painter(&image);
    if (options.grid)
      paintCheckerboard(painter, image.size());
    else
      painter.fillRect(image.rect(), options.background);
  }
  const VlRect area{0, 0, image.width() - kPreviewInset, image.height() - kPreviewInset};
  if (area.right > 0 && area.bottom > 0)
    Preview().RenderSection(image, area, PreviewStateForEntry(options.stateIndex), options.margins ? kRenderMarginFlags : 0);
  QPainter painter(&image);
  paintCornerMark(painter, image.size(), options.edgeGrip);
  return image;
}

}  // namespace tessera
