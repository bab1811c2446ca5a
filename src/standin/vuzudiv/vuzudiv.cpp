// The preview library stand-in: every operation of the engine's preview library, drawn by our
// own renderer from the skin files. Calls may come from several threads; one lock keeps the
// renderer's state consistent.
#include <algorithm>
#include <mutex>
#include <string>

#include "core/engine/vl_abi.h"
#include "standin/render/picture_loader.h"
#include "standin/render/renderer.h"
#include "standin/render/surface_image.h"

namespace {

using tessera::render::ImageOverSurface;
using tessera::render::ToQRect;

std::mutex stateMutex;

tessera::render::Renderer& renderer() {
  static tessera::render::Renderer instance;
  return instance;
}

std::string text(const char* s) { return s ? std::string(s) : std::string(); }

// Surface pixels per unit of the callers' rects, from SetDrawScale.
qreal drawScale = 1.0;

// The surface with the draw scale as its device pixel ratio: the renderer's painters then work in
// the callers' units, enlarging pictures and drawing text at the surface's full resolution.
QImage scaledImage(const VlSurface* surface) {
  QImage image = ImageOverSurface(surface);
  if (!image.isNull()) image.setDevicePixelRatio(drawScale);
  return image;
}

}  // namespace

extern "C" {

VL_EXPORT void SetSkinDir(const char* folder) {
  std::lock_guard lock(stateMutex);
  renderer().setSkinDir(text(folder));
}

VL_EXPORT int LoadUISFile(const char* uisPath, int /*forSkinList*/) {
  std::lock_guard lock(stateMutex);
  return renderer().loadSkin(text(uisPath)) ? 1 : 0;
}

VL_EXPORT void DestroyBitmaps_and_Masks(int /*unused*/) {
  std::lock_guard lock(stateMutex);
  renderer().dropPictures();
}

VL_EXPORT void DrawWindowFrameOwn(VlSurface* surface, const VlRect* rect, int style, const char* title) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().drawWindow(image, ToQRect(rect), style, text(title), false);
}

VL_EXPORT void DrawWindowFrameOwn2(VlSurface* surface, const VlRect* rect, int style, const char* title) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().drawWindow(image, ToQRect(rect), style, text(title), true);
}

VL_EXPORT void DrawWindowFrameLook(VlSurface* surface, const VlRect* rect, const VlFrameLook* look, const char* title) {
  if (!look) return;
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().drawWindowLook(image, ToQRect(rect), *look, text(title));
}

VL_EXPORT int TitleBarButtonAt(const VlRect* rect, const VlFrameLook* look, int x, int y) {
  if (!look || !rect) return -1;
  std::lock_guard lock(stateMutex);
  return renderer().titleBarButtonAt(ToQRect(rect), *look, QPoint(x, y));
}

VL_EXPORT void DrawTaskBar(VlSurface* surface, int left, int top, int right, int bottom) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().drawTaskBar(image, ToQRect(left, top, right, bottom));
}

VL_EXPORT void DrawPreview(VlSurface* surface, const VlRect* rect, int kind, int state, const char* section) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().drawPreview(image, ToQRect(rect), kind, state, section);
}

VL_EXPORT void DrawSkinnedItem(VlSurface* surface, const VlRect* rect, int element, int state) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().drawSkinnedItem(image, ToQRect(rect), element, state);
}

VL_EXPORT VlColour GetColourVal(int index) {
  std::lock_guard lock(stateMutex);
  return renderer().colourValue(index);
}

VL_EXPORT int LoadUpSection(const char* file, const char* section, int imageCount) {
  std::lock_guard lock(stateMutex);
  return renderer().loadSection(text(file), text(section), imageCount) ? 1 : 0;
}

VL_EXPORT void CloseSection(void) {
  std::lock_guard lock(stateMutex);
  renderer().closeSection();
}

VL_EXPORT void RenderSection(VlSurface* surface, const VlRect* rect, int state, int flags) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().renderSection(image, ToQRect(rect), state, flags);
}

VL_EXPORT void RenderSectionHwnd(VlSurface* surface, int state) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().renderSectionWhole(image, state);
}

VL_EXPORT void RenderSectionText(VlSurface* surface, const VlRect* rect, int state, const char* value) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().renderSectionText(image, ToQRect(rect), state, text(value));
}

VL_EXPORT void RenderTextObject(VlSurface* surface, const VlRect* rect, int preset, const char* fontKey,
                                const char* value, VlColour colour) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().renderTextObject(image, ToQRect(rect), preset, text(fontKey), text(value), colour);
}

VL_EXPORT void RenderSection2(VlSurface* surface, const VlRect* rect, int state) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  renderer().renderSideSection(image, ToQRect(rect), state);
}

VL_EXPORT void ApplyColour3a(VlSurface* surface, const VlRect* rect, VlColour colour, int amount) {
  std::lock_guard lock(stateMutex);
  QImage image = scaledImage(surface);
  tessera::render::Renderer::applyColour(image, ToQRect(rect), colour, amount);
}

VL_EXPORT int LoadUpSection2(const char* file, const char* file2, const char* section, int imageCount) {
  std::lock_guard lock(stateMutex);
  return renderer().loadSideSection(text(file), text(file2), text(section), imageCount) ? 1 : 0;
}

VL_EXPORT void SetAnimationFrame(int frame) {
  std::lock_guard lock(stateMutex);
  renderer().setAnimationFrame(frame);
}

VL_EXPORT void SetDrawScale(int percent) {
  std::lock_guard lock(stateMutex);
  drawScale = std::clamp(percent, 25, 800) / 100.0;
}

VL_EXPORT void SetPointer(VlImageLoader loader) {
  // Picture files are decoded through the editor's loader from now on; pictures decoded before
  // are dropped so that none stays from the other decoder.
  std::lock_guard lock(stateMutex);
  tessera::render::SetExternalPictureLoader(loader);
  renderer().dropPictures();
}

}  // extern "C"
