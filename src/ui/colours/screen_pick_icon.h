#pragma once
// The one screen colour picker: pressing on its icon captures the mouse and shows what is under
// the cursor, either as the colour in a preview control of the dialog's own or, without one, in
// a magnifier that follows the pointer; releasing reports the colour of that screen pixel.
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
  // `pickPreview` is shown while picking and filled with the colour under the cursor; without
  // one, a magnifier shows the pixels around the pointer.
  explicit ScreenPickIcon(QWidget* pickPreview, QWidget* parent = nullptr);
  ~ScreenPickIcon() override;
  // The magnifier while it is shown, else nullptr.
  QLabel* magnifier() const;
  void setPixelReader(ScreenPixelReader reader) { reader_ = std::move(reader); }

 signals:
  void colourPicked(unsigned int colour);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void showMagnifier(const QPoint& globalPosition);

  QWidget* pickPreview_;
  QLabel* magnifier_ = nullptr;
  ScreenPixelReader reader_ = &ReadScreenPixel;
  bool picking_ = false;
};

}  // namespace tessera::ui
