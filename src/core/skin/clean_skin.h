#pragma once
// Clean skin: the TGA and BMP pictures directly in a skin folder that no image key of the skin,
// its companions or its sub-style files names, and moving them into the "backup" sub-folder.
// The "~" working copies of a skin open for editing are consulted too, so a picture named only by
// unsaved edits counts as used.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/progress.h"

namespace tessera {

std::span<const char* const> CleanSkinImageKeys();

inline constexpr const char* kBackupFolderName = "backup";
inline constexpr const char* kNoLeftOverImagesText = "This skin has no left over images";
inline constexpr const char* kImagesMovedMessage =
    "The surplus images have been moved to a backup folder in the skin directory.\n\nYou may delete these if you like.";
inline constexpr const char* kImagesMovedCaption = "Images removed";

// The candidates: every TGA and BMP file directly in the skin folder, as its path relative to the
// skins folder in lower case ("myskin\\button.tga"), in name order.
std::vector<std::string> ListCleanCandidates(std::string_view skinsFolder, std::string_view skinName);

// The candidates that no image key names. `progress` counts the skin files read (the main file
// and each sub-style file); when it asks to stop, the scan ends and nothing is returned.
std::vector<std::string> FindUnreferencedImages(std::string_view skinsFolder, std::string_view skinName,
                                                const ProgressCallback& progress = {});

// Moves each listed picture (a candidate value) into <skin folder>/backup. Values that do not
// name a file directly in the skin folder are skipped, as are files the backup already holds.
// Returns the values moved. `progress` counts the values; a stop ends the work between two
// moves, so every picture is either moved whole or left where it was.
std::vector<std::string> MoveImagesToBackup(std::string_view skinsFolder, std::string_view skinName,
                                            const std::vector<std::string>& values,
                                            const ProgressCallback& progress = {});

}  // namespace tessera
