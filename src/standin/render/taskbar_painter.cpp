#include "standin/render/taskbar_painter.h"

#include <algorithm>

#include "standin/render/classic_look.h"
#include "standin/render/nine_slice_painter.h"
#include "standin/render/section_text.h"
#include "standin/render/skin_colours.h"
#include "standin/render/skin_text.h"
#include "standin/render/texture_tile.h"

namespace tessera::render {

namespace {

constexpr int kBandThickness = 30;

}  // namespace

bool PaintFirstSection(QPainter& painter, RenderContext& context, std::initializer_list<const char*> sections,
                       const QRect& rect, int state) {
  for (const char* section : sections) {
    if (PaintSection(painter, context, section, rect, state)) return true;
  }
  return false;
}

QRect PaintTaskBar(QPainter& painter, RenderContext& context, const QRect& area, const TaskBarLook& look) {
  const SkinModel& skin = context.skin;
  const bool vertical = look.edge == 2 || look.edge == 4;
  const int thickness = std::min(vertical ? 2 * kBandThickness : kBandThickness, vertical ? area.width() : area.height());
  QRect band;
  switch (look.edge) {
    case 2: band = QRect(area.right() + 1 - thickness, area.top(), thickness, area.height()); break;
    case 3: band = QRect(area.left(), area.top(), area.width(), thickness); break;
    case 4: band = QRect(area.left(), area.top(), thickness, area.height()); break;
    default: band = QRect(area.left(), area.bottom() + 1 - thickness, area.width(), thickness); break;
  }
  if (band.isEmpty()) return band;
  // A texture lies over the whole band in place of its background.
  const bool painted =
      PaintTexture(painter, context, "Taskbar.Texture", band) ||
      (vertical ? PaintFirstSection(painter, context, {"Taskbar.VertBackground", "Taskbar.Background"}, band, 1)
                : PaintSection(painter, context, "Taskbar.Background", band, 1));
  if (!painted) {
    painter.fillRect(band, SkinSystemQColor(skin, 15));
    painter.setPen(SkinSystemQColor(skin, 20));
    painter.drawLine(band.topLeft(), band.topRight());
  }
  PaintSection(painter, context, "Taskbar.Border", band, 1);

  // Along the band: start button, two task buttons, the notification area.
  const int length = vertical ? band.height() : band.width();
  const int across = vertical ? band.width() : band.height();
  auto part = [&](int from, int size, int inset) {
    return vertical ? QRect(band.left() + inset, band.top() + from, across - 2 * inset, size)
                    : QRect(band.left() + from, band.top() + inset, size, across - 2 * inset);
  };
  const QRect start = part(2, std::min(vertical ? across : 80, length / 4), 2);
  if (!PaintSection(painter, context, "StartButton", start, look.startState)) {
    PaintClassicButton(painter, skin, start, look.startState == 3);
  }
  if ((!vertical || start.height() >= 14) && skin.integer("StartButton", "ShowStartText", 1) != 0) {
    DrawSectionText(painter, skin, "StartButton", start, look.startState, QStringLiteral("start"),
                    TextDefaults{2, SkinSystemQColor(skin, 18), true});
  }
  // The orb of newer systems lies over the start of the button, as a square of the band's height.
  const int orbSize = std::min(across, vertical ? across : start.width());
  PaintSection(painter, context, "StartButton.Orb", QRect(band.topLeft() + QPoint(2, 0), QSize(orbSize, orbSize)),
               look.startState);
  const int trayLength = std::min(vertical ? 40 : 80, length / 4);
  // Room is left for the show-desktop strip after the notification area and the show-hidden
  // button before it.
  const int small = std::max(0, across - 8);
  const QRect tray = part(length - trayLength - 8, trayLength, 3);
  int at = (vertical ? start.bottom() - band.top() : start.right() - band.left()) + 8;
  // A separator between the start button and the task buttons.
  PaintSection(painter, context, "Taskbar.Separator", vertical ? part(at - 6, 4, 3) : part(at - 6, 4, 3), 1);
  const int buttonWidth = std::clamp(skin.integer("Taskbar.Button", "ButtonWidth", 0), 0, 400);
  const char* titles[] = {"My Documents", "Notepad"};
  for (int i = 0; i < 2; ++i) {
    const int widest = vertical ? 28 : buttonWidth > 0 ? buttonWidth : 150;
    const int size = std::min(widest, (vertical ? tray.top() - band.top() : tray.left() - band.left()) - small - at - 8);
    if (size < 16) break;
    const QRect task = part(at, size, 3);
    const int state = i == 0 ? look.buttonState : 1;
    // The second button stands for a group of windows of one program.
    const bool grouped = i == 1 && PaintSection(painter, context, "Taskbar.ButtonGroup", task, state);
    if (!grouped && !PaintSection(painter, context, "Taskbar.Button", task, state)) {
      PaintClassicButton(painter, skin, task, state == 3);
    }
    const char* section = grouped ? "Taskbar.ButtonGroup" : "Taskbar.Button";
    DrawSectionText(painter, skin, section, task.adjusted(6, 0, -4, 0), state, QString::fromLatin1(titles[i]),
                    TextDefaults{1, SkinSystemQColor(skin, 18)});
    at += size + 4;
  }
  if (!PaintSection(painter, context, "Tray.Background", tray, look.trayState)) {
    painter.setPen(SkinSystemQColor(skin, 16));
    painter.drawRect(tray.adjusted(0, 0, -1, -1));
  }
  PaintSection(painter, context, "Tray.Clock", tray, 1);
  DrawSectionText(painter, skin, "Tray.Clock", tray, 1, QStringLiteral("12:00"), TextDefaults{2, SkinSystemQColor(skin, 18)});
  // The buttons at the ends of the notification area: show hidden icons, show the desktop.
  PaintSection(painter, context, "Tray.ShowHidden",
               vertical ? QRect(tray.left() + (tray.width() - small) / 2, tray.top() - small - 2, small, small)
                        : QRect(tray.left() - small - 2, tray.top() + (tray.height() - small) / 2, small, small),
               look.trayState);
  PaintSection(painter, context, "Tray.ShowDesktop",
               vertical ? QRect(band.left(), band.bottom() - 4, band.width(), 4)
                        : QRect(band.right() - 4, band.top(), 4, band.height()),
               look.trayState);
  return band;
}

void PaintStartMenu(QPainter& painter, RenderContext& context, const QRect& area, int itemState) {
  const SkinModel& skin = context.skin;
  if (area.isEmpty()) return;
  // A texture lies over the whole menu in place of its panel, user pane and log-off pane; the
  // programs and places panes stay on it.
  const bool textured = PaintTexture(painter, context, "StartMenu.Texture", area);
  if (!textured && !PaintSection(painter, context, "StartMenu.Panel", area, 1)) {
    painter.fillRect(area, SkinSystemQColor(skin, 4));
    painter.setPen(SkinSystemQColor(skin, 16));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
  }
  const int header = std::min(48, area.height() / 4);
  const int footer = std::min(36, area.height() / 6);
  const QRect user(area.left(), area.top(), area.width(), header);
  if (!textured && !PaintSection(painter, context, "StartMenu.UserPane", user, 1)) {
    QLinearGradient g(user.topLeft(), user.bottomLeft());
    g.setColorAt(0, SkinSystemQColor(skin, 2));
    g.setColorAt(1, SkinSystemQColor(skin, 27));
    painter.fillRect(user, g);
  }
  const QRect picture(user.left() + 6, user.top() + 6, std::max(0, header - 12), std::max(0, header - 12));
  PaintSection(painter, context, "StartMenu.UserPicture", picture, 1);
  DrawSectionText(painter, skin, "StartMenu.UserPane", user.adjusted(header + 4, 0, 0, 0), 1, QStringLiteral("User"),
                  TextDefaults{1, SkinSystemQColor(skin, 9), true});

  const QRect body(area.left(), area.top() + header, area.width(), std::max(0, area.height() - header - footer));
  const QRect programs(body.left(), body.top(), body.width() / 2, body.height());
  const QRect places(programs.right() + 1, body.top(), body.width() - programs.width(), body.height());
  if (!PaintSection(painter, context, "StartMenu.ProgramsPane", programs, 1)) painter.fillRect(programs, SkinSystemQColor(skin, 5));
  if (!PaintSection(painter, context, "StartMenu.PlacesPane", places, 1)) painter.fillRect(places, SkinSystemQColor(skin, 15));

  int y = body.top() + 6;
  int row = 0;
  for (const char* item : {"Internet", "E-mail", "Notepad", "Paint", "Calculator"}) {
    const QRect r(programs.left() + 4, y, std::max(0, programs.width() - 8), 24);
    if (r.bottom() > body.bottom() - 30) break;
    const bool hot = row == 1;
    if (hot && !PaintSection(painter, context, "StartMenu.Item", r, itemState)) painter.fillRect(r, SkinSystemQColor(skin, 13));
    DrawSectionText(painter, skin, "StartMenu.Item", r.adjusted(6, 0, 0, 0), hot ? itemState : 1, QString::fromLatin1(item),
                    TextDefaults{1, SkinSystemQColor(skin, hot ? 14 : 8)});
    y += 26;
    ++row;
  }
  const QRect all(programs.left() + 4, body.bottom() - 26, std::max(0, programs.width() - 8), 22);
  PaintSection(painter, context, "StartMenu.Separator", QRect(all.left(), all.top() - 6, all.width(), 3), 1);
  PaintSection(painter, context, "StartMenu.AllPrograms", all, 1);
  DrawSectionText(painter, skin, "StartMenu.AllPrograms", all, 1, QStringLiteral("All Programs"),
                  TextDefaults{2, SkinSystemQColor(skin, 8), true});
  y = body.top() + 6;
  for (const char* item : {"My Documents", "My Pictures", "My Computer", "Control Panel"}) {
    const QRect r(places.left() + 4, y, std::max(0, places.width() - 8), 22);
    if (r.bottom() > body.bottom()) break;
    PaintSection(painter, context, "StartMenu.PlacesItem", r, 1);
    DrawSectionText(painter, skin, "StartMenu.PlacesItem", r.adjusted(6, 0, 0, 0), 1, QString::fromLatin1(item),
                    TextDefaults{1, SkinSystemQColor(skin, 8)});
    y += 24;
  }
  const QRect logoff(area.left(), body.bottom() + 1, area.width(), std::max(0, area.bottom() - body.bottom()));
  if (!textured && !PaintSection(painter, context, "StartMenu.LogoffPane", logoff, 1)) {
    painter.fillRect(logoff, SkinSystemQColor(skin, 2));
  }
  const QRect buttons(logoff.right() - 150, logoff.top() + 4, 140, std::max(0, logoff.height() - 8));
  PaintSection(painter, context, "StartMenu.LogoffButtons", buttons, 1);
  DrawSectionText(painter, skin, "StartMenu.LogoffButtons", buttons, 1, QStringLiteral("Log Off   Turn Off"),
                  TextDefaults{3, SkinSystemQColor(skin, 9)});
}

}  // namespace tessera::render
