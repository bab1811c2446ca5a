#pragma once
// "Edit UIS0 frames": the window frame texture of a frameless (glass) skin and the alphas and
// hues its frames are drawn with, under sample windows of the skin.
//
// The sliders store what they show as soon as the window is shown, as the engine's editor always
// has (skins rely on [DWM] holding its values once the frames were edited); values out of range
// are clamped, and a value already stored is not written again.
#include <optional>

#include "ui/textures/texture_editor_base.h"

class QCheckBox;
class QSlider;

namespace tessera::ui {

class HueSlider;

class FramelessFramesDialog : public TextureEditorBase {
  Q_OBJECT
 public:
  explicit FramelessFramesDialog(SkinDocument* document, QWidget* parent = nullptr);

  TexturePicker* framePicker() const { return pickers()[0]; }
  QSlider* shineAlphaSlider() const { return shine_; }
  QSlider* borderAlphaSlider() const { return border_; }
  QSlider* buttonAlphaSlider() const { return button_; }
  HueSlider* buttonHueSlider() const { return buttonHue_; }
  HueSlider* closeButtonHueSlider() const { return closeHue_; }
  QCheckBox* buttonHueDefaultBox() const { return buttonHueDefault_; }
  QCheckBox* closeButtonHueDefaultBox() const { return closeHueDefault_; }
  QCheckBox* noFlipBox() const { return noFlip_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Writes every slider's value (or deletes a hue set to "Default"); starts the refresh when
  // anything changed.
  void storeShownValues();
  void connectHue(const char* key, HueSlider* slider, QCheckBox* box);
  void writeHue(const char* key, HueSlider* slider, QCheckBox* box);

  QSlider* shine_ = nullptr;
  QSlider* border_ = nullptr;
  QSlider* button_ = nullptr;
  HueSlider* buttonHue_ = nullptr;
  HueSlider* closeHue_ = nullptr;
  QCheckBox* buttonHueDefault_ = nullptr;
  QCheckBox* closeHueDefault_ = nullptr;
  QCheckBox* noFlip_ = nullptr;
  bool stored_ = false;
};

}  // namespace tessera::ui
