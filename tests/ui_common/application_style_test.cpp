#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QStyle>

#include "ui/common/application_style.h"
#include "ui/common/appearance.h"

namespace tessera::ui {
namespace {

bool ImagePluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
  }
  return count;
}

TEST(ApplicationStyleTest, EveryAppearanceWrapsItsStyleAndKeepsItsName) {
  const QString desktop = StyleName();
  ApplyAppearance(Appearance::Dark);
  EXPECT_NE(dynamic_cast<ApplicationStyle*>(QApplication::style()), nullptr);
  EXPECT_EQ(StyleName().toLower(), "fusion");
  ApplyAppearance(Appearance::Desktop);
  EXPECT_NE(dynamic_cast<ApplicationStyle*>(QApplication::style()), nullptr);
  EXPECT_EQ(StyleName(), desktop);
}

TEST(ApplicationStyleTest, OverflowArrowsAreDrawnInTheButtonTextColourAndPointTheirWay) {
  ApplyAppearance(Appearance::Desktop);
  QWidget owner;
  const QIcon across = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &owner);
  const QIcon down = QApplication::style()->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton, nullptr, &owner);
  const QImage a = across.pixmap(16, 16).toImage();
  const QImage d = down.pixmap(16, 16).toImage();
  ASSERT_FALSE(a.isNull());
  EXPECT_GT(OpaquePixels(a), 10);
  EXPECT_EQ(OpaquePixels(a), OpaquePixels(d));  // the same chevrons, turned
  EXPECT_NE(a, d);
  // The densest pixel is the palette's button text colour.
  const QColor text = owner.palette().color(QPalette::ButtonText);
  bool found = false;
  for (int y = 0; y < a.height() && !found; ++y) {
    for (int x = 0; x < a.width() && !found; ++x) {
      const QColor c = a.pixelColor(x, y);
      found = c.alpha() == 255 && c.rgb() == text.rgb();
    }
  }
  EXPECT_TRUE(found);
}

TEST(ApplicationStyleTest, AMenuBarIsBuiltWithoutLoadingImagePlugins) {
  if (ImagePluginLoaded()) GTEST_SKIP() << "an earlier test of this program loaded the image plugins";
  ApplyAppearance(Appearance::Desktop);
  QMenuBar bar;
  bar.addMenu(QStringLiteral("&Skin"));
  EXPECT_FALSE(ImagePluginLoaded());
}

}  // namespace
}  // namespace tessera::ui
