// Layers blended over the element's text ("LayerBlendOrder" 2).
#include <QPainter>

#include "render_fixture.h"
#include "standin/render/section_painter.h"

namespace tessera::testing {
namespace {

const QColor kGrey(128, 128, 128), kRed(255, 0, 0), kYellow(255, 255, 0);

class LayerOrderTest : public RenderTest {
 protected:
  // Base grey; layer 1 red (normal); layer 2 multiplies with yellow in the `order` given.
  void writeLayeredSkin(int order) {
    const std::string grey = writePicture("grey.png", SolidPicture(QSize(20, 20), kGrey));
    const std::string red = writePicture("red.png", SolidPicture(QSize(10, 20), kRed));
    const std::string yellow = writePicture("yellow.png", SolidPicture(QSize(20, 20), kYellow));
    writeSkin("[Base]\r\nImage=" + grey + "\r\nNextLayerName=A\r\n[Base:A]\r\nImage=" + red +
              "\r\nAlignLayerMode=1\r\nContentRight3=10\r\nNextLayerName=B\r\n[Base:A:B]\r\nImage=" + yellow +
              "\r\nAlphaMode=17\r\nLayerBlendOrder=" + std::to_string(order) + "\r\n");
    renderer.loadSkin(temp.file("skins/test/test.uis"));
  }
  QImage paint(render::TextLayers textLayers, bool withText) {
    QImage out(20, 20, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    render::PictureCache pictures;
    render::RenderContext context{renderer.skin(), pictures};
    QPainter painter(&out);
    render::PaintSection(painter, context, "Base", out.rect(), 1, textLayers);
    // Stand-in for the text: a white bar across the bottom rows.
    if (withText) painter.fillRect(QRect(0, 15, 20, 5), Qt::white);
    if (textLayers == render::TextLayers::Deferred) render::PaintLayersOverText(painter, context, "Base", out.rect(), 1);
    return out;
  }
};

TEST_F(LayerOrderTest, OverTextLayerBlendsLastWithoutText) {
  writeLayeredSkin(2);
  const QImage out = paint(render::TextLayers::Included, false);
  // Multiplied with yellow: red stays red, grey loses its blue.
  EXPECT_TRUE(PixelIs(out, 5, 5, kRed));
  EXPECT_TRUE(PixelIs(out, 15, 5, QColor(128, 128, 0)));
}

TEST_F(LayerOrderTest, OverTextLayerWaitsForTheText) {
  writeLayeredSkin(2);
  QImage out = paint(render::TextLayers::Deferred, true);
  // The text itself is multiplied: white becomes yellow; below it the section is as before.
  EXPECT_TRUE(PixelIs(out, 5, 17, kYellow));
  EXPECT_TRUE(PixelIs(out, 15, 5, QColor(128, 128, 0)));
  // Deferred but never asked for: the layer is left out.
  out = QImage(20, 20, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  {
    render::PictureCache pictures;
    render::RenderContext context{renderer.skin(), pictures};
    QPainter painter(&out);
    render::PaintSection(painter, context, "Base", out.rect(), 1, render::TextLayers::Deferred);
  }
  EXPECT_TRUE(PixelIs(out, 15, 5, kGrey));
  // Other orders are blended before the text, which stays white.
  writeLayeredSkin(0);
  EXPECT_TRUE(PixelIs(paint(render::TextLayers::Deferred, true), 5, 17, QColor(255, 255, 255)));
}

}  // namespace
}  // namespace tessera::testing
