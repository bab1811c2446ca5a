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
  // The client area leaves room for the title bar, so the frame's bottom edge stays on screen.
  EXPECT_EQ(FitOntoScreens(QRect(0, 0, 2500, 1400), kTwoScreens), QRect(0, 0, 1366, 716));
  EXPECT_EQ(FitOntoScreens(QRect(1400, 10, 2500, 1400), kTwoScreens), QRect(1400, 10, 1920, 1026));
}

TEST(WindowPlacement, AFirstPlacementShowsAllOfTheWindowCentredOnThePrimaryScreen) {
  const QList<QRect> laptop = {QRect(0, 0, 1366, 740)};
  // 1100 x 700 with its title bar just fits 740: near the top, all of it shown.
  EXPECT_EQ(FirstPlacement(QSize(1100, 700), laptop), QRect(133, 8, 1100, 700));
  EXPECT_EQ(FirstPlacement(QSize(1100, 730), laptop), QRect(133, 0, 1100, 716));
  EXPECT_EQ(FirstPlacement(QSize(600, 400), laptop), QRect(383, 158, 600, 400));
  // A primary screen that does not start at the origin.
  EXPECT_EQ(FirstPlacement(QSize(600, 400), {QRect(1366, 100, 1920, 1050)}), QRect(2026, 413, 600, 400));
  const QRect shown = FirstPlacement(QSize(5000, 5000), kTwoScreens);
  EXPECT_TRUE(kTwoScreens.first().contains(shown)) << "all of it on the primary screen";
}

TEST(WindowPlacement, AFirstSizeGrowsToItsContentWithinThePrimaryScreen) {
  const QList<QRect> laptop = {QRect(0, 0, 1366, 768), QRect(1366, 0, 2560, 1440)};
  // Content smaller than the preferred size: the preferred size.
  EXPECT_EQ(FirstSize(QSize(760, 620), QSize(700, 480), laptop), QSize(760, 620));
  // Wider content: as wide as the content asks, as tall as preferred.
  EXPECT_EQ(FirstSize(QSize(760, 620), QSize(784, 478), laptop), QSize(784, 620));
  // Content taller than the screen: the screen's height less the title bar, never the second screen's.
  EXPECT_EQ(FirstSize(QSize(980, 720), QSize(1067, 900), laptop), QSize(1067, 744));
  EXPECT_EQ(FirstSize(QSize(980, 720), QSize(3000, 2000), laptop), QSize(1366, 744));
}

}  // namespace
}  // namespace tessera::ui
