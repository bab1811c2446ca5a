#pragma once
// The zoom window: one window, on top of the others without taking the focus, that shows the
// screen around the mouse (or a point locked with F2) enlarged 2, 4 or 8 times, with the colour
// of the pixel at the point. Editors open it with ShowZoomWindow().
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/image/zoom_lens.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tessera::ui {

class GlobalHotKey;

// Where the window reads the mouse and the screen; tests feed their own.
struct ZoomSources {
  std::function<QPoint()> cursor;
  // The screen pixels of a rectangle in desktop coordinates (the part the screen holds).
  std::function<ScreenPicture(const QRect&)> screen;
};

class ZoomWindow final : public QWidget {
  Q_OBJECT
 public:
  // Height of the row of magnification buttons above the view.
  static constexpr int kButtonRow = 18;

  ~ZoomWindow() override;

  // The open zoom window, if any.
  static ZoomWindow* instance();
  // Replaces how windows opened from now on read the mouse and the screen ({} = the real ones).
  static void setSources(ZoomSources sources);

  int factor() const { return factor_; }
  bool isLocked() const { return locked_; }
  QPoint point() const { return shown_ ? shown_->point : QPoint(); }
  // The rectangle of the window the enlarged screen fills.
  QRect viewRect() const;
  // A line saying what this desktop does not allow, or empty.
  QString limitation() const;
  // How many times the screen was read: ticks over a resting mouse add nothing.
  int screenReads() const { return screenReads_; }

  void setFactor(int factor);
  void toggleLock();
  // One tick of either timer; the timers call it, tests call it directly.
  void tick(ZoomTimer timer);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend ZoomWindow* ShowZoomWindow(QWidget* opener);
  explicit ZoomWindow(QWidget* parent);
  void restorePlacement();
  void storePlacement();
  ZoomPaintState stateNow() const;
  void refresh(const ZoomPaintState& state);
  ScreenPicture readScreen(const QRect& area) const;

  ZoomSources sources_;
  GlobalHotKey* hotKey_ = nullptr;
  QList<QPushButton*> factorButtons_;
  QLabel* limitation_ = nullptr;
  QTimer* fast_ = nullptr;
  QTimer* slow_ = nullptr;
  int factor_ = 2;
  bool locked_ = false;
  QPoint lockedPoint_;
  bool placed_ = false;
  bool screenUnreadable_ = false;
  int screenReads_ = 0;
  std::optional<ZoomPaintState> shown_;
  ScreenPicture picture_;
};

// Opens the zoom window, or brings the open one to the front, and returns it. The window stays
// with `opener`'s window (a modal editor would otherwise block its buttons) and goes with it.
ZoomWindow* ShowZoomWindow(QWidget* opener);

}  // namespace tessera::ui
