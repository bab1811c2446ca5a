#pragma once
// The keys of one title-bar button section, as the six button pages read and write them. Every
// read and write goes through the section store on the open skin's main file.
#include <string>
#include <string_view>
#include <vector>

#include "core/pages/title_bar_button_model.h"
#include "core/platform/profile.h"

namespace tessera {

struct ButtonImageValues {
  std::string image;       // ButtonImage
  bool transparent = false;  // UseTrans = 1
  bool perPixel = false;     // PerPixel = 1
  int frameCount = 3;        // FrameCount
  int animationRate = 0;     // AnimTimerRate, milliseconds per frame
};

struct ButtonActionValues {
  int action = 0;
  int shiftAction = 0;  // ShiftAction, default Action
  int ctrlAction = 0;   // CtrlAction, default Action
  std::string command;
  std::string dllName;
  int linkedTo = 0;
  std::string inSound;
  std::string outSound;
};

struct ButtonPositionValues {
  int align = 0;  // 0/1 in the Caption layout, an anchor code in the Personality layout
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  // "The width and height set below" rather than "The image dimensions".
  bool explicitSize() const { return width != 0 || height != 0; }
};

struct ButtonGlowValues {
  std::string image;  // OverlayImage
  int xOffset = 0;
  int yOffset = 0;
  int frameCount = 1;
  int fadeInTime = 0;
  int timer = 0;
};

// The sounds a button can play: every file of the open skin's folder whose extension is WAV, as
// lower-case paths relative to the skins folder ("myskin\\click.wav"), each once, in name order.
std::vector<std::string> ListButtonSoundFiles();

class TitleBarButtonKeys {
 public:
  TitleBarButtonKeys(int button, ButtonLayout layout);

  const std::string& section() const { return section_; }
  bool personalityLayout() const { return layout_ == ButtonLayout::Personality; }

  ButtonImageValues readImage(int defaultFrameCount) const;
  ButtonActionValues readActions() const;
  ButtonPositionValues readPosition() const;
  ButtonGlowValues readGlow() const;

  // Decimal integer keys (FrameCount, AnimTimerRate, Action, Align, XCoord, offsets, ...).
  void writeInt(std::string_view key, int value) const;
  // "1" or "0" (UseTrans, PerPixel).
  void writeFlag(std::string_view key, bool on) const;
  // Text keys whose empty text deletes them (Command, DllName, InSound, OutSound, ButtonImage,
  // OverlayImage; an image list's placeholder entry is the empty text).
  void writeTextOrDelete(std::string_view key, std::string_view text) const;
  // Keys whose 0 deletes them (Width, Height, and LinkedTo, where 0 is the first button).
  void writeNonZeroOrDelete(std::string_view key, int value) const;
  // "The image dimensions": Width and Height go.
  void useImageDimensions() const;

  // The visibility keys of the layout: Visibility, Visibility1 .. Visibility5, and in the
  // Personality layout Visibility6 .. Visibility9.
  std::vector<std::string> visibilityKeys() const;
  // Their values (missing keys read 0), in key order.
  std::vector<int> readVisibility() const;
  // Stores the checked condition numbers in list order: the visibility keys are deleted, then the
  // k-th number goes to the k-th key. Numbers beyond the layout's keys are not stored; returns how
  // many were. With `listHasRows` false (no catalogue) nothing is deleted or written.
  int storeVisibility(const std::vector<int>& checkedNumbers, bool listHasRows) const;

 private:
  int readInt(std::string_view key, int def) const;
  std::string readText(std::string_view key) const;
  void write(std::string_view key, profile::OptionalText value) const;

  std::string section_;
  ButtonLayout layout_;
};

}  // namespace tessera
