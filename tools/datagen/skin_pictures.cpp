#include "skin_pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <map>
#include <set>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "painter_kit.h"
#include "picture_writer.h"

namespace tessera::datagen {

namespace {

enum class Look {
  Button, FlatButton, CommandLink, CheckBox, Radio, GroupBox, ScrollArrow, Thumb, Grip, Track, SizeBox, Field, Fill,
  Band, Gripper, Chevron, ToolButton, ToolDropDown, SeparatorV, SeparatorH, Pane, Tab, HeaderBand, Header, SortArrow,
  Highlight, CheckMark, MenuArrow, FrameEdge, SunkenPane, ArrowButton, Groove, SliderThumb, MdiButtons, Tooltip,
  Balloon, PlusMinus, GlyphArrowDown, LightBand, GroupHeader, TopBorder, SideBorder, BottomBorder, TitleButton, Glow,
  HorzFrame, VertFrame, ShapeLeft, ShapeRight, CaptionBand, Texture, Shine, TaskbarBand, GlassBand, TaskButton,
  StartButton, Orb, Tray, ShowDesktop, MenuPanel, AccentBand, PanelTint, Backdrop, Banner, ExplorerHeader, ExplorerPane,
  RoundArrow, Icons, LogoffButton
};

struct Recipe {
  const char* stem;
  Look look;
  int width;   // of one frame
  int height;
  Glyph glyph = Glyph::None;
};

// clang-format off
const Recipe kRecipes[] = {
  {"button", Look::Button, 36, 24}, {"flatbutton", Look::FlatButton, 36, 24}, {"commandlink", Look::CommandLink, 48, 36},
  {"checkbox", Look::CheckBox, 13, 13}, {"tristate", Look::CheckBox, 13, 13}, {"radio", Look::Radio, 13, 13},
  {"groupbox", Look::GroupBox, 24, 24}, {"scrollarrows", Look::ScrollArrow, 17, 17},
  {"vthumb", Look::Thumb, 17, 28}, {"hthumb", Look::Thumb, 28, 17},
  {"vgrip", Look::Grip, 17, 28, Glyph::GripVertical}, {"hgrip", Look::Grip, 28, 17, Glyph::GripHorizontal},
  {"vtrack", Look::Track, 17, 16}, {"htrack", Look::Track, 16, 17}, {"sizebox", Look::SizeBox, 17, 17},
  {"progtrack", Look::Field, 24, 16}, {"progbar", Look::Fill, 24, 16}, {"progvtrack", Look::Field, 16, 24},
  {"progvbar", Look::Fill, 16, 24}, {"rebar", Look::Band, 32, 28}, {"rebargrip", Look::Gripper, 6, 24},
  {"chevron", Look::Chevron, 12, 24, Glyph::Chevron}, {"tbbutton", Look::ToolButton, 24, 24},
  {"tbdropdown", Look::ToolDropDown, 36, 24}, {"tbseparator", Look::SeparatorV, 6, 24}, {"tabpane", Look::Pane, 32, 32},
  {"tab", Look::Tab, 36, 22}, {"headerbg", Look::HeaderBand, 16, 22}, {"header", Look::Header, 32, 22},
  {"sortarrows", Look::SortArrow, 9, 6}, {"menubar", Look::Band, 16, 20}, {"menubaritem", Look::Highlight, 24, 20},
  {"menu", Look::Pane, 24, 24}, {"menuitem", Look::Highlight, 24, 22}, {"menusep", Look::SeparatorH, 24, 5},
  {"menucheck", Look::CheckMark, 16, 16, Glyph::Check}, {"menuarrow", Look::MenuArrow, 8, 16, Glyph::ArrowRight},
  {"menuframe", Look::FrameEdge, 24, 24}, {"statusbar", Look::Band, 16, 22}, {"statuspane", Look::SunkenPane, 16, 22},
  {"statusgrip", Look::SizeBox, 14, 14}, {"combo", Look::Field, 32, 22},
  {"combobutton", Look::ArrowButton, 17, 20, Glyph::ArrowDown}, {"edit", Look::Field, 24, 22},
  {"listbox", Look::Field, 24, 24}, {"spinup", Look::ArrowButton, 16, 11, Glyph::ArrowUp},
  {"spindown", Look::ArrowButton, 16, 11, Glyph::ArrowDown}, {"spinleft", Look::ArrowButton, 11, 16, Glyph::ArrowLeft},
  {"spinright", Look::ArrowButton, 11, 16, Glyph::ArrowRight}, {"trackbar", Look::Groove, 24, 6},
  {"trackthumb", Look::SliderThumb, 11, 20}, {"trackvthumb", Look::SliderThumb, 20, 11},
  {"mdicontrols", Look::MdiButtons, 16, 14}, {"mdiclient", Look::Texture, 64, 64}, {"tooltip", Look::Tooltip, 24, 24},
  {"balloon", Look::Balloon, 32, 32}, {"treeglyphs", Look::PlusMinus, 9, 9}, {"listitem", Look::Highlight, 24, 20},
  {"splitarrow", Look::GlyphArrowDown, 12, 24, Glyph::ArrowDown}, {"dialogfooter", Look::LightBand, 32, 40},
  {"wizardheader", Look::LightBand, 32, 48}, {"groupheader", Look::GroupHeader, 32, 20},
  {"top", Look::TopBorder, 120, 26}, {"left", Look::SideBorder, 4, 40}, {"right", Look::SideBorder, 4, 40},
  {"bottom", Look::BottomBorder, 120, 4}, {"close", Look::TitleButton, 21, 21, Glyph::Close},
  {"max", Look::TitleButton, 21, 21, Glyph::Maximize},
  {"restore", Look::TitleButton, 21, 21, Glyph::Restore}, {"min", Look::TitleButton, 21, 21, Glyph::Minimize},
  {"rollup", Look::TitleButton, 21, 21, Glyph::RollUp}, {"help", Look::TitleButton, 21, 21, Glyph::Help},
  {"glow", Look::Glow, 29, 29}, {"horz", Look::HorzFrame, 140, 36}, {"vert", Look::VertFrame, 12, 64},
  {"shapeleft", Look::ShapeLeft, 8, 8}, {"shaperight", Look::ShapeRight, 8, 8}, {"captionband", Look::CaptionBand, 120, 24},
  {"frametexture", Look::Texture, 64, 64}, {"smtexture", Look::Texture, 64, 64}, {"tbtexture", Look::Texture, 64, 32},
  {"shine", Look::Shine, 80, 24}, {"taskbar", Look::TaskbarBand, 32, 30}, {"taskbarvert", Look::TaskbarBand, 30, 32},
  {"glassbar", Look::GlassBand, 32, 30}, {"taskbutton", Look::TaskButton, 48, 24}, {"startbutton", Look::StartButton, 64, 30},
  {"startorb", Look::Orb, 36, 36}, {"tray", Look::Tray, 32, 30}, {"trayarrow", Look::ToolButton, 16, 24, Glyph::ArrowUp},
  {"showdesktop", Look::ShowDesktop, 12, 30}, {"startmenu", Look::MenuPanel, 64, 64}, {"smuser", Look::AccentBand, 64, 48},
  {"smprograms", Look::Field, 32, 32}, {"smplaces", Look::PanelTint, 32, 32}, {"smlogoff", Look::AccentBand, 64, 32},
  {"smitem", Look::Highlight, 32, 24}, {"smallprograms", Look::Button, 32, 22},
  {"smlogoffbuttons", Look::LogoffButton, 24, 24}, {"bgactive", Look::Backdrop, 128, 128},
  {"bginactive", Look::Backdrop, 128, 128}, {"banner", Look::Banner, 128, 40}, {"navpane", Look::PanelTint, 32, 32},
  {"cmdbar", Look::Band, 32, 32}, {"ebbackground", Look::PanelTint, 32, 32}, {"ebheader", Look::ExplorerHeader, 48, 24},
  {"ebspecialheader", Look::ExplorerHeader, 48, 24}, {"ebpane", Look::ExplorerPane, 32, 32},
  {"ebbuttons", Look::RoundArrow, 18, 18}, {"icons", Look::Icons, 24, 24},
};
// clang-format on

const Recipe* findRecipe(const std::string& stem) {
  for (const Recipe& r : kRecipes) {
    if (stem == r.stem) return &r;
  }
  // Toolbar icon strips: icons_<set><size>[hot].
  if (stem.rfind("icons_", 0) == 0) return &kRecipes[std::size(kRecipes) - 1];
  return nullptr;
}

// How many icons a toolbar icon strip holds, and their size: icons_<set><size>[hot] with the sets
// ie (browser), ex (folder windows), extras and go.
void iconStripShape(const std::string& stem, int& count, int& size) {
  const std::string set = stem.substr(6);
  count = set.rfind("ie", 0) == 0 ? 10 : set.rfind("extras", 0) == 0 ? 4 : set.rfind("ex", 0) == 0 ? 8 : 1;
  size = set.find("small") != std::string::npos ? 16 : set.rfind("go", 0) == 0 ? 20 : 24;
}

void drawIcon(QPainter& p, const QRectF& r, int index, const Palette& pal, bool hot) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colours[] = {pal.accent, QColor(64, 160, 72), QColor(214, 150, 40), pal.close, QColor(120, 90, 190)};
  QColor c = colours[index % 5];
  if (hot) c = c.lighter(125);
  const QRectF box = r.adjusted(r.width() * 0.15, r.height() * 0.15, -r.width() * 0.15, -r.height() * 0.15);
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, c.lighter(140));
  g.setColorAt(1, c);
  p.setBrush(g);
  p.setPen(QPen(c.darker(150), 1));
  switch (index % 4) {
    case 0: p.drawEllipse(box); break;
    case 1: p.drawRoundedRect(box, 2, 2); break;
    case 2: {
      QPainterPath path;
      path.moveTo(box.center().x(), box.top());
      path.lineTo(box.bottomRight());
      path.lineTo(box.bottomLeft());
      path.closeSubpath();
      p.drawPath(path);
      break;
    }
    default: {
      QPainterPath path;
      path.moveTo(box.center().x(), box.top());
      path.lineTo(box.right(), box.center().y());
      path.lineTo(box.center().x(), box.bottom());
      path.lineTo(box.left(), box.center().y());
      path.closeSubpath();
      p.drawPath(path);
    }
  }
  p.setPen(QPen(Qt::white, 1.4));
  DrawGlyph(p, box, index % 3 == 0 ? Glyph::ArrowRight : index % 3 == 1 ? Glyph::Plus : Glyph::Dash, Qt::white, 1.4);
  p.restore();
}

