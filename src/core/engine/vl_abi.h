/* The operations the engine's libraries export, as plain C types.
 *
 * Window handles and device contexts are replaced by a drawing surface: a BGRA pixel buffer with
 * colour pre-multiplied by alpha, rows top-down, `stride` bytes apart. A list the library fills
 * is a callback that receives one row at a time. Strings are 8-bit (Windows-1252) and paths are
 * native full paths.
 *
 * The preview library ("vuzudiv") lives in the data folder; the skin database ("divu") and the
 * renderer ("vlrend") in the engine install folder. Every export is optional: a caller binds each
 * by name and skips the call when it is missing. */
#ifndef TESSERA_VL_ABI_H
#define TESSERA_VL_ABI_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define VL_EXPORT __declspec(dllexport)
#else
#define VL_EXPORT __attribute__((visibility("default")))
#endif

typedef struct VlSurface {
  unsigned char* pixels; /* BGRA, pre-multiplied */
  int width;
  int height;
  int stride; /* bytes per row */
} VlSurface;

typedef struct VlRect {
  int left;
  int top;
  int right;
  int bottom;
} VlRect;

/* Colours are COLORREF values: 0x00BBGGRR. */
typedef unsigned int VlColour;

/* A list the library fills: called once per row. */
typedef void (*VlListSink)(void* context, const char* text);

/* The editor's picture loader: fills `pixels` (width x height BGRA pre-multiplied, top-down,
 * `stride` bytes a row) with the image file scaled to that size by bilinear interpolation.
 * Returns 1 on success, 0 when the path is null or the file cannot be read. */
typedef int (*VlImageLoader)(const char* path, int width, int height, unsigned char* pixels, int stride);

/* Flags of RenderSection. */
#define VL_RENDER_MARGINS 96 /* mark the four margins in their swatch colours */

/* ---- preview library ---- */
typedef void (*VlSetSkinDirFn)(const char* folder);
typedef int (*VlLoadUISFileFn)(const char* uisPath, int forSkinList);
typedef void (*VlDestroyBitmapsFn)(int unused);
/* A sample window of the current skin in `rect`: Own draws the frame and caption, Own2 a whole
 * window with its client area. `style` 0 is an active window, 1 an inactive one (more bits below); bits 8 to 15 may
 * carry the preview state the title-bar buttons show (1 normal, 2 mouse over, 3 pressed, 4 disabled;
 * 0 counts as normal). */
typedef void (*VlDrawWindowFrameFn)(VlSurface* surface, const VlRect* rect, int style, const char* title);
/* Style bits of a sample window beyond active/inactive: what the title-bar buttons' visibility
 * conditions see. */
#define VL_STYLE_INACTIVE 1
#define VL_STYLE_MAXIMISED 2
#define VL_STYLE_NO_ICON 4
/* A sample window that follows the mouse: `hotButton` is the title-bar button under the mouse
 * (it alone shows the state of bits 8 to 15; -1 lets every button show it), `clockMs` the time
 * that animated button strips and glows play by, `hoverMs` how long the mouse has been over the
 * hot button (the glow fades in over it; -1 shows the glow fully). */
typedef struct VlFrameLook {
  int style;
  int hotButton;
  int clockMs;
  int hoverMs;
  int withClient; /* 1: a whole window as DrawWindowFrameOwn2 draws it */
} VlFrameLook;
typedef void (*VlDrawWindowFrameLookFn)(VlSurface* surface, const VlRect* rect, const VlFrameLook* look,
                                        const char* title);
/* The title-bar button drawn at (x, y) by the same window and look, or -1 for none. */
typedef int (*VlTitleBarButtonAtFn)(const VlRect* rect, const VlFrameLook* look, int x, int y);
typedef void (*VlDrawTaskBarFn)(VlSurface* surface, int left, int top, int right, int bottom);
/* One kind of element (1..41) of the current skin in a state. `section` is the section being
 * edited, or null. */
typedef void (*VlDrawPreviewFn)(VlSurface* surface, const VlRect* rect, int kind, int state, const char* section);
typedef void (*VlDrawSkinnedItemFn)(VlSurface* surface, const VlRect* rect, int element, int state);
/* The skin's colour for a system colour index, or the platform's when the skin sets none. */
typedef VlColour (*VlGetColourValFn)(int index);
/* Loads one section of a skin file for the per-section calls below. Returns 1 on success. */
typedef int (*VlLoadUpSectionFn)(const char* file, const char* section, int imageCount);
typedef void (*VlCloseSectionFn)(void);
typedef void (*VlRenderSectionFn)(VlSurface* surface, const VlRect* rect, int state, int flags);
typedef void (*VlRenderSectionHwndFn)(VlSurface* surface, int state);
typedef void (*VlRenderSectionTextFn)(VlSurface* surface, const VlRect* rect, int state, const char* text);
/* Text in a font preset of the current skin (preset >= 0) or the system font of `fontSection`
 * ("SystemFonts" key name) when preset is -1. */
typedef void (*VlRenderTextObjectFn)(VlSurface* surface, const VlRect* rect, int preset, const char* fontKey,
                                     const char* text, VlColour colour);
typedef void (*VlRenderSection2Fn)(VlSurface* surface, const VlRect* rect, int state);
/* Tints a rectangle of the surface towards a colour; `amount` 0..255. */
typedef void (*VlApplyColour3aFn)(VlSurface* surface, const VlRect* rect, VlColour colour, int amount);
typedef int (*VlLoadUpSection2Fn)(const char* file, const char* file2, const char* section, int imageCount);
typedef void (*VlSetPointerFn)(VlImageLoader loader);
/* The frame ZOR animations show in their normal state from now on (-1: their first frame, as
 * still pictures); the editor's players step it to play an animation in a preview. */
typedef void (*VlSetAnimationFrameFn)(int frame);
/* Drawing calls from now on treat a surface as `percent` / 100 surface pixels per unit: rects are
 * given in units, pictures are enlarged to them and text is drawn at the surface's own resolution,
 * so a preview for a high-resolution screen is sharp at its intended size. 100 (the default) is
 * one surface pixel per unit. */
typedef void (*VlSetDrawScaleFn)(int percent);

/* ---- skin database ---- */
typedef void (*VlCreateSkinListFn)(void);
typedef void (*VlPopulateSkinListFn)(VlListSink comboSink, void* comboContext, VlListSink listSink,
                                     void* listContext, int flags);
typedef void (*VlInsertNewSkinFn)(const char* skinName);
typedef void (*VlDeleteSkinFn)(const char* skinName);

#ifdef __cplusplus
}
#endif

#endif /* TESSERA_VL_ABI_H */
