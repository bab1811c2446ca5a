#pragma once
// The caption bar along the bottom of the section editor: one caption per page of the property
// sheet (it stands in for the sheet's own tab strip); its bottom-right corner is the window's
// size grip.
#include <QStringList>
#include <QWidget>

class QSizeGrip;

namespace tessera::ui {

class BottomBar : public QWidget {
  Q_OBJECT
 public:
  explicit BottomBar(QWidget* parent = nullptr);

  void setCaptions(const QStringList& captions);
  QStringList captions() const { return captions_; }
  void setSelected(int index);
  int selected() const { return selected_; }
  // Where caption `index` is drawn (for clicks and tests).
  QRect captionRect(int index) const;

  QSize sizeHint() const override;

 signals:
  void captionClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QStringList captions_;
  int selected_ = -1;
  QSizeGrip* grip_;
};

}  // namespace tessera::ui
