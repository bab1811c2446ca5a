#include "ui/app/category_pane.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/app/interface_pictures.h"

namespace tessera::ui {

namespace {

constexpr int kNumberRole = Qt::UserRole + 1;
constexpr int kBadgeRole = Qt::UserRole + 2;

QString badgeText(OsBadge badge) {
  switch (badge) {
    case OsBadge::SevenOnly: return QStringLiteral("Windows 7 only");
    case OsBadge::NotVista: return QStringLiteral("Not for Vista");
    case OsBadge::NotXP: return QStringLiteral("Not for XP");
    case OsBadge::None: break;
  }
  return {};
}

QString badgePicture(OsBadge badge) {
  switch (badge) {
    case OsBadge::SevenOnly: return QStringLiteral("sevenlogos.png");
    case OsBadge::NotVista: return QStringLiteral("vistalogos.png");
    case OsBadge::NotXP: return QStringLiteral("xplogos.png");
    case OsBadge::None: break;
  }
  return {};
}

class CategoryDelegate : public QStyledItemDelegate {
 public:
  CategoryDelegate(const InterfacePictures& pictures, QObject* parent) : QStyledItemDelegate(parent), pictures_(pictures) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    const int line = option.fontMetrics.height();
    return QSize(option.rect.width(), line * 2 + line / 2);
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    if (selected || hovered) {
      QColor fill = option.palette.highlight().color();
      fill.setAlpha(selected ? 90 : 40);
      painter->fillRect(option.rect.adjusted(2, 1, -2, -1), fill);
    }
    const int line = option.fontMetrics.height();
    const int iconSize = line * 2;
    const QRect iconRect(option.rect.left() + line / 2, option.rect.top() + (option.rect.height() - iconSize) / 2,
                         iconSize, iconSize);
    const QPixmap icon = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!icon.isNull()) {
      // The category pictures are drawn for light backgrounds, some in dark blues and greys: on a
      // dark palette each stands on a pale tile so that none fades into the pane.
      if (option.palette.color(QPalette::Base).lightness() < 128) {
        QColor tile = option.palette.color(QPalette::Text);
        tile.setAlpha(215);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(tile);
        painter->drawRoundedRect(QRectF(iconRect).adjusted(-2, -2, 2, 2), line / 4.0, line / 4.0);
      }
      painter->drawPixmap(iconRect, icon);
    }

    const auto badge = static_cast<OsBadge>(index.data(kBadgeRole).toInt());
    QRect textRect = option.rect.adjusted(iconRect.right() + line / 2 - option.rect.left(), 0, -line / 2, 0);
    if (badge != OsBadge::None) {
      const QPixmap badgeIcon = pictures_.picture(badgePicture(badge));
      const QRect badgeRect(textRect.right() - line, textRect.top() + (textRect.height() - line) / 2, line, line);
      if (!badgeIcon.isNull()) {
        painter->drawPixmap(badgeRect, badgeIcon);
      } else {
        painter->setPen(option.palette.color(QPalette::PlaceholderText));
        QFont small = option.font;
        small.setPointSizeF(small.pointSizeF() * 0.8);
        painter->setFont(small);
        painter->drawText(textRect, Qt::AlignRight | Qt::AlignBottom, badgeText(badge));
        painter->setFont(option.font);
      }
      textRect.setRight(badgeRect.left() - line / 4);
    }
    painter->setPen(option.palette.color(QPalette::Text));
    QFont title = option.font;
    title.setBold(selected);
    painter->setFont(title);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, index.data(Qt::DisplayRole).toString());
    painter->restore();
  }

 private:
  const InterfacePictures& pictures_;
};

}  // namespace

CategoryPane::CategoryPane(const InterfacePictures& pictures, QWidget* parent) : QListWidget(parent), pictures_(pictures) {
  setItemDelegate(new CategoryDelegate(pictures_, this));
  setMouseTracking(true);
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit taskPaneClick(numberOf(item)); });
}

void CategoryPane::clearItems() { clear(); }

void CategoryPane::addItem(int number, const QString& title, const QPixmap& icon, OsBadge badge) {
  auto* item = new QListWidgetItem(title, this);
  item->setData(kNumberRole, number);
  item->setData(kBadgeRole, static_cast<int>(badge));
  item->setData(Qt::DecorationRole, icon);
  item->setToolTip(title);
}

int CategoryPane::numberOf(const QListWidgetItem* item) { return item ? item->data(kNumberRole).toInt() : -1; }

}  // namespace tessera::ui
