#include "interface_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "painter_kit.h"
#include "picture_writer.h"
#include "skin_pictures.h"

namespace tessera::datagen {

namespace {

const Palette& ui() {
  static const Palette palette = PaletteNamed("Interface");
  return palette;
}

void save(const QImage& picture, const std::string& dataFolder, const std::string& relative,
          std::vector<std::string>& problems) {
  if (!WritePicture(picture, paths::join(dataFolder, relative))) problems.push_back(relative + ": cannot be written");
}

QImage draw(int w, int h, const std::function<void(QPainter&, const QRectF&)>& painter) {
  QImage canvas = NewCanvas(w, h);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  painter(p, QRectF(0, 0, w, h));
  return canvas;
}

void text(QPainter& p, const QRectF& r, const QString& s, int pixelSize, bool bold, const QColor& colour,
          int flags = Qt::AlignCenter) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  p.setFont(f);
  p.setPen(colour);
  p.drawText(r, flags, s);
}

// The Tessera mark: a small mosaic of tiles in the interface colours.
void mosaic(QPainter& p, const QRectF& r) {
  const QColor tiles[] = {ui().accent, ui().accentLight, QColor(64, 160, 72), QColor(214, 150, 40), ui().close,
                          ui().titleActive2, QColor(120, 90, 190), ui().accent.darker(120), QColor(90, 190, 200)};
  const double cell = std::min(r.width(), r.height()) / 3;
  for (int i = 0; i < 9; ++i) {
    const QRectF tile(r.left() + (i % 3) * cell + 1, r.top() + (i / 3) * cell + 1, cell - 2, cell - 2);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, tiles[(i * 4) % 9].lighter(125));
    g.setColorAt(1, tiles[(i * 4) % 9]);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, cell * 0.18, cell * 0.18);
  }
}

void badge(QPainter& p, const QRectF& r, const QColor& colour, const QString& label) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, colour.lighter(140));
  g.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(140), 1));
  p.setBrush(g);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), r.height() * 0.25, r.height() * 0.25);
  text(p, r, label, static_cast<int>(r.height() * (label.size() > 2 ? 0.34 : 0.5)), true, Qt::white);
}

void windowIcon(QPainter& p, const QRectF& r) {
  p.setPen(QPen(ui().edge.darker(130), 1.5));
  p.setBrush(ui().field);
  p.drawRoundedRect(r, 3, 3);
  QPainterPath title;
  title.addRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.28), 3, 3);
  p.fillPath(title, ui().titleActive2);
  DrawGlyph(p, QRectF(r.right() - r.height() * 0.28, r.top(), r.height() * 0.28, r.height() * 0.28), Glyph::Close, Qt::white, 1.2);
}

