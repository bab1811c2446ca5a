#pragma once
// The loader's window: a sample desktop drawn by the preview library with the applied skin — a
// wallpaper or desktop colour, an inactive and an active skinned window with controls, and the
// taskbar. The title-bar buttons and controls follow the mouse; the push buttons play their
// mouse-over animation when the skin gives them one, the title-bar buttons their animated strips
// and glows, and a maximise button maximises and restores the active window.
#include <QImage>
#include <QWidget>

#include "standin/programs/animation_player.h"
#include "standin/programs/preview_module.h"
#include "standin/programs/titlebar_driver.h"

namespace tessera::standin {

class SampleDesktop : public QWidget {
  Q_OBJECT
 public:
  explicit SampleDesktop(PreviewModule& preview, QWidget* parent = nullptr);

  // Reads the applied skin from the engine settings and shows it.
  void showAppliedSkin();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QRect activeWindow() const;
  QRect inactiveWindow() const;
  QRect controlsArea() const;
  void updateHover(const QPoint& position, bool pressed);

  PreviewModule& preview_;
  QImage wallpaper_;
  int wallpaperStyle_ = 0;  // "WallpaperStyle": 0 centre, 1 tile, 2 stretch
  QString skinName_;
  VlRect activeWindowRect() const;
  int captionState_ = 1;   // standard frame buttons: 1 normal, 2 mouse over, 3 pressed
  int pressedButton_ = -1;  // the skin's own title-bar button the press began on
  int controlState_ = 1;   // preview state of the sample controls
  bool overControls_ = false;
  AnimationPlayer animation_;
  TitleBarDriver titleBar_;
};

}  // namespace tessera::standin
