// Title-bar buttons over a texture frame: their strength and hue come from the frame keys.
#include "render_fixture.h"

namespace tessera::testing {
namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kTextureGrey(90, 90, 90);
constexpr int kWidth = 200;

class GlassButtonTest : public RenderTest {
 protected:
  // A texture frame (shine off so the caption shows the texture alone) with a red close button
  // and a red maximise button, plus `dwm` keys in section DWM and `extra` sections.
  QImage drawFrame(const std::string& extra, bool texture = true, const std::string& dwm = "", int shineAlpha = 0) {
    const std::string grey = writePicture("texture.png", SolidPicture(QSize(16, 16), kTextureGrey));
    const std::string red = writePicture("button.png", SolidPicture(QSize(10, 14), kRed));
    const std::string frame = texture ? "[Frames.Texture]\r\nImage=" + grey + "\r\n" : std::string();
    writeSkin(frame + "[DWM]\r\nUseDWMFrames=1\r\nShineAlpha=" + std::to_string(shineAlpha) + "\r\n" + dwm + "[WindowFrame.CloseButton]\r\nImage=" + red +
              "\r\nFrameCount=1\r\n[WindowFrame.MaxButton]\r\nImage=" + red + "\r\nFrameCount=1\r\n" + extra);
    EXPECT_TRUE(renderer.loadSkin(temp.file("skins/test/test.uis")));
    QImage surface(kWidth, 120, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::white);
    renderer.drawWindow(surface, surface.rect(), 0, "", false);
    return surface;
  }
  // The close button sits 4 pixels in from the right edge, the maximise button 2 pixels left of it.
  static QPoint closePixel() { return QPoint(kWidth - 9, 15); }
  static QPoint maxPixel() { return QPoint(kWidth - 20, 15); }
};

TEST_F(GlassButtonTest, ButtonsShowAsTheyAreByDefault) {
  const QImage out = drawFrame("");
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kRed));
  EXPECT_TRUE(PixelIs(out, maxPixel().x(), maxPixel().y(), kRed));
  // Between the buttons the texture shows.
  EXPECT_TRUE(PixelIs(out, kWidth - 15, 15, kTextureGrey));
}

TEST_F(GlassButtonTest, ButtonAlphaFadesTheButtonsIntoTheTexture) {
  QImage out = drawFrame("", true, "ButtonAlpha=0\r\n");
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kTextureGrey));
  EXPECT_TRUE(PixelIs(out, maxPixel().x(), maxPixel().y(), kTextureGrey));

  out = drawFrame("", true, "ButtonAlpha=128\r\n");
  const QRgb half = out.pixel(closePixel());
  EXPECT_NEAR(qRed(half), (255 + 90) / 2, 3);
  EXPECT_NEAR(qGreen(half), 90 / 2, 3);
  EXPECT_EQ(qAlpha(half), 255);

  // Only frames drawn from a texture take the glass keys.
  out = drawFrame("[WindowFrame.Activetexture]\r\nCloseButtonHue=120\r\n", false, "ButtonAlpha=0\r\n");
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kRed));
}

TEST_F(GlassButtonTest, HuesTurnTheCloseButtonAndTheOthersApart) {
  QImage out = drawFrame("[WindowFrame.Activetexture]\r\nCloseButtonHue=120\r\n");
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kGreen));
  EXPECT_TRUE(PixelIs(out, maxPixel().x(), maxPixel().y(), kRed));

  out = drawFrame("[WindowFrame.Activetexture]\r\nButtonHue=240\r\n");
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kRed));
  EXPECT_TRUE(PixelIs(out, maxPixel().x(), maxPixel().y(), kBlue));

  // A full turn changes nothing; absent keys read as -1 and change nothing either.
  out = drawFrame("[WindowFrame.Activetexture]\r\nButtonHue=360\r\nCloseButtonHue=-1\r\n");
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kRed));
  EXPECT_TRUE(PixelIs(out, maxPixel().x(), maxPixel().y(), kRed));
}

TEST_F(GlassButtonTest, ShinePictureTakesShineAlphaAndStaysUnderTheButtons) {
  const std::string white = writePicture("shine.png", SolidPicture(QSize(8, 8), Qt::white));
  const std::string shine = "[WindowFrame.Shine]\r\nImage=" + white + "\r\n";
  QImage out = drawFrame(shine, true, "", 0);
  EXPECT_TRUE(PixelIs(out, 60, 10, kTextureGrey));
  // At full strength the shine covers the caption but not the buttons drawn over it.
  out = drawFrame(shine, true, "", 255);
  EXPECT_TRUE(PixelIs(out, 60, 10, Qt::white));
  EXPECT_TRUE(PixelIs(out, closePixel().x(), closePixel().y(), kRed));
  // Below the caption band the border shows the texture alone.
  EXPECT_TRUE(PixelIs(out, 3, 60, kTextureGrey));
}

// A glass skin without button pictures gets the engine's red glass buttons, turned by the hues.
TEST_F(GlassButtonTest, SkinsWithoutButtonPicturesGetGlassButtonsTurnedByTheHues) {
  const std::string grey = writePicture("texture.png", SolidPicture(QSize(16, 16), kTextureGrey));
  const auto closeColour = [&](const std::string& hues) {
    writeSkin("[Frames.Texture]\r\nImage=" + grey + "\r\n[DWM]\r\nUseDWMFrames=1\r\nShineAlpha=0\r\n" + hues);
    EXPECT_TRUE(renderer.loadSkin(temp.file("skins/test/test.uis")));
    QImage surface(kWidth, 120, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::white);
    renderer.drawWindow(surface, surface.rect(), 0, "", false);
    // The middle of the rightmost button, beside its glyph.
    return surface.pixelColor(kWidth - 12, 18);
  };
  const QColor plain = closeColour("");
  EXPECT_GT(plain.red(), plain.green() + 80);
  const QColor green = closeColour("[WindowFrame.Activetexture]\r\nCloseButtonHue=120\r\n");
  EXPECT_GT(green.green(), green.red() + 80);
  const QColor stillRed = closeColour("[WindowFrame.Activetexture]\r\nButtonHue=240\r\n");
  EXPECT_GT(stillRed.red(), stillRed.blue() + 80);
}

// A taskbar texture lies over the taskbar in place of its background picture.
TEST_F(GlassButtonTest, TaskbarTextureTakesThePlaceOfTheBackground) {
  const std::string blue = writePicture("bar.png", SolidPicture(QSize(8, 8), kBlue));
  const std::string red = writePicture("back.png", SolidPicture(QSize(8, 8), kRed));
  writeSkin("[Taskbar.Background]\r\nImage=" + red + "\r\n[Taskbar.Texture]\r\nImage=" + blue + "\r\n");
  ASSERT_TRUE(renderer.loadSkin(temp.file("skins/test/test.uis")));
  QImage surface(600, 100, QImage::Format_ARGB32_Premultiplied);
  surface.fill(Qt::white);
  renderer.drawTaskBar(surface, surface.rect());
  EXPECT_TRUE(PixelIs(surface, 300, 70, kBlue));
}

}  // namespace
}  // namespace tessera::testing