// Category icons, one per category of sections.ini, in its order.
void categoryIcon(QPainter& p, const QRectF& r, int n) {
  const QRectF box = r.adjusted(3, 3, -3, -3);
  const Palette& pal = ui();
  switch (n) {
    case 1: windowIcon(p, box); break;
    case 2:
      DrawPanel(p, QRectF(box.left(), box.top() + 2, box.width(), box.height() * 0.42), pal, StateLook{}, 4);
      DrawField(p, QRectF(box.left() + 2, box.bottom() - 11, 11, 11), pal, StateLook{}, 2);
      DrawGlyph(p, QRectF(box.left() + 2, box.bottom() - 11, 11, 11), Glyph::Check, pal.accent, 1.8);
      p.setPen(QPen(pal.edge, 2));
      p.drawLine(QPointF(box.left() + 17, box.bottom() - 5.5), QPointF(box.right(), box.bottom() - 5.5));
      break;
    case 3:
      DrawField(p, QRectF(box.left(), box.center().y() - 6, box.width(), 12), pal, StateLook{}, 3);
      p.setPen(Qt::NoPen);
      p.setBrush(pal.accent);
      p.drawRoundedRect(QRectF(box.left() + 2, box.center().y() - 4, box.width() * 0.6, 8), 2, 2);
      break;
    case 4:
      p.fillRect(QRectF(box.left(), box.bottom() - 8, box.width(), 8), pal.titleActive);
      p.setBrush(QColor(60, 150, 64));
      p.setPen(Qt::NoPen);
      p.drawRoundedRect(QRectF(box.left() + 1, box.bottom() - 7, 9, 6), 3, 3);
      p.fillRect(QRectF(box.left() + 12, box.bottom() - 6, 8, 4), pal.accentLight);
      windowIcon(p, QRectF(box.left() + 4, box.top(), box.width() - 8, box.height() - 12));
      break;
    case 5:
      for (int i = 0; i < 8; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(pal.accent, 60 + i * 24));
        const double a = i * 3.14159 / 4;
        p.drawEllipse(box.center() + QPointF(std::cos(a) * box.width() * 0.36, std::sin(a) * box.width() * 0.36), 2.6, 2.6);
      }
      break;
    case 6:
      p.setPen(QPen(pal.titleActive, 1.5));
      p.setBrush(pal.field);
      p.drawRoundedRect(box.adjusted(4, 0, -4, 0), 3, 3);
      p.fillRect(QRectF(box.left() + 4, box.top(), box.width() - 8, 6), pal.titleActive2);
      for (int i = 0; i < 3; ++i) p.fillRect(QRectF(box.left() + 7, box.top() + 9 + i * 5, box.width() * 0.4, 2), pal.edge);
      break;
    case 7: {
      const QColor colours[] = {pal.close, QColor(64, 160, 72), pal.accent, QColor(214, 150, 40)};
      for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(colours[i]);
        p.drawEllipse(QPointF(box.left() + 7 + (i % 2) * 12, box.top() + 7 + (i / 2) * 12), 6, 6);
      }
      break;
    }
    case 8: text(p, box, QStringLiteral("Aa"), static_cast<int>(box.height() * 0.7), true, pal.titleActive); break;
    case 9: {
      QPainterPath folder;
      folder.moveTo(box.left(), box.top() + 5);
      folder.lineTo(box.left() + 9, box.top() + 5);
      folder.lineTo(box.left() + 12, box.top() + 8);
      folder.lineTo(box.right(), box.top() + 8);
      folder.lineTo(box.right(), box.bottom() - 2);
      folder.lineTo(box.left(), box.bottom() - 2);
      folder.closeSubpath();
      QLinearGradient g(box.topLeft(), box.bottomLeft());
      g.setColorAt(0, QColor(250, 214, 110));
      g.setColorAt(1, QColor(222, 168, 50));
      p.setPen(QPen(QColor(170, 120, 30), 1));
      p.setBrush(g);
      p.drawPath(folder);
      break;
    }
    case 10:
      p.setPen(QPen(pal.edge, 1));
      p.setBrush(pal.field);
      p.drawRect(box.adjusted(3, 0, -3, 0));
      p.fillRect(QRectF(box.left() + 4, box.top() + 8, box.width() - 8, 6), pal.accentLight);
      for (int i = 0; i < 4; ++i) p.fillRect(QRectF(box.left() + 6, box.top() + 3 + i * 6, box.width() * 0.45, 1.5), pal.glyph);
      break;
    case 11:
      p.setPen(QPen(pal.edge, 1.5));
      p.setBrush(pal.field);
      p.drawRect(box.adjusted(0, 3, 0, -3));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(64, 160, 72));
      p.drawPolygon(QPolygonF({QPointF(box.left() + 2, box.bottom() - 5), QPointF(box.center().x() - 2, box.center().y()),
                               QPointF(box.right() - 2, box.bottom() - 5)}));
      p.setBrush(QColor(214, 150, 40));
      p.drawEllipse(QPointF(box.right() - 7, box.top() + 9), 3, 3);
      break;
    case 12:
      p.setPen(Qt::NoPen);
      p.setBrush(pal.accent);
      p.drawEllipse(box.adjusted(2, 2, -2, -2));
      DrawGlyph(p, box, Glyph::Help, Qt::white);
      break;
    case 13:
      windowIcon(p, box.adjusted(0, 0, -6, -6));
      p.setPen(QPen(pal.edge, 1));
      p.setBrush(QColor(255, 252, 220));
      p.drawRoundedRect(QRectF(box.right() - 16, box.bottom() - 11, 16, 11), 2, 2);
      break;
    default: {  // a gear
      p.setPen(Qt::NoPen);
      p.setBrush(pal.glyph);
      for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(box.center());
        p.rotate(i * 45);
        p.drawRect(QRectF(-2.5, -box.height() * 0.46, 5, 6));
        p.restore();
      }
      p.drawEllipse(box.center(), box.width() * 0.32, box.width() * 0.32);
      p.setBrush(Qt::white);
      p.drawEllipse(box.center(), box.width() * 0.13, box.width() * 0.13);
    }
  }
}

}  // namespace

