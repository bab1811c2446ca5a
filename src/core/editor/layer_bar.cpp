#include "core/editor/layer_bar.h"

#include "core/skin/blend_modes.h"
#include "core/skin/layer_chain.h"
#include "core/skin/section_catalogue.h"

namespace tessera {

LayerBarState ReadLayerBar(const std::string& topLevel, const std::string& current, const std::string& mainFile) {
  LayerBarState bar;
  bar.layersAvailable = !SectionCatalogue().noLayers(topLevel);
  bar.texts.push_back("Base Layer - (" + topLevel + ")");
  bar.sections.push_back(topLevel);
  if (!bar.layersAvailable) return bar;  // everything disabled, entry 0 and blend row 0
  const std::vector<std::string> chain = ReadLayerChain(topLevel, mainFile);
  for (std::size_t n = 1; n <= chain.size(); ++n) {
    bar.texts.push_back("Additional Layer " + std::to_string(n) + " - (" + topLevel + ")");
    bar.sections.push_back(chain[n - 1]);
    if (chain[n - 1] == current) bar.selected = static_cast<int>(n);
  }
  bar.blendRow = BlendModeRow(ReadBlendMode(current, mainFile));
  bar.addEnabled = true;
  bar.listEnabled = true;
  bar.deleteEnabled = bar.texts.size() >= 2 && bar.selected >= 1;
  bar.blendEnabled = bar.selected >= 1;
  return bar;
}

std::string LayerSectionAt(const LayerBarState& bar, int entry) {
  if (entry < 0 || entry >= static_cast<int>(bar.sections.size())) return bar.sections.front();
  return bar.sections[static_cast<std::size_t>(entry)];
}

std::vector<std::string> LayerMenuTexts(std::size_t layerCount) {
  std::vector<std::string> texts{"Base Layer"};
  for (std::size_t n = 1; n <= layerCount; ++n) texts.push_back("Additional Layer " + std::to_string(n));
  return texts;
}

}  // namespace tessera
