#include "standin/render/blend_modes.h"

#include <cstdlib>

namespace tessera::render {

namespace {
using CM = QPainter::CompositionMode;

CM compositionOf(int base) {
  switch (base) {
    case 14: return CM::CompositionMode_SourceAtop;
    case 15: return CM::CompositionMode_DestinationAtop;
    case 17: return CM::CompositionMode_Multiply;
    case 18: return CM::CompositionMode_Plus;
    case 19: return CM::CompositionMode_Screen;
    case 20: return CM::CompositionMode_Overlay;
    case 21: return CM::CompositionMode_Darken;
    case 22: return CM::CompositionMode_Lighten;
    case 24: return CM::CompositionMode_HardLight;
    case 26: return CM::CompositionMode_Difference;
    case 27: return CM::CompositionMode_Exclusion;
    default: return CM::CompositionMode_SourceOver;
  }
}

int mixChannel(int under, int over, int weight) { return under + (over - under) * weight / 255; }

}  // namespace

BlendMode BlendModeOf(int alphaMode) {
  BlendMode mode;
  switch (alphaMode) {
    case 70: return {CM::CompositionMode_SourceAtop, false, BlendTarget::GreyOnly};
    case 71: return {CM::CompositionMode_SourceAtop, false, BlendTarget::ColourOnly};
    case 28: return {CM::CompositionMode_Multiply, false, BlendTarget::ColourOnly};
    case 29: return {CM::CompositionMode_Multiply, false, BlendTarget::GreyOnly};
    case 128: return {CM::CompositionMode_Multiply, true, BlendTarget::ColourOnly};
    case 129: return {CM::CompositionMode_Multiply, true, BlendTarget::GreyOnly};
    case 219: return {CM::CompositionMode_Screen, true, BlendTarget::ColourOnly};
    case 220: return {CM::CompositionMode_Screen, true, BlendTarget::GreyOnly};
    case 221: return {CM::CompositionMode_Overlay, true, BlendTarget::ColourOnly};
    case 222: return {CM::CompositionMode_Overlay, true, BlendTarget::GreyOnly};
    default: break;
  }
  if (alphaMode >= 117 && alphaMode <= 127 && compositionOf(alphaMode - 100) != CM::CompositionMode_SourceOver) {
    return {compositionOf(alphaMode - 100), true, BlendTarget::Any};
  }
  mode.composition = compositionOf(alphaMode);
  return mode;
}

bool IsGreyPixel(QRgb pixel) {
  constexpr int kTolerance = 8;
  const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
  return std::abs(r - g) <= kTolerance && std::abs(g - b) <= kTolerance && std::abs(r - b) <= kTolerance;
}

void BlendLayer(QImage& destination, const QImage& layer, const BlendMode& mode) {
  if (destination.isNull() || layer.isNull()) return;
  if (!mode.automask && mode.target == BlendTarget::Any) {
    QPainter painter(&destination);
    painter.setCompositionMode(mode.composition);
    painter.drawImage(0, 0, layer);
    return;
  }
  QImage blended = destination.copy();
  {
    QPainter painter(&blended);
    painter.setCompositionMode(mode.composition);
    painter.drawImage(0, 0, layer);
  }
  for (int y = 0; y < destination.height(); ++y) {
    auto* under = reinterpret_cast<QRgb*>(destination.scanLine(y));
    const auto* over = reinterpret_cast<const QRgb*>(blended.constScanLine(y));
    for (int x = 0; x < destination.width(); ++x) {
      const QRgb d = under[x];
      if (mode.target != BlendTarget::Any) {
        const bool grey = IsGreyPixel(qUnpremultiply(d));
        if (grey != (mode.target == BlendTarget::GreyOnly)) continue;
      }
      const int weight = mode.automask ? qAlpha(d) : 255;
      const QRgb o = over[x];
      under[x] = qRgba(mixChannel(qRed(d), qRed(o), weight), mixChannel(qGreen(d), qGreen(o), weight),
                       mixChannel(qBlue(d), qBlue(o), weight), mixChannel(qAlpha(d), qAlpha(o), weight));
    }
  }
}

}  // namespace tessera::render
