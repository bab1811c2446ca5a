// The layer bar: the layers of the selected section, adding and deleting them, blend modes.
#include <QComboBox>
#include <algorithm>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/app/skin_actions.h"
#include "core/platform/prompt.h"
#include "core/skin/blend_modes.h"
#include "core/skin/layer_chain.h"
#include "core/platform/skin_text.h"
#include "core/skin/skin_document.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/large_preview_button.h"

namespace tessera::ui {

void SectionEditorWindow::RefreshLayerList() {
  layerBar_ = ReadLayerBar(topLevel_, currentSection_, Session().mainFile);
  const QSignalBlocker layerBlocker(layers_);
  const QSignalBlocker blendBlocker(blendModes_);
  layers_->clear();
  for (const std::string& text : layerBar_.texts) layers_->addItem(FromSkinText(text));
  layers_->setCurrentIndex(layerBar_.selected);
  blendModes_->setCurrentIndex(static_cast<int>(layerBar_.blendRow));
  layers_->setEnabled(layerBar_.listEnabled);
  addLayer_->setEnabled(layerBar_.addEnabled);
  deleteLayer_->setEnabled(layerBar_.deleteEnabled);
  blendModes_->setEnabled(layerBar_.blendEnabled);
  layerLabel_->setEnabled(layerBar_.layersAvailable);
  layersMenu_->setEnabled(layerBar_.layersAvailable);
}

void SectionEditorWindow::layerChosen(int entry) {
  currentSection_ = LayerSectionAt(layerBar_, entry);
  {
    const QSignalBlocker blocker(blendModes_);
    blendModes_->setCurrentIndex(static_cast<int>(BlendModeRow(ReadBlendMode(currentSection_, Session().mainFile))));
  }
  requestSheetRebuild();
}

void SectionEditorWindow::blendModeChosen(int row) {
  if (row < 0) return;
  const SkinDocument::Step step(document_,
                                QStringLiteral("Change blend mode of %1").arg(FromSkinText(currentSection_)));
  ChooseBlendMode(currentSection_, static_cast<std::size_t>(row), SkinFileForSection(currentSection_));
  RefreshPreview();
  preview_->update();
}

void SectionEditorWindow::addLayer() {
  if (!layerBar_.layersAvailable) return;
  {
    const SkinDocument::Step step(document_, QStringLiteral("Add layer"));
    if (AddLayer(topLevel_, Session().mainFile).empty()) return;
  }
  RefreshLayerList();
  const int last = layers_->count() - 1;
  layers_->setCurrentIndex(last);
  layerChosen(last);
}

void SectionEditorWindow::deleteLayer() {
  const int selected = layers_->currentIndex();
  if (selected < 1 || !layerBar_.layersAvailable) return;
  if (CurrentPrompt().askYesNo("Are you sure you want to delete the selected layer?", "Delete layer?") !=
      PromptAnswer::Yes) {
    return;
  }
  {
    const SkinDocument::Step step(document_, QStringLiteral("Delete layer"));
    DeleteLayer(topLevel_, static_cast<std::size_t>(selected), Session().mainFile);
  }
  RefreshPreview();
  RefreshLayerList();
  const int last = layers_->count() - 1;
  layers_->setCurrentIndex(last);
  layerChosen(last);
}

void SectionEditorWindow::followRestoredSkin() {
  RefreshPreview();
  RefreshLayerList();
  const auto& layers = layerBar_.sections;
  if (currentSection_ != topLevel_ && std::find(layers.begin(), layers.end(), currentSection_) == layers.end()) {
    currentSection_ = topLevel_;
    requestSheetRebuild();
  }
  repaintLargePreview();
}

void SectionEditorWindow::showLayersMenu() {
  QMenu menu(this);
  menu.addSection(FromSkinText(topLevel_));
  const std::vector<std::string> texts = LayerMenuTexts(layerBar_.sections.size() - 1);
  for (std::size_t n = 0; n < texts.size(); ++n) {
    QAction* action = menu.addAction(FromSkinText(texts[n]));
    action->setData(static_cast<int>(n));
    if (layerBar_.sections[n] == currentSection_) menu.setDefaultAction(action);
  }
  const QAction* chosen = menu.exec(layersMenu_->mapToGlobal(QPoint(0, layersMenu_->height())));
  if (!chosen) return;
  currentSection_ = LayerSectionAt(layerBar_, chosen->data().toInt());
  requestSheetRebuild();
}

}  // namespace tessera::ui
