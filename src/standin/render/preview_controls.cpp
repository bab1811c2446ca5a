// Preview kinds of dialog controls: buttons, boxes, scroll and progress bars, tabs, edit boxes,
// spin buttons, sliders, tooltips, tree and list views, task dialogs and wizards.
#include <algorithm>

#include "core/colours/colour_value.h"
#include "standin/render/nine_slice_painter.h"
#include "standin/render/preview_scene.h"
#include "standin/render/section_style.h"

namespace tessera::render {

namespace {

QString text(const char* s) { return QString::fromLatin1(s); }

// Push buttons in a row: the first one shows the preview state.
void pushButtons(PreviewScene& s) {
  const QRect area = s.inset();
  const QSize natural = s.naturalSize("Buttons", QSize(75, 23));
  const int h = std::clamp(natural.height(), 21, 40);
  const int w = std::clamp(std::max(natural.width(), 80), 60, std::max(60, area.width() / 3 - 8));
  const int top = area.top() + std::max(0, (area.height() - 3 * (h + 10)) / 2);
  int x = area.left();
  const char* labels[] = {"OK", "Cancel", "Apply"};
  for (int i = 0; i < 3; ++i) {
    s.labelledControl("Buttons", QRect(x, top, w, h), i == 0 ? s.state() : 1, text(labels[i]));
    x += w + 8;
  }
  const int row2 = top + h + 10;
  const int halfWidth = std::max(0, area.width() / 2 - 4);
  if (s.section("SplitButtons", QRect(area.left(), row2, std::min(halfWidth, w + 24), h), 1)) {
    s.controlText("SplitButtons", QRect(area.left(), row2, std::min(halfWidth, w + 24), h), 1, text("Options"));
  }
  const QRect flat(area.left() + std::min(halfWidth, w + 24) + 8, row2, w, h);
  if (s.section("Buttons.Flat", flat, 1)) s.controlText("Buttons.Flat", flat, 1, text("Flat"));
  const QRect link(area.left(), row2 + h + 10, std::min(area.width(), 2 * w + 40), h + 8);
  if (s.section("CommandLinks", link, 1)) s.controlText("CommandLinks", link, 1, text("Command link"), 1);
}

// A box drawn at its frame size left of its label.
void boxWithLabel(PreviewScene& s, const char* section, const QRect& row, int frameState, const QString& label) {
  const QSize box = s.naturalSize(section, QSize(13, 13)).boundedTo(row.size());
  const QRect boxRect(row.left(), row.top() + (row.height() - box.height()) / 2, box.width(), box.height());
  if (!s.section(section, boxRect, frameState)) s.control(section, boxRect, 1, true);
  s.controlText(section, QRect(boxRect.right() + 6, row.top(), std::max(0, row.right() - boxRect.right() - 6), row.height()),
                std::clamp((frameState - 1) % 4 + 1, 1, 4), label, 1);
}

QRect groupInside(const PreviewScene& s) { return s.inset().adjusted(10, 20, -10, -10); }

void checkBoxes(PreviewScene& s) {
  const QRect inside = groupInside(s);
  const QRect column(inside.left(), inside.top(), inside.width() / 2, inside.height());
  boxWithLabel(s, "CheckBox", QRect(column.left(), column.top(), column.width(), 22), BlockState(s.state(), 4, 0),
               text("Unchecked"));
  boxWithLabel(s, "CheckBox", QRect(column.left(), column.top() + 26, column.width(), 22), BlockState(s.state(), 4, 1),
               text("Checked"));
  boxWithLabel(s, "TriStateCheckBox", QRect(column.left(), column.top() + 52, column.width(), 22),
               BlockState(s.state(), 4, 2), text("Mixed"));
}

void radioButtons(PreviewScene& s) {
  const QRect inside = groupInside(s);
  const QRect column(inside.left() + inside.width() / 2, inside.top(), inside.width() - inside.width() / 2,
                     inside.height());
  boxWithLabel(s, "RadioButton", QRect(column.left(), column.top(), column.width(), 22), BlockState(s.state(), 4, 1),
               text("Selected"));
  boxWithLabel(s, "RadioButton", QRect(column.left(), column.top() + 26, column.width(), 22),
               BlockState(s.state(), 4, 0), text("Not selected"));
}

void groupBox(PreviewScene& s) {
  const QRect box = s.inset().adjusted(0, 6, 0, 0);
  if (!s.section("GroupBox", box, s.state())) {
    s.painter().setPen(QColor(128, 128, 128));
    s.painter().drawRect(box.adjusted(0, 0, -1, -1));
  }
  s.controlText("GroupBox", QRect(box.left() + 8, box.top() - 6, 120, 16), 1, text("Options"), 1);
}

// Scroll bars: states 1 to 7 add one part each, 8 draws them all.
void scrollBars(PreviewScene& s) {
  const QRect area = s.inset();
  const int t = 17;
  const QRect vertical(area.right() + 1 - t, area.top(), t, std::max(0, area.height() - t));
  const QRect horizontal(area.left(), area.bottom() + 1 - t, std::max(0, area.width() - t), t);
  const QRect sizeBox(vertical.left(), horizontal.top(), t, t);
  const int part = s.state();
  auto wants = [&](int p) { return part == p || part >= 8; };
  if (wants(1)) {
    s.control("Scrollbar.VertTrack", vertical.adjusted(0, t, 0, -t), 1, true);
    s.control("Scrollbar.HorzTrack", horizontal.adjusted(t, 0, -t, 0), 1, true);
  }
  if (wants(2)) {
    s.control("Scrollbar.Arrows", QRect(vertical.left(), vertical.top(), t, t), 1);
    s.control("Scrollbar.Arrows", QRect(vertical.left(), vertical.bottom() + 1 - t, t, t), 5);
    s.control("Scrollbar.Arrows", QRect(horizontal.left(), horizontal.top(), t, t), 9);
    s.control("Scrollbar.Arrows", QRect(horizontal.right() + 1 - t, horizontal.top(), t, t), 13);
  }
  // Thumbs are never shorter than their "MinThumbSize".
  const int minVertical = std::clamp(s.skin().integer("Scrollbar.VertThumb", "MinThumbSize", 8), 4, 100);
  const int minHorizontal = std::clamp(s.skin().integer("Scrollbar.HorzThumb", "MinThumbSize", 8), 4, 100);
  const QRect vThumb(vertical.left(), vertical.top() + t + 10, t, std::max(minVertical, vertical.height() / 6));
  const QRect hThumb(horizontal.left() + t + 20, horizontal.top(), std::max(minHorizontal, horizontal.width() / 6), t);
  if (wants(3)) s.control("Scrollbar.VertThumb", vThumb, 1);
  if (wants(4)) s.control("Scrollbar.HorzThumb", hThumb, 1);
  if (wants(5)) {
    s.section("Scrollbar.Gripper", vThumb, 1);
    s.section("Scrollbar.Gripper", hThumb, 1);
  }
  if (wants(6)) s.control("Scrollbar.SizeBox", sizeBox, 1);
  if (wants(7)) {
    // The hot thumb: the mouse-over look of the vertical thumb.
    s.section("Scrollbar.VertThumb", vThumb, 2);
  }
}

void progressBars(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect track(area.left(), area.top() + 10, std::max(0, area.width() - 40), 20);
  s.control("Progress.Track", track, 1, true);
  const QRect bar = track.adjusted(2, 2, -2 - (track.width() - 4) * 2 / 5, -2);
  // "ChunkWidth" cuts the fill into blocks "ChunkGap" apart; 0 draws one continuous fill.
  const int chunk = std::clamp(s.skin().integer("Progress.Bar", "ChunkWidth", 0), 0, 50);
  const int gap = std::clamp(s.skin().integer("Progress.Bar", "ChunkGap", 0), 0, 20);
  if (chunk > 0) {
    for (int x = bar.left(); x <= bar.right(); x += chunk + gap) {
      const QRect block(x, bar.top(), std::min(chunk, bar.right() + 1 - x), bar.height());
      if (!s.section("Progress.Bar", block, 1)) s.fillSystem(block, 13);
    }
  } else if (!s.section("Progress.Bar", bar, 1)) {
    s.fillSystem(bar, 13);
  }
  const QRect marquee(area.left(), track.bottom() + 14, track.width(), 20);
  s.control("Progress.Track", marquee, 1, true);
  s.section("Progress.Marquee", marquee.adjusted(marquee.width() / 3, 2, -marquee.width() / 3, -2), 1);
  const QRect vtrack(area.right() - 20, area.top() + 10, 20, std::max(0, area.height() - 20));
  if (!s.section("Progress.VertTrack", vtrack, 1)) s.control("Progress.Track", vtrack, 1, true);
  const QRect vbar = vtrack.adjusted(2, 2 + (vtrack.height() - 4) / 2, -2, -2);
  if (!s.section("Progress.VertBar", vbar, 1)) s.fillSystem(vbar, 13);
}

QRect tabPane(const PreviewScene& s) { return s.inset().adjusted(0, 24, 0, 0); }

void tabs(PreviewScene& s) {
  const QRect pane = tabPane(s);
  const int overlap = std::clamp(s.skin().integer("Tab.Item", "TabOverlap", 0), 0, 20);
  const int raise = std::clamp(s.skin().integer("Tab.Item", "SelectedTabRaise", 0), 0, 10);
  const char* labels[] = {"General", "Advanced", "Sharing", "Options"};
  int x = pane.left();
  for (int i = 0; i < 4; ++i) {
    const int w = std::min(80, std::max(20, pane.width() / 4));
    const bool selected = i == 1;
    const QRect tab(x, pane.top() - 22 - (selected ? raise : 0), w, 22 + (selected ? raise : 0) + 1);
    const char* section = i == 0 ? "Tab.ItemLeft" : i == 3 ? "Tab.ItemRight" : "Tab.Item";
    const int state = i == 0 ? s.state() : selected ? 4 : 1;
    const bool own = s.section(section, tab, state);
    if (!own) s.control("Tab.Item", tab, state);
    s.controlText(own ? section : "Tab.Item", tab, state, text(labels[i]));
    x += w - overlap;
  }
  const QRect bottom(pane.left(), pane.bottom() + 1, 80, 22);
  s.section("Tab.BottomItem", bottom.translated(0, -22), 1);
}

// An edit box: with "BorderOnly" (the default) the skin paints only its frame and the program
// fills the inside, within the sizing margins, in the window colour.
void editBox(PreviewScene& s, const char* section, const QRect& rect, int state) {
  s.control(section, rect, state, true);
  if (s.skin().integer("Edit", "BorderOnly", 1) == 0) return;
  const QSize frame = SectionFrameSize(s.context(), section);
  if (frame.isEmpty()) return;
  const SectionStyle style = ReadSectionStyle(s.skin(), section);
  const QRect inside = rect.marginsRemoved(TargetMargins(frame, rect.size(), style.painting));
  s.fillSystem(inside, 5);
}

void comboAndEdit(PreviewScene& s) {
  const QRect area = s.inset();
  const int w = std::min(200, area.width());
  const QRect combo(area.left(), area.top(), w, 22);
  s.control("ComboBox", combo, s.state(), true);
  s.control("ComboBox.Button", QRect(combo.right() - 17, combo.top() + 2, 16, combo.height() - 4), s.state());
  s.sectionLabel("ComboBox", combo.adjusted(2, 0, -18, 0), s.state(), text("Choice"), 1, 8);
  const QRect edit(area.left(), combo.bottom() + 10, w, 22);
  editBox(s, "Edit", edit, s.state());
  s.label(edit.adjusted(5, 0, 0, 0), text("Text"), 1, 8);
  const QRect readOnly(area.left(), edit.bottom() + 10, w, 22);
  if (!s.section("Edit.ReadOnly", readOnly, 1)) s.control("Edit", readOnly, 4, true);
  s.label(readOnly.adjusted(5, 0, 0, 0), text("Read only"), 1, 17);
  const QRect list(area.left(), readOnly.bottom() + 10, w, std::max(0, std::min(80, area.bottom() - readOnly.bottom() - 10)));
  s.control("ListBox", list, 1, true);
  s.label(QRect(list.left() + 5, list.top() + 2, list.width() - 10, 18), text("First item"), 1, 8);
}

// The state arrives as the frame index.
void spinButtons(PreviewScene& s) {
  const QRect area = s.inset();
  const int state = std::clamp(s.state() + 1, 1, 4);
  const QRect edit(area.left(), area.top(), 60, 22);
  editBox(s, "Edit", edit, 1);
  s.label(edit.adjusted(5, 0, 0, 0), text("42"), 1, 8);
  s.control("Spin.Up", QRect(edit.right() + 1, edit.top(), 16, 11), state);
  s.control("Spin.Down", QRect(edit.right() + 1, edit.top() + 11, 16, 11), state);
  s.control("Spin.Left", QRect(area.left(), edit.bottom() + 12, 16, 16), state);
  s.control("Spin.Right", QRect(area.left() + 16, edit.bottom() + 12, 16, 16), state);
}

void sliders(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect track(area.left(), area.top() + 12, std::max(0, area.width() - 50), 6);
  s.control("Trackbar.Track", track, 1, true);
  const QSize thumb = s.naturalSize("Trackbar.Thumb", QSize(11, 21));
  s.control("Trackbar.Thumb", QRect(track.left() + track.width() / 3, track.center().y() - thumb.height() / 2, thumb.width(),
                                    thumb.height()),
            s.state());
  const QRect vtrack(area.right() - 20, area.top(), 6, std::max(0, area.height()));
  s.control("Trackbar.Track", vtrack, 1, true);
  const QSize vthumb = s.naturalSize("Trackbar.VertThumb", QSize(21, 11));
  s.control("Trackbar.VertThumb",
            QRect(vtrack.center().x() - vthumb.width() / 2, vtrack.top() + vtrack.height() / 2, vthumb.width(), vthumb.height()),
            s.state());
}

void tooltips(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect tip(area.left(), area.top(), std::min(180, area.width()), 22);
  if (!s.section("Tooltip", tip, 1)) {
    s.fillSystem(tip, 24);
    // Without a picture the tooltip has a one-pixel border in "BorderRGB".
    const ColorRef border = ParseRgbValue(s.skin().text("Tooltip", "BorderRGB")).value_or(0);
    s.painter().setPen(QColor(RedOf(border), GreenOf(border), BlueOf(border)));
    s.painter().drawRect(tip.adjusted(0, 0, -1, -1));
  }
  s.controlText("Tooltip", tip, 1, text("A tooltip"), 1);
  const QRect balloon(area.left(), tip.bottom() + 16, std::min(240, area.width()), 60);
  if (!s.section("Tooltip.Balloon", balloon, 1)) {
    s.fillSystem(balloon, 24);
    s.painter().setPen(QColor(0, 0, 0));
    s.painter().drawRoundedRect(balloon.adjusted(0, 0, -1, -1), 6, 6);
  }
  s.sectionLabel("Tooltip.Balloon", balloon.adjusted(10, 0, -24, 0), 1, text("Balloon tip"), 1, 23);
  s.section("Tooltip.Close", QRect(balloon.right() - 20, balloon.top() + 4, 16, 16), s.state());
}

// An item's selection picture, as strongly as its "SelectionAlpha" says.
void selection(PreviewScene& s, const char* section, const QRect& rect) {
  const int alpha = std::clamp(s.skin().integer(section, "SelectionAlpha", 255), 0, 255);
  s.painter().save();
  s.painter().setOpacity(alpha / 255.0);
  s.section(section, rect, s.state());
  s.painter().restore();
}

void treeItems(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect list(area.left(), area.top(), area.width() / 2 - 4, area.height());
  s.fillSystem(list, 5);
  const char* labels[] = {"Desktop", "Documents", "Pictures", "Music"};
  for (int i = 0; i < 4; ++i) {
    const QRect row(list.left() + 4 + (i > 0 ? 16 : 0), list.top() + 4 + i * 22, 140, 20);
    if (row.bottom() > list.bottom()) break;
    s.section("TreeView.Glyphs", QRect(row.left() - 14, row.top() + 5, 10, 10), i == 0 ? 2 : 1);
    if (i == 1) {
      selection(s, "TreeView.Item", row);
      s.sectionLabel("TreeView.Item", row.adjusted(4, 0, 0, 0), s.state(), text(labels[i]), 1, 8);
    } else {
      s.label(row.adjusted(4, 0, 0, 0), text(labels[i]), 1, 8);
    }
  }
}

void listView(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect list(area.left() + area.width() / 2 + 4, area.top(), area.width() - area.width() / 2 - 4, area.height());
  if (!s.section("ListView.Background", list, 1)) s.fillSystem(list, 5);
  const QRect header(list.left() + 4, list.top() + 4, list.width() - 8, 20);
  s.section("ListView.GroupHeader", header, 1);
  s.sectionLabel("ListView.GroupHeader", header.adjusted(4, 0, 0, 0), 1, text("Files"), 1, 8, true);
  const char* labels[] = {"report.txt", "photo.jpg", "notes.txt"};
  for (int i = 0; i < 3; ++i) {
    const QRect row(list.left() + 8, header.bottom() + 4 + i * 22, list.width() - 16, 20);
    if (row.bottom() > list.bottom()) break;
    if (i == 1) {
      selection(s, "ListView.Item", row);
      s.sectionLabel("ListView.Item", row.adjusted(4, 0, 0, 0), s.state(), text(labels[i]), 1, 8);
    } else {
      s.label(row.adjusted(4, 0, 0, 0), text(labels[i]), 1, 8);
    }
  }
}

void taskDialog(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect content(area.left(), area.top(), area.width(), std::max(0, area.height() * 2 / 3));
  if (!s.section("TaskDialog.Content", content, 1)) s.fillSystem(content, 5);
  s.sectionLabel("TaskDialog.Content", content.adjusted(12, 8, -12, 0).adjusted(0, 0, 0, -content.height() / 2), 1,
                 text("Do you want to continue?"), 1, 8, true);
  const QRect footer(area.left(), content.bottom() + 1, area.width(), std::max(0, area.bottom() - content.bottom()));
  if (!s.section("TaskDialog.Footer", footer, 1)) s.fillSystem(footer, 15);
  const QRect expand(footer.left() + 10, footer.top() + 8, 19, 19);
  s.control("TaskDialog.ExpandButton", expand, s.state());
  s.sectionLabel("TaskDialog.ExpandButton", QRect(expand.right() + 6, expand.top(), 160, expand.height()), s.state(),
                 text("See details"), 1, 8);
}

void wizard(PreviewScene& s) {
  const QRect area = s.inset();
  const QRect header(area.left(), area.top(), area.width(), 40);
  if (!s.section("AeroWizard.Header", header, 1)) s.fillSystem(header, 5);
  const QRect back(header.left() + 6, header.top() + 8, 24, 24);
  s.control("AeroWizard.BackButton", back, s.state());
  s.sectionLabel("AeroWizard.Header", QRect(back.right() + 8, header.top(), header.width() - 40, header.height()), 1,
                 text("Wizard"), 1, 8);
}

}  // namespace

bool IsControlKind(int kind) {
  switch (kind) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 11: case 12: case 29: case 30: case 31:
    case 37: case 38: case 39: case 40: case 41:
      return true;
    default:
      return false;
  }
}

void DrawControlKind(PreviewScene& scene, int kind) {
  switch (kind) {
    case 1: pushButtons(scene); break;
    case 2: checkBoxes(scene); break;
    case 3: groupBox(scene); break;
    case 4: radioButtons(scene); break;
    case 5: scrollBars(scene); break;
    case 6: progressBars(scene); break;
    case 11: scene.control("Tab.Pane", tabPane(scene), 1, true); break;
    case 12: tabs(scene); break;
    case 29: comboAndEdit(scene); break;
    case 30: spinButtons(scene); break;
    case 31: sliders(scene); break;
    case 37: tooltips(scene); break;
    case 38: treeItems(scene); break;
    case 39: listView(scene); break;
    case 40: taskDialog(scene); break;
    case 41: wizard(scene); break;
    default: break;
  }
}

}  // namespace tessera::render
