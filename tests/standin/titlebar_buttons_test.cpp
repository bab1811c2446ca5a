// The skin's own title-bar buttons on a sample window: placement by anchor, frames by state and
// animation step, mouse-over glows, visibility conditions, and skins with broken button keys.
#include <QPainter>

#include "render_fixture.h"
#include "standin/render/section_painter.h"
#include "standin/render/window_frame.h"

namespace tessera::testing {
namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kYellow(255, 255, 0), kCyan(0, 255, 255),
    kMagenta(255, 0, 255), kWhite(255, 255, 255), kBlack(0, 0, 0), kPurple(128, 0, 128);
constexpr int kW = 300, kH = 200;

// A strip of frames of `frame` size, each filled with one of `colours`.
QImage Strip(QSize frame, std::initializer_list<QColor> colours) {
  QImage image(frame.width() * static_cast<int>(colours.size()), frame.height(), QImage::Format_ARGB32);
  QPainter p(&image);
  int x = 0;
  for (const QColor& c : colours) {
    p.fillRect(QRect(QPoint(x, 0), frame), c);
    x += frame.width();
  }
  return image;
}

class TitleBarButtonTest : public RenderTest {
 protected:
  // Draws the skin `uis` as a 300 x 200 window on black.
  QImage draw(const std::string& uis, VlFrameLook look = {0, -1, 0, -1, 0}) {
    writeSkin(uis);
    EXPECT_TRUE(renderer.loadSkin(temp.file("skins/test/test.uis")));
    QImage surface(kW, kH, QImage::Format_ARGB32_Premultiplied);
    surface.fill(kBlack);
    renderer.drawWindowLook(surface, surface.rect(), look, "");
    return surface;
  }
  static VlFrameLook look(int style, int state = 1, int hot = -1, int clock = 0, int hover = -1) {
    return VlFrameLook{style | (state << 8), hot, clock, hover, 0};
  }
  // A Personality-layout skin with `count` buttons and the given button sections.
  static std::string personality(int count, const std::string& buttons, const std::string& extra = "") {
    return "[Personality]\r\nButtonCount=" + std::to_string(count) + "\r\n" + extra + buttons;
  }
  static std::string button(int i, const std::string& picture, const std::string& keys) {
    return "[Button" + std::to_string(i) + "]\r\nButtonImage=" + picture + "\r\nPerPixel=1\r\n" + keys;
  }
};

TEST_F(TitleBarButtonTest, EveryAnchorPlacesTheButtonOnItsEdgeOrBesideTheCaptionText) {
  // Ten 10 x 8 buttons, one per anchor, each its own colour (a one-frame strip).
  const QColor colours[] = {kRed, kGreen, kBlue, kYellow, kCyan, kMagenta, kWhite,
                            QColor(128, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128)};
  std::string buttons;
  for (int anchor = 0; anchor < 10; ++anchor) {
    const std::string picture = writePicture("b" + std::to_string(anchor) + ".png", SolidPicture(QSize(10, 8), colours[anchor]));
    buttons += button(anchor, picture, "FrameCount=1\r\nAlign=" + std::to_string(anchor) + "\r\nXCoord=5\r\nYCoord=3\r\n");
  }
  // The caption text area runs from x 40 to x 199.
  const QImage out = draw(personality(10, buttons, "TextShift=40\r\nTextRightClip=100\r\n"));
  const struct {
    int x, y;
  } expected[] = {
      {5, 3},                         // top left
      {kW - 5 - 10, 3},               // top right
      {5, kH - 3 - 8},                // bottom left
      {kW - 5 - 10, kH - 3 - 8},      // bottom right
      {(kW - 10) / 2 + 5, 3},         // middle of the top edge
      {(kW - 10) / 2 + 5, kH - 3 - 8},  // middle of the bottom edge
      {5, (kH - 8) / 2 + 3},          // middle of the left edge
      {kW - 5 - 10, (kH - 8) / 2 + 3},  // middle of the right edge
      {40 - 5 - 10, 3},               // left of the caption text
      {200 + 5, 3},                   // right of the caption text
  };
  for (int anchor = 0; anchor < 10; ++anchor) {
    SCOPED_TRACE(anchor);
    // Both corners of the button are its colour; the pixels just outside are not.
    EXPECT_TRUE(PixelIs(out, expected[anchor].x, expected[anchor].y, colours[anchor]));
    EXPECT_TRUE(PixelIs(out, expected[anchor].x + 9, expected[anchor].y + 7, colours[anchor]));
    EXPECT_FALSE(PixelIs(out, expected[anchor].x + 10, expected[anchor].y + 7, colours[anchor]));
  }
}

TEST_F(TitleBarButtonTest, CaptionLayoutKnowsOnlyLeftAndRight) {
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 8), kRed));
  const std::string green = writePicture("green.png", SolidPicture(QSize(10, 8), kGreen));
  // No ButtonCount in Personality: the count is Caption's, and Align 3 is not an anchor there.
  const QImage out = draw("[Caption]\r\nButtonCount=2\r\n" + button(0, red, "FrameCount=1\r\nAlign=1\r\nXCoord=4\r\nYCoord=2\r\n") +
                          button(1, green, "FrameCount=1\r\nAlign=3\r\nXCoord=4\r\nYCoord=2\r\n"));
  EXPECT_TRUE(PixelIs(out, kW - 4 - 10, 2, kRed));
  EXPECT_TRUE(PixelIs(out, 4, 2, kGreen));
  EXPECT_FALSE(PixelIs(out, kW - 4 - 10, kH - 2 - 8, kGreen));
}

