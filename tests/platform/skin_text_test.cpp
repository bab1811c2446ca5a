#include <gtest/gtest.h>

#include <string>

#include "core/platform/skin_text.h"

namespace tessera {
namespace {

TEST(SkinText, EveryByteSurvivesTheTripThroughTheInterface) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString shown = FromSkinText(all);
  ASSERT_EQ(shown.size(), 255);
  EXPECT_EQ(ToSkinText(shown), all);
}

TEST(SkinText, TheCodePageMapsToTheCharactersPeopleType) {
  EXPECT_EQ(FromSkinText("\x80 \xE9\xFC\xA9"), QString::fromUtf8("€ éü©"));
  EXPECT_EQ(ToSkinText(QString::fromUtf8("Café “quoted” – €5 ©")), "Caf\xE9 \x93quoted\x94 \x96 \x80" "5 \xA9");
  // What the code page lacks becomes one '?' per character, also outside the basic plane.
  EXPECT_EQ(ToSkinText(QString::fromUtf8("Ω😀x")), "??x");
}

}  // namespace
}  // namespace tessera
