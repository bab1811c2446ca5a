// Preview kinds of bars inside a sample window: rebars, toolbars, status bars, list headers,
// menu bars and popup menus.
#include <algorithm>

#include "core/colours/colour_value.h"
#include "standin/render/preview_scene.h"

namespace tessera::render {

namespace {

QString text(const char* s) { return QString::fromLatin1(s); }

constexpr int kMenuBar = 20;
constexpr int kRebar = 30;

QRect rebarBand(const PreviewScene& s) {
  const QRect c = s.windowClient();
  return QRect(c.left(), c.top(), c.width(), std::min(kRebar, c.height()));
}

void rebar(PreviewScene& s) {
  const QRect band = rebarBand(s);
  if (!s.section("Rebar.Background", band, 1)) s.fillSystem(band, 15);
  s.section("Rebar.Gripper", QRect(band.left() + 2, band.top() + 3, 6, std::max(0, band.height() - 6)), 1);
}

QRect toolbarButton(const PreviewScene& s, int index) {
  const QRect band = rebarBand(s);
  return QRect(band.left() + 12 + index * 28, band.top() + 3, 26, std::max(0, band.height() - 6));
}

void toolbarButtons(PreviewScene& s) {
  for (int i = 0; i < 3; ++i) s.control("Toolbar.Button", toolbarButton(s, i), i == 0 ? s.state() : 1);
  const QRect separator = toolbarButton(s, 3);
  s.section("Toolbar.Separator", QRect(separator.left() + 10, separator.top(), 6, separator.height()), 1);
}

void dropDownButtons(PreviewScene& s) {
  const QRect at = toolbarButton(s, 4);
  const QRect dropDown(at.left(), at.top(), 38, at.height());
  s.control("Toolbar.DropDownButton", dropDown, s.state());
  const QRect split(dropDown.right() + 4, at.top(), 26, at.height());
  s.control("Toolbar.Button", split, 1);
  s.control("Toolbar.SplitButtonArrow", QRect(split.right() + 1, at.top(), 12, at.height()), 1);
  const QRect band = rebarBand(s);
  s.section("Rebar.Chevron", QRect(band.right() - 14, band.top() + 3, 12, std::max(0, band.height() - 6)), 1);
}

void statusBar(PreviewScene& s) {
  const QRect c = s.windowClient();
  const QRect bar(c.left(), c.bottom() - 21, c.width(), std::min(22, c.height()));
  if (!s.section("StatusBar.Background", bar, 1)) s.fillSystem(bar, 15);
  const QRect pane(bar.left() + 2, bar.top() + 2, bar.width() * 2 / 3, std::max(0, bar.height() - 4));
  s.section("StatusBar.Pane", pane, 1);
  s.sectionLabel("StatusBar.Pane", pane.adjusted(4, 0, 0, 0), 1, text("Ready"), 1, 18);
  const QRect second(pane.right() + 4, pane.top(), std::max(0, bar.right() - pane.right() - 24), pane.height());
  s.section("StatusBar.Pane", second, 1);
  s.section("StatusBar.Gripper", QRect(bar.right() - 16, bar.top() + 4, 14, std::max(0, bar.height() - 6)), 1);
}

void listHeader(PreviewScene& s) {
  const QRect c = s.windowClient();
  const QRect area(c.left(), c.top() + kRebar + 2, c.width(), std::max(0, c.height() - kRebar - 2));
  // In a folder window the list lies on the folder background.
  if (s.request().group != 33) s.fillSystem(area, 5);
  const QRect header(area.left(), area.top(), area.width(), std::min(22, area.height()));
  if (!s.section("Header.Background", header, 1)) s.fillSystem(header, 15);
  const char* labels[] = {"Name", "Size", "Type"};
  int x = header.left();
  for (int i = 0; i < 3; ++i) {
    const QRect item(x, header.top(), 110, header.height());
    const int state = i == 0 ? s.state() : 1;
    s.control("Header.Item", item, state);
    s.controlText("Header.Item", item.adjusted(6, 0, 0, 0), state, text(labels[i]), 1);
    if (i == 0) s.section("Header.SortArrows", QRect(item.right() - 14, item.top() + 7, 9, 8), 1);
    x += 110;
  }
  s.section("Header.DropDown", QRect(x - 16, header.top(), 16, header.height()), 1);
  for (int row = 0; row < 3; ++row) {
    s.label(QRect(area.left() + 6, header.bottom() + 4 + row * 20, 200, 18),
            text(row == 0 ? "report.txt" : row == 1 ? "photo.jpg" : "notes.txt"), 1, 8);
  }
}

QRect menuBarRect(const PreviewScene& s) {
  const QRect a = s.inset();
  return QRect(a.left(), a.top(), a.width(), std::min(kMenuBar, a.height()));
}

QRect popupRect(const PreviewScene& s) {
  const QRect bar = menuBarRect(s);
  const int h = std::min(7 * 22 + 8, std::max(0, s.inset().bottom() - bar.bottom() - 1));
  return QRect(bar.left() + 2, bar.bottom() + 1, std::min(180, bar.width() - 2), h);
}

void menuBar(PreviewScene& s) {
  const QRect bar = menuBarRect(s);
  if (!s.section("MenuBar.Background", bar, 1) && !s.section("Personality.MenuBar", bar, 1)) s.fillSystem(bar, 4);
  const char* labels[] = {"File", "Edit", "View", "Help"};
  int x = bar.left() + 2;
  for (int i = 0; i < 4; ++i) {
    const QRect item(x, bar.top(), 44, bar.height());
    const int state = i == 0 ? std::clamp(s.state(), 1, 2) : 1;
    if (i == 0) s.section("MenuBar.Item", item, state);
    s.controlText("MenuBar.Item", item, state, text(labels[i]));
    x += 46;
  }
}

int menuItemHeight(const PreviewScene& s) {
  const int height = std::clamp(s.skin().integer("Menu.Item", "ItemHeight", 0), 0, 60);
  return height > 0 ? height : 22;
}

void popupMenu(PreviewScene& s) {
  const QRect popup = popupRect(s);
  if (popup.isEmpty()) return;
  if (!s.section("Menu.Background", popup, 1)) s.fillSystem(popup, 4);
  const QRect gutter(popup.left() + 2, popup.top() + 2, 24, std::max(0, popup.height() - 4));
  s.section("Menu.Gutter", gutter, 1);
  const int h = menuItemHeight(s);
  const char* labels[] = {"New", "Open...", "Save", "", "Recent", "Print", "Exit"};
  for (int i = 0; i < 7; ++i) {
    const QRect item(popup.left() + 3, popup.top() + 4 + i * h, popup.width() - 6, h);
    if (item.bottom() > popup.bottom()) break;
    if (labels[i][0] == '\0') continue;  // the separator is a mark (kind 17)
    const bool hot = i == 1;
    const bool disabled = i == 5;
    const int state = hot ? std::clamp(s.state(), 1, 2) : 1;
    // Without an item picture the highlight is "MenuHighlightRGB", else the menu highlight colour.
    if (hot && !s.section("Menu.Item", item, state)) {
      const auto colour = ParseRgbValue(s.skin().text("Personality", "MenuHighlightRGB"));
      if (colour) {
        s.painter().fillRect(item, QColor(RedOf(*colour), GreenOf(*colour), BlueOf(*colour)));
      } else {
        s.fillSystem(item, 29);
      }
    }
    if (disabled) s.section("Menu.DisabledItem", item, 1);
    s.controlText(disabled ? "Menu.DisabledItem" : "Menu.Item", item.adjusted(30, 0, 0, 0), state, text(labels[i]), 1);
  }
}

void menuMarks(PreviewScene& s) {
  const QRect popup = popupRect(s);
  if (popup.isEmpty()) return;
  const int h = menuItemHeight(s);
  auto item = [&](int i) { return QRect(popup.left() + 3, popup.top() + 4 + i * h, popup.width() - 6, h); };
  s.section("Menu.CheckMark", QRect(item(2).left() + 4, item(2).top() + (h - 16) / 2, 16, 16), std::clamp(s.state(), 1, 2));
  const QRect separator = item(3);
  if (!s.section("Menu.Separator", QRect(separator.left() + 26, separator.center().y() - 1, separator.width() - 30, 3), 1)) {
    s.fillSystem(QRect(separator.left() + 26, separator.center().y(), separator.width() - 30, 1), 16);
  }
  s.section("Menu.SubmenuArrow", QRect(item(4).right() - 14, item(4).top() + (h - 10) / 2, 10, 10), 1);
  if (!s.section("Menu.Frame", popup, 1)) {
    s.painter().setPen(QColor(128, 128, 128));
    s.painter().drawRect(popup.adjusted(0, 0, -1, -1));
  }
  if (s.skin().integer("Personality", "MenuShadow", 1) == 1) {
    const QRect shadow(popup.right() + 1, popup.top() + 4, 4, popup.height());
    if (!s.section("Menu.Shadow", shadow, 1)) s.painter().fillRect(shadow, QColor(0, 0, 0, 90));
  }
}

}  // namespace

bool IsBarKind(int kind) {
  switch (kind) {
    case 7: case 8: case 9: case 10: case 13: case 14: case 15: case 16: case 17:
      return true;
    default:
      return false;
  }
}

void DrawBarKind(PreviewScene& scene, int kind) {
  switch (kind) {
    case 7: rebar(scene); break;
    case 8: toolbarButtons(scene); break;
    case 9: statusBar(scene); break;
    case 10: dropDownButtons(scene); break;
    case 13: listHeader(scene); break;
    case 14: menuBar(scene); break;
    case 15: case 16: popupMenu(scene); break;
    case 17: menuMarks(scene); break;
    default: break;
  }
}

}  // namespace tessera::render
