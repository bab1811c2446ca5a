#include "standin/render/texture_tile.h"

#include "standin/render/nine_slice_painter.h"

namespace tessera::render {

QImage TextureTile(RenderContext& context, const char* section) {
  const SkinModel& skin = context.skin;
  const QImage& texture = context.pictures.picture(skin.resolveSlot(skin.text(section, "Image")), Transparency::PerPixel);
  if (texture.isNull() || skin.integer("DWM", "NoFlip", 0) == 1) return texture;
  QImage tile(texture.width() * 2, texture.height() * 2, QImage::Format_ARGB32_Premultiplied);
  if (tile.isNull()) return texture;
  tile.fill(Qt::transparent);
  QPainter p(&tile);
  p.drawImage(0, 0, texture);
  p.drawImage(texture.width(), 0, texture.mirrored(true, false));
  p.drawImage(0, texture.height(), texture.mirrored(false, true));
  p.drawImage(texture.width(), texture.height(), texture.mirrored(true, true));
  return tile;
}

bool PaintTexture(QPainter& painter, RenderContext& context, const char* section, const QRect& rect) {
  if (rect.isEmpty()) return false;
  const QImage tile = TextureTile(context, section);
  if (tile.isNull()) return false;
  TileImage(painter, tile, tile.rect(), rect, true, true);
  return true;
}

}  // namespace tessera::render