void WriteInterfacePictures(const std::string& dataFolder, std::vector<std::string>& problems) {
  const Palette& pal = ui();
  save(draw(200, 2, [&](QPainter& p, const QRectF& r) {
         DrawBand(p, r, WithAlpha(pal.edge, 0), WithAlpha(pal.edge, 200), false);
       }), dataFolder, "line2.png", problems);
  save(draw(2, 200, [&](QPainter& p, const QRectF& r) { DrawBand(p, r, WithAlpha(pal.edge, 200), WithAlpha(pal.edge, 0)); }),
       dataFolder, "vertline.png", problems);
  save(draw(24, 24, [&](QPainter& p, const QRectF& r) {
         p.setPen(Qt::NoPen);
         p.setBrush(pal.accent);
         p.drawEllipse(r.adjusted(1, 1, -1, -1));
         DrawGlyph(p, r, Glyph::Help, Qt::white);
       }), dataFolder, "help.png", problems);
  save(draw(64, 28, [&](QPainter& p, const QRectF& r) {
         DrawBand(p, r, pal.faceLight, pal.face);
         p.setPen(QPen(pal.edge, 1));
         p.drawLine(r.topLeft() + QPointF(0, 0.5), r.topRight() + QPointF(0, 0.5));
       }), dataFolder, "bottombar.png", problems);
  save(draw(64, 24, [&](QPainter& p, const QRectF& r) {
         QPainterPath tab;
         tab.addRoundedRect(r.adjusted(0.5, -6, -0.5, -0.5), 5, 5);
         p.setPen(QPen(pal.edge, 1));
         p.setBrush(pal.faceLight);
         p.drawPath(tab);
       }), dataFolder, "tabbot3.png", problems);
  struct Badge {
    const char* name;
    QColor colour;
    const char* label;
  };
  for (const Badge& b : {Badge{"vistalogo", QColor(40, 120, 190), "Vista"}, Badge{"sevenlogo", QColor(30, 150, 120), "7"},
                         Badge{"xplogo", QColor(200, 110, 40), "XP"}}) {
    save(draw(32, 32, [&](QPainter& p, const QRectF& r) { badge(p, r.adjusted(1, 5, -1, -5), b.colour, b.label); }),
         dataFolder, std::string(b.name) + ".png", problems);
    save(draw(16, 16, [&](QPainter& p, const QRectF& r) {
           badge(p, r.adjusted(0, 2, 0, -2), b.colour, QString::fromLatin1(b.label).left(1));
         }), dataFolder, std::string(b.name) + "s.png", problems);
  }
  save(draw(220, 64, [&](QPainter& p, const QRectF& r) {
         mosaic(p, QRectF(r.left() + 4, r.top() + 6, 52, 52));
         text(p, QRectF(64, 4, 156, 40), QStringLiteral("Tessera"), 30, true, pal.titleActive, Qt::AlignLeft | Qt::AlignVCenter);
         text(p, QRectF(66, 40, 156, 20), QStringLiteral("skin editor"), 13, false, pal.glyph, Qt::AlignLeft | Qt::AlignVCenter);
       }), dataFolder, "tsrlogo.png", problems);
  save(draw(48, 48, [&](QPainter& p, const QRectF& r) { mosaic(p, r.adjusted(2, 2, -2, -2)); }), dataFolder, "logo.png",
       problems);
  for (const auto& [name, glyph] : {std::pair{"prev.png", Glyph::ArrowLeft}, std::pair{"next.png", Glyph::ArrowRight}}) {
    save(draw(24, 24, [&, g = glyph](QPainter& p, const QRectF& r) {
           DrawPanel(p, r.adjusted(1, 1, -1, -1), pal, StateLook{}, 11);
           DrawGlyph(p, r.adjusted(-4, -4, 4, 4), g, pal.accent);
         }), dataFolder, name, problems);
  }
  for (int n = 1; n <= 14; ++n) {
    save(draw(32, 32, [&](QPainter& p, const QRectF& r) { categoryIcon(p, r, n); }), dataFolder,
         "icon" + std::to_string(n) + ".png", problems);
  }
  // The colour logo is tinted by each colour it stands for: only its alpha and shading matter.
  save(draw(56, 44, [&](QPainter& p, const QRectF& r) {
         QPainterPath drop;
         drop.moveTo(r.center().x(), r.top() + 2);
         drop.cubicTo(r.center().x() + 4, r.top() + 12, r.right() - 12, r.center().y(), r.right() - 12, r.bottom() - 14);
         drop.arcTo(QRectF(r.left() + 12, r.center().y() - 6, r.width() - 24, r.height() / 2 + 4), 0, -180);
         drop.cubicTo(r.left() + 12, r.center().y(), r.center().x() - 4, r.top() + 12, r.center().x(), r.top() + 2);
         QRadialGradient g(r.center() - QPointF(6, 0), r.width() * 0.5);
         g.setColorAt(0, WithAlpha(Qt::white, 255));
         g.setColorAt(1, WithAlpha(Qt::white, 170));
         p.setPen(Qt::NoPen);
         p.setBrush(g);
         p.drawPath(drop);
       }), dataFolder, "colourlogo.png", problems);
}

