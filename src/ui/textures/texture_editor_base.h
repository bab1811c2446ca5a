#pragma once
// What the two texture editors share: the preview band at the top, texture pickers whose
// changes are written at once, the two-stage preview refresh after each change, and the buttons
// "Save", "Apply" and "Close".
//
// Every change is its own undo step and stays when the window closes (by "Close", Escape or the
// close box): the window has no Cancel, and "Save" or "Apply" may already have committed the
// changes. A window that changed nothing leaves the skin as unmodified as it found it.
#include <QDialog>
#include <QPointer>
#include <vector>

#include "ui/textures/skin_preview_band.h"
#include "core/skin/skin_document.h"

class QPushButton;
class QVBoxLayout;

namespace tessera::ui {

class RefreshTimer;
class TexturePicker;

class TextureEditorBase : public QDialog {
  Q_OBJECT
 public:
  SkinPreviewBand* previewBand() const { return band_; }
  QPushButton* saveButton() const { return saveButton_; }
  QPushButton* applyButton() const { return applyButton_; }
  QPushButton* closeButton() const { return closeButton_; }
  const std::vector<TexturePicker*>& pickers() const { return pickers_; }

  bool isRefreshPending() const;
  // Runs a pending preview refresh now.
  void flushRefresh();

 protected:
  TextureEditorBase(SkinDocument* document, const QString& title, SkinPreviewBand::Content content, QWidget* parent);
  SkinDocument* document() const { return document_; }

  // The layout between the band and the buttons.
  QVBoxLayout* body() const { return body_; }
  TexturePicker* addPicker(const QString& caption, const char* section, QVBoxLayout* into);
  // Starts the refresh that follows a change: the engine's pictures and the band.
  void startRefresh();
  void done(int result) override;

 private:
  void refillPickers();
  void save();
  void apply();

  SkinPreviewBand* band_ = nullptr;
  QVBoxLayout* body_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* applyButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  RefreshTimer* refresh_ = nullptr;
  std::vector<TexturePicker*> pickers_;
  int undoIndexAtOpen_ = -1;
  QPointer<SkinDocument> document_;
};

}  // namespace tessera::ui
