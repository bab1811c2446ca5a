// Preview kinds of the desktop shell: sample windows, glass frames, the taskbar and start menu,
// folder-window panes and MDI windows.
#include <algorithm>

#include "standin/render/preview_scene.h"
#include "standin/render/taskbar_painter.h"
#include "standin/render/window_frame.h"

namespace tessera::render {

namespace {

QString text(const char* s) { return QString::fromLatin1(s); }

// The folder background of the state (1 active, 2 inactive) in a client area, laid by its
// "BackgroundMode" (0 by its painting keys, 1 tiled, 2 centred), with the watermark at the
// bottom right.
void explorerBackground(PreviewScene& s, const QRect& client) {
  const char* name = s.state() == 2 ? "Explorer.Backgrounds.InactiveBackground" : "Explorer.Backgrounds.ActiveBackground";
  const int mode = s.skin().integer(name, "BackgroundMode", 0);
  PaintingKeys laid;
  laid.middle = mode == 1 ? 1 : 0;
  laid.simpleMode = mode == 2 ? 3 : 0;
  PaintSection(s.painter(), s.context(), name, client, 1, TextLayers::Included,
               mode == 1 || mode == 2 ? &laid : nullptr);
  const QSize mark = s.naturalSize("Explorer.Backgrounds.Watermark", QSize()).boundedTo(client.size());
  if (!mark.isEmpty()) {
    s.section("Explorer.Backgrounds.Watermark", QRect(client.bottomRight() - QPoint(mark.width(), mark.height()) + QPoint(1, 1), mark), 1);
  }
}

// Kind 20: a plain sample window whose client area the bar kinds fill; the group of folder
// backgrounds shows them in it.
void sampleWindow(PreviewScene& s) {
  WindowLook look;
  look.title = text("Sample window");
  const QRect client = PaintWindowFrame(s.painter(), s.context(), s.request().rect, look);
  if (!s.section("Dialog.Background", client, 1)) s.fillSystem(client, 15);
  if (s.request().group == 33) explorerBackground(s, client);
}

// The taskbar parts that follow the preview state are those of the edited section's group.
TaskBarLook taskBarLook(const PreviewScene& s) {
  TaskBarLook look;
  switch (s.request().group) {
    case 16: look.edge = std::clamp(s.state(), 1, 4); break;
    case 17: look.buttonState = s.state(); break;
    case 18: look.startState = s.state(); break;
    case 19: look.trayState = s.state(); break;
    default: break;
  }
  return look;
}

// Kinds 24 to 26 show one part in the preview state; the taskbar drawing places it.
void taskBarPart(PreviewScene& s, int group) {
  if (s.request().group != 0 && s.request().group != group) return;
  TaskBarLook look = taskBarLook(s);
  if (s.request().group == 0) {
    if (group == 17) look.buttonState = s.state();
    if (group == 18) look.startState = s.state();
    if (group == 19) look.trayState = s.state();
  }
  PaintTaskBar(s.painter(), s.context(), s.request().rect, look);
}

QRect startMenuArea(const PreviewScene& s) {
  const QRect a = s.inset();
  return QRect(a.left(), a.top(), std::min(380, a.width()), std::min(420, a.height()));
}

// Kind 34: a glass frame; the state is the frame (0 active, 1 inactive).
void glassFrame(PreviewScene& s) {
  WindowLook look;
  look.active = s.state() <= 0;
  look.title = text("Glass window");
  const QRect window = s.inset();
  // The frame draws its shine and caption glow itself, under the buttons and the text.
  const QRect client = PaintWindowFrame(s.painter(), s.context(), window, look);
  s.fillSystem(client, 5);
}

void explorerBar(PreviewScene& s) {
  const QRect c = s.windowClient();
  const QRect bar(c.left(), c.top(), std::min(200, c.width() / 2), c.height());
  if (!s.section("ExplorerBar.Background", bar, 1)) s.fillSystem(bar, 27);
  struct Pane {
    const char* header;
    const char* headerButtons;
    const char* title;
  };
  const Pane panes[] = {{"ExplorerBar.SpecialHeader", "ExplorerBar.SpecialHeaderButtons", "File and Folder Tasks"},
                        {"ExplorerBar.Header", "ExplorerBar.HeaderButtons", "Other Places"}};
  int y = bar.top() + 10;
  for (int i = 0; i < 2; ++i) {
    const QRect header(bar.left() + 10, y, bar.width() - 20, 24);
    if (!s.section(panes[i].header, header, 1)) s.fillSystem(header, i == 0 ? 2 : 5);
    s.sectionLabel(panes[i].header, header.adjusted(8, 0, -24, 0), 1, text(panes[i].title), 1, i == 0 ? 9 : 8, true);
    s.section(panes[i].headerButtons, QRect(header.right() - 22, header.top() + 2, 20, 20), i == 0 ? s.state() : 1);
    const QRect pane(header.left(), header.bottom() + 1, header.width(), 50);
    if (!s.section("ExplorerBar.Pane", pane, 1)) s.fillSystem(pane, 5);
    y = pane.bottom() + 12;
    if (y > bar.bottom()) break;
  }
}

void navigationPane(PreviewScene& s) {
  const QRect c = s.windowClient();
  const QRect address(c.left() + 4, c.top() + 4, std::max(0, c.width() - 160), 22);
  s.control("Explorer.Breadcrumb", address, 1, true);
  s.sectionLabel("Explorer.Breadcrumb", address.adjusted(6, 0, 0, 0), 1, text("Computer > Documents"), 1, 8);
  const QRect search(address.right() + 6, address.top(), std::max(0, c.right() - address.right() - 10), 22);
  s.control("Explorer.SearchBox", search, 1, true);
  s.sectionLabel("Explorer.SearchBox", search.adjusted(6, 0, 0, 0), 1, text("Search"), 1, 17);
  const QRect pane(c.left(), address.bottom() + 36, std::min(160, c.width() / 3), std::max(0, c.bottom() - address.bottom() - 36));
  if (!s.section("Explorer.NavPane", pane, 1)) s.fillSystem(pane, 5);
  const char* items[] = {"Favorites", "Desktop", "Documents", "Computer"};
  for (int i = 0; i < 4; ++i) {
    const QRect item(pane.left() + 4, pane.top() + 6 + i * 22, pane.width() - 8, 20);
    if (item.bottom() > pane.bottom()) break;
    if (i == 2) {
      s.section("Explorer.NavItem", item, s.state());
      s.sectionLabel("Explorer.NavItem", item.adjusted(6, 0, 0, 0), s.state(), text(items[i]), 1, 8);
    } else {
      s.label(item.adjusted(6, 0, 0, 0), text(items[i]), 1, 8);
    }
  }
}

void commandBar(PreviewScene& s) {
  const QRect c = s.windowClient();
  const QRect bar(c.left(), c.top() + 30, c.width(), 30);
  if (!s.section("Explorer.CommandBar", bar, 1)) s.fillSystem(bar, 15);
  const char* labels[] = {"Organize", "Views", "Burn"};
  for (int i = 0; i < 3; ++i) {
    const QRect button(bar.left() + 6 + i * 84, bar.top() + 3, 80, 24);
    if (i == 0) {
      s.section("Explorer.CommandButton", button, s.state());
      s.sectionLabel("Explorer.CommandButton", button, s.state(), text(labels[i]), 2, 8);
    } else {
      s.label(button, text(labels[i]), 2, 8);
    }
  }
  const QRect details(c.left(), c.bottom() - 50, c.width(), std::min(50, c.height()));
  if (!s.section("Explorer.DetailsPane", details, 1)) s.fillSystem(details, 15);
  s.sectionLabel("Explorer.DetailsPane", details.adjusted(12, 0, 0, 0), 1, text("3 items"), 1, 8);
  const QRect preview(c.right() - 120, bar.bottom() + 1, 120, std::max(0, details.top() - bar.bottom() - 1));
  s.section("Explorer.PreviewPane", preview, 1);
}

void mdiClient(PreviewScene& s) {
  const QRect area = s.inset();
  if (!s.section("MDIClient", area, 1)) s.fillSystem(area, 12);
  const QRect child(area.left() + 20, area.top() + 20, std::max(0, area.width() * 2 / 3), std::max(0, area.height() * 2 / 3));
  if (!s.section("MDIChildFrame", child, std::clamp(s.state(), 1, 2))) {
    WindowLook look;
    look.title = text("Document");
    PaintWindowFrame(s.painter(), s.context(), child, look);
  }
}

// MDI buttons: close, restore and minimise, each four frames; transparency from Personality.
void mdiButtons(PreviewScene& s) {
  const QRect area = s.inset();
  const int state = std::clamp(s.state(), 1, 4);
  for (int i = 0; i < 3; ++i) {
    const QRect button(area.right() - 18 * (i + 1), area.top() + 4, 16, 14);
    s.control("MDIControls", button, i * 4 + state);
  }
}

}  // namespace

void DrawShellKind(PreviewScene& scene, int kind) {
  switch (kind) {
    case 18: PaintStartMenu(scene.painter(), scene.context(), startMenuArea(scene), scene.request().group == 13 ? scene.state() : 1); break;
    case 19: {
      const QRect menu = startMenuArea(scene);
      const QRect search(menu.left() + 8, menu.bottom() - 70, std::max(0, menu.width() / 2 - 16), 22);
      scene.section("StartMenu.SearchBox", search, scene.state());
      scene.sectionLabel("StartMenu.SearchBox", search.adjusted(6, 0, 0, 0), scene.state(), text("Search"), 1, 17);
      break;
    }
    case 20: sampleWindow(scene); break;
    case 22: PaintTaskBar(scene.painter(), scene.context(), scene.request().rect, taskBarLook(scene)); break;
    case 24: taskBarPart(scene, 17); break;
    case 25: taskBarPart(scene, 18); break;
    case 26: taskBarPart(scene, 19); break;
    case 21: scene.section("Progress.Busy", scene.inset(), 1); break;
    case 23: scene.section("PropertySheet.Background", scene.inset(), 1); break;
    case 27: explorerBar(scene); break;
    case 28: scene.section("Shell.Banner", scene.inset(), 1); break;
    case 32: mdiClient(scene); break;
    case 33: mdiButtons(scene); break;
    case 34: glassFrame(scene); break;
    case 35: navigationPane(scene); break;
    case 36: commandBar(scene); break;
    default: break;
  }
}

}  // namespace tessera::render
