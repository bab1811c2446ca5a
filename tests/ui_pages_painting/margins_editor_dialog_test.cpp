#include "ui/pages/margins_editor_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "core/app/preview_engine.h"
#include "core/pages/margins_editor.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "core/skin/section_store.h"
#include "pages_painting/painting_fixture.h"
#include "ui/pages/margins_preview.h"
#include "ui/sheet/refresh_timer.h"
#include "ui_sheet/fake_editor.h"

namespace tessera::ui {
namespace {

using testing::FakeEditor;

class MarginsEditorDialogTest : public tessera::testing::PaintingEnvironmentTest {
 protected:
  // Skin "S" with a 60 x 40 picture for section Btn and the given keys.
  std::string openButton(const std::string& keys) {
    openSkin("");
    const std::string picture = writeStrip("btn.png", QSize(60, 40), {QColor(0, 0, 0)});
    const std::string text = "[Btn]\r\nImage=" + picture + "\r\n" + keys;
    openSkin(text);
    document = std::make_unique<SkinDocument>(skinsFolder() + "/S");
    Session().modified = 0;
    return text;
  }
  std::string mainText() const { return temp.read("skins/S/S.uis~"); }
  QUndoStack& stack() { return *document->undoStack(); }
  static QPushButton* button(MarginsEditorDialog& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>()->button(which);
  }
  // Presses on `from`, moves to `to` and releases, as a mouse would.
  static void drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
  }

  FakeEditor editor{"Btn", "Btn"};
  std::unique_ptr<SkinDocument> document;
};

TEST_F(MarginsEditorDialogTest, OpeningShowsTheKeysAndWritesNothing) {
  catalogue("subsections.ini", "[Btn]\r\nStateList=2\r\n");
  catalogue("statelist.ini", "[2]\r\nNormal=1\r\nHot=2\r\n");
  const std::string text = openButton(
      "TopHeight=3\r\nBottomHeight=4\r\nLeftWidth=5\r\nRightWidth=6\r\nTileLeft=1\r\nTile=3\r\nEdgesOnly=1\r\n"
      "SmartSmallMargins=1\r\nSimpleMode=2\r\n");
  WriteSetting(settings::UseGrid, "1");
  MarginsEditorDialog dialog(editor);
  EXPECT_EQ(dialog.windowTitle(), "Painting margins");
  EXPECT_TRUE(dialog.isInitialised());
  EXPECT_EQ(dialog.marginBox(kTopEdge)->value(), 3);
  EXPECT_EQ(dialog.marginBox(kRightEdge)->value(), 6);
  EXPECT_EQ(dialog.marginBox(kLeftEdge)->maximum(), 1000);
  EXPECT_TRUE(dialog.tileBox(kLeftEdge)->isChecked());
  EXPECT_EQ(dialog.tileBox(kLeftEdge)->text(), "Tile left section");
  EXPECT_EQ(dialog.middleList()->currentText(), "Stretch Horz middle section");
  EXPECT_TRUE(dialog.edgesOnlyBox()->isChecked());
  EXPECT_TRUE(dialog.smartBox()->isChecked());
  EXPECT_EQ(dialog.paintingList()->currentText(), "Stretch horizontally (no margins)");
  EXPECT_TRUE(dialog.gridBox()->isChecked());
  EXPECT_FALSE(dialog.marginsBox()->isChecked());
  ASSERT_EQ(dialog.stateList()->count(), 2);
  EXPECT_EQ(dialog.stateList()->itemText(1), "Hot");
  EXPECT_EQ(dialog.swatch(kTopEdge)->text(), "T");
  EXPECT_EQ(dialog.swatch(kRightEdge)->palette().color(QPalette::Window), kRightMarginColour);
  EXPECT_FALSE(dialog.refreshTimer()->isPending());

  // Closed at once, by the close box: the skin is as it was and not modified.
  dialog.show();
  dialog.close();
  EXPECT_EQ(mainText(), text);
  EXPECT_EQ(stack().count(), 0);
  EXPECT_EQ(Session().modified, 0);
}

TEST_F(MarginsEditorDialogTest, EveryControlWritesItsKeyAtOnce) {
  openButton("EdgesOnly=1\r\nTile=3\r\n");
  MarginsEditorDialog dialog(editor);
  dialog.show();
  const char* marginKeys[] = {"TopHeight", "BottomHeight", "LeftWidth", "RightWidth"};
  const char* tileKeys[] = {"TileTop", "TileBottom", "TileLeft", "TileRight"};
  for (int edge = 0; edge < 4; ++edge) {
    QSpinBox* box = dialog.marginBox(edge);
    box->selectAll();
    QTest::keyClicks(box, QString::number(11 + edge));
    EXPECT_EQ(skinValue("Btn", marginKeys[edge]), std::to_string(11 + edge));
    QTest::mouseClick(dialog.tileBox(edge), Qt::LeftButton);
    EXPECT_EQ(skinValue("Btn", tileKeys[edge]), "1");
    QTest::mouseClick(dialog.tileBox(edge), Qt::LeftButton);
    EXPECT_EQ(skinValue("Btn", tileKeys[edge]), "0");
  }
  // The middle list writes "Tile" alone; "Do not paint the middle area" writes "EdgesOnly" alone.
  dialog.middleList()->setCurrentIndex(1);
  EXPECT_EQ(skinValue("Btn", "Tile"), "1");
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "1");
  QTest::mouseClick(dialog.edgesOnlyBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "EdgesOnly"), "0");
  EXPECT_EQ(skinValue("Btn", "Tile"), "1");
  dialog.paintingList()->setCurrentIndex(3);
  EXPECT_EQ(skinValue("Btn", "SimpleMode"), "3");
  QTest::mouseClick(dialog.smartBox(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "SmartSmallMargins"), "1");
  EXPECT_TRUE(dialog.refreshTimer()->isPending());

  // "Grid" and "Margins" are settings, not skin keys.
  const std::string before = mainText();
  QTest::mouseClick(dialog.gridBox(), Qt::LeftButton);
  QTest::mouseClick(dialog.marginsBox(), Qt::LeftButton);
  EXPECT_EQ(ReadSettingInt(settings::UseGrid), 1);
  EXPECT_EQ(ReadSettingInt(settings::UseColour), 1);
  EXPECT_TRUE(dialog.preview()->options().grid);
  EXPECT_TRUE(dialog.preview()->options().margins);
  EXPECT_EQ(mainText(), before);

  // OK keeps everything, and the previews are refreshed once.
  QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(skinValue("Btn", "SimpleMode"), "3");
  EXPECT_EQ(editor.repaints, 1);
}

