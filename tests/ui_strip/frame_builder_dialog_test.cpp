#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "core/image/frame_builder.h"
#include "ui/strip/frame_builder_dialog.h"
#include "ui/strip/frame_list.h"
#include "ui_strip/strip_fixture.h"

namespace tessera::ui {
namespace {

using testing::ButtonNamed;
using testing::ClickAnsweringPicker;
using testing::ScriptedPrompt;

constexpr std::uint32_t kRed = MakePixel(0, 0, 255, 255);
constexpr std::uint32_t kBlue = MakePixel(255, 0, 0, 255);
constexpr std::uint32_t kGreen = MakePixel(0, 255, 0, 255);

class FrameBuilderDialogTest : public testing::StripDialogTest {
 protected:
  void SetUp() override {
    StripDialogTest::SetUp();
    catalogue("subsections.ini", "[Button]\r\nImageCount=3\r\nStateList=2\r\n");
    catalogue("statelist.ini", "[2]\r\nNormal=1\r\nHot=2\r\n");
    openSkin("[Button]\r\n");
    BuilderPath().clear();
  }
  FilePickerRequest click(QWidget* dialog, const QString& text, const std::string& answer) {
    return ClickAnsweringPicker(dialog, text, answer);
  }
  static std::uint32_t frameCentre(const FrameBuilderModel& model, int frame) {
    return model.strip().pixelAt(frame * model.frameWidth() + model.frameWidth() / 2, model.frameHeight() / 2);
  }
};

TEST_F(FrameBuilderDialogTest, ImportsIntoOneFrameAndAllAndFollowsTheFrameCount) {
  const std::string red = writeFilled("art/red.tga", 8, 6, kRed);
  const std::string blue = writeFilled("art/blue.tga", 8, 6, kBlue);
  ScriptedPrompt prompt(PromptAnswer::Yes);
  FrameBuilderDialog builder("Button");
  builder.show();
  const FrameBuilderModel& model = builder.model();
  auto* count = builder.findChild<QSpinBox*>();
  EXPECT_EQ(count->value(), 3);
  EXPECT_EQ(builder.frameList()->count(), 3);
  EXPECT_EQ(model.frameLabel(2), kAdditionalFrameLabel);

  builder.frameList()->setCurrentRow(1);
  click(&builder, QStringLiteral("Pick file..."), red);
  ASSERT_FALSE(model.isEmpty());
  EXPECT_EQ(model.strip().width(), 24);
  EXPECT_EQ(frameCentre(model, 1), kRed);
  EXPECT_EQ(frameCentre(model, 0), 0u);
  EXPECT_EQ(frameCentre(model, 2), 0u);

  ButtonNamed<QRadioButton>(&builder, QStringLiteral("Import into all frames"))->click();
  click(&builder, QStringLiteral("Pick file..."), blue);
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(frameCentre(model, frame), kBlue) << frame;

  count->setValue(5);
  EXPECT_EQ(builder.frameList()->count(), 5);
  EXPECT_EQ(model.strip().width(), 40);
  EXPECT_EQ(frameCentre(model, 2), kBlue);
  EXPECT_EQ(frameCentre(model, 4), 0u);
  count->setValue(2);
  EXPECT_EQ(builder.frameList()->count(), 2);
  EXPECT_EQ(model.strip().width(), 16);
  EXPECT_TRUE(model.isModified());

  // Unsaved work: closing asks first.
  builder.reject();
  ASSERT_EQ(prompt.questions.size(), 1u);
  EXPECT_EQ(prompt.questions[0].text, kLoseChangesText);
  EXPECT_EQ(prompt.questions[0].caption, kLoseChangesCaption);
  EXPECT_FALSE(builder.isVisible());
}

TEST_F(FrameBuilderDialogTest, SplitsAVerticalPictureAndSavesInTheChosenLayoutAndFormat) {
  auto tall = CreateImage(8, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 8; ++x) tall->setPixelAt(x, y, y < 6 ? kRed : (x < 4 ? kGreen : 0u));
  const std::string parts = writePicture("art/parts.tga", *tall);
  FrameBuilderDialog builder("Button");
  builder.show();
  const FrameBuilderModel& model = builder.model();
  builder.findChild<QSpinBox*>()->setValue(2);
  ButtonNamed<QCheckBox>(&builder, QStringLiteral("Image is vertical"))->setChecked(true);
  click(&builder, QStringLiteral("Load existing multi part image..."), parts);
  EXPECT_EQ(model.frameWidth(), 8);
  EXPECT_EQ(model.strip().width(), 16);
  EXPECT_EQ(model.strip().height(), 6);
  EXPECT_EQ(frameCentre(model, 0), kRed);
  EXPECT_EQ(model.strip().pixelAt(8 + 1, 2), kGreen);

  // Stacked, without alpha: a keyed 24-bit BMP, transparent pixels magenta.
  ButtonNamed<QCheckBox>(&builder, QStringLiteral("Stack frames vertically"))->setChecked(true);
  ButtonNamed<QCheckBox>(&builder, QStringLiteral("Save with alpha channel"))->setChecked(false);
  const std::string bmp = temp.file("skins/S/stack.bmp");
  const FilePickerRequest savedBmp = click(&builder, QStringLiteral("Save file as ..."), bmp);
  EXPECT_EQ(savedBmp.mode, PickerMode::Save);
  EXPECT_EQ(savedBmp.defaultSuffix, "bmp");
  EXPECT_EQ(BuilderPath(), bmp);
  EXPECT_FALSE(model.isModified());
  EXPECT_EQ(temp.read("skins/S/stack.bmp").substr(0, 2), "BM");
  const auto stacked = LoadImageFile(bmp);
  ASSERT_TRUE(stacked);
  EXPECT_EQ(stacked->width(), 8);
  EXPECT_EQ(stacked->height(), 12);
  EXPECT_EQ(stacked->pixelAt(1, 8), kGreen);
  EXPECT_EQ(stacked->pixelAt(6, 8), kMagentaKey);

  // Side by side, with alpha: TGA data whatever the name.
  ButtonNamed<QCheckBox>(&builder, QStringLiteral("Stack frames vertically"))->setChecked(false);
  ButtonNamed<QCheckBox>(&builder, QStringLiteral("Save with alpha channel"))->setChecked(true);
  const std::string tga = temp.file("skins/S/row.tga");
  EXPECT_EQ(click(&builder, QStringLiteral("Save file as ..."), tga).defaultSuffix, "tga");
  std::string format;
  const auto row = LoadImageFile(tga, format);
  ASSERT_TRUE(row);
  EXPECT_EQ(format, "tga");
  EXPECT_EQ(row->width(), 16);
  EXPECT_EQ(row->height(), 6);
  EXPECT_EQ(AlphaOfPixel(row->pixelAt(14, 3)), 0);

  // Saved: closing asks nothing.
  ScriptedPrompt prompt(PromptAnswer::No);
  builder.reject();
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_FALSE(builder.isVisible());
}

TEST_F(FrameBuilderDialogTest, OpensOnTheBuilderPathAndKeepsWorkWhenASaveFails) {
  auto strip = CreateImage(24, 6);
  strip->fill(kBlue);
  BuilderPath() = writePicture("skins/S/strip.tga", *strip);
  ScriptedPrompt prompt(PromptAnswer::No);
  FrameBuilderDialog builder("Button");
  builder.show();
  const FrameBuilderModel& model = builder.model();
  EXPECT_FALSE(model.isEmpty());
  EXPECT_EQ(model.frameWidth(), 8);
  EXPECT_EQ(model.suggestedSaveName(), BuilderPath());

  builder.findChild<QSpinBox*>()->setValue(4);
  const std::string opened = BuilderPath();
  FrameBuilderModel copy = model;
  EXPECT_FALSE(copy.save(temp.file("no/such/folder/strip.tga")));
  EXPECT_TRUE(copy.isModified());
  EXPECT_EQ(BuilderPath(), opened);

  // Refusing to lose the changes keeps the builder open.
  builder.reject();
  EXPECT_EQ(prompt.questions.size(), 1u);
  EXPECT_TRUE(builder.isVisible());
}

}  // namespace
}  // namespace tessera::ui