// The title-bar gradient of active or inactive windows.
void titleGradient(QPainter& p, const QRectF& r, const Palette& pal, bool inactive) {
  const QColor a = inactive ? pal.titleInactive : pal.titleActive;
  const QColor b = inactive ? pal.titleInactive2 : pal.titleActive2;
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, b.lighter(118));
  g.setColorAt(0.45, b);
  g.setColorAt(0.55, a);
  g.setColorAt(1, a.darker(108));
  p.fillRect(r, g);
}

void drawFrame(QPainter& p, const Recipe& recipe, const QRectF& r, const Palette& pal, const StateLook& s, int index,
               int count, const std::string& stem) {
  switch (recipe.look) {
    case Look::Button: DrawPanel(p, r, pal, s, 3); break;
    case Look::FlatButton: {
      StateLook flat = s;
      DrawHighlight(p, r, pal, flat.hot || flat.pressed ? flat : StateLook{}, 2);
      if (!s.hot && !s.pressed) {
        p.setPen(QPen(s.disabled ? WithAlpha(pal.edge, 90) : pal.edge, 1));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
      }
      break;
    }
    case Look::CommandLink: {
      StateLook soft = s;
      DrawHighlight(p, r, pal, soft, 4);
      DrawGlyph(p, QRectF(r.left() + 4, r.top() + 6, 20, 20), Glyph::ArrowRight, s.disabled ? pal.edge : pal.accent, 2);
      break;
    }
    case Look::CheckBox:
    case Look::Radio: {
      StateLook box = s;
      box.emphasis = false;
      const QRectF b = r.adjusted(0, 0, 0, 0);
      if (recipe.look == Look::Radio) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(b.center() - QPointF(2, 2), b.width());
        g.setColorAt(0, pal.field);
        g.setColorAt(1, s.hot ? pal.accentLight : Shade(pal.face, 95));
        p.setBrush(s.disabled ? QBrush(Shade(pal.face, 103)) : QBrush(g));
        p.setPen(QPen(s.hot || s.pressed ? pal.accent : pal.edge, 1));
        p.drawEllipse(b.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
        if (s.on) DrawGlyph(p, b, Glyph::Dot, s.disabled ? pal.edge : pal.accent);
      } else {
        DrawField(p, b, pal, box, 2);
        if (s.mixed) {
          p.fillRect(b.adjusted(3, 3, -3, -3), s.disabled ? pal.edge : pal.accent);
        } else if (s.on) {
          DrawGlyph(p, b.adjusted(0, 0, 0, 0), Glyph::Check, s.disabled ? pal.edge : pal.accent, 1.8);
        }
      }
      break;
    }
    case Look::GroupBox:
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(pal.edge, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
      p.setPen(QPen(WithAlpha(Qt::white, 180), 1));
      p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
      p.restore();
      break;
    case Look::ScrollArrow: {
      const Glyph dirs[] = {Glyph::ArrowUp, Glyph::ArrowDown, Glyph::ArrowLeft, Glyph::ArrowRight};
      DrawPanel(p, r, pal, s, 2);
      DrawGlyph(p, r, dirs[std::min(index / 4, 3)], s.disabled ? WithAlpha(pal.glyph, 90) : pal.glyph);
      break;
    }
    case Look::Thumb: DrawPanel(p, r.adjusted(1, 1, -1, -1), pal, s, 3); break;
    case Look::Grip: DrawGlyph(p, r, recipe.glyph, s.disabled ? WithAlpha(pal.glyph, 70) : WithAlpha(pal.glyph, 170)); break;
    case Look::Track: {
      const bool vertical = r.height() < r.width() ? false : recipe.width < recipe.height || stem[0] == 'v';
      DrawBand(p, r, Shade(pal.face, 92), Shade(pal.face, 100), !vertical);
      if (s.pressed) p.fillRect(r, WithAlpha(pal.accent, 50));
      break;
    }
    case Look::SizeBox:
      p.fillRect(r, Shade(pal.face, 98));
      DrawGlyph(p, r, Glyph::SizeGrip, pal.edge);
      break;
    case Look::Field: DrawField(p, r, pal, s, 2); break;
    case Look::Fill: {
      const bool vertical = recipe.height > recipe.width;
      QRectF f = r.adjusted(1, 1, -1, -1);
      QLinearGradient g(f.topLeft(), vertical ? f.topRight() : f.bottomLeft());
      g.setColorAt(0, pal.accentLight);
      g.setColorAt(0.5, pal.accent);
      g.setColorAt(1, pal.accent.darker(115));
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawRoundedRect(f, 2, 2);
      p.restore();
      break;
    }
    case Look::Band: DrawBand(p, r, pal.faceLight, Shade(pal.face, 96)); break;
    case Look::Gripper: DrawGlyph(p, r, Glyph::GripHorizontal, pal.edge); break;
    case Look::Chevron:
      DrawHighlight(p, r, pal, s, 2);
      DrawGlyph(p, r, Glyph::Chevron, pal.glyph, 1.2);
      break;
    case Look::ToolButton:
      DrawHighlight(p, r, pal, s, 3);
      if (recipe.glyph != Glyph::None) DrawGlyph(p, r, recipe.glyph, pal.glyph);
      break;
    case Look::ToolDropDown:
      DrawHighlight(p, r, pal, s, 3);
      DrawGlyph(p, QRectF(r.right() - 12, r.top(), 12, r.height()), Glyph::ArrowDown, pal.glyph);
      break;
    case Look::SeparatorV:
      p.setPen(QPen(WithAlpha(pal.edge, 160), 1));
      p.drawLine(QPointF(r.center().x() - 0.5, r.top() + 3), QPointF(r.center().x() - 0.5, r.bottom() - 3));
      p.setPen(QPen(WithAlpha(Qt::white, 200), 1));
      p.drawLine(QPointF(r.center().x() + 0.5, r.top() + 3), QPointF(r.center().x() + 0.5, r.bottom() - 3));
      break;
    case Look::SeparatorH:
      p.setPen(QPen(WithAlpha(pal.edge, 160), 1));
      p.drawLine(QPointF(r.left() + 2, r.center().y() - 0.5), QPointF(r.right() - 2, r.center().y() - 0.5));
      p.setPen(QPen(WithAlpha(Qt::white, 200), 1));
      p.drawLine(QPointF(r.left() + 2, r.center().y() + 0.5), QPointF(r.right() - 2, r.center().y() + 0.5));
      break;
    case Look::Pane:
      p.save();
      p.setPen(QPen(pal.edge, 1));
      p.setBrush(pal.faceLight);
      p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
      p.restore();
      break;
    case Look::Tab: {
      StateLook t = s;
      t.hot = s.hot || s.on;
      const QRectF box = s.on ? r : r.adjusted(0, 2, 0, 0);
      p.save();
      p.setClipRect(box.adjusted(0, 0, 0, -1));
      DrawPanel(p, box.adjusted(0, 0, 0, 4), pal, s.on ? StateLook{} : t, 4);
      p.restore();
      if (s.on) p.fillRect(QRectF(r.left() + 1, r.bottom() - 2, r.width() - 2, 2), pal.faceLight);
      break;
    }
    case Look::HeaderBand: DrawBand(p, r, pal.faceLight, Shade(pal.face, 97)); break;
    case Look::Header:
      DrawBand(p, r, s.hot || s.pressed ? pal.accentLight.lighter(120) : pal.faceLight,
               s.pressed ? pal.accentLight : Shade(pal.face, 97));
      p.setPen(QPen(pal.edge, 1));
      p.drawLine(QPointF(r.right() - 0.5, r.top() + 3), QPointF(r.right() - 0.5, r.bottom() - 3));
      p.drawLine(QPointF(r.left(), r.bottom() - 0.5), QPointF(r.right(), r.bottom() - 0.5));
      break;
    case Look::SortArrow: DrawGlyph(p, r.adjusted(-4, -4, 4, 4), index == 0 ? Glyph::ArrowUp : Glyph::ArrowDown, pal.glyph); break;
    case Look::Highlight: DrawHighlight(p, r, pal, s, 3); break;
    case Look::CheckMark: DrawGlyph(p, r, Glyph::Check, s.on ? pal.accent.darker(120) : pal.glyph, 1.8); break;
    case Look::MenuArrow: DrawGlyph(p, r.adjusted(-4, 0, 4, 0), Glyph::ArrowRight, s.on ? pal.accent.darker(130) : pal.glyph); break;
    case Look::FrameEdge:
      p.setPen(QPen(pal.edge, 1));
      p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
      p.setPen(QPen(pal.faceLight, 1));
      p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
      break;
    case Look::SunkenPane:
      DrawBand(p, r, pal.faceLight, Shade(pal.face, 97));
      p.setPen(QPen(WithAlpha(pal.edge, 150), 1));
      p.drawLine(QPointF(r.right() - 0.5, r.top() + 3), QPointF(r.right() - 0.5, r.bottom() - 3));
      break;
    case Look::ArrowButton:
      DrawPanel(p, r, pal, s, 2);
      DrawGlyph(p, r, recipe.glyph, s.disabled ? WithAlpha(pal.glyph, 90) : pal.glyph);
      break;
    case Look::Groove: DrawField(p, r, pal, StateLook{}, 2); break;
    case Look::SliderThumb: DrawPanel(p, r, pal, s, 4); break;
    case Look::MdiButtons: {
      const Glyph glyphs[] = {Glyph::Close, Glyph::Restore, Glyph::Minimize};
      DrawPanel(p, r, pal, s, 2);
      DrawGlyph(p, r.adjusted(1, 1, -1, -1), glyphs[std::min(index / 4, 2)], s.disabled ? WithAlpha(pal.glyph, 90) : pal.glyph, 1.3);
      break;
    }
    case Look::Tooltip:
    case Look::Balloon: {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, QColor(255, 255, 255));
      g.setColorAt(1, QColor(236, 240, 248));
      p.setBrush(g);
      p.setPen(QPen(pal.edge, 1));
      const double radius = recipe.look == Look::Balloon ? 7 : 3;
      p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
      p.restore();
      break;
    }
    case Look::PlusMinus:
      DrawField(p, r, pal, StateLook{}, 1);
      DrawGlyph(p, r.adjusted(-2, -2, 2, 2), s.on ? Glyph::Minus : Glyph::Plus, pal.glyph, 1.0);
      break;
    case Look::GlyphArrowDown: DrawGlyph(p, r, Glyph::ArrowDown, s.disabled ? WithAlpha(pal.glyph, 90) : pal.glyph); break;
    case Look::LightBand:
      DrawBand(p, r, Shade(pal.face, 103), pal.face);
      p.setPen(QPen(WithAlpha(pal.edge, 120), 1));
      p.drawLine(r.topLeft() + QPointF(0, 0.5), r.topRight() + QPointF(0, 0.5));
      break;
    case Look::GroupHeader:
      DrawHighlight(p, r, pal, s.on ? s : StateLook{}, 2);
      p.setPen(QPen(WithAlpha(pal.accent, 150), 1));
      p.drawLine(QPointF(r.left() + 2, r.bottom() - 2.5), QPointF(r.right() - 2, r.bottom() - 2.5));
      break;
    case Look::TopBorder: {
      // The title bar of the basic frame: rounded top corners (cut by magenta in BMP pictures).
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      QPainterPath shape;
      shape.addRoundedRect(r.adjusted(0, 0, 0, 8), 6, 6);
      p.setClipPath(shape);
      titleGradient(p, r, pal, s.inactive);
      p.setPen(QPen(WithAlpha(Qt::white, 90), 1));
      p.drawLine(r.topLeft() + QPointF(4, 1.5), r.topRight() + QPointF(-4, 1.5));
      p.restore();
      break;
    }
    case Look::SideBorder:
    case Look::BottomBorder: {
      const QColor c = s.inactive ? pal.titleInactive : pal.titleActive;
      DrawBand(p, r, c.lighter(115), c.darker(110), recipe.look == Look::BottomBorder);
      break;
    }
    case Look::TitleButton: {
      StateLook b = s;
      const bool close = recipe.glyph == Glyph::Close;
      Palette tinted = pal;
      if (close) {
        tinted.faceLight = pal.close.lighter(150);
        tinted.face = pal.close;
        tinted.accentLight = pal.close.lighter(130);
        tinted.accent = pal.close.darker(120);
      } else {
        tinted.faceLight = pal.titleActive2.lighter(140);
        tinted.face = pal.titleActive;
      }
      DrawPanel(p, r.adjusted(1, 1, -1, -1), tinted, b, 4);
      DrawGlyph(p, r.adjusted(3, 3, -3, -3), recipe.glyph, Qt::white, 1.8);
      break;
    }
    case Look::Glow: {
      QRadialGradient g(r.center(), r.width() / 2);
      g.setColorAt(0, WithAlpha(pal.close.lighter(150), 190));
      g.setColorAt(0.6, WithAlpha(pal.close, 80));
      g.setColorAt(1, WithAlpha(pal.close, 0));
      p.fillRect(r, g);
      break;
    }
    case Look::HorzFrame: {
      // Top border (title bar) over the bottom border; the bottom border is as thick as a side
      // border: half the width of a VertFrame frame (6 pixels).
      const double t = 6;
      const QRectF top(r.left(), r.top(), r.width(), r.height() - t);
      const QRectF bottom(r.left(), r.bottom() - t, r.width(), t);
      titleGradient(p, top, pal, s.inactive);
      p.setPen(QPen(WithAlpha(Qt::white, 110), 1));
      p.drawLine(top.topLeft() + QPointF(0, 0.5), top.topRight() + QPointF(0, 0.5));
      p.setPen(QPen(WithAlpha(Qt::black, 60), 1));
      p.drawLine(QPointF(top.left() + t, top.bottom() - 0.5), QPointF(top.right() - t, top.bottom() - 0.5));
      const QColor c = s.inactive ? pal.titleInactive : pal.titleActive;
      DrawBand(p, bottom, c, c.darker(125));
      break;
    }
    case Look::VertFrame: {
      const QColor c = s.inactive ? pal.titleInactive : pal.titleActive;
      const double half = r.width() / 2;
      DrawBand(p, QRectF(r.left(), r.top(), half, r.height()), c.lighter(120), c, false);
      DrawBand(p, QRectF(r.left() + half, r.top(), half, r.height()), c, c.darker(125), false);
      break;
    }
    case Look::ShapeLeft:
    case Look::ShapeRight: {
      // Opaque where the window is; the rounded corner is cut away.
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      const QColor c = s.inactive ? pal.titleInactive2 : pal.titleActive2;
      QPainterPath path;
      const bool left = recipe.look == Look::ShapeLeft;
      const QPointF corner = left ? r.topLeft() : r.topRight();
      path.addRect(r);
      QPainterPath cut;
      cut.addRect(QRectF(corner - QPointF(left ? 0 : r.width(), 0), r.size()));
      QPainterPath round;
      round.addEllipse(QRectF(left ? r.left() : r.right() - 2 * r.width(), r.top(), 2 * r.width(), 2 * r.height()));
      p.fillPath(path.intersected(round), c.lighter(118));
      p.restore();
      break;
    }
    case Look::CaptionBand: {
      QRadialGradient g(r.center(), r.width() / 2);
      const QColor c = s.inactive ? pal.titleInactive2 : pal.titleActive2;
      g.setColorAt(0, WithAlpha(c.lighter(160), 150));
      g.setColorAt(1, WithAlpha(c, 0));
      p.fillRect(r, g);
      break;
    }
    case Look::Texture: DrawTexture(p, r, stem.find("tb") == 0 ? pal.titleActive : pal.titleActive2, static_cast<int>(stem.size()) * 7 + index); break;
    case Look::Shine: {
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, WithAlpha(Qt::white, s.inactive ? 60 : 120));
      g.setColorAt(1, WithAlpha(Qt::white, 0));
      p.fillRect(r, g);
      break;
    }
    case Look::TaskbarBand: {
      const bool vertical = recipe.height > recipe.width;
      DrawBand(p, r, pal.titleActive2, pal.titleActive.darker(120), !vertical);
      p.setPen(QPen(WithAlpha(Qt::white, 120), 1));
      if (vertical) {
        p.drawLine(QPointF(r.right() - 0.5, r.top()), QPointF(r.right() - 0.5, r.bottom()));
      } else {
        p.drawLine(QPointF(r.left(), r.top() + 0.5), QPointF(r.right(), r.top() + 0.5));
      }
      break;
    }
    case Look::GlassBand:
      DrawBand(p, r, WithAlpha(pal.titleActive2, 170), WithAlpha(pal.titleActive.darker(130), 210));
      p.setPen(QPen(WithAlpha(Qt::white, 140), 1));
      p.drawLine(QPointF(r.left(), r.top() + 0.5), QPointF(r.right(), r.top() + 0.5));
      break;
    case Look::TaskButton: {
      Palette glass = pal;
      glass.faceLight = WithAlpha(pal.titleActive2.lighter(150), 200);
      glass.face = WithAlpha(pal.titleActive2, 200);
      StateLook t = s;
      if (s.emphasis) t.hot = true;
      DrawPanel(p, r.adjusted(1, 2, -1, -2), glass, t, 3);
      break;
    }
    case Look::StartButton: {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      const QColor c = s.pressed ? QColor(40, 120, 50) : s.hot ? QColor(80, 176, 80) : QColor(60, 150, 64);
      g.setColorAt(0, c.lighter(140));
      g.setColorAt(0.5, c);
      g.setColorAt(1, c.darker(120));
      p.setBrush(g);
      p.setPen(QPen(c.darker(150), 1));
      p.drawRoundedRect(r.adjusted(0.5, 1.5, -8.5, -1.5), 10, 10);
      drawIcon(p, QRectF(r.left() + 4, r.top() + 5, 20, 20), 1, pal, s.hot);
      p.restore();
      break;
    }
    case Look::Orb: {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      QRadialGradient g(r.center() - QPointF(0, r.height() / 5), r.width() / 1.6);
      const QColor c = s.pressed ? pal.accent.darker(130) : s.hot ? pal.accentLight : pal.accent;
      g.setColorAt(0, c.lighter(170));
      g.setColorAt(1, c.darker(120));
      p.setBrush(g);
      p.setPen(QPen(c.darker(160), 1));
      p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
      drawIcon(p, r.adjusted(8, 8, -8, -8), 0, pal, s.hot);
      p.restore();
      break;
    }
    case Look::Tray:
      DrawBand(p, r, pal.titleActive.lighter(115), pal.titleActive.darker(125));
      p.setPen(QPen(WithAlpha(Qt::black, 70), 1));
      p.drawLine(QPointF(r.left() + 0.5, r.top() + 3), QPointF(r.left() + 0.5, r.bottom() - 3));
      break;
    case Look::ShowDesktop:
      DrawBand(p, r, WithAlpha(pal.faceLight, 90), WithAlpha(pal.face, 60), false);
      p.setPen(QPen(WithAlpha(Qt::white, 150), 1));
      p.drawLine(QPointF(r.left() + 0.5, r.top()), QPointF(r.left() + 0.5, r.bottom()));
      break;
    case Look::MenuPanel:
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(pal.faceLight);
      p.setPen(QPen(pal.titleActive, 2));
      p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
      p.restore();
      break;
    case Look::AccentBand: DrawBand(p, r, pal.titleActive2, pal.titleActive); break;
    case Look::PanelTint: DrawBand(p, r, Shade(pal.accentLight, 135), Shade(pal.accentLight, 120), false); break;
    case Look::Backdrop: {
      DrawBand(p, r, pal.field, Shade(pal.accentLight, 140));
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      const bool faded = stem.find("inactive") != std::string::npos;
      for (int i = 0; i < 5; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(i % 2 ? pal.accent : pal.accentLight, faded ? 14 : 30));
        p.drawEllipse(QPointF(r.left() + r.width() * (0.2 + 0.17 * i), r.top() + r.height() * (0.75 - 0.1 * i)),
                      r.width() * 0.3, r.width() * 0.3);
      }
      p.restore();
      break;
    }
    case Look::Banner:
      DrawBand(p, r, pal.accentLight.lighter(130), pal.field, false);
      drawIcon(p, QRectF(r.left() + 6, r.top() + 6, 28, 28), 0, pal, false);
      break;
    case Look::ExplorerHeader: {
      const bool special = stem.find("special") != std::string::npos;
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      QPainterPath shape;
      shape.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, 6), 5, 5);
      p.setClipRect(r);
      QLinearGradient g(r.topLeft(), r.topRight());
      g.setColorAt(0, special ? pal.titleActive : pal.field);
      g.setColorAt(1, special ? pal.titleActive2 : pal.accentLight);
      p.fillPath(shape, g);
      p.restore();
      break;
    }
    case Look::ExplorerPane:
      p.fillRect(r, Shade(pal.accentLight, 140));
      p.setPen(QPen(pal.field, 1));
      p.drawRect(r.adjusted(0.5, -1, -0.5, -0.5));
      break;
    case Look::RoundArrow: {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(s.hot ? pal.accentLight.lighter(120) : pal.field);
      p.setPen(QPen(s.pressed ? pal.accent : pal.edge, 1));
      p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
      p.restore();
      DrawGlyph(p, r, index < 2 ? Glyph::RollUp : Glyph::ArrowDown, pal.accent.darker(120), 1.6);
      break;
    }
    case Look::LogoffButton: {
      Palette tinted = pal;
      tinted.faceLight = (index % 2 ? pal.close : QColor(220, 170, 40)).lighter(150);
      tinted.face = index % 2 ? pal.close : QColor(220, 170, 40);
      DrawPanel(p, r.adjusted(2, 2, -2, -2), tinted, s, 4);
      DrawGlyph(p, r.adjusted(5, 5, -5, -5), Glyph::Dot, Qt::white);
      break;
    }
    case Look::Icons: break;  // drawn as a whole strip
  }
  (void)count;
}

