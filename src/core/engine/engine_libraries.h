#pragma once
// The engine's libraries as the editor uses them: operations bound by name, one pointer each; a
// missing operation stays null and every call of it is skipped.
#include <QColor>
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "core/engine/vl_abi.h"
#include "core/platform/dynamic_library.h"

namespace tessera {

// A QImage wrapped as a drawing surface (Format_ARGB32_Premultiplied is BGRA in memory on
// little-endian machines).
VlSurface SurfaceFor(QImage& image);

class PreviewLibrary {
 public:
  // Binds every operation of `library`; a module that is not loaded binds nothing.
  void bind(const DynamicLibrary& library);
  void unbind();
  bool isBound() const { return bound_; }

  void SetSkinDir(const std::string& folder) const;
  void LoadUISFile(const std::string& uisPath, int forSkinList = 0) const;
  void DestroyBitmaps_and_Masks() const;
  void DrawWindowFrameOwn(QImage& target, const VlRect& rect, int style, const std::string& title) const;
  void DrawWindowFrameOwn2(QImage& target, const VlRect& rect, int style, const std::string& title) const;
  // A sample window whose title-bar buttons follow the mouse and play their animations.
  void DrawWindowFrameLook(QImage& target, const VlRect& rect, const VlFrameLook& look, const std::string& title) const;
  // The title-bar button at (x, y) of that window, or -1.
  int TitleBarButtonAt(const VlRect& rect, const VlFrameLook& look, int x, int y) const;
  void DrawTaskBar(QImage& target, int left, int top, int right, int bottom) const;
  void DrawPreview(QImage& target, const VlRect& rect, int kind, int state, const std::string& section = {}) const;
  void DrawSkinnedItem(QImage& target, const VlRect& rect, int element, int state) const;
  // The skin's colour for a system colour index; `fallback` when the operation is missing.
  VlColour GetColourVal(int index, VlColour fallback) const;
  bool LoadUpSection(const std::string& file, const std::string& section, int imageCount) const;
  void CloseSection() const;
  void RenderSection(QImage& target, const VlRect& rect, int state, int flags) const;
  void RenderSectionHwnd(QImage& target, int state) const;
  void RenderSectionText(QImage& target, const VlRect& rect, int state, const std::string& text) const;
  void RenderTextObject(QImage& target, const VlRect& rect, int preset, const std::string& fontKey,
                        const std::string& text, VlColour colour) const;
  void RenderSection2(QImage& target, const VlRect& rect, int state) const;
  void ApplyColour3a(QImage& target, const VlRect& rect, VlColour colour, int amount) const;
  bool LoadUpSection2(const std::string& file, const std::string& file2, const std::string& section,
                      int imageCount) const;
  void SetPointer(VlImageLoader loader) const;
  void SetAnimationFrame(int frame) const;

 private:
  // The target as a surface, with the library told the target's device pixel ratio: callers lay
  // out in the image's logical units and a canvas for a high-resolution screen is drawn sharp.
  VlSurface surfaceFor(QImage& target) const;

  bool bound_ = false;
  VlSetSkinDirFn setSkinDir_ = nullptr;
  VlLoadUISFileFn loadUISFile_ = nullptr;
  VlDestroyBitmapsFn destroyBitmaps_ = nullptr;
  VlDrawWindowFrameFn drawWindowFrameOwn_ = nullptr;
  VlDrawWindowFrameFn drawWindowFrameOwn2_ = nullptr;
  VlDrawWindowFrameLookFn drawWindowFrameLook_ = nullptr;
  VlTitleBarButtonAtFn titleBarButtonAt_ = nullptr;
  VlDrawTaskBarFn drawTaskBar_ = nullptr;
  VlDrawPreviewFn drawPreview_ = nullptr;
  VlDrawSkinnedItemFn drawSkinnedItem_ = nullptr;
  VlGetColourValFn getColourVal_ = nullptr;
  VlLoadUpSectionFn loadUpSection_ = nullptr;
  VlCloseSectionFn closeSection_ = nullptr;
  VlRenderSectionFn renderSection_ = nullptr;
  VlRenderSectionHwndFn renderSectionHwnd_ = nullptr;
  VlRenderSectionTextFn renderSectionText_ = nullptr;
  VlRenderTextObjectFn renderTextObject_ = nullptr;
  VlRenderSection2Fn renderSection2_ = nullptr;
  VlApplyColour3aFn applyColour3a_ = nullptr;
  VlLoadUpSection2Fn loadUpSection2_ = nullptr;
  VlSetPointerFn setPointer_ = nullptr;
  VlSetAnimationFrameFn setAnimationFrame_ = nullptr;
  VlSetDrawScaleFn setDrawScale_ = nullptr;
};

// The skin database library. Operations are looked up at each use, as the library may be
// loaded again on demand.
class SkinDatabase {
 public:
  explicit SkinDatabase(const DynamicLibrary& library) : library_(library) {}
  void CreateSkinList() const;
  // The names of the installed skins, as the library lists them.
  std::vector<std::string> PopulateSkinList() const;
  void InsertNewSkin(const std::string& name) const;
  void DeleteSkin(const std::string& name) const;

 private:
  const DynamicLibrary& library_;
};

// The engine's renderer as Apply uses it: load, hand over the skin, drop its pictures, free.
void HandSkinToRenderer(const std::string& rendererPath, const std::string& uisPath);

// The thumbnail of the current skin of `preview`: on an 800 x 600 canvas of the desktop colour a
// sample window (DrawWindowFrameOwn2 in (300, 18)-(750, 500), 20 pixels lower when the skin has no
// "ButtonCount"), the preview window (DrawPreview kind 1, state 1) at `previewRect` shifted right
// by 300 and down by 18 (38 without "ButtonCount") and kept inside the sample window, and the task
// bar over the whole canvas; then scaled smoothly to 240 x 180 and made opaque.
QImage ComposeSkinThumbnail(const PreviewLibrary& preview, const VlRect& previewRect, bool hasButtonCount,
                            const std::string& title, const QColor& desktop = Qt::white);

}  // namespace tessera
