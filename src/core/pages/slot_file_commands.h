#pragma once
// The file commands of a slot's menu that work on the slot's file itself: make a copy, rename,
// and turn a frame strip between its horizontal and vertical forms.
#include <string>
#include <string_view>

namespace tessera {

// Copies the slot's file to `destination`, overwriting. Returns the slot value that names the
// copy, or empty when the copy lies outside the skin folder (no slot can name it) or the slot
// names no file.
std::string CopySlotFile(std::string_view slotValue, std::string_view destination);
// Copies the slot's file to `destination` and deletes the original, but only once the copy
// exists; renaming a file onto itself changes nothing. Returns the slot value of the renamed
// file, or empty when the slot should keep its value (a copy outside the skin folder leaves
// the original in place).
std::string RenameSlotFile(std::string_view slotValue, std::string_view destination);

// Rewrites the slot's file in place; false when it cannot be read or written.
bool FlipSlotFileToVertical(std::string_view slotValue, int frameCount);
bool FlipSlotFileToHorizontal(std::string_view slotValue, int frameCount);

}  // namespace tessera
