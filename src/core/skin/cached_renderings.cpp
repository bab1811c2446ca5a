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
  for (const char* extension : extensions) {
    for (const auto& name : files::listFilesWithExtension(folder, extension)) files::deleteFile(paths::join(folder, name));
  }
}

}  // namespace tessera
