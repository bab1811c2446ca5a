#include "ui/pages/frame_margins_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/pages/frame_keys.h"
#include "ui/sheet/refresh_timer.h"

namespace tessera::ui {

SizingMarginsPage::SizingMarginsPage(SectionEditorContext& editor, QWidget* parent)
    : PropertyPage(editor, QStringLiteral("Sizing margins"), parent) {
  refresh_ = RefreshTimer::forImagePage(this, editor, [this] { return isLoaded(); });

  auto* grid = new QGridLayout;
  int line = 0;
  for (std::size_t border = 0; border < kBorderMarginRows.size(); ++border) {
    const BorderMarginRow& row = kBorderMarginRows[border];
    auto* stretch = new QCheckBox(QString::fromLatin1(row.stretchCaption), this);
    stretch->setChecked(ReadMiddleStretch(row.stretchKey));
    const char* key = row.stretchKey;
    connect(stretch, &QCheckBox::toggled, this, [this, key](bool on) {
      if (isLoading()) return;
      WriteMiddleStretch(key, on);
      refresh_->start();
    });
    stretch_[border] = stretch;
    firstMargin_[border] = marginBox(row.firstKey);
    secondMargin_[border] = marginBox(row.secondKey);

    grid->addWidget(stretch, line++, 0, 1, 2);
    grid->addWidget(new QLabel(QString::fromLatin1(row.firstCaption), this), line, 0);
    grid->addWidget(firstMargin_[border], line++, 1);
    grid->addWidget(new QLabel(QString::fromLatin1(row.secondCaption), this), line, 0);
    grid->addWidget(secondMargin_[border], line++, 1);
  }
  grid->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  finishLoading();
}

QSpinBox* SizingMarginsPage::marginBox(const char* key) {
  auto* box = new QSpinBox(this);
  box->setRange(0, kMaxBorderMargin);
  box->setValue(ReadBorderMargin(kBordersSection, key));
  connect(box, &QSpinBox::valueChanged, this, [this, key](int value) {
    if (isLoading()) return;
    WriteBorderMargin(kBordersSection, key, value);
    refresh_->start();
  });
  return box;
}

void SizingMarginsPage::reload() {
  for (std::size_t border = 0; border < kBorderMarginRows.size(); ++border) {
    const BorderMarginRow& row = kBorderMarginRows[border];
    stretch_[border]->setChecked(ReadMiddleStretch(row.stretchKey));
    firstMargin_[border]->setValue(ReadBorderMargin(kBordersSection, row.firstKey));
    secondMargin_[border]->setValue(ReadBorderMargin(kBordersSection, row.secondKey));
  }
}

void SizingMarginsPage::refreshAfterReload() { refresh_->start(); }

}  // namespace tessera::ui
