#include "standin/render/nine_slice_painter.h"

#include <QPaintDevice>
#include <QTransform>
#include <algorithm>

namespace tessera::render {

namespace {

// A tile narrower than this is widened first, so a 1-pixel pattern over a wide area does not
// cost thousands of draw calls.
constexpr int kMinTile = 32;

// Source margins that fit inside the source: a pair larger than the picture is scaled down so
// that one row or column of middle remains to fill the space between them.
void fitPair(int& first, int& second, int length) {
  first = std::max(first, 0);
  second = std::max(second, 0);
  const long long sum = static_cast<long long>(first) + second;
  if (sum <= length) return;
  const int room = length - 1;
  if (room <= 0) {
    first = second = 0;
    return;
  }
  first = static_cast<int>(static_cast<long long>(first) * room / sum);
  second = room - first;
}

// Target margins on an axis of `length` pixels.
void shrinkPair(int& first, int& second, int length, bool smart) {
  const long long sum = static_cast<long long>(first) + second;
  if (sum <= length) return;
  if (smart && sum > 0) {
    first = static_cast<int>(static_cast<long long>(first) * length / sum);
    second = length - first;
    return;
  }
  first = std::min(first, length);
  second = length - first;
}

QImage widenedTile(const QImage& picture, const QRect& source, bool tileX, bool tileY) {
  const int repeatX = tileX && source.width() < kMinTile ? (kMinTile + source.width() - 1) / source.width() : 1;
  const int repeatY = tileY && source.height() < kMinTile ? (kMinTile + source.height() - 1) / source.height() : 1;
  QImage tile(source.width() * repeatX, source.height() * repeatY, QImage::Format_ARGB32_Premultiplied);
  tile.fill(Qt::transparent);
  QPainter p(&tile);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (int y = 0; y < repeatY; ++y) {
    for (int x = 0; x < repeatX; ++x) {
      p.drawImage(QPoint(x * source.width(), y * source.height()), picture, source);
    }
  }
  return tile;
}

}  // namespace

void TileImage(QPainter& painter, const QImage& picture, const QRect& source, const QRect& target, bool tileX,
               bool tileY) {
  if (source.isEmpty() || target.isEmpty()) return;
  if (!tileX && !tileY) {
    painter.drawImage(target, picture, source);
    return;
  }
  const bool widen = (tileX && source.width() < kMinTile) || (tileY && source.height() < kMinTile);
  const QImage widened = widen ? widenedTile(picture, source, tileX, tileY) : QImage();
  const QImage& image = widen ? widened : picture;
  const QRect tile = widen ? widened.rect() : source;
  const int stepX = tileX ? tile.width() : target.width();
  const int stepY = tileY ? tile.height() : target.height();
  // Only the tiles that can reach the device are drawn, so a huge target costs what it shows.
  QRect visible = target;
  if (const QPaintDevice* device = painter.device()) {
    bool invertible = false;
    const QTransform toLogical = painter.transform().inverted(&invertible);
    if (invertible) visible &= toLogical.mapRect(QRect(0, 0, device->width(), device->height()));
  }
  if (painter.hasClipping()) visible &= painter.clipBoundingRect().toAlignedRect();
  if (visible.isEmpty()) return;
  const int firstY = target.top() + (visible.top() - target.top()) / stepY * stepY;
  const int firstX = target.left() + (visible.left() - target.left()) / stepX * stepX;
  for (int y = firstY; y <= std::min(target.bottom(), visible.bottom()); y += stepY) {
    const int h = std::min(stepY, target.bottom() + 1 - y);
    // A partial last tile shows the start of the tile, unscaled.
    const int sourceH = tileY ? h : tile.height();
    for (int x = firstX; x <= std::min(target.right(), visible.right()); x += stepX) {
      const int w = std::min(stepX, target.right() + 1 - x);
      const int sourceW = tileX ? w : tile.width();
      painter.drawImage(QRect(x, y, w, h), image, QRect(tile.left(), tile.top(), sourceW, sourceH));
    }
  }
}

QMargins TargetMargins(QSize source, QSize target, const PaintingKeys& keys) {
  int left = keys.left, right = keys.right, top = keys.top, bottom = keys.bottom;
  fitPair(left, right, source.width());
  fitPair(top, bottom, source.height());
  shrinkPair(left, right, target.width(), keys.smartMargins);
  shrinkPair(top, bottom, target.height(), keys.smartMargins);
  return QMargins(left, top, right, bottom);
}

void PaintNineSlice(QPainter& painter, const QImage& picture, const QRect& source, const QRect& target,
                    const PaintingKeys& keys) {
  if (picture.isNull() || source.isEmpty() || target.isEmpty()) return;
  switch (keys.simpleMode) {
    case 1: {  // full height, own width, centred across
      const int w = std::min(source.width(), target.width());
      const QRect part(source.left() + (source.width() - w) / 2, source.top(), w, source.height());
      painter.drawImage(QRect(target.left() + (target.width() - w) / 2, target.top(), w, target.height()), picture, part);
      return;
    }
    case 2: {  // full width, own height, centred down
      const int h = std::min(source.height(), target.height());
      const QRect part(source.left(), source.top() + (source.height() - h) / 2, source.width(), h);
      painter.drawImage(QRect(target.left(), target.top() + (target.height() - h) / 2, target.width(), h), picture, part);
      return;
    }
    case 3: {  // true size, centred, clipped to the target
      QRect placed(QPoint(0, 0), source.size());
      placed.moveCenter(target.center());
      const QRect visible = placed.intersected(target);
      painter.drawImage(visible, picture, visible.translated(source.topLeft() - placed.topLeft()));
      return;
    }
    default:
      break;
  }

  int sl = keys.left, sr = keys.right, st = keys.top, sb = keys.bottom;
  fitPair(sl, sr, source.width());
  fitPair(st, sb, source.height());
  const QMargins t = TargetMargins(source.size(), target.size(), keys);

  // Source and target coordinates of the three columns and three rows.
  const int sx[4] = {source.left(), source.left() + sl, source.right() + 1 - sr, source.right() + 1};
  const int sy[4] = {source.top(), source.top() + st, source.bottom() + 1 - sb, source.bottom() + 1};
  const int tx[4] = {target.left(), target.left() + t.left(), target.right() + 1 - t.right(), target.right() + 1};
  const int ty[4] = {target.top(), target.top() + t.top(), target.bottom() + 1 - t.bottom(), target.bottom() + 1};
  // A cut margin shows the outer part of the picture: the right and bottom parts keep their far
  // edge, so their source starts later.
  auto src = [&](int col, int row) {
    int x0 = sx[col], x1 = sx[col + 1], y0 = sy[row], y1 = sy[row + 1];
    const int tw = tx[col + 1] - tx[col], th = ty[row + 1] - ty[row];
    if (!keys.smartMargins) {
      if (col == 0) x1 = std::min(x1, x0 + tw);
      if (col == 2) x0 = std::max(x0, x1 - tw);
      if (row == 0) y1 = std::min(y1, y0 + th);
      if (row == 2) y0 = std::max(y0, y1 - th);
    }
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
  };
  auto dst = [&](int col, int row) { return QRect(QPoint(tx[col], ty[row]), QPoint(tx[col + 1] - 1, ty[row + 1] - 1)); };

  // Corners.
  for (int row : {0, 2}) {
    for (int col : {0, 2}) painter.drawImage(dst(col, row), picture, src(col, row));
  }
  // Edges: tiled or stretched along their length.
  TileImage(painter, picture, src(1, 0), dst(1, 0), keys.tileTop, false);
  TileImage(painter, picture, src(1, 2), dst(1, 2), keys.tileBottom, false);
  TileImage(painter, picture, src(0, 1), dst(0, 1), false, keys.tileLeft);
  TileImage(painter, picture, src(2, 1), dst(2, 1), false, keys.tileRight);
  if (keys.edgesOnly) return;

  const QRect middleSource = src(1, 1);
  const QRect middleTarget = dst(1, 1);
  switch (keys.middle) {
    case 1:
      TileImage(painter, picture, middleSource, middleTarget, true, true);
      break;
    case 2:
      TileImage(painter, picture, middleSource, middleTarget, true, false);
      break;
    case 3:
      TileImage(painter, picture, middleSource, middleTarget, false, true);
      break;
    case 4: {
      QRect placed(QPoint(0, 0), middleSource.size());
      placed.moveCenter(middleTarget.center());
      const QRect visible = placed.intersected(middleTarget);
      if (!visible.isEmpty()) {
        painter.drawImage(visible, picture, visible.translated(middleSource.topLeft() - placed.topLeft()));
      }
      break;
    }
    default:
      TileImage(painter, picture, middleSource, middleTarget, false, false);
      break;
  }
}

}  // namespace tessera::render
