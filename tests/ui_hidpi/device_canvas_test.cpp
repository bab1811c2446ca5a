#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "ui/colours/font_preview.h"
#include "ui/common/device_canvas.h"

namespace tessera::ui {
namespace {

TEST(DeviceCanvasTest, PreviewsDrawInDevicePixelsLaidOutInTheWidgetsUnits) {
  QWidget widget;
  widget.resize(100, 40);
  ASSERT_EQ(widget.devicePixelRatioF(), 2.0) << "the test runs at scale factor 2";
  const QImage canvas = DeviceCanvas(widget, Qt::red);
  EXPECT_EQ(canvas.size(), QSize(200, 80)) << "one canvas pixel per screen pixel";
  EXPECT_EQ(canvas.deviceIndependentSize(), QSizeF(100, 40)) << "painted over exactly the widget";
  const VlRect whole = WholeCanvas(canvas);
  EXPECT_EQ(QRect(whole.left, whole.top, whole.right - whole.left, whole.bottom - whole.top), widget.rect())
      << "the library is handed the widget's own area, and enlarges to the canvas's ratio";
}

TEST(DeviceCanvasTest, TheFontPreviewIsSharpAtScaleFactorTwo) {
  FontPreview preview;
  const QImage shown = preview.render();
  EXPECT_EQ(shown.size(), preview.size() * 2);
  EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(preview.size()));
}

}  // namespace
}  // namespace tessera::ui
