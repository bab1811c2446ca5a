// The category pane's rows: on a dark palette every picture stands on a pale tile.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ui/app/category_pane.h"
#include "ui/app/interface_pictures.h"
#include "ui/common/appearance.h"

namespace tessera::ui {
namespace {

// The colour just inside the corner of the row's picture, where a tile shows around it.
QColor besideThePicture(const QPalette& palette) {
  InterfacePictures pictures;
  CategoryPane pane(pictures);
  pane.setPalette(palette);
  pane.resize(300, 200);
  QPixmap dark(32, 32);
  dark.fill(Qt::transparent);  // the picture leaves its corner clear
  pane.addItem(1, QStringLiteral("Animations"), dark);
  pane.show();
  const QRect row = pane.visualItemRect(pane.item(0));
  const QImage shot = pane.viewport()->grab().toImage();
  const int line = pane.fontMetrics().height();
  const QPoint corner(row.left() + line / 2 + 2, row.top() + (row.height() - 2 * line) / 2 + 2);
  return shot.pixelColor(corner);
}

TEST(CategoryPaneTest, PicturesStandOnAPaleTileOnlyOnADarkPalette) {
  EXPECT_GT(besideThePicture(DarkPalette()).lightness(), 150) << "a pale tile on the dark pane";
  QPalette light = DarkPalette();
  light.setColor(QPalette::Base, Qt::white);
  light.setColor(QPalette::Text, Qt::black);
  EXPECT_EQ(besideThePicture(light).rgb(), QColor(Qt::white).rgb()) << "no tile on a light pane";
}

}  // namespace
}  // namespace tessera::ui
