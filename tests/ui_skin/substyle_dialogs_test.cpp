#include <gtest/gtest.h>

#include <QTest>

#include "core/platform/files.h"
#include "core/platform/profile.h"
#include "core/skin/skin_document.h"
#include "core/skin/skin_session.h"
#include "dialog_test_support.h"
#include "ui/skin/display_scale.h"
#include "ui/skin/skin_dialogs.h"
#include "ui/skin/substyle_manager_dialog.h"
#include "ui/skin/substyle_name_dialogs.h"
#include "ui/skin/substyle_picker.h"
#include "ui/skin/substyle_rows.h"

namespace tessera::ui {
namespace {

using testing::ScriptedPrompt;
using testing::WhenModal;

class SubStyleDialogTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    writeSkin("Aqua", "[TitlebarSkin]\r\nSkinName=Aqua Deluxe\r\n");
  }
  std::string ssd() const { return temp.file("skins/Aqua/Aqua.SSD"); }
  std::string value(std::string_view section, std::string_view key) const {
    return profile::ReadString(section, key, "<none>", ssd());
  }
  // Aqua.uis plus style1.sss ... as sub-styles named "Style <i>".
  void writeStyles(int n, std::string_view extra = {}) {
    std::string text = "[SkinStyles]\r\nNumber=" + std::to_string(n) + "\r\n" + std::string(extra);
    for (int i = 0; i < n; ++i) {
      const std::string file = i == 0 ? "Aqua.uis" : "style" + std::to_string(i) + ".sss";
      text += "[SkinStyle" + std::to_string(i) + "]\r\nName=Style " + std::to_string(i) + "\r\nSkin=" + file + "\r\n";
      if (i > 0) temp.write("skins/Aqua/" + file, "[TitlebarSkin]\r\nSkinName=from " + std::to_string(i) + "\r\n");
    }
    temp.write("skins/Aqua/Aqua.SSD", text);
  }
  static QString label(const QListWidget* list, int row) {
    return list->item(row)->data(kSubStyleLabelRole).toString();
  }
  static void select(SubStyleManagerDialog& dialog, int row) { dialog.list()->setCurrentRow(row); }
  struct Enabled {
    bool rename, remove, up, down;
    bool operator==(const Enabled&) const = default;
  };
  static Enabled enabled(const SubStyleManagerDialog& d) {
    return {d.renameButton()->isEnabled(), d.deleteButton()->isEnabled(), d.upButton()->isEnabled(),
            d.downButton()->isEnabled()};
  }
};

TEST_F(SubStyleDialogTest, ButtonsFollowTheSelectedRowPosition) {
  writeStyles(4);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  ASSERT_EQ(dialog.list()->count(), 4);
  EXPECT_EQ(dialog.list()->currentRow(), 0);

  dialog.list()->setCurrentRow(-1);
  EXPECT_EQ(enabled(dialog), (Enabled{false, false, false, false}));
  select(dialog, 0);  // the main file moves neither way
  EXPECT_EQ(enabled(dialog), (Enabled{true, true, false, false}));
  select(dialog, 1);  // cannot move above the main file
  EXPECT_EQ(enabled(dialog), (Enabled{true, true, false, true}));
  select(dialog, 2);
  EXPECT_EQ(enabled(dialog), (Enabled{true, true, true, true}));
  select(dialog, 3);  // the last row
  EXPECT_EQ(enabled(dialog), (Enabled{true, true, true, false}));
}

