#pragma once
// The picker icon: pressing on it captures the mouse and shows a preview of the screen colour
// under the cursor; releasing reports the colour of that screen pixel.
#include <QLabel>
#include <functional>
#include <optional>

#include "core/platform/system_colours.h"

namespace tessera::ui {

// Reads the screen pixel at a global position; nullopt when the screen cannot be read.
using ScreenPixelReader = std::function<std::optional<ColorRef>(const QPoint& globalPosition)>;
std::optional<ColorRef> ReadScreenPixel(const QPoint& globalPosition);

class ScreenPickIcon final : public QLabel {
  Q_OBJECT

 public:
  // `pickPreview` is shown while picking and filled with the colour under the cursor.
  ScreenPickIcon(QWidget* pickPreview, QWidget* parent = nullptr);
  void setPixelReader(ScreenPixelReader reader) { reader_ = std::move(reader); }

 signals:
  void colourPicked(unsigned int colour);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QWidget* pickPreview_;
  ScreenPixelReader reader_ = &ReadScreenPixel;
  bool picking_ = false;
};

}  // namespace tessera::ui