TEST_F(TitleBarButtonTest, WidthAndHeightScaleTheFrameAndZeroKeepsItsOwnSize) {
  const std::string strip = writePicture("strip.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue}));
  const QImage sized = draw(personality(1, button(0, strip, "XCoord=10\r\nYCoord=10\r\nWidth=30\r\nHeight=20\r\n")));
  EXPECT_TRUE(PixelIs(sized, 10, 10, kRed));
  EXPECT_TRUE(PixelIs(sized, 39, 29, kRed));
  EXPECT_FALSE(PixelIs(sized, 40, 29, kRed));
  EXPECT_FALSE(PixelIs(sized, 39, 30, kRed));
  // Negative or zero sizes are the picture's own (one frame: 10 x 8).
  const QImage own = draw(personality(1, button(0, strip, "XCoord=10\r\nYCoord=10\r\nWidth=0\r\nHeight=-40\r\n")));
  EXPECT_TRUE(PixelIs(own, 19, 17, kRed));
  EXPECT_FALSE(PixelIs(own, 20, 17, kRed));
  EXPECT_FALSE(PixelIs(own, 19, 18, kRed));
}

TEST_F(TitleBarButtonTest, StatesShowTheirFramesAndOnlyTheHotButtonFollowsTheMouse) {
  const std::string strip = writePicture("strip.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue}));
  const std::string buttons = button(0, strip, "XCoord=10\r\nYCoord=5\r\n") + button(1, strip, "XCoord=30\r\nYCoord=5\r\n");
  const std::string uis = personality(2, buttons);
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 1)), 12, 7, kRed));
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 2)), 12, 7, kGreen));
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 3)), 12, 7, kBlue));
  // The skin's own buttons have no disabled frames: a disabled button shows its normal one.
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 4)), 12, 7, kRed));
  // The mouse over button 1: button 0 stays normal.
  const QImage hot = draw(uis, look(0, 2, 1));
  EXPECT_TRUE(PixelIs(hot, 12, 7, kRed));
  EXPECT_TRUE(PixelIs(hot, 32, 7, kGreen));
}

