#include <gtest/gtest.h>

#include "core/platform/profile.h"
#include "core/platform/registry.h"
#include "core/platform/settings.h"
#include "support/temp_dir.h"

namespace tessera {
namespace {

using SettingsTest = testing::EnvironmentTest;

TEST_F(SettingsTest, SettingsLiveUnderTheVelariumKeyOfTheUserHive) {
  WriteSetting("Tessera", "UIMode", "1", "Tessera.ini");
  EXPECT_EQ(profile::ReadString("SOFTWARE\\Quillmont\\Velarium\\Tessera.ini\\Tessera", "UIMode", "",
                                registry::hiveFile(registry::Hive::CurrentUser)),
            "1");
  // Names are case-insensitive at every level.
  EXPECT_EQ(ReadSettingInt("TESSERA", "uimode", 0, "tessera.INI"), 1);
}

TEST_F(SettingsTest, DashDeletesAndEmptyReadsAsDefault) {
  WriteSetting(settings::EditVerb, "Open");
  EXPECT_EQ(ReadSetting(settings::EditVerb), "Open");
  WriteSetting(settings::EditVerb, "-");
  EXPECT_FALSE(registry::readValue(registry::Hive::CurrentUser, SettingsKeyPath("Tessera.ini", "Tessera"), "EditVerb"));
  EXPECT_EQ(ReadSetting(settings::EditVerb), "Edit");
  WriteSetting(settings::EditVerb, "");
  EXPECT_EQ(registry::readValue(registry::Hive::CurrentUser, SettingsKeyPath("Tessera.ini", "Tessera"), "EditVerb"), "");
  EXPECT_EQ(ReadSetting(settings::EditVerb), "Edit");
}

TEST_F(SettingsTest, LongValuesRoundTripWhole) {
  const std::string longValue = "/home/author/" + std::string(987, 'p');
  WriteSetting("S", "k", longValue, "T.ini");
  EXPECT_EQ(ReadSetting("S", "k", "def", "T.ini"), longValue);
  WriteSetting(settings::EditApp, longValue);
  EXPECT_EQ(ReadSetting(settings::EditApp), longValue);
  EXPECT_EQ(ReadSetting("S", "missing", longValue, "T.ini"), longValue);
}

TEST_F(SettingsTest, ValueTooLongForTheBufferReadsAsDefault) {
  WriteSetting("S", "k", std::string(253, 'a'), "T.ini");
  EXPECT_EQ(ReadSetting("S", "k", "def", "T.ini", 255), std::string(253, 'a'));
  WriteSetting("S", "k", std::string(254, 'a'), "T.ini");
  EXPECT_EQ(ReadSetting("S", "k", "def", "T.ini", 255), "def");
}

TEST_F(SettingsTest, IntegerSettingsUseALeadingDecimalParse) {
  EXPECT_EQ(ReadSettingInt(settings::Brightness), 255);
  WriteSetting(settings::Brightness, "200px");
  EXPECT_EQ(ReadSettingInt(settings::Brightness), 200);
  WriteSetting(settings::Brightness, "px");
  EXPECT_EQ(ReadSettingInt(settings::Brightness), 0);
}

TEST_F(SettingsTest, RegistryValuesKeepBlanksAndQuotes) {
  for (const std::string value : {" padded ", "\"quoted\"", "'single'", "plain", "a\"b"}) {
    ASSERT_TRUE(registry::writeValue(registry::Hive::CurrentUser, "K", "v", value));
    EXPECT_EQ(registry::readValue(registry::Hive::CurrentUser, "K", "v"), value);
  }
}

TEST_F(SettingsTest, HistoryPutsNewSkinsFirstAndKeepsKnownOnesInPlace) {
  for (int i = 1; i <= 5; ++i) AddToSkinHistory("/s/skin" + std::to_string(i) + ".uis", "skin" + std::to_string(i));
  auto name = [](int n) { return ReadSetting("SkinHistory", "Name" + std::to_string(n), "", "TSR6.ini"); };
  auto skin = [](int n) { return ReadSetting("SkinHistory", "Skin" + std::to_string(n), "", "TSR6.ini"); };
  EXPECT_EQ(name(1), "skin5");
  EXPECT_EQ(name(5), "skin1");
  // Already in the history, even at the last position: nothing moves.
  AddToSkinHistory("/elsewhere/skin1.uis", "skin1");
  EXPECT_EQ(name(1), "skin5");
  EXPECT_EQ(name(5), "skin1");
  EXPECT_EQ(skin(5), "/s/skin1.uis");
  // A sixth distinct skin pushes the oldest out.
  AddToSkinHistory("/s/skin6.uis", "skin6");
  EXPECT_EQ(name(1), "skin6");
  EXPECT_EQ(skin(1), "/s/skin6.uis");
  EXPECT_EQ(name(2), "skin5");
  EXPECT_EQ(name(5), "skin2");
}

}  // namespace
}  // namespace tessera