namespace {

// A preview card: a drawing of the family `stem` ("scrollbars", "pushbuttons", ..) and `title`.
QImage previewCard(const std::string& stem, const QString& title) {
  const Palette& pal = ui();
  return draw(200, 120, [&](QPainter& p, const QRectF& r) {
    p.setPen(QPen(pal.edge, 1));
    p.setBrush(pal.field);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QRectF stage = r.adjusted(12, 12, -12, -30);
    StateLook hot;
    hot.hot = true;
    StateLook on;
    on.on = true;
    if (stem == "pushbuttons") {
      for (int i = 0; i < 3; ++i) {
        const QRectF b(stage.left() + i * 58, stage.center().y() - 12, 52, 24);
        DrawPanel(p, b, pal, i == 1 ? hot : StateLook{}, 3);
        text(p, b, i == 0 ? QStringLiteral("OK") : i == 1 ? QStringLiteral("Apply") : QStringLiteral("Cancel"), 11, false, pal.text);
      }
    } else if (stem == "checkboxes") {
      for (int i = 0; i < 3; ++i) {
        const QRectF b(stage.left() + 6, stage.top() + 4 + i * 22, 13, 13);
        DrawField(p, b, pal, StateLook{}, 2);
        if (i != 1) DrawGlyph(p, b, Glyph::Check, pal.accent, 1.8);
        text(p, QRectF(b.right() + 6, b.top() - 3, 120, 18), QStringLiteral("Option %1").arg(i + 1), 11, false, pal.text,
             Qt::AlignLeft | Qt::AlignVCenter);
      }
    } else if (stem.rfind("border", 0) == 0 || stem == "frames" || stem == "framebuttons" || stem == "mdi" ||
               stem == "dialogs" || stem == "taskdialog") {
      windowIcon(p, stage.adjusted(10, 0, -10, 0));
      if (stem == "framebuttons") DrawPanel(p, QRectF(stage.right() - 40, stage.top() - 2, 16, 16), pal, hot, 3);
      if (stem.rfind("border", 0) == 0) {
        p.setPen(QPen(pal.close, 3));
        const QRectF w = stage.adjusted(10, 0, -10, 0);
        if (stem == "borderleft") p.drawLine(w.topLeft(), w.bottomLeft());
        if (stem == "borderright") p.drawLine(w.topRight(), w.bottomRight());
        if (stem == "borderbottom") p.drawLine(w.bottomLeft(), w.bottomRight());
        if (stem == "bordertop") p.drawLine(w.topLeft(), w.topRight());
      }
    } else if (stem == "scrollbars") {
      DrawField(p, QRectF(stage.right() - 20, stage.top(), 17, stage.height()), pal, StateLook{}, 2);
      DrawPanel(p, QRectF(stage.right() - 20, stage.top(), 17, 17), pal, StateLook{}, 2);
      DrawGlyph(p, QRectF(stage.right() - 20, stage.top(), 17, 17), Glyph::ArrowUp, pal.glyph);
      DrawPanel(p, QRectF(stage.right() - 20, stage.top() + 24, 17, 30), pal, hot, 3);
    } else if (stem == "progress") {
      DrawField(p, QRectF(stage.left(), stage.center().y() - 8, stage.width(), 16), pal, StateLook{}, 3);
      p.setPen(Qt::NoPen);
      p.setBrush(pal.accent);
      p.drawRoundedRect(QRectF(stage.left() + 2, stage.center().y() - 6, stage.width() * 0.6, 12), 2, 2);
    } else if (stem == "menus") {
      p.setPen(QPen(pal.edge, 1));
      p.setBrush(pal.faceLight);
      p.drawRect(QRectF(stage.left() + 20, stage.top(), 100, stage.height()));
      DrawHighlight(p, QRectF(stage.left() + 22, stage.top() + 22, 96, 20), pal, on, 3);
      for (int i = 0; i < 4; ++i)
        text(p, QRectF(stage.left() + 30, stage.top() + 2 + i * 20, 90, 20), QStringLiteral("Item %1").arg(i + 1), 11, false,
             pal.text, Qt::AlignLeft | Qt::AlignVCenter);
    } else if (stem == "taskbar" || stem == "startmenu") {
      p.fillRect(QRectF(r.left() + 1, stage.bottom() - 14, r.width() - 2, 22), pal.titleActive);
      p.setBrush(QColor(60, 150, 64));
      p.setPen(Qt::NoPen);
      p.drawRoundedRect(QRectF(r.left() + 4, stage.bottom() - 12, 36, 18), 8, 8);
      if (stem == "startmenu") {
        p.setPen(QPen(pal.titleActive, 2));
        p.setBrush(pal.faceLight);
        p.drawRoundedRect(QRectF(r.left() + 6, stage.top() - 4, 90, stage.height() - 12), 5, 5);
      } else {
        DrawPanel(p, QRectF(r.left() + 46, stage.bottom() - 12, 60, 18), pal, hot, 3);
      }
    } else {
      // Every other card: a sample window with the element's name on it.
      windowIcon(p, stage.adjusted(20, 0, -20, 0));
      DrawHighlight(p, QRectF(stage.left() + 30, stage.center().y(), stage.width() - 60, 18), pal, on, 3);
    }
    text(p, QRectF(r.left(), r.bottom() - 28, r.width(), 24), title, 12, true, pal.titleActive);
  });
}

// A section's own description, as the cards name it.
QString sectionTitle(const std::string& dataFolder, const std::string& section) {
  return QString::fromStdString(profile::ReadString(section, "Description", section, paths::join(dataFolder, "subsections.ini")));
}

}  // namespace

