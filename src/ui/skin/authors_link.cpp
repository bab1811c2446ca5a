#include "ui/skin/authors_link.h"

#include "core/platform/paths.h"

namespace tessera::ui {

namespace {
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && paths::equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}
}  // namespace

std::string WebAddressForLink(std::string_view url) {
  while (!url.empty() && (url.front() == ' ' || url.front() == '\t')) url.remove_prefix(1);
  while (!url.empty() && (url.back() == ' ' || url.back() == '\t')) url.remove_suffix(1);
  for (const char c : url) {
    if (static_cast<unsigned char>(c) < 32) return {};
  }
  const bool web = startsWithIgnoreCase(url, "http://") || startsWithIgnoreCase(url, "https://");
  if (web && url.size() > 8) return std::string(url);
  if (startsWithIgnoreCase(url, "www.") && url.size() > 4) return "http://" + std::string(url);
  return {};
}

}  // namespace tessera::ui
