#pragma once
// Wallpapers a skin brings along: the JPG files of its folder. Key Wallpaper of section
// Personality of the main file names the one applied with the skin (relative to the skins folder,
// lower case); the engine reads it as WallPaper too, keys being case-insensitive.
#include <string>

#include "core/skin/skin_folder_files.h"

namespace tessera {

// The default wallpaper as the main working file holds it; empty when none.
std::string ReadDefaultWallpaper();
// Writes the default wallpaper into the main working file itself; empty deletes the key.
void WriteDefaultWallpaper(const std::string& listed);

// True when the file at `path` is a JPEG picture, by its content.
bool IsJpegFile(const std::string& path);

// Copies a JPEG into the skin folder; any other file is refused.
CopyIntoSkin AddWallpaper(const std::string& source);
// Deletes a listed wallpaper (a value of SkinFolderFiles("JPG")); when it was the default one the
// key goes too, so that the skin names no missing file. False when nothing was deleted.
bool DeleteWallpaper(const std::string& listed);

}  // namespace tessera
