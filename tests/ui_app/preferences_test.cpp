#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/platform/prompt.h"
#include "core/platform/settings.h"
#include "ui/common/application_style.h"
#include "support/scripted_file_picker.h"
#include "support/temp_dir.h"
#include "ui/app/preferences_sheet.h"
#include "ui/common/appearance.h"

#include <QApplication>

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

TEST_F(PreferencesTest, ColoursChoiceAppliesAtOnceAndFollowingTheDesktopRestoresItsLook) {
  const QPalette desktop = QApplication::palette();
  const QString desktopStyle = StyleName();
  PreferencesSheet sheet;
  sheet.show();
  sheet.pages()->setCurrentIndex(2);
  auto* colours = child<QComboBox>(sheet, "appearance");
  ASSERT_NE(colours, nullptr);
  EXPECT_EQ(colours->currentText(), "Follow the desktop");

  colours->setCurrentIndex(2);
  emit colours->activated(2);
  EXPECT_EQ(ReadSettingInt(settings::Appearance), 2);
  EXPECT_EQ(StoredAppearance(), Appearance::Dark);
  const QPalette dark = QApplication::palette();
  EXPECT_LT(dark.color(QPalette::Window).lightness(), 80);
  EXPECT_GT(dark.color(QPalette::WindowText).lightness(), 180);
  // Note boxes draw tooltip text on a fixed pale yellow: it must stay dark there.
  EXPECT_LT(dark.color(QPalette::ToolTipText).lightness(), 80);
  QCoreApplication::processEvents();  // delivers the palette change to the open windows
  EXPECT_GT(sheet.palette().color(QPalette::WindowText).lightness(), 180) << "open windows follow";

  colours->setCurrentIndex(0);
  emit colours->activated(0);
  EXPECT_EQ(ReadSettingInt(settings::Appearance), 0);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), desktop.color(QPalette::Window));
  EXPECT_EQ(StyleName(), desktopStyle);
}

TEST(InterfacePaletteTest, TheGreyIsTheSettingOnLightColoursAndDimsTheDarkPalette) {
  QPalette light;
  light.setColor(QPalette::Window, QColor(240, 240, 240));
  light.setColor(QPalette::WindowText, QColor(20, 20, 20));
  const QPalette onLight = InterfacePalette(light, 200, true);
  EXPECT_EQ(onLight.color(QPalette::Window), QColor(200, 200, 200));
  EXPECT_EQ(onLight.color(QPalette::Base), QColor(200, 200, 200));
  EXPECT_EQ(onLight.color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(InterfacePalette(light, 900, false).color(QPalette::Window), QColor(255, 255, 255)) << "clamped";
  light.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
  light.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 150));
  light.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
  const QPalette withDisabled = InterfacePalette(light, 200, true);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    EXPECT_EQ(withDisabled.color(QPalette::Inactive, role), QColor(Qt::black)) << role;
    EXPECT_EQ(withDisabled.color(QPalette::Disabled, role), QColor(150, 150, 150)) << "disabled controls look off";
  }

  const QPalette dark = DarkPalette();
  const QPalette full = InterfacePalette(dark, 255, true);
  EXPECT_EQ(full.color(QPalette::Window), dark.color(QPalette::Window)) << "full brightness is the palette's own";
  EXPECT_EQ(full.color(QPalette::WindowText), dark.color(QPalette::WindowText)) << "light text stays readable";
  const QPalette dimmed = InterfacePalette(dark, 128, false);
  EXPECT_LT(dimmed.color(QPalette::Window).lightness(), dark.color(QPalette::Window).lightness());
  EXPECT_EQ(dimmed.color(QPalette::Base), dark.color(QPalette::Base)) << "controls keep theirs";
}

TEST_F(PreferencesTest, UnknownStoredColoursFollowTheDesktop) {
  for (const char* value : {"7", "-1", "dark"}) {
    WriteSetting(settings::Appearance, value);
    EXPECT_EQ(StoredAppearance(), Appearance::Desktop) << value;
  }
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

// Records what the user is told.
class InformRecorder final : public Prompt {
 public:
  InformRecorder() { previous_ = InstallPrompt(this); }
  ~InformRecorder() override { InstallPrompt(previous_); }
  PromptAnswer askYesNo(std::string_view, std::string_view) override { return PromptAnswer::No; }
  void inform(std::string_view text, std::string_view) override { messages.emplace_back(text); }
  std::vector<std::string> messages;

 private:
  Prompt* previous_ = nullptr;
};

TEST_F(PreferencesTest, PickCustomAppTakesOnlyProgramsAndACancelRecordsNothing) {
  const std::string program = temp.write("bin/paint", "#!/bin/sh\n");
  QFile::setPermissions(QString::fromStdString(program),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const std::string picture = temp.write("bin/notes.txt", "not a program");
  PreferencesSheet sheet;
  InformRecorder prompt;
  testing::ScriptedFilePicker picker;
  picker.cancel().choose(picture).choose(program);
  QPushButton* pick = child<QPushButton>(sheet, "pickCustomApp");
  ASSERT_NE(pick, nullptr);
  const QString verb = child<QComboBox>(sheet, "editVerb")->currentText();
  pick->click();
  EXPECT_EQ(ReadSetting(settings::EditApp), "");
  EXPECT_EQ(child<QComboBox>(sheet, "editVerb")->currentText(), verb);
  EXPECT_TRUE(prompt.messages.empty());

  // A file that may not be run is refused, with a word why.
  pick->click();
  EXPECT_EQ(ReadSetting(settings::EditApp), "");
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_NE(prompt.messages[0].find("not a program"), std::string::npos) << prompt.messages[0];

  pick->click();
  EXPECT_EQ(picker.lastRequest().title, "Select Application...");
  EXPECT_EQ(picker.lastRequest().mode, PickerMode::Open);
  EXPECT_TRUE(picker.lastRequest().programsOnly);
#ifndef Q_OS_WIN
  EXPECT_FALSE(picker.lastRequest().filter.contains(QStringLiteral(".exe")));
#endif
  EXPECT_EQ(ReadSetting(settings::EditApp), program);
  EXPECT_EQ(child<QComboBox>(sheet, "editVerb")->currentText(), "Custom");
}

}  // namespace
}  // namespace tessera::ui
