#include <gtest/gtest.h>

#include "core/image/cut_links.h"
#include "core/image/frame_builder.h"
#include "core/image/frame_strip.h"
#include "core/image/image_file.h"
#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/platform/prompt.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_session.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

std::uint32_t frameColour(int i) { return MakePixel(40 * i + 10, 200 - 30 * i, 7 * i, 255); }

// A horizontal strip of `frames` frames, each filled with its own colour except a transparent
// top-left pixel.
ImageBuffer horizontalStrip(int frameWidth, int height, int frames, int extraColumns = 0) {
  auto image = CreateImage(frameWidth * frames + extraColumns, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < image->width(); ++x) image->setPixelAt(x, y, frameColour(std::min(x / frameWidth, frames - 1)));
  for (int i = 0; i < frames; ++i) image->setPixelAt(i * frameWidth, 0, 0);
  return std::move(*image);
}

class StripTest : public testing::EnvironmentTest {};

TEST_F(StripTest, FlipsTurnStripsAroundAndBack) {
  const ImageBuffer strip = horizontalStrip(24, 24, 4);
  const std::string path = temp.file("x.png");
  ASSERT_TRUE(SaveImageFile(path, strip, false));
  ASSERT_TRUE(FlipHorizontalToVertical(path, 4));
  // TGA data in a .png file.
  EXPECT_EQ(temp.read("x.png")[2], 2);
  auto vertical = LoadImageFile(path);
  ASSERT_TRUE(vertical);
  ASSERT_EQ(vertical->width(), 24);
  ASSERT_EQ(vertical->height(), 96);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(vertical->pixelAt(5, i * 24 + 5), frameColour(i)) << i;
    EXPECT_EQ(vertical->pixelAt(0, i * 24), 0u);
  }
  ASSERT_TRUE(FlipVerticalToHorizontal(path, 4));
  auto back = LoadImageFile(path);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->width(), 96);
  EXPECT_EQ(std::vector<std::uint32_t>(back->pixels(), back->pixels() + back->pixelCount()),
            std::vector<std::uint32_t>(strip.pixels(), strip.pixels() + strip.pixelCount()));
}

TEST_F(StripTest, BmpTargetsGetMagentaAndRemainderColumnsAreDropped) {
  const std::string path = temp.file("x.bmp");
  ASSERT_TRUE(SaveImageFile(path, horizontalStrip(24, 24, 4, 2), false));  // TGA bytes, 98 wide
  ASSERT_TRUE(FlipHorizontalToVertical(path, 4));
  EXPECT_EQ(temp.read("x.bmp").substr(0, 2), "BM");
  auto vertical = LoadImageFile(path);
  ASSERT_TRUE(vertical);
  EXPECT_EQ(vertical->width(), 24);
  EXPECT_EQ(vertical->height(), 96);
  EXPECT_EQ(vertical->pixelAt(0, 24), MakePixel(255, 0, 255, 255));  // the key colour
  EXPECT_EQ(vertical->pixelAt(3, 3), frameColour(0));
  EXPECT_FALSE(FlipHorizontalToVertical(temp.file("missing.bmp"), 4));

  EXPECT_TRUE(SavesStripAsTga("C:\\art\\x.PNG"));
  EXPECT_TRUE(SavesStripAsTga("x.tga.bak"));
  EXPECT_FALSE(SavesStripAsTga(".tga"));
  EXPECT_FALSE(SavesStripAsTga("x.bmp"));
}

TEST_F(StripTest, CutsAreNormalisedClippedAndLinked) {
  const ImageBuffer source = horizontalStrip(10, 10, 3);
  const auto cut = CutOut(source, {15, 8, 5, 2});  // dragged up and to the left
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->width(), 10);
  EXPECT_EQ(cut->height(), 6);
  EXPECT_EQ(cut->pixelAt(0, 0), frameColour(0));
  EXPECT_EQ(cut->pixelAt(9, 0), frameColour(1));
  const auto clipped = CutOut(source, {25, 5, 40, 40});
  ASSERT_TRUE(clipped);
  EXPECT_EQ(clipped->width(), 5);
  EXPECT_EQ(clipped->height(), 5);
  EXPECT_FALSE(CutOut(source, {50, 0, 60, 10}));

  const std::string main = writeSkin("MySkin", "[Personality]\r\n");
  OpenSkinFiles(main, "");
  const std::string sourcePath = temp.write("art/big.tga", EncodeTga(source));
  const std::string bmp = skinsFolder() + "/MySkin/part.bmp";
  const std::string tga = skinsFolder() + "/MySkin/part.tga";
  ASSERT_TRUE(SaveCutOut(source, {0, 0, 4, 4}, bmp));
  ASSERT_TRUE(SaveCutOut(source, {0, 0, 4, 4}, tga));
  EXPECT_EQ(temp.read("skins/MySkin/part.bmp").substr(0, 2), "BM");
  LinkCutOutToSection("Part", 0, bmp);
  EXPECT_EQ(profile::ReadString("Part", "Image", "", Session().mainFile), "MySkin\\part.bmp");
  EXPECT_EQ(profile::ReadString("Part", "PerPixel", "", Session().mainFile), "0");
  EXPECT_EQ(profile::ReadString("Part", "Trans", "none", Session().mainFile), "none");
  LinkCutOutToSection("Part2", 0, tga);
  EXPECT_EQ(profile::ReadString("Part2", "Trans", "", Session().mainFile), "1");
  EXPECT_EQ(profile::ReadString("Part2", "PerPixel", "", Session().mainFile), "1");

  RecordCutLink(sourcePath, tga, {8, 9, 2, 1});
  const std::string index = Session().mainFile + ".CutLink";
  EXPECT_EQ(profile::ReadString(sourcePath, "Linked", "", index), "1");
  const auto time = files::lastWriteTime(sourcePath);
  EXPECT_EQ(profile::GetInt(sourcePath, "LastEdit2", 0, index), time->low);
  const auto entries = ReadCutList(sourcePath);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].target, tga);
  EXPECT_EQ(entries[0].rect, (CutRect{2, 1, 8, 9}));
  EXPECT_TRUE(entries[0].tga);
}

