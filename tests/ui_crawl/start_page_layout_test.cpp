// The start page (no skin open) shows its logo and its hint whole and apart, on the laptop
// screen at the size the window first opens at and at the smallest size the window takes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLayout>

#include "core/app/demo_environment.h"
#include "core/app/skin_actions.h"
#include "core/engine/engine_startup.h"
#include "core/platform/environment.h"
#include "core/platform/profile.h"
#include "core/platform/settings.h"
#include "core/skin/skin_session.h"
#include "crawl_support.h"
#include "support/temp_dir.h"
#include "ui/app/main_window.h"

namespace tessera::ui {
namespace {

class StartPageLayout : public testing::EnvironmentTest {
 protected:
  void SetUp() override {
    EnvironmentTest::SetUp();
    ASSERT_TRUE(layOutDemo(TESSERA_TEST_GENERATED_SKINS_DIR));
  }

  // Lays the window out at `size` and checks the logo and the hint there.
  static void expectApartAndWhole(MainWindow& window, QSize size) {
    SCOPED_TRACE(QStringLiteral("window %1 x %2").arg(size.width()).arg(size.height()).toStdString());
    window.resize(size);
    crawl::DrainEvents();
    const auto* logo = window.findChild<QLabel*>(QStringLiteral("startLogo"));
    const auto* hint = window.findChild<QLabel*>(QStringLiteral("startHint"));
    ASSERT_TRUE(logo && hint);
    ASSERT_TRUE(logo->isVisible() && hint->isVisible());
    ASSERT_FALSE(logo->pixmap().isNull()) << "the demo data folder has the logo";
    const QRect logoArea(logo->mapTo(&window, QPoint()), logo->size());
    const QRect hintArea(hint->mapTo(&window, QPoint()), hint->size());
    EXPECT_FALSE(logoArea.intersects(hintArea));
    EXPECT_GE(logo->height(), logo->pixmap().height());
    EXPECT_GE(logo->width(), logo->pixmap().width());
    // Every line of the wrapped hint shows.
    EXPECT_GE(hint->height(), hint->heightForWidth(hint->width()));
  }
};

TEST_F(StartPageLayout, LogoAndHintApartAtFirstAndSmallestSize) {
  MainWindow window("");
  window.show();
  ASSERT_FALSE(Session().isOpen());
  expectApartAndWhole(window, window.size());
  expectApartAndWhole(window, window.minimumSize());
  // The smallest size a stored placement is restored at.
  expectApartAndWhole(window, QSize(640, 480).expandedTo(window.minimumSize()));
}

TEST_F(StartPageLayout, LogoAndHintApartAfterASkinCloses) {
  MainWindow window(SkinMainFilePath("Copperline"));
  window.show();
  window.finishStartup();
  ASSERT_TRUE(Session().isOpen());
  window.closeSkin();
  ASSERT_FALSE(Session().isOpen());
  expectApartAndWhole(window, window.size());
  expectApartAndWhole(window, window.minimumSize());
}

}  // namespace
}  // namespace tessera::ui
