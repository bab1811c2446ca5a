#include "ui/strip/frame_list.h"

#include <QPainter>
#include <algorithm>

#include "core/image/frame_builder.h"
#include "core/platform/settings.h"
#include "ui/app/message_prompt.h"
#include "ui/strip/strip_painting.h"

namespace tessera::ui {

namespace {

constexpr int kPictureLeft = 70;
constexpr int kLabelWidth = 75;
constexpr int kLabelRightGap = 5;
const QColor kSelectedFill(195, 195, 210);

void paintBackground(QPainter& painter, const QRect& entry, bool grid, bool selected) {
  if (!grid) {
    painter.fillRect(entry, selected ? kSelectedFill : QColor(Qt::white));
    return;
  }
  PaintCheckerboard(painter, entry);
  if (selected) painter.fillRect(entry, QColor(195, 195, 210, 160));
  painter.fillRect(QRect(entry.left(), entry.top(), 50, entry.height()), QColor(255, 255, 255, 200));
}

QColor numberColour(bool grid, bool selected) {
  if (!selected) return {180, 180, 180};
  return grid ? QColor(100, 100, 100) : QColor(Qt::white);
}

QColor labelColour(bool grid, bool selected, bool additional) {
  if (grid) return {100, 100, 100};
  if (selected) return Qt::white;
  return additional ? QColor(215, 215, 215) : QColor(130, 130, 130);
}

}  // namespace

FrameListDelegate::FrameListDelegate(const FrameBuilderModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QSize FrameListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width(), FrameList::kEntryHeight};
}

void FrameListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const int frame = index.row();
  const QRect entry = option.rect;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const bool grid = ReadSettingInt(settings::UseGrid) == 1;
  painter->save();
  painter->setClipRect(entry);
  paintBackground(*painter, entry, grid, selected);

  const QRect numberBox(entry.left() + 5, entry.top(), 30, entry.height());
  painter->setPen(numberColour(grid, selected));
  painter->drawText(numberBox, Qt::AlignRight | Qt::AlignVCenter, QString::number(frame + 1));
  const int lineX = numberBox.right() + 15;
  painter->drawLine(lineX, entry.top(), lineX, entry.bottom());

  const QRect labelBox(entry.right() - kLabelRightGap - kLabelWidth, entry.top(), kLabelWidth, entry.height());
  const std::string label = model_.frameLabel(frame);
  if (!label.empty()) {
    painter->setPen(labelColour(grid, selected, label == kAdditionalFrameLabel));
    painter->drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, FromSkinText(label));
  }

  if (!model_.isEmpty() && model_.frameWidth() > 0) {
    const QRect space(entry.left() + kPictureLeft, entry.top() + 2,
                      std::max(0, labelBox.left() - entry.left() - kPictureLeft), entry.height() - 4);
    const int height = model_.frameHeight();
    const QRect source(frame * model_.frameWidth(), 0, model_.frameWidth(), height);
    const QRect placed(space.left(), entry.top() + (entry.height() - height) / 2, source.width(), height);
    painter->setClipRect(space);
    painter->drawImage(placed, stripImage_, source);
  }
  painter->restore();
}

FrameList::FrameList(const FrameBuilderModel& model, QWidget* parent) : QListWidget(parent), model_(model) {
  delegate_ = new FrameListDelegate(model, this);
  setItemDelegate(delegate_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

void FrameList::sync() {
  delegate_->setStripImage(model_.isEmpty() ? QImage() : ToQImage(model_.strip()));
  const int frames = model_.frameCount();
  while (count() > frames) delete takeItem(count() - 1);
  while (count() < frames) addItem(QString());
  if (model_.selectedFrame() >= 0 && model_.selectedFrame() < count()) {
    setCurrentRow(model_.selectedFrame());
  }
  viewport()->update();
}

}  // namespace tessera::ui