// Frame and state description of one picture reference.
struct Reference {
  std::string path;     // as stored: skin\file.tga
  std::string section;  // where it was found
  std::string key;
  std::string file;     // the skin file that holds it
};

int readInt(const std::string& section, const std::string& key, int def, const std::string& file) {
  return static_cast<int>(profile::GetInt(section, key, def, file));
}

std::vector<std::string> stateNames(const std::string& catalogueSection, const std::string& dataFolder) {
  const std::string catalogue = paths::join(dataFolder, "subsections.ini");
  const int list = readInt(catalogueSection, "StateList", 0, catalogue);
  std::vector<std::string> names;
  for (const std::string& line : profile::ReadSection(std::to_string(list), paths::join(dataFolder, "statelist.ini"))) {
    names.push_back(line.substr(0, line.rfind('=')));
  }
  return names;
}

struct Shape {
  int frames = 1;
  bool vertical = false;
  std::vector<std::string> states;
};

Shape shapeOf(const Reference& ref, const std::string& dataFolder) {
  const std::string catalogue = paths::join(dataFolder, "subsections.ini");
  const std::string base = ref.section.substr(0, ref.section.find(':', 1));
  const int catalogueCount = std::max(1, readInt(base, "ImageCount", 1, catalogue));
  Shape shape;
  const std::string key = paths::lower(ref.key);
  if (key == "buttonimage") {
    shape.frames = readInt(ref.section, "FrameCount", 3, ref.file);
    shape.states = {"Normal", "Mouse over", "Pressed", "Inactive", "Inactive mouse over", "Inactive pressed"};
  } else if (key == "overlayimage") {
    shape.frames = readInt(ref.section, "OverlayFrameCount", 1, ref.file);
  } else if (key == "top" || key == "left" || key == "right" || key == "bottom") {
    shape.frames = readInt(ref.section, ref.key + "Frame", catalogueCount, ref.file);
    shape.vertical = key == "top" || key == "bottom";
    shape.states = {"Active", "Inactive"};
  } else if (key == "horzframe" || key == "vertframe") {
    shape.frames = readInt(ref.section, "FrameCount", 2, ref.file);
    shape.vertical = key == "horzframe";
    shape.states = {"Active", "Inactive"};
  } else if (key == "shapeleftimage" || key == "shaperightimage") {
    shape.frames = readInt(ref.section, "ShapeFrameCount", 2, ref.file);
    shape.states = {"Active", "Inactive"};
  } else {
    shape.frames = readInt(ref.section, "FrameCount", catalogueCount, ref.file);
    shape.vertical = readInt(ref.section, key.rfind("glyph", 0) == 0 ? "GlyphVert" : "Vert", 0, ref.file) == 1;
    shape.states = stateNames(base, dataFolder);
  }
  shape.frames = std::clamp(shape.frames, 1, 64);
  return shape;
}

