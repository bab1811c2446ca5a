#pragma once
// Path helpers. Full paths on disk are native ('/'), values stored in skin files keep the
// Windows form ('\'). Every string operation on paths accepts both separators.
#include <string>
#include <string_view>

namespace tessera::paths {

inline constexpr char kNativeSeparator = '/';
inline constexpr char kStoredSeparator = '\\';

bool isSeparator(char c);

// Index of the last separator, or npos.
std::size_t lastSeparator(std::string_view path);

// Text after the last separator (the whole path when there is none).
std::string_view fileName(std::string_view path);
// Text before the last separator (empty when there is none).
std::string_view parentFolder(std::string_view path);
// File name without its last extension ("a.b.uis" -> "a.b").
std::string_view stem(std::string_view path);
// Last extension of the file name without the dot (empty when there is none).
std::string_view extension(std::string_view path);
// The path without the last extension of its file name.
std::string_view withoutExtension(std::string_view path);

// Joins with the native separator; `tail` may use either separator.
std::string join(std::string_view head, std::string_view tail);
// '\' becomes '/'.
std::string toNative(std::string_view path);
// '/' becomes '\' (the form written into skin files).
std::string toStored(std::string_view path);

// ASCII case mapping, as the rest of the program compares names.
std::string upper(std::string_view text);
std::string lower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
inline char upperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Resolves an existing path case-insensitively, component by component, as Windows would:
// every component that exists in another letter case takes its on-disk name; the first missing
// component and everything after it are kept as given. Accepts both separators.
std::string resolve(std::string_view path);

}  // namespace tessera::paths