TEST_F(SubStyleDialogTest, AMoveIsOneNamedStepThatUndoTakesBack) {
  writeStyles(3);
  const std::string before = temp.read("skins/Aqua/Aqua.SSD");
  SkinDocument document(temp.file("skins/Aqua"));
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  select(dialog, 1);
  QTest::mouseClick(dialog.downButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyle2", "Name"), "Style 1");
  ASSERT_EQ(document.undoStack()->count(), 1);
  EXPECT_EQ(document.undoStack()->undoText(), "Move sub-style down");
  document.undoStack()->undo();
  EXPECT_EQ(temp.read("skins/Aqua/Aqua.SSD"), before);
}

TEST_F(SubStyleDialogTest, SkinWithoutSubStylesShowsOneRowThatCannotBeChanged) {
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  ASSERT_EQ(dialog.list()->count(), 1);
  EXPECT_EQ(dialog.list()->item(0)->text(), "Aqua.uis");
  EXPECT_EQ(dialog.list()->item(0)->data(Qt::UserRole).toInt(), -1);
  EXPECT_EQ(label(dialog.list(), 0), "Aqua Deluxe");
  EXPECT_EQ(enabled(dialog), (Enabled{false, false, false, false}));
  EXPECT_TRUE(dialog.addButton()->isEnabled());
}

TEST_F(SubStyleDialogTest, RowsCarryDefaultMarkersAndFortyPixelHeight) {
  writeStyles(3, "VistaDefault=2\r\nWin7Default=2\r\n");
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  EXPECT_EQ(label(dialog.list(), 0), "Style 0");
  EXPECT_EQ(label(dialog.list(), 2), "Style 2  (Vista default substyle)  (Win 7 default substyle)");
  EXPECT_EQ(dialog.list()->item(2)->text(), "style2.sss");
  EXPECT_EQ(dialog.list()->visualItemRect(dialog.list()->item(1)).height(), ScaledPixels(dialog.list(), 40));

  select(dialog, 1);
  QTest::mouseClick(dialog.vistaDefaultButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyles", "VistaDefault"), "1");
  EXPECT_EQ(label(dialog.list(), 1), "Style 1  (Vista default substyle)");
  EXPECT_EQ(label(dialog.list(), 2), "Style 2  (Win 7 default substyle)");
  QTest::mouseClick(dialog.sevenDefaultButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyles", "Win7Default"), "1");
  EXPECT_EQ(dialog.list()->currentRow(), 1);
}

TEST_F(SubStyleDialogTest, AddCreatesTheFirstSubStyleFromTheExistingSkin) {
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  const auto shown = WhenModal<NewSubStyleDialog>([](NewSubStyleDialog* create) {
    EXPECT_EQ(create->windowTitle(), "Create new substyle");
    EXPECT_EQ(create->nameEdit()->text(), "newsubstylename");
    ASSERT_EQ(create->baseList()->count(), 1);
    EXPECT_EQ(create->baseList()->item(0)->text(), "Existing skin");
    create->nameEdit()->clear();
    QTest::keyClicks(create->nameEdit(), "Blue");
    QTest::mouseClick(create->createButton(), Qt::LeftButton);
  });
  QTest::mouseClick(dialog.addButton(), Qt::LeftButton);

  EXPECT_EQ(value("SkinStyles", "Number"), "2");
  EXPECT_EQ(value("SkinStyle0", "Skin"), "Aqua.uis");
  EXPECT_EQ(value("SkinStyle0", "Name"), "Aqua Deluxe");
  EXPECT_EQ(value("SkinStyle1", "Name"), "Blue");
  EXPECT_EQ(value("SkinStyle1", "Skin"), "Blue.sss");
  EXPECT_EQ(temp.read("skins/Aqua/Blue.sss"), temp.read("skins/Aqua/Aqua.uis"));
  ASSERT_EQ(dialog.list()->count(), 2);
  EXPECT_EQ(dialog.list()->item(1)->text(), "Blue.sss");
  EXPECT_TRUE(dialog.renameButton()->isEnabled());
}

TEST_F(SubStyleDialogTest, AddBasedOnAChosenSubStyleAndRefusedNameKeepsTheDialogOpen) {
  writeStyles(3);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  std::unique_ptr<testing::CaughtMessage> refusal;
  const auto shown = WhenModal<NewSubStyleDialog>([&refusal](NewSubStyleDialog* create) {
    ASSERT_EQ(create->baseList()->count(), 3);
    create->baseList()->setCurrentRow(2);
    create->nameEdit()->setText(QStringLiteral("bad/name"));
    // The refusal is shown over the still open dialog; then a good name goes through.
    refusal = testing::CatchNextMessage();
    QTest::mouseClick(create->createButton(), Qt::LeftButton);
    EXPECT_TRUE(create->isVisible());
    create->nameEdit()->setText(QStringLiteral("Night"));
    QTest::mouseClick(create->createButton(), Qt::LeftButton);
  });
  QTest::mouseClick(dialog.addButton(), Qt::LeftButton);

  ASSERT_TRUE(refusal);
  EXPECT_TRUE(refusal->shown);
  EXPECT_EQ(refusal->icon, QMessageBox::Critical);
  EXPECT_EQ(value("SkinStyles", "Number"), "4");
  EXPECT_EQ(value("SkinStyle3", "Skin"), "Night.sss");
  EXPECT_EQ(temp.read("skins/Aqua/Night.sss"), temp.read("skins/Aqua/style2.sss"));
  EXPECT_EQ(dialog.list()->count(), 4);
}

TEST_F(SubStyleDialogTest, RenameWritesTheDisplayName) {
  writeStyles(2);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  select(dialog, 1);
  const auto shown = WhenModal<RenameSubStyleDialog>([](RenameSubStyleDialog* rename) {
    EXPECT_EQ(rename->windowTitle(), "Rename substyle");
    EXPECT_EQ(rename->nameEdit()->text(), "Style 1");
    rename->nameEdit()->setText(QStringLiteral("Midnight blue"));
    QTest::mouseClick(rename->renameButton(), Qt::LeftButton);
  });
  QTest::mouseClick(dialog.renameButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyle1", "Name"), "Midnight blue");
  EXPECT_EQ(label(dialog.list(), 1), "Midnight blue");
  EXPECT_EQ(dialog.list()->currentRow(), 1);
}

TEST_F(SubStyleDialogTest, UpAndDownExchangeWholeEntriesAndMoveTheSelection) {
  writeStyles(3);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  select(dialog, 2);
  QTest::mouseClick(dialog.upButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyle1", "Skin"), "style2.sss");
  EXPECT_EQ(value("SkinStyle2", "Skin"), "style1.sss");
  EXPECT_EQ(value("SkinStyle0", "Skin"), "Aqua.uis");
  EXPECT_EQ(dialog.list()->currentRow(), 1);
  EXPECT_FALSE(dialog.upButton()->isEnabled());

  QTest::mouseClick(dialog.downButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyle1", "Name"), "Style 1");
  EXPECT_EQ(value("SkinStyle2", "Name"), "Style 2");
  EXPECT_EQ(dialog.list()->currentRow(), 2);
}

TEST_F(SubStyleDialogTest, DeleteAsksAndOnlyYesDeletes) {
  writeStyles(3);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  select(dialog, 1);
  {
    ScriptedPrompt no(PromptAnswer::No);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0].text, "Are you sure you want to delete this substyle?");
    EXPECT_EQ(no.questions[0].caption, "Delete sub style?");
    EXPECT_EQ(value("SkinStyles", "Number"), "3");
  }
  ScriptedPrompt yes(PromptAnswer::Yes);
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyles", "Number"), "2");
  EXPECT_EQ(value("SkinStyle1", "Skin"), "style2.sss");
  EXPECT_EQ(value("SkinStyle2", "Skin"), "<none>");
  EXPECT_TRUE(files::isFile(temp.file("skins/Aqua/style1.sss")));  // the file itself stays
  ASSERT_EQ(dialog.list()->count(), 2);

  // Down to one sub-style: the description goes and the skin is a plain skin again.
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_FALSE(files::exists(ssd()));
  ASSERT_EQ(dialog.list()->count(), 1);
  EXPECT_EQ(dialog.list()->item(0)->text(), "Aqua.uis");
  EXPECT_FALSE(dialog.deleteButton()->isEnabled());
}

TEST_F(SubStyleDialogTest, DeletingTheFirstRowMakesTheSecondTheMainFile) {
  writeStyles(3);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  select(dialog, 0);
  ScriptedPrompt yes(PromptAnswer::Yes);
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_EQ(profile::ReadString("TitlebarSkin", "SkinName", "", temp.file("skins/Aqua/Aqua.UIS")), "from 1");
  EXPECT_EQ(value("SkinStyle0", "Skin"), "Aqua.UIS");
  EXPECT_EQ(value("SkinStyle0", "Name"), "Style 1");
  EXPECT_EQ(label(dialog.list(), 0), "Style 1");
}

TEST_F(SubStyleDialogTest, TheSubStyleOpenForEditingIsNotDeleted) {
  writeStyles(3);
  Session().skinName = "Aqua";
  Session().mainFile = temp.file("skins/Aqua/style2.sss~");
  Session().chosenSubStyle = "STYLE2.sss";
  ScriptedPrompt yes(PromptAnswer::Yes);
  SubStyleManagerDialog dialog(SkinDocument::current(), skinsFolder(), "Aqua");
  dialog.show();
  select(dialog, 2);
  const auto refusal = testing::CatchNextMessage();
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  ASSERT_TRUE(refusal->shown);
  EXPECT_EQ(refusal->icon, QMessageBox::Critical);
  EXPECT_TRUE(yes.questions.empty());
  EXPECT_EQ(value("SkinStyles", "Number"), "3");

  // Any other sub-style can go, the main file too: the edited file is not touched.
  select(dialog, 0);
  QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
  EXPECT_EQ(value("SkinStyles", "Number"), "2");
  EXPECT_EQ(value("SkinStyle1", "Skin"), "style2.sss");
}

TEST_F(SubStyleDialogTest, PickerListsDisplayNamesAndReturnsTheChosenFile) {
  writeStyles(3);
  auto shown = WhenModal<SubStylePickerDialog>([](SubStylePickerDialog* picker) {
    EXPECT_EQ(picker->windowTitle(), "Select a substyle");
    ASSERT_EQ(picker->list()->count(), 3);
    EXPECT_EQ(picker->list()->item(1)->text(), "Style 1");
    EXPECT_EQ(picker->list()->currentRow(), 0);
    picker->list()->setCurrentRow(2);
    QTest::mouseClick(picker->openButton(), Qt::LeftButton);
  });
  EXPECT_EQ(PickSubStyle(nullptr, "Aqua"), "style2.sss");

  shown = WhenModal<SubStylePickerDialog>([](SubStylePickerDialog* picker) { picker->reject(); });
  EXPECT_EQ(PickSubStyle(nullptr, "Aqua"), "");
}

TEST_F(SubStyleDialogTest, SkinWithoutDescriptionOpensWithoutThePicker) {
  // A picker that opened would fail the test and be closed.
  const testing::NoModalExpected noPicker;
  EXPECT_EQ(PickSubStyle(nullptr, "Aqua"), "");

  temp.write("skins/Aqua/Aqua.SSD", "[SkinStyles]\r\nNumber=0\r\n[SkinStyle0]\r\nName=A\r\nSkin=Aqua.uis\r\n");
  EXPECT_EQ(PickSubStyle(nullptr, "Aqua"), "");
}

}  // namespace
}  // namespace tessera::ui