bool isPictureValue(std::string_view value) {
  const std::string extension = paths::upper(paths::extension(value));
  return extension == "TGA" || extension == "BMP";
}

}  // namespace

QImage DrawNamedPicture(const std::string& fileName, int frames, bool vertical, const std::vector<std::string>& states,
                        const Palette& palette) {
  std::string stem = paths::lower(paths::stem(fileName));
  Palette pal = palette;
  if (const auto dark = stem.find("_dark"); dark != std::string::npos) {
    stem.erase(dark);
    pal = palette.darker();
  }
  const Recipe* recipe = findRecipe(stem);
  if (!recipe) return {};
  if (recipe->look == Look::Icons) {
    int count = 1, size = 24;
    iconStripShape(stem, count, size);
    QImage strip = NewCanvas(count * size, size);
    QPainter p(&strip);
    for (int i = 0; i < count; ++i) drawIcon(p, QRectF(i * size, 0, size, size), i, pal, stem.find("hot") != std::string::npos);
    return strip;
  }
  const int w = recipe->width, h = recipe->height;
  QImage picture = NewCanvas(vertical ? w : w * frames, vertical ? h * frames : h);
  QPainter p(&picture);
  for (int i = 0; i < frames; ++i) {
    const QRectF frame(vertical ? 0 : i * w, vertical ? i * h : 0, w, h);
    const std::string state = i < static_cast<int>(states.size()) ? states[i] : "Normal";
    p.save();
    p.setClipRect(frame);
    drawFrame(p, *recipe, frame, pal, LookForState(state), i, frames, stem);
    p.restore();
  }
  return picture;
}

