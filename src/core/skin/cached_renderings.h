#pragma once
// The engine leaves rendered copies of a skin in its folder (previews, compiled forms). They are
// dropped whenever the skin's files change, so the engine renders it afresh.
#include <span>
#include <string_view>

namespace tessera {

// The extensions in the order the refresh and the packager delete them...
std::span<const char* const> CachedRenderingExtensions();
// ...and in the order a skin copy deletes them.
std::span<const char* const> CachedRenderingExtensionsForCopy();

// Deletes every plain file of `folder` whose extension (in any case) is one of `extensions`, in
// their order. Sub-folders are left alone; folder paths of 9 characters or fewer are refused.
void DeleteCachedRenderings(std::string_view folder, std::span<const char* const> extensions);

}  // namespace tessera
