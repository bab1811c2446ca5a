#pragma once
// F2 for the whole desktop where the display server lets a program take a key for itself (X11),
// and otherwise F2 in any window of this program. `activated` fires once per press either way.
#include <QObject>
#include <memory>

namespace tessera::ui {

class GlobalHotKey final : public QObject {
  Q_OBJECT
 public:
  explicit GlobalHotKey(QObject* parent = nullptr);
  ~GlobalHotKey() override;

  // Whether the key reaches this program while another program has the focus.
  bool isDesktopWide() const;

 signals:
  void activated();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class X11Grab;
  std::unique_ptr<X11Grab> grab_;
};

}  // namespace tessera::ui
