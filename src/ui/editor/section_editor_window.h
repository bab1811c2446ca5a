#pragma once
// The section editor window: the skin's sections as a task pane of one group or as a tree with a
// search box, a large live preview, the layer bar, and the property sheet of the selected section
// with the caption bar that switches its pages.
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <string>

#include "core/editor/layer_bar.h"
#include "core/editor/task_pane.h"
#include "core/skin/skin_document.h"
#include "ui/editor/section_editor_context.h"
#include "ui/sheet/property_sheet.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace tessera::ui {

class BottomBar;
class LargePreviewButton;
class UndoActions;
class ModifiedMark;
class TaskPaneList;

class SectionEditorWindow final : public QDialog, public SectionEditorContext {
  Q_OBJECT
 public:
  // Opens on catalogue entry `entry` of the open skin `document`.
  SectionEditorWindow(SkinDocument* document, const std::string& entry, QWidget* parent = nullptr);
  ~SectionEditorWindow() override;

  // SectionEditorContext
  std::string currentSection() const override { return currentSection_; }
  std::string currentTopLevelSection() const override { return topLevel_; }
  void setCurrentSection(const std::string& section) override { currentSection_ = section; }
  void requestSheetRebuild() override;
  void repaintLargePreview() override;
  QWidget* editorWindow() override { return this; }
  SkinDocument* document() const override { return document_; }

  void RebuildPropertySheet();
  void RefreshLayerList();
  // After an undo or redo: the preview library reloads the skin, the layer bar lists the layers
  // as they now are, and a layer the step took away gives way to its top-level section.
  void followRestoredSkin();
  // A click on the task pane: an entry index (0..29), 998 (previous) or 999 (next).
  void taskPaneClick(int index);

  int group() const { return group_; }
  int linearPosition() const { return linearPosition_; }
  int interfaceGrey() const { return grey_; }
  bool usesTree() const { return tree_ != nullptr; }

  TaskPaneList* taskPane() const { return taskPane_; }
  QTreeWidget* sectionTree() const { return tree_; }
  QLineEdit* searchBox() const { return search_; }
  QListWidget* searchResults() const { return results_; }
  QLabel* noMatchLabel() const { return noMatch_; }
  QLabel* titleLabel() const { return title_; }
  QLabel* subtitleLabel() const { return subtitle_; }
  LargePreviewButton* largePreview() const { return preview_; }
  QComboBox* previewStateList() const { return states_; }
  QComboBox* backgroundList() const { return backgrounds_; }
  QSlider* brightnessSlider() const { return brightness_; }
  QComboBox* layerList() const { return layers_; }
  QComboBox* blendModeList() const { return blendModes_; }
  QPushButton* addLayerButton() const { return addLayer_; }
  QPushButton* deleteLayerButton() const { return deleteLayer_; }
  QPushButton* layersButton() const { return layersMenu_; }
  BottomBar* bottomBar() const { return bottomBar_; }
  PropertySheet* propertySheet() const { return sheet_; }
  UndoActions* undoActions() const { return undo_; }

  void done(int result) override;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Layout and controls (section_editor_window_layout.cpp).
  void buildControls();
  QWidget* buildLeftColumn();
  QWidget* buildPreviewArea();
  QWidget* buildLayerBar();
  QWidget* buildCommandButtons();
  void placeSheetInTabOrder();
  void applyInterfaceGrey();

  // Selection (section_editor_window_selection.cpp).
  void showSelection(const std::string& entry, int secIdDefault);
  void setTopLevel(const std::string& section);
  void setTitles(const std::string& entry);
  void rebuildTaskPane();
  void fillPreviewStates(int group);
  void selectSubPreview(const std::string& section);
  void stepLinear(bool forward);
  void fillTree();
  void treeSelectionChanged();
  void searchTextChanged(const QString& text);
  void searchHitChosen(int row);
  QTreeWidgetItem* treeItemFor(const std::string& section) const;

  // Layer bar (section_editor_window_layers.cpp).
  void layerChosen(int entry);
  void blendModeChosen(int row);
  void addLayer();
  void deleteLayer();
  void showLayersMenu();

  // Commands (section_editor_window_commands.cpp).
  void forceReimport();
  void testSkin();
  void saveSkin();
  void applySkin();
  void showZoomWindow();
  void backgroundChosen(int index);
  void brightnessSettled();

  std::string currentSection_;
  std::string topLevel_;
  int group_ = 0;
  int linearPosition_ = 1;
  int grey_ = 255;
  QString rememberedCaption_;
  TaskPane pane_;
  LayerBarState layerBar_;

  TaskPaneList* taskPane_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QLineEdit* search_ = nullptr;
  QListWidget* results_ = nullptr;
  QLabel* noMatch_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* subtitle_ = nullptr;
  LargePreviewButton* preview_ = nullptr;
  QComboBox* states_ = nullptr;
  QComboBox* backgrounds_ = nullptr;
  QSlider* brightness_ = nullptr;
  QComboBox* layers_ = nullptr;
  QComboBox* blendModes_ = nullptr;
  QPushButton* addLayer_ = nullptr;
  QPushButton* deleteLayer_ = nullptr;
  QPushButton* layersMenu_ = nullptr;
  QLabel* layerLabel_ = nullptr;
  BottomBar* bottomBar_ = nullptr;
  QWidget* sheetHost_ = nullptr;
  QVBoxLayout* sheetHostLayout_ = nullptr;
  QPointer<PropertySheet> sheet_;
  QTimer repaintTimer_;
  QTimer brightnessTimer_;
  ModifiedMark* modifiedMark_ = nullptr;
  bool rebuildQueued_ = false;
  UndoActions* undo_ = nullptr;
  QPointer<SkinDocument> document_;
  // Where Cancel takes the skin back to: the steps made while this window was open are undone.
  int cancelPoint_ = -1;
};

}  // namespace tessera::ui
