#include "ui/app/interface_pictures.h"

#include <QApplication>
#include <QImage>

#include "core/platform/environment.h"
#include "core/platform/settings.h"
#include "ui/common/appearance.h"

namespace tessera::ui {

namespace {
const char* const kPictureNames[] = {"line2.png",     "vertline.png",  "help.png",     "bottombar.png", "tabbot3.png",
                                     "vistalogo.png", "sevenlogo.png", "vistalogos.png", "sevenlogos.png", "xplogo.png",
                                     "xplogos.png",   "tsrlogo.png",   "logo.png",     "prev.png",      "next.png",
                                     "colourlogo.png"};
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
  const int hue = ReadSettingInt(settings::UIHue);
  const QString folder = QString::fromStdString(DataFolder());
  auto add = [&](const QString& name) {
    const QImage image(folder + QLatin1Char('/') + name);
    if (!image.isNull()) pictures_.insert(name, QPixmap::fromImage(TintedByHue(image, hue)));
  };
  for (const char* name : kPictureNames) add(QString::fromLatin1(name));
  for (int i = 1; i <= kCategoryIcons; ++i) add(QStringLiteral("icon%1.png").arg(i));
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
