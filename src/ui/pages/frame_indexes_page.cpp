#include "ui/pages/frame_indexes_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/pages/frame_keys.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

namespace {
const char* const kStateCaptions[3] = {"Active", "Inactive", "Disabled"};
}  // namespace

FrameIndexesPage::FrameIndexesPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Frame indexes"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });

  auto* grid = new QGridLayout;
  for (int state = 0; state < 3; ++state) {
    grid->addWidget(new QLabel(QString::fromLatin1(kStateCaptions[state]), this), 0, 1 + state);
    grid->addWidget(new QLabel(QString::fromLatin1(kStateCaptions[state]), this), 0, 4 + state);
  }
  grid->addWidget(new QLabel(QStringLiteral("Frame"), this), 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Shape"), this), 1, 4);
  for (std::size_t row = 0; row < kFrameIndexRows.size(); ++row) {
    const FrameIndexRow& keys = kFrameIndexRows[row];
    const int line = static_cast<int>(row) + 2;
    grid->addWidget(new QLabel(QString::fromLatin1(keys.caption), this), line, 0);
    for (std::size_t state = 0; state < 3; ++state) {
      frameLists_[row][state] = makeList(keys.frameKeys[state]);
      shapeLists_[row][state] = makeList(keys.shapeKeys[state]);
      grid->addWidget(frameLists_[row][state], line, 1 + static_cast<int>(state));
      grid->addWidget(shapeLists_[row][state], line, 4 + static_cast<int>(state));
    }
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();

  reload();
  finishLoading();
}

QComboBox* FrameIndexesPage::makeList(const char* key) {
  auto* list = new QComboBox(this);
  connect(list, &QComboBox::currentIndexChanged, this, [this, key](int index) {
    if (isLoading() || index < 0) return;
    WriteFrameIndex(key, index);
    refresh_->start();
  });
  return list;
}

void FrameIndexesPage::showEvent(QShowEvent* event) {
  PropertyPage::showEvent(event);
  reloadControls();
}

void FrameIndexesPage::reload() {
  const int frames = ReadFrameImageCount(currentSection(), kFrameCountKey);
  const int shapes = ReadFrameImageCount(currentSection(), kShapeFrameCountKey);
  for (std::size_t row = 0; row < kFrameIndexRows.size(); ++row) {
    loadRow(frameLists_[row], kFrameIndexRows[row].frameKeys, false, frames);
    loadRow(shapeLists_[row], kFrameIndexRows[row].shapeKeys, true, shapes);
  }
}

void FrameIndexesPage::loadRow(const ListRow& lists, const std::array<const char*, 3>& keys, bool shape, int count) {
  QStringList numbers;
  for (int n = 1; n <= count; ++n) numbers << QString::number(n);
  for (QComboBox* list : lists) {
    list->clear();
    list->addItems(numbers);
  }
  auto select = [&](std::size_t state, int def) {
    const int index = ReadFrameIndex(keys[state], def);
    lists[state]->setCurrentIndex(index >= 0 && index < count ? index : -1);
  };
  select(0, DefaultFrameIndex(shape, FrameState::Active));
  select(1, DefaultFrameIndex(shape, FrameState::Inactive));
  // A window without its own disabled frame shows the inactive one.
  select(2, lists[1]->currentIndex());
}

void FrameIndexesPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
