#include "core/skin/check/layer_walk.h"

#include <unordered_set>

#include "core/platform/paths.h"

namespace tessera::check {

LayerWalk WalkLayerChain(const std::string& start, const std::function<std::string(const std::string&)>& next,
                         const std::function<bool(const std::string&)>& exists, std::size_t maxNameLength) {
  LayerWalk walk;
  std::unordered_set<std::string> seen{paths::lower(start)};
  std::string name = start;
  while (true) {
    std::string following = next(name);
    if (following.empty()) break;
    if (following.size() > maxNameLength) {
      walk.end = LayerChainEnd::NameTooLong;
      walk.stoppedAt = std::move(following);
      break;
    }
    if (!seen.insert(paths::lower(following)).second) {
      walk.end = LayerChainEnd::Loop;
      walk.stoppedAt = std::move(following);
      break;
    }
    if (!exists(following)) {
      walk.end = LayerChainEnd::MissingSection;
      walk.stoppedAt = std::move(following);
      break;
    }
    walk.layers.push_back(following);
    name = std::move(following);
  }
  return walk;
}

}  // namespace tessera::check
