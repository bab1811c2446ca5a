#include "standin/render/taskbar_painter.h"

#include <algorithm>

#include "standin/render/classic_look.h"
#include "standin/render/nine_slice_painter.h"
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
  if (!PaintFirstSection(painter, context, {"StartButton", "StartButton.Orb"}, start, look.startState)) {
    PaintClassicButton(painter, skin, start, look.startState == 3);
  }
  if (!vertical || start.height() >= 14) {
    DrawLabel(painter, skin, start, QStringLiteral("start"), 2, SkinSystemQColor(skin, 18), true);
  }
  const int trayLength = std::min(vertical ? 40 : 80, length / 4);
  const QRect tray = part(length - trayLength - 2, trayLength, 3);
  int at = (vertical ? start.bottom() - band.top() : start.right() - band.left()) + 8;
  const char* titles[] = {"My Documents", "Notepad"};
  for (int i = 0; i < 2; ++i) {
    const int size = std::min(vertical ? 28 : 150, (vertical ? tray.top() - band.top() : tray.left() - band.left()) - at - 6);
    if (size < 16) break;
    const QRect task = part(at, size, 3);
    const int state = i == 0 ? look.buttonState : 1;
    if (!PaintSection(painter, context, "Taskbar.Button", task, state)) PaintClassicButton(painter, skin, task, state == 3);
    DrawLabel(painter, skin, task.adjusted(6, 0, -4, 0), QString::fromLatin1(titles[i]), 1, SkinSystemQColor(skin, 18));
    at += size + 4;
  }
  if (!PaintSection(painter, context, "Tray.Background", tray, look.trayState)) {
    painter.setPen(SkinSystemQColor(skin, 16));
    painter.drawRect(tray.adjusted(0, 0, -1, -1));
  }
  PaintSection(painter, context, "Tray.Clock", tray, 1);
  DrawLabel(painter, skin, tray, QStringLiteral("12:00"), 2, SkinSystemQColor(skin, 18));
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
  DrawLabel(painter, skin, user.adjusted(header + 4, 0, 0, 0), QStringLiteral("User"), 1, SkinSystemQColor(skin, 9), true);

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
    DrawLabel(painter, skin, r.adjusted(6, 0, 0, 0), QString::fromLatin1(item), 1, SkinSystemQColor(skin, hot ? 14 : 8));
    y += 26;
    ++row;
  }
  const QRect all(programs.left() + 4, body.bottom() - 26, std::max(0, programs.width() - 8), 22);
  PaintSection(painter, context, "StartMenu.AllPrograms", all, 1);
  DrawLabel(painter, skin, all, QStringLiteral("All Programs"), 2, SkinSystemQColor(skin, 8), true);
  y = body.top() + 6;
  for (const char* item : {"My Documents", "My Pictures", "My Computer", "Control Panel"}) {
    const QRect r(places.left() + 4, y, std::max(0, places.width() - 8), 22);
    if (r.bottom() > body.bottom()) break;
    PaintSection(painter, context, "StartMenu.PlacesItem", r, 1);
    DrawLabel(painter, skin, r.adjusted(6, 0, 0, 0), QString::fromLatin1(item), 1, SkinSystemQColor(skin, 8));
    y += 24;
  }
  const QRect logoff(area.left(), body.bottom() + 1, area.width(), std::max(0, area.bottom() - body.bottom()));
  if (!textured && !PaintSection(painter, context, "StartMenu.LogoffPane", logoff, 1)) {
    painter.fillRect(logoff, SkinSystemQColor(skin, 2));
  }
  const QRect buttons(logoff.right() - 150, logoff.top() + 4, 140, std::max(0, logoff.height() - 8));
  PaintSection(painter, context, "StartMenu.LogoffButtons", buttons, 1);
  DrawLabel(painter, skin, buttons, QStringLiteral("Log Off   Turn Off"), 3, SkinSystemQColor(skin, 9));
}

}  // namespace tessera::render
