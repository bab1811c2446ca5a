#pragma once
// The title-bar buttons of the open skin: which layout keeps their count, the list of buttons,
// and adding, deleting and reordering them.
//
// Button i lives in section "Button<i>" of the main working file. Buttons are known only by that
// index, so deleting and reordering move whole sections so that the indices stay 0 .. count-1.
// Those moves touch only the sections whose content changes and reach the file in one write; a
// section missing from the middle stays missing at its new index, and no button section is ever
// cut or dropped, however many buttons or bytes the skin holds.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// Where the button count lives. Caption layout: key ButtonCount of section Caption. Personality
// layout (the skin had Personality/ButtonCount when it was opened): that key, which unlocks
// anchors, Shift and Ctrl actions, link actions, ten visibility keys and six-image strips.
enum class ButtonLayout { Caption, Personality };

// The layout of the open skin, as recorded when it was opened.
ButtonLayout CurrentButtonLayout();
// "Caption" or "Personality".
const char* ButtonCountSection(ButtonLayout layout);
// "Button" followed by the index in decimal ("Button0", "Button12").
std::string ButtonSectionName(int index);

// One row of a button list.
struct TitleBarButtonRow {
  int index = 0;
  std::string image;  // ButtonImage, up to 255 bytes; the row's text
  int action = 0;     // Action, for the short label at the row's right
  int frameCount = 3; // FrameCount (0 counts as 1), to cut the thumbnail's first frame
};

class TitleBarButtonModel {
 public:
  // Rows a list shows at most; a stored count beyond it (a damaged skin) lists this many.
  static constexpr int kMaxListedButtons = 1000;

  explicit TitleBarButtonModel(ButtonLayout layout);
  // The open skin's layout.
  TitleBarButtonModel();

  ButtonLayout layout() const { return layout_; }
  bool personalityLayout() const { return layout_ == ButtonLayout::Personality; }

  // ButtonCount as stored; a negative or unreadable value counts as 0.
  int storedCount() const;
  // The number of buttons the lists show: storedCount() up to kMaxListedButtons.
  int count() const;
  std::vector<TitleBarButtonRow> rows() const;
  // The image count a button without FrameCount has: 3, or 6 in the Personality layout when
  // Personality/TripleImages is non-zero.
  int defaultFrameCount() const;

  // Each returns the row to select afterwards (-1: none) and is one undo step.
  // "Add": raises ButtonCount by one; the new button's section is not written.
  int add() const;
  // "Delete": the buttons after `row` move down one index and ButtonCount drops by one.
  int remove(int row) const;
  // "U" and "D": exchange the button with its neighbour; out-of-range moves change nothing
  // and keep `row` selected.
  int moveUp(int row) const;
  int moveDown(int row) const;

 private:
  void writeCount(int count) const;

  ButtonLayout layout_;
};

}  // namespace tessera
