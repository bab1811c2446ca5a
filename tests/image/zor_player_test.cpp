// The shared ZOR player: loops through the frames step by step and refuses damaged files.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/image/zor_file.h"
#include "core/image/zor_player.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

class ZorPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The player's timer needs an application object.
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "zor_player_test";
      static char* argv[] = {name, nullptr};
      static QCoreApplication app(argc, argv);
    }
  }
  // Frames of 3 x 2 pixels, each one colour; a frame given as 0 has a block cut short.
  std::string write(const std::string& name, std::initializer_list<std::uint32_t> colours) {
    ZorFile file;
    file.width = 3;
    file.height = 2;
    for (std::uint32_t colour : colours) {
      file.table.push_back(static_cast<std::uint32_t>(file.stream.size()));
      file.stream.push_back(zor::kColourRun | (colour == 0 ? 2 : 6));
      file.stream.push_back(colour);
    }
    return temp.write(name, EncodeZorFile(file));
  }
  testing::TempDir temp;
};

TEST_F(ZorPlayerTest, StepsLoopThroughTheFramesAndEachStepIsAnnounced) {
  ZorPlayer player;
  int announced = 0;
  QObject::connect(&player, &ZorPlayer::frameChanged, [&announced] { ++announced; });
  ASSERT_TRUE(player.load(write("a.zor", {0xFF112233u, 0xFF445566u, 0xFF778899u})));
  EXPECT_TRUE(player.playing());
  EXPECT_EQ(player.frameCount(), 3);
  EXPECT_EQ(player.image().size(), QSize(3, 2));
  std::vector<QRgb> seen;
  for (int i = 0; i < 4; ++i) {
    seen.push_back(player.image().pixel(2, 1));
    player.step();
  }
  EXPECT_EQ(seen, (std::vector<QRgb>{0xFF112233u, 0xFF445566u, 0xFF778899u, 0xFF112233u}));
  EXPECT_EQ(announced, 4);
  // One frame shows still.
  ASSERT_TRUE(player.load(write("one.zor", {0xFF000000u | 7})));
  EXPECT_FALSE(player.playing());
}

TEST_F(ZorPlayerTest, DamagedFilesLoadNothingAndADamagedFrameStopsOnTheLastGoodOne) {
  ZorPlayer player;
  EXPECT_FALSE(player.load(temp.write("bad.zor", "ZOR1\x01")));
  EXPECT_FALSE(player.load(temp.file("missing.zor")));
  EXPECT_FALSE(player.load(""));
  EXPECT_FALSE(player.isLoaded());
  EXPECT_FALSE(player.playing());
  player.step();  // nothing loaded: nothing happens

  ASSERT_TRUE(player.load(write("cut.zor", {0xFF112233u, 0})));
  player.step();
  EXPECT_EQ(player.frame(), 0);
  EXPECT_FALSE(player.playing());
  EXPECT_EQ(player.image().pixel(0, 0), 0xFF112233u);
}

}  // namespace
}  // namespace tessera
