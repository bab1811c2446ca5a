#pragma once
// The editor's own pictures of the data folder ("logo.png", "icon1.png" ...), each read the first
// time it is asked for (start-up needs only a few) and tinted by the UIHUE preference; the
// interface grey comes from the Brightness preference.
#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace tessera::ui {

class InterfacePictures {
 public:
  // Forgets the pictures read so far and takes the data folder and hue as they are now.
  void load();
  // The picture of that file name; a null pixmap when it is missing.
  QPixmap picture(const QString& fileName) const;
  // icon1.png .. icon14.png by number (1-based); null when out of range.
  QPixmap categoryIcon(int number) const;
  // 255 gives white, v gives the grey (v, v, v).
  static QColor interfaceColour();

 private:
  QString folder_;
  int hue_ = 0;
  mutable QHash<QString, QPixmap> pictures_;  // read so far, missing ones as null pixmaps
};

// Rotates the hue of every pixel by `hue` degrees (0 keeps the picture).
QImage TintedByHue(const QImage& image, int hue);

}  // namespace tessera::ui
