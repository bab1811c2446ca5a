#include "core/skin/cached_renderings.h"

#include <array>

#include "core/platform/files.h"
#include "core/platform/paths.h"

namespace tessera {

namespace {

constexpr std::array<const char*, 9> kRefreshOrder = {"VL4",          "VL64",         "VL5",
                                                      "TSR",          "PREVIEW7",     "PREVIEW7_150",
                                                      "PREVIEW7_120", "PREVIEW7_133", "PREVIEW7_200"};
constexpr std::array<const char*, 9> kCopyOrder = {"PREVIEW7", "PREVIEW7_150", "PREVIEW7_120",
                                                   "PREVIEW7_133", "PREVIEW7_200", "VL4",
                                                   "VL64",     "VL5",          "TSR"};

}  // namespace

std::span<const char* const> CachedRenderingExtensions() { return kRefreshOrder; }
std::span<const char* const> CachedRenderingExtensionsForCopy() { return kCopyOrder; }

void DeleteCachedRenderings(std::string_view folder, std::span<const char* const> extensions) {
  if (folder.size() <= 9) return;
  // One pass over the folder (it is refreshed after every edit), then deletion in the given order.
  const std::vector<std::string_view> wanted(extensions.begin(), extensions.end());
  const std::vector<std::string> found = files::listFilesWithExtensions(folder, wanted);
  for (const std::string_view extension : wanted) {
    for (const auto& name : found) {
      if (paths::upper(paths::extension(name)) == extension) files::deleteFile(paths::join(folder, name));
    }
  }
}

}  // namespace tessera
