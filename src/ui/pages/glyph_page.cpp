#include "ui/pages/glyph_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/glyph_values.h"
#include "core/pages/slot_writes.h"
#include "ui/common/number_field.h"
#include "ui/pages/image_slot_panel.h"
#include "ui/pages/note_box.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {
constexpr int kMaxGlyphNumber = 255;
}  // namespace

GlyphPage::GlyphPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Glyph"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); }, [this] { panel_->repaintPreview(); });

  SlotPanelOptions options;
  options.page = SlotPage::Glyph;
  options.keys = kGlyphSlot;
  options.emptyText = QStringLiteral(" None");
  options.commands = GlyphPageCommands();
  panel_ = new ImageSlotPanel(editor, options, this);
  connect(panel_, &ImageSlotPanel::fileChosen, this, [this](const std::string& value) {
    if (isLoading()) return;
    WriteGlyphSlot(currentSection(), value);
    refresh_->start();
  });
  connect(panel_, &ImageSlotPanel::slotWrittenByCommand, this, [this] { refresh_->start(); });
  connect(panel_, &ImageSlotPanel::fileRewritten, this, [this] { refresh_->start(); });

  transMode_ = optionBox(glyph_keys::TransMode,
                         {QStringLiteral("No Transparency"), QStringLiteral("Use 'Magic Pink' Transparency"),
                          QStringLiteral("Use Constant Alpha blending"), QStringLiteral("Use Per Pixel Alpha blending")});
  // The constant alpha value is shown for its mode but kept nowhere in the skin.
  constantAlpha_ = SizedToContent(new QSpinBox(this));
  constantAlpha_->setRange(0, kMaxGlyphNumber);
  horzAlign_ = optionBox(glyph_keys::HorzAlign,
                         {QStringLiteral("Centre"), QStringLiteral("Left align"), QStringLiteral("Right align"),
                          QStringLiteral("% from the left edge"), QStringLiteral("% from the right edge")});
  xShift_ = numberBox(glyph_keys::XShift);
  vertAlign_ = optionBox(glyph_keys::VertAlign,
                         {QStringLiteral("Centre"), QStringLiteral("Top align"), QStringLiteral("Bottom align"),
                          QStringLiteral("% from the top edge"), QStringLiteral("% from the bottom edge")});
  yShift_ = numberBox(glyph_keys::YShift);
  minWidth_ = numberBox(glyph_keys::MinWidth);
  minHeight_ = numberBox(glyph_keys::MinHeight);
  notes_ = new NoteBox(QStringLiteral("Remember that glyph images must have the same frame count as the main image"), this);

  auto updateConstantAlpha = [this] { constantAlpha_->setEnabled(transMode_->currentIndex() == kGlyphConstantAlphaMode); };
  connect(transMode_, &QComboBox::currentIndexChanged, this, updateConstantAlpha);

  auto* grid = new QGridLayout;
  int row = 0;
  auto label = [this](const char* text) { return new QLabel(QString::fromLatin1(text), this); };
  grid->addWidget(label("Transparency mode : "), row, 0);
  grid->addWidget(transMode_, row++, 1, 1, 2);
  grid->addWidget(label("Constant alpha value  : "), row, 0);
  grid->addWidget(constantAlpha_, row++, 1);
  grid->addWidget(label("Horizontal alignment :"), row, 0);
  grid->addWidget(horzAlign_, row, 1);
  grid->addWidget(xShift_, row++, 2);
  grid->addWidget(label("Vertical alignment :"), row, 0);
  grid->addWidget(vertAlign_, row, 1);
  grid->addWidget(yShift_, row++, 2);
  grid->addWidget(label("Do not show when there is less than"), row, 0);
  grid->addWidget(minWidth_, row, 1);
  grid->addWidget(label("pixels width"), row++, 2);
  grid->addWidget(label("Do not show when there is less than"), row, 0);
  grid->addWidget(minHeight_, row, 1);
  grid->addWidget(label("pixels height"), row++, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel_);
  layout->addLayout(grid);
  layout->addWidget(notes_);
  layout->addStretch();

  panel_->load();
  updateConstantAlpha();
  finishLoading();
}

QComboBox* GlyphPage::optionBox(const char* key, const QStringList& options) {
  auto* box = new QComboBox(this);
  box->addItems(options);
  const int value = ReadGlyphValue(currentSection(), key);
  box->setCurrentIndex(value >= 0 && value < options.size() ? value : -1);
  connect(box, &QComboBox::currentIndexChanged, this, [this, key](int index) {
    if (isLoading() || index < 0) return;
    WriteGlyphValue(currentSection(), key, index);
    refresh_->start();
  });
  return box;
}

QSpinBox* GlyphPage::numberBox(const char* key) {
  auto* box = SizedToContent(new QSpinBox(this));
  box->setRange(0, kMaxGlyphNumber);
  box->setValue(ReadGlyphValue(currentSection(), key));
  connect(box, &QSpinBox::valueChanged, this, [this, key](int value) {
    if (isLoading()) return;
    WriteGlyphValue(currentSection(), key, value);
    refresh_->start();
  });
  return box;
}

void GlyphPage::reload() {
  panel_->reload(picturesChanged());
  const std::pair<QComboBox*, const char*> options[] = {
      {transMode_, glyph_keys::TransMode}, {horzAlign_, glyph_keys::HorzAlign}, {vertAlign_, glyph_keys::VertAlign}};
  for (const auto& [box, key] : options) {
    const int value = ReadGlyphValue(currentSection(), key);
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : -1);
  }
  const std::pair<QSpinBox*, const char*> numbers[] = {{xShift_, glyph_keys::XShift},
                                                       {yShift_, glyph_keys::YShift},
                                                       {minWidth_, glyph_keys::MinWidth},
                                                       {minHeight_, glyph_keys::MinHeight}};
  for (const auto& [box, key] : numbers) box->setValue(ReadGlyphValue(currentSection(), key));
}

void GlyphPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
