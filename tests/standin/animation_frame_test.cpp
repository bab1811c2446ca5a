// A ZOR animation in a section shows the frame the editor's player asks for in its normal state,
// so previews can play it; other states keep their own frames.
#include "core/image/zor_file.h"
#include "render_fixture.h"

namespace tessera::testing {
namespace {

class AnimationFrameTest : public RenderTest {};

TEST_F(AnimationFrameTest, NormalStateFollowsThePlayersFrame) {
  ZorFile zor;
  zor.width = 4;
  zor.height = 4;
  for (std::uint32_t colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
    zor.table.push_back(static_cast<std::uint32_t>(zor.stream.size()));
    zor.stream.push_back(zor::kColourRun | 16);
    zor.stream.push_back(colour);
  }
  temp.write("skins/test/busy.zor", EncodeZorFile(zor));
  writeSkin("[Progress.Busy]\r\nImage=test\\busy.zor\r\nPerPixel=1\r\n");
  EXPECT_TRUE(PixelIs(renderSection("Progress.Busy", QSize(4, 4)), 1, 1, QColor(255, 0, 0)));
  renderer.setAnimationFrame(1);
  EXPECT_TRUE(PixelIs(renderSection("Progress.Busy", QSize(4, 4)), 1, 1, QColor(0, 255, 0)));
  renderer.setAnimationFrame(5);  // wraps round the three frames
  EXPECT_TRUE(PixelIs(renderSection("Progress.Busy", QSize(4, 4)), 1, 1, QColor(0, 0, 255)));
  // The pressed state (frame 3 of the animation) is not the player's.
  EXPECT_TRUE(PixelIs(renderSection("Progress.Busy", QSize(4, 4), 3), 1, 1, QColor(0, 0, 255)));
  EXPECT_TRUE(PixelIs(renderSection("Progress.Busy", QSize(4, 4), 2), 1, 1, QColor(0, 255, 0)));
  renderer.setAnimationFrame(-1);
  EXPECT_TRUE(PixelIs(renderSection("Progress.Busy", QSize(4, 4)), 1, 1, QColor(255, 0, 0)));
}

}  // namespace
}  // namespace tessera::testing
