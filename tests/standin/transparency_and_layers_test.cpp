// Transparency of pictures (magenta key, alpha) and layers blended by their modes.
#include <QPainter>

#include "core/skin/layer_chain.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"
#include "render_fixture.h"
#include "standin/render/blend_modes.h"
#include "standin/render/section_painter.h"

namespace tessera::testing {
namespace {

const QColor kMagenta(255, 0, 255), kBlue(0, 0, 255), kWhite(255, 255, 255);

QImage HalfMagenta() {
  QImage image(20, 10, QImage::Format_ARGB32);
  image.fill(kBlue);
  QPainter(&image).fillRect(0, 0, 10, 10, kMagenta);
  return image;
}

class TransparencyTest : public RenderTest {};

TEST_F(TransparencyTest, MagentaIsTransparentOnlyWhenTransIsSet) {
  const std::string slot = writePicture("keyed.bmp", HalfMagenta());
  writeSkin("[Keyed]\r\nImage=" + slot + "\r\nTrans=1\r\n");
  QImage out = renderSection("Keyed", QSize(20, 10), 1, 0, kWhite);
  EXPECT_TRUE(PixelIs(out, 5, 5, kWhite));
  EXPECT_TRUE(PixelIs(out, 15, 5, kBlue));

  writeSkin("[Keyed]\r\nImage=" + slot + "\r\n");
  out = renderSection("Keyed", QSize(20, 10), 1, 0, kWhite);
  EXPECT_TRUE(PixelIs(out, 5, 5, kMagenta));
}

TEST_F(TransparencyTest, PerPixelAlphaBlendsOverTheBackground) {
  QImage picture(10, 10, QImage::Format_ARGB32);
  picture.fill(QColor(0, 0, 0, 128));
  const std::string slot = writePicture("alpha.tga", picture);
  writeSkin("[Alpha]\r\nImage=" + slot + "\r\nPerPixel=1\r\n");
  QImage out = renderSection("Alpha", QSize(10, 10), 1, 0, kWhite);
  EXPECT_NEAR(qRed(out.pixel(5, 5)), 127, 2);
  // Without "PerPixel" the alpha channel is ignored.
  writeSkin("[Alpha]\r\nImage=" + slot + "\r\n");
  out = renderSection("Alpha", QSize(10, 10), 1, 0, kWhite);
  EXPECT_LE(qRed(out.pixel(5, 5)), 1);
}

TEST_F(TransparencyTest, MissingAndDamagedPicturesDrawNothing) {
  temp.write("skins/test/broken.tga", std::string("\x00\x00\x02\x00\x00\x00\x00\x00", 8) + std::string(100, '\xff'));
  temp.write("skins/test/broken.png", "\x89PNG\r\n\x1a\nnot really");
  writeSkin("[A]\r\nImage=test\\broken.tga\r\n[B]\r\nImage=test\\broken.png\r\n[C]\r\nImage=test\\missing.bmp\r\n"
            "[D]\r\nImage=..\\..\\etc\\passwd\r\n");
  for (const char* section : {"A", "B", "C", "D"}) {
    const QImage out = renderSection(section, QSize(16, 16));
    EXPECT_TRUE(PixelIsClear(out, 8, 8)) << section;
  }
}

TEST_F(TransparencyTest, OlderMasksCutWherePaintedWhite) {
  QImage mask(20, 10, QImage::Format_ARGB32);
  mask.fill(Qt::black);
  QPainter(&mask).fillRect(0, 0, 10, 10, Qt::white);
  const std::string maskSlot = writePicture("mask.bmp", mask);
  const std::string picture = writePicture("blue.bmp", SolidPicture(QSize(20, 10), kBlue));
  writeSkin("[Old]\r\nBitmap=" + picture + "\r\nBitmapMask=" + maskSlot + "\r\n");
  const QImage out = renderSection("Old", QSize(20, 10), 1, 0, kWhite);
  EXPECT_TRUE(PixelIs(out, 5, 5, kWhite));
  EXPECT_TRUE(PixelIs(out, 15, 5, kBlue));
}

class LayerTest : public RenderTest {};

TEST_F(LayerTest, AlignLayerModeAndBlendOrderPlaceTheLayer) {
  const std::string grey = writePicture("grey.png", SolidPicture(QSize(30, 30), QColor(128, 128, 128)));
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 10), QColor(255, 0, 0)));
  const std::string base = "[Base]\r\nImage=" + grey +
                           "\r\nTopHeight=10\r\nBottomHeight=10\r\nLeftWidth=10\r\nRightWidth=10\r\nNextLayerName=L\r\n";
  // Inside the sizing margins only.
  writeSkin(base + "[Base:L]\r\nImage=" + red + "\r\nAlignLayerMode=2\r\n");
  QImage out = renderSection("Base", QSize(60, 40));
  EXPECT_TRUE(PixelIs(out, 5, 5, QColor(128, 128, 128)));
  EXPECT_TRUE(PixelIs(out, 30, 20, QColor(255, 0, 0)));
  EXPECT_TRUE(PixelIs(out, 49, 29, QColor(255, 0, 0)));
  EXPECT_TRUE(PixelIs(out, 50, 30, QColor(128, 128, 128)));
  // Under the base layer: the opaque base hides it.
  writeSkin(base + "[Base:L]\r\nImage=" + red + "\r\nLayerBlendOrder=1\r\n");
  out = renderSection("Base", QSize(60, 40));
  EXPECT_TRUE(PixelIs(out, 30, 20, QColor(128, 128, 128)));
}