// Without buttons of its own the skin's frame buttons show: normal, mouse over, pressed, disabled
// and inactive frames; only the close button follows the mouse, every button can be disabled.
TEST_F(TitleBarButtonTest, FrameButtonsShowTheirDisabledAndInactiveFrames) {
  const std::string close = writePicture("close.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue, kYellow, kCyan}));
  const std::string max = writePicture("max.png", Strip(QSize(10, 8), {kPurple, kGreen, kBlue, kMagenta, kCyan}));
  const std::string uis = "[WindowFrame.CloseButton]\r\nImage=" + close + "\r\nFrameCount=5\r\n" +
                          "[WindowFrame.MaxButton]\r\nImage=" + max + "\r\nFrameCount=5\r\n";
  // How many pixels of the caption's right end have the colour.
  const auto shown = [](const QImage& out, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = kW - 40; x < kW; ++x) count += out.pixelColor(x, y) == colour;
    return count;
  };
  const QImage normal = draw(uis, look(0, 1));
  EXPECT_EQ(shown(normal, kRed), 80);
  EXPECT_EQ(shown(normal, kPurple), 80);
  const QImage over = draw(uis, look(0, 2));
  EXPECT_EQ(shown(over, kGreen), 80);
  EXPECT_EQ(shown(over, kPurple), 80);
  const QImage disabled = draw(uis, look(0, 4));
  EXPECT_EQ(shown(disabled, kYellow), 80);
  EXPECT_EQ(shown(disabled, kMagenta), 80);
  EXPECT_EQ(shown(draw(uis, look(VL_STYLE_INACTIVE, 1)), kCyan), 160);
}

TEST_F(TitleBarButtonTest, InactiveWindowsShowTheSecondThreeFramesWithTripleImages) {
  const std::string strip =
      writePicture("six.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue, kYellow, kCyan, kMagenta}));
  // FrameCount defaults to 6 with TripleImages.
  const std::string uis = personality(1, button(0, strip, "XCoord=10\r\nYCoord=5\r\n"), "TripleImages=1\r\n");
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 1)), 12, 7, kRed));
  EXPECT_TRUE(PixelIs(draw(uis, look(VL_STYLE_INACTIVE, 1)), 12, 7, kYellow));
  EXPECT_TRUE(PixelIs(draw(uis, look(VL_STYLE_INACTIVE, 3)), 12, 7, kMagenta));
  // A three-frame strip has no inactive frames: the active ones show.
  const std::string three = writePicture("three.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue}));
  EXPECT_TRUE(PixelIs(draw(personality(1, button(0, three, "FrameCount=3\r\nXCoord=10\r\nYCoord=5\r\n"), "TripleImages=1\r\n"),
                           look(VL_STYLE_INACTIVE, 2)),
                      12, 7, kGreen));
}

TEST_F(TitleBarButtonTest, AnimTimerRateStepsThroughRepeatedSetsOfStateFrames) {
  const std::string strip =
      writePicture("anim.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue, kYellow, kCyan, kMagenta}));
  const std::string uis = personality(1, button(0, strip, "FrameCount=6\r\nAnimTimerRate=100\r\nXCoord=10\r\nYCoord=5\r\n"));
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 1, -1, 0)), 12, 7, kRed));
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 1, -1, 150)), 12, 7, kYellow));
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 2, -1, 150)), 12, 7, kCyan));
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 1, -1, 200)), 12, 7, kRed));  // wraps around
}

