#pragma once
// Following a layer chain without trusting it: one step at a time, remembering every name seen,
// so that a chain that loops or runs on for thousands of layers ends, and says why it ended.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tessera::check {

enum class LayerChainEnd { Complete, MissingSection, Loop, NameTooLong };

struct LayerWalk {
  std::vector<std::string> layers;  // the layer sections that exist, in order
  LayerChainEnd end = LayerChainEnd::Complete;
  std::string stoppedAt;  // the missing, repeated or too long name
};

// `next` gives the section the given one chains to (empty at the end of the chain); `exists`
// whether a section is there. Names are compared without regard to letter case.
LayerWalk WalkLayerChain(const std::string& start, const std::function<std::string(const std::string&)>& next,
                         const std::function<bool(const std::string&)>& exists, std::size_t maxNameLength);

}  // namespace tessera::check