void WritePreviewPictures(const std::string& dataFolder, std::vector<std::string>& problems) {
  const std::string list = paths::join(dataFolder, "previews.ini");
  for (const std::string& name : profile::SectionNames(list)) {
    const std::string section = profile::ReadString(name, "SectionName", name, list);
    save(previewCard(paths::lower(paths::stem(name)), sectionTitle(dataFolder, section)), dataFolder, "previews/" + name,
         problems);
  }
}

void WriteExamplePictures(const std::string& dataFolder, std::vector<std::string>& problems) {
  const std::string subsections = paths::join(dataFolder, "subsections.ini");
  const std::string prefix = "examples\\";
  for (const std::string& section : profile::SectionNames(subsections)) {
    const std::string example = profile::ReadString(section, "Preview", "", subsections);
    if (example.rfind(prefix, 0) != 0) continue;
    // "examples\<family>\<section>.png": the family's drawing under the section's own title.
    const std::string family = example.substr(prefix.size(), example.find('\\', prefix.size()) - prefix.size());
    const std::string relative = "previews/" + paths::toNative(example);
    files::createFolders(std::string(paths::parentFolder(paths::join(dataFolder, relative))));
    save(previewCard(family, sectionTitle(dataFolder, section)), dataFolder, relative, problems);
  }
}

