#include "core/engine/engine_libraries.h"

#include <algorithm>
#include <cmath>

namespace tessera {

VlSurface SurfaceFor(QImage& image) {
  if (image.format() != QImage::Format_ARGB32_Premultiplied) {
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return VlSurface{image.bits(), image.width(), image.height(), static_cast<int>(image.bytesPerLine())};
}

void PreviewLibrary::bind(const DynamicLibrary& library) {
  unbind();
  if (!library.isLoaded()) return;
  setSkinDir_ = library.bind<VlSetSkinDirFn>("SetSkinDir");
  loadUISFile_ = library.bind<VlLoadUISFileFn>("LoadUISFile");
  destroyBitmaps_ = library.bind<VlDestroyBitmapsFn>("DestroyBitmaps_and_Masks");
  drawWindowFrameOwn_ = library.bind<VlDrawWindowFrameFn>("DrawWindowFrameOwn");
  drawWindowFrameOwn2_ = library.bind<VlDrawWindowFrameFn>("DrawWindowFrameOwn2");
  drawWindowFrameLook_ = library.bind<VlDrawWindowFrameLookFn>("DrawWindowFrameLook");
  titleBarButtonAt_ = library.bind<VlTitleBarButtonAtFn>("TitleBarButtonAt");
  drawTaskBar_ = library.bind<VlDrawTaskBarFn>("DrawTaskBar");
  drawPreview_ = library.bind<VlDrawPreviewFn>("DrawPreview");
  drawSkinnedItem_ = library.bind<VlDrawSkinnedItemFn>("DrawSkinnedItem");
  getColourVal_ = library.bind<VlGetColourValFn>("GetColourVal");
  loadUpSection_ = library.bind<VlLoadUpSectionFn>("LoadUpSection");
  closeSection_ = library.bind<VlCloseSectionFn>("CloseSection");
  renderSection_ = library.bind<VlRenderSectionFn>("RenderSection");
  renderSectionHwnd_ = library.bind<VlRenderSectionHwndFn>("RenderSectionHwnd");
  renderSectionText_ = library.bind<VlRenderSectionTextFn>("RenderSectionText");
  renderTextObject_ = library.bind<VlRenderTextObjectFn>("RenderTextObject");
  renderSection2_ = library.bind<VlRenderSection2Fn>("RenderSection2");
  applyColour3a_ = library.bind<VlApplyColour3aFn>("ApplyColour3a");
  loadUpSection2_ = library.bind<VlLoadUpSection2Fn>("LoadUpSection2");
  setPointer_ = library.bind<VlSetPointerFn>("SetPointer");
  setAnimationFrame_ = library.bind<VlSetAnimationFrameFn>("SetAnimationFrame");
  setDrawScale_ = library.bind<VlSetDrawScaleFn>("SetDrawScale");
  bound_ = true;
}

void PreviewLibrary::unbind() { *this = PreviewLibrary{}; }

VlSurface PreviewLibrary::surfaceFor(QImage& target) const {
  if (setDrawScale_) setDrawScale_(std::max(1, static_cast<int>(std::lround(target.devicePixelRatio() * 100))));
  return SurfaceFor(target);
}

void PreviewLibrary::SetSkinDir(const std::string& folder) const {
  if (setSkinDir_) setSkinDir_(folder.c_str());
}

void PreviewLibrary::LoadUISFile(const std::string& uisPath, int forSkinList) const {
  if (loadUISFile_) loadUISFile_(uisPath.c_str(), forSkinList);
}

void PreviewLibrary::DestroyBitmaps_and_Masks() const {
  if (destroyBitmaps_) destroyBitmaps_(0);
}

void PreviewLibrary::DrawWindowFrameOwn(QImage& target, const VlRect& rect, int style, const std::string& title) const {
  if (!drawWindowFrameOwn_) return;
  VlSurface s = surfaceFor(target);
  drawWindowFrameOwn_(&s, &rect, style, title.c_str());
}

void PreviewLibrary::DrawWindowFrameOwn2(QImage& target, const VlRect& rect, int style, const std::string& title) const {
  if (!drawWindowFrameOwn2_) return;
  VlSurface s = surfaceFor(target);
  drawWindowFrameOwn2_(&s, &rect, style, title.c_str());
}

void PreviewLibrary::DrawWindowFrameLook(QImage& target, const VlRect& rect, const VlFrameLook& look,
                                         const std::string& title) const {
  if (!drawWindowFrameLook_) return;
  VlSurface s = surfaceFor(target);
  drawWindowFrameLook_(&s, &rect, &look, title.c_str());
}

int PreviewLibrary::TitleBarButtonAt(const VlRect& rect, const VlFrameLook& look, int x, int y) const {
  return titleBarButtonAt_ ? titleBarButtonAt_(&rect, &look, x, y) : -1;
}

void PreviewLibrary::SetAnimationFrame(int frame) const {
  if (setAnimationFrame_) setAnimationFrame_(frame);
}

void PreviewLibrary::DrawTaskBar(QImage& target, int left, int top, int right, int bottom) const {
  if (!drawTaskBar_) return;
  VlSurface s = surfaceFor(target);
  drawTaskBar_(&s, left, top, right, bottom);
}

void PreviewLibrary::DrawPreview(QImage& target, const VlRect& rect, int kind, int state,
                                 const std::string& section) const {
  if (!drawPreview_) return;
  VlSurface s = surfaceFor(target);
  drawPreview_(&s, &rect, kind, state, section.empty() ? nullptr : section.c_str());
}

void PreviewLibrary::DrawSkinnedItem(QImage& target, const VlRect& rect, int element, int state) const {
  if (!drawSkinnedItem_) return;
  VlSurface s = surfaceFor(target);
  drawSkinnedItem_(&s, &rect, element, state);
}

VlColour PreviewLibrary::GetColourVal(int index, VlColour fallback) const {
  return getColourVal_ ? getColourVal_(index) : fallback;
}

bool PreviewLibrary::LoadUpSection(const std::string& file, const std::string& section, int imageCount) const {
  return loadUpSection_ && loadUpSection_(file.c_str(), section.c_str(), imageCount) != 0;
}

void PreviewLibrary::CloseSection() const {
  if (closeSection_) closeSection_();
}

void PreviewLibrary::RenderSection(QImage& target, const VlRect& rect, int state, int flags) const {
  if (!renderSection_) return;
  VlSurface s = surfaceFor(target);
  renderSection_(&s, &rect, state, flags);
}

void PreviewLibrary::RenderSectionHwnd(QImage& target, int state) const {
  if (!renderSectionHwnd_) return;
  VlSurface s = surfaceFor(target);
  renderSectionHwnd_(&s, state);
}

void PreviewLibrary::RenderSectionText(QImage& target, const VlRect& rect, int state, const std::string& text) const {
  if (!renderSectionText_) return;
  VlSurface s = surfaceFor(target);
  renderSectionText_(&s, &rect, state, text.c_str());
}

void PreviewLibrary::RenderTextObject(QImage& target, const VlRect& rect, int preset, const std::string& fontKey,
                                      const std::string& text, VlColour colour) const {
  if (!renderTextObject_) return;
  VlSurface s = surfaceFor(target);
  renderTextObject_(&s, &rect, preset, fontKey.c_str(), text.c_str(), colour);
}

void PreviewLibrary::RenderSection2(QImage& target, const VlRect& rect, int state) const {
  if (!renderSection2_) return;
  VlSurface s = surfaceFor(target);
  renderSection2_(&s, &rect, state);
}

void PreviewLibrary::ApplyColour3a(QImage& target, const VlRect& rect, VlColour colour, int amount) const {
  if (!applyColour3a_) return;
  VlSurface s = surfaceFor(target);
  applyColour3a_(&s, &rect, colour, amount);
}

bool PreviewLibrary::LoadUpSection2(const std::string& file, const std::string& file2, const std::string& section,
                                    int imageCount) const {
  return loadUpSection2_ && loadUpSection2_(file.c_str(), file2.c_str(), section.c_str(), imageCount) != 0;
}

void PreviewLibrary::SetPointer(VlImageLoader loader) const {
  if (setPointer_) setPointer_(loader);
}

void SkinDatabase::CreateSkinList() const {
  if (auto fn = library_.bind<VlCreateSkinListFn>("CreateSkinList")) fn();
}

std::vector<std::string> SkinDatabase::PopulateSkinList() const {
  std::vector<std::string> names;
  auto fn = library_.bind<VlPopulateSkinListFn>("PopulateSkinList");
  if (!fn) return names;
  const VlListSink collect = [](void* context, const char* text) {
    static_cast<std::vector<std::string>*>(context)->emplace_back(text ? text : "");
  };
  fn(nullptr, nullptr, collect, &names, 0);
  return names;
}

void SkinDatabase::InsertNewSkin(const std::string& name) const {
  if (auto fn = library_.bind<VlInsertNewSkinFn>("InsertNewSkin")) fn(name.c_str());
}

void SkinDatabase::DeleteSkin(const std::string& name) const {
  if (auto fn = library_.bind<VlDeleteSkinFn>("DeleteSkin")) fn(name.c_str());
}

void HandSkinToRenderer(const std::string& rendererPath, const std::string& uisPath) {
  DynamicLibrary renderer;
  if (!renderer.load(rendererPath)) return;
  if (auto load = renderer.bind<VlLoadUISFileFn>("LoadUISFile")) load(uisPath.c_str(), 0);
  if (auto destroy = renderer.bind<VlDestroyBitmapsFn>("DestroyBitmaps_and_Masks")) destroy(0);
  renderer.unload();
}

QImage ComposeSkinThumbnail(const PreviewLibrary& preview, const VlRect& previewRect, bool hasButtonCount,
                            const std::string& title, const QColor& desktop) {
  QImage canvas(800, 600, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(desktop);
  const int down = hasButtonCount ? 0 : 20;
  const QRect window(QPoint(300, 18 + down), QPoint(750, 500 + down));
  preview.DrawWindowFrameOwn2(canvas, VlRect{window.left(), window.top(), window.right(), window.bottom()}, 0, title);
  // The preview window is placed by its own rectangle but never outside the sample window: a
  // large preview area would otherwise spill past the canvas and cover the window's frame.
  QRect inside = QRect(QPoint(previewRect.left, previewRect.top), QPoint(previewRect.right, previewRect.bottom))
                     .translated(300, 18 + down)
                     .intersected(window);
  if (inside.isEmpty()) inside = window;
  preview.DrawPreview(canvas, VlRect{inside.left(), inside.top(), inside.right(), inside.bottom()}, 1, 1);
  preview.DrawTaskBar(canvas, 0, 0, 800, 600);
  QImage thumbnail =
      canvas.scaled(240, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < thumbnail.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(thumbnail.scanLine(y));
    for (int x = 0; x < thumbnail.width(); ++x) row[x] |= 0xff000000u;
  }
  return thumbnail;
}

}  // namespace tessera
