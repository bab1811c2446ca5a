#include "ui/colours/system_colour_sample.h"

#include <QLinearGradient>
#include <QPainter>

#include "core/colours/skin_colours.h"
#include "core/skin/skin_session.h"
#include "ui/colours/colour_choosers.h"

namespace tessera::ui {

namespace {

// Platform colour indexes the sample uses.
enum Index {
  kActiveTitle = 2, kInactiveTitle = 3, kMenu = 4, kWindow = 5, kMenuText = 7, kWindowText = 8, kTitleText = 9,
  kHilight = 13, kHilightText = 14, kButtonFace = 15, kButtonShadow = 16, kGrayText = 17, kInactiveTitleText = 19,
  kButtonHilight = 20, kButtonDkShadow = 21, kButtonLight = 22, kInfoText = 23, kInfoWindow = 24,
  kHotTracking = 26, kGradientActiveTitle = 27, kGradientInactiveTitle = 28,
};

QColor colourOf(int index) { return ColourToQt(ReadSkinColourByIndex(index, Session().mainFile)); }

void line(QPainter& p, const QColor& c, int x1, int y1, int x2, int y2) {
  p.setPen(c);
  p.drawLine(x1, y1, x2, y2);
}

// A raised two-pixel frame filled with the button face.
void raisedFrame(QPainter& p, QRect r) {
  p.fillRect(r, colourOf(kButtonFace));
  line(p, colourOf(kButtonLight), r.left(), r.top(), r.right(), r.top());
  line(p, colourOf(kButtonLight), r.left(), r.top(), r.left(), r.bottom());
  line(p, colourOf(kButtonDkShadow), r.left(), r.bottom(), r.right(), r.bottom());
  line(p, colourOf(kButtonDkShadow), r.right(), r.top(), r.right(), r.bottom());
  r.adjust(1, 1, -1, -1);
  line(p, colourOf(kButtonHilight), r.left(), r.top(), r.right(), r.top());
  line(p, colourOf(kButtonHilight), r.left(), r.top(), r.left(), r.bottom());
  line(p, colourOf(kButtonShadow), r.left(), r.bottom(), r.right(), r.bottom());
  line(p, colourOf(kButtonShadow), r.right(), r.top(), r.right(), r.bottom());
}

void sunkenArea(QPainter& p, QRect r, const QColor& fill) {
  p.fillRect(r, fill);
  line(p, colourOf(kButtonShadow), r.left(), r.top(), r.right(), r.top());
  line(p, colourOf(kButtonShadow), r.left(), r.top(), r.left(), r.bottom());
  line(p, colourOf(kButtonHilight), r.left(), r.bottom(), r.right(), r.bottom());
  line(p, colourOf(kButtonHilight), r.right(), r.top(), r.right(), r.bottom());
}

// Frame and title bar; returns the area below the title bar.
QRect drawWindow(QPainter& p, const QRect& r, bool active) {
  raisedFrame(p, r);
  const QRect title(r.left() + 4, r.top() + 4, r.width() - 8, 20);
  QLinearGradient gradient(title.topLeft(), title.topRight());
  gradient.setColorAt(0, colourOf(active ? kActiveTitle : kInactiveTitle));
  gradient.setColorAt(1, colourOf(active ? kGradientActiveTitle : kGradientInactiveTitle));
  p.fillRect(title, gradient);
  p.setPen(colourOf(active ? kTitleText : kInactiveTitleText));
  QFont bold = p.font();
  bold.setBold(true);
  p.save();
  p.setFont(bold);
  p.drawText(title.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
             active ? QStringLiteral("Active caption") : QStringLiteral("Inactive caption"));
  p.restore();
  return QRect(r.left() + 4, title.bottom() + 2, r.width() - 8, r.bottom() - title.bottom() - 6);
}

}  // namespace

SystemColourSample::SystemColourSample(QWidget* parent) : QWidget(parent) { setMinimumSize(260, 200); }

void SystemColourSample::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect all = rect();
  drawWindow(p, QRect(all.left(), all.top(), all.width() - 20, 60), false);

  const QRect below = drawWindow(p, QRect(all.left() + 20, all.top() + 30, all.width() - 20, all.height() - 30), true);
  const QRect menu(below.left(), below.top(), below.width(), 20);
  p.fillRect(menu, colourOf(kMenu));
  const int w = p.fontMetrics().horizontalAdvance(QStringLiteral("Selected")) + 12;
  p.setPen(colourOf(kMenuText));
  p.drawText(QRect(menu.left() + 4, menu.top(), w, menu.height()), Qt::AlignCenter, QStringLiteral("Normal"));
  p.drawText(QRect(menu.left() + 4 + w, menu.top(), w, menu.height()), Qt::AlignCenter, QStringLiteral("Selected"));
  p.setPen(colourOf(kGrayText));
  p.drawText(QRect(menu.left() + 4 + 2 * w, menu.top(), w, menu.height()), Qt::AlignCenter, QStringLiteral("Disabled"));

  const QRect client(below.left(), menu.bottom() + 3, below.width(), below.bottom() - menu.bottom() - 3);
  sunkenArea(p, client, colourOf(kWindow));
  const int lineHeight = p.fontMetrics().height() + 4;
  QRect row(client.left() + 6, client.top() + 6, client.width() - 12, lineHeight);
  p.setPen(colourOf(kWindowText));
  p.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Window Text"));
  row.translate(0, lineHeight);
  const QString selected = QStringLiteral("Selected Text");
  const QRect selectedBox(row.left(), row.top(), p.fontMetrics().horizontalAdvance(selected) + 8, row.height());
  p.fillRect(selectedBox, colourOf(kHilight));
  p.setPen(colourOf(kHilightText));
  p.drawText(selectedBox, Qt::AlignCenter, selected);
  row.translate(0, lineHeight);
  p.setPen(colourOf(kHotTracking));
  p.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Hot Tracked Text"));
  row.translate(0, lineHeight);
  const QString tip = QStringLiteral("Tooltip text");
  const QRect tipBox(row.left(), row.top(), p.fontMetrics().horizontalAdvance(tip) + 8, row.height());
  p.fillRect(tipBox, colourOf(kInfoWindow));
  p.setPen(colourOf(kInfoText));
  p.drawRect(tipBox.adjusted(0, 0, -1, -1));
  p.drawText(tipBox, Qt::AlignCenter, tip);
}

}  // namespace tessera::ui
