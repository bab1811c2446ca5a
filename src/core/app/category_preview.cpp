#include "core/app/category_preview.h"

#include <algorithm>

namespace tessera {

namespace {

using Step = CategoryPreviewStep;

// The task bar of the preview library is one band this high along the bottom of its rectangle.
constexpr int kTaskBarHeight = 30;
// Room a sample window's frame and caption take around its client area, roughly.
constexpr int kFrameSide = 12;
constexpr int kCaption = 40;

CategoryPreviewCall kind(const QRect& rect, int k, int state = 1) { return {Step::Kind, rect, k, state}; }

QRect windowClient(const QRect& window) { return window.adjusted(kFrameSide, kCaption, -kFrameSide, -kFrameSide); }

// A rectangle split into columns and rows of equal size; cell (column, row).
QRect cell(const QRect& r, int columns, int rows, int column, int row) {
  const int w = r.width() / columns;
  const int h = r.height() / rows;
  return QRect(r.left() + column * w, r.top() + row * h, w, h);
}

}  // namespace

QRect CategoryPreviewWindow(QSize size) {
  const int margin = std::max(12, size.width() / 16);
  return QRect(margin, margin, std::max(0, size.width() - 2 * margin),
               std::max(0, size.height() - 2 * margin - kTaskBarHeight));
}

std::vector<CategoryPreviewCall> CategoryPreviewCalls(int categoryKind, QSize size) {
  const QRect whole(QPoint(0, 0), size);
  const QRect window = CategoryPreviewWindow(size);
  const QRect client = windowClient(window);
  const CategoryPreviewCall taskBar{Step::TaskBar, whole};
  std::vector<CategoryPreviewCall> calls;
  switch (categoryKind) {
    case 2: {
      // Window frames: an inactive window behind an active one, so that the frames, captions and
      // buttons of both looks show.
      const int dx = window.width() / 5;
      const int dy = window.height() / 5;
      const QRect back = window.adjusted(0, 0, -dx, -dy);
      calls = {{Step::InactiveWindow, back}, {Step::ActiveWindow, back.translated(dx, dy)}, taskBar};
      break;
    }
    case 0:
      // Buttons and boxes: a dialog with push buttons, check boxes and radio buttons in a group,
      // an edit and a combo box, and sliders.
      calls = {kind(window, 20),
               kind(cell(client, 2, 2, 0, 0), 1),
               kind(cell(client, 2, 2, 1, 0), 2),
               kind(cell(client, 2, 2, 1, 0), 4),
               kind(cell(client, 2, 2, 1, 0), 3),
               kind(cell(client, 2, 2, 0, 1), 29),
               kind(cell(client, 2, 2, 1, 1), 31),
               taskBar};
      break;
    case 3: {
      // Start menu: open above a task bar whose start button is pressed.
      const int bottom = size.height() - kTaskBarHeight;
      const QRect menu(0, std::max(0, bottom - 436), std::min(396, size.width()), std::min(436, bottom));
      calls = {kind(whole, 25, 3), kind(menu, 18), kind(menu, 19)};
      break;
    }
    case 5:
      // Explorer: a folder window with its address bar, navigation pane, command bar and panes.
      calls = {kind(window, 20), kind(window, 35), kind(window, 36), taskBar};
      break;
    case 6: {
      // Taskbar: a window on the desktop, the task bar in its place and once more enlarged so that
      // the start button, task buttons and notification area can be made out.
      const QRect small = window.adjusted(window.width() / 4, 0, 0, -window.height() / 3);
      const QRect magnified(window.left(), window.bottom() - 2 * kTaskBarHeight - window.height() / 8,
                            window.width(), 2 * kTaskBarHeight);
      calls = {{Step::ActiveWindow, small}, {Step::MagnifiedTaskBar, magnified}, taskBar};
      break;
    }
    case 8:
      // Menus: a window's menu bar with a popup menu open, its marks and separator.
      // The menu kinds lay themselves out a little inside their rectangle: the client's, widened.
      {
        const QRect menus = client.adjusted(-8, -8, 8, 8);
        calls = {kind(window, 20), kind(menus, 14), kind(menus, 15), kind(menus, 17), taskBar};
      }
      break;
    case 1:
      // Bars and tabs: toolbars, rebar and status bar in a window, beside tabs, scroll bars and
      // progress bars.
      {
        const QRect left(window.left(), window.top(), window.width() * 3 / 5, window.height());
        const QRect right(left.right() + 1, window.top(), window.right() - left.right(), window.height());
        calls = {kind(left, 20), kind(left, 7), kind(left, 8), kind(left, 9),
                 kind(cell(right, 1, 3, 0, 0), 11), kind(cell(right, 1, 3, 0, 0), 12),
                 kind(cell(right, 1, 3, 0, 1), 5, 8), kind(cell(right, 1, 3, 0, 2), 6), taskBar};
      }
      break;
    default: calls = {{Step::ActiveWindow, window}, taskBar}; break;
  }
  return calls;
}

}  // namespace tessera
