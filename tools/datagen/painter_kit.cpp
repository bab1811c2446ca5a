#include "painter_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRandomGenerator>
#include <string>

#include "core/platform/paths.h"

namespace tessera::datagen {

StateLook LookForState(std::string_view stateName) {
  const std::string s = paths::lower(stateName);
  auto has = [&](const char* word) { return s.find(word) != std::string::npos; };
  StateLook look;
  look.hot = has("mouse over");
  look.pressed = has("pressed");
  look.disabled = has("disabled");
  look.inactive = has("inactive");
  look.mixed = has("mixed");
  look.on = (has("checked") && !has("unchecked")) || has("selected") || has("expanded") || look.mixed;
  look.emphasis = has("default") || has("focus") || has("flashing");
  return look;
}

QColor Shade(const QColor& c, int percent) { return percent >= 100 ? c.lighter(percent) : c.darker(10000 / percent); }

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

void DrawPanel(QPainter& p, const QRectF& r, const Palette& pal, const StateLook& s, double radius) {
  QColor top = pal.faceLight, bottom = pal.face, edge = pal.edge;
  if (s.hot) {
    top = Shade(pal.accentLight, 140);
    bottom = pal.accentLight;
    edge = pal.accent;
  }
  if (s.pressed) {
    top = pal.accentLight;
    bottom = Shade(pal.accentLight, 112);
    edge = Shade(pal.accent, 80);
  }
  if (s.emphasis) edge = pal.accent;
  if (s.inactive) {
    top = Shade(pal.face, 104);
    bottom = Shade(pal.face, 96);
  }
  if (s.disabled) {
    top = bottom = Shade(pal.face, 103);
    edge = WithAlpha(pal.edge, 110);
  }
  const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(0.48, Shade(top, 97));
  g.setColorAt(0.52, s.pressed ? top : bottom);
  g.setColorAt(1, bottom);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(edge, 1));
  p.setBrush(g);
  p.drawRoundedRect(box, radius, radius);
  if (!s.pressed && !s.disabled) {  // the lit inner rim
    p.setPen(QPen(WithAlpha(Qt::white, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
  }
  if (s.emphasis && !s.disabled) {
    p.setPen(QPen(WithAlpha(pal.accent, 120), 1));
    p.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
  }
  p.restore();
}

void DrawHighlight(QPainter& p, const QRectF& r, const Palette& pal, const StateLook& s, double radius) {
  if (!s.hot && !s.on && !s.pressed) return;
  const int strength = s.pressed ? 200 : s.on ? (s.hot ? 190 : 160) : 110;
  const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, WithAlpha(pal.accentLight, strength / 2));
  g.setColorAt(1, WithAlpha(pal.accentLight, strength));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(WithAlpha(pal.accent, s.disabled ? 80 : strength), 1));
  p.setBrush(g);
  p.drawRoundedRect(box, radius, radius);
  p.restore();
}

void DrawField(QPainter& p, const QRectF& r, const Palette& pal, const StateLook& s, double radius) {
  const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QColor edge = s.hot || s.pressed ? pal.accent : pal.edge;
  if (s.disabled) edge = WithAlpha(pal.edge, 110);
  p.setPen(QPen(edge, 1));
  p.setBrush(s.disabled ? Shade(pal.face, 103) : pal.field);
  p.drawRoundedRect(box, radius, radius);
  p.setPen(QPen(WithAlpha(Qt::black, 28), 1));
  p.drawLine(box.topLeft() + QPointF(2, 1), box.topRight() + QPointF(-2, 1));
  p.restore();
}

void DrawBand(QPainter& p, const QRectF& r, const QColor& from, const QColor& to, bool vertical) {
  QLinearGradient g(r.topLeft(), vertical ? r.bottomLeft() : r.topRight());
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  p.fillRect(r, g);
}

void DrawGlyph(QPainter& p, const QRectF& r, Glyph g, const QColor& colour, double weight) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double s = std::min(r.width(), r.height());
  const QPointF c = r.center();
  const double h = s * 0.22;  // half size of small signs
  QPen pen(colour, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  auto arrow = [&](QPointF a, QPointF b, QPointF tip) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(tip);
    path.lineTo(b);
    path.closeSubpath();
    p.setBrush(colour);
    p.drawPath(path);
  };
  switch (g) {
    case Glyph::None: break;
    case Glyph::ArrowUp: arrow(c + QPointF(-h, h * 0.5), c + QPointF(h, h * 0.5), c + QPointF(0, -h * 0.6)); break;
    case Glyph::ArrowDown: arrow(c + QPointF(-h, -h * 0.5), c + QPointF(h, -h * 0.5), c + QPointF(0, h * 0.6)); break;
    case Glyph::ArrowLeft: arrow(c + QPointF(h * 0.5, -h), c + QPointF(h * 0.5, h), c + QPointF(-h * 0.6, 0)); break;
    case Glyph::ArrowRight: arrow(c + QPointF(-h * 0.5, -h), c + QPointF(-h * 0.5, h), c + QPointF(h * 0.6, 0)); break;
    case Glyph::Check:
      p.drawPolyline(QPolygonF({c + QPointF(-h * 1.1, 0), c + QPointF(-h * 0.3, h * 0.9), c + QPointF(h * 1.2, -h * 1.0)}));
      break;
    case Glyph::Dot:
      p.setBrush(colour);
      p.drawEllipse(c, h * 0.8, h * 0.8);
      break;
    case Glyph::Dash: p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0)); break;
    case Glyph::Plus:
      p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0));
      p.drawLine(c + QPointF(0, -h), c + QPointF(0, h));
      break;
    case Glyph::Minus: p.drawLine(c + QPointF(-h, 0), c + QPointF(h, 0)); break;
    case Glyph::Close:
      p.drawLine(c + QPointF(-h, -h), c + QPointF(h, h));
      p.drawLine(c + QPointF(-h, h), c + QPointF(h, -h));
      break;
    case Glyph::Maximize: p.drawRect(QRectF(c - QPointF(h, h), QSizeF(2 * h, 2 * h))); break;
    case Glyph::Minimize: p.drawLine(c + QPointF(-h, h), c + QPointF(h, h)); break;
    case Glyph::Restore:
      p.drawRect(QRectF(c + QPointF(-h, -h * 0.4), QSizeF(h * 1.4, h * 1.4)));
      p.drawPolyline(QPolygonF({c + QPointF(-h * 0.4, -h * 0.4), c + QPointF(-h * 0.4, -h), c + QPointF(h, -h),
                                c + QPointF(h, h * 0.4), c + QPointF(h * 0.4, h * 0.4)}));
      break;
    case Glyph::Help: {
      QFont f = p.font();
      f.setPixelSize(static_cast<int>(s * 0.62));
      f.setBold(true);
      p.setFont(f);
      p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Glyph::RollUp:
      p.drawPolyline(QPolygonF({c + QPointF(-h, h * 0.5), c + QPointF(0, -h * 0.5), c + QPointF(h, h * 0.5)}));
      break;
    case Glyph::Chevron:
      for (double dx : {-h * 0.5, h * 0.4})
        p.drawPolyline(QPolygonF({c + QPointF(dx - h * 0.4, -h * 0.8), c + QPointF(dx + h * 0.2, 0),
                                  c + QPointF(dx - h * 0.4, h * 0.8)}));
      break;
    case Glyph::GripVertical:  // three short lines across a vertical thumb
    case Glyph::GripHorizontal: {
      p.setPen(QPen(colour, 1));
      for (int i = -1; i <= 1; ++i) {
        if (g == Glyph::GripVertical) {
          p.drawLine(c + QPointF(-h, i * 2.5), c + QPointF(h, i * 2.5));
        } else {
          p.drawLine(c + QPointF(i * 2.5, -h), c + QPointF(i * 2.5, h));
        }
      }
      break;
    }
    case Glyph::SizeGrip:
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      for (int row = 0; row < 3; ++row)
        for (int col = 2 - row; col < 3; ++col)
          p.drawRect(QRectF(r.right() - 4 - (2 - col) * 3.5, r.bottom() - 4 - (2 - row) * 3.5, 2, 2));
      break;
  }
  p.restore();
}

void DrawTexture(QPainter& p, const QRectF& r, const QColor& base, int seed) {
  p.fillRect(r, base);
  QRandomGenerator random(static_cast<quint32>(seed));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(r);
  for (int i = 0; i < static_cast<int>(r.width() * r.height() / 40); ++i) {
    const double x = r.left() + random.bounded(r.width());
    const double y = r.top() + random.bounded(r.height());
    const int light = random.bounded(2) ? 112 : 90;
    p.setPen(QPen(WithAlpha(Shade(base, light), 70 + random.bounded(80)), 1));
    p.drawLine(QPointF(x, y), QPointF(x + 3 + random.bounded(6.0), y + random.bounded(2.0) - 1));
  }
  p.restore();
}

}  // namespace tessera::datagen
