#include <gtest/gtest.h>

#include "ui/app/window_placement.h"

namespace tessera::ui {
namespace {

const QList<QRect> kTwoScreens = {QRect(0, 0, 1366, 740), QRect(1366, 0, 1920, 1050)};

TEST(WindowPlacement, APlacementOnAScreenStaysWhereItWas) {
  EXPECT_EQ(FitOntoScreens(QRect(100, 50, 800, 600), kTwoScreens), QRect(100, 50, 800, 600));
  // Partly off the right of the second screen, but its title bar can still be grabbed.
  EXPECT_EQ(FitOntoScreens(QRect(3000, 100, 800, 600), kTwoScreens), QRect(3000, 100, 800, 600));
}

TEST(WindowPlacement, APlacementOffEveryScreenComesBackOntoThePrimary) {
  // A screen that is gone, a title bar above the top edge, a sliver too thin to grab.
  EXPECT_EQ(FitOntoScreens(QRect(4000, 200, 800, 600), kTwoScreens), QRect(0, 0, 800, 600));
  EXPECT_EQ(FitOntoScreens(QRect(200, -400, 800, 600), kTwoScreens), QRect(0, 0, 800, 600));
  EXPECT_EQ(FitOntoScreens(QRect(-780, 100, 800, 600), kTwoScreens), QRect(0, 0, 800, 600));
  // The title bar straddling the top edge is moved down onto the screen.
  EXPECT_EQ(FitOntoScreens(QRect(200, -10, 800, 600), kTwoScreens), QRect(200, 0, 800, 600));
}

TEST(WindowPlacement, AWindowLargerThanItsScreenShrinksToIt) {
  EXPECT_EQ(FitOntoScreens(QRect(0, 0, 2500, 1400), kTwoScreens), QRect(0, 0, 1366, 740));
  EXPECT_EQ(FitOntoScreens(QRect(1400, 10, 2500, 1400), kTwoScreens), QRect(1400, 10, 1920, 1050));
}

}  // namespace
}  // namespace tessera::ui
