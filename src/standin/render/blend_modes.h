#pragma once
// Blending a layer onto what lies beneath it, by the layer's "AlphaMode".
#include <QImage>
#include <QPainter>

namespace tessera::render {

// Which destination pixels a mode may change.
enum class BlendTarget { Any, ColourOnly, GreyOnly };

struct BlendMode {
  QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
  bool automask = false;  // the layer shows only as far as the destination is opaque
  BlendTarget target = BlendTarget::Any;
};

// The mode of an "AlphaMode" value; unknown values blend normally.
BlendMode BlendModeOf(int alphaMode);

// Blends `layer` (same size as `destination`, both pre-multiplied) onto `destination`.
void BlendLayer(QImage& destination, const QImage& layer, const BlendMode& mode);

// True when a pixel has (almost) no colour: its channels differ by at most a few levels.
bool IsGreyPixel(QRgb pixel);

}  // namespace tessera::render
