// The window-frame groups of the section editor's large preview draw each preview state as it is
// named: the front window active, inactive or maximised, and the title-bar buttons in the look
// the state or the mouse gives them. Drawn by the preview library stand-in with the demo skins.
#include <gtest/gtest.h>

#include <QImage>

#include "core/app/demo_environment.h"
#include "core/app/preview_engine.h"
#include "core/app/qimage_bridge.h"
#include "core/app/skin_actions.h"
#include "core/editor/large_preview.h"
#include "core/engine/engine_startup.h"
#include "core/image/image_file.h"
#include "core/platform/environment.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "support/demo_skin_test.h"

namespace tessera {
namespace {

const QSize kCanvas(480, 360);

class LargePreviewStatesTest : public testing::DemoSkinTest {
 protected:
  static QImage render(int group, const std::string& section, int state, int buttonState = 1) {
    QImage canvas(kCanvas, QImage::Format_ARGB32_Premultiplied);
    LargePreviewRequest request;
    request.group = group;
    request.topLevelSection = section;
    request.currentSection = section;
    request.state = state;
    request.buttonState = buttonState;
    ComposeLargePreview(canvas, request);
    return canvas.convertToFormat(QImage::Format_RGB32);
  }
  // The front window: the preview area less its margin, moved by a fifth of its size. The
  // library takes the area's right and bottom as just outside the window.
  static QRect frontWindow() {
    const int margin = std::max(4, std::min(kCanvas.width(), kCanvas.height()) / 24);
    const QRect area = QRect(QPoint(0, 0), kCanvas).adjusted(margin, margin, -margin, -margin);
    const int dx = area.width() / 5, dy = area.height() / 5;
    return area.adjusted(dx, dy, -1, -1);
  }
  std::string skinPicture(const std::string& skin, const std::string& name) const {
    return paths::join(paths::join(skinsFolder(), skin), name);
  }
};

bool SavePicture(const std::string& path, const QImage& image) {
  const auto buffer = FromQImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  return buffer && SaveImageFile(path, *buffer, paths::lower(std::string(paths::extension(path))) == "bmp");
}

int Differing(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

TEST_F(LargePreviewStatesTest, EveryWindowStateDrawsDifferently) {
  struct Case {
    int group;
    const char* section;
    std::vector<int> states;
  };
  const Case cases[] = {{34, "Borders", {1, 2}},
                        {35, "Personality.Buttons", {1, 2, 3}},
                        {36, "ButtonOptions", {1, 2, 3}},
                        {37, "WindowFrame.CloseButton", {1, 2, 3, 5}}};
  for (const std::string skin : {"Aurora", "Copperline"}) {
    open(skin);
    for (const Case& c : cases) {
      SCOPED_TRACE(skin + " group " + std::to_string(c.group));
      std::vector<QImage> images;
      for (int state : c.states) images.push_back(render(c.group, c.section, state));
      for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
          EXPECT_GT(Differing(images[i], images[j]), 0) << "states " << c.states[i] << " and " << c.states[j];
    }
  }
}

// Copperline's borders hold the active look in their first frame and the inactive one in the
// second; the bottom border's left corner is drawn unscaled at the window's bottom-left.
TEST_F(LargePreviewStatesTest, InactiveFrontWindowShowsTheInactiveFramePicture) {
  open("Copperline");
  const std::optional<ImageBuffer> loaded = LoadImageFile(skinPicture("Copperline", "bottom.bmp"));
  ASSERT_TRUE(loaded);
  const QImage bottom = ToQImage(*loaded).convertToFormat(QImage::Format_RGB32);
  const int height = bottom.height() / 2;
  const int corner = static_cast<int>(profile::GetInt("Personality", "BottomTopHeight", 0, Session().mainFile));
  ASSERT_GT(corner, 0);
  const QRect front = frontWindow();
  const QPoint origin(front.left(), front.bottom() + 1 - height);
  for (int group : {34, 35, 36}) {
    SCOPED_TRACE(group);
    const QImage active = render(group, "Borders", 1);
    const QImage inactive = render(group, "Borders", 2);
    int compared = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < corner; ++x) {
        const QRgb activeLook = bottom.pixel(x, y), inactiveLook = bottom.pixel(x, y + height);
        if (activeLook == inactiveLook || qRgb(255, 0, 255) == activeLook || qRgb(255, 0, 255) == inactiveLook) continue;
        ++compared;
        EXPECT_EQ(inactive.pixel(origin + QPoint(x, y)), inactiveLook) << x << "," << y;
        EXPECT_EQ(active.pixel(origin + QPoint(x, y)), activeLook) << x << "," << y;
      }
    }
    EXPECT_GT(compared, 0);
  }
}

// Both demo skins have a restore button shown only on maximised windows: its picture appears in
// the "Maximized" state and nowhere else.
TEST_F(LargePreviewStatesTest, MaximizedStateShowsTheRestoreButton) {
  for (const std::string skin : {"Aurora", "Copperline"}) {
    SCOPED_TRACE(skin);
    open(skin);
    std::string restore;
    for (int i = 0; i < 20 && restore.empty(); ++i) {
      const std::string picture =
          profile::ReadString(("Button" + std::to_string(i)).c_str(), "ButtonImage", "", Session().mainFile);
      if (paths::lower(picture).find("restore") != std::string::npos) restore = paths::resolve(paths::join(skinsFolder(), picture));
    }
    ASSERT_FALSE(restore.empty());
    const QImage active = render(35, "Personality.Buttons", 1);
    const QImage maximised = render(35, "Personality.Buttons", 3);
    // Repaint the restore picture in one flat colour: only the maximised window changes.
    const std::optional<ImageBuffer> loaded = LoadImageFile(restore);
    ASSERT_TRUE(loaded);
    QImage flat(ToQImage(*loaded).size(), QImage::Format_ARGB32);
    flat.fill(QColor(10, 200, 30));
    ASSERT_TRUE(SavePicture(restore, flat));
    Preview().DestroyBitmaps_and_Masks();
    EXPECT_EQ(Differing(render(35, "Personality.Buttons", 1), active), 0);
    EXPECT_GT(Differing(render(35, "Personality.Buttons", 3), maximised), 0);
  }
}

// Groups whose states are button looks keep them on the front window's buttons; in the
// window-state groups the mouse gives the buttons their look in any state.
TEST_F(LargePreviewStatesTest, ButtonLooksFollowTheStateOrTheMouse) {
  open("Aurora");
  const QImage normal = render(37, "WindowFrame.CloseButton", 1);
  EXPECT_GT(Differing(render(37, "WindowFrame.CloseButton", 2), normal), 0);
  EXPECT_GT(Differing(render(37, "WindowFrame.CloseButton", 3), normal), 0);
  for (int state : {1, 3}) {
    SCOPED_TRACE(state);
    const QImage still = render(35, "Personality.Buttons", state);
    EXPECT_GT(Differing(render(35, "Personality.Buttons", state, 2), still), 0);
    EXPECT_GT(Differing(render(35, "Personality.Buttons", state, 3), still), 0);
  }
}

}  // namespace
}  // namespace tessera
