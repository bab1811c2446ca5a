#pragma once
// The pages of title bars laid out by section "Caption": "Caption text settings" (placement and
// fonts of the caption text) and "Caption click settings" (what clicks on the caption do).
#include "ui/sheet/property_page.h"

class QComboBox;
class QPushButton;

namespace tessera::ui {

class CaptionMarginsPanel;
class RefreshTimer;
class SkinPresetList;

class CaptionTextSettingsPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit CaptionTextSettingsPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  CaptionMarginsPanel* margins() const { return margins_; }
  SkinPresetList* activeFontList() const { return activeFont_; }
  SkinPresetList* inactiveFontList() const { return inactiveFont_; }
  QPushButton* fontButton() const { return fontButton_; }
  RefreshTimer* refreshTimer() const { return refresh_; }

 private:
  void reload() override;
  void refreshAfterReload() override;
  SkinPresetList* fontObjectList(const char* key);
  void selectFontObject(SkinPresetList* list, const char* key);
  void chooseFont();

  CaptionMarginsPanel* margins_ = nullptr;
  SkinPresetList* activeFont_ = nullptr;
  SkinPresetList* inactiveFont_ = nullptr;
  QPushButton* fontButton_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
};

class CaptionClickSettingsPage : public PropertyPage {
  Q_OBJECT
 public:
  explicit CaptionClickSettingsPage(SectionEditorContext& editor, QWidget* parent = nullptr);

  QComboBox* doubleClickList() const { return doubleClick_; }
  QComboBox* rightClickList() const { return rightClick_; }

 private:
  void reload() override;
  QComboBox* actionList(const char* key);

  QComboBox* doubleClick_ = nullptr;
  QComboBox* rightClick_ = nullptr;
};

}  // namespace tessera::ui