TEST_F(MarginsEditorDialogTest, CancelEscapeAndTheCloseBoxTakeBackTheWrites) {
  const std::string text = openButton("TopHeight=2\r\n");
  WriteSkinString("Other", "Kept", "1", Session().mainFile);  // before the window: stays
  document->commitPendingStep();
  const std::string before = mainText();
  for (int how = 0; how < 3; ++how) {
    SCOPED_TRACE(how);
    MarginsEditorDialog dialog(editor);
    dialog.show();
    dialog.marginBox(kTopEdge)->setValue(30 + how);
    dialog.tileBox(kBottomEdge)->setChecked(true);
    dialog.paintingList()->setCurrentIndex(1);
    QCoreApplication::processEvents();
    dialog.marginBox(kLeftEdge)->setValue(7);
    ASSERT_NE(mainText(), before);
    if (how == 0) QTest::mouseClick(button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    if (how == 1) QTest::keyClick(&dialog, Qt::Key_Escape);
    if (how == 2) dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(mainText(), before);
  }
  EXPECT_EQ(stack().index(), 1);  // the write made before any window opened
}

// A press on a margin mark and a drag set that margin; the value follows the mouse pixel by pixel,
// the drag is one undo step, and the library draws the mark where it was dropped.
TEST_F(MarginsEditorDialogTest, DraggingAMarkSetsItsMarginAsOneStep) {
  static DynamicLibrary module(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(module);
  ASSERT_TRUE(Preview().isBound());
  openButton("TopHeight=8\r\nBottomHeight=8\r\nLeftWidth=8\r\nRightWidth=8\r\n");
  Preview().LoadUISFile(mainFile());
  WriteSetting(settings::UseColour, "1");
  MarginsEditorDialog dialog(editor);
  dialog.resize(1000, 600);
  dialog.show();
  MarginsPreview* preview = dialog.preview();
  ASSERT_EQ(preview->size(), QSize(77, 57));  // one 60 x 40 frame and 17 each way

  QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(30, 8));
  EXPECT_EQ(preview->draggedEdge(), kTopEdge);
  QTest::mouseMove(preview, QPoint(30, 11));
  EXPECT_EQ(dialog.marginBox(kTopEdge)->value(), 11);
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "11");
  // While dragging, the value shows on the mark's colour just under the mark.
  const auto labelPixels = [preview] {
    const QImage shown = preview->grab().toImage();
    int count = 0;
    for (int y = 16; y < 30; ++y)
      for (int x = 0; x < shown.width(); ++x) count += shown.pixelColor(x, y).rgb() == kTopMarginColour.rgb();
    return count;
  };
  EXPECT_GT(labelPixels(), 20);
  QCoreApplication::processEvents();  // the drag spans several turns of the event loop
  QTest::mouseMove(preview, QPoint(30, 14));
  QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(30, 14));
  EXPECT_FALSE(preview->draggedEdge());
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "14");
  EXPECT_EQ(labelPixels(), 0);
  ASSERT_EQ(stack().count(), 1);
  EXPECT_EQ(stack().undoText(), "Change Top margin of Btn");

  dialog.refreshTimer()->flush();
  const QImage shown = preview->render();
  EXPECT_EQ(shown.pixelColor(30, 14).rgb(), kTopMarginColour.rgb());
  EXPECT_NE(shown.pixelColor(30, 8).rgb(), kTopMarginColour.rgb());

  // The right mark (column 71 - 8) dragged far left stops where the frame leaves room.
  drag(preview, QPoint(63, 30), QPoint(-50, 30));
  EXPECT_EQ(skinValue("Btn", "RightWidth"), "52");  // 60 - 8
  ASSERT_EQ(stack().count(), 2);
  EXPECT_EQ(stack().undoText(), "Change Right margin of Btn");
  stack().undo();
  EXPECT_EQ(skinValue("Btn", "RightWidth"), "8");
  Preview().CloseSection();
  Preview().unbind();
}

