#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "core/app/preview_engine.h"
#include "core/editor/preview_background.h"
#include "core/engine/engine_libraries.h"
#include "core/platform/dynamic_library.h"
#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "editor_fixture.h"
#include "support/eventually.h"
#include "ui/editor/bottom_bar.h"
#include "ui/editor/section_editor_window.h"
#include "ui/editor/large_preview_button.h"

namespace tessera::ui {
namespace {

class LayerBarWindowTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    temp.write("skins/Tessera7/subsections.ini",
               "[Btn]\r\nDescription=Push button\r\nDescription2=The dialog button\r\nSection=1\r\n"
               "[Fixed]\r\nNoLayers=1\r\n");
    openSkin("[Btn]\r\nImage=s\\btn.tga\r\n[Fixed]\r\nNextLayerName=L\r\n");
  }
  static void choose(QComboBox* list, int row) {
    list->setCurrentIndex(row);
    emit list->activated(row);
  }
};

TEST_F(LayerBarWindowTest, OpensOnTheEntryWithItsTitlesAndTheSheetCaptions) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  EXPECT_EQ(editor.currentSection(), "Btn");
  EXPECT_EQ(editor.currentTopLevelSection(), "Btn");
  EXPECT_EQ(editor.titleLabel()->text(), "Push button");
  EXPECT_EQ(editor.subtitleLabel()->text(), "The dialog button");
  ASSERT_NE(editor.propertySheet(), nullptr);
  EXPECT_EQ(editor.bottomBar()->captions(), editor.propertySheet()->pageCaptions());
  EXPECT_EQ(editor.bottomBar()->selected(), editor.propertySheet()->activePage());
  EXPECT_EQ(editor.layerList()->count(), 1);
  EXPECT_EQ(editor.layerList()->itemText(0), "Base Layer - (Btn)");
  EXPECT_EQ(editor.blendModeList()->count(), 31);
  EXPECT_FALSE(editor.deleteLayerButton()->isEnabled());
  EXPECT_FALSE(editor.blendModeList()->isEnabled());
}

TEST_F(LayerBarWindowTest, AddingLayersChainsThemAndDeletingRelinksTheChain) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  QTest::mouseClick(editor.addLayerButton(), Qt::LeftButton);
  EXPECT_EQ(skinValue("Btn", "NextLayerName"), "L");
  EXPECT_EQ(editor.currentSection(), "Btn:L");
  QTest::mouseClick(editor.addLayerButton(), Qt::LeftButton);
  QTest::mouseClick(editor.addLayerButton(), Qt::LeftButton);
  settle();
  EXPECT_EQ(skinValue("Btn:L", "NextLayerName"), "L");
  EXPECT_EQ(skinValue("Btn:L:L", "NextLayerName"), "L");
  ASSERT_EQ(editor.layerList()->count(), 4);
  EXPECT_EQ(editor.layerList()->currentIndex(), 3);
  EXPECT_EQ(editor.currentSection(), "Btn:L:L:L");

  // Deleting the first of three layers removes its section; the later ones keep their names.
  choose(editor.layerList(), 1);
  settle();
  EXPECT_EQ(editor.currentSection(), "Btn:L");
  EXPECT_TRUE(editor.deleteLayerButton()->isEnabled());
  {
    AnsweringPrompt no(PromptAnswer::No);
    QTest::mouseClick(editor.deleteLayerButton(), Qt::LeftButton);
    EXPECT_EQ(no.questions,
              (std::vector<std::string>{"Delete layer?: Are you sure you want to delete the selected layer?"}));
    EXPECT_EQ(skinValue("Btn", "NextLayerName"), "L");
  }
  AnsweringPrompt yes(PromptAnswer::Yes);
  QTest::mouseClick(editor.deleteLayerButton(), Qt::LeftButton);
  settle();
  EXPECT_EQ(skinValue("Btn", "NextLayerName"), "L:L");
  EXPECT_EQ(skinValue("Btn:L", "NextLayerName"), "<none>");
  EXPECT_EQ(skinValue("Btn:L:L", "NextLayerName"), "L");
  ASSERT_EQ(editor.layerList()->count(), 3);
  EXPECT_EQ(editor.layerList()->currentIndex(), 2);
  EXPECT_EQ(editor.currentSection(), "Btn:L:L:L");

  // Deleting the last layer drops its predecessor's link and its own section.
  QTest::mouseClick(editor.deleteLayerButton(), Qt::LeftButton);
  settle();
  EXPECT_EQ(skinValue("Btn:L:L", "NextLayerName"), "<none>");
  EXPECT_EQ(skinValue("Btn", "NextLayerName"), "L:L");
  EXPECT_EQ(editor.layerList()->count(), 2);
  EXPECT_EQ(editor.currentSection(), "Btn:L:L");
}