class ScriptedPrompt : public Prompt {
 public:
  PromptAnswer askYesNo(std::string_view, std::string_view) override {
    ++asked;
    return answer;
  }
  void inform(std::string_view, std::string_view) override {}
  PromptAnswer answer = PromptAnswer::No;
  int asked = 0;
};

TEST_F(StripTest, FrameBuilderKeepsFramesWhenTheCountChanges) {
  temp.write("skins/Tessera7/subsections.ini", "[Button]\r\nImageCount=5\r\nStateList=2\r\n");
  temp.write("skins/Tessera7/statelist.ini", "[2]\r\nNormal=1\r\nHot=a=2\r\n");
  const std::string main = writeSkin("MySkin", "[Button]\r\nVert=1\r\n");
  OpenSkinFiles(main, "");
  const std::string framePicture = temp.write("art/frame.tga", EncodeTga(horizontalStrip(8, 6, 1)));

  BuilderPath().clear();
  FrameBuilderModel builder;
  builder.open("Button");
  EXPECT_EQ(builder.frameCount(), 5);
  EXPECT_EQ(builder.selectedFrame(), 4);
  EXPECT_EQ(builder.frameLabel(0), "Normal");
  EXPECT_EQ(builder.frameLabel(1), "Hot=a");
  EXPECT_EQ(builder.frameLabel(2), kAdditionalFrameLabel);

  // The first picture sets the frame size and lands in the selected frame only.
  ASSERT_TRUE(builder.importPicture(framePicture));
  EXPECT_EQ(builder.strip().width(), 40);
  EXPECT_EQ(builder.strip().pixelAt(4 * 8 + 3, 3), frameColour(0));
  EXPECT_EQ(builder.strip().pixelAt(3, 3), 0u);
  builder.importIntoAllFrames = true;
  ASSERT_TRUE(builder.importPicture(framePicture));
  EXPECT_EQ(builder.strip().pixelAt(3, 3), frameColour(0));

  builder.setFrameCount(3);
  EXPECT_EQ(builder.strip().width(), 24);
  EXPECT_EQ(builder.selectedFrame(), 2);
  builder.setFrameCount(5);
  EXPECT_EQ(builder.strip().width(), 40);
  EXPECT_EQ(builder.strip().pixelAt(2 * 8 + 3, 3), frameColour(0));
  EXPECT_EQ(builder.strip().pixelAt(4 * 8 + 3, 3), 0u);  // added back transparent

  ScriptedPrompt prompt;
  InstallPrompt(&prompt);
  EXPECT_FALSE(builder.mayClose());
  EXPECT_EQ(prompt.asked, 1);

  builder.stackVertically = true;
  const std::string saved = temp.file("skins/MySkin/built.tga");
  ASSERT_TRUE(builder.save(saved));
  EXPECT_TRUE(builder.mayClose());
  EXPECT_EQ(BuilderPath(), saved);
  const auto picture = LoadImageFile(saved);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width(), 8);
  EXPECT_EQ(picture->height(), 30);
  EXPECT_EQ(picture->pixelAt(3, 2 * 6 + 3), frameColour(0));

  // Opening on the saved picture with the section's Vert key splits the stack again.
  FrameBuilderModel again;
  again.open("Button");
  EXPECT_TRUE(again.imageIsVertical);
  EXPECT_FALSE(again.isEmpty());
  EXPECT_EQ(again.frameWidth(), 8);
  EXPECT_EQ(again.strip().width(), 40);
  EXPECT_EQ(again.suggestedSaveName(), saved);
  BuilderPath() = temp.file("x.BMP");
  again.open("");
  EXPECT_FALSE(again.saveWithAlpha);
  EXPECT_TRUE(again.isEmpty());
  InstallPrompt(nullptr);
}

}  // namespace
}  // namespace tessera
