#include "ui/sheet/refresh_timer.h"

#include <utility>

#include "core/app/skin_actions.h"
#include "core/sheet/section_preview.h"

namespace tessera::ui {

RefreshTimer::RefreshTimer(QObject* parent, std::function<void()> firstStage, std::function<void()> secondStage)
    : QObject(parent), firstStage_(std::move(firstStage)), secondStage_(std::move(secondStage)) {
  first_.setSingleShot(true);
  first_.setInterval(kFirstStageMs);
  second_.setSingleShot(true);
  second_.setInterval(kSecondStageMs);
  connect(&first_, &QTimer::timeout, this, &RefreshTimer::runFirstStage);
  connect(&second_, &QTimer::timeout, this, &RefreshTimer::runSecondStage);
}

RefreshTimer* RefreshTimer::forSectionPreviewPage(QObject* page, SectionEditorContext& editor,
                                                  std::function<void()> repaintOwnPreview) {
  SectionEditorContext* context = &editor;
  return new RefreshTimer(
      page,
      [context, repaintOwnPreview] {
        ReloadSectionPreview(context->currentSection(), context->currentTopLevelSection());
        if (repaintOwnPreview) repaintOwnPreview();
      },
      [context] {
        RefreshPreview();
        context->repaintLargePreview();
      });
}

RefreshTimer* RefreshTimer::forImagePage(QObject* page, SectionEditorContext& editor,
                                         std::function<bool()> pageLoaded, std::function<void()> repaintOwnPreview) {
  SectionEditorContext* context = &editor;
  return new RefreshTimer(page, {}, [context, pageLoaded, repaintOwnPreview] {
    if (pageLoaded && !pageLoaded()) return;
    RefreshPreview();
    context->repaintLargePreview();
    if (repaintOwnPreview) repaintOwnPreview();
  });
}

RefreshTimer* RefreshTimer::forAnimationPage(QObject* page) { return new RefreshTimer(page, {}, {}); }

void RefreshTimer::start() { first_.start(); }

bool RefreshTimer::isPending() const { return first_.isActive() || second_.isActive(); }

void RefreshTimer::flush() {
  if (first_.isActive()) {
    first_.stop();
    runFirstStage();
  }
  if (second_.isActive()) {
    second_.stop();
    runSecondStage();
  }
}

void RefreshTimer::runFirstStage() {
  if (firstStage_) firstStage_();
  second_.start();
}

void RefreshTimer::runSecondStage() {
  if (secondStage_) secondStage_();
}

}  // namespace tessera::ui
