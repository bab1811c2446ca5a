// The one screen colour picker, with a preview control of its dialog's own or with its magnifier.
#include "ui/colours/screen_pick_icon.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

namespace tessera::ui {
namespace {

TEST(ScreenPickIcon, WithoutAPreviewControlAMagnifierFollowsThePointer) {
  QWidget window;
  auto* picker = new ScreenPickIcon(nullptr, &window);
  std::vector<QPoint> read;
  picker->setPixelReader([&read](const QPoint& at) -> std::optional<ColorRef> {
    read.push_back(at);
    return MakeColorRef(12, 34, 56);
  });
  std::vector<unsigned int> picked;
  QObject::connect(picker, &ScreenPickIcon::colourPicked, [&picked](unsigned int colour) { picked.push_back(colour); });
  window.show();

  QTest::mousePress(picker, Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_NE(picker->magnifier(), nullptr);
  EXPECT_TRUE(picker->magnifier()->isVisible());
  QTest::mouseRelease(picker, Qt::LeftButton, {}, QPoint(5, 6));
  EXPECT_EQ(picker->magnifier(), nullptr);
  EXPECT_EQ(picked, std::vector<unsigned int>{MakeColorRef(12, 34, 56)});
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read.back(), picker->mapToGlobal(QPoint(5, 6)));
}

}  // namespace
}  // namespace tessera::ui
