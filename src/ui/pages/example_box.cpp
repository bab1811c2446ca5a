#include "ui/pages/example_box.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "core/app/qimage_bridge.h"
#include "core/image/image_file.h"

namespace tessera::ui {

ExampleBox::ExampleBox(const std::string& picturePath, QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("exampleBox"));
  setVisible(false);
  if (picturePath.empty()) return;
  const auto picture = LoadImageFile(picturePath);
  if (!picture) return;
  hasPicture_ = true;
  setStyleSheet(QStringLiteral("QFrame#exampleBox { border: 1px solid rgb(210,210,210); }"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  auto* band = new QLabel(QStringLiteral("Example of the control in use"), this);
  band->setAutoFillBackground(true);
  QPalette palette = band->palette();
  palette.setColor(QPalette::Window, QColor(255, 255, 225));
  // Dark text on the fixed pale band, whatever the desktop's colours.
  palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
  band->setPalette(palette);
  auto* image = new QLabel(this);
  image->setPixmap(QPixmap::fromImage(ToQImage(*picture)));
  image->setAlignment(Qt::AlignCenter);
  layout->addWidget(band);
  layout->addWidget(image);
  setVisible(true);
}

}  // namespace tessera::ui