TEST_F(TitleBarButtonTest, GlowShowsOnHoverAtItsOffsetFadesInAndAnimates) {
  const std::string strip = writePicture("strip.png", Strip(QSize(10, 8), {kRed, kGreen, kBlue}));
  const std::string glow = writePicture("glow.png", Strip(QSize(4, 4), {kYellow, kCyan}));
  const std::string keys = "XCoord=10\r\nYCoord=5\r\nOverlayImage=" + glow +
                           "\r\nOverlayImageXOffset=-2\r\nOverlayImageYOffset=6\r\nOverlayFrameCount=2\r\n";
  const std::string uis = personality(1, button(0, strip, keys));
  // The glow's corner lands at (8, 11): outside the button on the left, over it below.
  EXPECT_FALSE(PixelIs(draw(uis, look(0, 1)), 8, 11, kYellow));
  const QImage over = draw(uis, look(0, 2));
  EXPECT_TRUE(PixelIs(over, 8, 11, kYellow));
  EXPECT_TRUE(PixelIs(over, 11, 12, kYellow));   // drawn over the button
  EXPECT_TRUE(PixelIs(over, 12, 7, kGreen));     // the button's own mouse-over frame around it
  EXPECT_TRUE(PixelIs(draw(uis, look(0, 3)), 8, 11, kYellow));  // pressed: still under the mouse

  // With a timer the glow strip plays; with a fade-in time it comes up over that time.
  const std::string timed = personality(1, button(0, strip, keys + "OverlayTimer=50\r\nOverlayFadeInTime=200\r\n"));
  EXPECT_TRUE(PixelIs(draw(timed, look(0, 2, 0, 60, -1)), 8, 11, kCyan));
  const QRgb under = draw(timed, look(0, 1)).pixel(8, 11);
  const QRgb half = draw(timed, look(0, 2, 0, 0, 100)).pixel(8, 11);
  EXPECT_NEAR(qRed(half), (qRed(under) + 255) / 2, 3);  // yellow at half strength over the frame
  EXPECT_NEAR(qBlue(half), qBlue(under) / 2, 3);
  EXPECT_TRUE(PixelIs(draw(timed, look(0, 2, 0, 0, 400)), 8, 11, kYellow));
  // Not the hot button: no glow.
  EXPECT_FALSE(PixelIs(draw(timed, look(0, 2, 3, 0, 400)), 8, 11, kYellow));
}

TEST_F(TitleBarButtonTest, VisibilityConditionsOfTheSampleWindowDecideWhichButtonsShow) {
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 8), kRed));
  const std::string green = writePicture("green.png", SolidPicture(QSize(10, 8), kGreen));
  const std::string blue = writePicture("blue.png", SolidPicture(QSize(10, 8), kBlue));
  // A maximise button for normal windows, a restore button in its place for maximised ones
  // (and only while active), and a button for windows without an icon.
  const std::string uis = personality(
      3, button(0, red, "FrameCount=1\r\nXCoord=10\r\nYCoord=5\r\nVisibility=4\r\n") +
             button(1, green, "FrameCount=1\r\nXCoord=10\r\nYCoord=5\r\nVisibility=3\r\nVisibility1=1\r\n") +
             button(2, blue, "FrameCount=1\r\nXCoord=40\r\nYCoord=5\r\nVisibility=26\r\n"));
  const QImage normal = draw(uis, look(0));
  EXPECT_TRUE(PixelIs(normal, 12, 7, kRed));
  EXPECT_FALSE(PixelIs(normal, 42, 7, kBlue));
  EXPECT_TRUE(PixelIs(draw(uis, look(VL_STYLE_MAXIMISED)), 12, 7, kGreen));
  const QImage inactive = draw(uis, look(VL_STYLE_MAXIMISED | VL_STYLE_INACTIVE));
  EXPECT_FALSE(PixelIs(inactive, 12, 7, kGreen));
  EXPECT_FALSE(PixelIs(inactive, 12, 7, kRed));
  EXPECT_TRUE(PixelIs(draw(uis, look(VL_STYLE_NO_ICON)), 42, 7, kBlue));
  // The plain drawing call passes the same bits.
  QImage surface(kW, kH, QImage::Format_ARGB32_Premultiplied);
  surface.fill(kBlack);
  renderer.drawWindow(surface, surface.rect(), VL_STYLE_MAXIMISED, "", true);
  EXPECT_TRUE(PixelIs(surface, 12, 7, kGreen));
}

