// The title-bar buttons of the engine's programs: hover and press, the glow's fade-in time, the
// animation clock and the maximise buttons, driven step by step instead of by the timer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "standin/programs/titlebar_driver.h"
#include "support/temp_dir.h"

namespace tessera::standin {
namespace {

class TitleBarDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The driver's timer needs an application object.
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "titlebar_driver_test";
      static char* argv[] = {name, nullptr};
      static QCoreApplication app(argc, argv);
    }
  }
  std::string skin(const std::string& text) { return temp.write("skins/s/s.uis", text); }
  testing::TempDir temp;
};

// Button 0 maximises, button 1 has a glow that fades in over 200 ms, button 2 minimises.
const char* const kStill =
    "[Personality]\r\nButtonCount=3\r\n[Button0]\r\nAction=1\r\n[Button1]\r\nAction=0\r\nOverlayImage=s\\glow.png\r\n"
    "OverlayFadeInTime=200\r\n[Button2]\r\nAction=2\r\n";

TEST_F(TitleBarDriverTest, HoverAndPressShowOnTheHotButtonAndTheGlowFadesInStepByStep) {
  TitleBarDriver driver;
  driver.setSkin(skin(kStill));
  EXPECT_FALSE(driver.ticking());  // nothing moves until the mouse is over the glowing button
  VlFrameLook look = driver.look(VL_STYLE_INACTIVE, false);
  EXPECT_EQ(look.hotButton, -1);
  EXPECT_EQ(look.style, VL_STYLE_INACTIVE | (1 << 8));

  driver.track(1, false);
  EXPECT_TRUE(driver.ticking());
  EXPECT_EQ(driver.look(0, false).hoverMs, 0);
  driver.step(120);
  look = driver.look(0, true);
  EXPECT_EQ(look.hotButton, 1);
  EXPECT_EQ(look.style >> 8, 2);
  EXPECT_EQ(look.hoverMs, 120);
  EXPECT_EQ(look.withClient, 1);
  driver.step(120);
  EXPECT_FALSE(driver.ticking());  // faded in: the timer rests
  driver.track(1, true);
  EXPECT_EQ(driver.look(0, false).style >> 8, 3);
  EXPECT_EQ(driver.look(0, false).hoverMs, 240);  // still the same button
  // Another button starts its own hover; leaving every button drops it.
  driver.track(2, false);
  EXPECT_EQ(driver.look(0, false).hoverMs, 0);
  driver.track(-1, false);
  EXPECT_EQ(driver.look(0, false).hoverMs, -1);
  EXPECT_EQ(driver.look(0, false).style >> 8, 1);
}

TEST_F(TitleBarDriverTest, MaximiseButtonsToggleTheMaximisedLookOthersDoNot) {
  TitleBarDriver driver;
  driver.setSkin(skin(kStill));
  driver.click(2);
  driver.click(7);   // no such button
  driver.click(-1);
  EXPECT_FALSE(driver.maximised());
  driver.click(0);
  EXPECT_TRUE(driver.maximised());
  EXPECT_NE(driver.look(0, false).style & VL_STYLE_MAXIMISED, 0);
  driver.click(0);
  EXPECT_EQ(driver.look(0, false).style & VL_STYLE_MAXIMISED, 0);
}

TEST_F(TitleBarDriverTest, AnimatedStripsKeepTheClockRunningAndBrokenCountsReadNoButtons) {
  TitleBarDriver driver;
  driver.setSkin(skin("[Caption]\r\nButtonCount=2\r\n[Button1]\r\nAnimTimerRate=80\r\n"));
  EXPECT_EQ(driver.buttonCount(), 2);
  EXPECT_TRUE(driver.ticking());
  driver.step(TitleBarDriver::kTickMs);
  driver.step(TitleBarDriver::kTickMs);
  EXPECT_EQ(driver.look(0, false).clockMs, 2 * TitleBarDriver::kTickMs);
  for (const char* count : {"-5", "text", "0"}) {
    driver.setSkin(skin(std::string("[Personality]\r\nButtonCount=") + count + "\r\n[Button0]\r\nAnimTimerRate=80\r\n"));
    EXPECT_EQ(driver.buttonCount(), 0) << count;
    EXPECT_FALSE(driver.ticking()) << count;
  }
  driver.setSkin(skin("[Personality]\r\nButtonCount=100000\r\n"));
  EXPECT_EQ(driver.buttonCount(), 99);
}

}  // namespace
}  // namespace tessera::standin
