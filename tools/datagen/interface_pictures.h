#pragma once
// The data folder's own pictures: the main window's interface pictures and category icons, the
// colour logo, the preview pictures, the sample graphics and the toolbar sample strips.
#include <string>
#include <vector>

namespace tessera::datagen {

// Each writes into `dataFolder` and adds a line to `problems` for every picture it cannot write.
void WriteInterfacePictures(const std::string& dataFolder, std::vector<std::string>& problems);
void WritePreviewPictures(const std::string& dataFolder, std::vector<std::string>& problems);
// The Help pages' example pictures: one per section whose Preview is "examples\<family>\<name>.png",
// drawn as its family's card under the section's own title.
void WriteExamplePictures(const std::string& dataFolder, std::vector<std::string>& problems);
void WriteSampleGraphics(const std::string& dataFolder, std::vector<std::string>& problems);
void WriteToolbarSamples(const std::string& dataFolder, std::vector<std::string>& problems);
// The picture of the side panel skin (side.uis).
void WriteSidePanel(const std::string& dataFolder, std::vector<std::string>& problems);

}  // namespace tessera::datagen
