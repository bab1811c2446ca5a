#pragma once
// Draws the pictures a skin's files name. The skin files (main file, sub-style files and
// companions) are the source of truth: every picture path they hold is drawn with the frame count,
// frame layout and state list that the files and the catalogue give it.
#include <QImage>
#include <string>
#include <vector>

#include "palette.h"

namespace tessera::datagen {

struct SkinPictureResult {
  std::vector<std::string> written;   // paths relative to the skins folder
  std::vector<std::string> problems;  // pictures that could not be drawn or written
};

// Draws every picture of skin folder `skinName` inside `skinsFolder`. `dataFolder` holds the
// catalogue (subsections.ini, statelist.ini) that gives frame counts and state names.
SkinPictureResult DrawSkinPictures(const std::string& skinsFolder, const std::string& skinName,
                                   const std::string& dataFolder, const Palette& palette);

// One picture by its file name (without folder), as a frame strip of `frames` frames named by
// `states`; empty when the name has no recipe. Used for the sample graphics too.
QImage DrawNamedPicture(const std::string& fileName, int frames, bool vertical, const std::vector<std::string>& states,
                        const Palette& palette);

}  // namespace tessera::datagen