TEST_F(LayerTest, MultiplyLayerDarkensTheBase) {
  const std::string grey = writePicture("grey.png", SolidPicture(QSize(10, 10), QColor(128, 128, 128)));
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 10), QColor(255, 0, 0)));
  writeSkin("[Base]\r\nImage=" + grey + "\r\nNextLayerName=L\r\n[Base:L]\r\nImage=" + red + "\r\nAlphaMode=17\r\n");
  QImage out = renderSection("Base", QSize(10, 10));
  EXPECT_TRUE(PixelIs(out, 5, 5, QColor(128, 0, 0)));

  writeSkin("[Base]\r\nImage=" + grey + "\r\nNextLayerName=L\r\n[Base:L]\r\nImage=" + red + "\r\nAlphaMode=0\r\n");
  out = renderSection("Base", QSize(10, 10));
  EXPECT_TRUE(PixelIs(out, 5, 5, QColor(255, 0, 0)));
}

TEST_F(LayerTest, ADeletedLayerIsNoLongerDrawnNorBroughtBackByANewOne) {
  // As the section editor does it: add a layer, give it a picture, delete it, add another.
  EnableSkinWrites();
  const std::string grey = writePicture("grey.png", SolidPicture(QSize(10, 10), QColor(128, 128, 128)));
  const std::string red = writePicture("red.png", SolidPicture(QSize(10, 10), QColor(255, 0, 0)));
  const std::string file = writeSkin("[Base]\r\nImage=" + grey + "\r\n");
  const std::string layer = AddLayer("Base", file);
  WriteSkinString(layer, "Image", red, file);
  EXPECT_TRUE(PixelIs(renderSection("Base", QSize(10, 10)), 5, 5, QColor(255, 0, 0)));

  ASSERT_TRUE(DeleteLayer("Base", 1, file));
  EXPECT_TRUE(PixelIs(renderSection("Base", QSize(10, 10)), 5, 5, QColor(128, 128, 128)));
  ASSERT_EQ(AddLayer("Base", file), layer);
  EXPECT_TRUE(PixelIs(renderSection("Base", QSize(10, 10)), 5, 5, QColor(128, 128, 128)));
}

TEST_F(LayerTest, ColourOnlyModesLeaveGreyPixelsAlone) {
  QImage base(20, 10, QImage::Format_ARGB32);
  base.fill(QColor(128, 128, 128));
  QPainter(&base).fillRect(10, 0, 10, 10, QColor(0, 200, 100));
  const std::string baseSlot = writePicture("base.png", base);
  const std::string black = writePicture("black.png", SolidPicture(QSize(20, 10), QColor(0, 0, 0)));
  // 28: multiply onto colour destination only.
  writeSkin("[Base]\r\nImage=" + baseSlot + "\r\nNextLayerName=L\r\n[Base:L]\r\nImage=" + black + "\r\nAlphaMode=28\r\n");
  const QImage out = renderSection("Base", QSize(20, 10));
  EXPECT_TRUE(PixelIs(out, 5, 5, QColor(128, 128, 128)));
  EXPECT_TRUE(PixelIs(out, 15, 5, QColor(0, 0, 0)));
}

TEST_F(LayerTest, AutomaskKeepsTheLayerInsideTheBase) {
  QImage layer(10, 10, QImage::Format_ARGB32_Premultiplied);
  layer.fill(QColor(255, 255, 255));
  QImage destination(10, 10, QImage::Format_ARGB32_Premultiplied);
  destination.fill(Qt::transparent);
  QPainter(&destination).fillRect(0, 0, 5, 10, QColor(100, 100, 100));
  render::BlendLayer(destination, layer, render::BlendModeOf(119));  // screen with automask
  EXPECT_TRUE(PixelIs(destination, 2, 2, QColor(255, 255, 255)));
  EXPECT_TRUE(PixelIsClear(destination, 7, 2));
  EXPECT_EQ(render::BlendModeOf(999).composition, QPainter::CompositionMode_SourceOver);
}

TEST_F(LayerTest, EndlessChainsAreCut) {
  // Every layer names a next one: the chain would never end.
  std::string uis = "[S]\r\nNextLayerName=L\r\n";
  std::string name = "S";
  for (int i = 0; i < 3000; ++i) {
    name += ":L";
    uis += "[" + name + "]\r\nNextLayerName=L\r\n";
  }
  writeSkin(uis);
  const render::SkinModel skin(temp.file("skins/test/test.uis"));
  const auto chain = render::LayerChain(skin, "S");
  EXPECT_EQ(static_cast<int>(chain.size()), render::kMaxLayers);
  EXPECT_EQ(chain[1], "S:L:L");
  // A name that comes back in another letter case ends the chain.
  writeSkin("[S]\r\nNextLayerName=A\r\n[S:A]\r\nNextLayerName=B\r\n");
  const render::SkinModel short_skin(temp.file("skins/test/test.uis"));
  EXPECT_EQ(render::LayerChain(short_skin, "S"), (std::vector<std::string>{"S:A", "S:A:B"}));
}

}  // namespace
}  // namespace tessera::testing
