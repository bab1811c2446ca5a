#pragma once
// The tester's window: the skin named in the engine's per-application settings drawn by the
// preview library on sample controls, one panel per kind of control, plus every state of the
// push buttons side by side. Hovering and pressing a panel shows its mouse-over and pressed
// states; the push buttons play their mouse-over animation when the skin gives them one. Above
// the panels a sample title bar shows the skin's own title-bar buttons following the mouse, with
// their glows and animations; a maximise button switches it to the maximised look.
#include <QDialog>
#include <QFileSystemWatcher>
#include <QString>
#include <vector>

#include "standin/programs/animation_player.h"
#include "standin/programs/preview_module.h"
#include "standin/programs/titlebar_driver.h"

namespace tessera::standin {

class TesterWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TesterWindow(PreviewModule& preview, QWidget* parent = nullptr);
  void reloadSkin();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  struct Panel {
    QString title;
    std::vector<int> kinds;
    int mouseState;
    int pressedState;
  };
  QRect panelRect(std::size_t index) const;
  QRect stateStripRect() const;
  QRect titleBarRect() const;
  VlRect titleBarVlRect() const;
  void track(const QPoint& position, bool pressed);

  PreviewModule& preview_;
  QFileSystemWatcher watcher_;
  std::vector<Panel> panels_;
  AnimationPlayer animation_;
  TitleBarDriver titleBar_;
  int pressedButton_ = -1;
  int hotPanel_ = -1;
  bool pressed_ = false;
};

}  // namespace tessera::standin
