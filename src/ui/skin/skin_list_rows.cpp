#include "ui/skin/skin_list_rows.h"

#include <QApplication>
#include <QPainter>

#include "core/platform/files.h"
#include "core/platform/paths.h"
#include "core/skin/skin_files.h"
#include "core/skin/skin_list.h"
#include "ui/app/message_prompt.h"
#include "ui/skin/display_scale.h"

namespace tessera::ui {

namespace {
QByteArray bytesOf(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

QListWidgetItem* NewSkinListItem(const std::string& name) {
  auto* item = new QListWidgetItem(FromSkinText(name));
  item->setData(kSkinNameRole, bytesOf(name));
  return item;
}

std::string SkinNameOfRow(const QModelIndex& index) {
  if (!index.isValid()) return {};
  return index.data(kSkinNameRole).toByteArray().toStdString();
}

void FillSkinList(QListWidget* list, const std::vector<std::string>& names) {
  list->clear();
  for (const auto& name : names) list->addItem(NewSkinListItem(name));
}

SkinRowDelegate::SkinRowDelegate(std::string skinsFolder, QObject* parent)
    : QStyledItemDelegate(parent), skinsFolder_(std::move(skinsFolder)) {}

QSize SkinRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(ScaledPixels(option.widget, kRowHeight));
  return size;
}

const QPixmap& SkinRowDelegate::thumbnail(const std::string& name) const {
  const QByteArray key = bytesOf(name);
  auto found = thumbnails_.find(key);
  if (found != thumbnails_.end()) return *found;
  QPixmap pixmap;
  const std::string file = paths::resolve(paths::join(paths::join(skinsFolder_, name), "TSRPreview.png"));
  if (files::isFile(file)) pixmap.load(QString::fromLocal8Bit(file.c_str()));
  if (pixmap.isNull()) {
    // Not opened for editing yet, so no thumbnail: the skin's desktop colour stands in.
    const ColorRef desktop = ReadDesktopColour(SkinMainFile(skinsFolder_, name));
    pixmap = QPixmap(4, 3);
    pixmap.fill(QColor(RedOf(desktop), GreenOf(desktop), BlueOf(desktop)));
  }
  return *thumbnails_.insert(key, pixmap);
}

void SkinRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  opt.text.clear();
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

  const int margin = ScaledPixels(widget, 4);
  const QRect area = opt.rect.adjusted(margin, margin, -margin, -margin);
  const int thumbHeight = area.height();
  const QRect thumbRect(area.left(), area.top(), thumbHeight * 4 / 3, thumbHeight);

  painter->save();
  const QPixmap& picture = thumbnail(SkinNameOfRow(index));
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawPixmap(thumbRect, picture);
  painter->setPen(opt.palette.color(QPalette::Mid));
  painter->drawRect(thumbRect.adjusted(0, 0, -1, -1));

  const bool selected = opt.state & QStyle::State_Selected;
  painter->setPen(opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled,
                                    selected ? QPalette::HighlightedText : QPalette::Text));
  QRect textRect = area;
  textRect.setLeft(thumbRect.right() + ScaledPixels(widget, 10));
  const QString text = index.data(Qt::DisplayRole).toString();
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                    painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
  painter->restore();
}

}  // namespace tessera::ui