SkinPictureResult DrawSkinPictures(const std::string& skinsFolder, const std::string& skinName,
                                   const std::string& dataFolder, const Palette& palette) {
  SkinPictureResult result;
  const std::string folder = paths::join(skinsFolder, skinName);
  std::vector<Reference> references;
  std::set<std::string> seen;
  for (const std::string& name : files::listFiles(folder)) {
    const std::string extension = paths::upper(paths::extension(name));
    if (name.back() == '~' || extension == "SSD" || isPictureValue(name) || extension == "PNG" || extension == "JPG" ||
        extension == "LST" || extension == "ZOR") {
      continue;
    }
    const std::string file = paths::join(folder, name);
    for (const std::string& section : profile::SectionNames(file)) {
      for (const std::string& line : profile::ReadSection(section, file)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string value = line.substr(eq + 1);
        if (!isPictureValue(value)) continue;
        const auto sep = value.find('\\');
        if (sep == std::string::npos || !paths::equalsIgnoreCase(value.substr(0, sep), skinName)) continue;
        if (!seen.insert(paths::lower(value)).second) continue;
        references.push_back({value, section, line.substr(0, eq), file});
      }
    }
  }
  for (const Reference& ref : references) {
    const Shape shape = shapeOf(ref, dataFolder);
    const QImage picture =
        DrawNamedPicture(std::string(paths::fileName(ref.path)), shape.frames, shape.vertical, shape.states, palette);
    if (picture.isNull()) {
      result.problems.push_back(ref.path + ": no drawing for this picture (section " + ref.section + ")");
      continue;
    }
    if (!WritePicture(picture, paths::join(skinsFolder, paths::toNative(ref.path)))) {
      result.problems.push_back(ref.path + ": cannot be written");
      continue;
    }
    result.written.push_back(ref.path);
  }
  return result;
}

}  // namespace tessera::datagen
