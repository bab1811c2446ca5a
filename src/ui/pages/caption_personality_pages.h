#pragma once
// The pages of title bars laid out by section "Personality": "Caption" (placement of the caption
// text) and "Text settings" (shadow, colours, added text and font of the caption).
#include <array>

#include "core/pages/caption_keys.h"
#include "ui/sheet/property_page.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tessera::ui {

class CaptionMarginsPanel;
class RefreshTimer;

class CaptionPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit CaptionPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  CaptionMarginsPanel* margins() const { return margins_; }
  QCheckBox* onBottomBox() const { return onBottom_; }
  RefreshTimer* refreshTimer() const { return refresh_; }

 private:
  void reload() override;
  void refreshAfterReload() override;

  CaptionMarginsPanel* margins_ = nullptr;
  QCheckBox* onBottom_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

class TextSettingsPage : public PropertyPage {
  Q_OBJECT
 public:
  enum CaptionColour { kShadowColour = 0, kActiveColour, kInactiveColour };

  explicit TextSettingsPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QRadioButton* shadowModeButton(int mode) const { return shadowMode_[static_cast<std::size_t>(mode)]; }
  QCheckBox* noInactiveShadowBox() const { return noInactiveShadow_; }
  QSpinBox* shadowXBox() const { return shadowX_; }
  QSpinBox* shadowYBox() const { return shadowY_; }
  QLineEdit* frontText() const { return front_; }
  QLineEdit* endText() const { return end_; }
  QPushButton* colourButton(CaptionColour which) const { return colourButtons_[which]; }
  QFrame* colourSwatch(CaptionColour which) const { return swatches_[which]; }
  QPushButton* fontButton() const { return fontButton_; }
  RefreshTimer* refreshTimer() const { return refresh_; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  QWidget* buildShadow();
  QWidget* buildCaptionText();
  QWidget* colourRow(CaptionColour which, const char* label);
  QLineEdit* textBox(const char* key);
  void chooseColour(CaptionColour which);
  void showColour(CaptionColour which);
  void chooseFont();

  std::array<QRadioButton*, 3> shadowMode_{};
  QCheckBox* noInactiveShadow_ = nullptr;
  QSpinBox* shadowX_ = nullptr;
  QSpinBox* shadowY_ = nullptr;
  QLineEdit* front_ = nullptr;
  QLineEdit* end_ = nullptr;
  std::array<QPushButton*, 3> colourButtons_{};
  std::array<QFrame*, 3> swatches_{};
  QPushButton* fontButton_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

}  // namespace tessera::ui
