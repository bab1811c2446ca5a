#include "ui/editor/large_preview_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/app/preview_engine.h"
#include "core/editor/preview_composition.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_path_safety.h"
#include "core/skin/skin_session.h"

namespace tessera::ui {

LargePreviewButton::LargePreviewButton(std::function<LargePreviewRequest()> request, QWidget* parent)
    : QWidget(parent), request_(std::move(request)) {
  setMinimumSize(200, 150);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_Hover);
  connect(&animation_, &ZorPlayer::frameChanged, this, qOverload<>(&QWidget::update));
}

void LargePreviewButton::followAnimation(const LargePreviewRequest& request) const {
  std::string path;
  if (Session().isOpen() && !request.currentSection.empty()) {
    const std::string value = ReadSkinString(request.currentSection, "Image", "", Session().mainFile);
    if (IsZorPath(value) && IsSafeRelativePath(value)) path = paths::join(GetSkinsFolder(), value);
  }
  if (path.empty()) {
    animation_.clear();
  } else if (path != animation_.path()) {
    animation_.load(path);
  }
}

LargePreviewRequest LargePreviewButton::effectiveRequest() const {
  LargePreviewRequest request = request_();
  if (!hovered_) return request;
  // preview2.ini names, per group, which states show the mouse-over and pressed looks.
  const CatalogueFile looks(catalogue_files::kPreview2);
  const int section = SectionCatalogue().readInt(request.topLevelSection, subsection_keys::SectionAtPreview);
  const int look = looks.readInt(std::to_string(section), pressed_ ? preview_keys::PressedState : preview_keys::MouseState);
  if (PreviewStatesAreWindowStates(request.group, request.topLevelSection)) {
    // Those states are "Active", "Inactive", "Maximized": the mouse changes the front window's
    // title-bar buttons, whatever the state shown.
    request.buttonState = look;
  } else if (request.state == 1) {
    request.state = look;
  }
  return request;
}

QImage LargePreviewButton::render() const {
  const qreal ratio = devicePixelRatioF();
  QImage canvas(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  canvas.setDevicePixelRatio(ratio);
  const LargePreviewRequest request = effectiveRequest();
  followAnimation(request);
  // The library shows the player's frame for this drawing only.
  if (animation_.isLoaded()) Preview().SetAnimationFrame(animation_.frame());
  ComposeLargePreview(canvas, request);
  if (animation_.isLoaded()) Preview().SetAnimationFrame(-1);
  return canvas;
}

void LargePreviewButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, render());
}

void LargePreviewButton::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void LargePreviewButton::leaveEvent(QEvent*) {
  hovered_ = false;
  pressed_ = false;
  update();
}

void LargePreviewButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  hovered_ = true;
  update();
}

void LargePreviewButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = false;
  update();
}

}  // namespace tessera::ui