TEST_F(MarginsEditorDialogTest, MarksAreNotGrabbedWhileTheLibraryDoesNotDrawThem) {
  openButton("TopHeight=8\r\n");
  WriteSetting(settings::UseColour, "0");
  MarginsEditorDialog dialog(editor);
  dialog.resize(1000, 600);
  dialog.show();
  const QSize before = dialog.preview()->size();
  // Without "Margins" a press on the top mark resizes instead.
  drag(dialog.preview(), QPoint(30, 8), QPoint(50, 18));
  EXPECT_EQ(skinValue("Btn", "TopHeight"), "8");
  EXPECT_EQ(dialog.preview()->size(), before + QSize(20, 10));
}

TEST_F(MarginsEditorDialogTest, PreviewResizesByDraggingWithinItsRoomAndDoubleClickRestoresIt) {
  openButton("TopHeight=8\r\n");
  WriteSetting(settings::UseColour, "1");
  MarginsEditorDialog dialog(editor);
  dialog.resize(1000, 600);
  dialog.show();
  MarginsPreview* preview = dialog.preview();
  const QSize initial = preview->size();
  EXPECT_EQ(initial, dialog.defaultPreviewSize());
  drag(preview, QPoint(30, 30), QPoint(70, 60));
  EXPECT_EQ(preview->size(), initial + QSize(40, 30));
  EXPECT_EQ(stack().count(), 0);
  drag(preview, QPoint(30, 30), QPoint(5000, 5000));
  EXPECT_EQ(preview->size(), dialog.previewArea()->size());
  drag(preview, QPoint(30, 30), QPoint(-5000, -5000));
  EXPECT_EQ(preview->size(), kMinMarginsPreview);
  QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(preview->size(), initial);
}

