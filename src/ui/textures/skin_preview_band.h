#pragma once
// The preview band at the top of the texture editors: the open skin drawn by the preview
// library, either its start menu and taskbar or two sample windows, over the desktop colour.
#include <QImage>
#include <QWidget>

namespace tessera::ui {

class SkinPreviewBand : public QWidget {
  Q_OBJECT
 public:
  enum class Content { StartMenuAndTaskbar, SampleWindows };

  explicit SkinPreviewBand(Content content, QWidget* parent = nullptr);

  // The band as it is painted now, at the widget's size in device pixels.
  QImage render() const;
  // Where the sample windows lie (SampleWindows), in the band's coordinates.
  QRect activeWindowRect() const;
  QRect inactiveWindowRect() const;

  QSize sizeHint() const override { return QSize(640, 210); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Content content_;
};

}  // namespace tessera::ui
