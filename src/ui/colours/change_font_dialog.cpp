#include "ui/colours/change_font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/colours/skin_fonts.h"
#include "core/skin/skin_session.h"
#include "ui/app/message_prompt.h"
#include "ui/colours/colour_choosers.h"
#include "ui/colours/font_preview.h"
#include "core/platform/skin_text.h"

namespace tessera::ui {

namespace {

constexpr int kSampleFontPixels = 16;
constexpr int kFaceRowHeight = 25;

const char* const kWeightNames[kWeightCount] = {"Thin",      "Ultra Light", "Light",      "Normal", "Medium",
                                                "Semi Bold", "Bold",        "Ultra Bold", "Heavy"};
const char* const kStyleNames[kDrawingStyleCount] = {"Normal text (no effect)", "Shadowed text", "Outlined text",
                                                     "Outlined text (less cpu)", "Text with blurred shadow"};
const int kSizes[] = {4, 6, 8, 10, 11, 12, 14, 15, 16, 18, 20, 24, 28, 32, 36, 42, 60, 72};

QFont sampleFont(const QString& family, int pixels, int weight = 400) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

}  // namespace

QStringList ChangeFontDialog::SizeList(bool negative) {
  QStringList sizes;
  for (const int size : kSizes) sizes << QString::number(negative ? -size : size);
  return sizes;
}

ChangeFontDialog::ChangeFontDialog(int itemData, QWidget* parent) : QDialog(parent), itemData_(itemData) {
  setWindowTitle(QStringLiteral("Change font"));
  buildLayout();
  load();
}

void ChangeFontDialog::buildLayout() {
  auto* intro = new QLabel(QStringLiteral("You can adjust the font settings using the options below"));
  faceList_ = new QListWidget;
  faceList_->setUniformItemSizes(true);
  for (const QString& family : QFontDatabase::families()) {
    auto* item = new QListWidgetItem(family, faceList_);
    item->setFont(sampleFont(family, kSampleFontPixels));
    item->setSizeHint(QSize(0, kFaceRowHeight));
  }
  sizeBox_ = new QComboBox;
  sizeBox_->setEditable(true);
  weightList_ = new QComboBox;
  for (const char* name : kWeightNames) weightList_->addItem(QString::fromLatin1(name));
  styleList_ = new QComboBox;
  for (const char* name : kStyleNames) styleList_->addItem(QString::fromLatin1(name));
  italics_ = new QCheckBox(QStringLiteral("Italics"));
  underline_ = new QCheckBox(QStringLiteral("Underline"));
  rotate_ = new QCheckBox(QStringLiteral("Rotate 90 Degrees"));

  shadowSettings_ = new QGroupBox(QStringLiteral("Shadow settings"));
  shadowSwatch_ = new ColourSwatch;
  shadowSwatch_->setToolTip(QStringLiteral("Shadow colour (click to change)"));
  auto* shadowButton = new QPushButton(QStringLiteral("Change shadow colour..."));
  offsetX_ = new QSpinBox;
  offsetY_ = new QSpinBox;
  for (QSpinBox* box : {offsetX_, offsetY_}) box->setRange(-100, 100);
  auto* shadowLayout = new QGridLayout(shadowSettings_);
  shadowLayout->addWidget(shadowSwatch_, 0, 0);
  shadowLayout->addWidget(shadowButton, 0, 1, 1, 3);
  shadowLayout->addWidget(new QLabel(QStringLiteral("Shadow offset  X")), 1, 0);
  shadowLayout->addWidget(offsetX_, 1, 1);
  shadowLayout->addWidget(new QLabel(QStringLiteral("Y")), 1, 2);
  shadowLayout->addWidget(offsetY_, 1, 3);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Size :"), sizeBox_);
  form->addRow(QStringLiteral("Weight :"), weightList_);
  form->addRow(QStringLiteral("Style :"), styleList_);
  auto* checks = new QHBoxLayout;
  checks->addWidget(italics_);
  checks->addWidget(underline_);
  checks->addWidget(rotate_);
  auto* right = new QVBoxLayout;
  right->addLayout(form);
  right->addLayout(checks);
  right->addWidget(shadowSettings_);
  right->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(faceList_, 1);
  body->addLayout(right, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
  resize(640, 420);

  connect(faceList_, &QListWidget::currentRowChanged, this, &ChangeFontDialog::faceChanged);
  connect(shadowButton, &QPushButton::clicked, this, [this] {
    if (const auto chosen = CurrentColourChooser()(this, shadowSwatch_->colour())) shadowSwatch_->setColour(*chosen);
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    save();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  // A system font has no rotation and no shadow.
  if (IsSystemFontItem(itemData_)) {
    rotate_->hide();
    shadowSettings_->hide();
  }
}

// Weight and size entries are drawn in the chosen face.
void ChangeFontDialog::faceChanged() {
  const QListWidgetItem* face = faceList_->currentItem();
  if (face == nullptr) return;
  for (int i = 0; i < weightList_->count(); ++i)
    weightList_->setItemData(i, sampleFont(face->text(), kSampleFontPixels, (i + 1) * 100), Qt::FontRole);
  for (int i = 0; i < sizeBox_->count(); ++i)
    sizeBox_->setItemData(i, sampleFont(face->text(), std::max(1, std::abs(sizeBox_->itemText(i).toInt()))),
                          Qt::FontRole);
}

void ChangeFontDialog::load() {
  const FontSettings s = ReadFontSettings(itemData_, Session().mainFile);
  const QString face = FromSkinText(s.fontName);
  for (int i = 0; i < faceList_->count(); ++i) {
    if (faceList_->item(i)->text() == face) {
      faceList_->setCurrentRow(i);
      break;
    }
  }
  sizeBox_->addItems(SizeList(s.heightText.starts_with('-')));
  sizeBox_->setCurrentIndex(-1);
  sizeBox_->setEditText(QString::fromStdString(s.heightText));
  faceChanged();
  weightList_->setCurrentIndex(s.weightIndex.value_or(-1));
  styleList_->setCurrentIndex(s.drawingStyle.value_or(-1));
  italics_->setChecked(s.italics);
  underline_->setChecked(s.underline);
  shadowSwatch_->setColour(s.shadowColour);
  offsetX_->setValue(s.shadowOffsetX);
  offsetY_->setValue(s.shadowOffsetY);
  rotate_->setChecked(s.rotated);
}

void ChangeFontDialog::save() {
  FontSettings s;
  if (const QListWidgetItem* face = faceList_->currentItem()) s.fontName = ToSkinText(face->text());
  s.heightText = ToSkinText(sizeBox_->currentText().trimmed());
  if (weightList_->currentIndex() >= 0) s.weightIndex = weightList_->currentIndex();
  if (styleList_->currentIndex() >= 0) s.drawingStyle = styleList_->currentIndex();
  s.italics = italics_->isChecked();
  s.underline = underline_->isChecked();
  s.shadowColour = shadowSwatch_->colour();
  s.shadowOffsetX = offsetX_->value();
  s.shadowOffsetY = offsetY_->value();
  s.rotated = rotate_->isChecked();
  WriteFontSettings(itemData_, s, Session().mainFile);
}

}  // namespace tessera::ui