TEST_F(TitleBarButtonTest, TransparencyKeysCutTheButtonOut) {
  QImage keyed = SolidPicture(QSize(10, 8), kRed);
  QPainter(&keyed).fillRect(0, 0, 5, 8, kMagenta);
  const std::string bmp = writePicture("keyed.bmp", keyed);
  const QImage out = draw(personality(1, "[Button0]\r\nButtonImage=" + bmp +
                                             "\r\nUseTrans=1\r\nFrameCount=1\r\nXCoord=10\r\nYCoord=5\r\n"));
  EXPECT_FALSE(PixelIs(out, 11, 7, kMagenta));
  EXPECT_TRUE(PixelIs(out, 17, 7, kRed));
}

TEST_F(TitleBarButtonTest, HitTestFindsTheVisibleButtonUnderThePoint) {
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 8), kRed));
  writeSkin(personality(2, button(0, red, "FrameCount=1\r\nAlign=1\r\nXCoord=10\r\nYCoord=5\r\n") +
                               button(1, red, "FrameCount=1\r\nXCoord=10\r\nYCoord=5\r\nVisibility=3\r\n")));
  ASSERT_TRUE(renderer.loadSkin(temp.file("skins/test/test.uis")));
  const QRect window(0, 0, kW, kH);
  EXPECT_EQ(renderer.titleBarButtonAt(window, look(0), QPoint(kW - 15, 8)), 0);
  EXPECT_EQ(renderer.titleBarButtonAt(window, look(0), QPoint(12, 8)), -1);  // hidden unless maximised
  EXPECT_EQ(renderer.titleBarButtonAt(window, look(VL_STYLE_MAXIMISED), QPoint(12, 8)), 1);
  EXPECT_EQ(renderer.titleBarButtonAt(window, look(0), QPoint(150, 100)), -1);
}

TEST_F(TitleBarButtonTest, BrokenButtonKeysDrawWhatCanBeDrawn) {
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 8), kRed));
  const std::string dot = writePicture("dot.png", SolidPicture(QSize(1, 1), kGreen));
  temp.write("skins/test/damaged.png", "\x89PNG\r\n\x1a\nnot really");
  const std::string good = button(0, red, "FrameCount=1\r\nXCoord=10\r\nYCoord=5\r\n");
  for (const char* count : {"-5", "0", "100000", "text", ""}) {
    SCOPED_TRACE(count);
    const QImage out = draw("[Personality]\r\nButtonCount=" + std::string(count) + "\r\n" + good);
    // Counts beyond what the editor handles are cut to it; the others draw no button.
    EXPECT_EQ(PixelIs(out, 12, 7, kRed), std::string(count) == "100000");
  }
  // Missing middle sections, a missing and a damaged picture, a one-pixel strip of three frames,
  // frame counts of 0 and beyond the picture, a link to a button that does not exist.
  const std::string uis = personality(
      7, good + button(2, "test\\missing.png", "XCoord=30\r\n") + button(3, "test\\damaged.png", "XCoord=40\r\n") +
             button(4, dot, "FrameCount=3\r\nXCoord=60\r\nYCoord=5\r\n") +
             button(5, red, "FrameCount=0\r\nXCoord=80\r\nYCoord=5\r\nAnimTimerRate=10\r\n") +
             button(6, red, "FrameCount=5000\r\nXCoord=100\r\nYCoord=5\r\nAction=40\r\nLinkedTo=50\r\n"));
  for (int state = 1; state <= 3; ++state) {
    const QImage out = draw(uis, look(VL_STYLE_INACTIVE, state, -1, 12345, 10));
    EXPECT_TRUE(PixelIs(out, 12, 7, kRed));
    EXPECT_TRUE(PixelIs(out, 60, 5, kGreen));
    EXPECT_TRUE(PixelIs(out, 89, 12, kRed));   // FrameCount 0 counts as one frame
    EXPECT_TRUE(PixelIs(out, 100, 5, kRed));   // 5000 frames: one pixel each
    EXPECT_FALSE(PixelIs(out, 101, 5, kRed));
  }
}

}  // namespace
}  // namespace tessera::testing
