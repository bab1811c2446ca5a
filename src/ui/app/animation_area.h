#pragma once
// The main window's animation area (category kind 4): the shell animation of the chosen entry,
// played when the skin has a ZOR clip of its own for it, with a line naming what plays.
#include <QWidget>
#include <string>

#include "core/image/zor_player.h"

class QLabel;

namespace tessera::ui {

class AnimationArea : public QWidget {
  Q_OBJECT
 public:
  explicit AnimationArea(QWidget* parent = nullptr);

  // Shows the animation of entry `entryName` (a subsections.ini section such as "Copy").
  void showEntry(const std::string& entryName);
  void clear();

  ZorPlayer& player() { return player_; }
  QString caption() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect frameArea() const;

  ZorPlayer player_;
  QLabel* caption_ = nullptr;
};

}  // namespace tessera::ui
