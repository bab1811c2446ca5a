#include "core/skin/layer_chain.h"

#include "core/skin/section_store.h"

namespace tessera {

namespace {

constexpr const char* kNextLayerKey = "NextLayerName";

std::string nextLayerValue(const std::string& section, const std::string& skinFile) {
  return ReadSkinString(section, kNextLayerKey, "", skinFile);
}

std::vector<std::string> readChain(const std::string& section, const std::string& skinFile, std::size_t limit) {
  std::vector<std::string> chain;
  std::string name = section;
  while (chain.size() < limit) {
    const std::string value = nextLayerValue(name, skinFile);
    if (value.empty()) break;
    name += ":" + value;
    chain.push_back(name);
  }
  return chain;
}

}  // namespace

std::vector<std::string> ReadLayerChain(const std::string& section, const std::string& skinFile) {
  return readChain(section, skinFile, kMaxLayers);
}

std::string AddLayer(const std::string& section, const std::string& skinFile) {
  const std::vector<std::string> chain = ReadLayerChain(section, skinFile);
  if (chain.size() >= kMaxLayers) return {};
  const std::string& last = chain.empty() ? section : chain.back();
  WriteSkinString(last, kNextLayerKey, kNewLayerName, skinFile);
  return last + ":" + kNewLayerName;
}

bool DeleteLayer(const std::string& section, std::size_t k, const std::string& skinFile) {
  // One layer beyond the listed ones is read, so that deleting the last listed layer of a cut
  // chain links its predecessor to the rest instead of dropping it.
  const std::vector<std::string> chain = readChain(section, skinFile, kMaxLayers + 1);
  if (k < 1 || k > chain.size() || k > kMaxLayers) return false;
  const std::string& predecessor = k == 1 ? section : chain[k - 2];
  if (k < chain.size()) {
    const std::string& successor = chain[k];
    WriteSkinString(predecessor, kNextLayerKey, successor.substr(predecessor.size() + 1), skinFile);
  } else {
    WriteSkinString(predecessor, kNextLayerKey, std::nullopt, skinFile);
  }
  // The layer's own keys go with it, from the file the store routes it to, so that neither the
  // saved skin nor a chain that comes to name the section again brings it back. Later layers
  // keep their sections: their names only start with this one's.
  WriteSkinString(chain[k - 1], std::nullopt, std::nullopt, skinFile);
  return true;
}

}  // namespace tessera
