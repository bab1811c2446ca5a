#pragma once
// The rules of the "Painting margins" window: its preview states, the size of its resizable
// preview, and where the four margin marks sit on that preview so they can be dragged.
#include <QPoint>
#include <QSize>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pages/painting_keys.h"
#include "core/pages/painting_preview.h"

namespace tessera {

// At most this many "Animation Frame" states are listed.
inline constexpr int kMaxAnimationStates = 35;
// The preview never gets smaller than this.
inline constexpr QSize kMinMarginsPreview(20, 20);
// The smallest the window may be.
inline constexpr QSize kMinMarginsWindow(700, 280);
// A press this close to a margin mark grabs it.
inline constexpr int kMarkGrabDistance = 3;

// The names of the preview states. A section whose catalogue entry builds its states
// ("BuildStates" 1) lists "Animation Frame 1" to "Animation Frame N", N the skin's "FrameCount"
// (default the catalogue "ImageCount"; 0 or less counts as 1; at most kMaxAnimationStates);
// other sections list the catalogue's state list.
std::vector<std::string> MarginsEditorStateNames(std::string_view section, std::string_view catalogueSection);

// `wanted` kept between kMinMarginsPreview and `room` (the space the window gives the preview).
QSize ClampMarginsPreview(QSize wanted, QSize room);

// The size a double click restores: one frame of the section's picture plus the padding each
// way, within `room`.
QSize DefaultMarginsPreview(const SectionPictureLayout& layout, QSize room);

// The area of a preview of `preview` size in which the library draws the section (the preview
// less the inset at the right and bottom).
QSize MarginsRenderArea(QSize preview);

// Where each margin mark is drawn: the row of the top and bottom marks, the column of the left and
// right marks, inside the render area (a mark is kept inside the area even when its margin is
// larger).
std::array<int, 4> MarginMarkPositions(QSize renderArea, const std::array<int, 4>& margins);

// The mark a press at `point` grabs: the nearest within kMarkGrabDistance, or none.
std::optional<Edge> MarkAt(QPoint point, QSize renderArea, const std::array<int, 4>& margins);

// The margin of `edge` that puts its mark under `point`, in whole pixels, kept from crossing the
// opposite margin: within the render area and, when the picture is known, within one frame of it.
int MarginForDrag(Edge edge, QPoint point, QSize renderArea, const std::array<int, 4>& margins, QSize frame);

// One frame of the section's picture, at least one pixel each way (empty when the section has no
// picture that loads).
QSize FrameSize(const SectionPictureLayout& layout);

// The plain name of the undo step a drag of `edge` makes, e.g. "Change Top margin of Button".
std::string MarginDragStepName(Edge edge, std::string_view section);

// Keys the window writes beyond those of the "Painting" page: the middle area on its own and the
// "do not paint the middle" flag on its own.
void WriteMiddleTile(std::string_view section, int tile);
void WriteEdgesOnly(std::string_view section, bool on);

}  // namespace tessera
