#include "ui/app/interface_pictures.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "ui/common/appearance.h"

namespace tessera::ui {

namespace {
constexpr int kCategoryIcons = 14;
}  // namespace

QImage TintedByHue(const QImage& source, int hue) {
  if (hue % 360 == 0) return source;
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      QColor colour = QColor::fromRgba(row[x]);
      int h, s, v, a;
      colour.getHsv(&h, &s, &v, &a);
      if (h >= 0) colour.setHsv((h + hue) % 360, s, v, a);
      row[x] = colour.rgba();
    }
  }
  return image;
}

void InterfacePictures::load() {
  pictures_.clear();
  hue_ = ReadSettingInt(settings::UIHue);
  folder_ = QString::fromStdString(DataFolder());
}

QPixmap InterfacePictures::picture(const QString& fileName) const {
  if (const auto found = pictures_.constFind(fileName); found != pictures_.constEnd()) return *found;
  QPixmap pixmap;
  const QString path = folder_ + QLatin1Char('/') + fileName;
  if (!folder_.isEmpty() && QFileInfo::exists(path)) {
    // The codec is named by the suffix and never guessed: a guess asks every image plugin about
    // the file, loading them all, and the window's first picture would wait for that.
    QImageReader reader(path, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) pixmap = QPixmap::fromImage(TintedByHue(image, hue_));
  }
  pictures_.insert(fileName, pixmap);
  return pixmap;
}

QPixmap InterfacePictures::categoryIcon(int number) const {
  if (number < 1 || number > kCategoryIcons) return {};
  return picture(QStringLiteral("icon%1.png").arg(number));
}

QColor InterfacePictures::interfaceColour() {
  const int brightness = std::clamp(ReadSettingInt(settings::Brightness), 0, 255);
  return InterfacePalette(QApplication::palette(), brightness, false).color(QPalette::Window);
}

}  // namespace tessera::ui
