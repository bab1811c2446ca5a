#pragma once
// What the six title-bar button pages share: the selected button (one index for all pages, so a
// tab switch keeps it), the "Button to modify :" list at the top of five of them, the flag that
// keeps a load from writing, and the preview refresh that follows every write.
#include <memory>

#include "core/pages/title_bar_button_keys.h"
#include "core/pages/title_bar_button_model.h"
#include "ui/sheet/property_page.h"

class QComboBox;
class QVBoxLayout;

namespace tessera::ui {

class ImageSlotPanel;

class RefreshTimer;

class TitleBarButtonPage : public PropertyPage {
  Q_OBJECT
 public:
  // The selected button of every button page (-1: none); it lives as long as the program.
  static int selectedButton();
  static void setSelectedButton(int index);

  // Rebuilds the button list, selects the shared button (or the first) and loads its values.
  // The page does this each time it becomes the shown page.
  void activate();
  // Loads the selected button's values into the controls without writing.
  void loadSelectedButton();

  bool isActive() const { return isLoaded(); }
  QComboBox* buttonList() const { return buttonList_; }
  RefreshTimer* refreshTimer() const { return refresh_; }
  const TitleBarButtonModel& model() const { return model_; }

 protected:
  // `withButtonList`: the page starts with the "Button to modify :" list.
  TitleBarButtonPage(SectionEditorContext& editor, const QString& caption, bool withButtonList,
                     QWidget* parent = nullptr);

  // The layout the page adds its controls to (below the button list).
  QVBoxLayout* pageLayout() const { return layout_; }
  // The selected button's keys; nullptr when there is no button.
  const TitleBarButtonKeys* keys() const { return keys_.get(); }
  // The picture list of one key of the selected button ("ButtonImage", "OverlayImage"), with the
  // ">" menu's "Import", "Frame builder" and "Quick import file" and `emptyText` as its first entry.
  ImageSlotPanel* makeButtonSlotPanel(const char* key, const QString& emptyText);
  // Called after a control stored its key: the preview refreshes shortly.
  void stored();
  // The page's own list of buttons (the "Buttons" page's list); the default is the combo box.
  virtual int rebuildButtonList(int select);
  // Loads `keys` into the controls; the page is inactive while it runs.
  virtual void loadButton(const TitleBarButtonKeys* keys) = 0;
  // Once, before the first activation.
  virtual void startPage() {}

  void showEvent(QShowEvent* event) override;
  void reload() override;
  void refreshAfterReload() override;

 private:
  void chooseButton(int row);

  TitleBarButtonModel model_;
  QVBoxLayout* layout_ = nullptr;
  QComboBox* buttonList_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
  std::unique_ptr<TitleBarButtonKeys> keys_;
  bool started_ = false;
};

}  // namespace tessera::ui
