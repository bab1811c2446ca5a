#pragma once
// The two-stage refresh that follows an edit on a page: an edit (re)starts the first stage,
// 50 ms later the first stage runs and starts the second, 10 ms after that the second runs.
// Restarting before a stage fires postpones it, so a burst of edits gives one refresh.
#include <QObject>
#include <QTimer>
#include <functional>

#include "ui/editor/section_editor_context.h"

namespace tessera::ui {

class RefreshTimer : public QObject {
  Q_OBJECT
 public:
  static constexpr int kFirstStageMs = 50;
  static constexpr int kSecondStageMs = 10;

  RefreshTimer(QObject* parent, std::function<void()> firstStage, std::function<void()> secondStage);

  // Pages that preview their own section ("Painting", "Text", "Extra settings"): the first
  // stage (timer 44) reloads the section into the preview library and repaints the page's
  // preview; the second (timer 45) refreshes the skin and repaints the editor's large preview.
  static RefreshTimer* forSectionPreviewPage(QObject* page, SectionEditorContext& editor,
                                             std::function<void()> repaintOwnPreview = {});
  // Image-slot, frame, border and caption pages: the first stage (timer 45) only leads to the
  // second (timer 44), which refreshes the skin and repaints both previews once the page has
  // finished loading.
  static RefreshTimer* forImagePage(QObject* page, SectionEditorContext& editor, std::function<bool()> pageLoaded,
                                    std::function<void()> repaintOwnPreview = {});
  // The "Animation" page: the change shows at the next reload, so no stage does anything.
  static RefreshTimer* forAnimationPage(QObject* page);

  // Starts the first stage, postponing one that has not fired yet.
  void start();
  bool isPending() const;
  // Runs the stages still pending at once (the sheet does this before it is torn down, so an
  // edit made just before a new selection still reaches the previews).
  void flush();

 private:
  void runFirstStage();
  void runSecondStage();

  QTimer first_;
  QTimer second_;
  std::function<void()> firstStage_;
  std::function<void()> secondStage_;
};

}  // namespace tessera::ui
