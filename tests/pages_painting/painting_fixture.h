#pragma once
// An open skin "S" with a catalogue of the test's own, and pictures drawn for it.
#include <QColor>
#include <QImage>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/image/image_file.h"
#include "core/platform/paths.h"
#include "sheet/sheet_fixture.h"

namespace tessera::testing {

class PaintingEnvironmentTest : public SheetEnvironmentTest {
 protected:
  // A picture of `frames` solid-coloured frames side by side (stacked when `vertical`), saved as
  // skins/S/<name>; returns its slot value.
  std::string writeStrip(std::string_view name, QSize frame, std::initializer_list<QColor> frames,
                         bool vertical = false) {
    const int count = static_cast<int>(frames.size());
    QImage strip(vertical ? frame.width() : frame.width() * count, vertical ? frame.height() * count : frame.height(),
                 QImage::Format_ARGB32);
    int i = 0;
    for (const QColor& colour : frames) {
      const QRect slice = vertical ? QRect(0, i * frame.height(), frame.width(), frame.height())
                                   : QRect(i * frame.width(), 0, frame.width(), frame.height());
      for (int y = slice.top(); y <= slice.bottom(); ++y)
        for (int x = slice.left(); x <= slice.right(); ++x) strip.setPixelColor(x, y, colour);
      ++i;
    }
    const std::string path = temp.file("skins/S/" + std::string(name));
    strip.save(QString::fromStdString(path), "PNG");
    return "s\\" + std::string(name);
  }
};

}  // namespace tessera::testing
