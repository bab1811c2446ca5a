#include "core/pages/margins_editor.h"

#include <algorithm>
#include <cstdlib>

#include "core/skin/catalogue.h"
#include "core/skin/section_catalogue.h"
#include "core/skin/section_store.h"
#include "core/skin/skin_session.h"

namespace tessera {

namespace {
const char* const kEdgeWords[] = {"Top", "Bottom", "Left", "Right"};

bool isVertical(Edge edge) { return edge == kTopEdge || edge == kBottomEdge; }
}  // namespace

std::vector<std::string> MarginsEditorStateNames(std::string_view section, std::string_view catalogueSection) {
  const SectionCatalogue catalogue;
  if (!catalogue.isOn(catalogueSection, subsection_keys::BuildStates)) return PreviewStateNames(catalogueSection);
  // Read signed: a damaged "-5" must not wrap to four thousand million frames.
  const int frames = static_cast<int>(
      ReadSkinInt(section, "FrameCount", catalogue.imageCount(catalogueSection), Session().mainFile));
  const int count = std::clamp(frames, 1, kMaxAnimationStates);
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) names.push_back("Animation Frame " + std::to_string(i));
  return names;
}

QSize ClampMarginsPreview(QSize wanted, QSize room) {
  const QSize most = room.expandedTo(kMinMarginsPreview);
  return QSize(std::clamp(wanted.width(), kMinMarginsPreview.width(), most.width()),
               std::clamp(wanted.height(), kMinMarginsPreview.height(), most.height()));
}

QSize DefaultMarginsPreview(const SectionPictureLayout& layout, QSize room) {
  return ClampMarginsPreview(PreviewBoxSize(layout, room.expandedTo(kMinMarginsPreview)), room);
}

QSize MarginsRenderArea(QSize preview) {
  return QSize(std::max(0, preview.width() - kPreviewInset), std::max(0, preview.height() - kPreviewInset));
}

std::array<int, 4> MarginMarkPositions(QSize renderArea, const std::array<int, 4>& m) {
  const int lastRow = std::max(0, renderArea.height() - 1);
  const int lastColumn = std::max(0, renderArea.width() - 1);
  return {std::clamp(m[kTopEdge], 0, lastRow), std::clamp(lastRow - m[kBottomEdge], 0, lastRow),
          std::clamp(m[kLeftEdge], 0, lastColumn), std::clamp(lastColumn - m[kRightEdge], 0, lastColumn)};
}

std::optional<Edge> MarkAt(QPoint point, QSize renderArea, const std::array<int, 4>& margins) {
  if (renderArea.isEmpty()) return std::nullopt;
  const std::array<int, 4> marks = MarginMarkPositions(renderArea, margins);
  std::optional<Edge> nearest;
  int best = kMarkGrabDistance + 1;
  for (Edge edge : {kTopEdge, kBottomEdge, kLeftEdge, kRightEdge}) {
    const bool vertical = isVertical(edge);
    // A mark spans the render area only.
    const int along = vertical ? point.x() : point.y();
    const int length = vertical ? renderArea.width() : renderArea.height();
    if (along < 0 || along >= length) continue;
    const int distance = std::abs((vertical ? point.y() : point.x()) - marks[edge]);
    if (distance < best) {
      best = distance;
      nearest = edge;
    }
  }
  return nearest;
}

int MarginForDrag(Edge edge, QPoint point, QSize renderArea, const std::array<int, 4>& margins, QSize frame) {
  const bool vertical = isVertical(edge);
  const int length = vertical ? renderArea.height() : renderArea.width();
  const int position = vertical ? point.y() : point.x();
  const bool fromStart = edge == kTopEdge || edge == kLeftEdge;
  const int wanted = fromStart ? position : (length - 1) - position;
  const int opposite = margins[static_cast<std::size_t>(edge ^ 1)];
  int most = std::min(kMaxSizingMargin, (length - 1) - opposite);
  const int frameLength = vertical ? frame.height() : frame.width();
  if (frameLength > 0) most = std::min(most, frameLength - opposite);
  return std::clamp(wanted, 0, std::max(0, most));
}

QSize FrameSize(const SectionPictureLayout& layout) {
  if (layout.picture.isEmpty()) return {};
  const int frames = std::max(1, layout.frameCount);
  // More frames than pixels still leaves a frame of one pixel, so margins stay bounded.
  return layout.vertical ? QSize(layout.picture.width(), std::max(1, layout.picture.height() / frames))
                         : QSize(std::max(1, layout.picture.width() / frames), layout.picture.height());
}

std::string MarginDragStepName(Edge edge, std::string_view section) {
  return "Change " + std::string(kEdgeWords[edge]) + " margin of " + std::string(section);
}

void WriteMiddleTile(std::string_view section, int tile) {
  WriteSkinString(section, painting_keys::kTile, std::to_string(std::clamp(tile, 0, kMiddleNotPainted - 1)),
                  Session().mainFile);
}

void WriteEdgesOnly(std::string_view section, bool on) {
  WriteSkinString(section, painting_keys::kEdgesOnly, on ? "1" : "0", Session().mainFile);
}

}  // namespace tessera
