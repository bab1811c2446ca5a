#include "core/pages/slot_file_commands.h"

#include "core/image/frame_strip.h"
#include "core/pages/image_slot.h"
#include "core/platform/files.h"
#include "core/platform/paths.h"

namespace tessera {

std::string CopySlotFile(std::string_view slotValue, std::string_view destination) {
  const std::string source = SlotFilePath(slotValue);
  if (source.empty() || destination.empty()) return {};
  if (!paths::equalsIgnoreCase(paths::toNative(source), paths::toNative(destination))) {
    files::copyFile(source, destination, true);
  }
  return SlotValueForFile(destination);
}

std::string RenameSlotFile(std::string_view slotValue, std::string_view destination) {
  const std::string source = SlotFilePath(slotValue);
  if (source.empty() || destination.empty()) return {};
  if (paths::equalsIgnoreCase(paths::toNative(source), paths::toNative(destination))) return {};
  const std::string newValue = SlotValueForFile(destination);
  // The original goes only when the slot can name its copy and the copy is really there;
  // anything else would leave the slot pointing at nothing.
  if (!files::copyFile(source, destination, true) || newValue.empty() || !files::isFile(destination)) return {};
  files::deleteFile(source);
  return newValue;
}

bool FlipSlotFileToVertical(std::string_view slotValue, int frameCount) {
  const std::string path = SlotFilePath(slotValue);
  return !path.empty() && FlipHorizontalToVertical(path, frameCount);
}

bool FlipSlotFileToHorizontal(std::string_view slotValue, int frameCount) {
  const std::string path = SlotFilePath(slotValue);
  return !path.empty() && FlipVerticalToHorizontal(path, frameCount);
}

}  // namespace tessera
