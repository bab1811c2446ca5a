#include <gtest/gtest.h>

#include <QTest>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/skin/skin_session.h"
#include "dialog_test_support.h"
#include "ui/skin/new_skin_dialog.h"
#include "ui/skin/save_as_dialog.h"
#include "ui/skin/skin_dialogs.h"

namespace tessera::ui {
namespace {

using testing::CatchNextMessage;
using testing::WhenModal;

class NewSkinDialogTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    for (const char* kind : {"TemplateUIS1_Vista", "TemplateUIS2_Vista", "TemplateUIS0_Vista"}) {
      const std::string name(kind);
      temp.write("skins/Tessera7/TesseraTemplates/" + name + "/" + name + ".uis",
                 "[TitlebarSkin]\r\nSkinName=Template\r\n[Kind]\r\nTemplate=" + name +
                     "\r\n[Buttons]\r\nImage=" + name + "\\close.tga\r\n");
      temp.write("skins/Tessera7/TesseraTemplates/" + name + "/close.tga", "tga");
    }
    writeSkin("Taken", "[TitlebarSkin]\r\nSkinName=Taken\r\n");
    rebuildSkinList();
  }
  std::string mainFile(const std::string& name) const { return temp.file("skins/" + name + "/" + name + ".uis"); }
  void typeName(QLineEdit* edit, const char* name) {
    edit->clear();
    QTest::keyClicks(edit, name);
  }
};

TEST_F(NewSkinDialogTest, OffersTheAdvancedSkinAndAPresetName) {
  NewSkinDialog dialog(skinsFolder());
  EXPECT_EQ(dialog.windowTitle(), "Create new skin");
  EXPECT_TRUE(dialog.typeButton(SkinType::Advanced)->isChecked());
  EXPECT_EQ(dialog.typeButton(SkinType::Basic)->text(), "Velarium basic skin");
  EXPECT_EQ(dialog.typeButton(SkinType::UIS0)->text(), "Velarium UIS0 skin");
  EXPECT_EQ(dialog.nameEdit()->text(), "skinname");
}

TEST_F(NewSkinDialogTest, EachTypeCopiesItsTemplateUnderTheNewName) {
  const struct {
    SkinType type;
    const char* name;
    const char* templateName;
  } cases[] = {{SkinType::Basic, "Plain", "TemplateUIS1_Vista"},
               {SkinType::Advanced, "Fancy", "TemplateUIS2_Vista"},
               {SkinType::UIS0, "Glassy", "TemplateUIS0_Vista"}};
  for (const auto& c : cases) {
    NewSkinDialog dialog(skinsFolder());
    dialog.show();
    QRadioButton* choice = dialog.typeButton(c.type);
    // On the indicator: the button spans the dialog's width, its text does not.
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(choice->height() / 2, choice->height() / 2));
    ASSERT_EQ(dialog.chosenType(), c.type);
    typeName(dialog.nameEdit(), c.name);
    QTest::mouseClick(dialog.createButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.name;
    EXPECT_EQ(dialog.createdName(), c.name);
    const std::string file = mainFile(c.name);
    EXPECT_EQ(profile::ReadString("Kind", "Template", "", file), c.templateName);
    EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", file), c.name);
    EXPECT_EQ(profile::ReadString("Buttons", "Image", "", file), std::string(c.name) + "\\close.tga");
    EXPECT_TRUE(files::isFile(temp.file(std::string("skins/") + c.name + "/close.tga")));
  }
  // The skin database knows the new skins.
  const auto listed = OnDemandSkinDatabase().PopulateSkinList();
  EXPECT_NE(std::find(listed.begin(), listed.end(), "Glassy"), listed.end());
}

TEST_F(NewSkinDialogTest, ExistingNameIsRefusedAndTheDialogStays) {
  NewSkinDialog dialog(skinsFolder());
  dialog.show();
  typeName(dialog.nameEdit(), "Taken");
  const auto shown = CatchNextMessage();
  QTest::mouseClick(dialog.createButton(), Qt::LeftButton);
  ASSERT_TRUE(shown->shown);
  EXPECT_EQ(shown->text, "A skin with that name already exists, please use a different skin name.");
  EXPECT_EQ(shown->caption, "Sorry the name you entered already exists");
  EXPECT_EQ(shown->icon, QMessageBox::Critical);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.createdName().empty());
  EXPECT_EQ(profile::ReadString("Kind", "Template", "<none>", mainFile("Taken")), "<none>");
}

TEST_F(NewSkinDialogTest, EmptyNameDoesNothing) {
  const testing::NoModalExpected noMessage;
  NewSkinDialog dialog(skinsFolder());
  dialog.show();
  dialog.nameEdit()->clear();
  QTest::mouseClick(dialog.createButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
}

class SaveAsDialogTest : public NewSkinDialogTest {
 protected:
  void SetUp() override {
    NewSkinDialogTest::SetUp();
    writeSkin("Cool", "[TitlebarSkin]\r\nSkinName=Cool\r\n[Buttons]\r\nImage=cool\\close.tga\r\n");
    temp.write("skins/Cool/close.tga", "tga");
    Session().skinName = "Cool";
  }
};

TEST_F(SaveAsDialogTest, ExistingNameIsRefused) {
  SaveAsDialog dialog(skinsFolder(), "Cool");
  EXPECT_EQ(dialog.windowTitle(), "Enter new skin name");
  dialog.show();
  typeName(dialog.nameEdit(), "Taken");
  const auto shown = CatchNextMessage();
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  ASSERT_TRUE(shown->shown);
  EXPECT_EQ(shown->text, "A skin with that name already exists");
  EXPECT_EQ(shown->caption, "Sorry the name you entered already exists");
  EXPECT_EQ(shown->icon, QMessageBox::Critical);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.newName().empty());
}

TEST_F(SaveAsDialogTest, NewNameCopiesTheOpenSkinWithItsReferences) {
  const auto shown = WhenModal<SaveAsDialog>([this](SaveAsDialog* dialog) {
    typeName(dialog->nameEdit(), "Cooler");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  });
  EXPECT_EQ(RunSaveAsDialog(nullptr), "Cooler");
  const std::string file = mainFile("Cooler");
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", file), "Cooler");
  EXPECT_EQ(profile::ReadString("Buttons", "Image", "", file), "Cooler\\close.tga");
  EXPECT_TRUE(files::isFile(temp.file("skins/Cooler/close.tga")));
  EXPECT_TRUE(files::isFile(mainFile("Cool")));
}

TEST_F(SaveAsDialogTest, CancelCopiesNothing) {
  const auto shown = WhenModal<SaveAsDialog>([](SaveAsDialog* dialog) {
    dialog->nameEdit()->setText(QStringLiteral("Other"));
    dialog->reject();
  });
  EXPECT_EQ(RunSaveAsDialog(nullptr), "");
  EXPECT_FALSE(files::exists(temp.file("skins/Other")));
}

}  // namespace
}  // namespace tessera::ui
