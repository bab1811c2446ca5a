#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QUndoStack>

#include "core/pages/texture_keys.h"
#include "texture_fixture.h"
#include "ui/textures/frameless_frames_dialog.h"
#include "ui/textures/hue_slider.h"
#include "ui/textures/texture_list.h"
#include "ui/textures/texture_picker.h"

namespace tessera::ui {
namespace {

using FramelessFramesTest = TextureSkinTest;

TEST_F(FramelessFramesTest, FirstShowStoresTheShownValuesAndDefaultHuesStayAbsent) {
  openSkin("[TitlebarSkin]\r\nSkinName=S\r\n");
  FramelessFramesDialog dialog(SkinDocument::current());
  // Nothing is written before the window appears.
  EXPECT_FALSE(hasSection("DWM"));
  dialog.show();
  EXPECT_EQ(skinValue("DWM", "ShineAlpha"), "220");
  EXPECT_EQ(skinValue("DWM", "BorderAlpha"), "255");
  EXPECT_EQ(skinValue("DWM", "ButtonAlpha"), "255");
  EXPECT_TRUE(dialog.buttonHueDefaultBox()->isChecked());
  EXPECT_FALSE(dialog.buttonHueSlider()->isEnabled());
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "ButtonHue"), "<none>");
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "CloseButtonHue"), "<none>");
  EXPECT_EQ(document->undoStack()->count(), 1);
}

TEST_F(FramelessFramesTest, TheHueDefaultBoxDeletesTheKeyAndUncheckingWritesTheSlider) {
  openSkin("[DWM]\r\nShineAlpha=220\r\nBorderAlpha=255\r\nButtonAlpha=255\r\n"
           "[WindowFrame.Activetexture]\r\nButtonHue=120\r\nCloseButtonHue=0\r\n");
  FramelessFramesDialog dialog(SkinDocument::current());
  dialog.show();
  EXPECT_FALSE(dialog.buttonHueDefaultBox()->isChecked());
  EXPECT_EQ(dialog.buttonHueSlider()->value(), 120);
  dialog.buttonHueDefaultBox()->setChecked(true);
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "ButtonHue"), "<none>");
  EXPECT_FALSE(dialog.buttonHueSlider()->isEnabled());
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "CloseButtonHue"), "0");
  dialog.buttonHueDefaultBox()->setChecked(false);
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "ButtonHue"), "120");
  dialog.buttonHueSlider()->setValue(300);
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "ButtonHue"), "300");
}

TEST_F(FramelessFramesTest, OutOfRangeValuesAreShownAndWrittenClamped) {
  openSkin("[DWM]\r\nShineAlpha=999\r\nBorderAlpha=-7\r\nButtonAlpha=abc\r\nNoFlip=1\r\n"
           "[WindowFrame.Activetexture]\r\nButtonHue=500\r\nCloseButtonHue=-3\r\n");
  FramelessFramesDialog dialog(SkinDocument::current());
  EXPECT_EQ(dialog.shineAlphaSlider()->value(), 255);
  EXPECT_EQ(dialog.borderAlphaSlider()->value(), 0);
  EXPECT_EQ(dialog.buttonHueSlider()->value(), 360);
  EXPECT_TRUE(dialog.closeButtonHueDefaultBox()->isChecked());
  EXPECT_TRUE(dialog.noFlipBox()->isChecked());
  dialog.show();
  EXPECT_EQ(skinValue("DWM", "ShineAlpha"), "255");
  EXPECT_EQ(skinValue("DWM", "BorderAlpha"), "0");
  // An unreadable value reads as 0, as the engine reads it; it is shown and left as it is.
  EXPECT_EQ(dialog.buttonAlphaSlider()->value(), 0);
  EXPECT_EQ(skinValue("DWM", "ButtonAlpha"), "abc");
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "ButtonHue"), "360");
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "CloseButtonHue"), "<none>");
  // The core clamps whatever a caller asks for.
  EXPECT_TRUE(WriteFrameAlpha(kBorderAlpha, 4000));
  EXPECT_EQ(skinValue("DWM", "BorderAlpha"), "255");
  EXPECT_TRUE(WriteFrameHue(kCloseButtonHue, -40));
  EXPECT_EQ(skinValue("WindowFrame.Activetexture", "CloseButtonHue"), "0");
  EXPECT_FALSE(WriteFrameHue(kCloseButtonHue, 0));
}

