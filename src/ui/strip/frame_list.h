#pragma once
// The frame list of the frame builder: one 65-pixel entry per frame with its number, its
// pixels from the working strip and its state name.
#include <QListWidget>
#include <QImage>
#include <QStyledItemDelegate>

namespace tessera {
class FrameBuilderModel;
}

namespace tessera::ui {

class FrameListDelegate : public QStyledItemDelegate {
 public:
  FrameListDelegate(const FrameBuilderModel& model, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The strip as drawn, converted once per change rather than once per entry.
  void setStripImage(QImage image) { stripImage_ = std::move(image); }

 private:
  const FrameBuilderModel& model_;
  QImage stripImage_;
};

class FrameList : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kEntryHeight = 65;
  FrameList(const FrameBuilderModel& model, QWidget* parent);
  // Matches the entries to the model's frame count and selection.
  void sync();

 private:
  const FrameBuilderModel& model_;
  FrameListDelegate* delegate_ = nullptr;
};

}  // namespace tessera::ui
