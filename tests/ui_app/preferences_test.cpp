#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/platform/settings.h"
#include "support/scripted_file_picker.h"
#include "support/temp_dir.h"
#include "ui/app/preferences_sheet.h"

namespace tessera::ui {
namespace {

using PreferencesTest = tessera::testing::EnvironmentTest;

template <typename T>
T* child(QWidget& parent, const char* name) {
  T* widget = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

TEST_F(PreferencesTest, ImmediateControlsWriteAtOnceTheRestOnClose) {
  PreferencesSheet sheet;
  EXPECT_EQ(sheet.windowTitle(), "Tessera Preferences");
  ASSERT_EQ(sheet.pages()->count(), 3);
  EXPECT_EQ(sheet.pages()->tabText(0), "Experience level");
  EXPECT_EQ(sheet.pages()->tabText(1), "Edit mode");
  EXPECT_EQ(sheet.pages()->tabText(2), "Advanced");
  sheet.show();

  sheet.pages()->setCurrentIndex(2);
  child<QCheckBox>(sheet, "autoSave")->click();
  EXPECT_EQ(ReadSettingInt(settings::AutoSave), 1);
  child<QCheckBox>(sheet, "singleClick")->click();  // on by default: now off
  EXPECT_EQ(ReadSettingInt(settings::SingleClickUI), 1);  // not written until Close

  sheet.pages()->setCurrentIndex(1);
  child<QRadioButton>(sheet, "treeMode")->click();
  EXPECT_EQ(ReadSettingInt(settings::UseTree), 1);

  sheet.pages()->setCurrentIndex(0);
  child<QRadioButton>(sheet, "experienced")->click();
  child<QComboBox>(sheet, "targetOS")->setCurrentIndex(2);
  child<QComboBox>(sheet, "editVerb")->setCurrentIndex(0);
  EXPECT_EQ(ReadSettingInt(settings::UIMode), 0);

  child<QPushButton>(sheet, "close")->click();
  EXPECT_EQ(ReadSettingInt(settings::UIMode), 1);
  EXPECT_EQ(ReadSetting(settings::UIMode2), "0");
  EXPECT_EQ(ReadSettingInt(settings::SingleClickUI), 0);
  EXPECT_EQ(ReadSettingInt(settings::TargetOS), 2);
  EXPECT_EQ(ReadSetting(settings::EditVerb), "Open");
}

TEST_F(PreferencesTest, StoredChoicesShowAndCustomAppIsRecorded) {
  WriteSetting(settings::UIMode, "1");
  WriteSetting(settings::EditVerb, "Custom");
  WriteSetting(settings::TargetOS, "3");
  PreferencesSheet sheet;
  EXPECT_TRUE(child<QRadioButton>(sheet, "experienced")->isChecked());
  EXPECT_EQ(child<QComboBox>(sheet, "editVerb")->currentText(), "Custom");
  EXPECT_EQ(child<QComboBox>(sheet, "targetOS")->currentText(), "Windows 7");
  child<QComboBox>(sheet, "editVerb")->setCurrentIndex(1);
  sheet.chooseCustomApp(QStringLiteral("/usr/bin/paint"));
  EXPECT_EQ(child<QComboBox>(sheet, "editVerb")->currentText(), "Custom");
  EXPECT_EQ(ReadSetting(settings::EditApp), "/usr/bin/paint");
}

TEST_F(PreferencesTest, PickCustomAppAsksThePickerAndACancelRecordsNothing) {
  PreferencesSheet sheet;
  testing::ScriptedFilePicker picker;
  picker.cancel().choose("/usr/bin/paint");
  QPushButton* pick = child<QPushButton>(sheet, "pickCustomApp");
  ASSERT_NE(pick, nullptr);
  const QString verb = child<QComboBox>(sheet, "editVerb")->currentText();
  pick->click();
  EXPECT_EQ(ReadSetting(settings::EditApp), "");
  EXPECT_EQ(child<QComboBox>(sheet, "editVerb")->currentText(), verb);
  pick->click();
  EXPECT_EQ(picker.lastRequest().title, "Select Application...");
  EXPECT_EQ(picker.lastRequest().mode, PickerMode::Open);
  EXPECT_EQ(ReadSetting(settings::EditApp), "/usr/bin/paint");
  EXPECT_EQ(child<QComboBox>(sheet, "editVerb")->currentText(), "Custom");
}

}  // namespace
}  // namespace tessera::ui