TEST_F(MarginsEditorDialogTest, WindowPlacementIsRestoredAndStored) {
  openButton("");
  WriteSetting(settings::SectionX, 40);
  WriteSetting(settings::SectionY, 30);
  WriteSetting(settings::SectionWidth, 300);  // below the smallest window
  WriteSetting(settings::SectionHeight, 100);
  {
    MarginsEditorDialog dialog(editor);
    EXPECT_EQ(dialog.minimumSize(), QSize(700, 280));
    EXPECT_EQ(dialog.size(), QSize(700, 280));
    // Every control still has its room at the smallest size.
    EXPECT_LE(dialog.layout()->minimumSize().width(), 700);
    EXPECT_LE(dialog.layout()->minimumSize().height(), 280);
    dialog.show();
    dialog.resize(820, 500);
    dialog.accept();
  }
  EXPECT_EQ(ReadSettingInt(settings::SectionWidth), 820);
  EXPECT_EQ(ReadSettingInt(settings::SectionHeight), 500);
  EXPECT_EQ(ReadSettingInt(settings::SectionZoom), 0);
  WriteSetting(settings::SectionZoom, "1");
  MarginsEditorDialog maximised(editor);
  EXPECT_TRUE(maximised.windowState() & Qt::WindowMaximized);
}

// Damaged values and pictures: the window opens, shows what it can and writes only what it
// clamps.
TEST_F(MarginsEditorDialogTest, BadValuesAndPicturesOpenAndAreClamped) {
  catalogue("subsections.ini", "[Btn]\r\nBuildStates=1\r\n");
  struct Case {
    const char* frames;
    int widestLeft;  // one frame of the 60-pixel picture
  };
  for (const Case& c : {Case{"0", 60}, Case{"10000", 1}, Case{"-3", 60}}) {
    SCOPED_TRACE(c.frames);
    openButton(std::string("FrameCount=") + c.frames + "\r\nTopHeight=5000\r\nLeftWidth=-7\r\n");
    WriteSetting(settings::UseColour, "1");
    MarginsEditorDialog dialog(editor);
    dialog.resize(1000, 600);
    dialog.show();
    EXPECT_GE(dialog.stateList()->count(), 1);
    EXPECT_LE(dialog.stateList()->count(), kMaxAnimationStates);
    EXPECT_EQ(dialog.marginBox(kTopEdge)->value(), 1000);
    EXPECT_EQ(dialog.marginBox(kLeftEdge)->value(), 0);
    EXPECT_GE(dialog.preview()->width(), kMinMarginsPreview.width());
    for (int state = 0; state < dialog.stateList()->count(); state += 17) {
      dialog.stateList()->setCurrentIndex(state);
      EXPECT_FALSE(dialog.preview()->render().isNull());
    }
    // The left mark dragged far right stops at the frame's width.
    const QSize area = MarginsRenderArea(dialog.preview()->size());
    drag(dialog.preview(), QPoint(0, area.height() / 2), QPoint(5000, area.height() / 2));
    EXPECT_EQ(skinValue("Btn", "LeftWidth"), std::to_string(std::min(c.widestLeft, area.width() - 1)));
    dialog.reject();
    EXPECT_EQ(skinValue("Btn", "LeftWidth"), "-7");
  }

  // A damaged picture, an empty one and a missing one leave the preview at its default size.
  temp.write("skins/S/bad.png", std::string("\x89PNG\r\n\x1a\nnot really", 18));
  temp.write("skins/S/empty.tga", "");
  for (const char* slot : {"s\\bad.png", "s\\empty.tga", "s\\none.png"}) {
    SCOPED_TRACE(slot);
    openSkin(std::string("[Btn]\r\nImage=") + slot + "\r\nTopHeight=900\r\n");
    document = std::make_unique<SkinDocument>(skinsFolder() + "/S");
    MarginsEditorDialog dialog(editor);
    dialog.show();
    EXPECT_EQ(dialog.preview()->size(), QSize(20, 20));
    EXPECT_FALSE(dialog.preview()->render().isNull());
    dialog.reject();
  }
}

TEST_F(MarginsEditorDialogTest, AnEditRefreshesTheSectionAndTheLargePreviewOnce) {
  openButton("");
  MarginsEditorDialog dialog(editor);
  dialog.marginBox(kTopEdge)->setValue(1);
  dialog.marginBox(kTopEdge)->setValue(2);
  dialog.tileBox(kTopEdge)->setChecked(true);
  EXPECT_TRUE(dialog.refreshTimer()->isPending());
  dialog.refreshTimer()->flush();
  EXPECT_EQ(editor.repaints, 1);
  EXPECT_FALSE(dialog.refreshTimer()->isPending());
}

}  // namespace
}  // namespace tessera::ui
