#pragma once
// The preview library as the whole program uses it: bound once by the main window, with the
// side-panel skin and the picture loader handed over at binding.
#include "core/engine/engine_libraries.h"

namespace tessera {

// The bound preview library of this process (unbound until BindPreviewLibrary).
PreviewLibrary& Preview();

// Binds the operations of the loaded preview module, then: SetSkinDir(""), the side-panel skin
// (<data folder>/side.uis, section "Side") and the picture loader.
void BindPreviewLibrary(const DynamicLibrary& module);

// The picture loader handed to the library: the image file scaled to width x height with
// bilinear interpolation, pre-multiplied BGRA, top-down.
int LoadPictureForEngine(const char* path, int width, int height, unsigned char* pixels, int stride);

}  // namespace tessera
