#pragma once
// Rows of the installed-skin lists: each row keeps the skin's name as the skin database gave it,
// and the open-skin list draws it with the skin's thumbnail.
#include <QHash>
#include <QListWidget>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

namespace tessera::ui {

// The role that holds a row's skin name in its original bytes.
inline constexpr int kSkinNameRole = Qt::UserRole + 10;

QListWidgetItem* NewSkinListItem(const std::string& name);
// The skin name of a list row ("" for none).
std::string SkinNameOfRow(const QModelIndex& index);
// Replaces the rows of `list` with the skins of `names`, in order.
void FillSkinList(QListWidget* list, const std::vector<std::string>& names);

// Rows 55 pixels high (scaled to the display): the skin's thumbnail "TSRPreview.png" (written
// when the skin was last opened for editing), else a swatch of its desktop colour, and its name.
class SkinRowDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  SkinRowDelegate(std::string skinsFolder, QObject* parent);

  static constexpr int kRowHeight = 55;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Forgets the thumbnails read so far (after the list was rebuilt).
  void forgetThumbnails() { thumbnails_.clear(); }

 private:
  const QPixmap& thumbnail(const std::string& name) const;

  std::string skinsFolder_;
  mutable QHash<QByteArray, QPixmap> thumbnails_;
};

}  // namespace tessera::ui