void WriteSampleGraphics(const std::string& dataFolder, std::vector<std::string>& problems) {
  struct Sample {
    const char* file;     // as written into the Sample folder
    const char* recipe;   // the drawing it uses
    const char* palette;
    int frames;
    std::vector<std::string> states;
  };
  const std::vector<std::string> button = {"Normal", "Pressed", "Mouse over", "Disabled", "Default"};
  const std::vector<std::string> check = {"Unchecked", "Unchecked mouse over", "Unchecked pressed", "Unchecked disabled",
                                          "Checked", "Checked mouse over", "Checked pressed", "Checked disabled"};
  const std::vector<std::string> four = {"Normal", "Mouse over", "Pressed", "Disabled"};
  const std::vector<std::string> title = {"Normal", "Mouse over", "Pressed"};
  const Sample samples[] = {
      {"button_teal.png", "button", "Aurora", 5, button},     {"button_copper.tga", "button", "Copperline", 5, button},
      {"button_grey.bmp", "button", "Slate", 5, button},      {"checkbox_teal.png", "checkbox", "Aurora", 8, check},
      {"radio_copper.png", "radio", "Copperline", 8, check},  {"close_teal.png", "close", "Aurora", 3, title},
      {"close_copper.bmp", "close", "Copperline", 3, title},  {"maximize_teal.png", "max", "Aurora", 3, title},
      {"minimize_teal.png", "min", "Aurora", 3, title},       {"tab_teal.png", "tab", "Aurora", 5, {"Normal", "Mouse over", "Pressed", "Selected", "Disabled"}},
      {"thumb_copper.png", "hthumb", "Copperline", 4, four},  {"progress_teal.png", "progbar", "Aurora", 1, {"Normal"}},
      {"texture_teal.png", "frametexture", "Aurora", 1, {"Normal"}},
      {"texture_copper.png", "frametexture", "Copperline", 1, {"Normal"}},
      {"startbutton_green.png", "startbutton", "Slate", 3, title},
      {"menu_highlight_teal.png", "menuitem", "Aurora", 2, {"Normal", "Selected"}},
  };
  for (const Sample& s : samples) {
    const QImage picture = DrawNamedPicture(std::string(s.recipe) + ".tga", s.frames, false, s.states, PaletteNamed(s.palette));
    if (picture.isNull()) {
      problems.push_back(std::string("Sample/") + s.file + ": no drawing");
      continue;
    }
    save(picture, dataFolder, std::string("Sample/") + s.file, problems);
  }
}

void WriteToolbarSamples(const std::string& dataFolder, std::vector<std::string>& problems) {
  const Palette slate = PaletteNamed("Slate");
  for (const auto& [file, recipe] : {std::pair{"IE6Large.tga", "icons_ielarge"}, std::pair{"IE6Small.tga", "icons_iesmall"},
                                     std::pair{"IE6GoHot.tga", "icons_gohot"},
                                     std::pair{"ExplorerLargeHot.tga", "icons_exlargehot"},
                                     std::pair{"ExplorerSmallHot.tga", "icons_exsmallhot"}}) {
    save(DrawNamedPicture(std::string(recipe) + ".tga", 1, false, {}, slate), dataFolder, std::string("XP/") + file, problems);
  }
}

void WriteSidePanel(const std::string& dataFolder, std::vector<std::string>& problems) {
  const Palette& pal = ui();
  save(draw(48, 96, [&](QPainter& p, const QRectF& r) {
         DrawBand(p, r, pal.titleActive2.lighter(150), pal.titleActive2, false);
         p.setPen(QPen(WithAlpha(Qt::white, 160), 1));
         p.drawLine(QPointF(r.right() - 0.5, r.top()), QPointF(r.right() - 0.5, r.bottom()));
       }), dataFolder, "side.tga", problems);
}

}  // namespace tessera::datagen
