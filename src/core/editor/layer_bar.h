#pragma once
// What the section editor's layer bar shows for a section: the base entry, one entry per layer
// of the chain, the selected entry and blend mode, and which controls are enabled.
#include <cstddef>
#include <string>
#include <vector>

namespace tessera {

struct LayerBarState {
  std::vector<std::string> texts;     // entry 0 is the base layer
  std::vector<std::string> sections;  // section of each entry (entry 0: the top-level section)
  int selected = 0;
  std::size_t blendRow = 0;
  bool layersAvailable = false;
  bool addEnabled = false;
  bool listEnabled = false;
  bool deleteEnabled = false;
  bool blendEnabled = false;
};

// The bar for `topLevel` (the catalogue entry) while `current` (it, or one of its layers) is
// edited; the chain is read through the section store from `mainFile`.
LayerBarState ReadLayerBar(const std::string& topLevel, const std::string& current, const std::string& mainFile);

// The section an entry of the bar edits.
std::string LayerSectionAt(const LayerBarState& bar, int entry);

// The commands of the "Layers" pop-up menu, which stand under the top-level section's name: the
// base entry first, then one per layer.
std::vector<std::string> LayerMenuTexts(std::size_t layerCount);

}  // namespace tessera
