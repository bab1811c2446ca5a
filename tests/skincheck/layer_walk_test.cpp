// The layer walk on chains no skin file can hold: loops and very long chains.
#include <gtest/gtest.h>

#include <map>

#include "core/skin/check/layer_walk.h"

namespace tessera::check {
namespace {

TEST(LayerWalk, LoopsEndAtTheFirstRepeatedNameWhateverItsCase) {
  const std::map<std::string, std::string> links = {{"S", "A"}, {"A", "B"}, {"B", "s"}};
  const auto next = [&](const std::string& name) {
    const auto found = links.find(name);
    return found == links.end() ? std::string() : found->second;
  };
  const LayerWalk walk = WalkLayerChain("S", next, [](const std::string&) { return true; }, 255);
  EXPECT_EQ(walk.end, LayerChainEnd::Loop);
  EXPECT_EQ(walk.stoppedAt, "s");
  EXPECT_EQ(walk.layers, (std::vector<std::string>{"A", "B"}));
}

TEST(LayerWalk, TenThousandLayersAreWalkedToTheirEnd) {
  const auto next = [](const std::string& name) {
    const int n = name == "S" ? 0 : std::stoi(name.substr(1)) + 1;
    return n < 10000 ? "L" + std::to_string(n) : std::string();
  };
  const LayerWalk walk = WalkLayerChain("S", next, [](const std::string&) { return true; }, 255);
  EXPECT_EQ(walk.end, LayerChainEnd::Complete);
  ASSERT_EQ(walk.layers.size(), 10000u);
  EXPECT_EQ(walk.layers.back(), "L9999");
}

TEST(LayerWalk, StopsAtAMissingSectionOrATooLongName) {
  const auto next = [](const std::string& name) { return name.size() < 9 ? name + ":L" : std::string(); };
  const LayerWalk missing = WalkLayerChain("S", next, [](const std::string& n) { return n != "S:L:L"; }, 255);
  EXPECT_EQ(missing.end, LayerChainEnd::MissingSection);
  EXPECT_EQ(missing.stoppedAt, "S:L:L");
  EXPECT_EQ(missing.layers, (std::vector<std::string>{"S:L"}));

  const LayerWalk tooLong = WalkLayerChain("S", next, [](const std::string&) { return true; }, 5);
  EXPECT_EQ(tooLong.end, LayerChainEnd::NameTooLong);
  EXPECT_EQ(tooLong.layers, (std::vector<std::string>{"S:L", "S:L:L"}));
}

}  // namespace
}  // namespace tessera::check
