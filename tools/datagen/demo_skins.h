#pragma once
// The demo skins: copies of the templates under their own names, with their own colours,
// pictures, wallpaper and animation, so that every category of the catalogue has something to show.
#include <string>
#include <vector>

namespace tessera::datagen {

// Makes the demo skins in `skinsFolder`, whose Tessera7 data folder must already hold the
// templates with their pictures. Returns the names of the skins made.
std::vector<std::string> MakeDemoSkins(const std::string& skinsFolder, std::vector<std::string>& problems);

}  // namespace tessera::datagen
