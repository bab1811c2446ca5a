// The main window's large preview and the skin thumbnail, drawn by the stand-in preview library
// with the demo skins.
#include <gtest/gtest.h>

#include <QImage>

#include "core/app/category_preview.h"
#include "core/app/demo_environment.h"
#include "core/app/preview_engine.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "support/demo_skin_test.h"
#include "ui/app/preview_view.h"

namespace tessera::ui {
namespace {

const QSize kArea(640, 480);

class DemoPreviewTest : public testing::DemoSkinTest {
 protected:
  static QImage render(int kind) {
    PreviewView view;
    view.setCategoryKind(kind);
    return view.render(kArea, 1).convertToFormat(QImage::Format_RGB32);
  }
  static QColor desktop() {
    const ColorRef c = Session().desktopColour;
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
  }
};

// How many pixels of `rect` differ between the two pictures.
int Differing(const QImage& a, const QImage& b, const QRect& rect) {
  int count = 0;
  const QRect r = rect.intersected(a.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

bool Near(QRgb pixel, const QColor& colour) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
             std::abs(qBlue(pixel) - colour.blue()) <= 24;
}

TEST_F(DemoPreviewTest, ThumbnailShowsTheWholeSampleWindowOnTheDesktop) {
  for (const std::string skin : {"Aurora", "Copperline"}) {
    SCOPED_TRACE(skin);
    open(skin);
    // A preview area as large as the main window's: the preview stays inside the sample window.
    ASSERT_TRUE(WriteThumbnail(0, 0, 900, 700));
    const QImage thumbnail(QString::fromStdString(skinsFolder() + "/" + skin + "/TSRPreview.png"));
    ASSERT_EQ(thumbnail.size(), QSize(240, 180));
    const QColor background = desktop();
    // The window lies in (300, 18)-(750, 500) of 800 x 600, a tenth of that scaled to 240 x 180:
    // its frame's corners are drawn, and beside it is the desktop.
    // (20 pixels lower without "ButtonCount").
    const int down = Session().hasButtonCount == 1 ? 0 : 6;
    EXPECT_FALSE(Near(thumbnail.pixel(95, 10 + down), background));
    EXPECT_FALSE(Near(thumbnail.pixel(223, 148 + down), background));
    EXPECT_FALSE(Near(thumbnail.pixel(157, 148 + down), background));
    for (const QPoint outside : {QPoint(40, 60), QPoint(85, 100), QPoint(232, 60), QPoint(232, 140), QPoint(150, 163)})
      EXPECT_TRUE(Near(thumbnail.pixel(outside), background)) << outside.x() << "," << outside.y();
    // Not mostly white.
    int white = 0;
    for (int y = 0; y < 180; ++y)
      for (int x = 0; x < 240; ++x) white += Near(thumbnail.pixel(x, y), Qt::white);
    EXPECT_LT(white, 240 * 180 / 2);
    ResetSkin();
  }
}

TEST_F(DemoPreviewTest, EachCategoryShowsItsOwnElements) {
  for (const std::string skin : {"Aurora", "Copperline"}) {
    SCOPED_TRACE(skin);
    open(skin);
    // The animations category shows the plain sample window and task bar.
    const QImage plain = render(4);
    for (const int kind : {0, 1, 2, 3, 5, 6, 8}) {
      SCOPED_TRACE(kind);
      const QImage picture = render(kind);
      EXPECT_GT(Differing(picture, plain, picture.rect()), kArea.width() * kArea.height() / 20);
      // Every element drawn for the category changes its own part of the picture.
      for (const CategoryPreviewCall& call : CategoryPreviewCalls(kind, kArea)) {
        if (call.step == CategoryPreviewStep::TaskBar || call.step == CategoryPreviewStep::ActiveWindow) continue;
        EXPECT_GT(Differing(picture, plain, call.rect), call.rect.width() * call.rect.height() / 50)
            << "kind " << call.kind << " at " << call.rect.x() << "," << call.rect.y();
      }
    }
    ResetSkin();
  }
}

TEST_F(DemoPreviewTest, WindowFramesShowTheActiveAndTheInactiveFrame) {
  open("Aurora");
  const std::vector<CategoryPreviewCall> calls = CategoryPreviewCalls(2, kArea);
  ASSERT_EQ(calls[0].step, CategoryPreviewStep::InactiveWindow);
  ASSERT_EQ(calls[1].step, CategoryPreviewStep::ActiveWindow);
  const QRect back = calls[0].rect;
  const QRect front = calls[1].rect;
  // The corner band of the frame, which the front window does not cover.
  const QSize corner(back.width() / 2, 30);
  const QRect backCorner(back.topLeft(), corner);
  const QRect frontCorner(front.topLeft(), corner);
  const QImage both = render(2);
  EXPECT_GT(Differing(both.copy(backCorner), both.copy(frontCorner), QRect(QPoint(0, 0), corner)),
            corner.width() * corner.height() / 4);

  // Giving the inactive look the active frame changes the back window only; the other way round
  // changes the front window.
  const std::string file = Session().mainFile;
  ASSERT_TRUE(profile::WriteString("Borders", "NormalInactiveFrame", "0", file));
  RefreshPreview();
  const QImage sameFrames = render(2);
  EXPECT_GT(Differing(both, sameFrames, backCorner), corner.width() * corner.height() / 4);
  EXPECT_EQ(Differing(both, sameFrames, front.adjusted(0, 40, 0, 0)), 0);
  ASSERT_TRUE(profile::WriteString("Borders", "NormalActiveFrame", "1", file));
  RefreshPreview();
  EXPECT_GT(Differing(sameFrames, render(2), frontCorner), corner.width() * corner.height() / 4);
}

// Pixels of `a` and `b` (same size) whose colours are further apart than a little smoothing.
int Unlike(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      count += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 96;
    }
  }
  return count;
}

TEST_F(DemoPreviewTest, AtScaleFactorTwoThePreviewIsTheSamePictureWithTwiceThePixels) {
  open("Aurora");
  for (const int kind : {1, 2, 3, 5}) {
    SCOPED_TRACE(kind);
    PreviewView view;
    view.setCategoryKind(kind);
    const QImage single = view.render(kArea, 1).convertToFormat(QImage::Format_RGB32);
    const QImage twice = view.render(kArea, 2);
    ASSERT_EQ(twice.size(), kArea * 2) << "drawn at the screen's own resolution";
    const QImage reduced =
        twice.scaled(kArea, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    // Title bars, menus and text keep their size: only edges and letters differ by smoothing.
    EXPECT_LT(Unlike(single, reduced), kArea.width() * kArea.height() / 50);
  }
}

}  // namespace
}  // namespace tessera::ui
