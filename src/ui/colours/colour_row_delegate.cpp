#include "ui/colours/colour_row_delegate.h"

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "core/platform/environment.h"
#include "ui/colours/colour_choosers.h"

namespace tessera::ui {

namespace {

// The logo of the data folder, loaded on first use.
const QImage& colourLogo() {
  static const QImage logo =
      QImage(QString::fromStdString(DataFile("colourlogo.png"))).convertToFormat(QImage::Format_ARGB32);
  return logo;
}

// Every pixel takes the colour's channels scaled by its own alpha.
QImage tintedLogo(const QColor& colour) {
  QImage tinted = colourLogo().copy();
  for (int y = 0; y < tinted.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
    for (int x = 0; x < tinted.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      line[x] = qRgba(colour.red() * alpha / 255, colour.green() * alpha / 255, colour.blue() * alpha / 255, alpha);
    }
  }
  tinted.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
  return tinted;
}

}  // namespace

QColor SwatchOutline(const QColor& colour) {
  // Lightness straight from the channels, so a pure colour sits exactly at the middle.
  const int high = std::max({colour.red(), colour.green(), colour.blue()});
  const int low = std::min({colour.red(), colour.green(), colour.blue()});
  double lightness = (high + low) / 510.0;
  lightness = lightness > 0.5 ? lightness - 0.1 : lightness + 0.1;
  const QColor hsl = colour.toHsl();
  const double hue = hsl.hslHueF() < 0 ? 0 : hsl.hslHueF();
  return QColor::fromHslF(static_cast<float>(hue), static_cast<float>(hsl.hslSaturationF() / 2),
                          static_cast<float>(lightness))
      .toRgb();
}

bool SwatchBlendsIn(const QColor& outline, const QColor& background) {
  const int apart = std::max({std::abs(outline.red() - background.red()), std::abs(outline.green() - background.green()),
                              std::abs(outline.blue() - background.blue())});
  return apart < 40;
}

QSize ColourRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), kColourRowHeight};
}

void ColourRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const QRect r = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  painter->fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
  const QColor colour = ColourToQt(index.data(kColourValueRole).toUInt());

  if (!colourLogo().isNull()) {
    const QImage logo = tintedLogo(colour);
    painter->drawImage(QPoint(r.left() + 4, r.top() + (r.height() - logo.height()) / 2), logo);
  }
  const QRect swatch(r.left() + (r.width() - 50) / 2, r.top() + 3, 50, 27);
  QPainterPath path;
  path.addRoundedRect(QRectF(swatch), 5, 5);
  painter->setRenderHint(QPainter::Antialiasing);
  painter->fillPath(path, colour);
  const QColor outline = SwatchOutline(colour);
  painter->setPen(QPen(outline, 1));
  painter->drawPath(path);
  const QColor background = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
  if (SwatchBlendsIn(outline, background)) {
    // A black swatch on a dark list (or a white one on a light list) would vanish: ring it in the
    // text colour, outside the outline, so its shape shows.
    QColor ring = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    ring.setAlpha(140);
    QPainterPath outer;
    outer.addRoundedRect(QRectF(swatch).adjusted(-1.5, -1.5, 1.5, 1.5), 6, 6);
    painter->setPen(QPen(ring, 1));
    painter->drawPath(outer);
  }

  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const QRect textArea = r.adjusted(4, 31, -4, -2);
  painter->drawText(textArea, Qt::AlignHCenter | Qt::AlignTop, index.data(kColourTitleRole).toString());
  const QString rgb = QStringLiteral("RGB (%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
  painter->drawText(textArea, Qt::AlignHCenter | Qt::AlignBottom, rgb);
  painter->restore();
}

}  // namespace tessera::ui