TEST_F(LayerBarWindowTest, BlendModeIsWrittenIntoTheEditedLayer) {
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  QTest::mouseClick(editor.addLayerButton(), Qt::LeftButton);
  settle();
  ASSERT_TRUE(editor.blendModeList()->isEnabled());
  const int multiply = editor.blendModeList()->findText("Multiply Blend");
  ASSERT_GE(multiply, 0);
  choose(editor.blendModeList(), multiply);
  EXPECT_EQ(skinValue("Btn:L", "AlphaMode"), "17");
  EXPECT_EQ(skinValue("Btn", "AlphaMode"), "<none>");
  // Back on the base layer the list shows the base's mode and cannot be changed.
  choose(editor.layerList(), 0);
  settle();
  EXPECT_EQ(editor.currentSection(), "Btn");
  EXPECT_EQ(editor.blendModeList()->currentIndex(), 0);
  EXPECT_FALSE(editor.blendModeList()->isEnabled());
}

TEST_F(LayerBarWindowTest, NoLayersDisablesTheBarAndShowsOnlyTheBase) {
  SectionEditorWindow editor(SkinDocument::current(), "Fixed");
  EXPECT_EQ(editor.layerList()->count(), 1);
  EXPECT_FALSE(editor.layerList()->isEnabled());
  EXPECT_FALSE(editor.addLayerButton()->isEnabled());
  EXPECT_FALSE(editor.deleteLayerButton()->isEnabled());
  EXPECT_FALSE(editor.blendModeList()->isEnabled());
  EXPECT_FALSE(editor.layersButton()->isEnabled());
}

TEST_F(LayerBarWindowTest, BackgroundAndBrightnessAreRememberedAndTheMaximisedState) {
  WriteSetting(settings::BackIndex, "3");
  WriteSetting(settings::Brightness, "200");
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  EXPECT_EQ(editor.backgroundList()->currentIndex(), 3);
  EXPECT_EQ(editor.backgroundList()->itemText(5), "Grid");
  EXPECT_EQ(editor.brightnessSlider()->value(), 55);
  editor.backgroundList()->setCurrentIndex(5);
  emit editor.backgroundList()->activated(5);
  EXPECT_EQ(ReadSettingInt(settings::BackIndex), 5);
  editor.brightnessSlider()->setValue(100);
  EXPECT_EVENTUALLY_EQ(ReadSettingInt(settings::Brightness), 155);
  EXPECT_EQ(editor.interfaceGrey(), 155);
  editor.reject();
  EXPECT_EQ(ReadSettingInt(settings::WasMaxEdit), 0);
}

// The preview really is the skin drawn by the preview library, on the chosen background.
TEST_F(LayerBarWindowTest, LargePreviewDrawsTheSkinOverTheBackground) {
  static DynamicLibrary previewModule(ModulePath(tessera::testing::StandinFolder(), "vuzudiv"));
  BindPreviewLibrary(previewModule);
  ASSERT_TRUE(Preview().isBound());
  Preview().LoadUISFile(mainFile);
  WriteSetting(settings::BackIndex, "4");  // black
  SectionEditorWindow editor(SkinDocument::current(), "Btn");
  editor.resize(900, 700);
  editor.show();
  const QImage picture = editor.largePreview()->render().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::black));
  int drawn = 0;
  for (int y = 0; y < picture.height(); y += 3) {
    for (int x = 0; x < picture.width(); x += 3) drawn += picture.pixelColor(x, y) != QColor(Qt::black);
  }
  EXPECT_GT(drawn, 50);
  if (const char* shot = std::getenv("TESSERA_EDITOR_SCREENSHOT")) editor.grab().save(QString::fromLocal8Bit(shot));
  Preview().unbind();
}

}  // namespace
}  // namespace tessera::ui
