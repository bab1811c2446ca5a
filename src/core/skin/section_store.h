#pragma once
// The routed section store: every skin key is read and written through these calls, which route
// a section to the file that holds it by the catalogue key AlternativeFile.
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/profile.h"

namespace tessera {

// The main working file or one of the three companions, by the catalogue's AlternativeFile for
// `section` (default `defaultAlternative`); a layer section "Parent:Layer" without a value of its
// own follows its top-level section "Parent".
std::string SkinFileForSection(std::string_view section);
std::string SkinFileForSection(std::string_view section, int defaultAlternative);

// Routing applies only when `file` is the session's main file (byte for byte); any other file is
// used as given.
unsigned int ReadSkinInt(std::string_view section, std::string_view key, int def, const std::string& file);
std::size_t ReadSkinString(std::string_view section, std::string_view key, std::string_view def, char* buffer,
                           std::size_t size, const std::string& file);
// Reads the whole value unless the caller names a buffer size, which cuts it as the buffer form does.
std::string ReadSkinString(std::string_view section, std::string_view key, std::string_view def,
                           const std::string& file, std::size_t size = profile::kWholeValue);
// A nullopt value deletes the key, a nullopt key the whole section. Returns 1 without writing
// while skin writes are not enabled; otherwise 1 on success and 0 on failure.
int WriteSkinString(std::string_view section, profile::OptionalText key, profile::OptionalText value,
                    const std::string& file);
// The same into `file` itself, even the main file: for a caller that knows which file holds the
// section (it listed the section from that file, or the key belongs to the main file by rule).
int WriteSkinStringToFile(std::string_view section, profile::OptionalText key, profile::OptionalText value,
                          const std::string& file);

// The catalogue file that drives routing (built on first use).
const std::string& CataloguePath();

}  // namespace tessera
