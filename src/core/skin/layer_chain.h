#pragma once
// The layers of a skin section. Key "NextLayerName" of a section X names the next layer relative
// to X: the layer's section is X + ":" + value. The chain ends at the first section without one.
#include <cstddef>
#include <string>
#include <vector>

namespace tessera {

// Chains longer than this are cut here: a damaged skin cannot make the editor walk forever.
inline constexpr std::size_t kMaxLayers = 100;
// Name given to layers the editor adds.
inline constexpr const char* kNewLayerName = "L";

// The layer sections of `section` in order (layer 1 first), read through the section store from
// `skinFile` (normally the main working file, so layers are routed like their section).
std::vector<std::string> ReadLayerChain(const std::string& section, const std::string& skinFile);

// Adds a layer after the last one. Returns the new layer's section name, or empty when the chain
// is already at its limit.
std::string AddLayer(const std::string& section, const std::string& skinFile);

// Deletes layer k (1-based): its predecessor is linked to the layer after it, whose section keeps
// its name, and the deleted layer's own section is removed from its file. False when there is no
// layer k.
bool DeleteLayer(const std::string& section, std::size_t k, const std::string& skinFile);

}  // namespace tessera