TEST_F(FramelessFramesTest, OpeningAndClosingWithoutAChangeLeavesTheSkinUnmodified) {
  openSkin("[DWM]\r\nShineAlpha=220\r\nBorderAlpha=0255\r\nButtonAlpha=255\r\nNoFlip=0\r\n"
           "[WindowFrame.Activetexture]\r\nButtonHue=10\r\n");
  const std::string before = temp.read("skins/S/S.uis");
  Session().modified = 1;  // as the main window marks it before opening an entry
  {
    FramelessFramesDialog dialog(SkinDocument::current());
    dialog.show();
    settle();
    dialog.closeButton()->click();
  }
  EXPECT_EQ(temp.read("skins/S/S.uis"), before);
  EXPECT_EQ(document->undoStack()->count(), 0);
  EXPECT_EQ(Session().modified, 0);

  // A real change stays after Close, as its own undo step, and the skin is modified.
  {
    FramelessFramesDialog dialog(SkinDocument::current());
    dialog.show();
    dialog.noFlipBox()->setChecked(true);
    settle();
    dialog.closeButton()->click();
  }
  EXPECT_EQ(skinValue("DWM", "NoFlip"), "1");
  EXPECT_EQ(document->undoStack()->count(), 1);
  EXPECT_EQ(Session().modified, 1);
}

TEST_F(FramelessFramesTest, HueSlidersDrawARainbowChannel) {
  openSkin("[WindowFrame.Activetexture]\r\nButtonHue=0\r\n");
  FramelessFramesDialog dialog(SkinDocument::current());
  dialog.resize(900, 700);
  dialog.show();
  HueSlider* slider = dialog.buttonHueSlider();
  const QRect channel = slider->channelRect();
  ASSERT_GT(channel.width(), 30);
  const QImage shot = slider->grab().toImage();
  const int y = channel.top() + 1;
  const QColor start = shot.pixelColor(channel.left(), y);
  const QColor third = shot.pixelColor(channel.left() + channel.width() / 3 + 1, y);
  const QColor twoThirds = shot.pixelColor(channel.left() + 2 * channel.width() / 3 + 1, y);
  EXPECT_GT(start.red(), start.green() + 100);      // hue 0: red
  EXPECT_GT(third.green(), third.red() + 100);      // hue 120: green
  EXPECT_GT(twoThirds.blue(), twoThirds.red() + 100);  // hue 240: blue
}

// The sample windows show the stored texture, border alpha and button hues.
TEST_F(FramelessFramesTest, PreviewBandShowsTheStoredTextureAlphaAndHue) {
  openSkin("[DWM]\r\nUseDWMFrames=1\r\nShineAlpha=0\r\nBorderAlpha=255\r\nButtonAlpha=255\r\n"
           "[Frames.Texture]\r\nImage=s\\frame.tga\r\n"
           "[WindowFrame.Activetexture]\r\nCloseButtonHue=120\r\n");
  writePicture("frame.tga", QColor(200, 160, 0));
  bindPreview();
  FramelessFramesDialog dialog(SkinDocument::current());
  dialog.resize(900, 700);
  dialog.show();
  dialog.flushRefresh();
  SkinPreviewBand* band = dialog.previewBand();
  const QRect window = band->activeWindowRect();
  // The right border of the active window, below the caption, where no other window lies.
  const QPoint border(window.right() - 3, window.bottom() - 20);
  QImage shot = band->render();
  EXPECT_EQ(shot.pixelColor(border), QColor(200, 160, 0));
  // The close button (rightmost, in the caption) is turned from red to green.
  auto closeButtonColour = [&](const QImage& image) {
    int red = 0, green = 0;
    for (int x = window.right() - 40; x < window.right() - 8; ++x) {
      for (int y = window.top() + 3; y < window.top() + 18; ++y) {
        const QColor c = image.pixelColor(x, y);
        red += c.red();
        green += c.green();
      }
    }
    return std::pair{red, green};
  };
  auto [red, green] = closeButtonColour(shot);
  EXPECT_GT(green, red);

  // Border alpha 0: the desktop shows through the border. Close hue back to default: red.
  dialog.borderAlphaSlider()->setValue(0);
  dialog.closeButtonHueDefaultBox()->setChecked(true);
  dialog.flushRefresh();
  shot = band->render();
  EXPECT_EQ(shot.pixelColor(border), shot.pixelColor(1, 1));  // the desktop
  std::tie(red, green) = closeButtonColour(shot);
  EXPECT_GT(red, green);
}

}  // namespace
}  // namespace tessera::ui
