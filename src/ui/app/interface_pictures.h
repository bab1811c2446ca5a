#pragma once
// The editor's own pictures of the data folder ("logo.png", "icon1.png" ...), loaded once and
// tinted by the UIHUE preference; the interface grey comes from the Brightness preference.
#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace tessera::ui {

class InterfacePictures {
 public:
  // Loads every picture the main window uses from the data folder.
  void load();
  // The picture of that file name; a null pixmap when it is missing.
  QPixmap picture(const QString& fileName) const { return pictures_.value(fileName); }
  // icon1.png .. icon14.png by number (1-based); null when out of range.
  QPixmap categoryIcon(int number) const;
  // 255 gives white, v gives the grey (v, v, v).
  static QColor interfaceColour();

 private:
  QHash<QString, QPixmap> pictures_;
};

// Rotates the hue of every pixel by `hue` degrees (0 keeps the picture).
QImage TintedByHue(const QImage& image, int hue);

}  // namespace tessera::ui
